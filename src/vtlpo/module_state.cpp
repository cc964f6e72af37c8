#include "vtlpo/module_state.h"

namespace vtl::vtlpo {

void ModuleState::clear() {
    std::lock_guard lock(m_);
    viewOnly_ = false;
    chosen_ = ChosenOrder{};
    repetitiveInsert_ = 0;
}

bool ModuleState::viewOnly() const {
    std::lock_guard lock(m_);
    return viewOnly_;
}

void ModuleState::setViewOnly(bool on) {
    std::lock_guard lock(m_);
    viewOnly_ = on;
}

ChosenOrder ModuleState::chosenOrder() const {
    std::lock_guard lock(m_);
    return chosen_;
}

void ModuleState::setChosenOrder(const ChosenOrder& order) {
    std::lock_guard lock(m_);
    chosen_ = order;
}

Byte ModuleState::repetitiveInsert() const {
    std::lock_guard lock(m_);
    return repetitiveInsert_;
}

void ModuleState::setRepetitiveInsert(Byte value) {
    std::lock_guard lock(m_);
    repetitiveInsert_ = value;
}

}  // namespace vtl::vtlpo
