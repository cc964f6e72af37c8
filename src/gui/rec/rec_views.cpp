#include "gui/rec/rec_views.h"

#include "gui/dialog_views.h"
#include "gui/rec/browse_po_reconcile_view.h"
#include "gui/rec/recalc_committed_view.h"
#include "gui/rec/reconcile_po_detail_view.h"
#include "gui/rec/update_po_reconcile_view.h"

namespace vtl::gui {

void registerRecViews(suite::Views& views) {
    registerDialog<RecalcCommittedView, rec::RecalcCommitted>(views);
    registerDialog<BrowsePOReconcileView, rec::BrowsePOReconcile>(views);
    registerDialog<UpdatePOReconcileView, rec::UpdatePOReconcile>(views);
    registerDialog<ReconcilePODetailView, rec::ReconcilePODetail>(views);
}

}  // namespace vtl::gui
