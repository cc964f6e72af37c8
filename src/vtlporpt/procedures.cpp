#include "vtlporpt/procedures.h"

#include "platform/suite/error_object.h"
#include "platform/suite/session.h"
#include "vtlporpt/create_po_print.h"
#include "vtlporpt/email/po_email_select.h"

namespace vtl::rpt {

void registerReportProcedures(suite::ProcedureTable& table) {
    table.set("CreatePOPrint", [](Session& s) {
        suite::ProcedureName named(s.errors, "CreatePOPrint");
        CreatePOPrint(s).run();
    });
    // Chooses among the recipients left in sharedRecipients; keeps the tagged ones there.
    table.set("POEmailSelect", [](Session& s) {
        suite::ProcedureName named(s.errors, "POEmailSelect");
        chooseRecipients(s, sharedRecipients(s.module));
    });
}

}  // namespace vtl::rpt
