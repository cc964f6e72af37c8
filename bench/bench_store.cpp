// Inserting and reading purchase orders through the record store, against a
// plain loop on the engine's own C API (sqlite3, or libpq with
// --backend postgresql) that inserts the same rows into the same schema and
// reads them the same way.
//   100,000 orders with 1,000,000 lines in one transaction (--scale shrinks it)
//   then every order's lines read through the line key on the order number;
//   then eight programs at once, each posting orders whose lines move one
//   shared committed amount, for the writers' throughput.
#include <libpq-fe.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench_util.h"
#include "records/database.h"
#include "records/po_detail.h"
#include "records/job_cost.h"
#include "records/po_master.h"

using namespace vtl;

namespace {

constexpr int kLinesPerOrder = 10;

POMaster makeOrder(int i) {
    POMaster po;
    po.VendorID = static_cast<ULong>(1 + i % 250);
    po.PONumber = std::to_string(100000 + i);
    po.SortPONumber = po.PONumber;
    po.SortVendorID = po.VendorID;
    po.ShipToType = "Job";
    po.IssueDate = Date::fromYmd(2026, 1 + i % 12, 1 + i % 28);
    po.POAmount = Money::fromRaw(100000 + i);
    po.PreTaxAmount = po.POAmount;
    po.Terms = "Net 30";
    po.PrintFlag = "0";
    return po;
}

PODetail makeLine(ULong poid, int j) {
    PODetail d;
    d.POID = poid;
    d.ItemID = "ITEM" + std::to_string(j);
    d.Description = "2x4 stud, 8 ft, kiln dried";
    d.QtyOrdered = Quantity(10 + j);
    d.UnitPrice = 4.25;
    d.TotalAmount = Money::fromDouble((10 + j) * 4.25);
    d.UnitName = "EA";
    d.DetailType = "Job";
    d.JobID = "J100";
    d.CostCode = "010100LAB";
    d.SequenceNo = static_cast<ULong>(j + 1);
    return d;
}

double storeInsert(store::Store& s, int orders) {
    store::Table<POMaster> pom(s);
    store::Table<PODetail> pod(s);
    bench::Stopwatch w;
    store::Transaction tx(s);
    for (int i = 0; i < orders; ++i) {
        POMaster po = makeOrder(i);
        if (!pom.insert(po)) std::abort();
        for (int j = 0; j < kLinesPerOrder; ++j) {
            PODetail d = makeLine(po.POID, j);
            if (!pod.insert(d)) std::abort();
        }
    }
    if (!tx.commit()) std::abort();
    return w.seconds();
}

// The same rows bound by hand: every column of the layout, numbers from a
// counter instead of the highest on file.
double plainInsert(const std::string& path, int orders) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
    auto prepare = [&](const store::RecordInfo& info) {
        std::string names, params;
        for (std::size_t i = 0; i < info.fields.size(); ++i) {
            names += (i ? ", \"" : "\"") + info.fields[i].name + "\"";
            params += i ? ", ?" : "?";
        }
        sqlite3_stmt* st = nullptr;
        std::string sql = "INSERT INTO \"" + info.name + "\" (" + names + ") VALUES (" + params + ")";
        sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr);
        return st;
    };
    auto bindDefaults = [](sqlite3_stmt* st, const store::RecordInfo& info) {
        static const char zeros[64] = {};
        for (std::size_t i = 0; i < info.fields.size(); ++i) {
            int c = static_cast<int>(i) + 1;
            switch (info.fields[i].kind) {
                case store::FieldKind::String: sqlite3_bind_text(st, c, "", 0, SQLITE_STATIC); break;
                case store::FieldKind::Date:
                case store::FieldKind::Time: sqlite3_bind_null(st, c); break;
                case store::FieldKind::Real: sqlite3_bind_double(st, c, 0); break;
                case store::FieldKind::Gap: sqlite3_bind_blob(st, c, zeros, info.fields[i].width, SQLITE_STATIC); break;
                default: sqlite3_bind_int64(st, c, 0);
            }
        }
    };
    const auto& mi = POMaster::info();
    const auto& di = PODetail::info();
    sqlite3_stmt* pm = prepare(mi);
    sqlite3_stmt* pd = prepare(di);
    auto col = [](const store::RecordInfo& info, const char* name) { return info.fieldIndex(name) + 1; };
    bench::Stopwatch w;
    sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    std::int64_t detailId = 0;
    for (int i = 0; i < orders; ++i) {
        POMaster po = makeOrder(i);
        bindDefaults(pm, mi);
        sqlite3_bind_int64(pm, col(mi, "POID"), i + 1);
        sqlite3_bind_int64(pm, col(mi, "VendorID"), po.VendorID);
        sqlite3_bind_int64(pm, col(mi, "SortVendorID"), po.VendorID);
        std::string number = po.PONumber.clip(), issued = po.IssueDate.iso();
        sqlite3_bind_text(pm, col(mi, "PONumber"), number.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(pm, col(mi, "SortPONumber"), number.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(pm, col(mi, "ShipToType"), "Job", -1, SQLITE_STATIC);
        sqlite3_bind_text(pm, col(mi, "IssueDate"), issued.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int64(pm, col(mi, "POAmount"), po.POAmount.raw());
        sqlite3_bind_int64(pm, col(mi, "PreTaxAmount"), po.POAmount.raw());
        sqlite3_bind_text(pm, col(mi, "Terms"), "Net 30", -1, SQLITE_STATIC);
        sqlite3_bind_text(pm, col(mi, "PrintFlag"), "0", -1, SQLITE_STATIC);
        if (sqlite3_step(pm) != SQLITE_DONE) std::abort();
        sqlite3_reset(pm);
        for (int j = 0; j < kLinesPerOrder; ++j) {
            PODetail d = makeLine(static_cast<ULong>(i + 1), j);
            bindDefaults(pd, di);
            sqlite3_bind_int64(pd, col(di, "POID"), d.POID);
            sqlite3_bind_int64(pd, col(di, "DetailID"), ++detailId);
            std::string item = d.ItemID.clip();
            sqlite3_bind_text(pd, col(di, "ItemID"), item.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(pd, col(di, "Description"), "2x4 stud, 8 ft, kiln dried", -1, SQLITE_STATIC);
            sqlite3_bind_int64(pd, col(di, "QtyOrdered"), d.QtyOrdered.raw());
            sqlite3_bind_double(pd, col(di, "UnitPrice"), d.UnitPrice);
            sqlite3_bind_int64(pd, col(di, "TotalAmount"), d.TotalAmount.raw());
            sqlite3_bind_text(pd, col(di, "UnitName"), "EA", -1, SQLITE_STATIC);
            sqlite3_bind_text(pd, col(di, "DetailType"), "Job", -1, SQLITE_STATIC);
            sqlite3_bind_text(pd, col(di, "JobID"), "J100", -1, SQLITE_STATIC);
            sqlite3_bind_text(pd, col(di, "CostCode"), "010100LAB", -1, SQLITE_STATIC);
            sqlite3_bind_int64(pd, col(di, "SequenceNo"), d.SequenceNo);
            if (sqlite3_step(pd) != SQLITE_DONE) std::abort();
            sqlite3_reset(pd);
        }
    }
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    double t = w.seconds();
    sqlite3_finalize(pm);
    sqlite3_finalize(pd);
    sqlite3_close(db);
    return t;
}

// Every order's lines read by order number, as the store's scan does.
double plainSqliteRead(const std::string& path, int orders, long& lines) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM \"PODetail\" WHERE \"POID\" = ? ORDER BY \"POID\", \"DetailID\"", -1, &st,
                       nullptr);
    bench::Stopwatch w;
    lines = 0;
    for (int i = 1; i <= orders; ++i) {
        sqlite3_bind_int64(st, 1, i);
        while (sqlite3_step(st) == SQLITE_ROW) ++lines;
        sqlite3_reset(st);
    }
    const double t = w.seconds();
    sqlite3_finalize(st);
    sqlite3_close(db);
    return t;
}

// The libpq loop: one prepared insert per file, text parameters (the gap
// bytes as binary), one transaction; no COPY, as the store uses none.
PGconn* connectOrDie(const std::string& address) {
    PGconn* c = PQconnectdb(address.c_str());
    if (PQstatus(c) != CONNECTION_OK) {
        std::fprintf(stderr, "%s", PQerrorMessage(c));
        std::exit(1);
    }
    return c;
}

void run(PGconn* c, const char* sql) {
    PGresult* r = PQexec(c, sql);
    if (PQresultStatus(r) != PGRES_COMMAND_OK && PQresultStatus(r) != PGRES_TUPLES_OK) {
        std::fprintf(stderr, "%s", PQerrorMessage(c));
        std::exit(1);
    }
    PQclear(r);
}

struct PgRow {
    const store::RecordInfo& info;
    std::vector<std::string> text;
    std::vector<const char*> values;
    std::vector<int> lengths, formats;
    explicit PgRow(const store::RecordInfo& i)
        : info(i), text(i.fields.size()), values(i.fields.size()), lengths(i.fields.size()), formats(i.fields.size()) {}
    void defaults() {
        static const char zeros[64] = {};
        for (std::size_t k = 0; k < info.fields.size(); ++k) {
            formats[k] = 0;
            switch (info.fields[k].kind) {
                case store::FieldKind::String: text[k].clear(); values[k] = ""; break;
                case store::FieldKind::Date:
                case store::FieldKind::Time: values[k] = nullptr; break;
                case store::FieldKind::Gap:
                    values[k] = zeros;
                    lengths[k] = info.fields[k].width;
                    formats[k] = 1;
                    break;
                default: values[k] = "0";
            }
        }
    }
    void set(const char* field, std::string v) {
        const auto k = static_cast<std::size_t>(info.fieldIndex(field));
        text[k] = std::move(v);
        values[k] = text[k].c_str();
    }
    void insert(PGconn* c, const char* name) {
        PGresult* r = PQexecPrepared(c, name, static_cast<int>(values.size()), values.data(), lengths.data(),
                                     formats.data(), 0);
        if (PQresultStatus(r) != PGRES_COMMAND_OK) {
            std::fprintf(stderr, "%s", PQerrorMessage(c));
            std::exit(1);
        }
        PQclear(r);
    }
};

void preparePg(PGconn* c, const store::RecordInfo& info, const char* name) {
    std::string names, params;
    for (std::size_t i = 0; i < info.fields.size(); ++i) {
        names += (i ? ", \"" : "\"") + info.fields[i].name + "\"";
        params += (i ? ", $" : "$") + std::to_string(i + 1);
    }
    const std::string sql = "INSERT INTO \"" + info.name + "\" (" + names + ") VALUES (" + params + ")";
    PGresult* r = PQprepare(c, name, sql.c_str(), 0, nullptr);
    if (PQresultStatus(r) != PGRES_COMMAND_OK) {
        std::fprintf(stderr, "%s", PQerrorMessage(c));
        std::exit(1);
    }
    PQclear(r);
}

double plainPgInsert(const std::string& address, int orders) {
    PGconn* c = connectOrDie(address);
    preparePg(c, POMaster::info(), "pom");
    preparePg(c, PODetail::info(), "pod");
    PgRow m(POMaster::info()), d(PODetail::info());
    bench::Stopwatch w;
    run(c, "BEGIN");
    std::int64_t detailId = 0;
    for (int i = 0; i < orders; ++i) {
        POMaster po = makeOrder(i);
        m.defaults();
        m.set("POID", std::to_string(i + 1));
        m.set("VendorID", std::to_string(po.VendorID));
        m.set("SortVendorID", std::to_string(po.VendorID));
        m.set("PONumber", po.PONumber.clip());
        m.set("SortPONumber", po.PONumber.clip());
        m.set("ShipToType", "Job");
        m.set("IssueDate", po.IssueDate.iso());
        m.set("POAmount", po.POAmount.toString());
        m.set("PreTaxAmount", po.POAmount.toString());
        m.set("Terms", "Net 30");
        m.set("PrintFlag", "0");
        m.insert(c, "pom");
        for (int j = 0; j < kLinesPerOrder; ++j) {
            PODetail l = makeLine(static_cast<ULong>(i + 1), j);
            d.defaults();
            d.set("POID", std::to_string(l.POID));
            d.set("DetailID", std::to_string(++detailId));
            d.set("ItemID", l.ItemID.clip());
            d.set("Description", "2x4 stud, 8 ft, kiln dried");
            d.set("QtyOrdered", l.QtyOrdered.toString());
            d.set("UnitPrice", "4.25");
            d.set("TotalAmount", l.TotalAmount.toString());
            d.set("UnitName", "EA");
            d.set("DetailType", "Job");
            d.set("JobID", "J100");
            d.set("CostCode", "010100LAB");
            d.set("SequenceNo", std::to_string(l.SequenceNo));
            d.insert(c, "pod");
        }
    }
    run(c, "COMMIT");
    const double t = w.seconds();
    PQfinish(c);
    return t;
}

double plainPgRead(const std::string& address, int orders, long& lines) {
    PGconn* c = connectOrDie(address);
    PGresult* p = PQprepare(c, "lines", "SELECT * FROM \"PODetail\" WHERE \"POID\" = $1 ORDER BY \"POID\", \"DetailID\"",
                            0, nullptr);
    PQclear(p);
    bench::Stopwatch w;
    lines = 0;
    for (int i = 1; i <= orders; ++i) {
        const std::string poid = std::to_string(i);
        const char* v[] = {poid.c_str()};
        PGresult* r = PQexecPrepared(c, "lines", 1, v, nullptr, nullptr, 0);
        lines += PQntuples(r);
        PQclear(r);
    }
    const double t = w.seconds();
    PQfinish(c);
    return t;
}

// Eight programs at once, each posting `each` orders of three lines whose
// amounts move one shared committed amount; operations per second.
double eightWriters(const std::string& folder, int each) {
    {
        auto db = openDataFolder(folder);
        JCCost code;
        code.JobID = "J100";
        code.CostCode = "010100LAB";
        code.RecordID = "J100 010100LAB";
        if (!db || !store::Table<JCCost>(*db.store).insert(code)) std::abort();
    }
    bench::Stopwatch w;
    std::vector<pid_t> pids;
    for (int p = 0; p < 8; ++p) {
        std::fflush(nullptr);
        const pid_t pid = ::fork();
        if (pid == 0) {
            auto db = openDataFolder(folder);
            if (!db) {
                std::fprintf(stderr, "%s\n", db.error.c_str());
                ::_exit(1);
            }
            store::Store& s = *db.store;
            for (int i = 0; i < each; ++i) {
                store::Transaction tx(s);
                if (!tx.status()) ::_exit(2);
                POMaster po = makeOrder(i);
                po.POID = 0;
                if (!store::Table<POMaster>(s).insert(po)) ::_exit(3);
                Money total;
                for (int j = 0; j < 3; ++j) {
                    PODetail d = makeLine(po.POID, j);
                    if (!store::Table<PODetail>(s).insert(d)) ::_exit(4);
                    total += d.TotalAmount;
                }
                JCCost code;
                code.RecordID = "J100 010100LAB";
                if (!store::Table<JCCost>(s).fetch(JCCost::KeyRecordID, code)) ::_exit(5);
                code.Committed += total;
                if (!store::Table<JCCost>(s).update(code) || !tx.commit()) ::_exit(6);
            }
            ::_exit(0);
        }
        pids.push_back(pid);
    }
    for (pid_t pid : pids) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "a writer failed (%d)\n", WEXITSTATUS(status));
            std::exit(1);
        }
    }
    const double t = w.seconds();
    // Nothing lost or counted twice: the shared figure is every order's lines.
    auto db = openDataFolder(folder);
    JCCost code;
    code.RecordID = "J100 010100LAB";
    Money expected;
    for (int j = 0; j < 3; ++j) expected += makeLine(0, j).TotalAmount;
    if (!store::Table<JCCost>(*db.store).fetch(JCCost::KeyRecordID, code) ||
        code.Committed != Money::fromRaw(expected.raw() * 8 * each)) {
        std::fprintf(stderr, "the shared committed amount is %s\n", code.Committed.toString().c_str());
        std::exit(1);
    }
    return 8.0 * each / t;
}

}  // namespace

int main(int argc, char** argv) {
    const double scale = bench::scaleFrom(argc, argv);
    const int orders = static_cast<int>(100000 * scale);
    const double rows = orders * (1.0 + kLinesPerOrder);

    const bool server = bench::onServer(argc, argv);

    // The plain loop writes into an empty database of the same schema.
    const std::string plainDir = bench::scratchFolder("store-plain");
    const std::string plainServer = bench::serverDatabase(server, "bench_store_plain");
    { auto db = createDataFolder(plainDir, plainServer); if (!db) { std::fprintf(stderr, "%s\n", db.error.c_str()); return 1; } }
    const double plain = server ? plainPgInsert(plainServer, orders) : plainInsert(databasePath(plainDir), orders);
    long plainLines = 0;
    const double plainRead = server ? plainPgRead(plainServer, orders, plainLines)
                                    : plainSqliteRead(databasePath(plainDir), orders, plainLines);

    const std::string dir = bench::scratchFolder("store");
    auto db = createDataFolder(dir, bench::serverDatabase(server, "bench_store"));
    if (!db) { std::fprintf(stderr, "%s\n", db.error.c_str()); return 1; }
    const double stored = storeInsert(*db.store, orders);

    store::Table<POMaster> pom(*db.store);
    store::Table<PODetail> pod(*db.store);
    bench::Stopwatch w;
    long lines = 0;
    POMaster po;
    PODetail d;
    for (auto c = pom.all(POMaster::KeyPOID); c.next(po);) {
        PODetail pos;
        pos.POID = po.POID;
        for (auto l = pod.scan(PODetail::KeyPOID, pos, {false, 1, false}); l.next(d);) ++lines;
    }
    const double read = w.seconds();
    if (lines != static_cast<long>(orders) * kLinesPerOrder) { std::fprintf(stderr, "read %ld lines\n", lines); return 1; }

    db.store.reset();
    const std::string writersDir = bench::scratchFolder("store-writers");
    { auto w = createDataFolder(writersDir, bench::serverDatabase(server, "bench_store_writers")); if (!w) return 1; }
    const double throughput = eightWriters(writersDir, std::max(10, static_cast<int>(2000 * scale)));

    const std::string plainName = server ? "plain_libpq" : "plain_sqlite";
    bench::figure("backend", server ? 2 : 1, server ? "(postgresql)" : "(sqlite)");
    bench::figure("orders", orders, "orders");
    bench::figure("lines", static_cast<double>(lines), "lines");
    bench::figure("store_insert", rows / stored, "rows/s");
    bench::figure(plainName + "_insert", rows / plain, "rows/s");
    bench::figure("store_read_lines_by_order", lines / read, "rows/s");
    bench::figure(plainName + "_read_lines_by_order", plainLines / plainRead, "rows/s");
    bench::figure("insert_time_ratio", stored / plain, "x");
    bench::figure("read_time_ratio", read / plainRead, "x");
    bench::figure("eight_writer_throughput", throughput, "operations/s");
    bench::target("store_insert_vs_plain_loop", stored / plain, 1.5);
    std::filesystem::remove_all(dir);
    std::filesystem::remove_all(plainDir);
    std::filesystem::remove_all(writersDir);
    return 0;
}
