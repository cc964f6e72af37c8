#pragma once
// PurchaseOrderDummy: one page of a purchase-order layout whose fields show
// their design placeholders instead of data, for lining up pre-printed
// forms in the printer. The item band and the totals band print once.
#include "platform/suite/session.h"
#include "report/pages/page.h"

namespace vtl::rpt {

inline constexpr const char* kDummyPdfName = "Dummy Purchase Order.pdf";

// The page, the same every time.
report::Document dummyPurchaseOrder();

// The procedure: the page through the common output path (preview or
// printer, "Generate PDF File", "Email Report (pdf)").
void runPurchaseOrderDummy(Session& s);

}  // namespace vtl::rpt
