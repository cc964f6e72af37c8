#pragma once
// CreatePOPrint: prepares the purchase orders to print. It fills the print
// work file with one row per order for the current user (other users' rows
// stay), numbers the orders and marks them printed as the print options
// say, and leaves the company lines and the e-mail fields for the forms.
//
// DecimalVariable chooses the work: kSampleMode the sample order,
// kBlankFormMode a blank form, 0 or less every order the "Generate POs"
// limits choose, any other value the one order with that POID.
#include <optional>
#include <string>

#include "platform/suite/session.h"
#include "records/records.h"
#include "vtlporpt/print_shared.h"

namespace vtl::rpt {

inline constexpr const char* kGenerateReport = "Generate POs";

class CreatePOPrint {
public:
    explicit CreatePOPrint(Session& s);
    // The rows, numbers and flags go in together in one transaction. A
    // write that fails is told and then nothing of the run is kept, so no
    // number is printed that no order carries: false, and nothing is to
    // be printed.
    bool run();

private:
    void clearOwnRows();
    void companyLines();
    void generate();
    void single(ULong poid);
    void blankForm();
    void sample();
    // One order's row, numbered as the options say; the number 0 is never given.
    void buildRow(POMaster& po);
    // Whether an order other than `poid` carries `number` as its PO number.
    bool numberTaken(ULong number, ULong poid);
    void insertRow(POPrint& row);
    std::optional<POLimits> generateLimits();
    // Tells a failed write and remembers it.
    bool kept(const store::Status& status);

    Session& s_;
    PrintShared& shared_;
    Systems sys_;
    bool failed_ = false;
};

// The sample order's text line.
extern const char* const kSampleText;

}  // namespace vtl::rpt
