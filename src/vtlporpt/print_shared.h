#pragma once
// What the printing of purchase orders keeps for as long as the module is
// loaded: the print options chosen on the printing-limits window (they also
// apply to later single prints), and what the work
// file's preparation leaves for the forms and the e-mail step.
#include <array>
#include <string>

#include "platform/suite/session.h"
#include "records/po_detail.h"

namespace vtl::rpt {

// The values of DecimalVariable that choose what is prepared.
inline constexpr double kSampleMode = 999999999;     // the sample order
inline constexpr double kBlankFormMode = 0.99;       // a blank form with only a number
inline constexpr ULong kSamplePOID = kSampleLinesPOID; // the sample order's rows
inline constexpr ULong kBlankFormPOID = 3333333333u; // the blank form's row

struct PrintOptions {
    std::string printCondition = "U";  // "U" unprinted only, "P" printed only, else all
    Byte setPrintedFlag = 1;           // mark each printed order as printed
    std::string assignPONumber = "B";  // "B" number the blank ones, "A" renumber all, "N" none
    ULong poNumber = 0;                // the next number to hand out
};

struct PrintOutputs {
    std::array<std::string, 5> companyLines;  // the company name and its address block
    std::string emailToName, emailToAddress, emailSubject;
};

struct PrintShared {
    PrintOptions options;
    PrintOutputs outputs;
};

PrintShared& printShared(const ModuleState& module);
void clearPrintShared(const ModuleState& module);

}  // namespace vtl::rpt
