#pragma once
// UpdateLimList: the values chosen for a "List" selection of a report-limit
// set: purchase orders and vendors kept by number, jobs and cost codes by
// text. One LimList row per value, owned by the limit file and set.
#include <optional>
#include <string>
#include <vector>

#include "platform/suite/session.h"
#include "records/shared_services.h"
#include "siblings/services/common.h"

namespace vtl::services {

enum class LimListType { PONumber, VendorID, JobID, CostCode };

// "PONumber", "VendorID", "JobID", "CostCode" as stored in LIM:ListType.
std::string limListTypeName(LimListType type);
std::optional<LimListType> limListTypeOf(const std::string& name);

struct LimListArgs {
    std::string owner;   // "POLimits"
    ULong limitId = 0;   // the limit set
    std::string listType;
    bool changed = false;
};

class UpdateLimList {
public:
    UpdateLimList(Session& session, std::string owner, ULong limitId, LimListType type);

    Session& session() { return session_; }
    LimListType type() const { return type_; }
    std::string title() const;
    std::vector<ui::LookupColumn> columns() const;
    Rows rows() const;
    int rowCount() const { return static_cast<int>(entries_.size()); }
    const LimList& entry(int row) const { return entries_.at(static_cast<std::size_t>(row)); }
    int highlight() const { return highlight_; }
    void setHighlight(int row);

    // Adds the value the person typed: a PO number, a vendor number, a job
    // or a cost code, which must be on file. A value already listed is
    // highlighted instead.
    bool add(const std::string& typed);
    // Offers the values on file in the look-up of their file and adds the one picked.
    bool pick();
    // Asks the delete question first.
    bool remove(int row);
    bool changed() const { return changed_; }

private:
    struct Value {
        std::string text;
        ULong number = 0;
    };
    void load();
    // The stored value of a typed or picked one; nullopt when not on file.
    std::optional<Value> resolve(const std::string& typed) const;
    bool addValue(const Value& v);
    std::vector<std::string> describe(const LimList& e) const;
    int find(const Value& v) const;
    std::optional<std::string> choosePurchaseOrder();

    Session& session_;
    std::string owner_;
    ULong limitId_;
    LimListType type_;
    std::vector<LimList> entries_;
    int highlight_ = -1;
    bool changed_ = false;
};

// Shows the list editor of one list of a limit set; true when it changed.
bool updateLimList(Session& session, const std::string& owner, ULong limitId, LimListType type);
void runUpdateLimList(Session& session, LimListArgs& args);

}  // namespace vtl::services
