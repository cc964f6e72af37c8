#pragma once
// The line form and the ship-to address dialog, registered for their
// controllers. Each runs modally over the window that opened it.
#include "platform/suite/views.h"

namespace vtl::gui {

void registerLineViews(suite::Views& views);

}  // namespace vtl::gui
