#pragma once
// The module's database in a data folder: the schema of every record file
// with its numbered steps, and the checks made before anything is touched.
#include <memory>
#include <string>

#include "platform/store/store.h"

namespace vtl {

// The file name of the database inside a data folder.
inline constexpr const char* kDatabaseFile = "vantrel.db";

// A data folder whose company is kept on a PostgreSQL server names the
// server in its settings file ("vtlpo.INI"), section [Database], entry
// Server=postgresql://...; its work files (imports, exports, PDFs,
// settings) stay in the folder either way.
inline constexpr const char* kDatabaseSection = "Database";
inline constexpr const char* kServerEntry = "Server";

const store::Schema& databaseSchema();

struct OpenResult {
    std::unique_ptr<store::Store> store;
    std::string error;  // one line naming the path and the problem
    explicit operator bool() const { return store != nullptr; }
};

// Opens the database of an existing data folder: its file, or the server
// its settings name. Nothing is created: a missing folder or database, a
// read-only folder, a file that is not a database, a server that cannot be
// reached or refuses the sign-on, or a database of a newer version is
// refused with one clear line (a server named without its password).
OpenResult openDataFolder(const std::string& folder, bool readOnly = false);

// Makes a new, empty database for `folder` (the folder is created when
// missing): a file in it, or, given a server address, the schema in that
// server's database (made when the server has none of that name), with the
// address recorded in the folder's settings. Refuses when a database is
// already there, in the folder or on the server, and then changes nothing.
OpenResult createDataFolder(const std::string& folder, const std::string& server = "");

// Where a data folder's company is kept, as it may be shown: the database
// file, or the server's address without its password.
std::string databasePath(const std::string& folder);
// The server address the folder's settings name ("" for a file).
std::string serverOf(const std::string& folder);

}  // namespace vtl
