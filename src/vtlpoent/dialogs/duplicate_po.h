#pragma once
// DuplicatePO: shows the order being copied beside the copy, and lets the
// user change the proposed PO number and dates. It only edits the values
// handed to it and returns them.
#include <string>

#include "records/records.h"

namespace vtl::ent {

struct DuplicatePO {
    static constexpr const char* kTitle = "Duplicate Purchase Order";

    // Handed in.
    POMaster source;
    std::string sourceVendorName;
    bool showAccept = true, showDelivery = true, showDeadline = true;

    // Proposed, edited, returned.
    std::string poNumber;  // at most 15 characters
    Date issueDate, acceptDate, deliveryDate, deadlineDate;

    bool proceed = false;

    void setPONumber(const std::string& n) { poNumber = Text<15>(n).clip(); }
    void ok() { proceed = true; }
    void cancel() { proceed = false; }
};

}  // namespace vtl::ent
