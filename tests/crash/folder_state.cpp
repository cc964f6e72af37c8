#include "crash/folder_state.h"

#include <filesystem>
#include <set>

#include "platform/store/postgres.h"
#include "platform/suite/ini_file.h"
#include "platform/suite/settings_files.h"

#include "records/records.h"
#include "vtlporpt/create_po_print.h"

namespace vtl::crash {
namespace fs = std::filesystem;

namespace {

bool copyFiles(const std::string& from, const std::string& to, std::string& error) {
    std::error_code ec;
    fs::remove_all(to, ec);
    fs::copy(from, to, fs::copy_options::recursive, ec);
    if (ec) error = from + " -> " + to + ": " + ec.message();
    return !ec;
}

class SqliteBackend : public Backend {
public:
    std::string name() const override { return "SQLite"; }
    OpenResult create(const std::string& folder) override { return createDataFolder(folder); }
    OpenResult open(const std::string& folder) override { return openDataFolder(folder); }
    bool copy(const std::string& from, const std::string& to, std::string& error) override {
        if (!copyFiles(from, to, error)) return false;
        std::error_code ec;
        fs::remove(databasePath(to) + "-shm", ec);
        return true;
    }
};

class PostgresBackend : public Backend {
public:
    PostgresBackend(std::string server, std::string prefix) : server_(std::move(server)), prefix_(std::move(prefix)) {}
    std::string name() const override { return "PostgreSQL"; }
    OpenResult create(const std::string& folder) override {
        std::string error;
        const std::string db = database(folder);
        if (!store::dropDatabase(server_, db, error)) return {nullptr, error};
        made_.insert(db);
        return createDataFolder(folder, store::withDatabase(server_, db));
    }
    OpenResult open(const std::string& folder) override { return openDataFolder(folder); }
    bool copy(const std::string& from, const std::string& to, std::string& error) override {
        const std::string db = database(to);
        made_.insert(db);
        if (!store::copyDatabase(server_, database(from), db, error)) return false;
        if (!copyFiles(from, to, error)) return false;
        suite::IniFile settings(suite::moduleIniPath(to));
        if (!settings.set(kDatabaseSection, kServerEntry, store::withDatabase(server_, db))) {
            error = suite::moduleIniPath(to) + ": " + settings.lastError();
            return false;
        }
        return true;
    }
    void removeAll() override {
        std::string error;
        for (const std::string& db : made_) store::dropDatabase(server_, db, error);
        made_.clear();
    }

private:
    std::string database(const std::string& folder) const {
        return prefix_ + fs::path(folder).lexically_normal().filename().string();
    }
    std::string server_, prefix_;
    std::set<std::string> made_;
};

}  // namespace

std::unique_ptr<Backend> postgresBackend(const std::string& server, const std::string& prefix) {
    return std::make_unique<PostgresBackend>(server, prefix);
}

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
