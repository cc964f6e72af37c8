#include "platform/suite/procedures.h"

namespace vtl::suite {

void ProcedureTable::declare(const std::string& name) { table_.try_emplace(name); }

void ProcedureTable::set(const std::string& name, Procedure p) { table_[name] = std::move(p); }

bool ProcedureTable::has(const std::string& name) const { return table_.count(name) != 0; }

bool ProcedureTable::available(const std::string& name) const {
    auto it = table_.find(name);
    return it != table_.end() && static_cast<bool>(it->second);
}

bool ProcedureTable::call(const std::string& name, Session& session) const {
    auto it = table_.find(name);
    if (it == table_.end() || !it->second) return false;
    // A copy, so a procedure may replace its own entry while it runs.
    Procedure p = it->second;
    p(session);
    return true;
}

std::vector<std::string> ProcedureTable::names() const {
    std::vector<std::string> v;
    for (const auto& [name, p] : table_) v.push_back(name);
    return v;
}

}  // namespace vtl::suite
