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

// Closing a line releases what it still held on the figures: it counts no
// more, whatever was received or invoiced.
store::Status BrowsePOMaster::closeLine(PODetail& line, FigureChanges& changes) {
    if (line.Reconciliation == kFullyReconciled) return store::Status::success();
    const PODetail before = line;
    if (line.DetailType == "Inventory") {
        bool itemExists = false;
        line.INVQuantity = openInventoryQty(line, itemExists, true);
    }
    line.Reconciliation = kFullyReconciled;
    changes.change(before, line);
    return store::Table<PODetail>(session_.store).update(line);
}

// Reopening puts back what the line still holds by the same rule: on order
// only what has not arrived, committed only what is not invoiced.
store::Status BrowsePOMaster::reopenLine(PODetail& line, FigureChanges& changes) {
    const PODetail before = line;
    line.Reconciliation = lineReconciliation(line);
    if (line.DetailType == "Inventory") {
        bool itemExists = false;
        line.INVQuantity = openInventoryQty(line, itemExists, false);
    }
    changes.change(before, line);
    return store::Table<PODetail>(session_.store).update(line);
}

// Lines, figures and header of one order change together or not at all.
void BrowsePOMaster::closeOrder(POMaster& po) {
    const POMaster read = po;
    store::Status s = inOneTransaction(session_.store, [&] {
        FigureChanges changes(session_.globals.CostCodeLen);
        for (PODetail& d : linesOfOrder(session_.store, po.POID))
            if (store::Status w = closeLine(d, changes); !w) return w;
        if (store::Status w = changes.apply(session_.store); !w) return w;
        setReconciled(po, kFullyReconciled);
        return store::Table<POMaster>(session_.store).update(po);
    });
    if (!s) {
        po = read;
        report(s.message);
    }
}

void BrowsePOMaster::reopenOrder(POMaster& po) {
    const POMaster read = po;
    store::Status s = inOneTransaction(session_.store, [&] {
        FigureChanges changes(session_.globals.CostCodeLen);
        std::vector<Byte> states;
        for (PODetail& d : linesOfOrder(session_.store, po.POID)) {
            if (store::Status w = reopenLine(d, changes); !w) return w;
            states.push_back(d.Reconciliation);
        }
        if (store::Status w = changes.apply(session_.store); !w) return w;
        setReconciled(po, orderReconciliation(states));
        return store::Table<POMaster>(session_.store).update(po);
    });
    if (!s) {
        po = read;
        report(s.message);
    }
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
