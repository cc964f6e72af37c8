#pragma once
// What every purchase-order form of one loaded module shares: the names of
// the vendors chosen on it, offered again in the vendor-name drop list.
#include <string>
#include <utility>
#include <vector>

#include "platform/suite/session.h"

namespace vtl::ent {

class VendorNameList {
public:
    using Entry = std::pair<ULong, std::string>;  // vendor number, name

    // Adds the vendor, or renames it when it is there; the list stays in
    // name order (equal names by number).
    void note(ULong vendorId, const std::string& name);
    const std::vector<Entry>& entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
};

VendorNameList& chosenVendorNames(const ModuleState& module);
void clearChosenVendorNames(const ModuleState& module);

}  // namespace vtl::ent
