#pragma once
#include <string>

#include "platform/store/store.h"

namespace vtl::cli {

// A short account of what a data folder holds: the company, and how many
// records each file has, with the purchase orders by reconciliation state.
std::string summarize(store::Store& store);

}  // namespace vtl::cli
