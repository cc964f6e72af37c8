#pragma once
// The parameters block of a listing: what the limit set chose, one line per
// limit in use, shown at the foot of every page (the first twelve) and
// appended to an exported text image.
#include <string>
#include <vector>

#include "platform/store/store.h"
#include "vtlporpt/listing/listing_data.h"

namespace vtl::rpt {

inline constexpr std::size_t kParameterLinesShown = 12;

// A list line longer than 99 characters is cut at its first space from the
// 90th to the 100th character and ends with "...".
std::string cutParameterLine(std::string line);

// The lines in their order; limits not in use give no line.
std::vector<std::string> listingParameters(store::Store& store, const POLimits& limits, const ListingBounds& bounds);

}  // namespace vtl::rpt
