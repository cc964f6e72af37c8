#pragma once
// ConfirmBlankPO: the number to print on a blank purchase-order form, and
// its option. It only edits the values handed to it and returns them.
#include <string>

namespace vtl::ent {

struct ConfirmBlankPO {
    static constexpr const char* kTitle = "Print Blank Purchase Order";

    std::string poNumber;    // the blank form's number (may stay empty)
    bool useNextNumber = false;  // take the next automatic number
    bool proceed = false;

    void ok() { proceed = true; }
    void cancel() { proceed = false; }
};

}  // namespace vtl::ent
