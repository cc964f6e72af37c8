#include "vtlpo/exported_procedures.h"

namespace vtl::vtlpo {

const std::vector<std::string>& exportedProcedureNames() {
    static const std::vector<std::string> names{
        "BrowsePOMaster",      // main purchase-order browse
        "BrowsePOMasterNew",   // alternate purchase-order browse
        "PickPOMaster",        // purchase-order pick list
        "SearchPOMaster",      // purchase-order search window
        "UpdatePOMaster",      // purchase-order form
        "UpdatePODetail",      // line form
        "OverBudgetWarning",   // over-budget warning of a line
        "BrowsePriorityQ",     // higher-priority vendors of an item
        "DuplicatePO",         // duplication dialog
        "ConfirmBlankPO",      // blank purchase-order printing dialog
        "ToggleEasyAutoEntryPO",  // auto-entry on or off
        "BrowsePOReconcile",   // reconciliation browse
        "RecalcCommitted",     // rebuild of committed costs
        "ImportPOMaster",      // purchase-order import
        "ExportPO",            // export of tagged purchase orders
        "CreatePOPrint",       // fills the print work file
        "PrintPurchaseOrderStandard",  // standard purchase-order form
        "PrintPOListing",      // purchase-order listing
        "PurchaseOrderDummy",  // report procedure of the listing
        "LimitPrintPOs",       // printing limits window
        "BrowsePOListLimits",  // saved listing limits
        "PrintPurchaseOrder",  // user-designed purchase-order form
        "PrintPOListFM",       // user-designed listing
        "PrintPurchaseOrderServer",  // print dispatcher
        "POEmailSelect",       // e-mail recipient choice
    };
    return names;
}

void declareExportedProcedures(suite::ProcedureTable& table) {
    for (const auto& name : exportedProcedureNames()) table.declare(name);
}

}  // namespace vtl::vtlpo
