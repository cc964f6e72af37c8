#pragma once
// Purchase-order header, and the alias buffer on the same file.
#include "platform/store/fields.h"

namespace vtl {

struct POMaster : store::RecordBase {
    ULong POID = 0;
    Text<5> BatchID;
    ULong VendorID = 0;
    Text<8> ShipToType;
    Text<10> ShipToJob;
    ULong ShipToVendor = 0;
    ULong ShipToCustomer = 0;
    Text<20> PreparedBy;
    Date PreparedDate;
    Text<12> CheckNo;  // province code in Canadian tax mode
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
    Money DiscountAmount;  // GST amount in Canadian tax mode
    Money NotApproved;
    double TaxRate = 0;
    Money TaxAmount;
    Money OtherCharges;  // PST amount in Canadian tax mode
    Text<10> DefaultJob;
    Byte Taxable = 0;
    Text<50> ShipToName;
    Text<50> ShipToAddress1;
    Text<50> ShipToAddress2;
    Text<30> ShipToCity;
    Text<2> ShipToState;
    Text<10> ShipToZip;
    Gap<60> gap1{};
    Text<40> ShipToContact;
    Text<20> ShipVia;
    Text<50> ShipToInstructions;
    Text<20> ApprovedName;
    Date ApprovedDate;
    Byte Reconciled = 0;
    Text<3> ApprovalUserID1;
    Text<3> ApprovalUserID2;
    Money QuantityReconciled;
    Money AmountReconciled;
    ULong SortVendorID = 0;      // 0 once fully reconciled
    Text<15> SortPONumber;       // blank once fully reconciled
    Text<20> FOB;
    Text<20> Terms;
    Byte RecTF = 0;              // 1 exactly when fully reconciled

    enum Key {
        KeyPOID,
        KeyPONumber,
        KeyVendorID,
        KeySortPONumber,
        KeySortVendorID,
        KeyReconciled,
        KeyRecTFPONum,
        KeyJobID
    };
    static const store::RecordInfo& info();
};

// A second, independent buffer on the POMaster file: a duplicate is built in
// it while the source order stays in the POMaster buffer, and PO-number checks
// look numbers up through it without disturbing the current record.
struct POMasterAlias : POMaster {
    static const store::RecordInfo& info();
};

}  // namespace vtl
