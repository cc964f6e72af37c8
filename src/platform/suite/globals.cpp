#include "platform/suite/globals.h"

#include <algorithm>

namespace vtl::suite {

bool TagQueue::contains(ULong id) const {
    std::lock_guard lock(m_);
    return index_.count(id) != 0;
}

bool TagQueue::add(ULong id) {
    std::lock_guard lock(m_);
    if (!index_.insert(id).second) return false;
    ids_.push_back(id);
    return true;
}

void TagQueue::addAll(const std::vector<ULong>& ids) {
    std::lock_guard lock(m_);
    for (ULong id : ids)
        if (index_.insert(id).second) ids_.push_back(id);
}

bool TagQueue::remove(ULong id) {
    std::lock_guard lock(m_);
    if (index_.erase(id) == 0) return false;
    ids_.erase(std::find(ids_.begin(), ids_.end(), id));
    return true;
}

bool TagQueue::toggle(ULong id) {
    std::lock_guard lock(m_);
    if (index_.erase(id) != 0) {
        ids_.erase(std::find(ids_.begin(), ids_.end(), id));
        return false;
    }
    index_.insert(id);
    ids_.push_back(id);
    return true;
}

void TagQueue::clear() {
    std::lock_guard lock(m_);
    ids_.clear();
    index_.clear();
}

std::size_t TagQueue::size() const {
    std::lock_guard lock(m_);
    return ids_.size();
}

std::vector<ULong> TagQueue::snapshot() const {
    std::lock_guard lock(m_);
    return ids_;
}

}  // namespace vtl::suite
