// Posts the demo's purchase-order lines to the running figures of the other
// ledgers, the way saving each order would have: every job line commits its
// open amount to its cost code, every inventory line puts its open quantity
// on order. The figures are worked out from the lines as written, so they
// agree with them by construction.
#include <map>
#include <string>

#include "demo/demo_support.h"
#include "records/inventory.h"
#include "records/job_cost.h"
#include "records/po_detail.h"
#include "records/reconciliation.h"

namespace vtl::demo {
namespace {

// What a job line still commits: its amount less the invoiced quantity at
// the line's price, worked in double precision and rounded to cents.
Money openAmount(const PODetail& d) {
    return Money::fromDouble(d.TotalAmount.toDouble() - d.QtyInvoiced.toDouble() * d.UnitPrice);
}

// The invoiced part of an inventory line in the item's stocking unit: the
// same conversion as the open part, applied to what has come in.
Quantity receivedStock(store::Store& store, const PODetail& d) {
    PODetail received = d;
    received.QtyOrdered = d.QtyInvoiced;
    received.QtyInvoiced = Quantity();
    return openInventoryQuantity(store, received);
}

struct CostTotals {
    Money committed;
    Money invoiced;
};

struct ItemTotals {
    Quantity onOrder;
    Quantity received;
};

}  // namespace

void postOpenOrders(Writer& w) {
    std::map<std::string, CostTotals> costs;
    std::map<std::string, ItemTotals> items;
    store::Table<PODetail> lines(w.store());
    PODetail d;
    auto cursor = lines.all(PODetail::KeyDetailID);
    while (cursor.next(d)) {
        if (d.DetailType == "Job") {
            auto& t = costs[costRecordKey(d.JobID.clip(), d.CostCode.clip(), kCostCodeLength)];
            t.committed += openAmount(d);
            t.invoiced += d.AmountInvoiced;
        } else if (d.DetailType == "Inventory") {
            auto& t = items[d.ItemID.clip()];
            t.onOrder += d.INVQuantity;
            t.received += receivedStock(w.store(), d);
        }
    }
    if (!cursor.error().empty()) throw WriteFailed(cursor.error());

    for (const auto& [key, totals] : costs) {
        JCCost ck;
        ck.RecordID = key;
        JCCost cost = w.fetch(JCCost::KeyRecordID, ck, "cost record \"" + key + "\"");
        cost.Committed = totals.committed;
        cost.ActualCost += totals.invoiced;
        w.update(cost);
    }
    for (const auto& [id, totals] : items) {
        INMaster ik;
        ik.ItemID = id;
        INMaster item = w.fetch(INMaster::KeyItemID, ik, "item " + id);
        item.OnOrder = totals.onOrder;
        item.TotalReceived = totals.received;
        w.update(item);
    }
}

}  // namespace vtl::demo
