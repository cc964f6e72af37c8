#pragma once
// The import and export procedures, registered by name.
#include "platform/suite/procedures.h"

namespace vtl::imp {

void registerImportProcedures(suite::ProcedureTable& table);

}  // namespace vtl::imp
