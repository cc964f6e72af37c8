// The purchase-order browse on a large file: 100,000 orders with 1,000,000
// lines, 30% unreconciled with goods received (--scale shrinks it).
//   open: the packing-slip pass and the first page of rows
//   a page of 50 rows at the middle and at the end of the PO-number order
//   Tag all, and deleting 1,000 tagged orders with their postings
// The packing-slip pass is compared with one plain SQL statement doing the
// same reading in the same run, through sqlite3 or, with --backend
// postgresql, libpq.
#include <libpq-fe.h>
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>

#include "bench_util.h"
#include "platform/suite/error_object.h"
#include "platform/suite/ini_file.h"
#include "platform/suite/session.h"
#include "platform/ui/scripted_ui.h"
#include "records/database.h"
#include "records/records.h"
#include "vtlpoent/browse/browse_po_master.h"
#include "vtlpoent/posting.h"

using namespace vtl;

namespace {

constexpr int kLines = 10;

void load(store::Store& s, int orders) {
    store::Table<POMaster> pom(s);
    store::Table<PODetail> pod(s);
    store::Table<JCCost> jcc(s);
    store::Table<APVendor> apv(s);
    store::Transaction tx(s);
    for (int v = 1; v <= 250; ++v) {
        APVendor vendor;
        vendor.VendorID = static_cast<ULong>(v);
        vendor.VendorName = "Vendor " + std::to_string(v);
        apv.insert(vendor);
    }
    JCCost code;
    code.JobID = "J100";
    code.CostCode = "010100LAB ";
    code.RecordID = ent::costRecordKey("J100", "010100LAB ", 6);
    jcc.insert(code);
    for (int i = 0; i < orders; ++i) {
        POMaster po;
        po.VendorID = static_cast<ULong>(1 + i % 250);
        po.PONumber = std::to_string(100000 + (i * 7919) % orders);
        po.IssueDate = Date::fromYmd(2026, 1 + i % 12, 1 + i % 28);
        po.POAmount = Money(2500);
        // 30% unreconciled with goods received, then partial, open and closed.
        const int kind = i % 10;
        const Byte state = kind < 3 ? 0 : kind < 5 ? 1 : kind < 7 ? 0 : 2;
        setReconciled(po, state);
        if (!pom.insert(po)) std::abort();
        for (int j = 0; j < kLines; ++j) {
            PODetail d;
            d.POID = po.POID;
            d.DetailType = "Job";
            d.JobID = "J100";
            d.CostCode = "010100LAB ";
            d.Description = "Framing labour, phase " + std::to_string(j + 1);
            d.QtyOrdered = Quantity(10);
            d.UnitPrice = 25;
            d.TotalAmount = Money(250);
            d.SequenceNo = static_cast<ULong>(j + 1);
            if (kind < 3 && j % 2 == 0) d.QtyRcvdNotInvoiced = Quantity(4);
            if (state == 2) {
                d.QtyInvoiced = Quantity(10);
                d.Reconciliation = 2;
            }
            if (!pod.insert(d)) std::abort();
        }
    }
    if (!tx.commit()) std::abort();
}

// The packing-slip pass as one hand-written statement.
double sqlBaseline(const std::string& path, long& rows) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    bench::Stopwatch w;
    std::int64_t sum = 0;
    rows = 0;
    // Partial orders wrongly flagged, then the received lines of open orders.
    sqlite3_prepare_v2(db, "SELECT POID FROM POMaster WHERE Reconciled = 1 AND RecTF = 1", -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW) ++rows;
    sqlite3_finalize(st);
    sqlite3_prepare_v2(db,
                       "SELECT d.POID, d.QtyOrdered, d.QtyRcvdNotInvoiced FROM PODetail d JOIN POMaster m "
                       "ON m.POID = d.POID WHERE d.QtyRcvdNotInvoiced <> 0 AND m.Reconciled = 0",
                       -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW) {
        sum += sqlite3_column_int64(st, 2);
        ++rows;
    }
    const double t = w.seconds();
    sqlite3_finalize(st);
    sqlite3_close(db);
    if (sum < 0) std::abort();
    return t;
}

double pgBaseline(const std::string& address, long& rows) {
    PGconn* c = PQconnectdb(address.c_str());
    if (PQstatus(c) != CONNECTION_OK) std::abort();
    bench::Stopwatch w;
    rows = 0;
    std::int64_t sum = 0;
    PGresult* r = PQexec(c, "SELECT \"POID\" FROM \"POMaster\" WHERE \"Reconciled\" = 1 AND \"RecTF\" = 1");
    rows += PQntuples(r);
    PQclear(r);
    r = PQexec(c,
               "SELECT d.\"POID\", d.\"QtyOrdered\", d.\"QtyRcvdNotInvoiced\" FROM \"PODetail\" d JOIN \"POMaster\" m "
               "ON m.\"POID\" = d.\"POID\" WHERE d.\"QtyRcvdNotInvoiced\" <> 0 AND m.\"Reconciled\" = 0");
    for (int i = 0; i < PQntuples(r); ++i) sum += std::atoll(PQgetvalue(r, i, 2));
    rows += PQntuples(r);
    PQclear(r);
    const double t = w.seconds();
    PQfinish(c);
    if (sum < 0) std::abort();
    return t;
}

}  // namespace

int main(int argc, char** argv) {
    const double scale = bench::scaleFrom(argc, argv);
    const int orders = static_cast<int>(100000 * scale);
    const bool server = bench::onServer(argc, argv);
    const std::string dir = bench::scratchFolder("browse");
    const std::string address = bench::serverDatabase(server, "bench_browse");
    auto db = createDataFolder(dir, address);
    if (!db) {
        std::fprintf(stderr, "%s\n", db.error.c_str());
        return 1;
    }
    load(*db.store, orders);

    ui::ScriptedUi ui;
    suite::Globals globals;
    globals.CostCodeLen = 6;
    globals.INIPath = dir;
    suite::ErrorObject errors(&ui);
    suite::IniFile settings;
    FixedClock clock(Date::fromYmd(2026, 7, 1));
    suite::ProcedureTable procedures;
    suite::Views views;
    ModuleState module;
    Session session{*db.store, ui, globals, errors, settings, clock, procedures, views, dir, dir, module};

    long baselineRows = 0;
    const double baseline =
        server ? pgBaseline(address, baselineRows) : sqlBaseline(databasePath(dir), baselineRows);

    ent::BrowsePOMaster browse(session);
    bench::Stopwatch openWatch;
    browse.open();
    for (int i = 0; i < 50 && i < browse.rowCount(); ++i) browse.row(i);
    const double opened = openWatch.seconds();

    // The pass alone, run again on the opened data for the comparison.
    bench::Stopwatch passWatch;
    browse.open();
    const double pass = passWatch.seconds();

    auto page = [&](std::int64_t first) {
        browse.refresh();  // a fresh page cache
        bench::Stopwatch w;
        for (std::int64_t i = first; i < first + 50 && i < browse.rowCount(); ++i) browse.row(i);
        return w.seconds();
    };
    const double middle = page(browse.rowCount() / 2);
    const double end = page(std::max<std::int64_t>(browse.rowCount() - 50, 0));

    bench::Stopwatch tagWatch;
    browse.tagAll();
    const double tagAll = tagWatch.seconds();

    // Delete 1,000 tagged orders with their postings.
    browse.untagAll();
    const int toDelete = std::min<int>(1000, static_cast<int>(browse.rowCount()));
    for (int i = 0; i < toDelete; ++i) globals.TagQue.add(browse.row(i).poid);
    ui.expectAsk("Do you want to delete the Highlighted Purchase Order|or the Tagged Purchase Orders?",
                 "Delete Which Purchase Orders?", "&Highlighted|&Tagged|&Cancel", ui::Icon::Warning)
        .answer(2);
    ui.expectAsk("Are you sure you want to delete the tagged Purchase Order(s)?", "Confirm Delete", "&Yes|&No",
                 ui::Icon::Warning)
        .answer(1);
    const auto before = browse.rowCount();
    bench::Stopwatch delWatch;
    browse.deleteRecords();
    const double deleted = delWatch.seconds();
    if (browse.rowCount() != before - toDelete) {
        std::fprintf(stderr, "deleted %lld orders, wanted %d\n", static_cast<long long>(before - browse.rowCount()),
                     toDelete);
        return 1;
    }

    bench::figure("backend", server ? 2 : 1, server ? "(postgresql)" : "(sqlite)");
    bench::figure("orders", orders, "orders");
    bench::figure("open_rows_listed", static_cast<double>(before), "rows");
    bench::figure("open_with_first_page", opened * 1000, "ms");
    bench::figure("packing_slip_pass", pass * 1000, "ms");
    bench::figure("packing_slip_sql_baseline", baseline * 1000, "ms");
    bench::figure("page_of_50_middle", middle * 1000, "ms");
    bench::figure("page_of_50_end", end * 1000, "ms");
    bench::figure("tag_all", tagAll * 1000, "ms");
    bench::figure("delete_tagged", deleted * 1000, "ms");
    bench::figure("deleted_orders", toDelete, "orders");
    bench::target("browse_open_seconds", opened, 1.0);
    bench::target("browse_page_middle_ms", middle * 1000, 10.0);
    bench::target("browse_page_end_ms", end * 1000, 10.0);
    bench::target("packing_slip_pass_vs_sql", pass / baseline, 1.5);
    std::filesystem::remove_all(dir);
    return 0;
}
