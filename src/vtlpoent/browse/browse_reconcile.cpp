// Reconcile/Unreconcile of the purchase-order browse: closing an order
// (every line fully reconciled, its figures released) or reopening a fully
// reconciled order whose lines are not all invoiced.
#include "vtlpoent/browse/browse_po_master.h"

namespace vtl::ent {
namespace {

using ui::Icon;


}  // namespace

bool BrowsePOMaster::hasUninvoicedLine(ULong poid) {
    for (const PODetail& d : linesOfOrder(session_.store, poid))
        if (d.QtyInvoiced < d.QtyOrdered) return true;
    return false;
}

std::optional<JCCost> BrowsePOMaster::costRecord(const PODetail& line) {
    JCCost pos;
    pos.JobID = line.JobID;
    pos.CostCode = line.CostCode;
    store::Table<JCCost> costs(session_.store);
    JCCost c;
    auto cur = costs.scan(JCCost::KeyJobCodeType, pos);
    // Only the cost code of the line itself, never the next one on file.
    if (cur.next(c) && c.JobID == line.JobID && c.CostCode == line.CostCode) return c;
    return std::nullopt;
}

// The open quantity in stocking units; `itemExists` tells whether the item
// is on file. With a foreign unit and no conversion on file, closing keeps
// the quantity the line already holds, reopening takes it unconverted.
Quantity BrowsePOMaster::openInventoryQty(const PODetail& line, bool& itemExists, bool closing) {
    INMaster item;
    item.ItemID = line.ItemID;
    itemExists = store::Table<INMaster>(session_.store).fetch(INMaster::KeyItemID, item);
    const Quantity open = line.QtyOrdered - line.QtyInvoiced;
    if (!itemExists || line.UnitName == item.StockUnit) return open;
    INCnvrt conv;
    conv.ItemID = line.ItemID;
    conv.UnitName = line.UnitName;
    if (!store::Table<INCnvrt>(session_.store).fetch(INCnvrt::KeyItemUnit, conv))
        return closing ? line.INVQuantity : open;
    return openInventoryQuantity(line, &item, &conv);
}

void BrowsePOMaster::addOnOrder(const std::string& itemId, const Quantity& delta) {
    INMaster item;
    item.ItemID = itemId;
    store::Table<INMaster> items(session_.store);
    if (!items.fetch(INMaster::KeyItemID, item)) return;
    item.OnOrder += delta;
    auto s = items.update(item);
    if (!s) report(store::reworded(s, " Saving INMasterPOEnt"));
}

void BrowsePOMaster::closeLine(PODetail& line) {
    if (line.Reconciliation == kFullyReconciled) return;
    store::Table<PODetail> lines(session_.store);
    const Money open = Money::fromDouble((line.QtyOrdered - line.QtyInvoiced).toDouble() * line.UnitPrice);
    if (line.DetailType == "Inventory") {
        bool itemExists = false;
        const Quantity q = openInventoryQty(line, itemExists, true);
        line.INVQuantity = q;
        session_.errors.check(lines.update(line));
        if (itemExists) addOnOrder(line.ItemID.clip(), -q);
    } else if (line.DetailType == "Job") {
        if (auto c = costRecord(line)) {
            c->Committed -= open;
            session_.errors.check(store::Table<JCCost>(session_.store).update(*c));
        }
    }
    line.Reconciliation = kFullyReconciled;
    session_.errors.check(lines.update(line));
}

void BrowsePOMaster::reopenLine(PODetail& line) {
    store::Table<PODetail> lines(session_.store);
    const Money open = Money::fromDouble((line.QtyOrdered - line.QtyInvoiced).toDouble() * line.UnitPrice);
    if (line.DetailType == "Job") {
        if (auto c = costRecord(line)) {
            c->Committed += open;
            session_.errors.check(store::Table<JCCost>(session_.store).update(*c));
        }
    }
    line.Reconciliation = lineReconciliation(line);
    if (line.DetailType == "Inventory") {
        bool itemExists = false;
        const Quantity q = openInventoryQty(line, itemExists, false);
        line.INVQuantity = q;
        session_.errors.check(lines.update(line));
        if (itemExists) addOnOrder(line.ItemID.clip(), q);
    }
    session_.errors.check(lines.update(line));
}

void BrowsePOMaster::closeOrder(POMaster& po) {
    store::Transaction tx(session_.store);
    for (PODetail& d : linesOfOrder(session_.store, po.POID)) closeLine(d);
    setReconciled(po, kFullyReconciled);
    session_.errors.check(store::Table<POMaster>(session_.store).update(po));
    auto s = tx.commit();
    if (!s) report(s.message);
}

void BrowsePOMaster::reopenOrder(POMaster& po) {
    store::Transaction tx(session_.store);
    std::vector<Byte> states;
    for (PODetail& d : linesOfOrder(session_.store, po.POID)) {
        reopenLine(d);
        states.push_back(d.Reconciliation);
    }
    setReconciled(po, orderReconciliation(states));
    session_.errors.check(store::Table<POMaster>(session_.store).update(po));
    auto s = tx.commit();
    if (!s) report(s.message);
}

void BrowsePOMaster::reconcile() {
    if (rowCount() == 0) return;
    auto& tags = session_.globals.TagQue;
    bool tagged = false;
    if (!tags.empty()) {
        int b = session_.ui.ask("Would you like to Reconcile/Unreconcile the Highlighted|Purchase Order or the Tagged "
                                "Purchase Orders?",
                                "Highlighted or Tagged", "&Highlighted|&Tagged|&Cancel", Icon::Warning);
        if (b == 2) tagged = true;
        else if (b != 1) return;
    }
    if (!tagged) {
        auto poid = highlightedPOID();
        POMaster po;
        if (!poid || !fetchOrder(*poid, po)) return;
        if (po.Reconciled == kFullyReconciled) {
            if (!hasUninvoicedLine(po.POID)) {
                session_.ui.tell("All the line item quantities on this Purchase Order|have already been invoiced.  The "
                                 "Purchase Order cannot |be unreconciled.",
                                 "Unable to Un-Reconcile Highlighted Purchase Order?", Icon::Warning);
                return;
            }
            if (session_.ui.ask("Are you sure you want to mark the highlighted|Purchase Order as unreconciled?",
                                "Un-Reconcile Purchase Order?", "&No|&Yes", Icon::Warning) == 2)
                reopenOrder(po);
        } else {
            if (session_.ui.ask("Marking the highlighted Purchase Order as Fully Reconciled|will PERMANENTLY alter the "
                                "purchase order so that it will |no longer be Open and cannot be edited or reconciled "
                                "with |a Packing Slip or Invoice.||Are you sure you want to mark the highlighted "
                                "Purchase Order |as Fully Reconciled?",
                                "Reconcile Highlighted Purchase Order?", "&No|&Yes", Icon::Warning) == 2)
                closeOrder(po);
        }
        refresh();
        return;
    }
    std::vector<ULong> toClose, toReopen;
    for (ULong poid : tags.snapshot()) {
        POMaster po;
        if (!fetchOrder(poid, po)) continue;
        if (po.Reconciled < kFullyReconciled) toClose.push_back(poid);
        else if (hasUninvoicedLine(poid)) toReopen.push_back(poid);
    }
    if (!toClose.empty() &&
        session_.ui.ask("Marking the tagged Purchase Orders as Fully Reconciled will|PERMANENTLY alter the purchase "
                        "orders so that they will no|longer be Open and cannot be edited or reconciled with a|Packing "
                        "Slip or Invoice.||Are you sure you want to mark the tagged Purchase Orders as|Fully "
                        "Reconciled?",
                        "Reconcile Tagged Purchase Orders?", "&No|&Yes", Icon::Warning) == 2) {
        for (ULong poid : toClose) {
            POMaster po;
            if (fetchOrder(poid, po) && po.Reconciled < kFullyReconciled) closeOrder(po);
        }
    }
    if (!toReopen.empty() &&
        session_.ui.ask("One or more tagged Purchase Orders will now be marked |as unreconciled.  Do you wish to "
                        "proceed?",
                        "Un-Reconcile Purchase Order(s)?", "&Yes|&No", Icon::Warning) == 1) {
        for (ULong poid : toReopen) {
            POMaster po;
            if (fetchOrder(poid, po) && po.Reconciled == kFullyReconciled) reopenOrder(po);
        }
    }
    tags.clear();
    refresh();
}

}  // namespace vtl::ent
