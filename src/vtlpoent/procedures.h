#pragma once
// The purchase-order entry procedures by name: each names itself to the
// error object, builds its controller, runs its window through the views
// and closes.
#include "platform/suite/procedures.h"

namespace vtl::ent {

void registerEntryProcedures(suite::ProcedureTable& table);

}  // namespace vtl::ent
