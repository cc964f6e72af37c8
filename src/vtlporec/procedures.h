#pragma once
// The reconciliation and committed-cost procedures, registered by name.
#include "platform/suite/procedures.h"

namespace vtl::rec {

void registerRecProcedures(suite::ProcedureTable& table);

}  // namespace vtl::rec
