#include "platform/store/store.h"


#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <optional>

namespace vtl::store {
namespace {

std::string quote(std::string_view name) { return "\"" + std::string(name) + "\""; }

// Binds the values a record puts, one parameter each, from `first` on,
// each as a value of the field it comes from.
class BindSink : public ColumnSink {
public:
    BindSink(Statement& st, int first) : st_(st), i_(first) {}
    void field(const FieldDef& f) { kind_ = ColumnKind::of(f); }
    void putNull() override { st_.bindNull(i_++); }
    void putInt(std::int64_t v) override { st_.bindInt(i_++, v, kind_); }
    void putReal(double v) override { st_.bindReal(i_++, v); }
    void putText(std::string_view v) override { st_.bindText(i_++, v, kind_); }
    void putBlob(const void* d, std::size_t n) override { st_.bindBlob(i_++, d, n); }

private:
    Statement& st_;
    int i_;
    ColumnKind kind_;
};

class RowSource : public ColumnSource {
public:
    RowSource(Statement& s, int col) : s_(s), col_(col) {}
    void at(int col) { col_ = col; }
    bool isNull() override { return s_.isNull(col_); }
    std::int64_t getInt() override { return s_.integer(col_); }
    double getReal() override { return s_.real(col_); }
    std::string_view getText() override { return s_.text(col_); }
    void getBlob(void* data, std::size_t size) override {
        const std::string b = s_.blob(col_);
        std::memset(data, 0, size);
        std::memcpy(data, b.data(), b.size() < size ? b.size() : size);
    }

private:
    Statement& s_;
    int col_;
};

bool knownOp(const std::string& op);

}  // namespace

void Statement::bind(int i, const Value& v, ColumnKind k) {
    switch (v.type) {
        case Value::Type::Null: bindNull(i); break;
        case Value::Type::Int: bindInt(i, v.i, k); break;
        case Value::Type::Real: bindReal(i, v.r); break;
        case Value::Type::Text: bindText(i, v.s, k); break;
        case Value::Type::Blob: bindBlob(i, v.s.data(), v.s.size()); break;
    }
}

bool isServerAddress(std::string_view where) {
    return where.rfind("postgresql://", 0) == 0 || where.rfind("postgres://", 0) == 0;
}

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

Store::Store(const Schema& schema) : schema_(schema) {}

Store::~Store() {
    tables_.clear();
    db_.reset();
}

const std::string& Store::path() const { return db_->where(); }
bool Store::exec(const std::string& sql) { return db_->exec(sql); }
std::string Store::lastError() const { return db_->error(); }

std::unique_ptr<Store> Store::open(const std::string& path, const Schema& schema, Options options,
                                   std::string& error) {
    std::unique_ptr<Store> s(new Store(schema));
    if (isServerAddress(path)) {
        s->db_ = openPostgres(path, options.create && !options.readOnly, error);
    } else {
        s->db_ = openSqlite(path, options.create, options.readOnly, error);
    }
    if (!s->db_) return nullptr;
    const std::string& where = s->db_->where();
    const int version = s->schemaVersion();
    if (options.mustBeEmpty && (version > 0 || s->db_->hasTable(schema.records.empty() ? "" : schema.records[0]->name))) {
        error = where + ": a database is already there; it is left as it is";
        return nullptr;
    }
    if (version > schema.version()) {
        error = where + ": the database is of a newer version (" + std::to_string(version) +
                ") than this program knows (" + std::to_string(schema.version()) + ")";
        return nullptr;
    }
    if (!options.readOnly && !s->db_->startWriting()) {
        error = where + ": cannot open the database for writing (" + s->db_->error() + ")";
        return nullptr;
    }
    if (version < schema.version()) {
        if (options.readOnly) {
            error = where + ": the database is of an older version (" + std::to_string(version) +
                    ") and cannot be brought up to date read-only";
            return nullptr;
        }
        if (!s->migrate(error)) {
            error = where + ": " + error;
            return nullptr;
        }
    }
    s->readNumbersKept();
    return s;
}

bool Store::keepNumbers() {
    for (TableCore* t : numbering_)
        if (t->toKeep_ > 0 && !t->keepNumber(t->toKeep_)) return false;
    return true;
}

void Store::forgetNumbers() {
    for (TableCore* t : numbering_) t->toKeep_ = 0;
    numbering_.clear();
    writing_ = false;
}

bool Store::createNumbersTable() {
    if (!db_->exec("CREATE TABLE IF NOT EXISTS \"_Numbers\" (\"File\" TEXT PRIMARY KEY, \"Last\" BIGINT NOT NULL)"))
        return false;
    numbersKept_ = true;
    return true;
}

void Store::readNumbersKept() { numbersKept_ = db_->hasTable("_Numbers"); }

int Store::schemaVersion() { return db_->schemaVersion(); }

bool Store::migrate(std::string& error) {
    Transaction tx(*this);
    if (!tx.status()) {
        error = tx.status().message;
        return false;
    }
    // Another program may have brought the schema up to date while this
    // one waited for the write lock.
    const int from = schemaVersion();
    for (const auto& m : schema_.migrations) {
        if (m.version <= from) continue;
        if (!m.apply(*this)) {
            error = "schema step " + std::to_string(m.version) + " (" + m.description + ") failed: " + db_->error();
            return false;
        }
        if (!db_->setSchemaVersion(m.version)) {
            error = db_->error();
            return false;
        }
    }
    Status st = tx.commit();
    if (!st) error = st.message;
    return st.ok;
}

bool Store::createTable(const RecordInfo& info) {
    std::string sql = "CREATE TABLE IF NOT EXISTS " + quote(info.name) + " (" + db_->rowIdColumn();
    for (const auto& f : info.fields) sql += ", " + quote(f.name) + " " + db_->columnType(f);
    sql += ")";
    return db_->exec(sql);
}

namespace {

bool knownOp(const std::string& op) {
    return op == "=" || op == "<>" || op == "<" || op == "<=" || op == ">" || op == ">=";
}

const FieldDef* fieldOf(const RecordInfo& info, std::string_view name) {
    int i = info.fieldIndex(name);
    return i < 0 ? nullptr : &info.fields[static_cast<std::size_t>(i)];
}

ColumnKind kindOf(const RecordInfo& info, std::string_view name) {
    const FieldDef* f = fieldOf(info, name);
    return f ? ColumnKind::of(*f) : ColumnKind{};
}

// The right-hand side of a condition: a placeholder, or the number itself.
bool bound(const Condition& c) { return !(c.literal && c.value.type == Value::Type::Int); }
std::string operand(const Backend& db, const RecordInfo& info, const Condition& c) {
    return bound(c) ? std::string("?") : db.literal(c.value.i, *fieldOf(info, c.field));
}

std::string tailOf(const RecordInfo& info) { return info.uniqueField.empty() ? "_rid" : quote(info.uniqueField); }
const FieldDef* tailFieldOf(const RecordInfo& info) {
    return info.uniqueField.empty() ? nullptr : fieldOf(info, info.uniqueField);
}

std::string keyOrderOf(const Backend& db, const RecordInfo& info, int key, const std::string& alias) {
    std::string o;
    const KeyDef& k = info.keys.at(static_cast<std::size_t>(key));
    for (const auto& c : k.fields) {
        const FieldDef* f = fieldOf(info, c);
        std::string e = alias + quote(c);
        if (k.noCase && f && f->kind == FieldKind::String) e = db.noCase(e);
        o += db.orderTerm(e, f, false) + ", ";
    }
    return o + db.orderTerm(alias + tailOf(info), tailFieldOf(info), false);
}

}  // namespace

bool Store::createIndexes(const RecordInfo& info) {
    for (std::size_t n = 0; n < info.keys.size(); ++n) {
        const KeyDef& k = info.keys[n];
        std::string cols = k.unique ? std::string() : keyOrderOf(*db_, info, static_cast<int>(n), "");
        if (k.unique) {
            for (const auto& c : k.fields) {
                const FieldDef* f = fieldOf(info, c);
                std::string e = quote(c);
                if (k.noCase && f && f->kind == FieldKind::String) e = db_->noCase(e);
                cols += (cols.empty() ? "" : ", ") + db_->orderTerm(e, f, false);
            }
        }
        std::string sql = std::string("CREATE ") + (k.unique ? "UNIQUE " : "") + "INDEX IF NOT EXISTS " +
                          quote(info.name + "_" + k.name) + " ON " + quote(info.name) + " (" + cols + ")";
        if (!db_->exec(sql)) return false;
    }
    return true;
}

bool Store::addMissingColumns(const RecordInfo& info) {
    std::vector<std::string> have = db_->columns(info.name);
    if (have.empty()) return createTable(info);
    for (const auto& f : info.fields) {
        bool found = false;
        for (const auto& h : have) found = found || h == f.name;
        if (!found && !db_->exec("ALTER TABLE " + quote(info.name) + " ADD COLUMN " + quote(f.name) + " " +
                                 db_->columnType(f)))
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
        filter += (filter.empty() ? " WHERE " : " AND ") + quote(c.field) + " " + c.op + " " +
                  db_->literal(c.value.i, *fieldOf(info, c.field));
    }
    return db_->exec("CREATE INDEX IF NOT EXISTS " + quote(info.name + "_" + name) + " ON " + quote(info.name) + " (" +
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
        for (const auto& c : k.fields) order += db_->orderTerm(quote(c), fieldOf(info, c), false) + ", ";
        order += db_->orderTerm(tailOf(info), tailFieldOf(info), false);
    }
    auto st = db_->prepare("SELECT " + cols + " FROM " + quote(info.name) + " ORDER BY " + order);
    std::vector<Value> row(info.fields.size());
    while (st->step()) {
        for (std::size_t i = 0; i < info.fields.size(); ++i) row[i] = st->value(static_cast<int>(i));
        visit(row);
    }
    if (st->failed()) {
        error = db_->error();
        return false;
    }
    return true;
}

namespace {

// The statement of a projection, its filter bound; nothing with `error`
// set when a field or condition is not of the file.
std::optional<Stmt> projection(Backend& db, const RecordInfo& info, int key, const std::vector<Condition>& filter,
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
        where += (where.empty() ? " WHERE " : " AND ") + quote(c.field) + " " + c.op + " " + operand(db, info, c);
    }
    std::string order;
    if (!orderBy.empty()) {
        for (const auto& [f, descending] : orderBy) {
            const FieldDef* fd = fieldOf(info, f);
            if (!fd) {
                error = "no field " + f + " in " + info.name;
                return std::nullopt;
            }
            order += db.orderTerm(quote(f), fd, descending) + ", ";
        }
        order += db.orderTerm(tailOf(info), tailFieldOf(info), false);
    } else {
        order = key >= 0 ? keyOrderOf(db, info, key, "") : "_rid";
    }
    auto st = db.prepare("SELECT " + cols + " FROM " + quote(info.name) + where + " ORDER BY " + order);
    int n = 0;
    for (const auto& c : filter)
        if (bound(c)) st->bind(++n, c.value, kindOf(info, c.field));
    return std::optional<Stmt>(std::move(st));
}

}  // namespace

bool Store::project(const RecordInfo& info, int key, const std::vector<Condition>& filter,
                    const std::vector<std::string>& fields,
                    const std::function<void(const std::vector<Value>&)>& visit, std::string& error,
                    const std::vector<std::pair<std::string, bool>>& orderBy) {
    auto st = projection(*db_, info, key, filter, fields, orderBy, error);
    if (!st) return false;
    std::vector<Value> row(fields.size());
    while ((*st)->step()) {
        for (std::size_t i = 0; i < fields.size(); ++i) row[i] = (*st)->value(static_cast<int>(i));
        visit(row);
    }
    if ((*st)->failed()) {
        error = db_->error();
        return false;
    }
    return true;
}

bool Store::projectRows(const RecordInfo& info, int key, const std::vector<Condition>& filter,
                        const std::vector<std::string>& fields, const std::function<void(const Row&)>& visit,
                        std::string& error, const std::vector<std::pair<std::string, bool>>& orderBy) {
    auto st = projection(*db_, info, key, filter, fields, orderBy, error);
    if (!st) return false;
    const Row row(**st);
    while ((*st)->step()) visit(row);
    if ((*st)->failed()) {
        error = db_->error();
        return false;
    }
    return true;
}

bool Row::isNull(int field) const { return st_->isNull(field); }
std::int64_t Row::integer(int field) const { return st_->integer(field); }
double Row::real(int field) const { return st_->real(field); }
std::string_view Row::text(int field) const { return st_->text(field); }

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
        on += " AND c." + quote(cond.field) + " " + cond.op + " " + operand(*db_, c, cond);
    }
    std::string where;
    for (const auto& cond : j.parentFilter) {
        if (p.fieldIndex(cond.field) < 0 || !knownOp(cond.op)) { error = "bad condition on " + cond.field; return false; }
        where += (where.empty() ? " WHERE p." : " AND p.") + quote(cond.field) + " " + cond.op + " " +
                 operand(*db_, p, cond);
    }
    std::string sql = "SELECT " + cols + " FROM " + quote(p.name) + " p " + (j.keepChildless ? "LEFT " : "") +
                      "JOIN " + quote(c.name) + " c" + on + where + " ORDER BY " + keyOrderOf(*db_, p, j.parentKey, "p.") +
                      (j.orderChildren ? ", " + db_->orderTerm("c." + tailOf(c), tailFieldOf(c), false) : std::string());
    auto st = db_->prepare(sql);
    // Placeholders in the order they appear: the link's, then the parent's.
    int n = 0;
    for (const auto& cond : j.childFilter)
        if (bound(cond)) st->bind(++n, cond.value, kindOf(c, cond.field));
    for (const auto& cond : j.parentFilter)
        if (bound(cond)) st->bind(++n, cond.value, kindOf(p, cond.field));
    std::vector<Value> pv(j.parentFields.size()), cv(j.childFields.size());
    const int np = static_cast<int>(j.parentFields.size());
    while (st->step()) {
        for (int i = 0; i < np; ++i) pv[static_cast<std::size_t>(i)] = st->value(i);
        for (std::size_t i = 0; i < cv.size(); ++i) cv[i] = st->value(np + static_cast<int>(i));
        visit(pv, cv);
    }
    if (st->failed()) {
        error = db_->error();
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- Transaction

Transaction::Transaction(Store& store) : store_(store) {
    Backend& db = store_.backend();
    if (db.inTransaction()) {
        static std::atomic<int> counter{0};
        savepoint_ = "sp" + std::to_string(++counter);
        open_ = db.savepoint(savepoint_);
    } else {
        open_ = db.beginWrite();
        if (open_) {
            store_.writing_ = true;
            ++store_.writeEpoch_;
        }
    }
    if (!open_) status_ = Status::failure(db.error());
}

ReadTransaction::ReadTransaction(Store& store) : store_(store) {
    Backend& db = store_.backend();
    if (db.inTransaction()) return;  // the caller's transaction already holds one moment
    open_ = db.beginRead();
    if (!open_) {
        status_ = Status::failure(db.error());
        db.rollback();
    }
}

ReadTransaction::~ReadTransaction() {
    if (open_) store_.backend().rollback();
}

Transaction::~Transaction() {
    if (open_) rollback();
}

Status Transaction::commit() {
    if (!open_) return status_.ok ? Status::failure("transaction already ended") : status_;
    Backend& db = store_.backend();
    if (savepoint_.empty() && !store_.keepNumbers()) {
        Status s = Status::failure(db.error());
        rollback();
        return s;
    }
    bool ok = savepoint_.empty() ? db.commit() : db.release(savepoint_);
    if (savepoint_.empty()) store_.forgetNumbers();
    if (!ok) {
        Status s = Status::failure(db.error());
        rollback();
        return s;
    }
    open_ = false;
    return Status::success();
}

void Transaction::rollback() {
    if (!open_) return;
    Backend& db = store_.backend();
    if (savepoint_.empty()) {
        db.rollback();
        store_.forgetNumbers();
    } else {
        // Numbers handed out inside the savepoint stay handed out: they
        // are kept at commit all the same and never given again.
        db.rollbackTo(savepoint_);
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
    if (store.backend().insertReturnsRowId()) insertSql_ += " RETURNING _rid";
    updateSql_ = "UPDATE " + quote(info.name) + " SET " + sets + " WHERE _rid = ?";
    deleteSql_ = "DELETE FROM " + quote(info.name) + " WHERE _rid = ?";
    if (!info.autoNumber.empty()) autoIndex_ = info.fieldIndex(info.autoNumber);
}

Backend& TableCore::db() { return store_.backend(); }

Status TableCore::failure(const char* op) { return Status::failure(db().error() + words(op)); }

void TableCore::bindRecord(Statement& st, const void* rec, int first) const {
    BindSink sink(st, first);
    for (const auto& f : info_.fields) {
        sink.field(f);
        f.put(rec, sink);
    }
}

void TableCore::readRow(Statement& st, void* rec, RecordBase& base) const {
    base.rowId_ = st.integer(0);
    RowSource src(st, 1);
    for (std::size_t i = 0; i < info_.fields.size(); ++i) {
        src.at(static_cast<int>(i) + 1);
        info_.fields[i].get(rec, src);
    }
}

const FieldDef& TableCore::componentField(int key, std::size_t component) const {
    const KeyDef& k = info_.keys.at(static_cast<std::size_t>(key));
    return info_.fields.at(static_cast<std::size_t>(info_.fieldIndex(k.fields[component])));
}

std::string TableCore::componentExpr(int key, std::size_t component) const {
    const KeyDef& k = info_.keys.at(static_cast<std::size_t>(key));
    std::string e = quote(k.fields[component]);
    if (k.noCase && componentField(key, component).kind == FieldKind::String) e = store_.backend().noCase(e);
    return e;
}

std::string TableCore::componentParam(int key, std::size_t component) const {
    const KeyDef& k = info_.keys.at(static_cast<std::size_t>(key));
    if (k.noCase && componentField(key, component).kind == FieldKind::String)
        return store_.backend().noCaseParameter();
    return "?";
}

std::string TableCore::tailColumn() const {
    return info_.uniqueField.empty() ? std::string("_rid") : quote(info_.uniqueField);
}

ColumnKind TableCore::tailKind() const {
    return info_.uniqueField.empty() ? ColumnKind{} : kindOf(info_, info_.uniqueField);
}

std::string TableCore::keyOrder(int key, bool backward) const {
    const KeyDef& k = info_.keys.at(static_cast<std::size_t>(key));
    const Backend& b = store_.backend();
    std::string o;
    for (std::size_t c = 0; c < k.fields.size(); ++c)
        o += b.orderTerm(componentExpr(key, c), &componentField(key, c), backward) + ", ";
    o += b.orderTerm(tailColumn(), tailFieldOf(info_), backward);
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
    for (std::size_t c = 0; c < k.fields.size(); ++c)
        where += (c ? " AND " : "") + componentExpr(key, c) + " = " + componentParam(key, c);
    auto st = db().prepare("SELECT " + columns_ + " FROM " + quote(info_.name) + " WHERE " + where + " ORDER BY " +
                           keyOrder(key, false) + " LIMIT 1");
    auto values = keyValues(key, rec, base, false);
    for (std::size_t i = 0; i < values.size(); ++i)
        st->bind(static_cast<int>(i) + 1, values[i], ColumnKind::of(componentField(key, i)));
    if (st->step()) {
        readRow(*st, rec, base);
        return true;
    }
    if (st->failed() && error) *error = db().error();
    return false;
}

std::int64_t TableCore::highestNumber() {
    if (autoIndex_ < 0) return 0;
    return numberKnown() ? known_ : highestOnFile();
}

void TableCore::handedOut(std::int64_t number, bool keepAtCommit) {
    if (!store_.writing_) return;
    if (!numberKnown()) {
        known_ = highestOnFile();
        knownIn_ = store_.writeEpoch_;
    }
    known_ = std::max(known_, number);
    if (keepAtCommit && number > toKeep_) {
        if (toKeep_ == 0) store_.numbering_.push_back(this);
        toKeep_ = number;
    }
}

std::int64_t TableCore::highestOnFile() {
    std::int64_t highest = 0;
    {
        auto st = db().prepare("SELECT COALESCE(MAX(" + quote(info_.autoNumber) + "), 0) FROM " + quote(info_.name));
        if (st->step()) highest = st->integer(0);
    }
    return std::max(highest, reservedNumber());
}

std::int64_t TableCore::reservedNumber() {
    if (!store_.numbersKept()) return 0;
    auto st = db().prepare("SELECT \"Last\" FROM \"_Numbers\" WHERE \"File\"=?");
    st->bindText(1, info_.name);
    return st->step() ? st->integer(0) : 0;
}

bool TableCore::keepNumber(std::int64_t number) {
    if (!store_.numbersKept()) return true;
    auto st = db().prepare(db().keepNumberSql());
    st->bindText(1, info_.name);
    st->bindInt(2, number);
    st->step();
    return !st->failed();
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
    handedOut(next + count - 1, false);
    Status s = tx.commit();
    if (!s) return Status::failure(s.message + words("Autoincrementing"));
    first = next;
    return Status::success();
}

namespace {
// Runs an insert and tells the new row's identity (0 when it failed).
std::int64_t runInsert(Backend& db, Statement& st) {
    if (db.insertReturnsRowId()) return st.step() ? st.integer(0) : 0;
    st.step();
    return st.failed() ? 0 : db.lastInsertRowId();
}
}  // namespace

Status TableCore::insert(void* rec, RecordBase& base) {
    Backend& b = db();
    // Every write waits for the other writers, as one statement of its own
    // does on a file. Numbering reads the highest number and inserts under
    // that one wait, so two users never get the same number. Inside a
    // caller's transaction the lock is already held.
    std::optional<Transaction> tx;
    if ((autoIndex_ >= 0 || b.server()) && !b.inTransaction()) {
        tx.emplace(store_);
        if (!tx->status()) return Status::failure(tx->status().message + words("Inserting"));
    }
    if (autoIndex_ >= 0) {
        CaptureSink now;
        info_.fields[static_cast<std::size_t>(autoIndex_)].put(rec, now);
        if (now.values[0].i == 0) {
            Value next{Value::Type::Int, highestNumber() + 1, 0, {}};
            // Kept as handed out, so the number of a record deleted later is
            // never given to another (its notes and attachments may remain):
            // at the commit of the write transaction, or at once in a
            // transaction the store did not begin.
            if (store_.writing_) handedOut(next.i, true);
            else if (!keepNumber(next.i)) return failure("Inserting");
            ValueSource src(next);
            info_.fields[static_cast<std::size_t>(autoIndex_)].get(rec, src);
        } else {
            handedOut(now.values[0].i, false);
        }
    }
    std::int64_t rowId = 0;
    {
        auto st = b.prepare(insertSql_);
        bindRecord(*st, rec, 1);
        rowId = runInsert(b, *st);
        if (st->failed()) return failure("Inserting");
    }
    base.rowId_ = rowId;
    if (tx) {
        Status s = tx->commit();
        if (!s) {
            base.rowId_ = 0;
            return Status::failure(s.message + words("Inserting"));
        }
    }
    return Status::success();
}

Status TableCore::insertRow(const std::vector<Value>& row) {
    auto st = db().prepare(insertSql_);
    for (std::size_t i = 0; i < info_.fields.size() && i < row.size(); ++i)
        st->bind(static_cast<int>(i) + 1, row[i], ColumnKind::of(info_.fields[i]));
    runInsert(db(), *st);
    if (st->failed()) return failure("Inserting");
    return Status::success();
}

Status TableCore::update(const void* rec, const RecordBase& base) {
    Backend& b = db();
    std::optional<Transaction> tx;
    if (b.server() && !b.inTransaction()) {
        tx.emplace(store_);
        if (!tx->status()) return Status::failure(tx->status().message + words("Saving"));
    }
    {
        auto st = b.prepare(updateSql_);
        bindRecord(*st, rec, 1);
        st->bindInt(static_cast<int>(info_.fields.size()) + 1, base.rowId_);
        st->step();
        if (st->failed()) return failure("Saving");
        if (st->changes() == 0) return Status::failure("Record no longer exists" + words("Saving"));
    }
    if (tx) {
        Status s = tx->commit();
        if (!s) return Status::failure(s.message + words("Saving"));
    }
    return Status::success();
}

Status TableCore::remove(const void* rec, RecordBase& base, bool cascade) {
    Backend& b = db();
    Transaction tx(store_);
    if (!tx.status()) return Status::failure(tx.status().message + words("Deleting"));
    if (cascade) {
        for (const auto& rel : info_.children) {
            const RecordInfo* child = store_.schema().find(rel.childFile);
            int pf = info_.fieldIndex(rel.parentField);
            if (!child || pf < 0) continue;
            CaptureSink v;
            info_.fields[static_cast<std::size_t>(pf)].put(rec, v);
            auto st = b.prepare("DELETE FROM " + quote(child->name) + " WHERE " + quote(rel.childField) + " = ?");
            st->bind(1, v.values[0], kindOf(*child, rel.childField));
            st->step();
            if (st->failed()) return Status::failure(b.error() + " Deleting " + child->name);
        }
    }
    {
        auto st = b.prepare(deleteSql_);
        st->bindInt(1, base.rowId_);
        st->step();
        if (st->failed()) return failure("Deleting");
        if (st->changes() == 0) return Status::failure("Record no longer exists" + words("Deleting"));
    }
    Status s = tx.commit();
    if (!s) return Status::failure(s.message + words("Deleting"));
    base.rowId_ = 0;
    return s;
}

std::int64_t TableCore::count() {
    auto st = db().prepare("SELECT count(*) FROM " + quote(info_.name));
    return st->step() ? st->integer(0) : 0;
}

std::int64_t TableCore::count(int key, const void* rec, int fixed) {
    std::string where;
    for (int c = 0; c < fixed; ++c)
        where += (c ? " AND " : " WHERE ") + componentExpr(key, static_cast<std::size_t>(c)) + " = " +
                 componentParam(key, static_cast<std::size_t>(c));
    auto st = db().prepare("SELECT count(*) FROM " + quote(info_.name) + where);
    RecordBase none;
    auto values = keyValues(key, rec, none, false);
    for (int i = 0; i < fixed; ++i)
        st->bind(i + 1, values[static_cast<std::size_t>(i)],
                 ColumnKind::of(componentField(key, static_cast<std::size_t>(i))));
    return st->step() ? st->integer(0) : 0;
}

bool TableCore::readBatch(int key, const std::vector<Value>& position, const ScanFrom& from,
                          const std::vector<Value>& after, int limit, const std::function<void(Statement&)>& row,
                          std::string& error) {
    const KeyDef& k = info_.keys.at(static_cast<std::size_t>(key));
    const std::size_t n = k.fields.size();
    std::string where;
    std::vector<std::pair<const Value*, ColumnKind>> binds;
    auto add = [&](const std::string& cond) { where += (where.empty() ? " WHERE " : " AND ") + cond; };
    for (int c = 0; c < from.fixed && static_cast<std::size_t>(c) < n; ++c) {
        const auto cc = static_cast<std::size_t>(c);
        add(componentExpr(key, cc) + " = " + componentParam(key, cc));
        binds.emplace_back(&position[cc], ColumnKind::of(componentField(key, cc)));
    }
    std::string lhs, rhs;
    for (std::size_t c = 0; c < n; ++c) {
        lhs += (c ? ", " : "") + componentExpr(key, c);
        rhs += (c ? ", " : "") + componentParam(key, c);
    }
    if (!after.empty()) {
        add("(" + lhs + ", " + tailColumn() + ") " + (from.backward ? "<" : ">") + " (" + rhs + ", ?)");
        for (std::size_t i = 0; i < after.size(); ++i)
            binds.emplace_back(&after[i], i < n ? ColumnKind::of(componentField(key, i)) : tailKind());
    } else if (!from.fromStart) {
        add("(" + lhs + ") " + (from.backward ? "<=" : ">=") + " (" + rhs + ")");
        for (std::size_t i = 0; i < position.size(); ++i)
            binds.emplace_back(&position[i], ColumnKind::of(componentField(key, i)));
    }
    auto st = db().prepare("SELECT " + columns_ + " FROM " + quote(info_.name) + where + " ORDER BY " +
                           keyOrder(key, from.backward) + " LIMIT " + std::to_string(limit));
    for (std::size_t i = 0; i < binds.size(); ++i) st->bind(static_cast<int>(i) + 1, *binds[i].first, binds[i].second);
    while (st->step()) row(*st);
    if (st->failed()) {
        error = db().error();
        return false;
    }
    return true;
}

}  // namespace vtl::store
