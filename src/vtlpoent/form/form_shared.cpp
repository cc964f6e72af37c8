#include "vtlpoent/form/form_shared.h"

#include <algorithm>

#include "platform/suite/module_shared.h"
#include "platform/suite/text_util.h"

namespace vtl::ent {

void VendorNameList::note(ULong vendorId, const std::string& name) {
    std::erase_if(entries_, [vendorId](const Entry& e) { return e.first == vendorId; });
    const Entry added{vendorId, name};
    auto before = [](const Entry& a, const Entry& b) {
        const std::string la = suite::lowered(a.second), lb = suite::lowered(b.second);
        return la != lb ? la < lb : a.first < b.first;
    };
    entries_.insert(std::upper_bound(entries_.begin(), entries_.end(), added, before), added);
}

VendorNameList& chosenVendorNames(const ModuleState& module) { return suite::moduleShared<VendorNameList>(module); }

void clearChosenVendorNames(const ModuleState& module) { suite::clearModuleShared<VendorNameList>(module); }

}  // namespace vtl::ent
