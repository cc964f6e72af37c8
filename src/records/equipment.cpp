#include "records/equipment.h"

#include "records/table_entry.h"

namespace vtl {

const store::RecordInfo& EQHeader::info() {
    using R = EQHeader;
    static const store::RecordInfo i{
        "EQHeader",
        "EQH",
        {VTL_FIELD(R, EquipmentID),
         VTL_FIELD(R, EquipmentName)},
        {{"KeyEquipmentID", {"EquipmentID"}, true}},
        "",
        "",
        {}};
    return i;
}

const store::RecordInfo& EQCost::info() {
    using R = EQCost;
    static const store::RecordInfo i{
        "EQCost",
        "EQC",
        {VTL_FIELD(R, EquipmentID),
         VTL_FIELD(R, CostCategory),
         VTL_FIELD(R, Description),
         VTL_FIELD(R, Account)},
        {{"KeyEquipCategory", {"EquipmentID", "CostCategory"}, true}},
        "",
        "",
        {}};
    return i;
}

}  // namespace vtl
