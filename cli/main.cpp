// vtlpo: the module's batch tool.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "commands/cli.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return vtl::cli::run(args, std::cout, std::cerr, ::isatty(STDERR_FILENO) != 0);
}
