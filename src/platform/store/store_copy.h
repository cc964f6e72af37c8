#pragma once
// Copies a company from one store to another, either engine to either, in
// one transaction of the target: every record file row for row (gap bytes
// too) and the numbers handed out. Before committing, it reads both sides
// back and compares each file's record count and the sum of every decimal
// column (the amounts and quantities); any difference rolls the copy back.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/store/store.h"

namespace vtl::store {

struct CopyResult {
    std::int64_t files = 0;
    std::int64_t records = 0;
    std::int64_t sumsCompared = 0;  // decimal columns compared
};

// The target must hold the same schema and no records. `progress` is told
// each file's name as it is copied.
Status copyCompany(Store& from, Store& to, CopyResult& result,
                   const std::function<void(const std::string& file)>& progress = {});

}  // namespace vtl::store
