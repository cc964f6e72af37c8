// Inserting and reading purchase orders through the record store, against a
// plain sqlite3 loop that inserts the same rows into the same schema.
//   100,000 orders with 1,000,000 lines in one transaction (--scale shrinks it)
//   then every order's lines read through the line key on the order number.
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench_util.h"
#include "records/database.h"
#include "records/po_detail.h"
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

}  // namespace

int main(int argc, char** argv) {
    const double scale = bench::scaleFrom(argc, argv);
    const int orders = static_cast<int>(100000 * scale);
    const double rows = orders * (1.0 + kLinesPerOrder);

    // The plain loop writes into an empty database of the same schema.
    const std::string plainDir = bench::scratchFolder("store-plain");
    { auto db = createDataFolder(plainDir); if (!db) { std::fprintf(stderr, "%s\n", db.error.c_str()); return 1; } }
    const double plain = plainInsert(databasePath(plainDir), orders);

    const std::string dir = bench::scratchFolder("store");
    auto db = createDataFolder(dir);
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

    bench::figure("orders", orders, "orders");
    bench::figure("lines", static_cast<double>(lines), "lines");
    bench::figure("store_insert", rows / stored, "rows/s");
    bench::figure("plain_sqlite_insert", rows / plain, "rows/s");
    bench::figure("store_read_lines_by_order", lines / read, "rows/s");
    bench::figure("insert_time_ratio", stored / plain, "x");
    bench::target("store_insert_vs_plain_loop", stored / plain, 1.5);
    std::filesystem::remove_all(dir);
    std::filesystem::remove_all(plainDir);
    return 0;
}
