#include "gui/email/email_views.h"

#include "gui/dialog_views.h"
#include "gui/email/compose_po_email_view.h"
#include "gui/email/po_email_select_view.h"
#include "gui/setup/email_settings_view.h"

namespace vtl::gui {

void registerEmailViews(suite::Views& views) {
    registerDialog<POEmailSelectView, rpt::POEmailSelect>(views);
    registerDialog<ComposePOEmailView, rpt::ComposePOEmail>(views);
    registerDialog<EmailSettingsView, rpt::EmailSetup>(views);
}

}  // namespace vtl::gui
