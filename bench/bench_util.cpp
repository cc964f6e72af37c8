#include "bench_util.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace vtl::bench {

double scaleFrom(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--scale") == 0) return std::atof(argv[i + 1]);
    return 1.0;
}

void figure(const std::string& name, double value, const std::string& unit) {
    std::printf("%s: %.2f %s\n", name.c_str(), value, unit.c_str());
}

bool target(const std::string& name, double measured, double limit) {
    const bool met = measured <= limit;
    std::printf("TARGET %s %.3f <= %.3f %s\n", name.c_str(), measured, limit, met ? "MET" : "MISSED");
    return met;
}

std::string scratchFolder(const std::string& name) {
    auto p = std::filesystem::temp_directory_path() / ("vtlbench-" + name);
    std::filesystem::remove_all(p);
    std::filesystem::create_directories(p);
    return p.string();
}

}  // namespace vtl::bench
