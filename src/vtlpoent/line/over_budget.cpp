#include "vtlpoent/line/over_budget.h"

#include <algorithm>

#include "platform/picture/picture.h"
#include "vtlpoent/line/line_checks.h"
#include "vtlpoent/posting.h"

namespace vtl::ent {
namespace {

std::string amount(const Money& m) {
    std::string t = pic::format(m, "@n-14.2");
    t.erase(0, t.find_first_not_of(' '));
    return t;
}

}  // namespace

std::optional<BudgetCheck> checkBudget(Session& s, const PODetail& line, const Money& alreadyCounted) {
    if (line.TextFlag == 1 || line.DetailType != "Job") return std::nullopt;
    JCCost cost;
    cost.RecordID = costRecordKey(line.JobID.str(), line.CostCode.str(), s.globals.CostCodeLen);
    if (!store::Table<JCCost>(s.store).fetch(JCCost::KeyRecordID, cost)) return std::nullopt;
    if (cost.Budget.isZero()) return std::nullopt;  // a code without a budget is never over it
    BudgetCheck c;
    c.costRecordID = cost.RecordID.str();
    c.budget = cost.Budget;
    c.committedAfter = cost.Committed - alreadyCounted + jobOpenAmount(line);
    return c;
}

bool overBudgetWarning(Session& s, const PODetail& line, const Money& alreadyCounted) {
    auto c = checkBudget(s, line, alreadyCounted);
    if (!c || !c->over()) return true;
    auto [code, type] = splitCostCode(line.CostCode.str(), s.globals.CostCodeLen);
    const std::string shown = type.empty() ? code : code + " " + type;
    const std::string text = "This line takes cost code " + shown + " of job " + line.JobID.clip() +
                             " over its budget.|Budget: " + amount(c->budget) +
                             "|Committed with this line: " + amount(c->committedAfter) +
                             "||Do you want to save the line anyway?";
    return s.ui.ask(text, kOverBudgetTitle, "&Yes|&No", ui::Icon::Warning, 2) == 1;
}

}  // namespace vtl::ent
