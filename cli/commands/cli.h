#pragma once
// The batch tool's commands, with their streams handed in so tests run them
// end to end.
#include <ostream>
#include <string>
#include <vector>

namespace vtl::cli {

// Runs one command line (without the program name); returns the exit code.
// `terminal` says a person watches the error stream (progress lines).
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool terminal = false);

}  // namespace vtl::cli
