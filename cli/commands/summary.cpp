#include "commands/summary.h"

#include <cstdio>

#include "records/records.h"
#include "records/schema.h"

namespace vtl::cli {

std::string summarize(store::Store& store) {
    std::string s;
    Systems sys;
    store::Table<Systems> systems(store);
    auto c = systems.all(0);
    if (c.next(sys)) s += "Company: " + sys.CompanyName.clip() + "\n";
    std::int64_t states[3] = {0, 0, 0};
    store::Table<POMaster> orders(store);
    POMaster po;
    for (auto o = orders.all(POMaster::KeyPOID); o.next(po);)
        if (po.Reconciled < 3) ++states[po.Reconciled];
    char buf[160];
    std::snprintf(buf, sizeof buf, "Purchase orders: %lld unreconciled, %lld partially reconciled, %lld fully reconciled\n",
                  static_cast<long long>(states[0]), static_cast<long long>(states[1]),
                  static_cast<long long>(states[2]));
    s += buf;
    s += "Records per file:\n";
    for (const auto* r : allRecords()) {
        std::int64_t n = store.core(*r).count();
        if (n == 0) continue;
        std::snprintf(buf, sizeof buf, "  %-12s %8lld\n", r->name.c_str(), static_cast<long long>(n));
        s += buf;
    }
    return s;
}

}  // namespace vtl::cli
