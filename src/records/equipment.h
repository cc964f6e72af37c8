#pragma once
// Equipment files: pieces of equipment and their cost categories.
#include "platform/store/fields.h"

namespace vtl {

struct EQHeader : store::RecordBase {
    Text<10> EquipmentID;
    Text<40> EquipmentName;

    enum Key { KeyEquipmentID };
    static const store::RecordInfo& info();
};

struct EQCost : store::RecordBase {
    Text<10> EquipmentID;
    Text<10> CostCategory;
    Text<30> Description;
    Text<12> Account;  // the account an imported equipment line is charged to

    enum Key { KeyEquipCategory };
    static const store::RecordInfo& info();
};

}  // namespace vtl
