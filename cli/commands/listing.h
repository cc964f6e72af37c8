#pragma once
// vtlpo listing: the purchase-order listing of one saved report format,
// printed through the same procedure as the window, into a PDF file, a
// text file of its text image, or both.
#include <ostream>
#include <string>
#include <vector>

namespace vtl::cli {

extern const char* const kListingUsage;

// `args` are those after "listing". Exit 0 when written, 1 when nothing was
// listed or written, 2 for wrong arguments or a data folder or report
// format that cannot be used.
int listingCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool terminal);

}  // namespace vtl::cli
