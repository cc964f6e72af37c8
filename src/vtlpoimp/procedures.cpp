#include "vtlpoimp/procedures.h"

#include "platform/suite/error_object.h"
#include "platform/suite/module_shared.h"
#include "platform/suite/session.h"
#include "vtlpoimp/export_po_window.h"
#include "vtlpoimp/import_po_master.h"
#include "vtlpoimp/update_po_master_import.h"

namespace vtl::imp {
namespace {

// The item editors as procedures edit the item left in the module's shared
// place by their caller.
struct ItemCall {
    ImportItem item;
    bool oneFile = false;
    bool fixed = false;
    bool accepted = false;
};

void runItemEditor(Session& s, Part part, const char* name) {
    suite::ProcedureName named(s.errors, name);
    ItemCall& call = suite::moduleShared<ItemCall>(s.module);
    ImportItemEditor editor(part, call.item, call.oneFile, call.fixed, !s.globals.JobCostInstalled);
    s.views.run(editor);
    call.accepted = editor.accepted();
}

}  // namespace

void registerImportProcedures(suite::ProcedureTable& table) {
    table.set("ImportPOMaster", [](Session& s) {
        suite::ProcedureName named(s.errors, "ImportPOMaster");
        ImportPOMaster w(s);
        w.open();
        s.views.run(w);
    });
    table.set("UpdatePOMasterImport", [](Session& s) {
        suite::ProcedureName named(s.errors, "UpdatePOMasterImport");
        UpdatePOMasterImport form(s);
        if (!form.open()) {
            s.globals.GlobalResponse = suite::Response::Cancelled;
            return;
        }
        s.views.run(form);
        s.globals.GlobalResponse = form.saved() ? suite::Response::Completed : suite::Response::Cancelled;
        if (form.saved()) s.globals.DecimalVariable = form.savedLimitID();
    });
    table.set("UpdatePOMasterImportItem", [](Session& s) { runItemEditor(s, Part::Header, "UpdatePOMasterImportItem"); });
    table.set("UpdatePODetailImportItem", [](Session& s) { runItemEditor(s, Part::Detail, "UpdatePODetailImportItem"); });
    table.set("ExportPO", [](Session& s) {
        suite::ProcedureName named(s.errors, "ExportPO");
        ExportPO w(s);
        s.views.run(w);
    });
}

}  // namespace vtl::imp
