// The buttons of the purchase-order browse: opening and closing, search,
// insert, change, delete, duplicate, printing, import and export.

#include "platform/picture/picture.h"
#include "platform/suite/settings_files.h"
#include "siblings/files/image_files.h"
#include "siblings/files/user_log.h"
#include "siblings/services/help_topic.h"
#include "siblings/services/send_to.h"
#include "siblings/services/training.h"
#include "vtlpoent/browse/browse_po_master.h"
#include "vtlpoent/call_out.h"
#include "vtlpoent/dialogs/confirm_blank_po.h"
#include "vtlpoent/dialogs/duplicate_po.h"

namespace vtl::ent {
namespace {

using ui::Icon;

store::Value intValue(std::int64_t v) { return {store::Value::Type::Int, v, 0, {}}; }

}  // namespace

BrowsePOMaster::BrowsePOMaster(Session& session)
    : session_(session),
      poster_(session.store, session.globals.CostCodeLen) {}

void BrowsePOMaster::report(const std::string& text) { session_.errors.report(text); }

bool BrowsePOMaster::callOut(const std::string& procedure) { return ent::callOut(session_, procedure); }

void BrowsePOMaster::open() {
    request_ = session_.globals.GlobalRequest;
    {
        ui::BusyCursor busy(session_.ui);
        packingSlipPass();
    }
    session_.module.repetitiveInsert =
        suite::SuiteSettings(session_.globals, session_.dataFolder).reinsert() != 0 ? 1 : 0;
    session_.globals.TagQue.clear();
    showMode_ = ShowMode::All;
    vendorNames_.clear();
    std::string error;
    session_.store.project(APVendor::info(), APVendor::KeyVendorName, {}, {"VendorID", "VendorName"},
                           [&](const std::vector<store::Value>& v) { vendorNames_[static_cast<ULong>(v[0].i)] = v[1].s; },
                           error);
    loadIds();
    highlight_ = 0;
}

// Orders received against but not yet invoiced are marked green in the
// list; a partially reconciled order never keeps the fully-reconciled flag.
// Only the lines with goods received are read, through their own index,
// and only those of unreconciled orders: the orders are walked and each
// one's received lines looked up, so no line of another order is touched.
void BrowsePOMaster::packingSlipPass() {
    packingSlips_.clear();
    std::string error;
    std::vector<ULong> wrongFlag;
    if (!session_.store.project(POMaster::info(), POMaster::KeyReconciled,
                                {{"Reconciled", "=", intValue(1)}, {"RecTF", "=", intValue(1)}}, {"POID"},
                                [&](const std::vector<store::Value>& v) { wrongFlag.push_back(static_cast<ULong>(v[0].i)); },
                                error))
        report(error);
    store::JoinSpec received;
    received.parent = &POMaster::info();
    received.parentKey = POMaster::KeyReconciled;
    received.parentFilter = {{"Reconciled", "=", intValue(0)}};
    received.parentFields = {"POID"};
    received.child = &PODetail::info();
    received.parentLink = "POID";
    received.childLink = "POID";
    received.childFilter = {{"QtyRcvdNotInvoiced", "<>", intValue(0), true}};
    received.childFields = {"QtyOrdered", "QtyRcvdNotInvoiced"};
    received.orderChildren = false;  // only their sums are kept
    // Rows come order by order, so each order's entry is found once.
    ULong current = 0;
    std::pair<Quantity, Quantity>* entry = nullptr;
    if (!session_.store.join(received,
                             [&](const std::vector<store::Value>& order, const std::vector<store::Value>& line) {
                                 const ULong poid = static_cast<ULong>(order[0].i);
                                 if (!entry || poid != current) {
                                     current = poid;
                                     entry = &packingSlips_.try_emplace(packingSlips_.end(), poid)->second;
                                 }
                                 entry->first += Quantity::fromRaw(line[0].i);
                                 entry->second += Quantity::fromRaw(line[1].i);
                             },
                             error))
        report(error);
    store::Table<POMaster> orders(session_.store);
    for (ULong poid : wrongFlag) {
        POMaster po;
        if (!fetchOrder(poid, po)) continue;
        setReconciled(po, kPartiallyReconciled);
        session_.errors.check(orders.update(po));
    }
}

void BrowsePOMaster::close() {
    suite::SuiteSettings(session_.globals, session_.dataFolder).setReinsert(session_.module.repetitiveInsert);
    session_.globals.TagQue.clear();
}

void BrowsePOMaster::search() {
    session_.module.chosenPOID = 0;
    session_.module.showFullyReconciled = showFull_;
    callOut("SearchPOMaster");
    if (session_.module.showFullyReconciled != showFull_) setShowFullyReconciled(session_.module.showFullyReconciled);
    if (session_.module.chosenPOID == 0) return;
    POMaster po;
    if (!fetchOrder(session_.module.chosenPOID, po)) return;
    refresh();
    highlightPOID(po.POID);
}

void BrowsePOMaster::select() {
    auto poid = highlightedPOID();
    if (!poid) return;
    selectedPOID_ = *poid;
    session_.globals.DecimalVariable = *poid;
    session_.globals.GlobalResponse = suite::Response::Completed;
}

void BrowsePOMaster::insert() {
    if (viewMode()) return;
    // A header left behind by an interrupted insert.
    store::Table<POMaster> orders(session_.store);
    POMaster stray;
    stray.POID = 0;
    if (orders.fetch(POMaster::KeyPOID, stray)) session_.errors.check(orders.removeCascade(stray));
    session_.globals.GlobalRequest = suite::Request::Insert;
    session_.globals.GlobalResponse = suite::Response::None;
    callOut("UpdatePOMaster");
    const bool done = session_.globals.GlobalResponse == suite::Response::Completed;
    const ULong added = static_cast<ULong>(session_.globals.DecimalVariable);
    refresh();
    if (done && added) highlightPOID(added);
}

bool BrowsePOMaster::unpostedInvoiceFor(ULong poid) {
    APInv inv;
    inv.Posted = 0;
    for (auto c = store::Table<APInv>(session_.store).scan(APInv::KeyPosted, inv, {false, 1, false}); c.next(inv);)
        if (inv.POID == poid) return true;
    return false;
}

void BrowsePOMaster::change() {
    if (viewMode()) return;
    auto poid = highlightedPOID();
    if (!poid) return;
    POMaster po;
    if (!fetchOrder(*poid, po)) return;
    session_.module.viewOnly = false;
    if (unpostedInvoiceFor(po.POID)) {
        session_.ui.beep();
        session_.ui.tell(
            "This Purchase Order is currently being reconciled by an unposted A/P Invoice.  The Purchase Order can be "
            "viewed, but it cannot be edited until the A/P Invoice is either posted or deleted.",
            "Purchase Order Being Reconciled", Icon::Warning);
        session_.module.viewOnly = true;
    } else if (po.Reconciled == kFullyReconciled) {
        session_.ui.beep();
        int b = session_.ui.ask(
            "This purchase order has been fully reconciled.  Are you sure you wish to edit the purchase order at this "
            "time?",
            "Purchase Order Partially Reconciled", "&View Only|&Edit|&Cancel", Icon::Warning);
        if (b == 1) session_.module.viewOnly = true;
        else if (b != 2) return;
    } else if (po.Reconciled == kPartiallyReconciled) {
        int b = session_.ui.ask(
            "This purchase order has been partially reconciled.  Are you sure you wish to edit the purchase order at "
            "this time?",
            "Purchase Order Partially Reconciled", "&Yes|&No", Icon::Warning);
        if (b != 1) return;
    }
    session_.globals.GlobalRequest = suite::Request::Change;
    session_.globals.GlobalResponse = suite::Response::None;
    session_.globals.DecimalVariable = po.POID;
    callOut("UpdatePOMaster");
    session_.module.viewOnly = false;
    refresh();
    highlightPOID(po.POID);
}

void BrowsePOMaster::deleteRecords() {
    if (viewMode()) return;
    auto highlighted = highlightedPOID();
    auto& tags = session_.globals.TagQue;
    bool tagged = false;
    if (!tags.empty()) {
        int b = session_.ui.ask("Do you want to delete the Highlighted Purchase Order|or the Tagged Purchase Orders?",
                                "Delete Which Purchase Orders?", "&Highlighted|&Tagged|&Cancel", Icon::Warning);
        if (b == 2) tagged = true;
        else if (b != 1) return;
    }
    if (!tagged && !highlighted) return;
    if (tagged) {
        if (session_.ui.ask("Are you sure you want to delete the tagged Purchase Order(s)?", "Confirm Delete",
                            "&Yes|&No", Icon::Warning) != 1)
            return;
        for (ULong poid : tags.snapshot()) {
            POMaster po;
            if (!fetchOrder(poid, po)) continue;
            deleteOrder(po, true);
        }
        refresh();
        return;
    }
    if (session_.ui.ask("Are you sure you want to delete the highlighted Purchase Order?", "Confirm Delete",
                        "&Yes|&No", Icon::Warning) != 1)
        return;
    POMaster po;
    if (!fetchOrder(*highlighted, po)) return;
    deleteOrder(po, false);
    refresh();
}

void BrowsePOMaster::deleteOrder(POMaster& po, bool tagged) {
    if (unpostedInvoiceFor(po.POID)) {
        session_.ui.beep();
        if (tagged)
            session_.ui.tell("Purchase Order #" + po.PONumber.clip() +
                                 " is currently being reconciled by an unposted A/P Invoice.  The Purchase Order "
                                 "cannot be deleted until the A/P Invoice is either posted or deleted.",
                             "Purchase Order Cannot Be Deleted", Icon::Warning);
        else
            session_.ui.tell(
                "This Purchase Order is currently being reconciled by an unposted A/P Invoice.  The Purchase Order "
                "cannot be deleted until the A/P Invoice is either posted or deleted.",
                "Purchase Order Being Reconciled", Icon::Warning);
        return;
    }
    // The order's figures, received stock, notes, attachments and records go
    // together; a write that fails leaves the order and every figure as
    // they were. The stored copies of attached files go once that is sure.
    std::vector<ULong> files;
    store::Status s = inOneTransaction(session_.store, [&] {
        if (store::Status w = poster_.postOrderDelete(po.POID); !w) return w;
        if (store::Status w = deleteOrderNotesAndImages(session_.store, po.POID, files); !w) return w;
        logUser("Deleted Purchase Order", po);
        return store::Table<POMaster>(session_.store).removeCascade(po);
    });
    if (!s) {
        report(s.message);
        return;
    }
    for (ULong image : files)
        if (auto f = siblings::removeImageFile(session_.dataFolder, image); !f) report(f.message);
}

void BrowsePOMaster::logUser(const std::string& action, const POMaster& po) {
    std::string text = action;
    if (!po.PONumber.blank()) text += " #" + po.PONumber.clip();
    text += " for Vendor (" + std::to_string(po.VendorID) + ") ";
    APVendor v;
    v.VendorID = po.VendorID;
    if (store::Table<APVendor>(session_.store).fetch(APVendor::KeyVendorID, v)) text += v.VendorName.clip();
    siblings::logUserActivity(session_, kLogArea, text);
}

void BrowsePOMaster::duplicate() {
    auto poid = highlightedPOID();
    if (!poid) return;
    POMaster source;
    if (!fetchOrder(*poid, source)) return;
    store::Table<Systems> systems(session_.store);
    Systems sys;
    auto sc = systems.all(0);
    sc.next(sys);

    DuplicatePO dlg;
    dlg.source = source;
    dlg.sourceVendorName = vendorName(source.VendorID);
    dlg.poNumber = sys.AutoNumberPOs ? std::to_string(sys.NextPONumber) : Text<15>("Copy of " + source.PONumber.clip()).clip();
    const std::string proposed = dlg.poNumber;
    const Date today = session_.clock.today();
    auto shifted = [&](Date d) {
        if (d.isNull()) return Date();
        return source.IssueDate.isNull() ? today : today + (d - source.IssueDate);
    };
    dlg.issueDate = today;
    dlg.acceptDate = shifted(source.DeliverAfterDate);
    dlg.deliveryDate = shifted(source.DeliveryDate);
    dlg.deadlineDate = shifted(source.DeadlineDate);
    dlg.showAccept = sys.UseAcceptDate != 0;
    dlg.showDelivery = sys.UseDeliveryDate != 0;
    dlg.showDeadline = sys.UseDeadlineDate != 0;
    if (!session_.views.run(dlg) || !dlg.proceed) return;

    ui::BusyCursor busy(session_.ui);
    POMasterAlias copy;
    // The counter, the copy, its lines and what they commit go in together.
    store::Status s = inOneTransaction(session_.store, [&]() -> store::Status {
        if (sys.AutoNumberPOs) {
            // Read the counter again under the write lock: another user may
            // have taken the number meanwhile.
            Systems now;
            auto c = systems.all(0);
            if (c.next(now)) {
                // The number proposed and kept was taken meanwhile: the copy
                // gets the next one instead, as an order saved on the form does.
                if (dlg.poNumber == proposed) dlg.poNumber = std::to_string(now.NextPONumber);
                if (dlg.poNumber == std::to_string(now.NextPONumber)) {
                    now.NextPONumber += 1;
                    if (store::Status w = systems.update(now); !w) return w;
                }
            }
        }
        static_cast<POMaster&>(copy) = source;
        copy.rowId_ = 0;
        copy.POID = 0;
        copy.PONumber = dlg.poNumber;
        copy.PreparedDate = today;
        copy.IssueDate = dlg.issueDate;
        copy.DeliverAfterDate = dlg.acceptDate;
        copy.DeliveryDate = dlg.deliveryDate;
        copy.DeadlineDate = dlg.deadlineDate;
        copy.PaidDate = Date();
        copy.QuantityReconciled = Money();
        copy.AmountReconciled = Money();
        setReconciled(copy, kUnreconciled);
        if (store::Status w = store::Table<POMasterAlias>(session_.store).insert(copy); !w) return w;
        store::Table<PODetail> lines(session_.store);
        for (PODetail line : linesOfOrder(session_.store, source.POID)) {
            line.rowId_ = 0;
            line.DetailID = 0;
            line.POID = copy.POID;
            line.QtyThisPackSlip = Quantity();
            line.QtyRcvdNotInvoiced = Quantity();
            line.QtyInvoiced = Quantity();
            line.QtyBackord = Quantity();
            line.AmountInvoiced = Money();
            line.Reconciliation = kUnreconciled;
            line.SerialID = 0;
            if (line.DetailType == "Inventory") line.INVQuantity = openInventoryQuantity(session_.store, line);
            if (store::Status w = lines.insert(line); !w) return w;
        }
        // The copy is an open order: its lines commit like those of a new order.
        return poster_.postNewOrder(copy.POID);
    });
    if (!s) {
        report(s.message);
        return;
    }
    refresh();
    highlightPOID(copy.POID);
}

void BrowsePOMaster::generatePOs() {
    auto& tags = session_.globals.TagQue;
    if (!tags.empty()) {
        int b = session_.ui.ask("Would you like to print the tagged Purchase Orders,|or print Purchase Orders using a "
                                "Limit Screen?",
                                "Select Printing Preference", "&Tagged|&Limit Screen|&Cancel", Icon::Warning);
        if (b == 1) {
            for (ULong poid : tags.snapshot()) {
                POMaster po;
                if (!fetchOrder(poid, po)) continue;
                session_.globals.DecimalVariable = po.POID;
                if (!callOut("PrintPurchaseOrderServer")) break;
            }
        } else if (b == 2) {
            callOut("LimitPrintPOs");
        }
    } else {
        auto poid = highlightedPOID();
        int b = session_.ui.ask("Would you like to print the highlighted Purchase Order,|or print Purchase Orders "
                                "using a Limit Screen?",
                                "Select Printing Preference", "&Highlighted|&Limit Screen|&Cancel", Icon::Warning);
        if (b == 1 && poid) {
            session_.globals.DecimalVariable = *poid;
            callOut("PrintPurchaseOrderServer");
        } else if (b == 2) {
            callOut("LimitPrintPOs");
        }
    }
    if (session_.globals.PrintPreview == 0) session_.globals.PrintPreview = 1;
    refresh();
}

void BrowsePOMaster::generatePOsDirect() {
    session_.globals.PrintPreview = 0;
    generatePOs();
}

// A blank form with only a number: the clerk's own, or the next automatic
// one (moved on when it prints).
void BrowsePOMaster::printBlankPO() {
    Systems sys;
    store::Table<Systems>(session_.store).all(0).next(sys);
    ConfirmBlankPO dlg;
    dlg.useNextNumber = sys.AutoNumberPOs != 0;
    if (!session_.views.run(dlg) || !dlg.proceed) return;
    confirmedBlankPO(session_.module) = dlg;
    session_.globals.DecimalVariable = 0.99;
    callOut("PrintPurchaseOrderServer");
    session_.globals.PrintPreview = 1;
}

void BrowsePOMaster::import() {
    callOut("ImportPOMaster");
    refresh();
}

void BrowsePOMaster::exportTagged() {
    if (session_.globals.TagQue.empty()) {
        session_.ui.tell("No purchase orders are tagged for export.", "No Tagged POs", Icon::Information);
        return;
    }
    if (auto poid = highlightedPOID()) session_.globals.DecimalVariable = *poid;
    callOut("ExportPO");
    refresh();
}

namespace {

// The status icon in the words of the list's legend.
std::string statusText(BrowseIcon icon) {
    switch (icon) {
        case BrowseIcon::Full: return "Full with Invoice";
        case BrowseIcon::Partial: return "Partial with Invoice";
        case BrowseIcon::FullGreen: return "Full with Packing Slip";
        case BrowseIcon::PartialGreen: return "Partial with Packing Slip";
        default: return "Open";
    }
}

}  // namespace

void BrowsePOMaster::sendTo() {
    if (rowCount() == 0) return;
    // Sent as data for a spreadsheet: every column named, the status in
    // words, dates as ISO dates and amounts as plain numbers.
    std::vector<std::vector<std::string>> rows;
    rows.reserve(static_cast<std::size_t>(rowCount()));
    for (std::int64_t i = 0; i < rowCount(); ++i) {
        BrowseRow r = row(i);
        rows.push_back({r.tagged ? "Yes" : "No", statusText(r.icon), r.poNumber, r.vendorId, r.vendorName,
                        r.issueDateValue.iso(), r.job, r.amountValue.toString(), r.remainingValue.toString()});
    }
    services::sendListTo(session_, kTitle,
                         {"Tagged", "Status", "PO Number", "Vendor ID", "Vendor Name", "Issue Date", "Job", "Amount",
                          "Remaining"},
                         rows);
}

void BrowsePOMaster::playTraining() { services::playTrainingVideo(session_, "POEnt"); }

void BrowsePOMaster::help() { services::openHelp(session_, kHelpTopic); }

}  // namespace vtl::ent
