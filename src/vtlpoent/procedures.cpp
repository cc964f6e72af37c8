#include "vtlpoent/procedures.h"

#include "platform/suite/error_object.h"
#include "platform/suite/session.h"
#include "vtlpoent/browse/browse_po_master.h"
#include "vtlpoent/browse/browse_po_master_new.h"
#include "vtlpoent/form/update_po_master.h"
#include "vtlpoent/search/pick_po_master.h"
#include "vtlpoent/search/search_po_master.h"

namespace vtl::ent {
namespace {

template <class Browse>
void runBrowse(Session& s, const char* name) {
    suite::ProcedureName named(s.errors, name);
    Browse b(s);
    b.open();
    s.views.run(b);
    b.close();
    s.globals.GlobalResponse = b.selected() ? suite::Response::Completed : suite::Response::Cancelled;
}

}  // namespace

void registerEntryProcedures(suite::ProcedureTable& table) {
    table.set("BrowsePOMaster", [](Session& s) { runBrowse<BrowsePOMaster>(s, "BrowsePOMaster"); });
    table.set("BrowsePOMasterNew", [](Session& s) { runBrowse<BrowsePOMasterNew>(s, "BrowsePOMasterNew"); });
    table.set("SearchPOMaster", [](Session& s) {
        suite::ProcedureName named(s.errors, "SearchPOMaster");
        SearchPOMaster w(s);
        if (!s.views.run(w)) w.cancel();
    });
    table.set("PickPOMaster", [](Session& s) {
        suite::ProcedureName named(s.errors, "PickPOMaster");
        PickPOMaster w(s);
        w.open();
        if (!s.views.run(w)) w.cancel();
    });
    table.set("UpdatePOMaster", [](Session& s) {
        suite::ProcedureName named(s.errors, "UpdatePOMaster");
        UpdatePOMaster form(s);
        if (!form.open()) {
            s.globals.GlobalResponse = suite::Response::Cancelled;
            return;
        }
        if (!s.views.run(form) || !form.closed()) form.cancel();
        s.globals.GlobalResponse = form.response();
        if (form.savedPOID()) s.globals.DecimalVariable = form.savedPOID();
    });
}

}  // namespace vtl::ent
