#pragma once
// Printing a report's pages on a printer the print dialog has set up.
#include <QPrinter>
#include <string>

#include "report/pages/page.h"

namespace vtl::render {

// Draws the pages the printer's range asks for (all when it names none),
// each on its own paper and way up, as many copies as the printer was
// given when it cannot make them itself. False with a one-line `error`
// when the printer could not be started or failed.
bool printDocument(QPrinter& printer, const report::Document& doc, std::string& error);

}  // namespace vtl::render
