#pragma once
// The host application from start to end: the command line, the data
// folder, loading the module and VTLPO:Init, sign-on, the main window, and
// VTLPO:Kill and unloading when the main window closes.
#include <string>

namespace vtl::host {

// `sourceFolder` is where a program run from a build tree finds html/.
int runVantrel(int argc, char** argv, const std::string& sourceFolder);

}  // namespace vtl::host
