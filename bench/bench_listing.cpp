// The detailed purchase-order listing with reconciliation detail of 100,000
// orders with 1,000,000 lines (--scale multiplies both), through the batch
// tool's listing command: to its text image, and to PDF.
//
// Baselines in the same run: the plain sqlite3 C API selecting the same
// orders, lines and reconciliation records (every column the listing reads);
// and QPdfWriter alone drawing as many pages of 60 strings, 20 lines and 5
// boxes as the print benchmark's baseline does. The runs must report the
// pages they wrote, so one that lists nothing cannot pass.
#include <QGuiApplication>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>

#include "bench_util.h"
#include "pdf_baseline.h"
#include "commands/cli.h"
#include "records/database.h"
#include "records/records.h"

using namespace vtl;

namespace {

bool load(const std::string& folder, int orders, int linesPerOrder) {
    auto db = createDataFolder(folder);
    if (!db) {
        std::fprintf(stderr, "%s\n", db.error.c_str());
        return false;
    }
    store::Store& s = *db.store;
    store::Transaction tx(s);
    Systems sys;
    sys.CompanyName = "Columbia Ridge Builders, Inc.";
    if (!store::Table<Systems>(s).insert(sys)) return false;
    for (int v = 0; v < 50; ++v) {
        APVendor vendor;
        vendor.VendorID = 101 + v;
        vendor.VendorName = "Vendor Supply Company " + std::to_string(v + 1);
        vendor.Address = std::to_string(100 + v) + " Industrial Way";
        vendor.City = "Portland";
        vendor.State = "OR";
        vendor.Zip = "97201";
        if (!store::Table<APVendor>(s).insert(vendor)) return false;
    }
    APInv inv;
    inv.InvoiceNo = "INV-1001";
    inv.InvoiceDate = Date::fromYmd(2026, 11, 20);
    if (!store::Table<APInv>(s).insert(inv)) return false;
    store::Table<POMaster> pom(s);
    store::Table<PODetail> pod(s);
    store::Table<PORec> rec(s);
    for (int o = 0; o < orders; ++o) {
        POMaster po;
        po.PONumber = std::to_string(10000 + o);
        po.VendorID = 101 + o % 50;
        po.IssueDate = Date::fromYmd(2026, 11, 1 + o % 28);
        po.DeliveryDate = Date::fromYmd(2026, 12, 1 + o % 28);
        po.Reconciled = o % 4 == 0 ? 1 : 0;
        po.TaxAmount = *Money::parse("12.34");
        Money total;
        if (!pom.insert(po)) return false;
        for (int l = 0; l < linesPerOrder; ++l) {
            PODetail d;
            d.POID = po.POID;
            d.SequenceNo = l + 1;
            d.DetailType = "Job";
            d.JobID = "2502";
            d.CostCode = "010100MAT ";
            d.ItemID = "ITEM-" + std::to_string(l + 1);
            d.Description = "Plywood form panels 4x8 HDO, 3/4 inch";
            d.QtyOrdered = Quantity(10 + l);
            d.UnitName = "Each";
            d.UnitPrice = 48.75;
            d.TotalAmount = *Money::parse(std::to_string(48.75 * (10 + l)));
            const bool invoiced = po.Reconciled == 1 && l == 0;
            if (invoiced) {
                d.QtyInvoiced = Quantity(5);
                d.AmountInvoiced = *Money::parse("243.75");
            }
            total += d.TotalAmount;
            if (!pod.insert(d)) return false;
            if (invoiced) {
                PORec r;
                r.DetailID = d.DetailID;
                r.InvoiceID = inv.InvoiceID;
                r.QtyInvoiced = Quantity(5);
                r.UnitPrice = 48.75;
                r.Amount = d.AmountInvoiced;
                if (!rec.insert(r)) return false;
            }
        }
        po.POAmount = total + po.TaxAmount;
        if (!pom.update(po)) return false;
    }
    POLimits l;
    l.Report = "PO Listing";
    l.ReportTitle = "Everything in detail";
    l.Unreconciled = l.PartiallyReconciled = l.FullyReconciled = 1;
    l.Sequence = "P";
    l.SortDetail = "W";
    l.SelectedRef = 3;
    l.RefFrom = 1;
    if (!store::Table<POLimits>(s).insert(l)) return false;
    return static_cast<bool>(tx.commit());
}

// The same orders, lines and reconciliation records through the C API: every
// column the listing reads, each read once.
double sqliteBaseline(const std::string& dbPath, long long& rowsRead) {
    vtl::bench::Stopwatch clock;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(dbPath.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) return -1;
    const char* queries[] = {
        "SELECT m.POID, m.PONumber, m.IssueDate, m.DeliverAfterDate, m.DeliveryDate, m.VendorID, m.DefaultJob, "
        "m.POAmount, m.TaxAmount, m.Reconciled, m.AmountReconciled, m.ShipToName, m.ShipToAddress1, "
        "m.ShipToAddress2, m.ShipToCity, m.ShipToState, m.ShipToZip, v.VendorName, v.Address, v.Address2, v.City, "
        "v.State, v.Zip FROM POMaster m LEFT JOIN APVendor v ON v.VendorID = m.VendorID ORDER BY m.POID",
        "SELECT POID, SequenceNo, DetailID, ItemID, VendorCatalogID, Description, ReceiptDate, QtyOrdered, UnitName, "
        "QtyInvoiced, QtyBackord, UnitPrice, TotalAmount, AmountInvoiced, DetailType, JobID, CostCode, Account, "
        "EquipmentID, CostCategory, TextFlag, Text FROM PODetail ORDER BY POID, SequenceNo",
        "SELECT r.DetailID, r.InvoiceID, r.QtyPackSlip, r.QtyInvoiced, r.UnitPrice, r.Amount, i.InvoiceNo, "
        "i.InvoiceDate FROM PORec r LEFT JOIN APInv i ON i.InvoiceID = r.InvoiceID ORDER BY r.DetailID"};
    long long bytes = 0;
    rowsRead = 0;
    for (const char* q : queries) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, q, -1, &st, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
            return -1;
        }
        while (sqlite3_step(st) == SQLITE_ROW) {
            ++rowsRead;
            for (int c = 0; c < sqlite3_column_count(st); ++c) bytes += sqlite3_column_bytes(st, c);
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    if (bytes == 0) rowsRead = 0;
    return clock.seconds();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const double scale = vtl::bench::scaleFrom(argc, argv);
    const int orders = std::max(1, static_cast<int>(100000 * scale));
    const std::string dir = vtl::bench::scratchFolder("listing");
    const std::string data = dir + "/data";
    vtl::bench::Stopwatch loading;
    if (!load(data, orders, 10)) return 1;
    vtl::bench::figure("load_seconds", loading.seconds(), "s");

    long long rows = 0;
    const double base = sqliteBaseline(data + "/vantrel.db", rows);
    if (base < 0 || rows < orders * 11LL) {
        std::fprintf(stderr, "the baseline did not read every order and line\n");
        return 1;
    }

    const std::string text = dir + "/listing.txt";
    std::ostringstream out, err;
    vtl::bench::Stopwatch textClock;
    int rc = cli::run({"listing", "--data", data, "--limit", "1", "--text", text}, out, err, false);
    const double textSeconds = textClock.seconds();
    // "wrote FILE (N lines)": a line for each order and each of its lines at least.
    if (rc != 0 || vtl::bench::pagesSaid(out.str()) < orders * 11 || !std::filesystem::exists(text)) {
        std::fprintf(stderr, "the listing wrote no text image: %s%s\n", out.str().c_str(), err.str().c_str());
        return 1;
    }

    const std::string pdf = dir + "/listing.pdf";
    std::ostringstream pout, perr;
    vtl::bench::Stopwatch pdfClock;
    rc = cli::run({"listing", "--data", data, "--limit", "1", "--pdf", pdf}, pout, perr, false);
    const double pdfSeconds = pdfClock.seconds();
    const int pages = vtl::bench::pagesSaid(pout.str());
    if (rc != 0 || pages < 1) {
        std::fprintf(stderr, "the listing wrote no PDF of its pages: %s%s\n", pout.str().c_str(), perr.str().c_str());
        return 1;
    }

    const double pdfBase = vtl::bench::writeBaselinePdf(dir + "/baseline.pdf", pages);

    vtl::bench::figure("orders", orders, "orders");
    vtl::bench::figure("lines", orders * 10.0, "lines");
    vtl::bench::figure("pages", pages, "pages");
    vtl::bench::figure("baseline_sqlite_select_seconds", base, "s");
    vtl::bench::figure("listing_text_seconds", textSeconds, "s");
    vtl::bench::figure("listing_pdf_seconds", pdfSeconds, "s");
    vtl::bench::figure("listing_pdf_pages_per_second", pages / pdfSeconds, "pages/s");
    vtl::bench::figure("baseline_pdf_pages_per_second", pages / pdfBase, "pages/s");
    vtl::bench::target("listing_text_over_sqlite_select", textSeconds / base, 3.0);
    // At least 70% of the baseline's pages per second: its rate over ours at most 1/0.7.
    vtl::bench::target("baseline_pdf_rate_over_listing_pdf_rate", (pages / pdfBase) / (pages / pdfSeconds), 1 / 0.7);
    return 0;
}
