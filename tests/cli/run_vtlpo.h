#pragma once
// The batch tool run in the test's process, with what it wrote.
#include <sstream>
#include <string>
#include <vector>

#include "commands/cli.h"

namespace vtl::test {

struct CliResult {
    int code;
    std::string out, err;
};

inline CliResult vtlpo(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = cli::run(args, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace vtl::test
