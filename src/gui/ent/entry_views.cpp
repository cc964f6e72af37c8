#include "gui/ent/entry_views.h"

#include "gui/dialog_views.h"
#include "gui/ent/browse_view.h"
#include "gui/ent/confirm_blank_po_view.h"
#include "gui/ent/duplicate_po_view.h"
#include "gui/ent/pick_po_view.h"
#include "gui/ent/search_po_view.h"
#include "vtlpoent/browse/browse_po_master_new.h"

namespace vtl::gui {
namespace {

template <class Browse>
void registerBrowse(suite::Views& views, const char* placeName) {
    views.set<Browse>([placeName](Browse& b) {
        BrowsePOMasterView view(b, callingWindow(), placeName);
        view.exec();
    });
}

}  // namespace

void registerEntryViews(suite::Views& views) {
    registerBrowse<ent::BrowsePOMaster>(views, "BrowsePOMaster");
    registerBrowse<ent::BrowsePOMasterNew>(views, "BrowsePOMasterNew");
    registerDialog<SearchPOMasterView, ent::SearchPOMaster>(views);
    registerDialog<PickPOMasterView, ent::PickPOMaster>(views);
    registerDialog<DuplicatePOView, ent::DuplicatePO>(views);
    registerDialog<ConfirmBlankPOView, ent::ConfirmBlankPO>(views);
}

}  // namespace vtl::gui
