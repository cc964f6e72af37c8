#pragma once
// The batch tool's commands, with their streams handed in so tests run them
// end to end.
#include <ostream>
#include <string>
#include <vector>

namespace vtl::cli {

// Runs one command line (without the program name); returns the exit code.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vtl::cli
