#include "vtlpoent/dialogs/confirm_blank_po.h"

#include "platform/suite/module_shared.h"

namespace vtl::ent {

ConfirmBlankPO& confirmedBlankPO(const ModuleState& module) { return suite::moduleShared<ConfirmBlankPO>(module); }

}  // namespace vtl::ent
