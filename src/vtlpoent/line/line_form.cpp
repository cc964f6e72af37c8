#include "vtlpoent/line/line_form.h"

#include <map>

namespace vtl::ent {
namespace {

// Every window of the host runs on its one interface thread, as the rest of
// the module state, so a plain map serves.
std::map<const ModuleState*, LineFormResult>& shared() {
    static std::map<const ModuleState*, LineFormResult> m;
    return m;
}

}  // namespace

LineFormResult& lineFormShared(const ModuleState& module) { return shared()[&module]; }

void clearLineFormShared(const ModuleState& module) { shared().erase(&module); }

}  // namespace vtl::ent
