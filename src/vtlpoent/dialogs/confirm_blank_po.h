#pragma once
// ConfirmBlankPO: the number to print on a blank purchase-order form, and
// its option. It only edits the values handed to it and returns them.
#include <string>

#include "platform/suite/session.h"

namespace vtl::ent {

struct ConfirmBlankPO {
    static constexpr const char* kTitle = "Print Blank Purchase Order";

    std::string poNumber;    // the blank form's number (may stay empty)
    bool useNextNumber = false;  // take the next automatic number
    bool proceed = false;

    void ok() { proceed = true; }
    void cancel() { proceed = false; }
};

// The answer the browse confirmed last, for the print of the blank form that
// follows it (one per loaded module).
ConfirmBlankPO& confirmedBlankPO(const ModuleState& module);

}  // namespace vtl::ent
