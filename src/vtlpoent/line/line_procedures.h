#pragma once
// The line form and its helpers by name:
//   UpdatePODetail         the line form (see update_po_detail.h for the hand-over)
//   OverBudgetWarning      DecimalVariable: a stored line's DetailID; Completed
//                          when it may be saved (within budget, or Yes)
//   BrowsePriorityQ        DecimalVariable: a stored line's DetailID; on
//                          Completed DecimalVariable holds the chosen vendor
//                          and LookupKey its item-vendor record number
//   ToggleEasyAutoEntryPO  switches the auto-entry store and says which;
//                          Cancelled when no store was handed in
#include "platform/suite/auto_entry.h"
#include "platform/suite/procedures.h"

namespace vtl::ent {

// `autoEntry` is the module's store (Module::autoEntry()); it must outlive the table.
void registerLineProcedures(suite::ProcedureTable& table, suite::AutoEntryStore* autoEntry = nullptr);

}  // namespace vtl::ent
