#pragma once
// The checks of a line's charge fields against the sibling files. Each
// answers the message to show, or "" when the value is acceptable; a blank
// value passes the field check and is refused only by lineError(), which
// asks for what the line's type requires.
#include <string>
#include <utility>

#include "platform/store/store.h"
#include "records/records.h"

namespace vtl::ent {

inline constexpr const char* kJobFirst = "Enter the job before its cost code.";
inline constexpr const char* kEquipmentFirst = "Enter the equipment before its cost category.";
inline constexpr const char* kLocationFirst = "Enter the location before its bin.";
inline constexpr const char* kItemFirst = "Enter the inventory item of the line first.";
inline constexpr const char* kViewOnlyTitle = "View Only";
inline constexpr const char* kViewOnlyText = "This purchase order is open for viewing only.|The line cannot be saved.";

bool isDetailType(const std::string& type);
std::string detailTypeMessage();

// The cost code proper cut or padded to `costCodeLen`, then the 4-character
// cost type; and back.
std::string joinCostCode(const std::string& code, const std::string& type, int costCodeLen);
std::pair<std::string, std::string> splitCostCode(const std::string& costCode, int costCodeLen);

std::string jobError(store::Store& store, const std::string& jobID);
std::string costCodeError(store::Store& store, const std::string& jobID, const std::string& costCode,
                          int costCodeLen);
std::string accountError(store::Store& store, const std::string& account);
std::string equipmentError(store::Store& store, const std::string& equipmentID);
std::string costCategoryError(store::Store& store, const std::string& equipmentID, const std::string& category);
std::string itemError(store::Store& store, const std::string& itemID);
// The item's stocking unit, or a unit it has a conversion for.
std::string unitError(store::Store& store, const std::string& itemID, const std::string& unit);
// The conversion record's number of a unit other than the stocking unit, else 0.
ULong conversionOf(store::Store& store, const std::string& itemID, const std::string& unit);
std::string locationError(store::Store& store, const std::string& location);
std::string binError(store::Store& store, const std::string& location, const std::string& bin);

// The figures a line carries from its quantity, price and unit: the unit's
// conversion and the not-invoiced quantity in stocking units of an
// inventory line, the open amount of a job line.
void refreshLineQuantities(store::Store& store, PODetail& line);

// Everything an ordinary line of its type needs, checked in entry order.
std::string lineError(store::Store& store, const PODetail& line, int costCodeLen);

}  // namespace vtl::ent
