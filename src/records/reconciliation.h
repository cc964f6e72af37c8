#pragma once
// The reconciliation rules of purchase orders and their lines, shared by
// every window and batch job that recomputes a state.
#include <optional>
#include <vector>

#include "platform/store/store.h"
#include "records/inventory.h"
#include "records/po_detail.h"
#include "records/po_master.h"

namespace vtl {

enum ReconciliationState : Byte { kUnreconciled = 0, kPartiallyReconciled = 1, kFullyReconciled = 2 };

// 0 when nothing is invoiced, 1 while less than the ordered quantity is
// invoiced, 2 once the invoiced quantity reaches it.
Byte lineReconciliation(const PODetail& line);

// An order is fully reconciled when every line is (an order without lines
// too), partially when any line has been touched, else unreconciled.
Byte orderReconciliation(const std::vector<Byte>& lineStates);

// The state an order gets when the purchase-order form saves it: an order of
// no amount is always unreconciled.
Byte orderReconciliationOnSave(const Money& poAmount, const std::vector<Byte>& lineStates);

// Writes the state into the header together with the fields that follow it:
// a fully reconciled order leaves the open-order keys (sort vendor 0, sort
// number blank) and the main browse order (RecTF 1).
void setReconciled(POMaster& po, Byte state);

// The not-yet-invoiced part of an inventory line in the item's stocking
// unit: ordered less invoiced, times the conversion factor of the line's unit
// when that unit is not the stocking unit and a conversion exists.
Quantity openInventoryQuantity(const PODetail& line, const INMaster* item, const INCnvrt* conversion);

// The same, looking the item and its conversion up in the store.
Quantity openInventoryQuantity(store::Store& store, const PODetail& line);

// Stocking units per unit of the line, as receiving moves stock: 1 when the
// line is in the stocking unit or the item has no conversion for its unit.
double stockingFactor(store::Store& store, const PODetail& line, const INMaster& item);

}  // namespace vtl
