#pragma once
// Saved limit sets of the purchase-order listing, and the "Generate POs"
// printing limits.
#include "platform/store/fields.h"

namespace vtl {

struct POLimits : store::RecordBase {
    ULong LimitID = 0;
    Text<10> UserID;           // holds a 3-character user ID
    Text<30> Report;           // "PO Listing" or "Generate POs"
    Text<40> ReportTitle;
    Date ModifyDate;
    Byte SelectedDates = 0;
    Text<1> DateLimitType;
    Date DateFrom;
    Date DateTo;
    Byte SelectedRef = 0;
    ULong RefFrom = 0;         // "Generate POs": the next PO number to hand out
    ULong RefTo = 0;
    Byte SelectedJobs = 0;
    Text<10> JobFrom;
    Text<10> JobTo;
    Byte SelectedPONumbers = 0;
    Text<20> POFrom;
    Text<20> POTo;
    Byte SelectedVendors = 0;
    ULong VendorFrom = 0;
    ULong VendorTo = 0;
    Byte SelectedCostCodes = 0;
    Text<10> CostCodeFrom;
    Text<10> CostCodeTo;
    Byte SelectedEquipment = 0;
    Text<10> EQFrom;
    Text<10> EQTo;
    Byte Unreconciled = 0;
    Byte PartiallyReconciled = 0;
    Byte FullyReconciled = 0;
    Text<1> Sequence;
    Text<1> SortDetail;
    Byte SelectedCat = 0;
    Gap<100> gap1{};
    Byte Locked = 0;
    Gap<5> gap2{};
    Text<1> Orientation;
    Byte ColorCoding = 0;

    enum Key { KeyLimitID, KeyReport };
    static const store::RecordInfo& info();
};

}  // namespace vtl
