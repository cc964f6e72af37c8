#pragma once
// What an import has read: the headers and lines that passed the checks and
// the problems met, each with the line of the file it was found on (0 for
// those found after reading).
#include <cstdint>
#include <string>
#include <vector>

#include "platform/types/date.h"
#include "platform/types/decimal.h"
#include "platform/types/text.h"
#include "platform/types/widths.h"

namespace vtl::imp {

struct ImportError {
    std::int64_t line = 0;
    std::string text;
};

// Text fields keep up to the width of the record field they land in.
struct ImportHeader {
    std::int64_t line = 0;
    ULong poid = 0;  // from the file (two files) or the header's place (one file)
    ULong vendorId = 0;
    Text<20> externalVendor;
    Text<20> preparedBy;
    Date preparedDate;
    Text<15> poNumber;
    Date issueDate, deliverAfterDate, deliveryDate, deadlineDate;
    Money preTaxAmount;
    double taxRate = 0;  // read, not kept: the rate follows from the amounts
    Money taxAmount;
    Money poAmount;
    Text<8> shipToType;
    Text<10> shipToJob;
    ULong shipToVendor = 0;
    ULong shipToCustomer = 0;
    Text<50> shipToName, shipToAddress1, shipToAddress2;
    Text<30> shipToCity;
    Text<2> shipToState;
    Text<10> shipToZip;
    Text<40> shipToContact;
    Text<20> shipVia;
    Text<50> shipToInstructions;
    Text<20> fob;
    Text<20> terms;

    int lineCount = 0;   // lines matched to it
    Money lineTotal;     // their total amounts
    ULong newPOID = 0;   // once imported
};

struct ImportLine {
    std::int64_t line = 0;
    ULong poid = 0;           // its header's
    Text<20> poNumber;        // matched to a header by PO number after reading
    bool byNumber = false;    // it carried a PO number
    Byte textFlag = 0;
    Text<1000> text;
    Text<15> itemId;
    Text<200> description;
    Quantity qtyOrdered;
    double unitPrice = 0;
    Text<8> unitName;
    Money totalAmount;
    char detailType = 0;      // 'J', 'E', 'G', 'I'
    Text<12> account;
    Text<10> jobId;
    Text<14> costCode;
    Text<10> equipmentId;
    Text<10> costCategory;
    Date deliverAfterDate, deliveryDate, deadlineDate;
};

struct ImportBatch {
    std::vector<ImportHeader> headers;
    std::vector<ImportLine> lines;
    std::vector<ImportError> errors;
    void clear() {
        headers.clear();
        lines.clear();
        errors.clear();
    }
};

// The stored word of a detail-type letter ("" for anything else).
const char* detailTypeWord(char letter);

}  // namespace vtl::imp
