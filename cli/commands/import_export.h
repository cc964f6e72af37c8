#pragma once
// The batch commands of import sources, import and export: the same code
// paths as the windows, without them.
#include <ostream>
#include <string>
#include <vector>

namespace vtl::cli {

// `args` starts with "source", "import" or "export". Exit codes: 0 done,
// 1 refused or stopped by the records' errors, 2 the command line, the files
// or the data folder could not be used.
int importExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool terminal);

}  // namespace vtl::cli
