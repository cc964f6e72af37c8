#pragma once
// Registers the windows of reconciliation and of the committed-cost rebuild.
#include "platform/suite/views.h"

namespace vtl::gui {

void registerRecViews(suite::Views& views);

}  // namespace vtl::gui
