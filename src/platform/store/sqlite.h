#pragma once
// The SQLite backend: one database file, WAL journal, foreign keys on, the
// schema version in user_version. Statements are prepared once per SQL text
// and reused. Decimals are kept as scaled whole numbers and dates as ISO
// text, so other tools read the file naturally.
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/store/backend.h"

struct sqlite3;
struct sqlite3_stmt;

namespace vtl::store {

class Store;

// The connection of a store kept in an SQLite file, null for a server; for
// tests and tools that look at the file itself.
sqlite3* sqliteHandle(Store& store);

class SqliteStatement;

class SqliteBackend : public Backend {
public:
    ~SqliteBackend() override;
    bool open(const std::string& path, bool create, bool readOnly, std::string& error);
    sqlite3* handle() const { return db_; }

    const std::string& where() const override { return path_; }
    bool server() const override { return false; }
    bool startWriting() override;
    bool exec(const std::string& sql) override;
    Stmt prepare(const std::string& sql) override;
    std::string error() const override;

    bool inTransaction() const override;
    bool beginWrite() override { return exec("BEGIN IMMEDIATE"); }
    bool beginRead() override;
    bool commit() override { return exec("COMMIT"); }
    void rollback() override;
    bool savepoint(const std::string& name) override { return exec("SAVEPOINT " + name); }
    bool release(const std::string& name) override { return exec("RELEASE " + name); }
    void rollbackTo(const std::string& name) override;

    int schemaVersion() override;
    bool setSchemaVersion(int version) override;
    bool hasTable(const std::string& name) override;
    std::vector<std::string> columns(const std::string& table) override;

    std::string rowIdColumn() const override { return "_rid INTEGER PRIMARY KEY"; }
    std::string columnType(const FieldDef& f) const override;
    std::string noCase(const std::string& column) const override { return column + " COLLATE NOCASE"; }
    std::string noCaseParameter() const override { return "?"; }
    std::string orderTerm(const std::string& expr, const FieldDef*, bool descending) const override {
        return descending ? expr + " DESC" : expr;
    }
    std::string literal(std::int64_t v, const FieldDef&) const override { return std::to_string(v); }
    std::string keepNumberSql() const override;
    bool insertReturnsRowId() const override { return false; }
    std::int64_t lastInsertRowId() const override;

private:
    sqlite3* db_ = nullptr;
    std::string path_;
    std::unordered_map<std::string, std::unique_ptr<SqliteStatement>> cache_;
};

}  // namespace vtl::store
