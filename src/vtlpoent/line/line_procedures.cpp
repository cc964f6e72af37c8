#include "vtlpoent/line/line_procedures.h"

#include "platform/suite/error_object.h"
#include "platform/suite/session.h"
#include "vtlpoent/dialogs/toggle_easy_auto_entry.h"
#include "vtlpoent/line/over_budget.h"
#include "vtlpoent/line/priority_vendors.h"
#include "vtlpoent/line/update_po_detail.h"

namespace vtl::ent {
namespace {

void answer(Session& s, bool completed) {
    s.globals.GlobalResponse = completed ? suite::Response::Completed : suite::Response::Cancelled;
}

bool storedLine(Session& s, PODetail& line) {
    line.DetailID = static_cast<ULong>(s.globals.DecimalVariable);
    return store::Table<PODetail>(s.store).fetch(PODetail::KeyDetailID, line);
}

void runLineForm(Session& s) {
    suite::ProcedureName named(s.errors, "UpdatePODetail");
    UpdatePODetail form(s);
    if (!form.open()) return;
    if (form.request() == suite::Request::Delete) {
        form.deleteLine();
        return;
    }
    // A window closed without OK or Cancel, or none to show, is a cancel.
    if (!s.views.run(form) || !form.done()) form.cancel();
}

}  // namespace

void registerLineProcedures(suite::ProcedureTable& table, suite::AutoEntryStore* autoEntry) {
    table.set("UpdatePODetail", runLineForm);
    table.set("OverBudgetWarning", [](Session& s) {
        suite::ProcedureName named(s.errors, "OverBudgetWarning");
        PODetail line;
        answer(s, storedLine(s, line) && overBudgetWarning(s, line));
    });
    table.set("BrowsePriorityQ", [](Session& s) {
        suite::ProcedureName named(s.errors, "BrowsePriorityQ");
        PODetail line;
        if (!storedLine(s, line)) return answer(s, false);
        POMaster po;
        po.POID = line.POID;
        store::Table<POMaster>(s.store).fetch(POMaster::KeyPOID, po);
        auto chosen = browsePriorityQ(s, line, po.VendorID);
        if (chosen) {
            s.globals.DecimalVariable = static_cast<double>(chosen->VendorID);
            s.globals.LookupKey = std::to_string(chosen->RecordID);
        }
        answer(s, chosen.has_value());
    });
    table.set("ToggleEasyAutoEntryPO", [autoEntry](Session& s) {
        suite::ProcedureName named(s.errors, "ToggleEasyAutoEntryPO");
        if (!autoEntry) return answer(s, false);
        const bool on = ToggleEasyAutoEntryPO::toggle(*autoEntry);
        s.ui.tell(ToggleEasyAutoEntryPO::message(on), ToggleEasyAutoEntryPO::kTitle);
        answer(s, true);
    });
}

}  // namespace vtl::ent
