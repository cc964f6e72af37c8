#include "vtlporec/procedures.h"

#include "platform/suite/error_object.h"
#include "platform/suite/session.h"
#include "vtlporec/browse_po_reconcile.h"
#include "vtlporec/recalc_committed.h"
#include "vtlporec/reconcile_po_detail.h"
#include "vtlporec/update_po_reconcile.h"

namespace vtl::rec {

void registerRecProcedures(suite::ProcedureTable& table) {
    table.set("BrowsePOReconcile", [](Session& s) {
        suite::ProcedureName named(s.errors, "BrowsePOReconcile");
        BrowsePOReconcile window(s);
        window.load();
        s.views.run(window);
    });
    table.set("UpdatePOReconcile", [](Session& s) {
        suite::ProcedureName named(s.errors, "UpdatePOReconcile");
        UpdatePOReconcile form(s);
        if (!form.open()) return;
        // A window closed without OK or Cancel still ends the packing slip.
        if (!s.views.run(form) || !form.closed()) form.cancel();
    });
    table.set("ReconcilePODetail", [](Session& s) {
        suite::ProcedureName named(s.errors, "ReconcilePODetail");
        ReconcilePODetail form(s);
        if (!form.open()) return;
        if (!s.views.run(form) || !form.done()) form.cancel();
    });
    table.set("RecalcCommitted", [](Session& s) {
        suite::ProcedureName named(s.errors, "RecalcCommitted");
        RecalcCommitted window(s);
        s.views.run(window);
    });
}

}  // namespace vtl::rec
