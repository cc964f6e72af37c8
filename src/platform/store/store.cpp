#include "platform/store/store.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <optional>

namespace vtl::store {
namespace {

std::string quote(std::string_view name) { return "\"" + std::string(name) + "\""; }

const char* columnType(FieldKind k) {
    switch (k) {
        case FieldKind::String: return "TEXT NOT NULL DEFAULT ''";
        case FieldKind::Date: return "TEXT";
        case FieldKind::Time: return "INTEGER";
        case FieldKind::Real: return "REAL NOT NULL DEFAULT 0";
        case FieldKind::Gap: return "BLOB";
        default: return "INTEGER NOT NULL DEFAULT 0";
    }
}

// Binds the values a record puts, one parameter each, from `first` on.
class BindSink : public ColumnSink {
public:
    BindSink(Stmt& st, int first) : st_(st), i_(first) {}
    void putNull() override { st_.bindNull(i_++); }
    void putInt(std::int64_t v) override { st_.bindInt(i_++, v); }
    void putReal(double v) override { st_.bindReal(i_++, v); }
    void putText(std::string_view v) override { st_.bindText(i_++, v); }
    void putBlob(const void* d, std::size_t n) override { st_.bindBlob(i_++, d, n); }
    int next() const { return i_; }

private:
    Stmt& st_;
    int i_;
};

class RowSource : public ColumnSource {
public:
    RowSource(sqlite3_stmt* s, int col) : s_(s), col_(col) {}
    void at(int col) { col_ = col; }
    bool isNull() override { return sqlite3_column_type(s_, col_) == SQLITE_NULL; }
    std::int64_t getInt() override { return sqlite3_column_int64(s_, col_); }
    double getReal() override { return sqlite3_column_double(s_, col_); }
    std::string_view getText() override {
        auto p = reinterpret_cast<const char*>(sqlite3_column_text(s_, col_));
        return p ? std::string_view(p, static_cast<std::size_t>(sqlite3_column_bytes(s_, col_))) : std::string_view();
    }
    void getBlob(void* data, std::size_t size) override {
        const void* p = sqlite3_column_blob(s_, col_);
        std::size_t n = static_cast<std::size_t>(sqlite3_column_bytes(s_, col_));
        std::memset(data, 0, size);
        if (p) std::memcpy(data, p, n < size ? n : size);
    }

private:
    sqlite3_stmt* s_;
    int col_;
};

void bindValue(Stmt& st, int i, const Value& v) {
    switch (v.type) {
        case Value::Type::Null: st.bindNull(i); break;
        case Value::Type::Int: st.bindInt(i, v.i); break;
        case Value::Type::Real: st.bindReal(i, v.r); break;
        case Value::Type::Text: st.bindText(i, v.s); break;
        case Value::Type::Blob: st.bindBlob(i, v.s.data(), v.s.size()); break;
    }
}

Value columnValue(sqlite3_stmt* s, int col) {
    switch (sqlite3_column_type(s, col)) {
        case SQLITE_INTEGER: return {Value::Type::Int, sqlite3_column_int64(s, col), 0, {}};
        case SQLITE_FLOAT: return {Value::Type::Real, 0, sqlite3_column_double(s, col), {}};
        case SQLITE_TEXT:
            return {Value::Type::Text, 0, 0,
                    std::string(reinterpret_cast<const char*>(sqlite3_column_text(s, col)),
                                static_cast<std::size_t>(sqlite3_column_bytes(s, col)))};
        case SQLITE_BLOB: {
            auto p = static_cast<const char*>(sqlite3_column_blob(s, col));
            return {Value::Type::Blob, 0, 0, std::string(p ? p : "", static_cast<std::size_t>(sqlite3_column_bytes(s, col)))};
        }
        default: return {};
    }
}

bool knownOp(const std::string& op);

bool fileExists(const std::string& path) {
    struct stat st{};
    return ::stat(path.c_str(), &st) == 0;
}

}  // namespace

void ValueSource::getBlob(void* data, std::size_t size) {
    std::memset(data, 0, size);
    std::memcpy(data, v_.s.data(), v_.s.size() < size ? v_.s.size() : size);
}

int RecordInfo::fieldIndex(std::string_view field) const {
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i].name == field) return static_cast<int>(i);
    return -1;
}

const RecordInfo* Schema::find(std::string_view name) const {
    for (auto* r : records)
        if (r->name == name) return r;
    return nullptr;
}

// ---------------------------------------------------------------- Store

Store::~Store() {
    tables_.clear();
    conn_.close();
}

std::unique_ptr<Store> Store::open(const std::string& path, const Schema& schema, Options options,
                                   std::string& error) {
    std::unique_ptr<Store> s(new Store(schema));
    s->path_ = path;
    const bool exists = fileExists(path);
    if (!exists && !options.create) {
        error = path + ": no database here";
        return nullptr;
    }
    if (!s->conn_.open(path, options.create, options.readOnly)) {
        error = path + ": cannot open the database (" + s->conn_.error() + ")";
        return nullptr;
    }
    // Reading the schema fails at once on a file that is not a database.
    auto readable = [&] {
        sqlite3_stmt* st = nullptr;
        const bool read = sqlite3_prepare_v2(s->conn_.handle(), "SELECT count(*) FROM sqlite_master", -1, &st,
                                             nullptr) == SQLITE_OK &&
                          sqlite3_step(st) == SQLITE_ROW;
        sqlite3_finalize(st);
        return read;
    };
    bool read = readable();
    // On a read-only file system the log's index cannot be made: a file
    // closed cleanly (no log left to read) is read as the unchanging file
    // it is there.
    if (!read && options.readOnly && (sqlite3_errcode(s->conn_.handle()) & 0xFF) == SQLITE_CANTOPEN) {
        std::error_code none;
        const auto logSize = std::filesystem::file_size(path + "-wal", none);
        if ((none || logSize == 0) && s->conn_.open(path, false, true, true)) read = readable();
    }
    if (!read) {
        const bool notDatabase = (sqlite3_errcode(s->conn_.handle()) & 0xFF) == SQLITE_NOTADB;
        error = path + (notDatabase ? ": not a database of this system (" : ": cannot be read (") +
                s->conn_.error() + ")";
        return nullptr;
    }
    sqlite3_busy_timeout(s->conn_.handle(), 5000);
    const int version = s->schemaVersion();
    if (version > schema.version()) {
        error = path + ": the database is of a newer version (" + std::to_string(version) +
                ") than this program knows (" + std::to_string(schema.version()) + ")";
        return nullptr;
    }
    if (!options.readOnly) {
        if (!s->conn_.exec("PRAGMA journal_mode=WAL")) {
            error = path + ": cannot open the database for writing (" + s->conn_.error() + ")";
            return nullptr;
        }
        s->conn_.exec("PRAGMA synchronous=NORMAL");
    }
    s->conn_.exec("PRAGMA foreign_keys=ON");
    if (version < schema.version()) {
        if (options.readOnly) {
            error = path + ": the database is of an older version (" + std::to_string(version) +
                    ") and cannot be brought up to date read-only";
            return nullptr;
        }
        if (!s->migrate(error)) {
            error = path + ": " + error;
            return nullptr;
        }
    }
    s->readNumbersKept();
    return s;
}

bool Store::createNumbersTable() {
    if (!conn_.exec("CREATE TABLE IF NOT EXISTS \"_Numbers\" (\"File\" TEXT PRIMARY KEY, \"Last\" INTEGER NOT NULL)"))
        return false;
    numbersKept_ = true;
    return true;
}

void Store::readNumbersKept() {
    auto st = conn_.prepare("SELECT count(*) FROM sqlite_master WHERE type='table' AND name='_Numbers'");
    numbersKept_ = st.step() && sqlite3_column_int64(st.raw(), 0) > 0;
}

int Store::schemaVersion() {
    auto st = conn_.prepare("PRAGMA user_version");
    return st.step() ? sqlite3_column_int(st.raw(), 0) : 0;
}

bool Store::migrate(std::string& error) {
    Transaction tx(*this);
    if (!tx.status()) {
        error = tx.status().message;
        return false;
    }
    const int from = schemaVersion();
    for (const auto& m : schema_.migrations) {
        if (m.version <= from) continue;
        if (!m.apply(*this)) {
            error = "schema step " + std::to_string(m.version) + " (" + m.description + ") failed: " + conn_.error();
            return false;
        }
        if (!conn_.exec("PRAGMA user_version=" + std::to_string(m.version))) {
            error = conn_.error();
            return false;
        }
    }
    Status st = tx.commit();
    if (!st) error = st.message;
    return st.ok;
}

bool Store::createTable(const RecordInfo& info) {
    std::string sql = "CREATE TABLE IF NOT EXISTS " + quote(info.name) + " (_rid INTEGER PRIMARY KEY";
    for (const auto& f : info.fields) sql += ", " + quote(f.name) + " " + columnType(f.kind);
    sql += ")";
    return conn_.exec(sql);
}

bool Store::createIndexes(const RecordInfo& info) {
    for (const auto& k : info.keys) {
        std::string cols;
        for (const auto& c : k.fields) {
            if (!cols.empty()) cols += ", ";
            cols += quote(c);
            int fi = info.fieldIndex(c);
            if (k.noCase && fi >= 0 && info.fields[static_cast<std::size_t>(fi)].kind == FieldKind::String)
                cols += " COLLATE NOCASE";
        }
        if (!k.unique) cols += ", " + (info.uniqueField.empty() ? std::string("_rid") : quote(info.uniqueField));
        std::string sql = std::string("CREATE ") + (k.unique ? "UNIQUE " : "") + "INDEX IF NOT EXISTS " +
                          quote(info.name + "_" + k.name) + " ON " + quote(info.name) + " (" + cols + ")";
        if (!conn_.exec(sql)) return false;
    }
    return true;
}

bool Store::addMissingColumns(const RecordInfo& info) {
    std::vector<std::string> have;
    {
        auto st = conn_.prepare("SELECT name FROM pragma_table_info(?)");
        st.bindText(1, info.name);
        while (st.step()) have.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st.raw(), 0)));
    }
    if (have.empty()) return createTable(info);
    for (const auto& f : info.fields) {
        bool found = false;
        for (const auto& h : have) found = found || h == f.name;
        if (!found && !conn_.exec("ALTER TABLE " + quote(info.name) + " ADD COLUMN " + quote(f.name) + " " +
                                  columnType(f.kind)))
            return false;
    }
    return true;
}

bool Store::createIndex(const RecordInfo& info, const std::string& name, const std::vector<std::string>& fields,
                        const std::vector<Condition>& where) {
    std::string cols, filter;
    for (const auto& f : fields) {
        if (info.fieldIndex(f) < 0) return false;
        cols += (cols.empty() ? "" : ", ") + quote(f);
    }
    for (const auto& c : where) {
        if (info.fieldIndex(c.field) < 0 || !knownOp(c.op) || c.value.type != Value::Type::Int) return false;
        filter += (filter.empty() ? " WHERE " : " AND ") + quote(c.field) + " " + c.op + " " + std::to_string(c.value.i);
    }
    return conn_.exec("CREATE INDEX IF NOT EXISTS " + quote(info.name + "_" + name) + " ON " + quote(info.name) + " (" +
                      cols + ")" + filter);
}

TableCore& Store::core(const RecordInfo& info) {
    for (auto& t : tables_)
        if (&t->info() == &info) return *t;
    tables_.push_back(std::make_unique<TableCore>(*this, info));
    return *tables_.back();
}

bool Store::forEachRow(const RecordInfo& info, int key, const std::function<void(const std::vector<Value>&)>& visit,
                       std::string& error) {
    std::string cols;
    for (const auto& f : info.fields) cols += (cols.empty() ? "" : ", ") + quote(f.name);
    std::string order = "_rid";
    if (key >= 0) {
        order.clear();
        const auto& k = info.keys.at(static_cast<std::size_t>(key));
        for (const auto& c : k.fields) order += quote(c) + ", ";
        order += info.uniqueField.empty() ? "_rid" : quote(info.uniqueField);
    }
    auto st = conn_.prepare("SELECT " + cols + " FROM " + quote(info.name) + " ORDER BY " + order);
    std::vector<Value> row(info.fields.size());
    while (st.step()) {
        for (std::size_t i = 0; i < info.fields.size(); ++i) row[i] = columnValue(st.raw(), static_cast<int>(i));
        visit(row);
    }
    if (st.failed()) {
        error = conn_.error();
        return false;
    }
    return true;
}

namespace {

bool knownOp(const std::string& op) {
    return op == "=" || op == "<>" || op == "<" || op == "<=" || op == ">" || op == ">=";
}

// The right-hand side of a condition: a placeholder, or the number itself.
std::string operand(const Condition& c) {
    return c.literal && c.value.type == Value::Type::Int ? std::to_string(c.value.i) : std::string("?");
}
bool bound(const Condition& c) { return operand(c) == "?"; }

std::string tailOf(const RecordInfo& info) { return info.uniqueField.empty() ? "_rid" : quote(info.uniqueField); }

std::string keyOrderOf(const RecordInfo& info, int key, const std::string& alias) {
    std::string o;
    const KeyDef& k = info.keys.at(static_cast<std::size_t>(key));
    for (const auto& c : k.fields) {
        o += alias + quote(c);
        int fi = info.fieldIndex(c);
        if (k.noCase && fi >= 0 && info.fields[static_cast<std::size_t>(fi)].kind == FieldKind::String)
            o += " COLLATE NOCASE";
        o += ", ";
    }
    return o + alias + tailOf(info);
}

}  // namespace

std::optional<Stmt> Store::projection(const RecordInfo& info, int key, const std::vector<Condition>& filter,
                                      const std::vector<std::string>& fields,
                                      const std::vector<std::pair<std::string, bool>>& orderBy, std::string& error) {
    std::string cols;
    for (const auto& f : fields) {
        if (f != "_rid" && info.fieldIndex(f) < 0) {
            error = "no field " + f + " in " + info.name;
            return std::nullopt;
        }
        cols += (cols.empty() ? "" : ", ") + (f == "_rid" ? f : quote(f));
    }
    std::string where;
    for (const auto& c : filter) {
        if (info.fieldIndex(c.field) < 0 || !knownOp(c.op)) {
            error = "bad condition on " + c.field;
            return std::nullopt;
        }
        where += (where.empty() ? " WHERE " : " AND ") + quote(c.field) + " " + c.op + " " + operand(c);
    }
    std::string order;
    if (!orderBy.empty()) {
        for (const auto& [f, descending] : orderBy) {
            if (info.fieldIndex(f) < 0) {
                error = "no field " + f + " in " + info.name;
                return std::nullopt;
            }
            order += quote(f) + (descending ? " DESC, " : ", ");
        }
        order += tailOf(info);
    } else {
        order = key >= 0 ? keyOrderOf(info, key, "") : "_rid";
    }
    auto st = conn_.prepare("SELECT " + cols + " FROM " + quote(info.name) + where + " ORDER BY " + order);
    int n = 0;
    for (const auto& c : filter)
        if (bound(c)) bindValue(st, ++n, c.value);
    return std::optional<Stmt>(std::move(st));
}

bool Store::project(const RecordInfo& info, int key, const std::vector<Condition>& filter,
                    const std::vector<std::string>& fields,
                    const std::function<void(const std::vector<Value>&)>& visit, std::string& error,
                    const std::vector<std::pair<std::string, bool>>& orderBy) {
    auto st = projection(info, key, filter, fields, orderBy, error);
    if (!st) return false;
    std::vector<Value> row(fields.size());
    while (st->step()) {
        for (std::size_t i = 0; i < fields.size(); ++i) row[i] = columnValue(st->raw(), static_cast<int>(i));
        visit(row);
    }
    if (st->failed()) {
        error = conn_.error();
        return false;
    }
    return true;
}

bool Store::projectRows(const RecordInfo& info, int key, const std::vector<Condition>& filter,
                        const std::vector<std::string>& fields, const std::function<void(const Row&)>& visit,
                        std::string& error, const std::vector<std::pair<std::string, bool>>& orderBy) {
    auto st = projection(info, key, filter, fields, orderBy, error);
    if (!st) return false;
    const Row row(st->raw());
    while (st->step()) visit(row);
    if (st->failed()) {
        error = conn_.error();
        return false;
    }
    return true;
}

bool Row::isNull(int field) const { return sqlite3_column_type(st_, field) == SQLITE_NULL; }
std::int64_t Row::integer(int field) const { return sqlite3_column_int64(st_, field); }
double Row::real(int field) const { return sqlite3_column_double(st_, field); }
std::string_view Row::text(int field) const {
    auto p = reinterpret_cast<const char*>(sqlite3_column_text(st_, field));
    return p ? std::string_view(p, static_cast<std::size_t>(sqlite3_column_bytes(st_, field))) : std::string_view();
}

bool Store::join(const JoinSpec& j,
                 const std::function<void(const std::vector<Value>&, const std::vector<Value>&)>& visit,
                 std::string& error) {
    const RecordInfo& p = *j.parent;
    const RecordInfo& c = *j.child;
    std::string cols;
    for (const auto& f : j.parentFields) {
        if (p.fieldIndex(f) < 0) { error = "no field " + f + " in " + p.name; return false; }
        cols += (cols.empty() ? "p." : ", p.") + quote(f);
    }
    for (const auto& f : j.childFields) {
        if (c.fieldIndex(f) < 0) { error = "no field " + f + " in " + c.name; return false; }
        cols += ", c." + quote(f);
    }
    if (p.fieldIndex(j.parentLink) < 0 || c.fieldIndex(j.childLink) < 0) {
        error = "bad link between " + p.name + " and " + c.name;
        return false;
    }
    // The child's conditions belong to the link, so a parent whose children
    // all fail them is still kept when asked.
    std::string on = " ON c." + quote(j.childLink) + " = p." + quote(j.parentLink);
    for (const auto& cond : j.childFilter) {
        if (c.fieldIndex(cond.field) < 0 || !knownOp(cond.op)) { error = "bad condition on " + cond.field; return false; }
        on += " AND c." + quote(cond.field) + " " + cond.op + " " + operand(cond);
    }
    std::string where;
    for (const auto& cond : j.parentFilter) {
        if (p.fieldIndex(cond.field) < 0 || !knownOp(cond.op)) { error = "bad condition on " + cond.field; return false; }
        where += (where.empty() ? " WHERE p." : " AND p.") + quote(cond.field) + " " + cond.op + " " + operand(cond);
    }
    std::string sql = "SELECT " + cols + " FROM " + quote(p.name) + " p " + (j.keepChildless ? "LEFT " : "") +
                      "JOIN " + quote(c.name) + " c" + on + where + " ORDER BY " + keyOrderOf(p, j.parentKey, "p.") +
                      (j.orderChildren ? ", c." + tailOf(c) : std::string());
    auto st = conn_.prepare(sql);
    // Placeholders in the order they appear: the link's, then the parent's.
    int n = 0;
    for (const auto& cond : j.childFilter)
        if (bound(cond)) bindValue(st, ++n, cond.value);
    for (const auto& cond : j.parentFilter)
        if (bound(cond)) bindValue(st, ++n, cond.value);
    std::vector<Value> pv(j.parentFields.size()), cv(j.childFields.size());
    const int np = static_cast<int>(j.parentFields.size());
    while (st.step()) {
        for (int i = 0; i < np; ++i) pv[static_cast<std::size_t>(i)] = columnValue(st.raw(), i);
        for (std::size_t i = 0; i < cv.size(); ++i) cv[i] = columnValue(st.raw(), np + static_cast<int>(i));
        visit(pv, cv);
    }
    if (st.failed()) {
        error = conn_.error();
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- Transaction

Transaction::Transaction(Store& store) : store_(store) {
    Connection& c = store_.connection();
    if (c.inTransaction()) {
        static std::atomic<int> counter{0};
        savepoint_ = "sp" + std::to_string(++counter);
        open_ = c.exec("SAVEPOINT " + savepoint_);
    } else {
        open_ = c.exec("BEGIN IMMEDIATE");
    }
    if (!open_) status_ = Status::failure(c.error());
}

ReadTransaction::ReadTransaction(Store& store) : store_(store) {
    Connection& c = store_.connection();
    if (c.inTransaction()) return;  // the caller's transaction already holds one moment
    open_ = c.exec("BEGIN");
    // The snapshot is taken by the first read.
    if (open_) {
        auto st = c.prepare("SELECT count(*) FROM sqlite_master");
        st.step();
        if (st.failed()) status_ = Status::failure(c.error());
    } else {
        status_ = Status::failure(c.error());
    }
}

ReadTransaction::~ReadTransaction() {
    if (open_) store_.connection().exec("ROLLBACK");
}

Transaction::~Transaction() {
    if (open_) rollback();
}

Status Transaction::commit() {
    if (!open_) return status_.ok ? Status::failure("transaction already ended") : status_;
    Connection& c = store_.connection();
    bool ok = savepoint_.empty() ? c.exec("COMMIT") : c.exec("RELEASE " + savepoint_);
    if (!ok) {
        Status s = Status::failure(c.error());
        rollback();
        return s;
    }
    open_ = false;
    return Status::success();
}

void Transaction::rollback() {
    if (!open_) return;
    Connection& c = store_.connection();
    if (savepoint_.empty()) {
        if (c.inTransaction()) c.exec("ROLLBACK");
    } else {
        c.exec("ROLLBACK TO " + savepoint_);
        c.exec("RELEASE " + savepoint_);
    }
    open_ = false;
}

// ---------------------------------------------------------------- TableCore

TableCore::TableCore(Store& store, const RecordInfo& info) : store_(store), info_(info) {
    std::string names, params, sets;
    for (std::size_t i = 0; i < info.fields.size(); ++i) {
        const std::string q = quote(info.fields[i].name);
        names += (i ? ", " : "") + q;
        params += i ? ", ?" : "?";
        sets += (i ? ", " : "") + q + " = ?";
    }
    columns_ = "_rid, " + names;
    insertSql_ = "INSERT INTO " + quote(info.name) + " (" + names + ") VALUES (" + params + ")";
    updateSql_ = "UPDATE " + quote(info.name) + " SET " + sets + " WHERE _rid = ?";
    deleteSql_ = "DELETE FROM " + quote(info.name) + " WHERE _rid = ?";
    if (!info.autoNumber.empty()) autoIndex_ = info.fieldIndex(info.autoNumber);
}

Status TableCore::failure(const char* op) { return Status::failure(store_.connection().error() + words(op)); }

void TableCore::bindRecord(Stmt& st, const void* rec, int first) const {
    BindSink sink(st, first);
    for (const auto& f : info_.fields) f.put(rec, sink);
}

void TableCore::readRow(Stmt& st, void* rec, RecordBase& base) const {
    base.rowId_ = sqlite3_column_int64(st.raw(), 0);
    RowSource src(st.raw(), 1);
    for (std::size_t i = 0; i < info_.fields.size(); ++i) {
        src.at(static_cast<int>(i) + 1);
        info_.fields[i].get(rec, src);
    }
}

std::string TableCore::componentExpr(int key, std::size_t component) const {
    const KeyDef& k = info_.keys.at(static_cast<std::size_t>(key));
    std::string e = quote(k.fields[component]);
    int fi = info_.fieldIndex(k.fields[component]);
    if (k.noCase && fi >= 0 && info_.fields[static_cast<std::size_t>(fi)].kind == FieldKind::String)
        e += " COLLATE NOCASE";
    return e;
}

std::string TableCore::tailColumn() const {
    return info_.uniqueField.empty() ? std::string("_rid") : quote(info_.uniqueField);
}

std::string TableCore::keyOrder(int key, bool backward) const {
    const KeyDef& k = info_.keys.at(static_cast<std::size_t>(key));
    std::string o;
    const char* dir = backward ? " DESC" : "";
    for (std::size_t c = 0; c < k.fields.size(); ++c) o += componentExpr(key, c) + dir + ", ";
    o += tailColumn() + dir;
    return o;
}

std::vector<Value> TableCore::keyValues(int key, const void* rec, const RecordBase& base, bool withTail) const {
    const KeyDef& k = info_.keys.at(static_cast<std::size_t>(key));
    CaptureSink sink;
    for (const auto& c : k.fields) info_.fields[static_cast<std::size_t>(info_.fieldIndex(c))].put(rec, sink);
    if (withTail) {
        if (info_.uniqueField.empty()) sink.putInt(base.rowId_);
        else info_.fields[static_cast<std::size_t>(info_.fieldIndex(info_.uniqueField))].put(rec, sink);
    }
    return std::move(sink.values);
}

bool TableCore::fetch(int key, void* rec, RecordBase& base, std::string* error) {
    const KeyDef& k = info_.keys.at(static_cast<std::size_t>(key));
    std::string where;
    for (std::size_t c = 0; c < k.fields.size(); ++c) where += (c ? " AND " : "") + componentExpr(key, c) + " = ?";
    auto st = store_.connection().prepare("SELECT " + columns_ + " FROM " + quote(info_.name) + " WHERE " + where +
                                          " ORDER BY " + keyOrder(key, false) + " LIMIT 1");
    auto values = keyValues(key, rec, base, false);
    for (std::size_t i = 0; i < values.size(); ++i) bindValue(st, static_cast<int>(i) + 1, values[i]);
    if (st.step()) {
        readRow(st, rec, base);
        return true;
    }
    if (st.failed() && error) *error = store_.connection().error();
    return false;
}

std::int64_t TableCore::highestNumber() {
    if (autoIndex_ < 0) return 0;
    std::int64_t highest = 0;
    {
        auto st = store_.connection().prepare("SELECT COALESCE(MAX(" + quote(info_.autoNumber) + "), 0) FROM " +
                                              quote(info_.name));
        if (st.step()) highest = sqlite3_column_int64(st.raw(), 0);
    }
    return std::max(highest, reservedNumber());
}

std::int64_t TableCore::reservedNumber() {
    if (!store_.numbersKept()) return 0;
    auto st = store_.connection().prepare("SELECT \"Last\" FROM \"_Numbers\" WHERE \"File\"=?1");
    st.bindText(1, info_.name);
    return st.step() ? sqlite3_column_int64(st.raw(), 0) : 0;
}

bool TableCore::keepNumber(std::int64_t number) {
    if (!store_.numbersKept()) return true;
    auto st = store_.connection().prepare(
        "INSERT INTO \"_Numbers\" (\"File\", \"Last\") VALUES (?1, ?2) "
        "ON CONFLICT(\"File\") DO UPDATE SET \"Last\"=MAX(\"Last\", excluded.\"Last\")");
    st.bindText(1, info_.name);
    st.bindInt(2, number);
    st.step();
    return !st.failed();
}

Status TableCore::reserveNumber(std::int64_t& number) { return reserveNumbers(1, number); }

Status TableCore::reserveNumbers(std::int64_t count, std::int64_t& first) {
    first = 0;
    if (count <= 0) return Status::success();
    if (autoIndex_ < 0 || !store_.numbersKept()) return Status::failure("no numbers are kept" + words("Autoincrementing"));
    // Read and raise under one write lock, so no two callers get one number.
    Transaction tx(store_);
    if (!tx.status()) return Status::failure(tx.status().message + words("Autoincrementing"));
    const std::int64_t next = highestNumber() + 1;
    if (!keepNumber(next + count - 1)) return failure("Autoincrementing");
    Status s = tx.commit();
    if (!s) return Status::failure(s.message + words("Autoincrementing"));
    first = next;
    return Status::success();
}

Status TableCore::insert(void* rec, RecordBase& base) {
    Connection& c = store_.connection();
    // Numbering reads the highest number and inserts under one write lock,
    // so two users never get the same number. Inside a caller's transaction
    // that lock is already held.
    std::optional<Transaction> tx;
    if (autoIndex_ >= 0 && !c.inTransaction()) {
        tx.emplace(store_);
        if (!tx->status()) return Status::failure(tx->status().message + words("Inserting"));
    }
    if (autoIndex_ >= 0) {
        CaptureSink now;
        info_.fields[static_cast<std::size_t>(autoIndex_)].put(rec, now);
        if (now.values[0].i == 0) {
            Value next{Value::Type::Int, highestNumber() + 1, 0, {}};
            // Kept as handed out, so the number of a record deleted later is
            // never given to another (its notes and attachments may remain).
            if (!keepNumber(next.i)) return failure("Inserting");
            ValueSource src(next);
            info_.fields[static_cast<std::size_t>(autoIndex_)].get(rec, src);
        }
    }
    {
        auto st = c.prepare(insertSql_);
        bindRecord(st, rec, 1);
        st.step();
        if (st.failed()) return failure("Inserting");
    }
    base.rowId_ = c.lastInsertRowId();
    if (tx) {
        Status s = tx->commit();
        if (!s) {
            base.rowId_ = 0;
            return Status::failure(s.message + words("Inserting"));
        }
    }
    return Status::success();
}

Status TableCore::update(const void* rec, const RecordBase& base) {
    Connection& c = store_.connection();
    auto st = c.prepare(updateSql_);
    bindRecord(st, rec, 1);
    st.bindInt(static_cast<int>(info_.fields.size()) + 1, base.rowId_);
    st.step();
    if (st.failed()) return failure("Saving");
    if (c.changes() == 0) return Status::failure("Record no longer exists" + words("Saving"));
    return Status::success();
}

Status TableCore::remove(const void* rec, RecordBase& base, bool cascade) {
    Connection& c = store_.connection();
    Transaction tx(store_);
    if (!tx.status()) return Status::failure(tx.status().message + words("Deleting"));
    if (cascade) {
        for (const auto& rel : info_.children) {
            const RecordInfo* child = store_.schema().find(rel.childFile);
            int pf = info_.fieldIndex(rel.parentField);
            if (!child || pf < 0) continue;
            CaptureSink v;
            info_.fields[static_cast<std::size_t>(pf)].put(rec, v);
            auto st = c.prepare("DELETE FROM " + quote(child->name) + " WHERE " + quote(rel.childField) + " = ?");
            bindValue(st, 1, v.values[0]);
            st.step();
            if (st.failed()) return Status::failure(c.error() + " Deleting " + child->name);
        }
    }
    {
        auto st = c.prepare(deleteSql_);
        st.bindInt(1, base.rowId_);
        st.step();
        if (st.failed()) return failure("Deleting");
        if (c.changes() == 0) return Status::failure("Record no longer exists" + words("Deleting"));
    }
    Status s = tx.commit();
    if (!s) return Status::failure(s.message + words("Deleting"));
    base.rowId_ = 0;
    return s;
}

std::int64_t TableCore::count() {
    auto st = store_.connection().prepare("SELECT count(*) FROM " + quote(info_.name));
    return st.step() ? sqlite3_column_int64(st.raw(), 0) : 0;
}

std::int64_t TableCore::count(int key, const void* rec, int fixed) {
    std::string where;
    for (int c = 0; c < fixed; ++c) where += (c ? " AND " : " WHERE ") + componentExpr(key, static_cast<std::size_t>(c)) + " = ?";
    auto st = store_.connection().prepare("SELECT count(*) FROM " + quote(info_.name) + where);
    RecordBase none;
    auto values = keyValues(key, rec, none, false);
    for (int i = 0; i < fixed; ++i) bindValue(st, i + 1, values[static_cast<std::size_t>(i)]);
    return st.step() ? sqlite3_column_int64(st.raw(), 0) : 0;
}

bool TableCore::readBatch(int key, const std::vector<Value>& position, const ScanFrom& from,
                          const std::vector<Value>& after, int limit, const std::function<void(Stmt&)>& row,
                          std::string& error) {
    const KeyDef& k = info_.keys.at(static_cast<std::size_t>(key));
    const std::size_t n = k.fields.size();
    std::string where;
    std::vector<const Value*> binds;
    auto add = [&](const std::string& cond) { where += (where.empty() ? " WHERE " : " AND ") + cond; };
    for (int c = 0; c < from.fixed && static_cast<std::size_t>(c) < n; ++c) {
        add(componentExpr(key, static_cast<std::size_t>(c)) + " = ?");
        binds.push_back(&position[static_cast<std::size_t>(c)]);
    }
    std::string lhs, rhs;
    for (std::size_t c = 0; c < n; ++c) {
        lhs += (c ? ", " : "") + componentExpr(key, c);
        rhs += c ? ", ?" : "?";
    }
    if (!after.empty()) {
        add("(" + lhs + ", " + tailColumn() + ") " + (from.backward ? "<" : ">") + " (" + rhs + ", ?)");
        for (const auto& v : after) binds.push_back(&v);
    } else if (!from.fromStart) {
        add("(" + lhs + ") " + (from.backward ? "<=" : ">=") + " (" + rhs + ")");
        for (const auto& v : position) binds.push_back(&v);
    }
    auto st = store_.connection().prepare("SELECT " + columns_ + " FROM " + quote(info_.name) + where + " ORDER BY " +
                                          keyOrder(key, from.backward) + " LIMIT " + std::to_string(limit));
    for (std::size_t i = 0; i < binds.size(); ++i) bindValue(st, static_cast<int>(i) + 1, *binds[i]);
    while (st.step()) row(st);
    if (st.failed()) {
        error = store_.connection().error();
        return false;
    }
    return true;
}

}  // namespace vtl::store
