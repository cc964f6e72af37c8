#include "platform/store/sqlite.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <filesystem>
#include <stdexcept>

#include "platform/store/store.h"

namespace vtl::store {

class SqliteStatement : public Statement {
public:
    SqliteStatement(sqlite3* db, sqlite3_stmt* s) : db_(db), s_(s) {}
    ~SqliteStatement() override { sqlite3_finalize(s_); }

    void bindNull(int i) override { sqlite3_bind_null(s_, i); }
    void bindInt(int i, std::int64_t v, ColumnKind) override { sqlite3_bind_int64(s_, i, v); }
    void bindReal(int i, double v) override { sqlite3_bind_double(s_, i, v); }
    void bindText(int i, std::string_view v, ColumnKind) override {
        sqlite3_bind_text(s_, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
    }
    void bindBlob(int i, const void* data, std::size_t size) override {
        sqlite3_bind_blob(s_, i, data, static_cast<int>(size), SQLITE_TRANSIENT);
    }

    bool step() override {
        int rc = sqlite3_step(s_);
        if (rc == SQLITE_ROW) return true;
        if (rc != SQLITE_DONE) failed_ = true;
        return false;
    }
    bool failed() const override { return failed_; }
    std::int64_t changes() const override { return sqlite3_changes(db_); }
    void reset() override {
        sqlite3_reset(s_);
        sqlite3_clear_bindings(s_);
        failed_ = false;
    }

    bool isNull(int col) const override { return sqlite3_column_type(s_, col) == SQLITE_NULL; }
    std::int64_t integer(int col) const override { return sqlite3_column_int64(s_, col); }
    double real(int col) const override { return sqlite3_column_double(s_, col); }
    std::string_view text(int col) const override {
        auto p = reinterpret_cast<const char*>(sqlite3_column_text(s_, col));
        return p ? std::string_view(p, static_cast<std::size_t>(sqlite3_column_bytes(s_, col))) : std::string_view();
    }
    std::string blob(int col) const override {
        auto p = static_cast<const char*>(sqlite3_column_blob(s_, col));
        return std::string(p ? p : "", p ? static_cast<std::size_t>(sqlite3_column_bytes(s_, col)) : 0);
    }
    Value value(int col) const override {
        switch (sqlite3_column_type(s_, col)) {
            case SQLITE_INTEGER: return {Value::Type::Int, sqlite3_column_int64(s_, col), 0, {}};
            case SQLITE_FLOAT: return {Value::Type::Real, 0, sqlite3_column_double(s_, col), {}};
            case SQLITE_TEXT: return {Value::Type::Text, 0, 0, std::string(text(col))};
            case SQLITE_BLOB: return {Value::Type::Blob, 0, 0, blob(col)};
            default: return {};
        }
    }

private:
    sqlite3* db_;
    sqlite3_stmt* s_;
    bool failed_ = false;
};

sqlite3* sqliteHandle(Store& store) {
    auto* b = dynamic_cast<SqliteBackend*>(&store.backend());
    return b ? b->handle() : nullptr;
}

std::unique_ptr<Backend> openSqlite(const std::string& path, bool create, bool readOnly, std::string& error) {
    auto b = std::make_unique<SqliteBackend>();
    if (!b->open(path, create, readOnly, error)) return nullptr;
    return b;
}

SqliteBackend::~SqliteBackend() {
    cache_.clear();
    if (db_) sqlite3_close_v2(db_);
}

namespace {

// "file:/data/vantrel.db?immutable=1", the characters a URI gives a meaning
// of their own written as escapes.
std::string unchangingUri(const std::string& path) {
    std::string name = "file:";
    for (char c : path) {
        if (c == '%' || c == '?' || c == '#') {
            static const char* hex = "0123456789ABCDEF";
            name += '%';
            name += hex[static_cast<unsigned char>(c) >> 4];
            name += hex[static_cast<unsigned char>(c) & 15];
        } else {
            name += c;
        }
    }
    return name + "?immutable=1";
}

// Whether the schema can be read: it fails at once on a file that is not a database.
bool readable(sqlite3* db) {
    sqlite3_stmt* probe = nullptr;
    const bool read = sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master", -1, &probe, nullptr) == SQLITE_OK &&
                      sqlite3_step(probe) == SQLITE_ROW;
    sqlite3_finalize(probe);
    return read;
}

}  // namespace

bool SqliteBackend::open(const std::string& path, bool create, bool readOnly, std::string& error) {
    path_ = path;
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0 && !create) {
        error = path + ": no database here";
        return false;
    }
    int flags = readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    if (create && !readOnly) flags |= SQLITE_OPEN_CREATE;
    flags |= SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
        error = path + ": cannot open the database (" + this->error() + ")";
        return false;
    }
    sqlite3_extended_result_codes(db_, 1);
    // Set before the first read: a program opening the file while others
    // write may have to wait a moment for the shared index of the journal.
    sqlite3_busy_timeout(db_, 5000);
    bool read = readable(db_);
    // On a read-only file system the log's index cannot be made: a file
    // closed cleanly (no log left to read) is read as the unchanging file
    // it is there.
    if (!read && readOnly && (sqlite3_errcode(db_) & 0xFF) == SQLITE_CANTOPEN) {
        std::error_code none;
        const auto logSize = std::filesystem::file_size(path + "-wal", none);
        if (none || logSize == 0) {
            cache_.clear();
            sqlite3_close_v2(db_);
            db_ = nullptr;
            if (sqlite3_open_v2(unchangingUri(path).c_str(), &db_, flags | SQLITE_OPEN_URI, nullptr) == SQLITE_OK) {
                sqlite3_extended_result_codes(db_, 1);
                sqlite3_busy_timeout(db_, 5000);
                read = readable(db_);
            }
        }
    }
    if (!read) {
        const bool notDatabase = db_ && (sqlite3_errcode(db_) & 0xFF) == SQLITE_NOTADB;
        error = path + (notDatabase ? ": not a database of this system (" : ": cannot be read (") + this->error() + ")";
        return false;
    }
    exec("PRAGMA foreign_keys=ON");
    return true;
}

bool SqliteBackend::startWriting() {
    if (!exec("PRAGMA journal_mode=WAL")) return false;
    exec("PRAGMA synchronous=NORMAL");
    return true;
}

bool SqliteBackend::exec(const std::string& sql) {
    return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

Stmt SqliteBackend::prepare(const std::string& sql) {
    auto it = cache_.find(sql);
    if (it != cache_.end()) return Stmt(*it->second);
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v3(db_, sql.c_str(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &s, nullptr) !=
        SQLITE_OK)
        throw std::runtime_error(error() + " [" + sql + "]");
    auto& slot = cache_[sql];
    slot = std::make_unique<SqliteStatement>(db_, s);
    return Stmt(*slot);
}

std::string SqliteBackend::error() const { return db_ ? sqlite3_errmsg(db_) : "database not open"; }

bool SqliteBackend::inTransaction() const { return db_ && sqlite3_get_autocommit(db_) == 0; }

bool SqliteBackend::beginRead() {
    if (!exec("BEGIN")) return false;
    // The snapshot is taken by the first read.
    auto st = prepare("SELECT count(*) FROM sqlite_master");
    st->step();
    return !st->failed();
}

void SqliteBackend::rollback() {
    if (inTransaction()) exec("ROLLBACK");
}

void SqliteBackend::rollbackTo(const std::string& name) {
    exec("ROLLBACK TO " + name);
    exec("RELEASE " + name);
}

int SqliteBackend::schemaVersion() {
    auto st = prepare("PRAGMA user_version");
    return st->step() ? static_cast<int>(st->integer(0)) : 0;
}

bool SqliteBackend::setSchemaVersion(int version) { return exec("PRAGMA user_version=" + std::to_string(version)); }

bool SqliteBackend::hasTable(const std::string& name) {
    auto st = prepare("SELECT count(*) FROM sqlite_master WHERE type='table' AND name=?");
    st->bindText(1, name);
    return st->step() && st->integer(0) > 0;
}

std::vector<std::string> SqliteBackend::columns(const std::string& table) {
    std::vector<std::string> have;
    auto st = prepare("SELECT name FROM pragma_table_info(?)");
    st->bindText(1, table);
    while (st->step()) have.emplace_back(st->text(0));
    return have;
}

std::string SqliteBackend::columnType(const FieldDef& f) const {
    switch (f.kind) {
        case FieldKind::String: return "TEXT NOT NULL DEFAULT ''";
        case FieldKind::Date: return "TEXT";
        case FieldKind::Time: return "INTEGER";
        case FieldKind::Real: return "REAL NOT NULL DEFAULT 0";
        case FieldKind::Gap: return "BLOB";
        default: return "INTEGER NOT NULL DEFAULT 0";
    }
}

std::string SqliteBackend::keepNumberSql() const {
    return "INSERT INTO \"_Numbers\" (\"File\", \"Last\") VALUES (?, ?) "
           "ON CONFLICT(\"File\") DO UPDATE SET \"Last\"=MAX(\"Last\", excluded.\"Last\")";
}

std::int64_t SqliteBackend::lastInsertRowId() const { return sqlite3_last_insert_rowid(db_); }

}  // namespace vtl::store
