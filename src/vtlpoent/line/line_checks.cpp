#include "vtlpoent/line/line_checks.h"

#include <algorithm>

#include "records/reconciliation.h"
#include "records/running_figures.h"

namespace vtl::ent {
namespace {

bool blank(const std::string& s) { return Text<1000>(s).blank(); }
std::string clip(const std::string& s) { return Text<1000>(s).clip(); }
std::size_t codeLen(int costCodeLen) { return static_cast<std::size_t>(std::clamp(costCodeLen, 0, 10)); }

template <class R>
bool exists(store::Store& store, int key, R rec) {
    return store::Table<R>(store).fetch(key, rec);
}

std::string shownCostCode(const std::string& costCode, int costCodeLen) {
    auto [code, type] = splitCostCode(costCode, costCodeLen);
    return type.empty() ? code : code + " " + type;
}

}  // namespace

bool isDetailType(const std::string& type) {
    return type == "Job" || type == "G/L Account" || type == "Equipment" || type == "Inventory";
}

std::string detailTypeMessage() {
    return "Choose what the line is charged to: Job, G/L Account, Equipment or Inventory.";
}

std::string joinCostCode(const std::string& code, const std::string& type, int costCodeLen) {
    std::string c = code;
    c.resize(codeLen(costCodeLen), ' ');
    std::string t = type;
    t.resize(4, ' ');
    return c + t;
}

std::pair<std::string, std::string> splitCostCode(const std::string& costCode, int costCodeLen) {
    const std::size_t n = codeLen(costCodeLen);
    const std::string code = costCode.substr(0, std::min(n, costCode.size()));
    const std::string type = costCode.size() > n ? costCode.substr(n, 4) : std::string();
    return {clip(code), clip(type)};
}

std::string jobError(store::Store& store, const std::string& jobID) {
    if (blank(jobID)) return "";
    JCHeader j;
    j.JobID = jobID;
    return exists(store, JCHeader::KeyJobID, j) ? "" : "Job " + clip(jobID) + " was not found.";
}

std::string costCodeError(store::Store& store, const std::string& jobID, const std::string& costCode,
                          int costCodeLen) {
    if (blank(costCode)) return "";
    if (blank(jobID)) return kJobFirst;
    JCCost c;
    c.RecordID = costRecordKey(jobID, costCode, costCodeLen);
    if (exists(store, JCCost::KeyRecordID, c)) return "";
    return "Cost code " + shownCostCode(costCode, costCodeLen) + " was not found on job " + clip(jobID) + ".";
}

std::string accountError(store::Store& store, const std::string& account) {
    if (blank(account)) return "";
    GLMaster g;
    g.Account = account;
    return exists(store, GLMaster::KeyAccount, g) ? "" : "G/L account " + clip(account) + " was not found.";
}

std::string equipmentError(store::Store& store, const std::string& equipmentID) {
    if (blank(equipmentID)) return "";
    EQHeader e;
    e.EquipmentID = equipmentID;
    return exists(store, EQHeader::KeyEquipmentID, e) ? "" : "Equipment " + clip(equipmentID) + " was not found.";
}

std::string costCategoryError(store::Store& store, const std::string& equipmentID, const std::string& category) {
    if (blank(category)) return "";
    if (blank(equipmentID)) return kEquipmentFirst;
    EQCost c;
    c.EquipmentID = equipmentID;
    c.CostCategory = category;
    if (exists(store, EQCost::KeyEquipCategory, c)) return "";
    return "Cost category " + clip(category) + " was not found on equipment " + clip(equipmentID) + ".";
}

std::string itemError(store::Store& store, const std::string& itemID) {
    if (blank(itemID)) return "";
    INMaster i;
    i.ItemID = itemID;
    return exists(store, INMaster::KeyItemID, i) ? "" : "Item " + clip(itemID) + " was not found in inventory.";
}

ULong conversionOf(store::Store& store, const std::string& itemID, const std::string& unit) {
    INCnvrt c;
    c.ItemID = itemID;
    c.UnitName = unit;
    return store::Table<INCnvrt>(store).fetch(INCnvrt::KeyItemUnit, c) ? c.ConversionID : 0;
}

std::string unitError(store::Store& store, const std::string& itemID, const std::string& unit) {
    if (blank(unit) || blank(itemID)) return "";
    INMaster i;
    i.ItemID = itemID;
    if (!store::Table<INMaster>(store).fetch(INMaster::KeyItemID, i)) return "";
    if (i.StockUnit == unit || conversionOf(store, itemID, unit) != 0) return "";
    return "Item " + clip(itemID) + " has no conversion from " + clip(unit) + " to its stocking unit " +
           i.StockUnit.clip() + ".";
}

std::string locationError(store::Store& store, const std::string& location) {
    if (blank(location)) return "";
    INLoc l;
    l.LocationID = location;
    return exists(store, INLoc::KeyLocationID, l) ? "" : "Location " + clip(location) + " was not found.";
}

std::string binError(store::Store& store, const std::string& location, const std::string& bin) {
    if (blank(bin)) return "";
    if (blank(location)) return kLocationFirst;
    INBin b;
    b.LocationID = location;
    b.BinID = bin;
    if (exists(store, INBin::KeyLocationBin, b)) return "";
    return "Bin " + clip(bin) + " was not found in location " + clip(location) + ".";
}

std::string lineError(store::Store& store, const PODetail& line, int costCodeLen) {
    const std::string type = line.DetailType.clip();
    std::string e;
    if (type == "Job") {
        if (line.JobID.blank()) return "Enter the job this line is charged to.";
        if (!(e = jobError(store, line.JobID.str())).empty()) return e;
        if (splitCostCode(line.CostCode.str(), costCodeLen).first.empty()) return "Enter the cost code of the line.";
        return costCodeError(store, line.JobID.str(), line.CostCode.str(), costCodeLen);
    }
    if (type == "G/L Account") {
        if (line.Account.blank()) return "Enter the G/L account this line is charged to.";
        return accountError(store, line.Account.str());
    }
    if (type == "Equipment") {
        if (line.EquipmentID.blank()) return "Enter the equipment this line is charged to.";
        if (!(e = equipmentError(store, line.EquipmentID.str())).empty()) return e;
        if (line.CostCategory.blank()) return "Enter the cost category of the equipment.";
        return costCategoryError(store, line.EquipmentID.str(), line.CostCategory.str());
    }
    if (type == "Inventory") {
        if (line.ItemID.blank()) return "Enter the inventory item of the line.";
        if (!(e = itemError(store, line.ItemID.str())).empty()) return e;
        if (!(e = unitError(store, line.ItemID.str(), line.UnitName.str())).empty()) return e;
        if (!(e = locationError(store, line.LocationID.str())).empty()) return e;
        return binError(store, line.LocationID.str(), line.BinID.str());
    }
    return detailTypeMessage();
}

void refreshLineQuantities(store::Store& store, PODetail& line) {
    const bool ordinary = line.TextFlag != 1;
    if (ordinary && line.DetailType == "Inventory") {
        if (!line.ItemID.blank()) line.ConversionID = conversionOf(store, line.ItemID.str(), line.UnitName.str());
        line.INVQuantity = openInventoryQuantity(store, line);
    } else {
        line.INVQuantity = Quantity();
    }
    line.CommittedPrice = ordinary && line.DetailType == "Job" ? jobOpenAmount(line) : Money();
}

}  // namespace vtl::ent
