#include "crash/folder_state.h"

#include <filesystem>

#include "records/records.h"
#include "vtlporpt/create_po_print.h"

namespace vtl::crash {
namespace fs = std::filesystem;

namespace {

class SqliteBackend : public Backend {
public:
    std::string name() const override { return "SQLite"; }
    OpenResult create(const std::string& folder) override { return createDataFolder(folder); }
    OpenResult open(const std::string& folder) override { return openDataFolder(folder); }
    bool copy(const std::string& from, const std::string& to, std::string& error) override {
        std::error_code ec;
        fs::remove_all(to, ec);
        fs::copy(from, to, fs::copy_options::recursive, ec);
        if (ec) {
            error = from + " -> " + to + ": " + ec.message();
            return false;
        }
        fs::remove(databasePath(to) + "-shm", ec);
        return true;
    }
};

}  // namespace

std::unique_ptr<Backend> sqliteBackend() { return std::make_unique<SqliteBackend>(); }

std::map<std::string, std::int64_t> counters(store::Store& store) {
    std::map<std::string, std::int64_t> out;
    for (const store::RecordInfo* info : store.schema().records)
        if (!info->autoNumber.empty()) out["numbers " + info->name] = store.core(*info).highestNumber();
    Systems sys;
    if (store::Table<Systems>(store).all(Systems::KeySystemID).next(sys)) out["next PO number"] = sys.NextPONumber;
    POLimits l;
    for (auto c = store::Table<POLimits>(store).all(POLimits::KeyLimitID); c.next(l);)
        if (l.Report.clip() == rpt::kGenerateReport) out["printing counter " + l.UserID.clip()] = l.RefFrom;
    return out;
}

}  // namespace vtl::crash
