#include "records/po_rec.h"

#include "records/table_entry.h"

namespace vtl {

const store::RecordInfo& PORec::info() {
    using R = PORec;
    static const store::RecordInfo i{
        "PORec",
        "POR",
        {VTL_FIELD(R, RecordID),
         VTL_FIELD(R, DetailID),
         VTL_FIELD(R, InvoiceID),
         VTL_FIELD(R, QtyPackSlip),
         VTL_FIELD(R, QtyInvoiced),
         VTL_FIELD(R, UnitPrice),
         VTL_FIELD(R, Amount)},
        {{"KeyDetailID", {"DetailID"}},
         {"KeyRecordID", {"RecordID"}, true}},
        "RecordID",
        "RecordID",
        {}};
    return i;
}

}  // namespace vtl
