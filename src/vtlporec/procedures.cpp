#include "vtlporec/procedures.h"

#include "platform/suite/error_object.h"
#include "platform/suite/session.h"
#include "vtlporec/browse_po_reconcile.h"
#include "vtlporec/recalc_committed.h"

namespace vtl::rec {

void registerRecProcedures(suite::ProcedureTable& table) {
    table.set("BrowsePOReconcile", [](Session& s) {
        suite::ProcedureName named(s.errors, "BrowsePOReconcile");
        BrowsePOReconcile window(s);
        window.load();
        s.views.run(window);
    });
    table.set("RecalcCommitted", [](Session& s) {
        suite::ProcedureName named(s.errors, "RecalcCommitted");
        RecalcCommitted window(s);
        s.views.run(window);
    });
}

}  // namespace vtl::rec
