#pragma once
// POEmailSelect: the person tags who receives the purchase order among the
// vendor and its contacts. The window opens only when there is a choice to
// make (two entries or more).
#include <cstddef>
#include <string>
#include <vector>

#include "platform/suite/session.h"
#include "vtlporpt/email/recipients.h"

namespace vtl::rpt {

class POEmailSelect {
public:
    static constexpr const char* kTitle = "Select E-mail Recipients";
    static constexpr const char* kNoneTaggedText =
        "If no contacts are tagged, the invoice will|not be emailed. Are you sure you wish to |"
        "proceed without emailing?";
    static constexpr const char* kNoneTaggedTitle = "Continue Without Emailing?";

    // Works on `list` itself, which must outlive the window.
    POEmailSelect(ui::Ui& ui, std::vector<Recipient>& list) : ui_(ui), list_(list) {}

    const std::vector<Recipient>& recipients() const { return list_; }
    // Space on a row, or a click on its check column.
    void toggle(std::size_t row);
    // Keeps the tagged entries and closes. With none tagged it asks first:
    // No keeps the window open (false), Yes empties the list and closes.
    bool proceed();

    bool closed() const { return closed_; }

private:
    ui::Ui& ui_;
    std::vector<Recipient>& list_;
    bool closed_ = false;
};

// Lets the person choose from `list` (from vendorRecipients): with two
// entries or more the window runs; one entry is tagged without a window.
// Afterwards the list holds only the tagged entries; false when it is
// empty, that is, the order is not to be e-mailed.
bool chooseRecipients(Session& s, std::vector<Recipient>& list);

// The list the exported procedure "POEmailSelect" works on, one per loaded
// module: whoever calls it by name fills it first and reads it after.
std::vector<Recipient>& sharedRecipients(const ModuleState& module);
void clearSharedRecipients(const ModuleState& module);

}  // namespace vtl::rpt
