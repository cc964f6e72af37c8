// The committed-cost rebuild and the figures check on a large file: 100,000
// orders with 1,000,000 lines over 20,000 job cost codes and 2,000 items
// (--scale shrinks it). The lines mix job, inventory, G/L and equipment
// charges and text lines; orders are open, received, partly invoiced or
// fully reconciled.
//   rebuild:          every cost code's committed amount set to 0 first
//                     (outside the timing), so the rebuild writes them all
//   rebuild_on_order: the same with the items' on-order quantities
//   check:            on the rebuilt data; it must find nothing
// They are compared with a plain sqlite3 rebuild of the committed amounts on
// the same database in the same run: read the job lines' columns, sum the
// open amounts in memory, write each cost code in one transaction. Both
// rebuilds must leave the same amount on every cost code. Each timed step
// runs three times; the median is printed.
#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "bench_util.h"
#include "records/database.h"
#include "records/records.h"
#include "records/reconciliation.h"
#include "records/running_figures.h"
#include "vtlporec/figures.h"

using namespace vtl;

namespace {

constexpr int kCostCodeLen = 6;
constexpr int kCodesPerJob = 100;  // 25 cost codes of 4 cost types
constexpr int kRuns = 3;
const char* const kCostTypes[] = {"LAB", "MAT", "SUB", "EQP"};

std::uint64_t mix(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

std::string jobId(int j) {
    char b[16];
    std::snprintf(b, sizeof b, "J%04d", j + 1);
    return b;
}

// Cost code proper (6 characters) then the cost type.
std::string costCode(int c) {
    char b[16];
    std::snprintf(b, sizeof b, "%02d%02d00%s", 1 + c / 4 / 5, 1 + c / 4 % 5, kCostTypes[c % 4]);
    return b;
}

std::string itemId(int i) {
    char b[16];
    std::snprintf(b, sizeof b, "IT%05d", i + 1);
    return b;
}

struct Sizes {
    int orders, jobs, items;
    std::int64_t lines = 0;
};

// 6 to 14 lines, 10 on average over each pair of orders.
int linesOf(int order) {
    const int d = (order / 2) % 5;
    return 10 + (order % 2 ? -d : d);
}

double load(store::Store& s, Sizes& n) {
    store::Table<POMaster> pom(s);
    store::Table<PODetail> pod(s);
    store::Table<JCCost> jcc(s);
    store::Table<INMaster> inm(s);
    bench::Stopwatch w;
    store::Transaction tx(s);
    for (int j = 0; j < n.jobs; ++j)
        for (int c = 0; c < kCodesPerJob; ++c) {
            JCCost code;
            code.JobID = jobId(j);
            code.CostCode = costCode(c);
            code.RecordID = costRecordKey(code.JobID.str(), code.CostCode.str(), kCostCodeLen);
            code.Description = "Cost code " + costCode(c);
            code.Budget = Money(50000);
            if (!jcc.insert(code)) std::abort();
        }
    for (int i = 0; i < n.items; ++i) {
        INMaster item;
        item.ItemID = itemId(i);
        item.Description = "Stock item " + std::to_string(i + 1);
        item.StockUnit = "EA";
        item.DefaultLocation = "MAIN";
        if (!inm.insert(item)) std::abort();
    }
    ULong detailId = 0;
    for (int i = 0; i < n.orders; ++i) {
        const std::uint64_t h = mix(static_cast<std::uint64_t>(i));
        // Half open, then received, partly invoiced and fully reconciled.
        const int kind = static_cast<int>(h % 100);
        const bool received = kind >= 50 && kind < 65;
        const bool partly = kind >= 65 && kind < 80;
        const bool closed = kind >= 80;
        POMaster po;
        po.POID = static_cast<ULong>(i + 1);
        po.VendorID = static_cast<ULong>(1 + h % 250);
        char number[16];
        std::snprintf(number, sizeof number, "P%07d", i + 1);
        po.PONumber = number;
        po.IssueDate = Date::fromYmd(2026, 1 + i % 12, 1 + i % 28);
        po.ShipToType = "Job";
        po.Terms = "Net 30";
        std::vector<Byte> states;
        Quantity qtyInvoiced;
        Money amount, amountInvoiced;
        const int lines = linesOf(i);
        for (int l = 0; l < lines; ++l) {
            const std::uint64_t r = mix(h ^ static_cast<std::uint64_t>(l + 1) * 0x100000001b3ULL);
            PODetail d;
            d.POID = po.POID;
            d.DetailID = ++detailId;
            d.SequenceNo = static_cast<ULong>(l + 1);
            d.QtyOrdered = Quantity::fromRaw(static_cast<std::int64_t>(1 + r % 200) * 2500);  // quarter units
            d.UnitPrice = static_cast<double>(100 + (r >> 8) % 90000) / 100;
            d.TotalAmount = Money::fromDouble(d.QtyOrdered.toDouble() * d.UnitPrice);
            d.Description = "Line " + std::to_string(l + 1) + " of order " + number;
            const int type = static_cast<int>((r >> 24) % 100);
            if (type < 3) {
                // A text line on the order's job: it charges nothing.
                d.TextFlag = 1;
                d.DetailType = "Job";
                d.JobID = jobId(static_cast<int>(h % static_cast<std::uint64_t>(n.jobs)));
                d.CostCode = costCode(0);
                d.QtyOrdered = Quantity();
                d.UnitPrice = 0;
                d.TotalAmount = Money();
                d.Text = "Deliver to the north gate before 7 a.m.; call the site office on arrival.";
            } else if (type < 60) {
                d.DetailType = "Job";
                d.JobID = jobId(static_cast<int>((r >> 32) % static_cast<std::uint64_t>(n.jobs)));
                d.CostCode = costCode(static_cast<int>((r >> 44) % kCodesPerJob));
                d.CostCategory = "M";
            } else if (type < 80) {
                d.DetailType = "Inventory";
                d.ItemID = itemId(static_cast<int>((r >> 32) % static_cast<std::uint64_t>(n.items)));
                d.UnitName = "EA";
                d.LocationID = "MAIN";
            } else if (type < 92) {
                d.DetailType = "G/L Account";
                d.Account = "5100-00";
            } else {
                d.DetailType = "Equipment";
                d.EquipmentID = "EQ" + std::to_string(1 + (r >> 32) % 40);
                d.CostCategory = "R";
            }
            const int which = static_cast<int>((r >> 56) % 4);
            if (d.TextFlag != 1) {
                if (received && which < 2) d.QtyRcvdNotInvoiced = Quantity::fromRaw(d.QtyOrdered.raw() / 2);
                if (partly && which == 0) d.QtyInvoiced = d.QtyOrdered;
                if (partly && which == 1) d.QtyInvoiced = Quantity::fromRaw(d.QtyOrdered.raw() / 4);
                // Most closed orders were invoiced in full; some were closed
                // by hand with part still open.
                if (closed) d.QtyInvoiced = which < 3 ? d.QtyOrdered : Quantity::fromRaw(d.QtyOrdered.raw() / 2);
            }
            d.AmountInvoiced = Money::fromDouble(d.QtyInvoiced.toDouble() * d.UnitPrice);
            d.Reconciliation = closed ? Byte(kFullyReconciled) : lineReconciliation(d);
            if (d.DetailType == "Inventory") d.INVQuantity = d.QtyOrdered - d.QtyInvoiced;
            states.push_back(d.Reconciliation);
            qtyInvoiced += d.QtyInvoiced;
            amountInvoiced += d.AmountInvoiced;
            amount += d.TotalAmount;
            if (!pod.insert(d)) std::abort();
            ++n.lines;
        }
        po.POAmount = amount;
        po.PreTaxAmount = amount;
        po.QuantityReconciled = Money::from(qtyInvoiced);
        po.AmountReconciled = amountInvoiced;
        setReconciled(po, orderReconciliation(states));
        if (!pom.insert(po)) std::abort();
    }
    if (!tx.commit()) std::abort();
    return w.seconds();
}

bool exec(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

// The stored committed amount of every cost code.
std::map<std::string, std::int64_t> committedOnFile(sqlite3* db) {
    std::map<std::string, std::int64_t> out;
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT RecordID, Committed FROM JCCost", -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW)
        out[reinterpret_cast<const char*>(sqlite3_column_text(st, 0))] = sqlite3_column_int64(st, 1);
    sqlite3_finalize(st);
    return out;
}

// The committed-cost rebuild written by hand: the job lines' columns read
// in one statement, the open amounts summed per cost-record key, each cost
// code written with one prepared UPDATE, all in one transaction.
double plainRebuild(sqlite3* db, std::int64_t& costCodes) {
    bench::Stopwatch w;
    if (!exec(db, "BEGIN IMMEDIATE")) std::abort();
    std::unordered_map<std::string, std::int64_t> totals;
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT DetailType, JobID, CostCode, TotalAmount, QtyInvoiced, UnitPrice, Reconciliation, "
                       "TextFlag, QtyOrdered FROM PODetail",
                       -1, &st, nullptr);
    std::string key;
    while (sqlite3_step(st) == SQLITE_ROW) {
        const std::string_view type(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)),
                                    static_cast<std::size_t>(sqlite3_column_bytes(st, 0)));
        if (type != "Job" || sqlite3_column_int(st, 7) == 1 || sqlite3_column_int(st, 6) == kFullyReconciled) continue;
        const std::int64_t invoiced = sqlite3_column_int64(st, 4);
        if (sqlite3_column_int64(st, 8) == invoiced) continue;
        // Total less the invoiced quantity at the unit price, to the cent.
        const Money open = Money::fromDouble(Money::fromRaw(sqlite3_column_int64(st, 3)).toDouble() -
                                             Quantity::fromRaw(invoiced).toDouble() * sqlite3_column_double(st, 5));
        if (open.isZero()) continue;
        // Job padded to 10, the cost code proper padded to 10, the cost type.
        const std::string_view job(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)),
                                   static_cast<std::size_t>(sqlite3_column_bytes(st, 1)));
        const std::string_view code(reinterpret_cast<const char*>(sqlite3_column_text(st, 2)),
                                    static_cast<std::size_t>(sqlite3_column_bytes(st, 2)));
        key.assign(job.substr(0, 10));
        key.resize(10, ' ');
        key.append(code.substr(0, kCostCodeLen));
        key.resize(20, ' ');
        if (code.size() > kCostCodeLen) key.append(code.substr(kCostCodeLen, 4));
        key.erase(key.find_last_not_of(' ') + 1);
        totals[key] += open.raw();
    }
    sqlite3_finalize(st);
    if (!exec(db, "UPDATE JCCost SET Committed = 0 WHERE Committed <> 0")) std::abort();
    sqlite3_prepare_v2(db, "UPDATE JCCost SET Committed = ? WHERE RecordID = ?", -1, &st, nullptr);
    for (const auto& [k, total] : totals) {
        sqlite3_bind_int64(st, 1, total);
        sqlite3_bind_text(st, 2, k.data(), static_cast<int>(k.size()), SQLITE_STATIC);
        if (sqlite3_step(st) != SQLITE_DONE) std::abort();
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    if (!exec(db, "COMMIT")) std::abort();
    costCodes = static_cast<std::int64_t>(totals.size());
    return w.seconds();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const double scale = bench::scaleFrom(argc, argv);
    Sizes n{std::max(1, static_cast<int>(100000 * scale)), std::max(1, static_cast<int>(200 * scale)),
            std::max(1, static_cast<int>(2000 * scale))};
    const std::string dir = bench::scratchFolder("recalc");
    auto db = createDataFolder(dir);
    if (!db) {
        std::fprintf(stderr, "%s\n", db.error.c_str());
        return 1;
    }
    store::Store& s = *db.store;
    const double loaded = load(s, n);

    sqlite3* plain = nullptr;
    if (sqlite3_open_v2(databasePath(dir).c_str(), &plain, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) std::abort();
    sqlite3_busy_timeout(plain, 5000);
    exec(plain, "PRAGMA synchronous=NORMAL");  // as the store writes
    auto zero = [&](bool items) {
        if (!exec(plain, "UPDATE JCCost SET Committed = 0")) std::abort();
        if (items && !exec(plain, "UPDATE INMaster SET OnOrder = 0")) std::abort();
    };

    bool ok = true;
    std::vector<double> baseline, rebuild, rebuildOnOrder, check;
    std::int64_t plainCodes = 0;
    rec::RebuildResult rebuilt, rebuiltOnOrder;
    rec::CheckResult checked;
    // The steps take turns, so a change in the machine's load falls on all.
    for (int run = 0; run < kRuns; ++run) {
        zero(false);
        baseline.push_back(plainRebuild(plain, plainCodes));
        const auto byHand = committedOnFile(plain);

        zero(false);
        bench::Stopwatch rebuildWatch;
        store::Status st = rec::rebuildFigures(s, kCostCodeLen, {}, rebuilt);
        rebuild.push_back(rebuildWatch.seconds());
        if (!st) {
            std::fprintf(stderr, "rebuild: %s\n", st.message.c_str());
            return 1;
        }
        if (committedOnFile(plain) != byHand || rebuilt.costCodesChanged != plainCodes) {
            std::fprintf(stderr, "the rebuild and the plain rebuild disagree (%d and %lld cost codes written)\n",
                         rebuilt.costCodesChanged, static_cast<long long>(plainCodes));
            ok = false;
        }

        zero(true);
        bench::Stopwatch onOrderWatch;
        st = rec::rebuildFigures(s, kCostCodeLen, rec::RebuildOptions{true}, rebuiltOnOrder);
        rebuildOnOrder.push_back(onOrderWatch.seconds());
        if (!st) {
            std::fprintf(stderr, "rebuild with on-order: %s\n", st.message.c_str());
            return 1;
        }

        bench::Stopwatch checkWatch;
        st = rec::checkFigures(s, kCostCodeLen, checked);
        check.push_back(checkWatch.seconds());
        if (!st) {
            std::fprintf(stderr, "check: %s\n", st.message.c_str());
            return 1;
        }
        if (!checked.clean()) {
            const auto& d = checked.differences.front();
            std::fprintf(stderr, "check after a rebuild: %zu differences, the first on %s (stored %s, expected %s)\n",
                         checked.differences.size(), d.what.c_str(), d.stored.c_str(), d.expected.c_str());
            ok = false;
        }
    }
    sqlite3_close(plain);

    const double base = median(baseline), rb = median(rebuild), rbo = median(rebuildOnOrder), ck = median(check);
    bench::figure("orders", n.orders, "orders");
    bench::figure("lines", static_cast<double>(n.lines), "lines");
    bench::figure("cost_codes", n.jobs * kCodesPerJob, "cost codes");
    bench::figure("items", n.items, "items");
    bench::figure("load", loaded, "s");
    bench::figure("runs_per_step", kRuns, "runs");
    bench::figure("rebuild", rb, "s");
    bench::figure("rebuild_cost_codes_written", rebuilt.costCodesChanged, "cost codes");
    bench::figure("rebuild_on_order", rbo, "s");
    bench::figure("rebuild_on_order_items_written", rebuiltOnOrder.itemsChanged, "items");
    bench::figure("check", ck, "s");
    bench::figure("check_differences", static_cast<double>(checked.differences.size()), "differences");
    bench::figure("baseline", base, "s");
    bench::figure("baseline_cost_codes_written", static_cast<double>(plainCodes), "cost codes");
    bench::target("rebuild_vs_baseline", rb / base, 2.0);
    bench::target("check_vs_baseline", ck / base, 2.0);
    std::filesystem::remove_all(dir);
    return ok ? 0 : 1;
}
