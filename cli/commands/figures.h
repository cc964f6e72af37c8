#pragma once
// The running figures from the command line: `check` reads a data folder
// and lists where the committed costs, on-order quantities and orders
// disagree with the lines; `recalc` rebuilds them as the window does.
#include <ostream>
#include <string>

namespace vtl::cli {

// Exit 0 when all is clean, 1 when something differs, 2 when the folder
// cannot be read (or another program holds it past the store's wait).
int checkCommand(const std::string& folder, std::ostream& out, std::ostream& err, bool terminal);

// Exit 0 when rebuilt, 1 when nothing could be changed.
int recalcCommand(const std::string& folder, bool onOrder, std::ostream& out, std::ostream& err, bool terminal);

}  // namespace vtl::cli
