#include "siblings/payables/invoice_po_line.h"

#include <algorithm>
#include <vector>

#include "records/reconciliation.h"
#include "records/running_figures.h"

namespace vtl::siblings {

store::Status invoicePOLine(store::Store& store, int costCodeLen, const LineInvoice& invoice) {
    store::Transaction tx(store);
    if (!tx.status()) return tx.status();
    store::Table<PODetail> lines(store);
    PODetail line;
    line.DetailID = invoice.detailId;
    if (!lines.fetch(PODetail::KeyDetailID, line)) return store::Status::failure("Record not found Getting PODetail");
    POMaster po;
    po.POID = line.POID;
    if (!store::Table<POMaster>(store).fetch(POMaster::KeyPOID, po))
        return store::Status::failure("Record not found Getting POMaster");

    const PODetail before = line;
    line.QtyInvoiced += invoice.quantity;
    line.AmountInvoiced += invoice.amount;
    // Billed goods have arrived: the slips' quantities are invoiced now.
    Quantity billed = invoice.quantity;
    const Quantity fromPrior = std::min(billed, line.QtyRcvdNotInvoiced);
    if (fromPrior > Quantity()) {
        line.QtyRcvdNotInvoiced -= fromPrior;
        billed -= fromPrior;
    }
    const Quantity fromSlip = std::min(billed, line.QtyThisPackSlip);
    if (fromSlip > Quantity()) line.QtyThisPackSlip -= fromSlip;
    if (line.DetailType == "Inventory" && line.TextFlag != 1) line.INVQuantity = openInventoryQuantity(store, line);
    if (line.Reconciliation != kFullyReconciled) line.Reconciliation = lineReconciliation(line);

    FigureChanges changes(costCodeLen);
    changes.change(before, line);
    if (store::Status s = changes.apply(store); !s) return s;
    if (store::Status s = lines.update(line); !s) return s;

    std::vector<Byte> states;
    for (const PODetail& d : linesOfOrder(store, po.POID)) states.push_back(d.Reconciliation);
    po.QuantityReconciled += Money::from(invoice.quantity);
    po.AmountReconciled += invoice.amount;
    setReconciled(po, orderReconciliation(states));
    if (store::Status s = store::Table<POMaster>(store).update(po); !s) return s;

    APInv inv;
    inv.VendorID = po.VendorID;
    inv.InvoiceNo = invoice.invoiceNo;
    inv.InvoiceDate = invoice.date;
    inv.Posted = 1;
    inv.POID = po.POID;
    if (store::Status s = store::Table<APInv>(store).insert(inv); !s) return s;
    APDetail detail;
    detail.InvoiceID = inv.InvoiceID;
    detail.Amount = invoice.amount;
    detail.Quantity = invoice.quantity;
    if (store::Status s = store::Table<APDetail>(store).insert(detail); !s) return s;
    return tx.commit();
}

}  // namespace vtl::siblings
