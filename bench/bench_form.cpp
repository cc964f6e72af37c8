// The purchase-order form on a large order: one order of 2,000 lines (job
// lines on a few cost codes, inventory lines on a few items, some G/L and a
// few text lines) among 400 ordinary orders, every order's commitments and
// on-order quantities posted as the first save of a new order posts them
// (--scale multiplies the large order's lines). Repeated several times:
//   open:   the form in change mode until its window shows every line
//   change: one job line's quantity through the line form, as the form's
//           Change button runs it (not targeted)
//   OK:     the save with its posting
// and, for comparison, one plain read of the order's lines.
// Each figure is given as the median and the worst of the repeats; the
// targets are judged on the median. After every OK the changed line's cost
// code must have moved by exactly the change in the line's open amount, so
// a save that posts nothing cannot pass unnoticed.
#include <QAbstractItemModel>
#include <QApplication>
#include <QTableView>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "bench_util.h"
#include "platform/suite/error_object.h"
#include "platform/suite/ini_file.h"
#include "platform/suite/session.h"
#include "platform/ui/scripted_ui.h"
#include "records/database.h"
#include "records/records.h"
#include "records/reconciliation.h"
#include "vtlpoent/form/po_totals.h"
#include "gui/ent/form/update_po_master_view.h"
#include "vtlpoent/form/update_po_master.h"
#include "vtlpoent/line/line_procedures.h"
#include "vtlpoent/line/update_po_detail.h"
#include "vtlpoent/posting.h"

using namespace vtl;

namespace {

constexpr int kCostCodeLen = 6;
constexpr int kOtherOrders = 400;
constexpr int kRepeats = 7;
constexpr const char* kJob = "2026-014";

struct CostLine {
    const char* code;
    const char* type;
    const char* description;
    const char* lineText;
    double price;
};

const CostLine kCosts[] = {
    {"031000", "MAT", "Concrete forming", "Plywood form panels 4x8 HDO", 48.75},
    {"032000", "MAT", "Concrete reinforcing", "Rebar #5 grade 60, 20 ft", 14.20},
    {"033000", "MAT", "Cast-in-place concrete", "Ready-mix 4000 psi, per cu yd", 158.00},
    {"033000", "LAB", "Cast-in-place concrete", "Finishing crew, per hour", 72.50},
    {"051200", "SUB", "Structural steel framing", "Steel erection, per ton", 1890.00},
};

struct Item {
    const char* id;
    const char* description;
    const char* unit;
    double price;
};

const Item kItems[] = {
    {"ANC-0500", "Anchor bolt 1/2 x 10 galvanized", "EA", 3.85},
    {"CHR-0300", "Rebar chair 3 in plastic", "EA", 0.42},
    {"TIE-1600", "Tie wire 16 ga, 3.5 lb coil", "COIL", 6.90},
    {"CUR-0005", "Curing compound 5 gal", "PAIL", 61.00},
    {"SLV-0400", "PVC sleeve 4 in x 10 ft", "EA", 18.35},
    {"GLV-0100", "Work gloves, nitrile dipped", "PR", 2.15},
};

const char* const kAccounts[] = {"6420-00", "6510-00", "7100-00"};

std::string rtrim(std::string s) {
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

// The cost code proper, then its type padded to 4 characters.
std::string costCodeOf(const CostLine& c) {
    std::string type = c.type;
    type.resize(4, ' ');
    return std::string(c.code) + type;
}

std::string costKeyOf(const std::string& job, const CostLine& c) {
    return ent::costRecordKey(job, costCodeOf(c), kCostCodeLen);
}

template <class R>
void put(store::Table<R>& table, R& rec) {
    if (auto st = table.insert(rec); !st) {
        std::fprintf(stderr, "%s\n", st.message.c_str());
        std::exit(1);
    }
}

void loadReferenceFiles(store::Store& s) {
    store::Table<Systems> systems(s);
    Systems sys;
    sys.CompanyName = "Harrow Ridge Builders";
    sys.CompanyState = "OR";
    sys.UseDeliveryDate = 1;
    sys.DefaultPOTaxRate = 0;
    sys.AutoNumberPOs = 1;
    sys.NextPONumber = 26001;
    put(systems, sys);

    store::Table<APVendor> vendors(s);
    for (int v = 1; v <= 60; ++v) {
        APVendor a;
        a.VendorID = static_cast<ULong>(v);
        a.VendorName = "Supplier " + std::to_string(v) + " Building Materials";
        a.City = "Portland";
        a.State = "OR";
        a.Phone = "(503) 555-" + std::to_string(1000 + v);
        a.Active = 1;
        a.DueTerms = "Net 30";
        put(vendors, a);
    }

    store::Table<JCHeader> jobs(s);
    store::Table<JCCost> costs(s);
    for (int j = 0; j < 6; ++j) {
        JCHeader h;
        h.JobID = j == 0 ? std::string(kJob) : "2026-0" + std::to_string(20 + j);
        h.JobName = "Job " + h.JobID.clip();
        h.Active = 1;
        put(jobs, h);
        for (const CostLine& c : kCosts) {
            JCCost cost;
            cost.RecordID = costKeyOf(h.JobID.str(), c);
            cost.JobID = h.JobID;
            cost.CostCode = costCodeOf(c);
            cost.Description = c.description;
            // Budgets well above what is ordered: no line asks about it.
            cost.Budget = Money(50'000'000);
            put(costs, cost);
        }
    }

    store::Table<INLoc> locations(s);
    INLoc loc;
    loc.LocationID = "YARD";
    loc.Description = "Main yard";
    put(locations, loc);
    store::Table<INBin> bins(s);
    INBin bin;
    bin.LocationID = "YARD";
    bin.BinID = "A1";
    bin.Description = "Rack A, level 1";
    put(bins, bin);
    store::Table<INMaster> items(s);
    for (const Item& it : kItems) {
        INMaster m;
        m.ItemID = it.id;
        m.Description = it.description;
        m.StockUnit = it.unit;
        m.DefaultLocation = "YARD";
        m.DefaultBin = "A1";
        m.OnHand = Quantity(500);
        put(items, m);
    }

    store::Table<GLMaster> accounts(s);
    for (const char* a : kAccounts) {
        GLMaster g;
        g.Account = a;
        g.Description = "Job site expense " + std::string(a);
        put(accounts, g);
    }
}

// Line `j` of an order: 60% job, 25% inventory, 10% G/L, 5% text; every
// seventh job line is half invoiced, so its open amount is not its total.
PODetail makeLine(ULong poid, int j, const std::string& job, Date issued) {
    PODetail d;
    d.POID = poid;
    d.SequenceNo = static_cast<ULong>(j + 1);
    d.DeliveryDate = issued + 14 + j % 21;
    d.Taxable = j % 3 == 0 ? 1 : 0;
    const int kind = j % 20;
    const int qty = 1 + (j * 37) % 120;
    if (kind == 19) {
        d.TextFlag = 1;
        d.DetailType = "Job";
        d.JobID = job;
        d.Text = "Deliver to the north gate; call the site superintendent 30 minutes before arrival.";
        return d;
    }
    if (kind < 12) {
        const CostLine& c = kCosts[j % std::size(kCosts)];
        d.DetailType = "Job";
        d.JobID = job;
        d.CostCode = costCodeOf(c);
        d.Description = c.lineText;
        d.UnitName = "EA";
        d.UnitPrice = c.price;
        d.QtyOrdered = Quantity(qty);
        if (j % 7 == 0) d.QtyInvoiced = Quantity(qty / 2);
    } else if (kind < 17) {
        const Item& it = kItems[j % std::size(kItems)];
        d.DetailType = "Inventory";
        d.ItemID = it.id;
        d.Description = it.description;
        d.UnitName = it.unit;
        d.UnitPrice = it.price;
        d.QtyOrdered = Quantity(qty * 10);
        d.LocationID = "YARD";
        d.BinID = "A1";
        d.VendorCatalogID = "CAT-" + std::string(it.id);
    } else {
        d.DetailType = "G/L Account";
        d.Account = kAccounts[j % std::size(kAccounts)];
        d.Description = "Equipment rental, per day";
        d.UnitName = "DAY";
        d.UnitPrice = 285.00;
        d.QtyOrdered = Quantity(1 + j % 5);
    }
    d.TotalAmount = Money::fromDouble(d.QtyOrdered.toDouble() * d.UnitPrice);
    d.PreTaxAmount = d.TotalAmount;
    d.AmountInvoiced = Money::fromDouble(d.QtyInvoiced.toDouble() * d.UnitPrice);
    d.Reconciliation = lineReconciliation(d);
    if (d.DetailType == "Inventory") d.INVQuantity = d.QtyOrdered - d.QtyInvoiced;
    if (d.DetailType == "Job") d.CommittedPrice = ent::jobOpenAmount(d);
    return d;
}

// One order with `lines` lines, stored and then posted as a first save.
ULong addOrder(store::Store& s, ent::Poster& poster, int n, int lines, const std::string& job) {
    store::Table<POMaster> orders(s);
    store::Table<PODetail> details(s);
    POMaster po;
    po.VendorID = static_cast<ULong>(1 + n % 60);
    po.PONumber = std::to_string(20000 + n);
    po.IssueDate = Date::fromYmd(2026, 1 + n % 6, 1 + n % 28);
    po.DeliveryDate = po.IssueDate + 21;
    po.DefaultJob = job;
    po.ShipToType = "Job";
    po.ShipToJob = job;
    po.PreparedBy = "Dana Whitlock";
    po.Terms = "Net 30";
    po.FOB = "Job site";
    po.ShipVia = "Vendor truck";
    put(orders, po);
    std::vector<PODetail> stored;
    for (int j = 0; j < lines; ++j) {
        PODetail d = makeLine(po.POID, j + n, job, po.IssueDate);
        d.SequenceNo = static_cast<ULong>(j + 1);
        put(details, d);
        stored.push_back(d);
    }
    std::vector<Byte> states;
    for (const PODetail& d : stored) states.push_back(d.Reconciliation);
    ent::applyOrdinaryTotals(po, ent::sumLines(stored));
    setReconciled(po, orderReconciliation(states));
    if (auto st = orders.update(po); !st) {
        std::fprintf(stderr, "%s\n", st.message.c_str());
        std::exit(1);
    }
    if (auto st = poster.postNewOrder(po.POID); !st) {
        std::fprintf(stderr, "posting: %s\n", st.message.c_str());
        std::exit(1);
    }
    return po.POID;
}

// The committed amount every cost code should hold: the open amounts of
// all stored job lines, by cost-record key without its trailing spaces.
std::map<std::string, Money> expectedCommitted(store::Store& s) {
    std::map<std::string, Money> out;
    PODetail d;
    for (auto c = store::Table<PODetail>(s).all(PODetail::KeyDetailID); c.next(d);)
        if (d.DetailType == "Job")
            out[rtrim(ent::costRecordKey(d.JobID.str(), d.CostCode.str(), kCostCodeLen))] += committedShare(d);
    return out;
}

Money committedOf(store::Store& s, const std::string& key) {
    JCCost c;
    c.RecordID = key;
    if (!store::Table<JCCost>(s).fetch(JCCost::KeyRecordID, c)) return Money();
    return c.Committed;
}

struct Spread {
    double median = 0;
    double worst = 0;
};

Spread spread(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    const std::size_t n = ms.size();
    Spread s;
    s.median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
    s.worst = ms.back();
    return s;
}

void report(const std::string& name, const Spread& s) {
    vtl::bench::figure(name + "_median", s.median, "ms");
    vtl::bench::figure(name + "_worst", s.worst, "ms");
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double scale = vtl::bench::scaleFrom(argc, argv);
    const int lines = std::max(1, static_cast<int>(2000 * scale));
    const std::string dir = vtl::bench::scratchFolder("form");
    auto db = createDataFolder(dir);
    if (!db) {
        std::fprintf(stderr, "%s\n", db.error.c_str());
        return 1;
    }
    store::Store& st = *db.store;

    ent::Poster loader(st, kCostCodeLen);
    ULong bigPoid = 0;
    {
        vtl::bench::Stopwatch w;
        store::Transaction tx(st);
        loadReferenceFiles(st);
        for (int n = 0; n < kOtherOrders; ++n) {
            // Half the other orders share the large order's job and codes.
            const std::string job = n % 2 ? std::string(kJob) : "2026-0" + std::to_string(21 + n % 5);
            addOrder(st, loader, n, 5 + n % 11, job);
            if (n == kOtherOrders / 2) bigPoid = addOrder(st, loader, 9999, lines, kJob);
        }
        if (!tx.commit()) return 1;
        vtl::bench::figure("load", w.seconds() * 1000, "ms");
    }

    ui::ScriptedUi ui;
    suite::Globals globals;
    globals.CostCodeLen = kCostCodeLen;
    globals.UserID = "DWH";
    globals.INIPath = dir;
    suite::ErrorObject errors(&ui);
    suite::IniFile settings;
    FixedClock clock(Date::fromYmd(2026, 7, 1));
    suite::ProcedureTable procedures;
    ent::registerLineProcedures(procedures);
    suite::Views views;
    ModuleState module;
    Session session{st, ui, globals, errors, settings, clock, procedures, views, dir, dir, module};

    // The line changed in every repeat: a half-invoiced job line in the
    // middle of the order, so its open amount is not simply its total.
    ULong changedId = 0;
    for (const PODetail& d : linesOfOrder(st, bigPoid))
        if (d.DetailType == "Job" && d.TextFlag != 1 && !d.QtyInvoiced.isZero() && d.SequenceNo >= lines / 2u) {
            changedId = d.DetailID;
            break;
        }
    if (changedId == 0) {
        std::fprintf(stderr, "no half-invoiced job line to change\n");
        return 1;
    }

    Quantity newQty;
    double lineFormMs = 0;
    views.set<ent::UpdatePODetail>([&](ent::UpdatePODetail& f) {
        vtl::bench::Stopwatch w;
        f.setQuantity(newQty);
        f.ok();
        lineFormMs = w.seconds() * 1000;
    });

    std::vector<double> openMs, windowMs, changeMs, lineMs, okMs, readMs;
    bool allRight = true;
    for (int r = 0; r < kRepeats; ++r) {
        globals.GlobalRequest = suite::Request::Change;
        globals.DecimalVariable = static_cast<double>(bigPoid);
        // Open to lines shown: the order read and its window drawn with the
        // whole lines list in it.
        vtl::bench::Stopwatch openWatch;
        ent::UpdatePOMaster form(session);
        const bool opened = form.open();
        const double controllerMs = openWatch.seconds() * 1000;
        if (!opened) return 1;
        auto window = std::make_unique<gui::UpdatePOMasterView>(form, nullptr);
        window->show();
        QApplication::processEvents();
        openMs.push_back(openWatch.seconds() * 1000);
        windowMs.push_back(openMs.back() - controllerMs);
        const int shown = window->lines()->model()->rowCount();
        if (shown != lines) {
            std::fprintf(stderr, "the window showed %d lines, wanted %d\n", shown, lines);
            return 1;
        }
        window.reset();

        PODetail before;
        before.DetailID = changedId;
        store::Table<PODetail>(st).fetch(PODetail::KeyDetailID, before);
        const std::string key = ent::costRecordKey(before.JobID.str(), before.CostCode.str(), kCostCodeLen);
        const Money committedBefore = committedOf(st, key);
        for (std::size_t i = 0; i < form.rows().size(); ++i)
            if (form.rows()[i].detailId == changedId) form.highlight(static_cast<int>(i));
        newQty = before.QtyOrdered + Quantity(r % 2 ? -1 : 3);

        vtl::bench::Stopwatch changeWatch;
        form.changeLine();
        changeMs.push_back(changeWatch.seconds() * 1000);
        lineMs.push_back(lineFormMs);
        if (globals.GlobalResponse != suite::Response::Completed) {
            std::fprintf(stderr, "the line form did not take the new quantity\n");
            return 1;
        }

        vtl::bench::Stopwatch okWatch;
        const bool saved = form.ok();
        okMs.push_back(okWatch.seconds() * 1000);
        if (!saved || !form.closed()) {
            std::fprintf(stderr, "OK did not save the order\n");
            return 1;
        }
        PODetail after;
        after.DetailID = changedId;
        store::Table<PODetail>(st).fetch(PODetail::KeyDetailID, after);
        if (after.QtyOrdered != newQty) {
            std::fprintf(stderr, "OK did not store the new quantity\n");
            return 1;
        }

        const Money moved = committedOf(st, key) - committedBefore;
        const Money expected = committedShare(after) - committedShare(before);
        const bool right = moved == expected && !moved.isZero();
        allRight = allRight && right;
        // One plain read of the order's lines, the unit the form's steps are made of.
        vtl::bench::Stopwatch readWatch;
        const auto read = linesOfOrder(st, bigPoid);
        readMs.push_back(readWatch.seconds() * 1000);
        if (read.size() != static_cast<std::size_t>(lines)) return 1;

        std::printf("check: committed moved by %.2f, expected %.2f %s\n", moved.toDouble(), expected.toDouble(),
                    right ? "OK" : "WRONG");
    }

    // Every code, not only the changed one, must still match its open lines.
    const auto wanted = expectedCommitted(st);
    bool codesRight = true;
    JCCost cost;
    for (auto c = store::Table<JCCost>(st).all(JCCost::KeyRecordID); c.next(cost);) {
        auto it = wanted.find(rtrim(cost.RecordID.str()));
        const Money want = it == wanted.end() ? Money() : it->second;
        if (!(cost.Committed == want)) {
            codesRight = false;
            std::printf("  %s committed %.2f, open lines %.2f\n", rtrim(cost.RecordID.str()).c_str(),
                        cost.Committed.toDouble(), want.toDouble());
        }
    }
    std::printf("check: committed of every cost code equals its open job lines %s\n", codesRight ? "OK" : "WRONG");

    vtl::bench::figure("order_lines", lines, "lines");
    vtl::bench::figure("orders", kOtherOrders + 1, "orders");
    vtl::bench::figure("repeats", kRepeats, "times");
    const Spread open = spread(openMs), change = spread(changeMs), line = spread(lineMs), ok = spread(okMs);
    report("form_open_to_lines", open);
    report("of_which_window", spread(windowMs));
    report("line_change_with_list_refresh", change);
    report("line_form_ok", line);
    report("form_ok", ok);
    report("read_order_lines", spread(readMs));
    // Judged on the median of the repeats, in milliseconds.
    vtl::bench::target("form_open_to_lines_ms", open.median, 100);
    vtl::bench::target("form_ok_ms", ok.median, 100);
    std::filesystem::remove_all(dir);
    return allRight && codesRight ? 0 : 1;
}
