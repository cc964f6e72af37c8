#include "gui/ent/form/form_views.h"

#include "gui/dialog_views.h"
#include "gui/ent/form/update_po_master_view.h"

namespace vtl::gui {

void registerFormViews(suite::Views& views, suite::AutoEntryStore* autoEntry) {
    views.set<ent::UpdatePOMaster>([autoEntry](ent::UpdatePOMaster& form) {
        UpdatePOMasterView view(form, autoEntry, callingWindow());
        view.exec();
    });
}

}  // namespace vtl::gui
