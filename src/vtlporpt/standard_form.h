#pragma once
// PrintPurchaseOrderStandard: the standard purchase-order form. It prints
// the current user's rows of the print work file (prepared by
// CreatePOPrint) into a page model, one order from a new page, and hands
// back what the output path (preview, printer, PDF, e-mail) needs. It
// writes only what numbering asks: a blank number given from the counter
// to its row, and the counter kept in the "Generate POs" limits, both in
// one transaction that reads the counter under the write lock, before any
// page is drawn (a run stopped later keeps the numbers it gave).
#include <functional>
#include <string>

#include "platform/suite/session.h"
#include "report/pages/measure.h"
#include "report/pages/page.h"

namespace vtl::rpt {

inline constexpr const char* kStandardFormProcedure = "PrintPurchaseOrderStandard";
inline constexpr const char* kNothingToPrint = "Nothing to Print...";
inline constexpr const char* kCatalogPrompt = "VENDOR CAT.#";
inline constexpr const char* kJobNotFound = "Job Not Found";

// Called after each order with the orders done and their total; answering
// false stops the run.
using PrintProgress = std::function<bool(int done, int total)>;

struct StandardFormRun {
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

class PrintPurchaseOrderStandard {
public:
    PrintPurchaseOrderStandard(Session& s, report::TextMeasure& measure);
    StandardFormRun run(const PrintProgress& progress = {});

private:
    struct Context;
    bool numberRows(Context& run);

    Session& s_;
    report::TextMeasure& measure_;
};

}  // namespace vtl::rpt
