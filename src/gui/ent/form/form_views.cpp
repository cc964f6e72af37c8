#include "gui/ent/form/form_views.h"

#include <QApplication>

#include "gui/ent/form/update_po_master_view.h"

namespace vtl::gui {

void registerFormViews(suite::Views& views, suite::AutoEntryStore* autoEntry) {
    views.set<ent::UpdatePOMaster>([autoEntry](ent::UpdatePOMaster& form) {
        QWidget* over = QApplication::activeModalWidget();
        if (!over) over = QApplication::activeWindow();
        UpdatePOMasterView view(form, autoEntry, over);
        view.exec();
    });
}

}  // namespace vtl::gui
