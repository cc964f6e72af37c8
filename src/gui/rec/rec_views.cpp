#include "gui/rec/rec_views.h"

#include "gui/dialog_views.h"
#include "gui/rec/browse_po_reconcile_view.h"
#include "gui/rec/recalc_committed_view.h"

namespace vtl::gui {

void registerRecViews(suite::Views& views) {
    registerDialog<RecalcCommittedView, rec::RecalcCommitted>(views);
    registerDialog<BrowsePOReconcileView, rec::BrowsePOReconcile>(views);
}

}  // namespace vtl::gui
