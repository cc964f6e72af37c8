#pragma once
// BrowsePriorityQ: the other vendors of a line's item that sell it for less
// than the line's price, cheapest first, offered as a look-up list.
#include <optional>
#include <string>
#include <vector>

#include "platform/suite/session.h"
#include "records/records.h"

namespace vtl::ent {

inline constexpr const char* kPriorityVendorsTitle = "Vendors with Better Prices";

// The item's vendor records other than `currentVendor` whose price is below
// `linePrice`, cheapest first (equal prices by vendor number).
std::vector<INVendor> betterVendors(store::Store& store, const std::string& itemID, ULong currentVendor,
                                    double linePrice);

// Shows them; the chosen record, or nullopt when the list was empty (the
// person is told so) or cancelled.
std::optional<INVendor> browsePriorityQ(Session& s, const PODetail& line, ULong currentVendor);

}  // namespace vtl::ent
