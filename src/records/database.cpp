#include "records/database.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "platform/store/backend.h"
#include "platform/suite/ini_file.h"
#include "platform/suite/settings_files.h"
#include "records/records.h"
#include "records/schema.h"

namespace vtl {
namespace fs = std::filesystem;

namespace {

// A folder or file nobody may write to counts as read-only even for the
// superuser, who would otherwise pass every permission check.
bool writable(const std::string& path) {
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0) return false;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    return ::access(path.c_str(), W_OK) == 0;
}

}  // namespace

const store::Schema& databaseSchema() {
    static const store::Schema schema{
        allRecords(),
        {
            {1, "every record file with its keys",
             [](store::Store& s) {
                 for (const auto* r : s.schema().records)
                     if (!s.createTable(*r) || !s.createIndexes(*r)) return false;
                 return true;
             }},
            {2, "index of the lines with goods received and not invoiced",
             [](store::Store& s) {
                 return s.createIndex(PODetail::info(), "Received", {"POID"},
                                      {{"QtyRcvdNotInvoiced", "<>", {store::Value::Type::Int, 0, 0, {}}, true}});
             }},
            {3, "the numbers handed out to records not yet stored",
             [](store::Store& s) { return s.createNumbersTable(); }},
        }};
    return schema;
}

std::string serverOf(const std::string& folder) {
    std::error_code ec;
    const std::string ini = suite::moduleIniPath(folder);
    if (!fs::exists(ini, ec)) return {};
    suite::IniFile settings(ini);
    std::string server = settings.get(kDatabaseSection, kServerEntry, "");
    while (!server.empty() && (server.back() == ' ' || server.back() == '\r')) server.pop_back();
    return server;
}

std::string databasePath(const std::string& folder) {
    const std::string server = serverOf(folder);
    if (!server.empty()) return store::withoutPassword(server);
    return (fs::path(folder) / kDatabaseFile).string();
}

OpenResult openDataFolder(const std::string& folder, bool readOnly) {
    OpenResult r;
    std::error_code ec;
    if (!fs::exists(folder, ec)) {
        r.error = folder + ": no such data folder";
        return r;
    }
    if (!fs::is_directory(folder, ec)) {
        r.error = folder + ": not a folder";
        return r;
    }
    if (const std::string server = serverOf(folder); !server.empty()) {
        r.store = store::Store::open(server, databaseSchema(), {false, readOnly}, r.error);
        return r;
    }
    const std::string db = databasePath(folder);
    if (!fs::exists(db, ec)) {
        r.error = folder + ": no database in this folder (run init first)";
        return r;
    }
    if (!readOnly && !writable(folder)) {
        r.error = folder + ": the data folder is read-only";
        return r;
    }
    if (!readOnly && !writable(db)) {
        r.error = db + ": the database file is read-only";
        return r;
    }
    r.store = store::Store::open(db, databaseSchema(), {false, readOnly}, r.error);
    return r;
}

OpenResult createDataFolder(const std::string& folder, const std::string& server) {
    OpenResult r;
    std::error_code ec;
    const std::string db = (fs::path(folder) / kDatabaseFile).string();
    if (fs::exists(folder, ec) && !fs::is_directory(folder, ec)) {
        r.error = folder + ": not a folder";
        return r;
    }
    if (fs::exists(db, ec)) {
        r.error = db + ": a database is already there; it is left as it is";
        return r;
    }
    if (const std::string named = serverOf(folder); !named.empty()) {
        r.error = folder + ": the folder already names a server (" + store::withoutPassword(named) +
                  "); it is left as it is";
        return r;
    }
    if (!server.empty() && !store::isServerAddress(server)) {
        r.error = store::withoutPassword(server) + ": not a server address (postgresql://...)";
        return r;
    }
    const bool made = !fs::exists(folder, ec);
    if (made && !fs::create_directories(folder, ec)) {
        r.error = folder + ": cannot create the data folder (" + ec.message() + ")";
        return r;
    }
    if (!writable(folder)) {
        r.error = folder + ": the data folder is read-only";
        return r;
    }
    if (!server.empty()) {
        r.store = store::Store::open(server, databaseSchema(), {true, false, true}, r.error);
        if (r.store) {
            // The folder names its server only once the schema is there.
            suite::IniFile settings(suite::moduleIniPath(folder));
            if (!settings.set(kDatabaseSection, kServerEntry, server)) {
                r.store.reset();
                r.error = suite::moduleIniPath(folder) + ": cannot record the server (" + settings.lastError() + ")";
            }
        }
        if (!r.store && made) fs::remove_all(folder, ec);
        return r;
    }
    r.store = store::Store::open(db, databaseSchema(), {true, false}, r.error);
    if (!r.store) {
        fs::remove(db, ec);
        if (made) fs::remove(folder, ec);
    }
    return r;
}

}  // namespace vtl
