#include "records/job_cost.h"

#include "records/table_entry.h"

namespace vtl {

const store::RecordInfo& JCHeader::info() {
    using R = JCHeader;
    static const store::RecordInfo i{
        "JCHeader",
        "JCH",
        {VTL_FIELD(R, JobID),
         VTL_FIELD(R, JobName),
         VTL_FIELD(R, Active),
         VTL_FIELD(R, Closed),
         VTL_FIELD(R, APTaxRate),
         VTL_FIELD(R, Address),
         VTL_FIELD(R, Address2),
         VTL_FIELD(R, City),
         VTL_FIELD(R, State),
         VTL_FIELD(R, Zip),
         VTL_FIELD(R, CustomerContact)},
        {{"KeyJobID", {"JobID"}, true},
         {"KeyJobName", {"JobName"}, false, true}},
        "",
        "",
        {}};
    return i;
}

const store::RecordInfo& JCCost::info() {
    using R = JCCost;
    static const store::RecordInfo i{
        "JCCost",
        "JCC",
        {VTL_FIELD(R, RecordID),
         VTL_FIELD(R, JobID),
         VTL_FIELD(R, CostCode),
         VTL_FIELD(R, Description),
         VTL_FIELD(R, Account),
         VTL_FIELD(R, Budget),
         VTL_FIELD(R, ActualCost),
         VTL_FIELD(R, Committed),
         VTL_FIELD(R, LastPODetailID)},
        {{"KeyRecordID", {"RecordID"}, true},
         {"KeyJobCodeType", {"JobID", "CostCode"}}},
        "",
        "",
        {}};
    return i;
}

const store::RecordInfo& JCLimits::info() {
    using R = JCLimits;
    static const store::RecordInfo i{
        "JCLimits",
        "JCL",
        {VTL_FIELD(R, LimitID),
         VTL_FIELD(R, UserID),
         VTL_FIELD(R, Report),
         VTL_FIELD(R, ReportTitle),
         VTL_FIELD(R, ModifyDate),
         VTL_FIELD(R, Skip),
         VTL_FIELD(R, PrintOrder),
         VTL_FIELD(R, JobTo),
         VTL_FIELD(R, NameFrom),
         VTL_FIELD(R, NameTo),
         VTL_FIELD(R, TypeB),
         VTL_FIELD(R, TypeL),
         VTL_FIELD(R, FieldLayout)},
        // Sources are listed by title within their kind.
        {{"KeyLimitID", {"LimitID"}, true},
         {"KeyReport", {"Report", "ReportTitle"}}},
        "LimitID",
        "LimitID",
        {}};
    return i;
}

}  // namespace vtl
