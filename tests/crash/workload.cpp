#include "crash/workload.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>

#include "platform/suite/error_object.h"
#include "platform/suite/ini_file.h"
#include "platform/suite/session.h"
#include "platform/ui/ui.h"
#include "records/records.h"
#include "report/pages/devices.h"
#include "report/render/render_devices.h"
#include "siblings/payables/invoice_po_line.h"
#include "support/answering_ui.h"
#include "vtlpoent/browse/browse_po_master.h"
#include "vtlpoent/dialogs/duplicate_po.h"
#include "vtlpoent/form/update_po_master.h"
#include "vtlpoent/line/line_procedures.h"
#include "vtlpoent/line/update_po_detail.h"
#include "vtlporec/figures.h"
#include "vtlporec/procedures.h"
#include "vtlporec/reconcile_po_detail.h"
#include "vtlporec/update_po_reconcile.h"
#include "vtlpoimp/export_po.h"
#include "vtlpoimp/import_read.h"
#include "vtlpoimp/import_write.h"
#include "vtlporpt/create_po_print.h"
#include "vtlporpt/output/report_run.h"
#include "vtlporpt/print_shared.h"
#include "vtlporpt/procedures.h"

namespace vtl::crash {
namespace {

using test::AnsweringUi;
using test::enterReceipt;

constexpr int kCostCodeLen = 6;
constexpr const char* kUser = "JDL";
const char* const kJobs[] = {"J1", "J2"};
const char* const kCodes[][2] = {{"010100", "LAB"}, {"020200", "MAT"}};
const char* const kItems[] = {"STUD", "NAIL", "SAW"};  // nails also by the box of 50; saws serialized

Date theDay() { return Date::fromYmd(2026, 7, 1); }

template <class R>
bool put(store::Store& store, R r, std::string& error) {
    if (store::Status s = store::Table<R>(store).insert(r); !s) {
        error = s.message;
        return false;
    }
    return true;
}

}  // namespace

bool createCompany(store::Store& store, const std::string& folder, std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(folder) / kOutputFolder, ec);
    if (ec) {
        error = folder + ": " + ec.message();
        return false;
    }
    store::Transaction tx(store);
    Systems sys;
    sys.CompanyName = "Columbia Ridge Builders";
    sys.AutoNumberPOs = 1;
    sys.NextPONumber = 1000;
    sys.DefaultPOTaxRate = 8.25;
    sys.DefaultJobAccount = "5000-00";
    sys.DefaultEQAccount = "5000-00";
    bool ok = put(store, sys, error);
    UserFile u;
    u.UserID = kUser;
    u.FirstName = "Jane";
    u.LastName = "Lee";
    u.MayChangePONumber = 1;
    ok = ok && put(store, u, error);
    for (ULong v = 1; ok && v <= 3; ++v) {
        APVendor a;
        a.VendorID = v;
        a.VendorName = "Vendor " + std::to_string(v);
        a.Active = 1;
        ok = put(store, a, error);
    }
    for (const char* job : kJobs) {
        JCHeader h;
        h.JobID = job;
        h.JobName = std::string("Job ") + job;
        h.Active = 1;
        ok = ok && put(store, h, error);
        for (const auto& code : kCodes) {
            JCCost c;
            c.JobID = job;
            c.CostCode = std::string(code[0]) + code[1];
            c.RecordID = costRecordKey(job, c.CostCode.str(), kCostCodeLen);
            ok = ok && put(store, c, error);
        }
    }
    for (const char* id : kItems) {
        INMaster m;
        m.ItemID = id;
        m.StockUnit = "EA";
        m.DefaultLocation = "MAIN";
        m.DefaultBin = "A1";
        m.Serialized = std::string(id) == "SAW" ? 1 : 0;
        ok = ok && put(store, m, error);
    }
    INCnvrt box;
    box.ItemID = "NAIL";
    box.UnitName = "BOX";
    box.Factor = 50;
    ok = ok && put(store, box, error);
    INLoc loc;
    loc.LocationID = "MAIN";
    ok = ok && put(store, loc, error);
    INBin bin;
    bin.LocationID = "MAIN";
    bin.BinID = "A1";
    ok = ok && put(store, bin, error);
    GLMaster gl;
    gl.Account = "5000-00";
    ok = ok && put(store, gl, error);
    // The user's name among the purchasing agents, as the first form she
    // opened left it: a new order's form adds it when it opens, apart
    // from any save.
    DropList agent;
    agent.FieldName = "POM Purchasing Agent";
    agent.Value = "Jane Lee";
    agent.UserID = kUser;
    agent.DateAdded = theDay();
    ok = ok && put(store, agent, error);
    // The printing limits of the user, numbering from 5000.
    POLimits limits;
    limits.UserID = kUser;
    limits.Report = rpt::kGenerateReport;
    limits.ReportTitle = "*Standard Report";
    limits.ModifyDate = theDay();
    limits.RefFrom = 5000;
    ok = ok && put(store, limits, error);
    if (!ok) return false;
    if (store::Status s = tx.commit(); !s) {
        error = s.message;
        return false;
    }
    return true;
}

struct Workload::Impl {
    // What one operation works with, made afresh for each, so nothing an
    // earlier operation left in memory decides what a later one does.
    struct Bench {
        AnsweringUi ui;
        FixedClock clock{theDay(), Time::fromHms(10, 30)};
        suite::Globals globals;
        suite::ErrorObject errors;
        suite::IniFile settings;
        suite::ProcedureTable procedures;
        suite::Views views;
        ModuleState module;
        std::unique_ptr<Session> session;
        std::function<void(ent::UpdatePODetail&)> lineAction;
    };

    Impl(store::Store& s, std::string f, std::uint64_t seed) : store(s), folder(std::move(f)), seed(seed) {}

    store::Store& store;
    std::string folder;
    std::uint64_t seed;
    std::mt19937_64 rng;
    std::unique_ptr<Bench> b;

    void newBench() {
        b = std::make_unique<Bench>();
        Bench& w = *b;
        w.errors.setUi(&w.ui);
        w.globals.CostCodeLen = kCostCodeLen;
        w.globals.UserID = kUser;
        w.session = std::make_unique<Session>(Session{store, w.ui, w.globals, w.errors, w.settings, w.clock,
                                                      w.procedures, w.views, folder, "", w.module});
        ent::registerLineProcedures(w.procedures);
        rec::registerRecProcedures(w.procedures);
        rpt::registerReportProcedures(w.procedures);
        render::registerReportDevices(w.views);
        w.views.set<ent::UpdatePODetail>([this](ent::UpdatePODetail& f) {
            if (b->lineAction) b->lineAction(f);
        });
        w.views.set<ent::DuplicatePO>([](ent::DuplicatePO& d) { d.ok(); });
        w.views.set<rec::ReconcilePODetail>([](rec::ReconcilePODetail& f) { f.cancel(); });
    }

    int roll(int n) { return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(rng)); }
    bool chance(int percent) { return roll(100) < percent; }
    Session& s() { return *b->session; }

    std::vector<POMaster> orders() {
        std::vector<POMaster> all;
        POMaster po;
        for (auto c = store::Table<POMaster>(store).all(POMaster::KeyPOID); c.next(po);) all.push_back(po);
        return all;
    }
    std::optional<POMaster> anyOrder() {
        auto all = orders();
        if (all.empty()) return std::nullopt;
        return all[static_cast<std::size_t>(roll(static_cast<int>(all.size())))];
    }
    std::vector<PODetail> allLines() {
        std::vector<PODetail> all;
        PODetail d;
        for (auto c = store::Table<PODetail>(store).all(PODetail::KeyDetailID); c.next(d);) all.push_back(d);
        return all;
    }

    bool firstStepOnly = false;

    std::string run(std::int64_t k, std::string& fault, bool firstStep) {
        firstStepOnly = firstStep;
        rng.seed(seed * 0x9E3779B97F4A7C15ull + static_cast<std::uint64_t>(k));
        newBench();
        const int pick = roll(100);
        std::string done;
        if (pick < 16) done = newOrder();
        else if (pick < 32) done = changeOrder();
        else if (pick < 38) done = deleteOrder();
        else if (pick < 46) done = reconcileToggle();
        else if (pick < 60) done = receive();
        else if (pick < 64) done = closeSlip();
        else if (pick < 74) done = invoice();
        else if (pick < 78) done = duplicate();
        else if (pick < 86) done = importOrders();
        else if (pick < 90) done = rebuild();
        else if (pick < 95) done = print();
        else done = exportAll();
        fault.clear();
        for (const std::string& e : b->ui.errors) fault += e + "\n";
        b.reset();
        return done;
    }

    Quantity quantity(int upTo) { return Quantity::fromRaw(static_cast<std::int64_t>(roll(upTo * 4) + 1) * 2500); }

    void fillLine(ent::UpdatePODetail& f, bool changing) {
        const PODetail& now = f.line();
        const bool touched = !now.QtyInvoiced.isZero() || !receivedNotInvoiced(now).isZero();
        if (!changing || (!touched && chance(20))) {
            const int kind = roll(100);
            if (kind < 10) {
                f.setTextLine(true);
                f.setText("Deliver to the north gate");
                return;
            }
            f.setTextLine(false);
            if (kind < 50) {
                f.setDetailType("Job");
                f.setJob(kJobs[roll(2)]);
                const auto& code = kCodes[roll(2)];
                f.setCostCode(code[0], code[1]);
            } else if (kind < 85) {
                f.setDetailType("Inventory");
                const char* item = kItems[roll(3)];
                f.setItem(item);
                if (std::string(item) == "NAIL") f.setUnit(chance(50) ? "BOX" : "EA");
            } else {
                f.setDetailType("G/L Account");
                f.setAccount("5000-00");
            }
        }
        if (now.TextFlag == 1) return;
        const Quantity floor = now.QtyInvoiced + receivedNotInvoiced(now);
        Quantity q = quantity(12);
        if (q < floor) q = floor + Quantity(1);
        f.setQuantity(q);
        f.setUnitPrice(static_cast<double>(roll(400000) + 1) / 10000.0);
    }

    void lineForm(ent::UpdatePOMaster& form, suite::Request request) {
        b->lineAction = [this, request](ent::UpdatePODetail& f) {
            fillLine(f, request == suite::Request::Change);
            if (!f.ok()) f.cancel();
        };
        if (request == suite::Request::Insert) form.insertLine();
        else form.changeLine();
        b->lineAction = nullptr;
    }

    std::unique_ptr<ent::UpdatePOMaster> openForm(suite::Request request, ULong poid) {
        b->globals.GlobalRequest = request;
        b->globals.DecimalVariable = poid;
        auto form = std::make_unique<ent::UpdatePOMaster>(s());
        if (!form->open()) return nullptr;
        return form;
    }

    // OK, or now and then a form given up (its numbers stay handed out).
    std::string finish(std::unique_ptr<ent::UpdatePOMaster> form, const std::string& what) {
        if (chance(85)) {
            form->ok();
            if (!form->closed()) form->cancel();
            return what + " ok";
        }
        form->cancel();
        return what + " cancel";
    }

    std::string newOrder() {
        b->module.repetitiveInsert = 0;
        auto form = openForm(suite::Request::Insert, 0);
        if (!form) return "new order not opened";
        form->enterVendor(std::to_string(1 + roll(3)));
        for (int i = roll(5); i > 0; --i) lineForm(*form, suite::Request::Insert);
        return finish(std::move(form), "new order");
    }

    std::string changeOrder() {
        auto po = anyOrder();
        if (!po) return newOrder();
        auto form = openForm(suite::Request::Change, po->POID);
        if (!form) return "change not opened";
        for (int e = 1 + roll(3); e > 0; --e) {
            const int n = static_cast<int>(form->rows().size());
            if (n > 0) form->highlight(roll(n));
            const int what = roll(100);
            if (what < 40 || n == 0) lineForm(*form, suite::Request::Insert);
            else if (what < 80) lineForm(*form, suite::Request::Change);
            else form->deleteLine();
        }
        return finish(std::move(form), "change " + std::to_string(po->POID));
    }

    std::string deleteOrder() {
        auto po = anyOrder();
        if (!po) return "delete: no order";
        ent::BrowsePOMaster browse(s());
        browse.open();
        browse.setShowFullyReconciled(true);
        if (!browse.highlightPOID(po->POID)) return "delete: not listed";
        browse.deleteRecords();
        browse.close();
        return "delete " + std::to_string(po->POID);
    }

    std::string duplicate() {
        auto po = anyOrder();
        if (!po) return "duplicate: no order";
        ent::BrowsePOMaster browse(s());
        browse.open();
        browse.setShowFullyReconciled(true);
        if (!browse.highlightPOID(po->POID)) return "duplicate: not listed";
        browse.duplicate();
        browse.close();
        return "duplicate " + std::to_string(po->POID);
    }

    // One highlighted order: reconciled when open, unreconciled when closed.
    std::string reconcileToggle() {
        auto po = anyOrder();
        if (!po) return "reconcile: no order";
        ent::BrowsePOMaster browse(s());
        browse.open();
        browse.setShowFullyReconciled(true);
        if (!browse.highlightPOID(po->POID)) return "reconcile: not listed";
        browse.reconcile();
        browse.close();
        return (po->Reconciled == 2 ? "unreconcile " : "reconcile ") + std::to_string(po->POID);
    }

    std::string receive() {
        std::vector<PODetail> open;
        for (const PODetail& d : allLines())
            if (d.TextFlag != 1 && d.QtyOrdered > Quantity()) open.push_back(d);
        if (open.empty()) return "receive: nothing open";
        const PODetail line = open[static_cast<std::size_t>(roll(static_cast<int>(open.size())))];
        POMaster po;
        po.POID = line.POID;
        if (!store::Table<POMaster>(store).fetch(POMaster::KeyPOID, po) || po.Reconciled == 2)
            return "receive: order closed";
        b->globals.GlobalRequest = suite::Request::Change;
        b->globals.DecimalVariable = line.DetailID;
        rec::ReconcilePODetail f(s());
        if (!f.open()) return "receive: not opened";
        const Quantity room = line.QtyOrdered - line.QtyRcvdNotInvoiced;
        Quantity slip = std::min(room, Quantity(1 + roll(std::max(1, static_cast<int>(room.toDouble())))));
        slip = Quantity::fromDouble(Money::fromDouble(slip.toDouble()).toDouble());
        return enterReceipt(f, line, slip, [&] { return "SN-" + std::to_string(line.DetailID); });
    }

    std::string closeSlip() {
        auto po = anyOrder();
        if (!po || po->Reconciled == 2) return "close slip: none";
        b->globals.GlobalRequest = suite::Request::Change;
        b->globals.DecimalVariable = po->POID;
        rec::UpdatePOReconcile form(s());
        if (!form.open()) return "close slip: not opened";
        if (firstStepOnly) return "close slip " + std::to_string(po->POID) + " opened";
        form.ok();
        return "close slip " + std::to_string(po->POID);
    }

    std::string invoice() {
        std::vector<PODetail> candidates;
        for (const PODetail& d : allLines())
            if (d.TextFlag != 1 && d.QtyOrdered > Quantity()) candidates.push_back(d);
        if (candidates.empty()) return "invoice: nothing";
        const PODetail line = candidates[static_cast<std::size_t>(roll(static_cast<int>(candidates.size())))];
        Quantity q = line.QtyOrdered - line.QtyInvoiced;
        if (q <= Quantity()) q = Quantity(1);
        if (q.isZero()) q = Quantity(1);
        siblings::LineInvoice inv{line.DetailID, q, Money::fromDouble(q.toDouble() * line.UnitPrice),
                                  "INV-" + std::to_string(roll(100000)), theDay()};
        if (store::Status st = siblings::invoicePOLine(store, kCostCodeLen, inv); !st)
            b->ui.errors.push_back("invoice: " + st.message);
        return "invoice " + std::to_string(line.DetailID) + " " + q.toString();
    }

    // Orders as the module's own export writes them, read and written as
    // the import window does.
    std::string importOrders() {
        std::string text;
        const int headers = 1 + roll(3);
        for (int h = 0; h < headers; ++h) {
            text += "H," + std::to_string(1 + roll(3)) + ",\"Pat\",,\"\",,,,,0,0,0,0\n";
            for (int n = roll(4); n > 0; --n) {
                const std::string qty = std::to_string(1 + roll(9)) + "." + std::to_string(roll(10));
                const std::string price = std::to_string(1 + roll(50)) + ".25";
                const int kind = roll(100);
                if (kind < 45) {
                    const auto& code = kCodes[roll(2)];
                    text += "D,0,\"\",\"\",\"job\"," + qty + "," + price + ",\"EA\",0,\"J\",\"\",\"" + kJobs[roll(2)] +
                            "\",\"" + code[0] + code[1] + "\"\n";
                } else if (kind < 80) {
                    const char* item = kItems[roll(3)];
                    const char* unit = std::string(item) == "NAIL" && chance(50) ? "BOX" : "EA";
                    text += "D,0,\"\",\"" + std::string(item) + "\",\"stock\"," + qty + "," + price + ",\"" + unit +
                            "\",0,\"Inventory\",\"\"\n";
                } else if (kind < 90) {
                    text += "D,0,\"\",\"\",\"ledger\"," + qty + "," + price + ",\"EA\",0,\"G\",\"5000-00\"\n";
                } else {
                    text += "D,1,\"Call before delivery\"\n";
                }
            }
        }
        const std::string path = (std::filesystem::path(folder) / kImportFile).string();
        if (FILE* f = std::fopen(path.c_str(), "wb")) {
            std::fwrite(text.data(), 1, text.size(), f);
            std::fclose(f);
        }
        imp::SourceSpec spec;
        spec.oneFile = true;
        spec.format = imp::FileFormat::Comma;
        spec.headerFile = path;
        spec.layout = imp::parseLayout(imp::kBuiltInLayout);
        imp::ImportBatch batch;
        const imp::ReadResult read = imp::readImport(store, spec, kCostCodeLen, folder, batch);
        if (read.outcome != imp::ReadResult::Outcome::Read) {
            b->ui.errors.push_back("import: " + read.problem);
            return "import not read";
        }
        imp::WriteContext cx{store, kUser, theDay(), kCostCodeLen,
                             [this](const std::string& t) { b->ui.errors.push_back("import: " + t); }, {}};
        imp::WriteResult written;
        if (store::Status st = imp::writeImport(cx, batch, written); !st)
            b->ui.errors.push_back("import: " + st.message);
        return "import " + std::to_string(written.orders) + " orders";
    }

    std::string rebuild() {
        rec::RebuildResult result;
        if (store::Status st = rec::rebuildFigures(store, kCostCodeLen, {chance(50)}, result); !st)
            b->ui.errors.push_back("rebuild: " + st.message);
        // Nothing drifted, so nothing may move.
        if (result.costCodesChanged || result.itemsChanged)
            b->ui.errors.push_back("rebuild moved " + std::to_string(result.costCodesChanged) + " cost codes and " +
                                   std::to_string(result.itemsChanged) + " items");
        return "rebuild";
    }

    // "Generate POs": the unprinted orders numbered anew from the counter
    // the limits keep and flagged printed, in one transaction, then their
    // pages written to the PDF file.
    std::string print() {
        POLimits l;
        for (auto c = store::Table<POLimits>(store).all(POLimits::KeyLimitID); c.next(l);)
            if (l.Report.clip() == rpt::kGenerateReport) break;
        rpt::PrintOptions& o = rpt::printShared(b->module).options;
        o.printCondition = "U";
        o.assignPONumber = chance(50) ? "A" : "B";
        o.setPrintedFlag = 1;
        o.poNumber = l.RefFrom;
        report::Document printed;
        b->views.set<report::ReportPreview>([&](report::ReportPreview& p) {
            printed = p.document();
            p.close();
        });
        b->globals.PrintPreview = 1;
        b->globals.DecimalVariable = 0;
        s().call("PrintPurchaseOrderServer");
        if (printed.empty()) return "print: nothing to print";
        rpt::ReportRun output(s(), printed.title);
        const auto files = output.writePdf(printed, (std::filesystem::path(folder) / kPdfFile).string(), false);
        if (files.empty()) b->ui.errors.push_back("print: no PDF written");
        return "print " + std::to_string(printed.pages.size()) + " pages";
    }

    std::string exportAll() {
        std::vector<ULong> poids;
        for (const POMaster& po : orders()) poids.push_back(po.POID);
        imp::ExportResult result;
        const bool ok = imp::exportOrders(store, poids, folder, (std::filesystem::path(folder) / kExportFile).string(),
                                          [this](const std::string& t) { b->ui.errors.push_back("export: " + t); },
                                          result);
        if (!ok) b->ui.errors.push_back("export: not written");
        return "export " + std::to_string(result.orders) + " orders";
    }
};

Workload::Workload(store::Store& store, std::string folder, std::uint64_t seed)
    : impl_(std::make_unique<Impl>(store, std::move(folder), seed)) {}
Workload::~Workload() = default;

std::string Workload::run(std::int64_t k, std::string& fault, bool firstStepOnly) {
    return impl_->run(k, fault, firstStepOnly);
}

}  // namespace vtl::crash
