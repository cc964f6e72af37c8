#pragma once
// Every record file of the module's store, each once. The alias buffer on
// POMaster is not a file of its own and is not listed.
#include <vector>

#include "platform/store/fields.h"

namespace vtl {

const std::vector<const store::RecordInfo*>& allRecords();

}  // namespace vtl
