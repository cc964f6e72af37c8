#pragma once
#include <ostream>
#include <string>

namespace vtl::cli {

// Prints the records of one record file as CSV: a header row of the
// prefixed field names, then one row per record in primary-key order. Gaps
// of the shared layout are left out.
int dumpCommand(const std::string& file, const std::string& dataFolder, std::ostream& out, std::ostream& err);

}  // namespace vtl::cli
