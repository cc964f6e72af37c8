// vtlpo: the module's batch tool.
#include <signal.h>
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "commands/cli.h"

int main(int argc, char** argv) {
    // A file grown past the size limit fails its write, which is told and
    // rolled back like a full disk, instead of the signal ending the program
    // half way.
    ::signal(SIGXFSZ, SIG_IGN);
    std::vector<std::string> args(argv + 1, argv + argc);
    return vtl::cli::run(args, std::cout, std::cerr, ::isatty(STDERR_FILENO) != 0);
}
