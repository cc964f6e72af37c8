#pragma once
// Reconciliation history of a purchase-order line: one record per packing
// slip or invoice applied to it.
#include "platform/store/fields.h"

namespace vtl {

struct PORec : store::RecordBase {
    ULong RecordID = 0;
    ULong DetailID = 0;
    ULong InvoiceID = 0;  // 0 for a packing slip
    Quantity QtyPackSlip;
    Quantity QtyInvoiced;
    double UnitPrice = 0;
    Money Amount;

    enum Key { KeyDetailID, KeyRecordID };
    static const store::RecordInfo& info();
};

}  // namespace vtl
