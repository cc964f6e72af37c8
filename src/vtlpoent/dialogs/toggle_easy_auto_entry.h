#pragma once
// ToggleEasyAutoEntryPO: switches the completion of entries from earlier
// ones on or off for every window, and says which it is now.
#include <string>

#include "platform/suite/auto_entry.h"

namespace vtl::ent {

struct ToggleEasyAutoEntryPO {
    static constexpr const char* kTitle = "Easy Auto Entry";

    // Switches the store and answers the new state.
    static bool toggle(suite::AutoEntryStore& store);
    // The sentence that tells the person the new state.
    static std::string message(bool on);
};

}  // namespace vtl::ent
