#pragma once
// Purchase-order line.
#include <vector>

#include "platform/store/fields.h"

namespace vtl {

namespace store {
class Store;
}

// The order number of the printed sample's lines, kept for the forms to
// print from and belonging to no purchase order.
inline constexpr ULong kSampleLinesPOID = 2222222222u;

// The last field is named Text, so the string members spell the template
// with its namespace: an unqualified use would change meaning inside the class.
struct PODetail : store::RecordBase {
    ULong POID = 0;
    ULong DetailID = 0;
    vtl::Text<15> ItemID;
    vtl::Text<1> ItemType;
    Byte TextFlag = 0;
    vtl::Text<200> Description;
    Quantity QtyOrdered;
    Quantity QtyThisPackSlip;
    Quantity QtyRcvdNotInvoiced;
    Quantity QtyInvoiced;
    Quantity QtyBackord;
    Quantity QtyThisInvoice;
    double PriceThisInvoice = 0;
    Money PreTaxThisInvoice;
    Money TaxThisInvoice;
    Money TotalThisInvoice;
    Money CommittedPrice;
    double UnitPrice = 0;
    Money PreTaxAmount;
    Money TaxAmount;
    Money TotalAmount;
    vtl::Text<8> UnitName;
    vtl::Text<11> DetailType;    // "Job", "G/L Account", "Equipment", "Inventory"
    vtl::Text<12> Account;
    vtl::Text<10> JobID;
    vtl::Text<14> CostCode;      // cost code proper, then the 4-character cost type
    vtl::Text<10> EquipmentID;
    vtl::Text<10> CostCategory;
    Byte Taxable = 0;
    Byte Reconciliation = 0;
    Date DeliverAfterDate;
    Date DeliveryDate;
    Date DeadlineDate;
    Date ReceiptDate;
    vtl::Text<20> Comment;
    vtl::Text<20> VendorCatalogID;
    Money AmountInvoiced;
    vtl::Text<10> LocationID;
    vtl::Text<10> BinID;
    ULong SerialID = 0;
    ULong ConversionID = 0;
    Quantity INVQuantity;        // open quantity in the item's stocking unit
    ULong SequenceNo = 0;
    Gap<40> gap1{};
    vtl::Text<1000> Text;

    enum Key { KeyPOID, KeyDetailID };
    static const store::RecordInfo& info();
};

// The lines of one purchase order, in their display order.
std::vector<PODetail> linesOfOrder(store::Store& store, ULong poid);

}  // namespace vtl
