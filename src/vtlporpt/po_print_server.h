#pragma once
// PrintPurchaseOrderServer: the one entry for printing purchase orders.
// DecimalVariable chooses what (the sample, a blank form, the "Generate POs"
// orders, or one order); the print work file is prepared, then the orders
// print on the standard form (or, when the company chose "FormMaker", on
// its own designed form) through the common output path: preview or
// printer, "Generate PDF File" and "Email PO (pdf)".
#include <functional>
#include <string>

#include "platform/suite/session.h"
#include "report/pages/measure.h"
#include "vtlporpt/order_forms.h"

namespace vtl::rpt {

// What one print run of purchase orders keeps from start to end.
struct POPrintRun {
    std::string pdfFileName;  // where the PDF goes, "<data folder>/Purchase Order.pdf" until the form names it
    bool emailMe = false;     // the person chose "Email PO (pdf)"
    std::string emailBody;    // "Please see attached Purchase Order." and the user's signature
};

POPrintRun& poPrintRun(const ModuleState& module);

// "Please see attached Purchase Order.", then two line breaks and the
// user's e-mail signature when there is one.
std::string purchaseOrderEmailBody(const std::string& signature);

void runPrintPurchaseOrderServer(Session& s);
// The standard form and its output; the work file must be prepared.
void runPrintPurchaseOrderStandard(Session& s);

// The output of either form: `print` makes the pages behind the progress
// window; then "Nothing to Print...", or the preview (or printer) with
// "Generate PDF File" and "Email PO (pdf)". `procedure` names the form.
using PurchaseOrderPrinter = std::function<PurchaseOrderFormRun(report::TextMeasure&, const PrintProgress&)>;
void printPurchaseOrderForm(Session& s, const char* procedure, const PurchaseOrderPrinter& print);

}  // namespace vtl::rpt
