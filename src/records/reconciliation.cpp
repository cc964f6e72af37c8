#include "records/reconciliation.h"

namespace vtl {

Byte lineReconciliation(const PODetail& line) {
    if (line.QtyInvoiced.isZero()) return kUnreconciled;
    return line.QtyInvoiced < line.QtyOrdered ? kPartiallyReconciled : kFullyReconciled;
}

Byte orderReconciliation(const std::vector<Byte>& lineStates) {
    bool all = true, any = false;
    for (Byte s : lineStates) {
        all = all && s >= kFullyReconciled;
        any = any || s != kUnreconciled;
    }
    if (all) return kFullyReconciled;
    return any ? kPartiallyReconciled : kUnreconciled;
}

Byte orderReconciliationOnSave(const Money& poAmount, const std::vector<Byte>& lineStates) {
    if (poAmount.isZero()) return kUnreconciled;
    return orderReconciliation(lineStates);
}

void setReconciled(POMaster& po, Byte state) {
    po.Reconciled = state;
    if (state == kFullyReconciled) {
        po.SortVendorID = 0;
        po.SortPONumber = "";
    } else {
        po.SortVendorID = po.VendorID;
        po.SortPONumber = po.PONumber;
    }
    po.RecTF = state == kFullyReconciled ? 1 : 0;
}

Quantity openInventoryQuantity(const PODetail& line, const INMaster* item, const INCnvrt* conversion) {
    Quantity open = line.QtyOrdered - line.QtyInvoiced;
    if (!item || !conversion || line.UnitName == item->StockUnit) return open;
    return Quantity::fromDouble(open.toDouble() * conversion->Factor);
}

Quantity openInventoryQuantity(store::Store& store, const PODetail& line) {
    INMaster item;
    item.ItemID = line.ItemID;
    if (!store::Table<INMaster>(store).fetch(INMaster::KeyItemID, item))
        return openInventoryQuantity(line, nullptr, nullptr);
    if (line.UnitName == item.StockUnit) return openInventoryQuantity(line, &item, nullptr);
    INCnvrt conv;
    conv.ItemID = line.ItemID;
    conv.UnitName = line.UnitName;
    const bool found = store::Table<INCnvrt>(store).fetch(INCnvrt::KeyItemUnit, conv);
    return openInventoryQuantity(line, &item, found ? &conv : nullptr);
}

double stockingFactor(store::Store& store, const PODetail& line, const INMaster& item) {
    if (line.UnitName.clip() == item.StockUnit.clip()) return 1.0;
    INCnvrt c;
    c.ItemID = line.ItemID;
    c.UnitName = line.UnitName;
    if (store::Table<INCnvrt>(store).fetch(INCnvrt::KeyItemUnit, c) && c.Factor != 0) return c.Factor;
    return 1.0;
}

}  // namespace vtl
