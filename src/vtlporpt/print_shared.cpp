#include "vtlporpt/print_shared.h"

#include "platform/suite/module_shared.h"

namespace vtl::rpt {

PrintShared& printShared(const ModuleState& module) { return suite::moduleShared<PrintShared>(module); }

void clearPrintShared(const ModuleState& module) { suite::clearModuleShared<PrintShared>(module); }

}  // namespace vtl::rpt
