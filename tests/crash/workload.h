#pragma once
// The work the crash test does on a data folder: a small company, then
// numbered operations through the module's own controllers (new and changed
// orders with their lines, deletes, reconcile and unreconcile, receipts on
// packing slips, invoices as payables posts them, duplicates, imports,
// rebuilds, printing with numbering to a PDF, exports).
//
// Operation k does the same on the same data whenever it is run: its
// choices come from (seed, k) and the day is fixed. Each one's change of
// the records is one transaction (numbers handed out before it, which a
// killed program keeps, aside), and its output file takes its name only
// once complete, so a program killed during operation k leaves the folder
// as it was after k - 1 or as it is after k. One operation takes two
// steps, each whole: closing a packing slip first ends, as it opens, the
// slip a stopped program left open, then writes the order's totals and
// ends its own; it may be found after its first step.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/store/store.h"

namespace vtl::crash {

// Where the operations write their files, inside the data folder.
inline constexpr const char* kOutputFolder = "out";
inline constexpr const char* kExportFile = "out/export.txt";
inline constexpr const char* kPdfFile = "out/orders.pdf";
inline constexpr const char* kImportFile = "out/import.txt";

// Sets up the company the operations work on; false with `error` set.
bool createCompany(store::Store& store, const std::string& folder, std::string& error);

class Workload {
public:
    Workload(store::Store& store, std::string folder, std::uint64_t seed);
    ~Workload();
    Workload(const Workload&) = delete;
    Workload& operator=(const Workload&) = delete;

    // Runs operation `k` and says what it did. A message that reports a
    // record that could not be written makes `fault` non-empty. With
    // `firstStepOnly` an operation of two steps stops after its first.
    std::string run(std::int64_t k, std::string& fault, bool firstStepOnly = false);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace vtl::crash
