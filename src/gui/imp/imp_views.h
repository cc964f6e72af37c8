#pragma once
// The windows of the import and export, registered for their controllers.
#include "platform/suite/views.h"

namespace vtl::gui {

void registerImportViews(suite::Views& views);

}  // namespace vtl::gui
