#pragma once
// What both purchase-order forms print, gathered once: the current user's
// rows of the print work file (prepared by CreatePOPrint), each order's
// header values, its lines and its totals, handed one after the other to a
// form (a PurchaseOrderSink) that draws them. The standard form and a
// designed form receive the very same values.
//
// Gathering writes only what numbering asks: a blank number given from the
// counter to its row, and the counter kept in the "Generate POs" limits,
// both in one transaction that reads the counter under the write lock,
// before anything is drawn (a run stopped later keeps the numbers it gave).
#include <functional>
#include <string>

#include "platform/suite/session.h"
#include "report/pages/page.h"
#include "vtlporpt/form_logo.h"
#include "vtlporpt/form_values.h"

namespace vtl::rpt {

inline constexpr const char* kNothingToPrint = "Nothing to Print...";
inline constexpr const char* kCatalogPrompt = "VENDOR CAT.#";
inline constexpr const char* kJobNotFound = "Job Not Found";

// Called after each order with the orders done and their total; answering
// false stops the run.
using PrintProgress = std::function<bool(int done, int total)>;

// A form that draws the gathered orders, in this order for each one:
// beginOrder, item or text for every line, totals.
class PurchaseOrderSink {
public:
    virtual ~PurchaseOrderSink() = default;
    // The order's values: POP:, APV: (the name turned round), JCH: (the
    // order's job, "Job Not Found" for a missing one), SYS: and the form's
    // own (LocalPONumber, BillToOne .. CatalogPrompt). Good until the next order.
    virtual void beginOrder(const FormValues& order) = 0;
    // A line's values: POD: and LineNumber.
    virtual void item(const FormValues& line) = 0;
    virtual void text(const FormValues& line) = 0;
    // TotalLineOne .. LineThreeAmount and TaxableTotal.
    virtual void totals(const FormValues& totals) = 0;
    virtual report::Document& document() = 0;
};

struct PurchaseOrderFormRun {
    report::Document document;
    int orders = 0;            // rows printed
    int lines = 0;             // their lines, item and text
    // The PDF's full path: "<data folder>/Purchase Order 1041 from <company>.pdf"
    // for one order, "<data folder>/Purchase Orders.pdf" for several.
    std::string pdfFileName;
    ULong emailVendorID = 0;   // the vendor of a single order (DecimalVariable above 0), else 0
    std::string emailSubject;  // "Purchase Order from <company>"
    // When no page was produced, the line under kNothingToPrint ("Your
    // Limits have excluded all 12 records!"); "" otherwise.
    std::string nothingToPrint;
    bool cancelled = false;    // the progress answered false: the document is incomplete
    bool failed = false;       // a write failed (already reported): nothing was written, nothing to print
};

class PurchaseOrderForms {
public:
    // `procedure` names the form in the messages of a failed write.
    PurchaseOrderForms(Session& s, std::string procedure);
    // The company block's values follow the logo's position code: hidden
    // on letterhead paper.
    PurchaseOrderFormRun run(PurchaseOrderSink& sink, const FormLogo& logo, const PrintProgress& progress = {});

private:
    struct Context;
    bool numberRows(Context& run);

    Session& s_;
    std::string procedure_;
};

}  // namespace vtl::rpt
