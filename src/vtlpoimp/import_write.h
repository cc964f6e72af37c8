#pragma once
// Writing what an import has read: the orders, their lines, the purchasing
// agents of the drop list, the PO-number counter, and the committed amounts
// and on-order quantities the new open lines carry, in one transaction.
#include <functional>
#include <string>

#include "platform/store/store.h"
#include "platform/types/date.h"
#include "vtlpoimp/import_batch.h"
#include "vtlpoimp/import_text.h"

namespace vtl::imp {

inline constexpr const char* kPurchasingAgentList = "POM Purchasing Agent";

struct WriteContext {
    store::Store& store;
    std::string userId;
    Date today;
    int costCodeLen = 6;
    // A write that fails and lets the import go on (a drop-list value):
    // the store's text with the words of the operation.
    std::function<void(const std::string&)> report;
    ReadProgress progress;  // headers and lines written of all
};

struct WriteResult {
    int orders = 0;
    std::int64_t lines = 0;
};

// Writes every header of the batch and the lines that belong to them, in
// file order; each header gets a new POID (kept in `newPOID`) and, when its
// PO number is blank, the next number of the counter. Either all of it is
// stored, or, when a record cannot be numbered or written, none of it: the
// answer then carries the message to show ("Unable to Insert POMaster.").
store::Status writeImport(const WriteContext& context, ImportBatch& batch, WriteResult& result);

}  // namespace vtl::imp
