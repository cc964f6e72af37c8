#include "vtlpoent/line/line_form.h"

#include "platform/suite/module_shared.h"

namespace vtl::ent {

LineFormResult& lineFormShared(const ModuleState& module) { return suite::moduleShared<LineFormResult>(module); }

void clearLineFormShared(const ModuleState& module) { suite::clearModuleShared<LineFormResult>(module); }

}  // namespace vtl::ent
