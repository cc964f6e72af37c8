#pragma once
// Writing purchase orders to the comma-delimited file the built-in import
// source reads back: for each order a header record ("H") and then a detail
// record ("D") per line, one record a line.
//
// Nothing is lost on the way back: records are written whole, a double
// quote inside a text is written doubled, and an unset date is an empty
// field.
#include <functional>
#include <string>
#include <vector>

#include "platform/store/store.h"
#include "records/po_detail.h"
#include "records/po_master.h"

namespace vtl::imp {

inline constexpr const char* kExportWorkFile = "Export.txt";

std::string headerRecord(const POMaster& po);
std::string detailRecord(const PODetail& line);

struct ExportResult {
    int orders = 0;
    int reconciled = 0;  // at least partially reconciled, written as fully open
    std::int64_t lines = 0;
};

// Writes the orders of `poids`, in that order (a number with no order is
// passed over), to the work file "Export.txt" of the data folder and copies
// it to `target`. A record that cannot be written is reported with " Adding
// Export", and then nothing is copied: false, `target` as it was. The work
// file that cannot be made gives false after reporting " Creating File", and
// a copy that fails reports "Copying File" and leaves `target` as it was.
bool exportOrders(store::Store& store, const std::vector<ULong>& poids, const std::string& dataFolder,
                  const std::string& target, const std::function<void(const std::string&)>& report,
                  ExportResult& result);

// The messages of reconciled orders written as open: text and title, or
// empty when there were none.
struct ExportMessage {
    std::string text;
    std::string title;
};
std::optional<ExportMessage> reconciledMessage(int reconciled);

}  // namespace vtl::imp
