#pragma once
#include <ostream>
#include <string>

namespace vtl::cli {

// Creates a data folder with an empty database, or with the demo company.
int initCommand(const std::string& dataFolder, bool demo, std::ostream& out, std::ostream& err);

}  // namespace vtl::cli
