#pragma once
// Serial numbers received against a purchase-order line.
#include "platform/store/fields.h"

namespace vtl {

struct PODetSer : store::RecordBase {
    ULong RecordID = 0;
    ULong DetailID = 0;
    Gap<15> gap1{};
    Text<40> SerialNo;
    Gap<8> gap2{};
    ULong SerialID = 0;  // the inventory serial record (INSerial)

    enum Key { KeyDetailID, KeyRecordID };
    static const store::RecordInfo& info();
};

}  // namespace vtl
