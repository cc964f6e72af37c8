#include "records/po_master.h"

#include "records/table_entry.h"

namespace vtl {

const store::RecordInfo& POMaster::info() {
    using R = POMaster;
    static const store::RecordInfo i{
        "POMaster",
        "POM",
        {VTL_FIELD(R, POID),
         VTL_FIELD(R, BatchID),
         VTL_FIELD(R, VendorID),
         VTL_FIELD(R, ShipToType),
         VTL_FIELD(R, ShipToJob),
         VTL_FIELD(R, ShipToVendor),
         VTL_FIELD(R, ShipToCustomer),
         VTL_FIELD(R, PreparedBy),
         VTL_FIELD(R, PreparedDate),
         VTL_FIELD(R, CheckNo),
         VTL_FIELD(R, PONumber),
         VTL_FIELD(R, PrintFlag),
         VTL_FIELD(R, IssueDate),
         VTL_FIELD(R, DeliverAfterDate),
         VTL_FIELD(R, DeliveryDate),
         VTL_FIELD(R, DeadlineDate),
         VTL_FIELD(R, PreTaxAmount),
         VTL_FIELD(R, POAmount),
         VTL_FIELD(R, InvoiceNumber),
         VTL_FIELD(R, InvoiceDate),
         VTL_FIELD(R, DueDate),
         VTL_FIELD(R, DiscountExpires),
         VTL_FIELD(R, PaidDate),
         VTL_FIELD(R, DiscountAmount),
         VTL_FIELD(R, NotApproved),
         VTL_FIELD(R, TaxRate),
         VTL_FIELD(R, TaxAmount),
         VTL_FIELD(R, OtherCharges),
         VTL_FIELD(R, DefaultJob),
         VTL_FIELD(R, Taxable),
         VTL_FIELD(R, ShipToName),
         VTL_FIELD(R, ShipToAddress1),
         VTL_FIELD(R, ShipToAddress2),
         VTL_FIELD(R, ShipToCity),
         VTL_FIELD(R, ShipToState),
         VTL_FIELD(R, ShipToZip),
         VTL_FIELD(R, gap1),
         VTL_FIELD(R, ShipToContact),
         VTL_FIELD(R, ShipVia),
         VTL_FIELD(R, ShipToInstructions),
         VTL_FIELD(R, ApprovedName),
         VTL_FIELD(R, ApprovedDate),
         VTL_FIELD(R, Reconciled),
         VTL_FIELD(R, ApprovalUserID1),
         VTL_FIELD(R, ApprovalUserID2),
         VTL_FIELD(R, QuantityReconciled),
         VTL_FIELD(R, AmountReconciled),
         VTL_FIELD(R, SortVendorID),
         VTL_FIELD(R, SortPONumber),
         VTL_FIELD(R, FOB),
         VTL_FIELD(R, Terms),
         VTL_FIELD(R, RecTF)},
        {{"KeyPOID", {"POID"}, true},
         {"KeyPONumber", {"PONumber"}},
         {"KeyVendorID", {"VendorID"}},
         {"KeySortPONumber", {"SortPONumber"}},
         {"KeySortVendorID", {"SortVendorID"}},
         {"KeyReconciled", {"Reconciled"}},
         {"KeyRecTFPONum", {"RecTF", "PONumber"}},
         // The listing walks orders by their default job.
         {"KeyJobID", {"DefaultJob"}}},
        "POID",
        "POID",
        {{"PODetail", "POID", "POID"}}};
    return i;
}

const store::RecordInfo& POMasterAlias::info() {
    // Same file and table; only the prefix differs. Deleting through the alias
    // never cascades: it is used to build and check headers, not to remove them.
    static const store::RecordInfo i = [] {
        store::RecordInfo r = POMaster::info();
        r.prefix = "POM1";
        r.children.clear();
        return r;
    }();
    return i;
}

}  // namespace vtl
