#pragma once
// Registers the window of the purchase-order form.
#include "platform/suite/auto_entry.h"
#include "platform/suite/views.h"

namespace vtl::gui {

// `autoEntry` (the module's store, may be null) offers earlier entries; it
// must outlive the registry.
void registerFormViews(suite::Views& views, suite::AutoEntryStore* autoEntry);

}  // namespace vtl::gui
