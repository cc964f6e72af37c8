#include "records/po_limits.h"

#include "records/table_entry.h"

namespace vtl {

const store::RecordInfo& POLimits::info() {
    using R = POLimits;
    static const store::RecordInfo i{
        "POLimits",
        "POL",
        {VTL_FIELD(R, LimitID),
         VTL_FIELD(R, UserID),
         VTL_FIELD(R, Report),
         VTL_FIELD(R, ReportTitle),
         VTL_FIELD(R, ModifyDate),
         VTL_FIELD(R, SelectedDates),
         VTL_FIELD(R, DateLimitType),
         VTL_FIELD(R, DateFrom),
         VTL_FIELD(R, DateTo),
         VTL_FIELD(R, SelectedRef),
         VTL_FIELD(R, RefFrom),
         VTL_FIELD(R, RefTo),
         VTL_FIELD(R, SelectedJobs),
         VTL_FIELD(R, JobFrom),
         VTL_FIELD(R, JobTo),
         VTL_FIELD(R, SelectedPONumbers),
         VTL_FIELD(R, POFrom),
         VTL_FIELD(R, POTo),
         VTL_FIELD(R, SelectedVendors),
         VTL_FIELD(R, VendorFrom),
         VTL_FIELD(R, VendorTo),
         VTL_FIELD(R, SelectedCostCodes),
         VTL_FIELD(R, CostCodeFrom),
         VTL_FIELD(R, CostCodeTo),
         VTL_FIELD(R, SelectedEquipment),
         VTL_FIELD(R, EQFrom),
         VTL_FIELD(R, EQTo),
         VTL_FIELD(R, Unreconciled),
         VTL_FIELD(R, PartiallyReconciled),
         VTL_FIELD(R, FullyReconciled),
         VTL_FIELD(R, Sequence),
         VTL_FIELD(R, SortDetail),
         VTL_FIELD(R, SelectedCat),
         VTL_FIELD(R, gap1),
         VTL_FIELD(R, Locked),
         VTL_FIELD(R, gap2),
         VTL_FIELD(R, Orientation),
         VTL_FIELD(R, ColorCoding)},
        // The limit sets of one report are listed in title order.
        {{"KeyLimitID", {"LimitID"}, true},
         {"KeyReport", {"Report", "ReportTitle"}}},
        "LimitID",
        "LimitID",
        {}};
    return i;
}

}  // namespace vtl
