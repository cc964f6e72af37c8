#pragma once
// vtlpo print: purchase orders, the blank form, the sample or the alignment
// form printed through the same procedures as the windows, into one PDF
// file, and optionally e-mailed to the order's vendor.
#include <ostream>
#include <string>
#include <vector>

namespace vtl::cli {

extern const char* const kPrintUsage;

// `args` are those after "print". Exit 0 when the PDF was written (and sent
// when asked), 1 when nothing was printed, written or sent, 2 for wrong
// arguments or a data folder that cannot be opened.
// Fonts and PDF files need a GUI application object; the batch tool makes
// one on the offscreen platform once.

int printCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool terminal);

}  // namespace vtl::cli
