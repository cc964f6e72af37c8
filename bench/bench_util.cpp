#include "bench_util.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/store/postgres.h"

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

bool onServer(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--backend") == 0) return std::strcmp(argv[i + 1], "postgresql") == 0;
    return false;
}

std::string serverDatabase(bool server, const std::string& name) {
    if (!server) return {};
    const char* address = std::getenv("VTL_BENCH_PG");
    if (!address || !*address) {
        std::fprintf(stderr, "--backend postgresql needs VTL_BENCH_PG (scripts/bench starts a server)\n");
        std::exit(2);
    }
    std::string error;
    store::dropDatabase(address, name, error);
    return store::withDatabase(address, name);
}

std::string scratchFolder(const std::string& name) {
    auto p = std::filesystem::temp_directory_path() / ("vtlbench-" + name);
    std::filesystem::remove_all(p);
    std::filesystem::create_directories(p);
    return p.string();
}

}  // namespace vtl::bench
