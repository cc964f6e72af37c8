#pragma once
// The Qt windows of e-mailing a purchase order, registered for their
// controllers: the choice of recipients, the e-mail window and the Setup
// window of the e-mail settings. Each runs modally over its caller.
#include "platform/suite/views.h"

namespace vtl::gui {

void registerEmailViews(suite::Views& views);

}  // namespace vtl::gui
