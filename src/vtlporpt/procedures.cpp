#include "vtlporpt/procedures.h"

#include "platform/suite/error_object.h"
#include "platform/suite/session.h"
#include "vtlporpt/create_po_print.h"
#include "vtlporpt/designed/designed_listing.h"
#include "vtlporpt/designed/print_purchase_order.h"
#include "vtlporpt/limit_print_pos.h"
#include "vtlporpt/listing/browse_po_list_limits.h"
#include "vtlporpt/listing/print_po_listing.h"
#include "vtlporpt/listing/update_po_list_limits.h"
#include "vtlporpt/po_print_server.h"
#include "vtlporpt/purchase_order_dummy.h"
#include "vtlporpt/email/po_email_select.h"

namespace vtl::rpt {

void registerReportProcedures(suite::ProcedureTable& table) {
    table.set("CreatePOPrint", [](Session& s) {
        suite::ProcedureName named(s.errors, "CreatePOPrint");
        CreatePOPrint(s).run();
    });
    table.set("LimitPrintPOs", runLimitPrintPOs);
    table.set("PurchaseOrderDummy", runPurchaseOrderDummy);
    table.set(kListingProcedure, runPrintPOListing);
    table.set(kDesignedListingProcedure, runPrintPOListFM);
    table.set("BrowsePOListLimits", runBrowsePOListLimits);
    table.set("UpdatePOListLimits", runUpdatePOListLimits);
    table.set("PrintPurchaseOrderServer", runPrintPurchaseOrderServer);
    table.set("PrintPurchaseOrderStandard", runPrintPurchaseOrderStandard);
    table.set(kDesignedFormProcedure, runPrintPurchaseOrder);
    // Chooses among the recipients left in sharedRecipients; keeps the tagged ones there.
    table.set("POEmailSelect", [](Session& s) {
        suite::ProcedureName named(s.errors, "POEmailSelect");
        chooseRecipients(s, sharedRecipients(s.module));
    });
}

}  // namespace vtl::rpt
