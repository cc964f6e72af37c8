#pragma once
// Writing a report's pages to PDF files: the fonts embedded (subsets of the
// Liberation TrueType fonts), each page on its own paper (letter, portrait
// or landscape), the document's title as the file's title.
#include <string>
#include <vector>

#include "report/pages/devices.h"

namespace vtl::render {

// The files a job of `pages` pages writes: `path` itself when pagesPerFile
// is 0, else ceil(pages / pagesPerFile) files numbered from 1 before the
// ".pdf" (or at the end of a path without it), with as many digits as the
// highest number needs: "X.pdf" -> "X1.pdf" .. "X3.pdf", "X01.pdf" .. "X12.pdf".
std::vector<std::string> pdfFileNames(const std::string& path, int pages, int pagesPerFile);

// Writes the job's pages and fills in its outcome (files, cancelled, error);
// true when written. Every file is written to a temporary file beside it and
// put in place only once all of them are complete: a cancelled or failed job
// leaves nothing at any final path and no temporary file behind. The error
// is one line naming the path and the problem.
bool writePdf(report::PdfJob& job);

}  // namespace vtl::render
