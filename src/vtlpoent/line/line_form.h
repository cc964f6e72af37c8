#pragma once
// What the line form leaves for the purchase-order form once it closes.
//
// The line form may choose another vendor for the whole order (from the
// list of vendors that sell the line's item for less). The order's vendor
// belongs to the header, so the line form only proposes it:
//   - pendingVendorID: the vendor to put on the header, 0 = none. The
//     purchase-order form takes it on its next event, clears it and checks
//     the vendor as if it had been typed.
//   - priceSkipDetailID: the DetailID of the line whose form chose that
//     vendor, 0 = none. That line already carries the new vendor's price,
//     so the price reset that follows the vendor change leaves it out. A
//     new line gets its number when its form's OK hands it over, and only
//     then is it noted here.
//   - openHeader: the order's header as the purchase-order form shows it
//     while the line form is open. The header is stored only by the form's
//     OK, so the vendor, default job, tax switch and dates typed since are
//     read from here (vendor prices, a new line's defaults).
//   - openLines: the order's lines as the purchase-order form holds them
//     while the line form is open. The line form reads the line it changes
//     from here and leaves its work here; the form stores them on OK.
// The values live as long as the module state they belong to (one per
// loaded module), as the form and its line forms share them.
#include <optional>
#include <vector>

#include "platform/suite/session.h"
#include "records/records.h"

namespace vtl::ent {

struct LineFormResult {
    ULong pendingVendorID = 0;
    ULong priceSkipDetailID = 0;
    std::optional<POMaster> openHeader;
    std::vector<PODetail>* openLines = nullptr;

    bool hasPendingVendor() const { return pendingVendorID != 0; }
    // The purchase-order form's hand-over: the vendor once, then nothing.
    ULong takePendingVendor() {
        ULong v = pendingVendorID;
        pendingVendorID = 0;
        return v;
    }
};

// The values shared by the form and the line forms of one module.
LineFormResult& lineFormShared(const ModuleState& module);
// Forgets them (the module unloads, or a test starts afresh).
void clearLineFormShared(const ModuleState& module);

}  // namespace vtl::ent
