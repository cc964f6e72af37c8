#pragma once
#include <ostream>
#include <string>

namespace vtl::cli {

// Creates a data folder with an empty database, or with the demo company:
// a file in the folder, or, given a server address, the schema on that
// server with the address recorded in the folder's settings.
int initCommand(const std::string& dataFolder, bool demo, const std::string& server, std::ostream& out,
                std::ostream& err);

// Copies the company of one data folder into another (made first when it
// has no database: a file, or on `server` when given), checking record
// counts and the sums of every amount and quantity before committing.
int migrateCommand(const std::string& from, const std::string& to, const std::string& server, std::ostream& out,
                   std::ostream& err);

}  // namespace vtl::cli
