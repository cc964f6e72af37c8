#pragma once
// Per-user print work file: one row per purchase order prepared for printing.
// It repeats the header of POMaster, a few fields narrower or wider than there.
#include "platform/store/fields.h"

namespace vtl {

struct POPrint : store::RecordBase {
    ULong RecordID = 0;
    Text<3> UserID;
    ULong POID = 0;
    Text<5> BatchID;
    ULong VendorID = 0;
    Text<8> ShipToType;
    Text<10> ShipToJob;
    UShort ShipToVendor = 0;    // 16 bits: a vendor above 65535 keeps its low bits
    UShort ShipToCustomer = 0;
    Text<20> PreparedBy;
    Date PreparedDate;
    Text<12> CheckNo;
    Text<15> PONumber;
    Text<1> PrintFlag;
    Date IssueDate;
    Date DeliverAfterDate;
    Date DeliveryDate;
    Date DeadlineDate;
    Money PreTaxAmount;
    Money POAmount;
    Text<15> InvoiceNumber;
    Date InvoiceDate;
    Date DueDate;
    Date DiscountExpires;
    Date PaidDate;
    Money DiscountAmount;
    Money NotApproved;
    double TaxRate = 0;
    Money TaxAmount;
    Money OtherCharges;
    Text<10> DefaultJob;
    Byte Taxable = 0;
    Text<60> ShipToName;
    Text<60> ShipToAddress1;
    Text<60> ShipToAddress2;
    Text<60> ShipToCity;
    Text<2> ShipToState;
    Text<10> ShipToZip;
    Gap<60> gap1{};
    Text<40> ShipToContact;
    Text<10> ShipVia;
    Text<50> ShipToInstructions;
    Text<20> ApprovedName;
    Date ApprovedDate;
    Byte Reconciled = 0;
    Text<3> ApprovalUserID1;
    Text<3> ApprovalUserID2;
    Money QuantityReconciled;
    Money AmountReconciled;
    UShort SortVendorID = 0;
    Text<15> SortPONumber;
    Text<20> FOB;
    Text<20> Terms;
    Text<50> VendorLine1;
    Text<50> VendorLine2;
    Text<50> VendorLine3;  // city, state and postal code on one line
    Gap<50> gap2{};
    Text<50> ShipToLine1;
    Text<50> ShipToLine2;
    Text<50> ShipToLine3;

    enum Key { KeyUserID, KeyRecordID };
    static const store::RecordInfo& info();
};

}  // namespace vtl
