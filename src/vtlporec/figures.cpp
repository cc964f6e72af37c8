#include "vtlporec/figures.h"

#include <algorithm>
#include <map>
#include <optional>
#include <unordered_set>

#include "records/reconciliation.h"
#include "records/records.h"
#include "records/running_figures.h"

namespace vtl::rec {
namespace {

// The fields of a line the rules read, in this order.
const std::vector<std::string> kLineFields = {
    "POID",        "DetailID",    "DetailType",         "TextFlag",        "Reconciliation", "JobID",
    "CostCode",    "ItemID",      "QtyOrdered",         "QtyInvoiced",     "QtyRcvdNotInvoiced",
    "QtyThisPackSlip", "TotalAmount", "UnitPrice",      "INVQuantity",     "AmountInvoiced"};

void fillLine(PODetail& d, const std::vector<store::Value>& v) {
    d.POID = static_cast<ULong>(v[0].i);
    d.DetailID = static_cast<ULong>(v[1].i);
    d.DetailType = v[2].s;
    d.TextFlag = static_cast<Byte>(v[3].i);
    d.Reconciliation = static_cast<Byte>(v[4].i);
    d.JobID = v[5].s;
    d.CostCode = v[6].s;
    d.ItemID = v[7].s;
    d.QtyOrdered = Quantity::fromRaw(v[8].i);
    d.QtyInvoiced = Quantity::fromRaw(v[9].i);
    d.QtyRcvdNotInvoiced = Quantity::fromRaw(v[10].i);
    d.QtyThisPackSlip = Quantity::fromRaw(v[11].i);
    d.TotalAmount = Money::fromRaw(v[12].i);
    d.UnitPrice = v[13].type == store::Value::Type::Int ? static_cast<double>(v[13].i) : v[13].r;
    d.INVQuantity = Quantity::fromRaw(v[14].i);
    d.AmountInvoiced = Money::fromRaw(v[15].i);
}

class Percent {
public:
    Percent(const Progress& progress, std::int64_t total) : progress_(progress), total_(std::max<std::int64_t>(total, 1)) {
        if (progress_) progress_(0);
    }
    void step(std::int64_t n = 1) {
        done_ += n;
        const int p = static_cast<int>(std::min<std::int64_t>(done_ * 100 / total_, 100));
        if (p != shown_ && progress_) progress_(p);
        shown_ = p;
    }

private:
    const Progress& progress_;
    std::int64_t total_, done_ = 0;
    int shown_ = 0;
};

// Keys as the store keeps them: without trailing blanks.
std::string clipped(std::string s) {
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

std::string plain(const std::string& decimal) {
    std::string s = decimal;
    if (s.find('.') != std::string::npos) {
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.') s.pop_back();
    }
    return s;
}

// The figures as stored: cost code or item -> value.
template <class D>
bool readStored(store::Store& store, const store::RecordInfo& info, const char* keyField, const char* valueField,
                std::map<std::string, D>& out, std::string& error) {
    return store.project(info, -1, {}, {keyField, valueField},
                         [&](const std::vector<store::Value>& v) { out[v[0].s] = D::fromRaw(v[1].i); }, error);
}

bool readExpectedIn(store::Store& store, int costCodeLen, ExpectedFigures& out, std::string& error,
                    Percent* percent) {
    std::unordered_set<ULong> orders;
    if (!store.project(POMaster::info(), -1, {}, {"POID"},
                       [&](const std::vector<store::Value>& v) { orders.insert(static_cast<ULong>(v[0].i)); }, error))
        return false;
    PODetail d;
    return store.project(PODetail::info(), -1, {}, kLineFields, [&](const std::vector<store::Value>& v) {
        fillLine(d, v);
        ++out.lines;
        if (percent) percent->step();
        if (!orders.count(d.POID)) {
            // A line without its order counts for nothing: no window shows it.
            out.linesWithoutOrder.push_back(d.DetailID);
            return;
        }
        auto& inv = out.invoiced[d.POID];
        inv.first += d.QtyInvoiced;
        inv.second += d.AmountInvoiced;
        out.lineStates[d.POID].push_back(d.Reconciliation);
        if (d.DetailType == "Job") {
            const Money share = committedShare(d);
            if (!share.isZero()) out.committed[clipped(costRecordKey(d.JobID.str(), d.CostCode.str(), costCodeLen))] += share;
        } else if (d.DetailType == "Inventory") {
            const Quantity share = onOrderShare(d);
            if (!share.isZero()) out.onOrder[d.ItemID.clip()] += share;
        }
    }, error);
}

}  // namespace

bool readExpectedFigures(store::Store& store, int costCodeLen, ExpectedFigures& out, std::string& error,
                         const Progress& progress) {
    Percent percent(progress, store::Table<PODetail>(store).count());
    return readExpectedIn(store, costCodeLen, out, error, &percent);
}

store::Status rebuildFigures(store::Store& store, int costCodeLen, const RebuildOptions& options,
                             RebuildResult& result, const Progress& progress) {
    result = RebuildResult();
    store::Transaction tx(store);
    if (!tx.status()) return tx.status();
    store::Table<JCCost> costs(store);
    store::Table<INMaster> items(store);
    store::Table<POMaster> orders(store);
    Percent percent(progress, store::Table<PODetail>(store).count() + costs.count() + orders.count() +
                                  (options.onOrder ? items.count() : 0));
    ExpectedFigures expected;
    std::string error;
    if (!readExpectedIn(store, costCodeLen, expected, error, &percent)) return store::Status::failure(error);
    result.lines = expected.lines;

    std::map<std::string, Money> committed;
    if (!readStored(store, JCCost::info(), "RecordID", "Committed", committed, error))
        return store::Status::failure(error);
    for (const auto& [key, stored] : committed) {
        percent.step();
        auto it = expected.committed.find(key);
        const Money want = it == expected.committed.end() ? Money() : it->second;
        if (want == stored) continue;
        JCCost c;
        c.RecordID = key;
        if (!costs.fetch(JCCost::KeyRecordID, c)) continue;
        c.Committed = want;
        if (store::Status s = costs.update(c); !s) return store::Status::failure(store::reworded(s, " Saving JCCost Record"));
        ++result.costCodesChanged;
    }
    if (options.onOrder) {
        std::map<std::string, Quantity> onOrder;
        if (!readStored(store, INMaster::info(), "ItemID", "OnOrder", onOrder, error))
            return store::Status::failure(error);
        for (const auto& [item, stored] : onOrder) {
            percent.step();
            auto it = expected.onOrder.find(item);
            const Quantity want = it == expected.onOrder.end() ? Quantity() : it->second;
            if (want == stored) continue;
            INMaster m;
            m.ItemID = item;
            if (!items.fetch(INMaster::KeyItemID, m)) continue;
            m.OnOrder = want;
            if (store::Status s = items.update(m); !s) return store::Status::failure(store::reworded(s, " Saving INMaster"));
            ++result.itemsChanged;
        }
    }
    // Each order's reconciled quantity and amount from all its lines, fully
    // reconciled ones and lines of every type included.
    std::vector<ULong> changed;
    if (!store.project(POMaster::info(), -1, {}, {"POID", "QuantityReconciled", "AmountReconciled"},
                       [&](const std::vector<store::Value>& v) {
                           percent.step();
                           const ULong poid = static_cast<ULong>(v[0].i);
                           auto it = expected.invoiced.find(poid);
                           const Money qty = it == expected.invoiced.end() ? Money() : Money::from(it->second.first);
                           const Money amount = it == expected.invoiced.end() ? Money() : it->second.second;
                           if (Money::fromRaw(v[1].i) != qty || Money::fromRaw(v[2].i) != amount)
                               changed.push_back(poid);
                       },
                       error))
        return store::Status::failure(error);
    for (ULong poid : changed) {
        POMaster po;
        po.POID = poid;
        if (!orders.fetch(POMaster::KeyPOID, po)) continue;
        auto it = expected.invoiced.find(poid);
        po.QuantityReconciled = it == expected.invoiced.end() ? Money() : Money::from(it->second.first);
        po.AmountReconciled = it == expected.invoiced.end() ? Money() : it->second.second;
        if (store::Status s = orders.update(po); !s) return store::Status::failure(store::reworded(s, " Saving POMaster"));
        ++result.ordersChanged;
    }
    return tx.commit();
}

store::Status checkFigures(store::Store& store, int costCodeLen, CheckResult& result, const Progress& progress,
                           bool waitForWriters) {
    result = CheckResult();
    std::optional<store::Transaction> locked;
    std::optional<store::ReadTransaction> snapshot;
    if (waitForWriters) {
        locked.emplace(store);
        if (!locked->status()) return locked->status();
    } else {
        snapshot.emplace(store);
        if (!snapshot->status()) return snapshot->status();
    }
    Percent percent(progress, store::Table<PODetail>(store).count());
    ExpectedFigures expected;
    std::string error;
    if (!readExpectedIn(store, costCodeLen, expected, error, &percent)) return store::Status::failure(error);
    result.lines = expected.lines;
    using Kind = Difference::Kind;

    std::map<std::string, Money> committed;
    if (!readStored(store, JCCost::info(), "RecordID", "Committed", committed, error))
        return store::Status::failure(error);
    result.costCodes = static_cast<std::int64_t>(committed.size());
    for (const auto& [key, stored] : committed) {
        auto it = expected.committed.find(key);
        const Money want = it == expected.committed.end() ? Money() : it->second;
        if (want != stored)
            result.differences.push_back(
                {Kind::Committed, key, stored.toString(), want.toString(), (stored - want).toString()});
    }
    std::map<std::string, Quantity> onOrder;
    if (!readStored(store, INMaster::info(), "ItemID", "OnOrder", onOrder, error))
        return store::Status::failure(error);
    result.items = static_cast<std::int64_t>(onOrder.size());
    for (const auto& [item, stored] : onOrder) {
        auto it = expected.onOrder.find(item);
        const Quantity want = it == expected.onOrder.end() ? Quantity() : it->second;
        if (want != stored)
            result.differences.push_back({Kind::OnOrder, item, plain(stored.toString()), plain(want.toString()),
                                          plain((stored - want).toString())});
    }
    std::vector<ULong> orphans = expected.linesWithoutOrder;
    std::sort(orphans.begin(), orphans.end());
    for (ULong id : orphans) result.differences.push_back({Kind::LineWithoutOrder, std::to_string(id), "", "", ""});

    std::map<std::string, int> numbers;
    const std::vector<std::string> fields = {"POID",         "PONumber",     "VendorID", "Reconciled",
                                             "SortVendorID", "SortPONumber", "RecTF",    "POAmount"};
    if (!store.project(POMaster::info(), -1, {}, fields,
                       [&](const std::vector<store::Value>& v) {
                           ++result.orders;
                           const ULong poid = static_cast<ULong>(v[0].i);
                           const std::string number = Text<15>(v[1].s).clip();
                           if (!number.empty()) ++numbers[number];
                           POMaster po;
                           po.POID = poid;
                           po.PONumber = v[1].s;
                           po.VendorID = static_cast<ULong>(v[2].i);
                           const Byte state = static_cast<Byte>(v[3].i);
                           auto states = expected.lineStates.find(poid);
                           const Byte byLines = orderReconciliation(
                               states == expected.lineStates.end() ? std::vector<Byte>() : states->second);
                           // The form saves an order of no amount as open, whatever its lines.
                           const bool stateFits =
                               state == byLines || (state == kUnreconciled && Money::fromRaw(v[7].i).isZero());
                           setReconciled(po, state);
                           const bool sortFits = po.SortVendorID == static_cast<ULong>(v[4].i) &&
                                                 po.SortPONumber == Text<15>(v[5].s) &&
                                                 po.RecTF == static_cast<Byte>(v[6].i);
                           if (!stateFits || !sortFits)
                               result.differences.push_back({Kind::OrderState, std::to_string(poid), std::to_string(state),
                                                             std::to_string(byLines), sortFits ? "" : "sort fields"});
                       },
                       error))
        return store::Status::failure(error);
    for (const auto& [number, n] : numbers)
        if (n > 1) result.differences.push_back({Kind::PONumberTwice, number, std::to_string(n), "1", ""});
    if (locked) locked->rollback();
    if (progress) progress(100);
    return store::Status::success();
}

}  // namespace vtl::rec
