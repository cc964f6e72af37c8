#pragma once
// What the batch tool's reports (print, listing) share: the data folder
// opened with the user checked, the offscreen application the fonts and PDF
// files need, the module loaded on the folder as the host loads it, and the
// line that says what was written.
#include <cstddef>
#include <memory>
#include <ostream>
#include <string>

#include "records/database.h"
#include "vtlpo/module.h"

namespace vtl::cli {

struct BatchFolder {
    std::string folder;  // the data folder in full
    OpenResult db;
};

// Opens `data` and checks that `user` (when given) is on file. 0 when both
// hold; 2 after one line on `err` naming the problem.
int openBatchFolder(const std::string& data, const std::string& user, std::ostream& err, BatchFolder& opened);

// Fonts and PDF files need a GUI application object; the batch tool draws
// on the offscreen platform and never needs a display.
void ensureGuiApplication();

// The module loaded and initialised on `folder`, its settings file that of
// the folder, as the host loads it.
std::unique_ptr<vtlpo::Module> loadModule(const std::string& folder);

// "wrote /data/Purchase Orders.pdf (3 pages)"
std::string wroteLine(const std::string& path, std::size_t pages);

}  // namespace vtl::cli
