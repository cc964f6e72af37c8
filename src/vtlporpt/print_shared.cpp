#include "vtlporpt/print_shared.h"

#include <map>

namespace vtl::rpt {
namespace {

// One interface thread runs every window, as for the rest of the module state.
std::map<const ModuleState*, PrintShared>& shared() {
    static std::map<const ModuleState*, PrintShared> m;
    return m;
}

}  // namespace

PrintShared& printShared(const ModuleState& module) { return shared()[&module]; }

void clearPrintShared(const ModuleState& module) { shared().erase(&module); }

}  // namespace vtl::rpt
