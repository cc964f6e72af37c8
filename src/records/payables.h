#pragma once
// Payables files: vendors, their contacts, and invoices with their lines.
#include "platform/store/fields.h"

namespace vtl {

struct APVendor : store::RecordBase {
    ULong VendorID = 0;
    Text<50> VendorName;  // "Smith; John" prints as "John Smith"
    Text<20> ExternalID;  // the vendor's number in another system (import)
    Text<50> Address;
    Text<50> Address2;
    Text<30> City;
    Text<2> State;
    Text<10> Zip;
    Text<14> Phone;
    Text<14> Fax;
    Text<60> Email;
    Text<40> Contact;
    Byte Active = 0;
    Text<15> DueTerms;
    Text<12> DefaultAccount;

    enum Key { KeyVendorID, KeyVendorName, KeyExternalID };
    static const store::RecordInfo& info();
};

// People at a vendor who may receive purchase orders by e-mail.
struct Contact : store::RecordBase {
    ULong ContactID = 0;
    ULong VendorID = 0;
    Text<20> FirstName;
    Text<20> LastName;
    Text<60> Email;

    enum Key { KeyContactID, KeyVendorID };
    static const store::RecordInfo& info();
};

// A payables invoice; one that is not posted and names a purchase order
// blocks changing or deleting that order.
struct APInv : store::RecordBase {
    ULong InvoiceID = 0;
    ULong VendorID = 0;
    Text<30> InvoiceNo;
    Date InvoiceDate;
    Byte Posted = 0;
    ULong POID = 0;

    enum Key { KeyInvoiceID, KeyPOID, KeyPosted };
    static const store::RecordInfo& info();
};

struct APDetail : store::RecordBase {
    ULong DetailID = 0;
    ULong InvoiceID = 0;
    Money Amount;
    Decimal<15, 4> Quantity;  // spelled out: the member hides the Quantity type

    enum Key { KeyDetailID, KeyInvoiceID };
    static const store::RecordInfo& info();
};

}  // namespace vtl
