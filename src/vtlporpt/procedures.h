#pragma once
// The printing procedures, registered by name.
#include "platform/suite/procedures.h"

namespace vtl::rpt {

void registerReportProcedures(suite::ProcedureTable& table);

}  // namespace vtl::rpt
