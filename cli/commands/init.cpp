#include "commands/init.h"

#include <filesystem>

#include "demo/demo_data.h"
#include "commands/summary.h"
#include "records/database.h"

namespace vtl::cli {

int initCommand(const std::string& dataFolder, bool demo, std::ostream& out, std::ostream& err) {
    auto db = createDataFolder(dataFolder);
    if (!db) {
        err << "vtlpo: " << db.error << "\n";
        return 1;
    }
    if (demo) {
        std::string error;
        if (!demo::load(*db.store, error)) {
            db.store.reset();
            std::error_code ec;
            for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(databasePath(dataFolder) + suffix, ec);
            err << "vtlpo: " << databasePath(dataFolder) << ": the demo data could not be written (" << error << ")\n";
            return 1;
        }
        out << summarize(*db.store);
    }
    out << "Created " << databasePath(dataFolder) << (demo ? " with the demo company" : "") << "\n";
    return 0;
}

}  // namespace vtl::cli
