#pragma once
// What the report benchmarks measure against: QPdfWriter alone drawing
// letter pages of 60 strings, 20 lines and 5 boxes at 1200 dpi, and the page
// count the batch tool reports in its "wrote FILE (N pages)" line.
#include <string>

namespace vtl::bench {

// Writes `pages` baseline pages to `path`; the seconds it took.
double writeBaselinePdf(const std::string& path, int pages);

// N of "wrote FILE (N pages)", 0 when the line is not there.
int pagesSaid(const std::string& said);

}  // namespace vtl::bench
