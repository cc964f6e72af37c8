#pragma once
// PrintPurchaseOrderStandard: the standard purchase-order form. It prints
// the current user's rows of the print work file (prepared by
// CreatePOPrint) into a page model, one order from a new page, and hands
// back what the output path (preview, printer, PDF, e-mail) needs. The
// orders' values are gathered by PurchaseOrderForms (which numbers blank
// orders first); this turns them into the standard layout's fields.
#include "platform/suite/session.h"
#include "report/pages/measure.h"
#include "report/pages/page.h"
#include "vtlporpt/order_forms.h"

namespace vtl::rpt {

inline constexpr const char* kStandardFormProcedure = "PrintPurchaseOrderStandard";

using StandardFormRun = PurchaseOrderFormRun;

class PrintPurchaseOrderStandard {
public:
    PrintPurchaseOrderStandard(Session& s, report::TextMeasure& measure);
    StandardFormRun run(const PrintProgress& progress = {});

private:
    Session& s_;
    report::TextMeasure& measure_;
};

}  // namespace vtl::rpt
