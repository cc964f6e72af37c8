#pragma once
// The table of procedures by name. The module's exported procedures and the
// sibling modules' look-ups and services are all called through it, so a
// test can put a scripted procedure in the place of any of them, and the
// host can tell which ones exist yet.
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vtl {
class Session;
}

namespace vtl::suite {

using Procedure = std::function<void(Session&)>;

class ProcedureTable {
public:
    // Declares a name without an implementation (listed, not yet available).
    void declare(const std::string& name);
    // Sets (or replaces) the implementation of a name.
    void set(const std::string& name, Procedure p);
    // Takes an implementation away again; the name stays declared.
    void unset(const std::string& name) { table_[name] = nullptr; }
    bool has(const std::string& name) const;        // declared or set
    bool available(const std::string& name) const;  // has an implementation
    // Runs a procedure; false when the name has no implementation.
    bool call(const std::string& name, Session& session) const;
    std::vector<std::string> names() const;

private:
    std::map<std::string, Procedure> table_;
};

}  // namespace vtl::suite
