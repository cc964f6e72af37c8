#include "commands/figures.h"

#include <cstdio>
#include <functional>

#include "platform/suite/globals.h"
#include "records/database.h"
#include "vtlporec/figures.h"

namespace vtl::cli {
namespace {

// The cost-code length the suite runs with.
int costCodeLength() { return suite::Globals().CostCodeLen; }

// A progress line that rewrites itself, only where a person watches.
std::function<void(int)> progressLine(std::ostream& err, bool terminal, const char* what) {
    if (!terminal) return {};
    return [&err, what](int percent) {
        err << "\r" << what << ": " << percent << "%" << std::flush;
        if (percent >= 100) err << "\r" << std::string(40, ' ') << "\r" << std::flush;
    };
}

std::string count(std::int64_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string lockProblem(const std::string& folder, const std::string& message) {
    if (message.find("locked") != std::string::npos || message.find("busy") != std::string::npos)
        return folder + ": another program is writing to this data folder (" + message + "); nothing was done";
    return folder + ": " + message;
}

void listDifference(std::ostream& out, const rec::Difference& d) {
    using Kind = rec::Difference::Kind;
    switch (d.kind) {
        case Kind::Committed:
            out << "committed  cost code \"" << d.what << "\"  stored " << d.stored << "  expected " << d.expected
                << "  difference " << d.difference << "\n";
            break;
        case Kind::OnOrder:
            out << "on order   item \"" << d.what << "\"  stored " << d.stored << "  expected " << d.expected
                << "  difference " << d.difference << "\n";
            break;
        case Kind::LineWithoutOrder: out << "line       " << d.what << " has no purchase order\n"; break;
        case Kind::PONumberTwice:
            out << "PO number  \"" << d.what << "\" is used by " << d.stored << " purchase orders\n";
            break;
        case Kind::OrderState:
            out << "order      " << d.what << "  state " << d.stored << "  its lines say " << d.expected
                << (d.difference.empty() ? "" : "  (" + d.difference + " disagree)") << "\n";
            break;
    }
}

}  // namespace

int checkCommand(const std::string& folder, std::ostream& out, std::ostream& err, bool terminal) {
    auto db = openDataFolder(folder, false);
    bool readOnly = false;
    if (!db) {
        // A folder nobody may write to can still be read.
        db = openDataFolder(folder, true);
        readOnly = true;
    }
    if (!db) {
        err << "vtlpo: " << db.error << "\n";
        return 2;
    }
    rec::CheckResult result;
    store::Status s = rec::checkFigures(*db.store, costCodeLength(), result,
                                        progressLine(err, terminal, "Checking"), !readOnly);
    if (!s) {
        err << "vtlpo: " << lockProblem(folder, s.message) << "\n";
        return 2;
    }
    for (const auto& d : result.differences) listDifference(out, d);
    out << "Checked " << count(result.lines, "line", "lines") << ", " << count(result.costCodes, "cost code", "cost codes")
        << ", " << count(result.items, "item", "items") << " and "
        << count(result.orders, "purchase order", "purchase orders") << ": "
        << (result.clean() ? std::string("all agree")
                           : count(static_cast<std::int64_t>(result.differences.size()), "difference", "differences"))
        << "\n";
    return result.clean() ? 0 : 1;
}

int recalcCommand(const std::string& folder, bool onOrder, std::ostream& out, std::ostream& err, bool terminal) {
    auto db = openDataFolder(folder, false);
    if (!db) {
        err << "vtlpo: " << db.error << "\n";
        return 1;
    }
    rec::RebuildResult result;
    store::Status s = rec::rebuildFigures(*db.store, costCodeLength(), {onOrder}, result,
                                          progressLine(err, terminal, "Recalculating"));
    if (!s) {
        err << "vtlpo: " << lockProblem(folder, s.message) << "\n";
        return 1;
    }
    out << "Recalculated from " << count(result.lines, "line", "lines") << ": "
        << count(result.costCodesChanged, "cost code", "cost codes")
        << (onOrder ? ", " + count(result.itemsChanged, "item", "items") : std::string()) << " and "
        << count(result.ordersChanged, "purchase order", "purchase orders") << " changed\n";
    return 0;
}

}  // namespace vtl::cli
