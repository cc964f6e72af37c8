#pragma once
// The seeded random workload of the running-figures model test, through the
// real controllers of a small company (figures_model_test.cpp tells what it
// drives). It runs on a company of its own, or as one of several programs
// at work on one company at once (the concurrency test).
#include <set>
#include <stdexcept>
#include <string>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <random>
#include <sstream>

#include "platform/suite/error_object.h"
#include "platform/suite/ini_file.h"
#include "platform/suite/session.h"
#include "platform/ui/ui.h"
#include "records/database.h"
#include "records/records.h"
#include "siblings/payables/invoice_po_line.h"
#include "support/answering_ui.h"
#include "support/temp_dir.h"
#include "vtlpoent/browse/browse_po_master.h"
#include "vtlpoent/dialogs/duplicate_po.h"
#include "vtlpoent/form/update_po_master.h"
#include "vtlpoent/line/line_form.h"
#include "vtlpoent/line/line_procedures.h"
#include "vtlpoent/line/update_po_detail.h"
#include "vtlpoent/search/pick_po_master.h"
#include "vtlporec/figures.h"
#include "vtlporec/procedures.h"
#include "vtlporec/reconcile_po_detail.h"
#include "vtlporec/update_po_reconcile.h"
#include "vtlpoimp/import_po_master.h"
#include "vtlpoimp/import_source.h"


namespace vtl::test {

constexpr int kCostCodeLen = 6;
const char* const kJobs[] = {"J1", "J2", "J3", "J4"};  // J3 closed, J4 inactive
const char* const kCodes[][2] = {{"010100", "LAB"}, {"020200", "MAT"}, {"030300", "SUB"}};
const char* const kItems[] = {"STUD", "NAIL", "SAW"};  // nails also by the box of 50; saws serialized

class Model {
public:
    // A company of its own, in a new data folder (its database on `server`
    // when one is given).
    explicit Model(std::uint64_t seed, const std::string& server = "")
        : rng_(seed), folder_(dir_.file("data")), db_(createDataFolder(folder_, server)),
          clock_(Date::fromYmd(2026, 7, 1), Time::fromHms(10, 30)) {
        if (!db_) throw std::runtime_error(db_.error);
        start("JDL");
        company();
    }
    // One of several programs at work on the company of `folder` at once:
    // it signs on as `user` and keeps to the orders of vendor `owner`, so
    // what it finished can be told apart from the others' work.
    Model(std::uint64_t seed, const std::string& folder, ULong owner, const std::string& user)
        : rng_(seed), folder_(folder), db_(openDataFolder(folder_)),
          clock_(Date::fromYmd(2026, 7, 1), Time::fromHms(10, 30)), owner_(owner) {
        if (!db_) throw std::runtime_error(db_.error);
        start(user);
    }

    const std::string& folder() const { return folder_; }

    // Vendors, users and print limits for `workers` programs at once:
    // worker w is vendor 10 + w and user "W<w>".
    void prepareWorkers(int workers) {
        for (int w = 1; w <= workers; ++w) {
            APVendor a;
            a.VendorID = static_cast<ULong>(10 + w);
            a.VendorName = "Worker vendor " + std::to_string(w);
            a.Active = 1;
            put<APVendor>(a);
            UserFile u;
            u.UserID = "W" + std::to_string(w);
            u.FirstName = "Worker";
            u.MayChangePONumber = 1;
            put<UserFile>(u);
        }
    }

    // A further kind of step, run now and then among the others.
    void addStep(std::function<std::string(Model&)> extra) { extra_ = std::move(extra); }
    Session& session() { return *session_; }
    suite::Globals& globals() { return globals_; }
    ModuleState& module() { return module_; }
    FixedClock& clock() { return clock_; }

    // The orders this program keeps to, as they stand: what another
    // program must never change or lose.
    std::string digest() {
        std::string out;
        for (const POMaster& po : orders()) {
            std::int64_t lines = 0, ordered = 0, received = 0, invoiced = 0, price = 0;
            PODetail d;
            d.POID = po.POID;
            for (auto c = store::Table<PODetail>(store()).scan(PODetail::KeyPOID, d, {false, 1, false}); c.next(d);) {
                ++lines;
                ordered += d.QtyOrdered.raw();
                received += d.QtyRcvdNotInvoiced.raw();
                invoiced += d.QtyInvoiced.raw();
                price += static_cast<std::int64_t>(d.UnitPrice * 10000 + 0.5);
            }
            out += std::to_string(po.POID) + " " + po.PONumber.clip() + " v" + std::to_string(po.VendorID) + " r" +
                   std::to_string(po.Reconciled) + " lines " + std::to_string(lines) + " " + std::to_string(ordered) +
                   " " + std::to_string(received) + " " + std::to_string(invoiced) + " " + std::to_string(price) + "\n";
        }
        return out;
    }
    store::Store& store() { return *db_.store; }

private:
    void start(const std::string& user) {
        errors_.setUi(&ui_);
        globals_.CostCodeLen = kCostCodeLen;
        globals_.UserID = user;
        session_ = std::make_unique<Session>(Session{*db_.store, ui_, globals_, errors_, settings_, clock_,
                                                     procedures_, views_, folder_, dir_.path(), module_});
        ent::registerLineProcedures(procedures_);
        rec::registerRecProcedures(procedures_);
        views_.set<ent::UpdatePODetail>([this](ent::UpdatePODetail& f) {
            if (lineAction_) lineAction_(f);
        });
        views_.set<ent::DuplicatePO>([](ent::DuplicatePO& d) { d.ok(); });
        views_.set<rec::ReconcilePODetail>([](rec::ReconcilePODetail& f) { f.cancel(); });
        views_.set<imp::BrowseErrQue>([](imp::BrowseErrQue& q) { q.proceed(); });
    }

public:
    // What the workload built, so a test can see it really went everywhere.
    struct Reach {
        int orders = 0, lines = 0, inventory = 0, received = 0, invoiced = 0, closed = 0, serials = 0;
        int committedCodes = 0, itemsOnOrder = 0, imported = 0;
    };
    Reach reach() {
        Reach r;
        r.orders = static_cast<int>(orders().size());
        for (const POMaster& po : orders())
            if (po.PreparedBy == "Pat") ++r.imported;
        for (const PODetail& d : allLines()) {
            ++r.lines;
            if (d.DetailType == "Inventory") ++r.inventory;
            if (!receivedNotInvoiced(d).isZero()) ++r.received;
            if (!d.QtyInvoiced.isZero()) ++r.invoiced;
            if (d.Reconciliation == 2) ++r.closed;
        }
        r.serials = static_cast<int>(store::Table<PODetSer>(store()).count());
        JCCost c;
        for (auto cur = store::Table<JCCost>(store()).all(JCCost::KeyRecordID); cur.next(c);)
            if (!c.Committed.isZero()) ++r.committedCodes;
        INMaster m;
        for (auto cur = store::Table<INMaster>(store()).all(INMaster::KeyItemID); cur.next(m);)
            if (!m.OnOrder.isZero()) ++r.itemsOnOrder;
        return r;
    }

    // One random step; its name goes into `done` for the failure report.
    void step(std::string& done) {
        ui_.answer = nullptr;
        if (extra_ && chance(5)) {
            done = extra_(*this);
            return;
        }
        const int pick = roll(100);
        if (pick < 18) done = newOrder();
        else if (pick < 36) done = changeOrder();
        else if (pick < 41) done = viewOnlyOrder();
        else if (pick < 46) done = deleteFromBrowse();
        else if (pick < 49) done = deleteFromPickList();
        else if (pick < 54) done = duplicate();
        else if (pick < 62) done = reconcileToggle();
        else if (pick < 78) done = receive();
        else if (pick < 92) done = invoice();
        else if (pick < 95) done = closeSlip();
        else if (pick < 98) done = importOrders();
        else done = rebuild();
    }

    // Empty when every figure and order agrees with the lines.
    std::string disagreement() {
        std::ostringstream out;
        for (const auto& e : ui_.errors) out << "message: " << e << "\n";
        ui_.errors.clear();
        rec::CheckResult result;
        store::Status s = rec::checkFigures(store(), kCostCodeLen, result, {}, false);
        if (!s) out << "check failed: " << s.message << "\n";
        for (const auto& d : result.differences)
            out << static_cast<int>(d.kind) << " " << d.what << " stored " << d.stored << " expected " << d.expected
                << " " << d.difference << "\n";
        if (lineFormShared(module_).openLines) out << "a line form was left pointing at a closed form\n";
        return out.str();
    }

    int roll(int n) { return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(rng_)); }
    bool chance(int percent) { return roll(100) < percent; }

private:
    // The vendor of a new or changed order.
    std::string vendor() { return std::to_string(owner_ ? owner_ : static_cast<ULong>(1 + roll(3))); }
    static ent::LineFormResult& lineFormShared(const ModuleState& m) { return ent::lineFormShared(m); }

    void company() {
        Systems sys;
        sys.AutoNumberPOs = 1;
        sys.NextPONumber = 1000;
        sys.DefaultPOTaxRate = 8.25;
        sys.DefaultJobAccount = "5000-00";  // imported job and equipment lines are charged here
        sys.DefaultEQAccount = "5000-00";
        put<Systems>(sys);
        UserFile u;
        u.UserID = "JDL";
        u.FirstName = "Jane";
        u.LastName = "Lee";
        u.MayChangePONumber = 1;
        put<UserFile>(u);
        for (ULong v = 1; v <= 3; ++v) {
            APVendor a;
            a.VendorID = v;
            a.VendorName = "Vendor " + std::to_string(v);
            a.Active = 1;
            put<APVendor>(a);
        }
        for (int j = 0; j < 4; ++j) {
            JCHeader h;
            h.JobID = kJobs[j];
            h.JobName = std::string("Job ") + kJobs[j];
            h.Active = j == 3 ? 0 : 1;
            h.Closed = j == 2 ? 1 : 0;
            put<JCHeader>(h);
            for (const auto& code : kCodes) {
                JCCost c;
                c.JobID = kJobs[j];
                c.CostCode = std::string(code[0]) + code[1];
                c.RecordID = costRecordKey(kJobs[j], c.CostCode.str(), kCostCodeLen);
                put<JCCost>(c);
            }
        }
        for (const char* id : kItems) {
            INMaster m;
            m.ItemID = id;
            m.StockUnit = "EA";
            m.DefaultLocation = "MAIN";
            m.DefaultBin = "A1";
            m.Serialized = std::string(id) == "SAW" ? 1 : 0;
            put<INMaster>(m);
        }
        INCnvrt box;
        box.ItemID = "NAIL";
        box.UnitName = "BOX";
        box.Factor = 50;
        put<INCnvrt>(box);
        for (auto [loc, bin] : {std::pair{"MAIN", "A1"}, std::pair{"YARD", "B2"}}) {
            INLoc l;
            l.LocationID = loc;
            put<INLoc>(l);
            INBin b;
            b.LocationID = loc;
            b.BinID = bin;
            put<INBin>(b);
        }
        INVendor price;  // vendor 2 sells nails by the box
        price.ItemID = "NAIL";
        price.VendorID = 2;
        price.UnitName = "BOX";
        price.Price = *Decimal<15, 4>::parse("21.5");
        put<INVendor>(price);
        GLMaster gl;
        gl.Account = "5000-00";
        put<GLMaster>(gl);
        EQHeader eq;
        eq.EquipmentID = "EQ1";
        put<EQHeader>(eq);
        EQCost fuel;
        fuel.EquipmentID = "EQ1";
        fuel.CostCategory = "FUEL";
        put<EQCost>(fuel);
    }
    template <class R>
    void put(R& r) {
        if (!store::Table<R>(store()).insert(r)) throw std::runtime_error("cannot build the company");
    }

    std::vector<POMaster> orders() {
        std::vector<POMaster> all;
        POMaster po;
        for (auto c = store::Table<POMaster>(store()).all(POMaster::KeyPOID); c.next(po);)
            if (!owner_ || po.VendorID == owner_) all.push_back(po);
        return all;
    }
public:
    // One of the orders this program keeps to, at random.
    std::optional<POMaster> anyOrder() {
        auto all = orders();
        if (all.empty()) return std::nullopt;
        return all[static_cast<std::size_t>(roll(static_cast<int>(all.size())))];
    }

private:
    std::vector<PODetail> allLines() {
        std::vector<PODetail> all;
        std::set<ULong> mine;
        if (owner_)
            for (const POMaster& po : orders()) mine.insert(po.POID);
        PODetail d;
        for (auto c = store::Table<PODetail>(store()).all(PODetail::KeyDetailID); c.next(d);)
            if (!owner_ || mine.count(d.POID)) all.push_back(d);
        return all;
    }

    Quantity quantity(int upTo) { return Quantity::fromRaw(static_cast<std::int64_t>(roll(upTo * 4) + 1) * 2500); }

    // What the line form is told to do with the line it shows.
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
                if (!f.setJob(kJobs[roll(4)])) f.setJob(kJobs[roll(2)]);
                const auto& code = kCodes[roll(3)];
                f.setCostCode(code[0], code[1]);
            } else if (kind < 85) {
                f.setDetailType("Inventory");
                const char* item = kItems[roll(3)];
                f.setItem(item);
                if (std::string(item) == "NAIL") f.setUnit(chance(50) ? "BOX" : "EA");
                if (chance(30)) {
                    f.setLocation("YARD");
                    f.setBin("B2");
                }
            } else if (kind < 95) {
                f.setDetailType("G/L Account");
                f.setAccount("5000-00");
            } else {
                f.setDetailType("Equipment");
                f.setEquipment("EQ1");
                f.setCostCategory("FUEL");
            }
        } else if (now.DetailType == "Inventory" && now.ItemID == "NAIL" && chance(30)) {
            f.setUnit(now.UnitName == "BOX" ? "EA" : "BOX");
        }
        if (now.TextFlag == 1) return;
        const Quantity floor = now.QtyInvoiced + receivedNotInvoiced(now);
        Quantity q = quantity(12);
        // Sometimes below what came in: the form must refuse it.
        if (q < floor && chance(70)) q = floor + Quantity(roll(3));
        f.setQuantity(q);
        f.setUnitPrice(static_cast<double>(roll(400000) + 1) / 10000.0);
    }

    void lineForm(ent::UpdatePOMaster& form, suite::Request request) {
        lineAction_ = [this, request](ent::UpdatePODetail& f) {
            fillLine(f, request == suite::Request::Change);
            if (!f.ok()) {
                // Refused (quantity below what came in, a field not on file): try once as told.
                if (!f.done() && f.line().TextFlag != 1) {
                    f.setQuantity(f.line().QtyInvoiced + receivedNotInvoiced(f.line()) + Quantity(1));
                    if (f.ok()) return;
                }
                f.cancel();
            }
        };
        if (request == suite::Request::Insert) form.insertLine();
        else form.changeLine();
        lineAction_ = nullptr;
    }

    void edit(ent::UpdatePOMaster& form) {
        const int edits = 1 + roll(4);
        for (int e = 0; e < edits; ++e) {
            const int n = static_cast<int>(form.rows().size());
            if (n > 0) form.highlight(roll(n));
            const int what = roll(100);
            if (what < 35 || n == 0) lineForm(form, suite::Request::Insert);
            else if (what < 70) lineForm(form, suite::Request::Change);
            else if (what < 80) form.deleteLine();
            else if (what < 88) {
                if (chance(50)) form.moveToTop();
                else form.moveDown();
            } else if (what < 94) {
                form.setTaxable(chance(50));
            } else {
                ui_.answer = [this](const std::string& title, const std::string&) {
                    return title == "Confirm Price Change" ? 1 + roll(2) : 1;
                };
                form.enterVendor(vendor());
                ui_.answer = nullptr;
            }
        }
    }

    // OK, Cancel, or the program killed with the form open.
    std::string finish(std::unique_ptr<ent::UpdatePOMaster> form, const std::string& what) {
        const int end = roll(100);
        if (end < 75) {
            form->ok();
            if (!form->closed()) form->cancel();  // a check kept it open: the clerk gives up
            return what + " ok";
        }
        if (end < 90) {
            form->cancel();
            return what + " cancel";
        }
        form.reset();
        return what + " killed";
    }

    std::unique_ptr<ent::UpdatePOMaster> openForm(suite::Request request, ULong poid) {
        globals_.GlobalRequest = request;
        globals_.DecimalVariable = poid;
        auto form = std::make_unique<ent::UpdatePOMaster>(*session_);
        if (!form->open()) return nullptr;
        return form;
    }

    std::string newOrder() {
        module_.repetitiveInsert = 0;
        auto form = openForm(suite::Request::Insert, 0);
        if (!form) return "new order not opened";
        form->enterVendor(vendor());
        const int lines = roll(5);
        for (int i = 0; i < lines; ++i) lineForm(*form, suite::Request::Insert);
        return finish(std::move(form), "new order");
    }

    std::string changeOrder() {
        auto po = anyOrder();
        if (!po) return newOrder();
        auto form = openForm(suite::Request::Change, po->POID);
        if (!form) return "change not opened";
        edit(*form);
        // Others at work on the same order while the form is open.
        const int meanwhile = roll(100);
        std::string also;
        if (meanwhile < 15) also = " with " + invoice(po->POID);
        else if (meanwhile < 30) also = " with " + receive(po->POID);
        else if (meanwhile < 38) also = " with " + rebuild();
        return finish(std::move(form), "change " + std::to_string(po->POID) + also);
    }

    std::string viewOnlyOrder() {
        auto po = anyOrder();
        if (!po) return "view only: no order";
        module_.viewOnly = true;
        auto form = openForm(suite::Request::Change, po->POID);
        if (form) {
            edit(*form);
            if (form->rows().size() > 1) {
                form->highlight(0);
                form->moveToBottom();
            }
            form->ok();
            form->cancel();
        }
        module_.viewOnly = false;
        return "view only " + std::to_string(po->POID);
    }

    std::string deleteFromBrowse() {
        auto po = anyOrder();
        if (!po) return "browse delete: no order";
        ent::BrowsePOMaster browse(*session_);
        browse.open();
        browse.setShowFullyReconciled(true);
        if (!browse.highlightPOID(po->POID)) return "browse delete: not listed";
        browse.deleteRecords();
        browse.close();
        return "browse delete " + std::to_string(po->POID);
    }

    std::string deleteFromPickList() {
        auto po = anyOrder();
        if (!po) return "pick delete: no order";
        ent::PickPOMaster pick(*session_);
        pick.setShowFullyReconciled(true);
        pick.open();
        for (std::size_t i = 0; i < pick.rows().size(); ++i)
            if (pick.rows()[i].poid == po->POID) {
                pick.highlight(i);
                pick.deleteHighlighted();
                return "pick delete " + std::to_string(po->POID);
            }
        return "pick delete: not listed";
    }

    std::string duplicate() {
        auto po = anyOrder();
        if (!po) return "duplicate: no order";
        ent::BrowsePOMaster browse(*session_);
        browse.open();
        browse.setShowFullyReconciled(true);
        if (!browse.highlightPOID(po->POID)) return "duplicate: not listed";
        browse.duplicate();
        browse.close();
        return "duplicate " + std::to_string(po->POID);
    }

    std::string reconcileToggle() {
        auto all = orders();
        if (all.empty()) return "reconcile: no order";
        ent::BrowsePOMaster browse(*session_);
        browse.open();
        browse.setShowFullyReconciled(true);
        std::string what;
        if (chance(30) && all.size() > 1) {
            for (int i = 0; i < 3; ++i) globals_.TagQue.add(all[static_cast<std::size_t>(roll(static_cast<int>(all.size())))].POID);
            ui_.answer = [](const std::string& title, const std::string& buttons) {
                if (title == "Highlighted or Tagged") return 2;
                return buttons == "&No|&Yes" ? 2 : 1;
            };
            what = "reconcile tagged";
        } else {
            const POMaster& po = all[static_cast<std::size_t>(roll(static_cast<int>(all.size())))];
            browse.highlightPOID(po.POID);
            what = "reconcile " + std::to_string(po.POID);
        }
        browse.reconcile();
        browse.close();
        return what;
    }

    // Receives on a random open line (of `poid` when given).
    std::string receive(ULong poid = 0) {
        std::vector<PODetail> open;
        for (const PODetail& d : allLines()) {
            if (poid && d.POID != poid) continue;
            if (d.TextFlag == 1 || d.QtyOrdered <= Quantity()) continue;
            open.push_back(d);
        }
        if (open.empty()) return "receive: nothing open";
        const PODetail line = open[static_cast<std::size_t>(roll(static_cast<int>(open.size())))];
        POMaster po;
        po.POID = line.POID;
        if (!store::Table<POMaster>(store()).fetch(POMaster::KeyPOID, po) || po.Reconciled == 2)
            return "receive: order closed";
        globals_.GlobalRequest = suite::Request::Change;
        globals_.DecimalVariable = line.DetailID;
        rec::ReconcilePODetail f(*session_);
        if (!f.open()) return "receive: not opened";
        const Quantity room = line.QtyOrdered - line.QtyRcvdNotInvoiced;
        Quantity slip = line.QtyThisPackSlip;
        if (chance(20) && slip > Quantity()) slip = Quantity();  // the slip's entry taken back
        else slip = std::min(room, Quantity(1 + roll(std::max(1, static_cast<int>(room.toDouble())))));
        slip = Quantity::fromDouble(Money::fromDouble(slip.toDouble()).toDouble());
        return enterReceipt(f, line, slip,
                            [&] { return "SN-" + std::to_string(line.DetailID) + "-" + std::to_string(roll(1000)); });
    }

    std::string closeSlip() {
        auto po = anyOrder();
        if (!po || po->Reconciled == 2) return "close slip: none";
        globals_.GlobalRequest = suite::Request::Change;
        globals_.DecimalVariable = po->POID;
        rec::UpdatePOReconcile form(*session_);
        if (!form.open()) return "close slip: not opened";
        if (chance(50)) form.ok();
        else form.cancel();
        return "close slip " + std::to_string(po->POID);
    }

    // Posts an invoice as the payables module would (of `poid` when given).
    std::string invoice(ULong poid = 0) {
        std::vector<PODetail> candidates;
        for (const PODetail& d : allLines())
            if ((!poid || d.POID == poid) && d.TextFlag != 1 && d.QtyOrdered > Quantity()) candidates.push_back(d);
        if (candidates.empty()) return "invoice: nothing";
        const PODetail line = candidates[static_cast<std::size_t>(roll(static_cast<int>(candidates.size())))];
        Quantity q = line.QtyOrdered - line.QtyInvoiced;
        if (q <= Quantity() || chance(10)) q = Quantity(1);  // billed beyond what was ordered
        else if (chance(60)) q = Quantity::fromDouble(Money::fromDouble(q.toDouble() * (roll(100) + 1) / 100.0).toDouble());
        if (q.isZero()) q = Quantity(1);
        const double price = chance(30) ? line.UnitPrice * 1.07 : line.UnitPrice;
        siblings::LineInvoice inv{line.DetailID, q, Money::fromDouble(q.toDouble() * price),
                                  "INV-" + std::to_string(roll(100000)), clock_.today()};
        if (store::Status s = siblings::invoicePOLine(store(), kCostCodeLen, inv); !s)
            ui_.errors.push_back("invoice: " + s.message);
        return "invoice " + std::to_string(line.DetailID) + " " + q.toString();
    }

    // Orders read from a file through the import window, as the module's
    // own export writes them: job, stock (by the box too), ledger and
    // equipment lines, text lines, and now and then a line the checks drop.
    std::string importOrders() {
        std::string text;
        const int headers = 1 + roll(3);
        for (int h = 0; h < headers; ++h) {
            text += "H," + vendor() + ",\"Pat\",,\"" + (chance(50) ? "" : "IMP-" + (owner_ ? std::to_string(owner_) + "-" : "") + std::to_string(++imported_)) +
                    "\",,,,,0,0,0,0\n";
            for (int n = roll(4); n > 0; --n) {
                const std::string qty = std::to_string(1 + roll(9)) + "." + std::to_string(roll(10));
                const std::string price = std::to_string(1 + roll(50)) + ".25";
                const int kind = roll(100);
                if (kind < 40) {
                    const auto& code = kCodes[roll(3)];
                    text += "D,0,\"\",\"\",\"job\"," + qty + "," + price + ",\"EA\",0,\"J\",\"\",\"" + kJobs[roll(4)] +
                            "\",\"" + code[0] + code[1] + "\"\n";
                } else if (kind < 70) {
                    const char* item = kItems[roll(3)];
                    const char* unit = std::string(item) == "NAIL" && chance(50) ? "BOX" : "EA";
                    text += "D,0,\"\",\"" + std::string(item) + "\",\"stock\"," + qty + "," + price + ",\"" + unit +
                            "\",0,\"Inventory\",\"\"\n";
                } else if (kind < 80) {
                    text += "D,0,\"\",\"\",\"ledger\"," + qty + "," + price + ",\"EA\",0,\"G\",\"" +
                            (chance(80) ? "5000-00" : "9999-99") + "\"\n";
                } else if (kind < 90) {
                    text += "D,0,\"\",\"\",\"fuel\"," + qty + "," + price + ",\"GAL\",0,\"E\",\"\",\"\",\"\",\"EQ1\",\"FUEL\"\n";
                } else {
                    text += "D,1,\"Call before delivery\"\n";
                }
            }
        }
        // Named as it stands, so each program reads its own file from its
        // own folder whatever another program last wrote into the source.
        const std::string path = owner_ ? std::string("import.txt") : dir_.file("import.txt");
        if (FILE* f = std::fopen(path.c_str(), "wb")) {
            std::fwrite(text.data(), 1, text.size(), f);
            std::fclose(f);
        }
        if (!imp::findSource(store(), imp::kBuiltInTitle))
            imp::ensureBuiltInSource(store(), false, "JDL", clock_.today());
        auto source = imp::findSource(store(), imp::kBuiltInTitle);
        source->NameFrom = path;
        store::Table<JCLimits>(store()).update(*source);
        imp::ImportPOMaster w(*session_);
        w.open();
        w.preview();
        const std::size_t read = w.rowCount();
        w.importRecords();
        return "import " + std::to_string(read) + " of " + std::to_string(headers) + " orders";
    }

    std::string rebuild() {
        rec::RebuildResult result;
        if (store::Status s = rec::rebuildFigures(store(), kCostCodeLen, {chance(50)}, result); !s)
            ui_.errors.push_back("rebuild: " + s.message);
        // Nothing drifted, so nothing may move.
        if (result.costCodesChanged || result.itemsChanged)
            ui_.errors.push_back("rebuild moved " + std::to_string(result.costCodesChanged) + " cost codes and " +
                                 std::to_string(result.itemsChanged) + " items");
        return "rebuild";
    }

    std::mt19937_64 rng_;
    test::TempDir dir_;
    std::string folder_;
    OpenResult db_;
    AnsweringUi ui_;
    FixedClock clock_;
    suite::Globals globals_;
    suite::ErrorObject errors_;
    suite::IniFile settings_;
    suite::ProcedureTable procedures_;
    suite::Views views_;
    ModuleState module_;
    std::unique_ptr<Session> session_;
    std::function<void(ent::UpdatePODetail&)> lineAction_;
    int imported_ = 0;
    ULong owner_ = 0;
    std::function<std::string(Model&)> extra_;
};

}  // namespace vtl::test
