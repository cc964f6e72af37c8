#include "records/systems.h"

#include "records/table_entry.h"

namespace vtl {

const store::RecordInfo& Systems::info() {
    using R = Systems;
    static const store::RecordInfo i{
        "Systems",
        "SYS",
        {VTL_FIELD(R, SystemID),
         VTL_FIELD(R, CompanyName),
         VTL_FIELD(R, CompanyAddress1),
         VTL_FIELD(R, CompanyAddress2),
         VTL_FIELD(R, CompanyCity),
         VTL_FIELD(R, CompanyState),
         VTL_FIELD(R, CompanyZip),
         VTL_FIELD(R, CompanyPhone),
         VTL_FIELD(R, CompanyFax),
         VTL_FIELD(R, PhoneOnForms),
         VTL_FIELD(R, UseAcceptDate),
         VTL_FIELD(R, UseDeliveryDate),
         VTL_FIELD(R, UseDeadlineDate),
         VTL_FIELD(R, DefaultPOTaxRate),
         VTL_FIELD(R, AutoNumberPOs),
         VTL_FIELD(R, WarnDuplicatePO),
         VTL_FIELD(R, NextPONumber),
         VTL_FIELD(R, GSTRate),
         VTL_FIELD(R, GSTLabel),
         VTL_FIELD(R, CanadianTax),
         VTL_FIELD(R, AttachmentFolder),
         VTL_FIELD(R, DefaultJobAccount),
         VTL_FIELD(R, DefaultEQAccount),
         VTL_FIELD(R, POForm),
         VTL_FIELD(R, POFormFile)},
        {{"KeySystemID", {"SystemID"}, true}},
        "SystemID",
        "SystemID",
        {}};
    return i;
}

}  // namespace vtl
