#include "platform/store/postgres.h"

#include <libpq-fe.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <deque>
#include <stdexcept>
#include <unordered_map>

#include "platform/store/backend.h"

namespace vtl::store {
namespace {

// The type identities of the built-in types the store reads.
constexpr Oid kInt2 = 21, kInt4 = 23, kInt8 = 20, kOid = 26, kNumeric = 1700, kFloat4 = 700, kFloat8 = 701,
              kBytea = 17;

// Every write transaction of a company waits for this lock of its database;
// advisory locks belong to one database, so companies never wait for each
// other.
constexpr const char* kWriterLock = "7675607011";

// What the engines say when a writer waited too long: SQLite's words, so a
// person reads the same whichever store the company is kept in.
constexpr const char* kLockedText = "database is locked";

std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
    std::string out;
    for (char c : text)
        if (!(c == ' ' && (out.empty() || out.back() == ' '))) out += c;
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// A decimal's scaled whole number as the decimal it stands for.
std::string scaledText(std::int64_t v, int scale) {
    if (scale <= 0) return std::to_string(v);
    const bool negative = v < 0;
    // The magnitude as unsigned, so the lowest number has one too.
    std::uint64_t m = negative ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    std::string digits = std::to_string(m);
    if (digits.size() <= static_cast<std::size_t>(scale))
        digits.insert(0, static_cast<std::size_t>(scale) + 1 - digits.size(), '0');
    digits.insert(digits.size() - static_cast<std::size_t>(scale), 1, '.');
    return negative ? "-" + digits : digits;
}

// A NUMERIC's text as a whole number scaled by `scale`, rounded half away
// from zero past it.
std::int64_t scaledNumber(std::string_view t, int scale) {
    bool negative = false;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) negative = t[i++] == '-';
    std::int64_t v = 0;
    for (; i < t.size() && t[i] != '.'; ++i)
        if (t[i] >= '0' && t[i] <= '9') v = v * 10 + (t[i] - '0');
    int kept = 0;
    bool roundUp = false;
    if (i < t.size() && t[i] == '.') {
        for (++i; i < t.size(); ++i) {
            if (t[i] < '0' || t[i] > '9') break;
            if (kept < scale) {
                v = v * 10 + (t[i] - '0');
                ++kept;
            } else {
                roundUp = t[i] >= '5';
                break;
            }
        }
    }
    for (; kept < scale; ++kept) v *= 10;
    if (roundUp) ++v;
    return negative ? -v : v;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;
}

class PgBackend;

// A prepared statement: its parameters kept as text (bytes for blobs),
// its rows read whole for short reads and one at a time for the long
// ones (projections, joins, dumps), which may run to a million rows.
class PgStatement : public Statement {
public:
    PgStatement(PgBackend& db, std::string name, int params, bool stream)
        : db_(db), name_(std::move(name)), values_(static_cast<std::size_t>(params)),
          isNull_(static_cast<std::size_t>(params), 1), binary_(static_cast<std::size_t>(params), 0),
          stream_(stream) {}
    ~PgStatement() override { clearResults(); }

    void bindNull(int i) override { slot(i, nullptr, 0, false); }
    void bindInt(int i, std::int64_t v, ColumnKind k) override {
        const std::string t = k.kind == FieldKind::Decimal ? scaledText(v, k.scale) : std::to_string(v);
        slot(i, t.data(), t.size(), false);
    }
    void bindReal(int i, double v) override {
        char buf[40];
        int n = std::snprintf(buf, sizeof buf, "%.17g", v);
        slot(i, buf, static_cast<std::size_t>(n), false);
    }
    void bindText(int i, std::string_view v, ColumnKind) override { slot(i, v.data(), v.size(), false); }
    void bindBlob(int i, const void* data, std::size_t size) override {
        slot(i, static_cast<const char*>(data), size, true);
    }

    bool step() override;
    bool failed() const override { return failed_; }
    std::int64_t changes() const override { return changes_; }
    void reset() override;

    bool isNull(int col) const override { return PQgetisnull(res_, row_, col) != 0; }
    std::int64_t integer(int col) const override {
        std::string_view t = text(col);
        const Oid type = PQftype(res_, col);
        if (type == kNumeric) return scaledNumber(t, scaleOf(col));
        if (type == kFloat8 || type == kFloat4) return static_cast<std::int64_t>(std::strtod(std::string(t).c_str(), nullptr));
        std::int64_t v = 0;
        std::from_chars(t.data(), t.data() + t.size(), v);
        return v;
    }
    double real(int col) const override {
        const Oid type = PQftype(res_, col);
        if (type == kFloat8 || type == kFloat4) return std::strtod(PQgetvalue(res_, row_, col), nullptr);
        return static_cast<double>(integer(col));
    }
    std::string_view text(int col) const override {
        return std::string_view(PQgetvalue(res_, row_, col), static_cast<std::size_t>(PQgetlength(res_, row_, col)));
    }
    std::string blob(int col) const override {
        std::string_view t = text(col);
        std::string out;
        if (t.size() >= 2 && t[0] == '\\' && t[1] == 'x') {
            out.reserve((t.size() - 2) / 2);
            for (std::size_t i = 2; i + 1 < t.size(); i += 2)
                out += static_cast<char>(hexDigit(t[i]) * 16 + hexDigit(t[i + 1]));
        } else {
            out = std::string(t);
        }
        return out;
    }
    Value value(int col) const override {
        if (isNull(col)) return {};
        switch (PQftype(res_, col)) {
            case kInt2:
            case kInt4:
            case kInt8:
            case kOid:
            case kNumeric: return {Value::Type::Int, integer(col), 0, {}};
            case kFloat4:
            case kFloat8: return {Value::Type::Real, 0, real(col), {}};
            case kBytea: return {Value::Type::Blob, 0, 0, blob(col)};
            default: return {Value::Type::Text, 0, 0, std::string(text(col))};
        }
    }

    // Reads the rest of a long read into memory, so the connection is free
    // for a statement run while this one's rows are being visited.
    void drain();

private:
    friend class PgBackend;
    void slot(int i, const char* data, std::size_t size, bool binary) {
        const auto k = static_cast<std::size_t>(i - 1);
        if (k >= values_.size()) return;
        isNull_[k] = data == nullptr;
        binary_[k] = binary;
        values_[k].assign(data ? data : "", size);
    }
    bool run();
    bool nextStreamed();
    bool takeResult(PGresult* r);
    int scaleOf(int col) const {
        const int mod = PQfmod(res_, col);
        return mod < 4 ? 0 : ((mod - 4) & 0xffff);
    }
    void clearResults() {
        if (res_) PQclear(res_);
        res_ = nullptr;
        for (auto* r : pending_) PQclear(r);
        pending_.clear();
    }

    PgBackend& db_;
    std::string name_;
    std::vector<std::string> values_;
    std::vector<char> isNull_;
    std::vector<char> binary_;
    const bool stream_;
    PGresult* res_ = nullptr;
    std::deque<PGresult*> pending_;  // drained rows not yet visited
    int row_ = -1;
    bool started_ = false;
    bool streaming_ = false;  // rows still to come from the server
    bool failed_ = false;
    std::int64_t changes_ = 0;
};

class PgBackend : public Backend {
public:
    ~PgBackend() override {
        settle();
        cache_.clear();
        if (conn_) PQfinish(conn_);
    }

    bool connect(const std::string& address, bool create, std::string& error);

    const std::string& where() const override { return where_; }
    bool server() const override { return true; }
    // A connection begins read-only, as a file opened read-only is; one
    // opened for writing says so once its database's version is known.
    bool startWriting() override { return exec("SET default_transaction_read_only = off"); }
    bool exec(const std::string& sql) override {
        settle();
        PGresult* r = PQexec(conn_, sql.c_str());
        const bool ok = check(r);
        PQclear(r);
        return ok;
    }
    Stmt prepare(const std::string& sql) override;
    std::string error() const override { return error_; }

    bool inTransaction() const override { return depth_ > 0; }
    bool beginWrite() override {
        // Read committed: once the lock is held, every statement sees what
        // the writers before committed.
        if (!exec(std::string("BEGIN; SET LOCAL lock_timeout = '5s'; SELECT pg_advisory_xact_lock(") + kWriterLock +
                  ")")) {
            const std::string why = error_;
            exec("ROLLBACK");
            error_ = why;
            return false;
        }
        depth_ = 1;
        firstError_.clear();
        return true;
    }
    bool beginRead() override {
        // Read-only, so a write slipped into a read snapshot fails at once
        // instead of writing without the writers' lock.
        if (!exec("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY")) return false;
        depth_ = 1;
        firstError_.clear();
        return true;
    }
    bool commit() override {
        settle();
        PGresult* r = PQexec(conn_, "COMMIT");
        bool ok = check(r);
        // A transaction in which a statement failed ends rolled back, and
        // COMMIT says so only by its tag.
        if (ok && std::strcmp(PQcmdStatus(r), "ROLLBACK") == 0) {
            ok = false;
            error_ = firstError_.empty() ? std::string("the transaction was rolled back") : firstError_;
        }
        PQclear(r);
        depth_ = 0;
        return ok;
    }
    void rollback() override {
        if (depth_ == 0) return;
        const std::string keep = error_;
        exec("ROLLBACK");
        error_ = keep;
        depth_ = 0;
    }
    bool savepoint(const std::string& name) override { return exec("SAVEPOINT " + name); }
    bool release(const std::string& name) override { return exec("RELEASE SAVEPOINT " + name); }
    void rollbackTo(const std::string& name) override {
        const std::string keep = error_;
        exec("ROLLBACK TO SAVEPOINT " + name + "; RELEASE SAVEPOINT " + name);
        error_ = keep;
    }

    int schemaVersion() override {
        if (!hasTable("_Version")) return 0;
        auto st = prepare("SELECT \"Version\" FROM \"_Version\"");
        return st->step() ? static_cast<int>(st->integer(0)) : 0;
    }
    bool setSchemaVersion(int version) override {
        return exec("CREATE TABLE IF NOT EXISTS \"_Version\" (\"Version\" INTEGER NOT NULL); "
                    "DELETE FROM \"_Version\"; INSERT INTO \"_Version\" VALUES (" +
                    std::to_string(version) + ")");
    }
    bool hasTable(const std::string& name) override {
        auto st = prepare(
            "SELECT count(*) FROM pg_catalog.pg_class c JOIN pg_catalog.pg_namespace n ON n.oid = c.relnamespace "
            "WHERE c.relname = ? AND c.relkind IN ('r', 'p') AND n.nspname = current_schema()");
        st->bindText(1, name);
        return st->step() && st->integer(0) > 0;
    }
    std::vector<std::string> columns(const std::string& table) override {
        std::vector<std::string> have;
        auto st = prepare("SELECT column_name FROM information_schema.columns "
                          "WHERE table_schema = current_schema() AND table_name = ? ORDER BY ordinal_position");
        st->bindText(1, table);
        while (st->step()) have.emplace_back(st->text(0));
        return have;
    }

    std::string rowIdColumn() const override { return "_rid BIGINT GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY"; }
    std::string columnType(const FieldDef& f) const override {
        switch (f.kind) {
            case FieldKind::String: return "TEXT COLLATE \"C\" NOT NULL DEFAULT ''";
            case FieldKind::Date: return "DATE";
            case FieldKind::Time: return "INTEGER";
            case FieldKind::Real: return "DOUBLE PRECISION NOT NULL DEFAULT 0";
            case FieldKind::Decimal:
                return "NUMERIC(" + std::to_string(f.precision) + ", " + std::to_string(f.scale) + ") NOT NULL DEFAULT 0";
            case FieldKind::Gap: return "BYTEA";
            case FieldKind::ULong: return "BIGINT NOT NULL DEFAULT 0";
            default: return "INTEGER NOT NULL DEFAULT 0";
        }
    }
    std::string noCase(const std::string& column) const override { return "lower(" + column + ")"; }
    std::string noCaseParameter() const override { return "lower(?::text)"; }
    std::string orderTerm(const std::string& expr, const FieldDef* f, bool descending) const override {
        const bool nullable = f && (f->kind == FieldKind::Date || f->kind == FieldKind::Time);
        if (!nullable) return descending ? expr + " DESC" : expr;
        return descending ? expr + " DESC NULLS LAST" : expr + " NULLS FIRST";
    }
    std::string literal(std::int64_t v, const FieldDef& f) const override {
        return f.kind == FieldKind::Decimal ? scaledText(v, f.scale) : std::to_string(v);
    }
    std::string keepNumberSql() const override {
        return "INSERT INTO \"_Numbers\" (\"File\", \"Last\") VALUES (?, ?) ON CONFLICT (\"File\") "
               "DO UPDATE SET \"Last\" = GREATEST(\"_Numbers\".\"Last\", excluded.\"Last\")";
    }
    bool insertReturnsRowId() const override { return true; }
    std::int64_t lastInsertRowId() const override { return 0; }

    PGconn* conn() { return conn_; }
    // Frees the connection of a long read still under way.
    void settle() {
        if (active_) {
            PgStatement* s = active_;
            active_ = nullptr;
            s->drain();
        }
    }
    void streaming(PgStatement* s) { active_ = s; }
    void done(PgStatement* s) {
        if (active_ == s) active_ = nullptr;
    }
    // Takes a result's error, if any; true when it is none.
    bool check(const PGresult* r) {
        const ExecStatusType st = PQresultStatus(r);
        if (st == PGRES_COMMAND_OK || st == PGRES_TUPLES_OK || st == PGRES_SINGLE_TUPLE) return true;
        const char* state = r ? PQresultErrorField(r, PG_DIAG_SQLSTATE) : nullptr;
        const char* primary = r ? PQresultErrorField(r, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
        if (state && std::strcmp(state, "55P03") == 0) error_ = kLockedText;
        else if (primary) error_ = primary;
        else error_ = oneLine(PQerrorMessage(conn_));
        if (error_.empty()) error_ = "the server did not answer";
        if (depth_ > 0 && firstError_.empty()) firstError_ = error_;
        return false;
    }

private:
    PGconn* conn_ = nullptr;
    std::string where_;
    std::string error_;
    std::string firstError_;  // of the open transaction
    int depth_ = 0;
    PgStatement* active_ = nullptr;
    std::unordered_map<std::string, std::unique_ptr<PgStatement>> cache_;
};

bool PgStatement::run() {
    db_.settle();
    std::vector<const char*> values(values_.size());
    std::vector<int> lengths(values_.size()), formats(values_.size());
    for (std::size_t i = 0; i < values_.size(); ++i) {
        values[i] = isNull_[i] ? nullptr : values_[i].data();
        lengths[i] = static_cast<int>(values_[i].size());
        formats[i] = binary_[i];
    }
    const int n = static_cast<int>(values_.size());
    if (!stream_) {
        return takeResult(PQexecPrepared(db_.conn(), name_.c_str(), n, values.data(), lengths.data(), formats.data(), 0));
    }
    if (!PQsendQueryPrepared(db_.conn(), name_.c_str(), n, values.data(), lengths.data(), formats.data(), 0)) {
        db_.check(nullptr);
        failed_ = true;
        return false;
    }
    PQsetSingleRowMode(db_.conn());
    streaming_ = true;
    db_.streaming(this);
    return true;
}

bool PgStatement::takeResult(PGresult* r) {
    if (!db_.check(r)) {
        PQclear(r);
        failed_ = true;
        return false;
    }
    const char* tuples = PQcmdTuples(r);
    changes_ = tuples && *tuples ? std::strtoll(tuples, nullptr, 10) : 0;
    res_ = r;
    row_ = -1;
    return true;
}

// The next row of a long read: from the rows drained before, else from
// the server.
bool PgStatement::nextStreamed() {
    if (res_) PQclear(res_);
    res_ = nullptr;
    row_ = 0;
    for (;;) {
        PGresult* r = nullptr;
        if (!pending_.empty()) {
            r = pending_.front();
            pending_.pop_front();
        } else if (streaming_) {
            r = PQgetResult(db_.conn());
            if (!r) {
                streaming_ = false;
                db_.done(this);
                return false;
            }
        } else {
            return false;
        }
        const ExecStatusType st = PQresultStatus(r);
        if (st == PGRES_SINGLE_TUPLE) {
            res_ = r;
            return true;
        }
        if (st != PGRES_TUPLES_OK && !failed_) {
            db_.check(r);
            failed_ = true;
        }
        PQclear(r);
    }
}

void PgStatement::drain() {
    if (!streaming_) return;
    while (PGresult* r = PQgetResult(db_.conn())) pending_.push_back(r);
    streaming_ = false;
}

bool PgStatement::step() {
    if (!started_) {
        started_ = true;
        if (!run()) return false;
    }
    if (stream_) return nextStreamed();
    if (!res_) return false;
    ++row_;
    return row_ < PQntuples(res_);
}

void PgStatement::reset() {
    if (streaming_) {
        // A read left before its end: its remaining rows are passed over.
        db_.done(this);
        while (PGresult* r = PQgetResult(db_.conn())) PQclear(r);
        streaming_ = false;
    }
    clearResults();
    row_ = -1;
    started_ = false;
    failed_ = false;
    changes_ = 0;
    std::fill(isNull_.begin(), isNull_.end(), 1);
}

// The SQL with its "?" placeholders numbered as the server wants them.
std::string numbered(const std::string& sql, int& count) {
    std::string out;
    out.reserve(sql.size() + 16);
    char quote = 0;
    count = 0;
    for (char c : sql) {
        if (quote) {
            if (c == quote) quote = 0;
            out += c;
        } else if (c == '\'' || c == '"') {
            quote = c;
            out += c;
        } else if (c == '?') {
            out += "$" + std::to_string(++count);
        } else {
            out += c;
        }
    }
    return out;
}

Stmt PgBackend::prepare(const std::string& sql) {
    auto it = cache_.find(sql);
    if (it != cache_.end()) {
        if (it->second.get() == active_) settle();
        return Stmt(*it->second);
    }
    settle();
    int params = 0;
    const std::string text = numbered(sql, params);
    const std::string name = "s" + std::to_string(cache_.size() + 1);
    PGresult* r = PQprepare(conn_, name.c_str(), text.c_str(), 0, nullptr);
    const bool ok = check(r);
    PQclear(r);
    if (!ok) throw std::runtime_error(error_ + " [" + sql + "]");
    // Reads without a limit may be long: their rows come one at a time.
    const bool stream = sql.rfind("SELECT ", 0) == 0 && sql.find(" LIMIT ") == std::string::npos;
    auto& slot = cache_[sql];
    slot = std::make_unique<PgStatement>(*this, name, params, stream);
    return Stmt(*slot);
}

// Connects with the address's settings, the database replaced when `database`
// is given.
PGconn* connectTo(const std::string& address, const char* database) {
    const char* keys[] = {"dbname", database ? "dbname" : nullptr, nullptr};
    const char* values[] = {address.c_str(), database, nullptr};
    return PQconnectdbParams(keys, values, 1);
}

std::string databaseOf(const std::string& address) {
    std::string name;
    char* err = nullptr;
    if (PQconninfoOption* opts = PQconninfoParse(address.c_str(), &err)) {
        for (auto* o = opts; o->keyword; ++o)
            if (std::strcmp(o->keyword, "dbname") == 0 && o->val) name = o->val;
        PQconninfoFree(opts);
    }
    if (err) PQfreemem(err);
    return name;
}

bool PgBackend::connect(const std::string& address, bool create, std::string& error) {
    where_ = withoutPassword(address);
    char* parseError = nullptr;
    if (PQconninfoOption* opts = PQconninfoParse(address.c_str(), &parseError)) {
        PQconninfoFree(opts);
    } else {
        error = where_ + ": not a server address (" + oneLine(parseError ? parseError : "") + ")";
        if (parseError) PQfreemem(parseError);
        return false;
    }
    conn_ = connectTo(address, nullptr);
    if (PQstatus(conn_) != CONNECTION_OK && create && std::strstr(PQerrorMessage(conn_), "does not exist")) {
        // A new company may name a database the server does not have yet.
        const std::string name = databaseOf(address);
        std::string why;
        if (!name.empty() && createDatabase(address, name, why)) {
            PQfinish(conn_);
            conn_ = connectTo(address, nullptr);
        }
    }
    if (PQstatus(conn_) != CONNECTION_OK) {
        error = where_ + ": cannot connect to the server (" + oneLine(PQerrorMessage(conn_)) + ")";
        return false;
    }
    PQsetNoticeProcessor(conn_, [](void*, const char*) {}, nullptr);
    if (!exec("SET client_encoding = 'UTF8'; SET DateStyle = 'ISO, YMD'; SET client_min_messages = warning; "
              "SET default_transaction_read_only = on")) {
        error = where_ + ": cannot use the server (" + error_ + ")";
        return false;
    }
    return true;
}

}  // namespace

std::unique_ptr<Backend> openPostgres(const std::string& address, bool create, std::string& error) {
    auto b = std::make_unique<PgBackend>();
    if (!b->connect(address, create, error)) return nullptr;
    return b;
}

std::string withoutPassword(const std::string& address) {
    std::string a = address;
    const std::size_t scheme = a.find("://");
    if (scheme != std::string::npos) {
        const std::size_t start = scheme + 3;
        const std::size_t end = a.find_first_of("/?", start);
        const std::size_t at = a.rfind('@', end == std::string::npos ? a.size() : end);
        if (at != std::string::npos && at >= start) {
            const std::size_t colon = a.find(':', start);
            if (colon != std::string::npos && colon < at) a.erase(colon, at - colon);
        }
    }
    // A password among the parameters.
    const std::size_t q = a.find('?');
    if (q != std::string::npos) {
        std::string params = a.substr(q + 1), kept;
        std::size_t from = 0;
        while (from <= params.size()) {
            std::size_t amp = params.find('&', from);
            if (amp == std::string::npos) amp = params.size();
            std::string p = params.substr(from, amp - from);
            if (!p.empty() && p.rfind("password=", 0) != 0) kept += (kept.empty() ? "" : "&") + p;
            from = amp + 1;
        }
        a = a.substr(0, q) + (kept.empty() ? "" : "?" + kept);
    }
    return a;
}

std::string withDatabase(const std::string& address, const std::string& database) {
    const std::size_t scheme = address.find("://");
    if (scheme == std::string::npos) return address;
    const std::size_t start = scheme + 3;
    std::size_t path = address.find_first_of("/?", start);
    if (path == std::string::npos) return address + "/" + database;
    const std::size_t query = address.find('?', path);
    return address.substr(0, path) + "/" + database + (query == std::string::npos ? "" : address.substr(query));
}

namespace {
bool onMaintenance(const std::string& address, const std::string& sql, std::string& error) {
    PGconn* c = connectTo(address, "postgres");
    if (PQstatus(c) != CONNECTION_OK) {
        error = withoutPassword(address) + ": cannot connect to the server (" + oneLine(PQerrorMessage(c)) + ")";
        PQfinish(c);
        return false;
    }
    PQsetNoticeProcessor(c, [](void*, const char*) {}, nullptr);
    PGresult* r = PQexec(c, sql.c_str());
    const bool ok = PQresultStatus(r) == PGRES_COMMAND_OK;
    if (!ok) error = withoutPassword(address) + ": " + oneLine(PQresultErrorMessage(r));
    PQclear(r);
    PQfinish(c);
    return ok;
}

std::string identifier(const std::string& name) {
    std::string q = "\"";
    for (char c : name) q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + "\"";
}
}  // namespace

bool createDatabase(const std::string& address, const std::string& database, std::string& error) {
    return onMaintenance(address, "CREATE DATABASE " + identifier(database) + " ENCODING 'UTF8' TEMPLATE template0",
                         error);
}

bool dropDatabase(const std::string& address, const std::string& database, std::string& error) {
    return onMaintenance(address, "DROP DATABASE IF EXISTS " + identifier(database) + " WITH (FORCE)", error);
}

bool copyDatabase(const std::string& address, const std::string& from, const std::string& to, std::string& error) {
    if (!dropDatabase(address, to, error)) return false;
    // The server itself waits five seconds for others to leave the source;
    // twice that is more than a killed program's session needs to end.
    for (int attempt = 0;; ++attempt) {
        if (onMaintenance(address, "CREATE DATABASE " + identifier(to) + " TEMPLATE " + identifier(from), error))
            return true;
        if (attempt == 1 || error.find("being accessed by other users") == std::string::npos) return false;
    }
}

}  // namespace vtl::store
