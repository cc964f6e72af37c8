#include "records/running_figures.h"

#include <algorithm>

#include "records/reconciliation.h"

namespace vtl {

void appendCostRecordKey(std::string& out, std::string_view jobId, std::string_view costCode, int costCodeLen) {
    const std::size_t n = static_cast<std::size_t>(std::clamp(costCodeLen, 0, 10));
    auto padded = [&out](std::string_view s, std::size_t width) {
        const std::size_t used = std::min(s.size(), width);
        out.append(s.substr(0, used));
        out.append(width - used, ' ');
    };
    const std::string_view code = costCode.substr(0, std::min(costCode.size(), n));
    const std::string_view type = costCode.size() > n ? costCode.substr(n, 4) : std::string_view();
    padded(jobId, 10);
    padded(code, 10);
    padded(type, 4);
}

std::string costRecordKey(std::string_view jobId, std::string_view costCode, int costCodeLen) {
    std::string key;
    key.reserve(24);
    appendCostRecordKey(key, jobId, costCode, costCodeLen);
    return key;
}

Money jobOpenAmount(const PODetail& line) {
    return Money::fromDouble(line.TotalAmount.toDouble() - line.QtyInvoiced.toDouble() * line.UnitPrice);
}

Money lineOpenAmount(const PODetail& line) { return line.TotalAmount - line.AmountInvoiced; }

bool countsAsOpen(const PODetail& line) { return line.TextFlag != 1 && line.Reconciliation != kFullyReconciled; }

Money committedShare(const PODetail& line) {
    if (line.DetailType != "Job" || !countsAsOpen(line)) return Money();
    // Everything ordered has been invoiced: nothing is left to commit.
    if (line.QtyOrdered == line.QtyInvoiced) return Money();
    return jobOpenAmount(line);
}

Quantity receivedNotInvoiced(const PODetail& line) { return line.QtyRcvdNotInvoiced + line.QtyThisPackSlip; }

Quantity onOrderShare(const PODetail& line) {
    if (line.DetailType != "Inventory" || !countsAsOpen(line)) return Quantity();
    const Quantity received = receivedNotInvoiced(line);
    if (received.isZero()) return line.INVQuantity;
    const Quantity open = line.QtyOrdered - line.QtyInvoiced;
    const Quantity left = open - received;
    // Everything still open has arrived (or more than that).
    if (open.isZero() || left.isZero() || (left < Quantity()) != (open < Quantity())) return Quantity();
    using decimal_detail::Wide;
    return Quantity::fromRaw(static_cast<std::int64_t>(
        decimal_detail::divRound(static_cast<Wide>(line.INVQuantity.raw()) * left.raw(), open.raw())));
}

void FigureChanges::add(const PODetail& line, int sign) {
    try {
        if (line.DetailType == "Job") {
            const Money share = committedShare(line);
            if (!share.isZero())
                addCommitted(costRecordKey(line.JobID.str(), line.CostCode.str(), costCodeLen_),
                             sign < 0 ? -share : share);
        } else if (line.DetailType == "Inventory") {
            const Quantity share = onOrderShare(line);
            if (!share.isZero()) addOnOrder(line.ItemID.clip(), sign < 0 ? -share : share);
        }
    } catch (const DecimalOverflow& e) {
        // A line's own share beyond its figure's digits (its open amount).
        if (overflow_.empty()) {
            overflow_ = e.what();
            overflowFile_ = line.DetailType == "Job" ? "JCCost" : "INMaster";
        }
    }
}

void FigureChanges::addCommitted(const std::string& costRecordId, const Money& delta) {
    try {
        committed_[costRecordId] += delta;
    } catch (const DecimalOverflow& e) {
        if (overflow_.empty()) {
            overflow_ = e.what();
            overflowFile_ = "JCCost";
        }
    }
}

void FigureChanges::addOnOrder(const std::string& itemId, const Quantity& delta) {
    try {
        onOrder_[itemId] += delta;
    } catch (const DecimalOverflow& e) {
        if (overflow_.empty()) {
            overflow_ = e.what();
            overflowFile_ = "INMaster";
        }
    }
}

bool FigureChanges::empty() const {
    return std::all_of(committed_.begin(), committed_.end(), [](const auto& e) { return e.second.isZero(); }) &&
           std::all_of(onOrder_.begin(), onOrder_.end(), [](const auto& e) { return e.second.isZero(); });
}

Money FigureChanges::committedOf(const std::string& costRecordId) const {
    auto it = committed_.find(costRecordId);
    return it == committed_.end() ? Money() : it->second;
}

Quantity FigureChanges::onOrderOf(const std::string& itemId) const {
    auto it = onOrder_.find(itemId);
    return it == onOrder_.end() ? Quantity() : it->second;
}

store::Status FigureChanges::apply(store::Store& store, std::string_view committedWords,
                                   std::string_view onOrderWords) const {
    // "value does not fit DECIMAL(15,2) Saving JCCost", as a refused write reads.
    auto tooLarge = [](const std::string& what, std::string_view words) {
        return store::Status::failure(what + std::string(words));
    };
    if (!overflow_.empty()) return tooLarge(overflow_, overflowFile_ == "JCCost" ? committedWords : onOrderWords);
    store::Table<JCCost> costs(store);
    for (const auto& [key, delta] : committed_) {
        if (delta.isZero()) continue;
        JCCost c;
        c.RecordID = key;
        if (!costs.fetch(JCCost::KeyRecordID, c)) continue;  // no such cost code: passed over
        try {
            c.Committed += delta;
        } catch (const DecimalOverflow& e) {
            return tooLarge(e.what(), committedWords);
        }
        if (store::Status s = costs.update(c); !s) return store::Status::failure(store::reworded(s, committedWords));
    }
    store::Table<INMaster> items(store);
    for (const auto& [item, delta] : onOrder_) {
        if (delta.isZero()) continue;
        INMaster m;
        m.ItemID = item;
        if (!items.fetch(INMaster::KeyItemID, m)) continue;
        try {
            m.OnOrder += delta;
        } catch (const DecimalOverflow& e) {
            return tooLarge(e.what(), onOrderWords);
        }
        if (store::Status s = items.update(m); !s) return store::Status::failure(store::reworded(s, onOrderWords));
    }
    return store::Status::success();
}

}  // namespace vtl
