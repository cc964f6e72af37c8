#pragma once
// The Qt windows of purchase-order entry, registered for their controllers:
// the browse and the alternate browse, the search window, the pick list, and
// the duplication and blank-form dialogs. Each runs modally over its caller.
#include "platform/suite/views.h"

namespace vtl::gui {

void registerEntryViews(suite::Views& views);

}  // namespace vtl::gui
