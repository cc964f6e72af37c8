#pragma once
// The 25 procedures the module exports. None takes arguments or returns a
// value: they talk through the shared globals. Each is declared in the
// procedure table when the module loads; the parts of the module that
// implement them set their entries, and until then the host shows them as
// not yet available.
#include <string>
#include <vector>

#include "platform/suite/procedures.h"

namespace vtl::vtlpo {

// In the order the module lists them.
const std::vector<std::string>& exportedProcedureNames();

void declareExportedProcedures(suite::ProcedureTable& table);

}  // namespace vtl::vtlpo
