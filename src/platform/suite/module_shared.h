#pragma once
// Values that the windows of one loaded module share beyond the plain
// ModuleState (what a line form leaves for the purchase-order form, the
// print options ...), one of each kind per module state. Every window runs
// on the host's one interface thread, so a plain map serves.
#include <map>

#include "platform/suite/session.h"

namespace vtl::suite {

template <class T>
std::map<const ModuleState*, T>& moduleSharedMap() {
    static std::map<const ModuleState*, T> values;
    return values;
}

template <class T>
T& moduleShared(const ModuleState& module) {
    return moduleSharedMap<T>()[&module];
}

// Forgets them (the module unloads, or a test starts afresh).
template <class T>
void clearModuleShared(const ModuleState& module) {
    moduleSharedMap<T>().erase(&module);
}

}  // namespace vtl::suite
