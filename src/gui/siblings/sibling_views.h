#pragma once
// The Qt windows of the sibling services, registered for their controllers.
#include "platform/suite/views.h"

namespace vtl::gui {

// Registers the notes, attachments, drop-list, limit-list, standard-text,
// account, text-case and send-to windows.
void registerSiblingViews(suite::Views& views);

}  // namespace vtl::gui
