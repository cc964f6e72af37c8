#include "records/payables.h"

#include "records/table_entry.h"

namespace vtl {

const store::RecordInfo& APVendor::info() {
    using R = APVendor;
    static const store::RecordInfo i{
        "APVendor",
        "APV",
        {VTL_FIELD(R, VendorID),
         VTL_FIELD(R, VendorName),
         VTL_FIELD(R, ExternalID),
         VTL_FIELD(R, Address),
         VTL_FIELD(R, Address2),
         VTL_FIELD(R, City),
         VTL_FIELD(R, State),
         VTL_FIELD(R, Zip),
         VTL_FIELD(R, Phone),
         VTL_FIELD(R, Fax),
         VTL_FIELD(R, Email),
         VTL_FIELD(R, Contact),
         VTL_FIELD(R, Active),
         VTL_FIELD(R, DueTerms),
         VTL_FIELD(R, DefaultAccount)},
        {{"KeyVendorID", {"VendorID"}, true},
         {"KeyVendorName", {"VendorName"}, false, true},
         {"KeyExternalID", {"ExternalID"}}},
        "VendorID",
        "VendorID",
        {}};
    return i;
}

const store::RecordInfo& Contact::info() {
    using R = Contact;
    static const store::RecordInfo i{
        "Contact",
        "CON",
        {VTL_FIELD(R, ContactID),
         VTL_FIELD(R, VendorID),
         VTL_FIELD(R, FirstName),
         VTL_FIELD(R, LastName),
         VTL_FIELD(R, Email)},
        {{"KeyContactID", {"ContactID"}, true},
         {"KeyVendorID", {"VendorID"}}},
        "ContactID",
        "ContactID",
        {}};
    return i;
}

const store::RecordInfo& APInv::info() {
    using R = APInv;
    static const store::RecordInfo i{
        "APInv",
        "API",
        {VTL_FIELD(R, InvoiceID),
         VTL_FIELD(R, VendorID),
         VTL_FIELD(R, InvoiceNo),
         VTL_FIELD(R, InvoiceDate),
         VTL_FIELD(R, Posted),
         VTL_FIELD(R, POID)},
        {{"KeyInvoiceID", {"InvoiceID"}, true},
         {"KeyPOID", {"POID"}},
         {"KeyPosted", {"Posted"}}},
        "InvoiceID",
        "InvoiceID",
        {}};
    return i;
}

const store::RecordInfo& APDetail::info() {
    using R = APDetail;
    static const store::RecordInfo i{
        "APDetail",
        "APD",
        {VTL_FIELD(R, DetailID),
         VTL_FIELD(R, InvoiceID),
         VTL_FIELD(R, Amount),
         VTL_FIELD(R, Quantity)},
        {{"KeyDetailID", {"DetailID"}, true},
         {"KeyInvoiceID", {"InvoiceID"}}},
        "DetailID",
        "DetailID",
        {}};
    return i;
}

}  // namespace vtl
