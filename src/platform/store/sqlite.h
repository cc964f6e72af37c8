#pragma once
// A small RAII layer over the sqlite3 C API: a connection that owns its
// prepared statements (one per SQL text, prepared once and reused), and a
// statement handle that resets itself when the caller is done with it.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace vtl::store {

class Connection;

// A borrowed, cached statement. Resetting on destruction frees the read lock
// at once, so no statement stays open across a caller's work.
class Stmt {
public:
    Stmt(Connection& c, sqlite3_stmt* s) : conn_(&c), s_(s) {}
    Stmt(Stmt&& o) noexcept : conn_(o.conn_), s_(o.s_) { o.s_ = nullptr; }
    Stmt(const Stmt&) = delete;
    Stmt& operator=(const Stmt&) = delete;
    ~Stmt();

    void bindNull(int i);
    void bindInt(int i, std::int64_t v);
    void bindReal(int i, double v);
    void bindText(int i, std::string_view v);
    void bindBlob(int i, const void* data, std::size_t size);

    // SQLITE_ROW -> true, SQLITE_DONE -> false; anything else sets rc().
    bool step();
    int rc() const { return rc_; }
    bool failed() const { return failed_; }
    sqlite3_stmt* raw() const { return s_; }

private:
    Connection* conn_;
    sqlite3_stmt* s_;
    int rc_ = 0;
    bool failed_ = false;
};

class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens the file; returns false with error() set. `unchanging` (read
    // only) opens a file nothing can change, on a read-only file system,
    // without the write-ahead log's index, which could not be made there.
    bool open(const std::string& path, bool create, bool readOnly, bool unchanging = false);
    void close();
    bool isOpen() const { return db_ != nullptr; }

    // Runs SQL without results; false with error() set on failure.
    bool exec(const std::string& sql);
    // A cached prepared statement for this SQL text; throws std::runtime_error
    // when the SQL does not compile (a programming fault, not a user error).
    Stmt prepare(const std::string& sql);

    std::string error() const;  // the last error text of the connection
    int errorCode() const;
    std::int64_t lastInsertRowId() const;
    int changes() const;
    bool inTransaction() const;
    sqlite3* handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
    std::unordered_map<std::string, sqlite3_stmt*> cache_;
};

}  // namespace vtl::store
