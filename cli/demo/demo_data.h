#pragma once
// The demo company: a small, realistic contractor's data, written into an
// empty database by `vtlpo init --demo`.
#include <string>

#include "platform/store/store.h"

namespace vtl::demo {

// Writes every demo record in one transaction. On failure nothing is kept
// and `error` says what failed.
bool load(store::Store& store, std::string& error);

}  // namespace vtl::demo
