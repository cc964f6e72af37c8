#pragma once
// What the record store asks of a database engine. The store builds its SQL
// once for every engine; a backend runs it and answers for the few places
// where engines differ: how a column is declared, how text is compared
// without regard to case, where blank dates sort, how the schema version is
// kept and how a writer waits for the others. Nothing outside the store
// sees a backend, so no procedure can tell which engine it runs on.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/store/fields.h"
#include "platform/store/value.h"

namespace vtl::store {

// What a parameter stands for: a value of a field of this kind and scale
// (a decimal's whole number is scaled by it). Parameters that are no field
// (row identities, counts, file names) are Long or String.
struct ColumnKind {
    FieldKind kind = FieldKind::Long;
    int scale = 0;
    static ColumnKind of(const FieldDef& f) { return {f.kind, f.scale}; }
};

// One prepared statement of a connection, run with its parameters bound
// ("?" in the SQL, numbered from 1) and read a row at a time (columns from
// 0). A decimal column reads as its scaled whole number and a date as ISO
// text, whichever engine keeps them.
class Statement {
public:
    virtual ~Statement() = default;
    virtual void bindNull(int i) = 0;
    virtual void bindInt(int i, std::int64_t v, ColumnKind k = {}) = 0;
    virtual void bindReal(int i, double v) = 0;
    virtual void bindText(int i, std::string_view v, ColumnKind k = {FieldKind::String, 0}) = 0;
    virtual void bindBlob(int i, const void* data, std::size_t size) = 0;
    void bind(int i, const Value& v, ColumnKind k);

    // Runs the statement on the first call; true while a row is there.
    // Anything but a row or the end sets failed().
    virtual bool step() = 0;
    virtual bool failed() const = 0;
    // Rows changed by the run (writes).
    virtual std::int64_t changes() const = 0;
    // Ends the run and forgets the bindings; the statement stays prepared.
    virtual void reset() = 0;

    virtual bool isNull(int col) const = 0;
    virtual std::int64_t integer(int col) const = 0;
    virtual double real(int col) const = 0;  // a whole number (or a decimal's scaled one) as a real too
    virtual std::string_view text(int col) const = 0;  // valid until the next step
    virtual std::string blob(int col) const = 0;
    virtual Value value(int col) const = 0;
};

// A borrowed, cached statement that ends its run when the caller is done
// with it, so no read stays open across a caller's work.
class Stmt {
public:
    explicit Stmt(Statement& s) : s_(&s) {}
    Stmt(Stmt&& o) noexcept : s_(o.s_) { o.s_ = nullptr; }
    Stmt(const Stmt&) = delete;
    Stmt& operator=(const Stmt&) = delete;
    ~Stmt() {
        if (s_) s_->reset();
    }
    Statement* operator->() const { return s_; }
    Statement& operator*() const { return *s_; }

private:
    Statement* s_;
};

class Backend {
public:
    virtual ~Backend() = default;

    // Where the data is, for messages: a file path, or a server address
    // without its password.
    virtual const std::string& where() const = 0;
    virtual bool server() const = 0;
    // Readies a database that will be written to, once its version is known
    // to be one this program may open; false with error() set.
    virtual bool startWriting() { return true; }

    // Runs SQL without results; false with error() set on failure.
    virtual bool exec(const std::string& sql) = 0;
    // A cached prepared statement for this SQL text; throws
    // std::runtime_error when the SQL does not compile (a programming
    // fault, not a user error).
    virtual Stmt prepare(const std::string& sql) = 0;
    // The last error text, as the engine words it for a person.
    virtual std::string error() const = 0;

    // Transactions. A write transaction waits up to 5 seconds for other
    // writers and then fails with the same words on every engine.
    virtual bool inTransaction() const = 0;
    virtual bool beginWrite() = 0;
    virtual bool beginRead() = 0;
    virtual bool commit() = 0;
    virtual void rollback() = 0;
    virtual bool savepoint(const std::string& name) = 0;
    virtual bool release(const std::string& name) = 0;
    virtual void rollbackTo(const std::string& name) = 0;

    // The schema.
    virtual int schemaVersion() = 0;
    virtual bool setSchemaVersion(int version) = 0;
    virtual bool hasTable(const std::string& name) = 0;
    virtual std::vector<std::string> columns(const std::string& table) = 0;

    // The dialect.
    virtual std::string rowIdColumn() const = 0;  // the declaration of "_rid"
    virtual std::string columnType(const FieldDef& f) const = 0;
    // A text column compared and ordered without regard to case, and a
    // parameter compared with one.
    virtual std::string noCase(const std::string& column) const = 0;
    virtual std::string noCaseParameter() const = 0;
    // One term of an ORDER BY or an index: blank dates and times come
    // first going forward, as on every engine.
    virtual std::string orderTerm(const std::string& expr, const FieldDef* f, bool descending) const = 0;
    // A whole number written into SQL as a value of the field (a decimal's
    // scaled number as the decimal it stands for where the engine keeps
    // decimals as such).
    virtual std::string literal(std::int64_t v, const FieldDef& f) const = 0;
    // Raises the number kept for a file to at least the given one:
    // parameters file, number.
    virtual std::string keepNumberSql() const = 0;
    // An insert ends with " RETURNING _rid" and reads it as its one row;
    // otherwise lastInsertRowId() tells it.
    virtual bool insertReturnsRowId() const = 0;
    virtual std::int64_t lastInsertRowId() const = 0;
};

// Opens an SQLite file (sqlite.cpp) or a PostgreSQL server (postgres.cpp;
// `create` makes the database the address names when the server has none);
// null with `error` set to one line naming the place and the problem.
std::unique_ptr<Backend> openSqlite(const std::string& path, bool create, bool readOnly, std::string& error);
std::unique_ptr<Backend> openPostgres(const std::string& address, bool create, std::string& error);

// The address of a PostgreSQL server: "postgresql://..." or "postgres://...".
bool isServerAddress(std::string_view where);
// The address as it may be shown: any password left out.
std::string withoutPassword(const std::string& address);

}  // namespace vtl::store
