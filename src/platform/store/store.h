#pragma once
// The record store: keyed record files kept in one database, an SQLite file
// in the data folder or a PostgreSQL server the data folder names.
//
// A record buffer is read by key (fetch), by positioning on a key and reading
// forward or backward (scan), and written back (insert, update, remove). Each
// failed write comes back as a Status whose message is the database's error
// text followed by the words of the operation (" Saving POMaster"), ready for
// the error object. Reads through a Cursor fetch a batch of rows at a time and
// continue from the last key read, so a caller may rewrite the records it is
// scanning and no read lock is held between batches. As in any keyed file, a
// rewrite that moves a record ahead of the scan's position on the scanned key
// makes the scan meet it again.
//
// The SQL is the store's own and the same for both engines; a Backend
// (backend.h) runs it and answers where the engines differ.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/store/backend.h"
#include "platform/store/fields.h"
#include "platform/store/value.h"

namespace vtl::store {

struct Status {
    bool ok = true;
    std::string message;
    explicit operator bool() const { return ok; }
    static Status success() { return {}; }
    static Status failure(std::string m) { return {false, std::move(m)}; }
};

// A failed write's text with the store's own closing words (" Saving
// POMaster", " Deleting INPurch") replaced by the caller's, which name what
// could not be written in the caller's terms.
inline std::string reworded(const Status& s, std::string_view words) {
    std::string text = s.message;
    for (const char* op : {" Saving ", " Deleting ", " Inserting "})
        if (auto cut = text.rfind(op); cut != std::string::npos) {
            text.resize(cut);
            break;
        }
    return text + std::string(words);
}

class Store;

// One numbered step of the schema. Steps run in order inside one
// transaction when a database older than the program is opened.
struct Migration {
    int version;
    std::string description;
    std::function<bool(Store&)> apply;
};

struct Schema {
    std::vector<const RecordInfo*> records;
    std::vector<Migration> migrations;  // ascending versions; the last is the current one
    int version() const { return migrations.empty() ? 0 : migrations.back().version; }
    const RecordInfo* find(std::string_view name) const;
};

// Where a scan starts and how far it goes.
struct ScanFrom {
    bool fromStart = false;  // ignore the buffer's key values: start at the first (or last) record
    int fixed = 0;           // leading components that must stay equal to the buffer's values
    bool backward = false;
};

class TableCore;
class Backend;
class Statement;

// A comparison of one field with a value, for the filters of projections
// and joins: field op value, op one of "=", "<>", "<", "<=", ">", ">=".
struct Condition {
    std::string field;
    std::string op;
    Value value;
    // Written into the statement instead of bound (whole numbers only), so a
    // filtered index made for that very condition serves the query.
    bool literal = false;
};

// Reads two files together: each parent record (in the order of one of its
// keys, filtered) with each of its child records (matched field to field,
// filtered). Only the listed fields are read. A parent without children
// that pass is passed over unless `keepChildless` is set, in which case its
// child values are null.
struct JoinSpec {
    const RecordInfo* parent = nullptr;
    int parentKey = 0;
    std::vector<Condition> parentFilter;
    std::vector<std::string> parentFields;
    const RecordInfo* child = nullptr;
    std::string parentLink;  // field of the parent
    std::string childLink;   // field of the child equal to it
    // A literal condition here lets a filtered index of the child file made
    // for it serve the join.
    std::vector<Condition> childFilter;
    std::vector<std::string> childFields;
    bool keepChildless = false;
    // Each parent's children in the order of the child's unique field. When
    // the order does not matter, leaving it out spares sorting every
    // parent's children.
    bool orderChildren = true;
};

// One row of a projection, read in place while it is visited: each listed
// field by its place, as a whole number, a real or a text. A text is valid
// only during the visit. Nothing is copied that the visitor does not ask
// for, which counts over a million rows.
class Row {
public:
    explicit Row(const Statement& st) : st_(&st) {}
    bool isNull(int field) const;
    std::int64_t integer(int field) const;  // a decimal as its scaled whole number
    double real(int field) const;           // a whole number as a real too
    std::string_view text(int field) const;

private:
    const Statement* st_;
};

class Store {
public:
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    struct Options {
        bool create = false;    // make the file when missing (and the schema when empty)
        bool readOnly = false;  // never write: no schema creation or migration either
        bool mustBeEmpty = false;  // refuse a database that already has a schema: a new company goes only where none is
    };
    // Opens (and creates or migrates) a database: an SQLite file at `path`,
    // or the PostgreSQL server at a "postgresql://" address (whose database
    // is made when missing and `create` is set). Returns null with `error`
    // set to one line that names the path or server (never a password) and
    // the problem.
    static std::unique_ptr<Store> open(const std::string& path, const Schema& schema, Options options,
                                       std::string& error);

    const Schema& schema() const { return schema_; }
    int schemaVersion();
    // The file, or the server's address without its password.
    const std::string& path() const;
    // The engine beneath; only the store and tools that look at the database
    // itself (tests, the copy between stores) reach it.
    Backend& backend() { return *db_; }
    // Runs SQL of the engine as it is: for tests and maintenance only.
    bool exec(const std::string& sql);
    std::string lastError() const;

    // Schema steps used by migrations.
    bool createTable(const RecordInfo& info);
    bool createIndexes(const RecordInfo& info);
    bool addMissingColumns(const RecordInfo& info);
    // An index beyond the keys, for speed only; `where` (literal whole-number
    // conditions) makes it cover only the records that pass.
    bool createIndex(const RecordInfo& info, const std::string& name, const std::vector<std::string>& fields,
                     const std::vector<Condition>& where = {});
    // The table of the highest number handed out per file (see
    // TableCore::reserveNumber); a database without it numbers from its
    // records alone.
    bool createNumbersTable();
    bool numbersKept() const { return numbersKept_; }

    TableCore& core(const RecordInfo& info);

    // The untyped rows of a file in the order of one of its keys (the row
    // identity when key < 0), each as one value per field, gaps included.
    bool forEachRow(const RecordInfo& info, int key, const std::function<void(const std::vector<Value>&)>& visit,
                    std::string& error);

    // The listed fields of every record that passes the filter, in the order
    // of `key` (or of `orderBy` fields when given, each ending with the
    // record's unique field). Lists show a million rows from such columns
    // without reading whole records.
    bool project(const RecordInfo& info, int key, const std::vector<Condition>& filter,
                 const std::vector<std::string>& fields,
                 const std::function<void(const std::vector<Value>&)>& visit, std::string& error,
                 const std::vector<std::pair<std::string, bool>>& orderBy = {});

    // The same rows, each visited in place.
    bool projectRows(const RecordInfo& info, int key, const std::vector<Condition>& filter,
                     const std::vector<std::string>& fields, const std::function<void(const Row&)>& visit,
                     std::string& error, const std::vector<std::pair<std::string, bool>>& orderBy = {});

    bool join(const JoinSpec& spec,
              const std::function<void(const std::vector<Value>& parent, const std::vector<Value>& child)>& visit,
              std::string& error);

private:
    friend class TableCore;
    friend class Transaction;
    explicit Store(const Schema& schema);
    bool migrate(std::string& error);
    void readNumbersKept();
    // The numbers handed out in the open write transaction, written to the
    // numbers table once, at its commit; false with the backend's error.
    bool keepNumbers();
    void forgetNumbers();

    const Schema& schema_;
    std::unique_ptr<Backend> db_;
    bool writing_ = false;          // an outermost write transaction is open
    std::uint64_t writeEpoch_ = 0;  // counts them, so a file's highest number is known for one only
    std::vector<TableCore*> numbering_;
    std::vector<std::unique_ptr<TableCore>> tables_;
    bool numbersKept_ = false;
};

// Begins a write transaction that waits up to 5 seconds for other writers
// (a savepoint when one is already open). It rolls back unless commit() is
// called: nothing commits from a destructor.
class Transaction {
public:
    explicit Transaction(Store& store);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    const Status& status() const { return status_; }  // failure when it could not begin
    Status commit();
    void rollback();

private:
    Store& store_;
    Status status_;
    std::string savepoint_;
    bool open_ = false;
};

// Reads one moment's data without taking the write lock: other programs go
// on writing, and what they commit meanwhile is not seen. Ends on
// destruction; it never writes.
class ReadTransaction {
public:
    explicit ReadTransaction(Store& store);
    ~ReadTransaction();
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;
    const Status& status() const { return status_; }

private:
    Store& store_;
    Status status_;
    bool open_ = false;
};

// The untyped operations on one record file; Table<R> gives them types.
class TableCore {
public:
    TableCore(Store& store, const RecordInfo& info);
    const RecordInfo& info() const { return info_; }

    bool fetch(int key, void* rec, RecordBase& base, std::string* error = nullptr);
    Status insert(void* rec, RecordBase& base);
    Status update(const void* rec, const RecordBase& base);
    Status remove(const void* rec, RecordBase& base, bool cascade);
    std::int64_t count();
    // Records whose first `fixed` components of `key` equal the buffer's.
    std::int64_t count(int key, const void* rec, int fixed);
    // Highest value of the auto-numbered field, or of the numbers handed out
    // by reserveNumber() when higher (0 when there is neither).
    std::int64_t highestNumber();
    // Hands out the next number of the auto-numbered field without storing
    // a record: a record inserted later with it keeps it, and no insert or
    // reservation ever gets it again, even when that record is never stored.
    Status reserveNumber(std::int64_t& number);
    // Hands out `count` numbers in a row the same way, the first in `first`,
    // for a batch job that stores many records with numbers of its own.
    Status reserveNumbers(std::int64_t count, std::int64_t& first);
    // Stores one untyped row (one value per field, gaps included) as it is:
    // its auto-number is not touched. For copying a company between stores.
    Status insertRow(const std::vector<Value>& row);

    // One batch of a scan. `after` holds the key values (and the tail) of the
    // last row read, empty for the first batch. Calls `row` for each record.
    bool readBatch(int key, const std::vector<Value>& position, const ScanFrom& from, const std::vector<Value>& after,
                   int limit, const std::function<void(Statement&)>& row, std::string& error);
    // The key values (and tail) of the record in a buffer.
    std::vector<Value> keyValues(int key, const void* rec, const RecordBase& base, bool withTail) const;
    void readRow(Statement& st, void* rec, RecordBase& base) const;

private:
    friend class Store;
    std::string words(const char* op) const { return std::string(" ") + op + " " + info_.name; }
    std::int64_t highestOnFile();
    bool numberKnown() const { return store_.writing_ && knownIn_ == store_.writeEpoch_; }
    void handedOut(std::int64_t number, bool keepAtCommit);
    std::int64_t reservedNumber();
    bool keepNumber(std::int64_t number);
    Status failure(const char* op);
    std::string keyOrder(int key, bool backward) const;
    std::string componentExpr(int key, std::size_t component) const;
    std::string componentParam(int key, std::size_t component) const;
    const FieldDef& componentField(int key, std::size_t component) const;
    ColumnKind tailKind() const;
    std::string tailColumn() const;
    void bindRecord(Statement& st, const void* rec, int first) const;
    Backend& db();

    Store& store_;
    const RecordInfo& info_;
    std::string columns_;  // "_rid","POID",...
    std::string insertSql_, updateSql_, deleteSql_;
    int autoIndex_ = -1;
    // Inside a write transaction no other program numbers this file, so its
    // highest number is read once and followed in memory, and the number
    // table is written once at commit instead of at every insert.
    std::int64_t known_ = 0;
    std::uint64_t knownIn_ = 0;  // the write transaction `known_` belongs to
    std::int64_t toKeep_ = 0;    // to be written to the numbers table at commit
};

template <class R>
class Cursor;

template <class R>
class Table {
public:
    explicit Table(Store& store) : core_(&store.core(R::info())) {}

    // Reads the first record whose key components all equal the buffer's.
    bool fetch(int key, R& rec) { return core_->fetch(key, &rec, rec); }
    Status insert(R& rec) { return core_->insert(&rec, rec); }
    Status update(const R& rec) { return core_->update(&rec, rec); }
    Status remove(R& rec) { return core_->remove(&rec, rec, false); }
    // Deletes the record and, through the declared relations, its children.
    Status removeCascade(R& rec) { return core_->remove(&rec, rec, true); }
    std::int64_t count() { return core_->count(); }
    std::int64_t count(int key, const R& rec, int fixed) { return core_->count(key, &rec, fixed); }
    std::int64_t highestNumber() { return core_->highestNumber(); }
    Status reserveNumber(std::int64_t& number) { return core_->reserveNumber(number); }
    Status reserveNumbers(std::int64_t count, std::int64_t& first) { return core_->reserveNumbers(count, first); }

    // Positions on `key` at the buffer's component values (or at the start)
    // and reads forward or backward.
    Cursor<R> scan(int key, const R& position, ScanFrom from = {});
    Cursor<R> all(int key, bool backward = false) {
        R blank;
        return scan(key, blank, ScanFrom{true, 0, backward});
    }

    TableCore& core() { return *core_; }

private:
    TableCore* core_;
};

template <class R>
class Cursor {
public:
    Cursor(TableCore& core, int key, std::vector<Value> position, ScanFrom from)
        : core_(&core), key_(key), position_(std::move(position)), from_(from) {}

    // The next record into `rec`; false at the end of the range or on error.
    bool next(R& rec) {
        if (pos_ >= batch_.size()) {
            if (done_) return false;
            fill();
            if (pos_ >= batch_.size()) return false;
        }
        rec = std::move(batch_[pos_++]);
        return true;
    }
    const std::string& error() const { return error_; }

private:
    void fill() {
        batch_.clear();
        pos_ = 0;
        const int limit = first_ ? 32 : 512;
        first_ = false;
        // Each row is read straight into its place in the batch: records of
        // many text fields are costly to copy.
        bool ok = core_->readBatch(key_, position_, from_, after_, limit, [&](Statement& st) {
            R& rec = batch_.emplace_back();
            core_->readRow(st, &rec, rec);
        }, error_);
        if (!ok || static_cast<int>(batch_.size()) < limit) done_ = true;
        if (!batch_.empty()) after_ = core_->keyValues(key_, &batch_.back(), batch_.back(), true);
    }

    TableCore* core_;
    int key_;
    std::vector<Value> position_;
    ScanFrom from_;
    std::vector<Value> after_;
    std::vector<R> batch_;
    std::size_t pos_ = 0;
    bool done_ = false;
    bool first_ = true;
    std::string error_;
};

template <class R>
Cursor<R> Table<R>::scan(int key, const R& position, ScanFrom from) {
    return Cursor<R>(*core_, key, core_->keyValues(key, &position, position, false), from);
}

}  // namespace vtl::store
