#include "gui/ent/line/line_views.h"

#include "gui/dialog_views.h"
#include "gui/ent/line/ship_to_address_view.h"
#include "gui/ent/line/update_po_detail_view.h"

namespace vtl::gui {

void registerLineViews(suite::Views& views) {
    registerDialog<UpdatePODetailView, ent::UpdatePODetail>(views);
    registerDialog<EnterShipToAddressView, ent::EnterShipToAddress>(views);
}

}  // namespace vtl::gui
