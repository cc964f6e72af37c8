#include "records/po_detail.h"

#include "platform/store/store.h"

#include "records/table_entry.h"

namespace vtl {

const store::RecordInfo& PODetail::info() {
    using R = PODetail;
    static const store::RecordInfo i{
        "PODetail",
        "POD",
        {VTL_FIELD(R, POID),
         VTL_FIELD(R, DetailID),
         VTL_FIELD(R, ItemID),
         VTL_FIELD(R, ItemType),
         VTL_FIELD(R, TextFlag),
         VTL_FIELD(R, Description),
         VTL_FIELD(R, QtyOrdered),
         VTL_FIELD(R, QtyThisPackSlip),
         VTL_FIELD(R, QtyRcvdNotInvoiced),
         VTL_FIELD(R, QtyInvoiced),
         VTL_FIELD(R, QtyBackord),
         VTL_FIELD(R, QtyThisInvoice),
         VTL_FIELD(R, PriceThisInvoice),
         VTL_FIELD(R, PreTaxThisInvoice),
         VTL_FIELD(R, TaxThisInvoice),
         VTL_FIELD(R, TotalThisInvoice),
         VTL_FIELD(R, CommittedPrice),
         VTL_FIELD(R, UnitPrice),
         VTL_FIELD(R, PreTaxAmount),
         VTL_FIELD(R, TaxAmount),
         VTL_FIELD(R, TotalAmount),
         VTL_FIELD(R, UnitName),
         VTL_FIELD(R, DetailType),
         VTL_FIELD(R, Account),
         VTL_FIELD(R, JobID),
         VTL_FIELD(R, CostCode),
         VTL_FIELD(R, EquipmentID),
         VTL_FIELD(R, CostCategory),
         VTL_FIELD(R, Taxable),
         VTL_FIELD(R, Reconciliation),
         VTL_FIELD(R, DeliverAfterDate),
         VTL_FIELD(R, DeliveryDate),
         VTL_FIELD(R, DeadlineDate),
         VTL_FIELD(R, ReceiptDate),
         VTL_FIELD(R, Comment),
         VTL_FIELD(R, VendorCatalogID),
         VTL_FIELD(R, AmountInvoiced),
         VTL_FIELD(R, LocationID),
         VTL_FIELD(R, BinID),
         VTL_FIELD(R, SerialID),
         VTL_FIELD(R, ConversionID),
         VTL_FIELD(R, INVQuantity),
         VTL_FIELD(R, SequenceNo),
         VTL_FIELD(R, gap1),
         VTL_FIELD(R, Text)},
        // The lines of an order are read in their display order, which the
        // form's move buttons change by rewriting SequenceNo.
        {{"KeyPOID", {"POID", "SequenceNo"}},
         {"KeyDetailID", {"DetailID"}, true}},
        "DetailID",
        "DetailID",
        {}};
    return i;
}

std::vector<PODetail> linesOfOrder(store::Store& store, ULong poid) {
    std::vector<PODetail> out;
    PODetail d;
    d.POID = poid;
    for (auto c = store::Table<PODetail>(store).scan(PODetail::KeyPOID, d, {false, 1, false}); c.next(d);)
        out.push_back(std::move(d));
    return out;
}

}  // namespace vtl
