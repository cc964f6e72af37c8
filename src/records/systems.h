#pragma once
// The suite's single system-settings record.
#include "platform/store/fields.h"

namespace vtl {

struct Systems : store::RecordBase {
    ULong SystemID = 0;
    Text<40> CompanyName;
    Text<40> CompanyAddress1;
    Text<40> CompanyAddress2;
    Text<20> CompanyCity;
    Text<2> CompanyState;
    Text<10> CompanyZip;
    Text<20> CompanyPhone;
    Text<20> CompanyFax;
    Byte PhoneOnForms = 0;       // print the company telephone on forms
    Byte UseAcceptDate = 0;
    Byte UseDeliveryDate = 0;
    Byte UseDeadlineDate = 0;
    double DefaultPOTaxRate = 0;
    Byte AutoNumberPOs = 0;
    Byte WarnDuplicatePO = 0;
    ULong NextPONumber = 0;
    // Canadian mode is the dual-tax mode of the forms: GSTLabel names the
    // first tax, the province in POM:CheckNo the second.
    double GSTRate = 0;
    Text<3> GSTLabel;
    Byte CanadianTax = 0;
    Text<250> AttachmentFolder;
    Text<12> DefaultJobAccount;  // imported job lines whose cost code has no account
    Text<12> DefaultEQAccount;   // imported equipment lines whose category has no account
    Text<10> POForm;             // "FormMaker": print on the user-designed form
    Text<250> POFormFile;        // the user-designed form's file

    enum Key { KeySystemID };
    static const store::RecordInfo& info();
};

}  // namespace vtl
