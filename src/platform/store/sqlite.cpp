#include "platform/store/sqlite.h"

#include <sqlite3.h>

#include <stdexcept>

namespace vtl::store {

Stmt::~Stmt() {
    if (s_) {
        sqlite3_reset(s_);
        sqlite3_clear_bindings(s_);
    }
}

void Stmt::bindNull(int i) { sqlite3_bind_null(s_, i); }
void Stmt::bindInt(int i, std::int64_t v) { sqlite3_bind_int64(s_, i, v); }
void Stmt::bindReal(int i, double v) { sqlite3_bind_double(s_, i, v); }
void Stmt::bindText(int i, std::string_view v) {
    sqlite3_bind_text(s_, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
}
void Stmt::bindBlob(int i, const void* data, std::size_t size) {
    sqlite3_bind_blob(s_, i, data, static_cast<int>(size), SQLITE_TRANSIENT);
}

bool Stmt::step() {
    rc_ = sqlite3_step(s_);
    if (rc_ == SQLITE_ROW) return true;
    if (rc_ != SQLITE_DONE) failed_ = true;
    return false;
}

Connection::~Connection() { close(); }

bool Connection::open(const std::string& path, bool create, bool readOnly, bool unchanging) {
    close();
    int flags = readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    if (create && !readOnly) flags |= SQLITE_OPEN_CREATE;
    flags |= SQLITE_OPEN_NOMUTEX;
    std::string name = path;
    if (unchanging && readOnly) {
        // "file:/data/vantrel.db?immutable=1", the characters a URI gives a
        // meaning of their own written as escapes.
        name = "file:";
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
        name += "?immutable=1";
        flags |= SQLITE_OPEN_URI;
    }
    int rc = sqlite3_open_v2(name.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) return false;  // db_ stays set so error() can tell why
    sqlite3_extended_result_codes(db_, 1);
    return true;
}

void Connection::close() {
    for (auto& [sql, s] : cache_) sqlite3_finalize(s);
    cache_.clear();
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

bool Connection::exec(const std::string& sql) {
    return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

Stmt Connection::prepare(const std::string& sql) {
    auto it = cache_.find(sql);
    if (it != cache_.end()) return Stmt(*this, it->second);
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v3(db_, sql.c_str(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &s, nullptr) !=
        SQLITE_OK)
        throw std::runtime_error(error() + " [" + sql + "]");
    cache_.emplace(sql, s);
    return Stmt(*this, s);
}

std::string Connection::error() const { return db_ ? sqlite3_errmsg(db_) : "database not open"; }
int Connection::errorCode() const { return db_ ? sqlite3_extended_errcode(db_) : SQLITE_MISUSE; }
std::int64_t Connection::lastInsertRowId() const { return sqlite3_last_insert_rowid(db_); }
int Connection::changes() const { return sqlite3_changes(db_); }
bool Connection::inTransaction() const { return db_ && sqlite3_get_autocommit(db_) == 0; }

}  // namespace vtl::store
