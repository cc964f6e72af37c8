#include "vtlpoent/form/form_shared.h"

#include <algorithm>
#include <map>

#include "platform/suite/text_util.h"

namespace vtl::ent {
namespace {

// One interface thread runs every window, as for the rest of the module state.
std::map<const ModuleState*, VendorNameList>& lists() {
    static std::map<const ModuleState*, VendorNameList> m;
    return m;
}

}  // namespace

void VendorNameList::note(ULong vendorId, const std::string& name) {
    std::erase_if(entries_, [vendorId](const Entry& e) { return e.first == vendorId; });
    const Entry added{vendorId, name};
    auto before = [](const Entry& a, const Entry& b) {
        const std::string la = suite::lowered(a.second), lb = suite::lowered(b.second);
        return la != lb ? la < lb : a.first < b.first;
    };
    entries_.insert(std::upper_bound(entries_.begin(), entries_.end(), added, before), added);
}

VendorNameList& chosenVendorNames(const ModuleState& module) { return lists()[&module]; }

void clearChosenVendorNames(const ModuleState& module) { lists().erase(&module); }

}  // namespace vtl::ent
