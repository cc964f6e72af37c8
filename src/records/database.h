#pragma once
// The module's database in a data folder: the schema of every record file
// with its numbered steps, and the checks made before anything is touched.
#include <memory>
#include <string>

#include "platform/store/store.h"

namespace vtl {

// The file name of the database inside a data folder.
inline constexpr const char* kDatabaseFile = "vantrel.db";

const store::Schema& databaseSchema();

struct OpenResult {
    std::unique_ptr<store::Store> store;
    std::string error;  // one line naming the path and the problem
    explicit operator bool() const { return store != nullptr; }
};

// Opens the database of an existing data folder. Nothing is created: a
// missing folder or database, a read-only folder, a file that is not a
// database or one of a newer version is refused with a clear line.
OpenResult openDataFolder(const std::string& folder, bool readOnly = false);

// Makes a new, empty database in `folder` (the folder is created when
// missing). Refuses when a database is already there.
OpenResult createDataFolder(const std::string& folder);

std::string databasePath(const std::string& folder);

}  // namespace vtl
