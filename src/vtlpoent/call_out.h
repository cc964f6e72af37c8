#pragma once
// Calls a window or report of the suite by name. One that this installation
// does not have yet is named to the person rather than silently skipped.
#include <string>

#include "platform/suite/session.h"

namespace vtl::ent {

inline bool callOut(Session& s, const std::string& procedure) {
    if (s.call(procedure)) return true;
    s.ui.tell("This part of the purchase-order module (" + procedure + ") is not installed yet.", "Not Available",
              ui::Icon::Information);
    return false;
}

}  // namespace vtl::ent
