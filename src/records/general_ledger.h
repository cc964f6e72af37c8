#pragma once
// General-ledger accounts.
#include "platform/store/fields.h"

namespace vtl {

struct GLMaster : store::RecordBase {
    Text<12> Account;
    Text<40> Description;

    enum Key { KeyAccount };
    static const store::RecordInfo& info();
};

}  // namespace vtl
