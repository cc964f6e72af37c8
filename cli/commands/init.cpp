#include "commands/init.h"

#include <filesystem>

#include "demo/demo_data.h"
#include "commands/summary.h"
#include "platform/store/backend.h"
#include "platform/store/store_copy.h"
#include "platform/suite/ini_file.h"
#include "platform/suite/settings_files.h"
#include "records/database.h"

namespace vtl::cli {

namespace {

// Takes back what a failed init made: the database file, or the folder's
// record of its server (the schema stays on the server, empty of records).
void undo(const std::string& dataFolder, const std::string& server) {
    std::error_code ec;
    if (server.empty()) {
        for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(databasePath(dataFolder) + suffix, ec);
        return;
    }
    suite::IniFile settings(suite::moduleIniPath(dataFolder));
    settings.remove(kDatabaseSection, kServerEntry);
}

}  // namespace

int initCommand(const std::string& dataFolder, bool demo, const std::string& server, std::ostream& out,
                std::ostream& err) {
    auto db = createDataFolder(dataFolder, server);
    if (!db) {
        err << "vtlpo: " << db.error << "\n";
        return 1;
    }
    const std::string where = databasePath(dataFolder);
    if (demo) {
        std::string error;
        if (!demo::load(*db.store, error)) {
            db.store.reset();
            undo(dataFolder, server);
            err << "vtlpo: " << where << ": the demo data could not be written (" << error << ")\n";
            return 1;
        }
        out << summarize(*db.store);
    }
    out << "Created " << where << (demo ? " with the demo company" : "") << "\n";
    return 0;
}

int migrateCommand(const std::string& from, const std::string& to, const std::string& server, std::ostream& out,
                   std::ostream& err) {
    auto source = openDataFolder(from, true);
    if (!source) {
        err << "vtlpo: " << source.error << "\n";
        return 1;
    }
    std::error_code ec;
    const bool fresh = serverOf(to).empty() && !std::filesystem::exists(databasePath(to), ec);
    auto target = fresh ? createDataFolder(to, server) : openDataFolder(to);
    if (!target) {
        err << "vtlpo: " << target.error << "\n";
        return 1;
    }
    if (!fresh && !server.empty() && store::withoutPassword(server) != databasePath(to)) {
        err << "vtlpo: " << to << ": the folder already keeps its company at " << databasePath(to) << "\n";
        return 1;
    }
    store::CopyResult result;
    store::Status s = store::copyCompany(*source.store, *target.store, result);
    if (!s) {
        err << "vtlpo: " << s.message << "\n";
        return 1;
    }
    out << "Copied " << result.records << " records in " << result.files << " files from " << databasePath(from)
        << " to " << databasePath(to) << "; the record counts and " << result.sumsCompared
        << " amount and quantity sums agree\n";
    return 0;
}

}  // namespace vtl::cli
