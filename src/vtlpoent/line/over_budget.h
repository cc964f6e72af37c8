#pragma once
// OverBudgetWarning: a job line that would take its cost code's committed
// amount past the code's budget is saved only when the person agrees.
#include <optional>
#include <string>

#include "platform/suite/session.h"
#include "records/records.h"

namespace vtl::ent {

inline constexpr const char* kOverBudgetTitle = "Over Budget Warning";

// What the cost code would commit with this line. `alreadyCounted` is the
// part of the committed amount that stands for this very line (its stored
// open amount on the same cost code), so changing a line is not counted twice.
struct BudgetCheck {
    std::string costRecordID;
    Money budget;
    Money committedAfter;  // committed - alreadyCounted + the line's open amount
    bool over() const { return committedAfter > budget; }
};

// Nothing for a line that is not an ordinary job line, whose cost record is
// missing, or whose cost code has no budget (0).
std::optional<BudgetCheck> checkBudget(Session& s, const PODetail& line, const Money& alreadyCounted);

// True when the line may be saved: within budget, or the person said Yes.
bool overBudgetWarning(Session& s, const PODetail& line, const Money& alreadyCounted = Money());

}  // namespace vtl::ent
