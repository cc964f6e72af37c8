#pragma once
// What the payables module does to a purchase order when one of its
// invoices is posted against a line: the stand-in the module's tests and
// batch jobs use where the payables module is not installed.
//
// The line's invoiced quantity and amount rise (the amount at whatever
// price the vendor billed); the goods billed count as arrived, so what was
// received and not invoiced goes down by them; the not-invoiced quantity in
// stocking units, the line's state and the order's state and reconciled
// totals follow; the invoice is recorded (APInv, APDetail, posted); and the
// committed cost and on-order quantity move by their rule's difference. All
// in one transaction.
#include "platform/store/store.h"
#include "records/records.h"

namespace vtl::siblings {

struct LineInvoice {
    ULong detailId = 0;
    Quantity quantity;
    Money amount;
    std::string invoiceNo;
    Date date;
};

store::Status invoicePOLine(store::Store& store, int costCodeLen, const LineInvoice& invoice);

}  // namespace vtl::siblings
