// The Reconciliation and Notes tabs and printing from the purchase-order form.
#include "platform/picture/picture.h"
#include "platform/suite/error_object.h"
#include "vtlpoent/call_out.h"
#include "vtlpoent/form/update_po_master.h"

namespace vtl::ent {

std::vector<ReconciliationRow> UpdatePOMaster::reconciliationRows() const {
    std::vector<ReconciliationRow> out;
    APInv inv;
    inv.POID = po_.POID;
    for (auto c = store::Table<APInv>(session_.store).scan(APInv::KeyPOID, inv, {false, 1, false}); c.next(inv);) {
        Decimal<9, 2> qty;
        Decimal<11, 2> amount;
        double q = 0, a = 0;
        APDetail d;
        d.InvoiceID = inv.InvoiceID;
        for (auto dc = store::Table<APDetail>(session_.store).scan(APDetail::KeyInvoiceID, d, {false, 1, false});
             dc.next(d);) {
            q += d.Quantity.toDouble();
            a += d.Amount.toDouble();
        }
        qty = Decimal<9, 2>::fromDouble(q);
        amount = Decimal<11, 2>::fromDouble(a);
        out.push_back({inv.InvoiceNo.clip(), pic::format(inv.InvoiceDate, "@d1"), pic::format(qty, "@n-13.2"),
                       pic::format(amount, "@n-15.2")});
    }
    return out;
}

bool UpdatePOMaster::reconciliationTabVisible() const {
    APInv inv;
    inv.POID = po_.POID;
    return store::Table<APInv>(session_.store).count(APInv::KeyPOID, inv, 1) > 0;
}

bool UpdatePOMaster::notesTabVisible() const {
    Notes n;
    n.Filename = "POMaster";
    n.EntityID = std::to_string(po_.POID);
    return store::Table<Notes>(session_.store).count(Notes::KeyFileEntity, n, 2) > 0;
}

void UpdatePOMaster::printNotes() {
    session_.globals.JobField = "PO";
    session_.globals.ReportFilter = std::to_string(po_.POID);
    callOut(session_, "LimitPrintNotes");
}

// The order is printed as the form shows it, so it is saved first.
void UpdatePOMaster::printPurchaseOrder() {
    if (!readOnly()) {
        refill();
        if (!save()) return;
        savedAny_ = true;
        savedPOID_ = po_.POID;
    }
    session_.globals.DecimalVariable = po_.POID;
    if (!callOut(session_, "PrintPurchaseOrderServer")) return;
    if (session_.globals.PrintPreview == 0) session_.globals.PrintPreview = 1;
    POMaster again;
    again.POID = po_.POID;
    if (!store::Table<POMaster>(session_.store).fetch(POMaster::KeyPOID, again)) {
        session_.errors.report("Record not found Getting POMaster");
        return;
    }
    po_ = again;
    original_ = again;
}

}  // namespace vtl::ent
