#pragma once
// PrintPurchaseOrder: the purchase orders of the print work file on the
// form the company designed, when its settings choose "FormMaker". The
// layout file is the Systems record's form file; the orders are gathered
// as for the standard form (blank numbers given first) and go through the
// same output path: preview or printer, PDF, e-mail.
#include <optional>
#include <string>

#include "platform/suite/session.h"
#include "report/pages/measure.h"
#include "vtlporpt/designed/form_layout.h"
#include "vtlporpt/order_forms.h"

namespace vtl::rpt {

inline constexpr const char* kDesignedFormProcedure = "PrintPurchaseOrder";

// The file a stored form-file path names. Either "\" or "/" separates
// folders; the path is split at the last one into folder and file name. A
// relative folder is taken from the data folder, or, when the file is not
// there, from the installation's folder (where the shipped forms are).
struct FormFilePath {
    std::string folder, name;
    std::string path() const;
};
FormFilePath formFilePath(const std::string& stored, const std::string& dataFolder,
                          const std::string& installFolder);

// The layout the Systems record names. A missing or unreadable one is told
// (file and problem, with the line of a mistake) and answers nullopt.
std::optional<FormLayout> loadPurchaseOrderLayout(Session& s);

class PrintPurchaseOrder {
public:
    PrintPurchaseOrder(Session& s, report::TextMeasure& measure, const FormLayout& layout);
    PurchaseOrderFormRun run(const PrintProgress& progress = {});

private:
    Session& s_;
    report::TextMeasure& measure_;
    const FormLayout& layout_;
};

// The procedure: the layout read first, so a broken one prints and numbers nothing.
void runPrintPurchaseOrder(Session& s);

}  // namespace vtl::rpt
