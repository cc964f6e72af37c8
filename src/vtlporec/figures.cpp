#include "vtlporec/figures.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string_view>
#include <unordered_set>

#include "records/reconciliation.h"
#include "records/records.h"
#include "records/running_figures.h"

namespace vtl::rec {
namespace {

// The fields of a line the rules read, in this order: those the committed
// amounts, the invoiced totals and the line states need, then those only the
// on-order quantities need.
enum LineField {
    fPOID, fDetailID, fDetailType, fTextFlag, fReconciliation, fJobID, fCostCode, fQtyOrdered, fQtyInvoiced,
    fTotalAmount, fUnitPrice, fAmountInvoiced,
    fItemID, fQtyRcvdNotInvoiced, fQtyThisPackSlip, fINVQuantity,
};
constexpr std::ptrdiff_t kCommittedFields = fItemID;
const std::vector<std::string> kLineFields = {
    "POID",        "DetailID",    "DetailType",  "TextFlag",       "Reconciliation",     "JobID",
    "CostCode",    "QtyOrdered",  "QtyInvoiced", "TotalAmount",    "UnitPrice",          "AmountInvoiced",
    "ItemID",      "QtyRcvdNotInvoiced",         "QtyThisPackSlip", "INVQuantity"};

// What a pass over the lines gathers besides the committed amounts and the
// invoiced totals, which every caller needs.
struct Wanted {
    bool onOrder = true;
    bool lineStates = true;
};

// Sets the fields of a reused line buffer the rules read: a job line's
// charge only on a job line, the item's fields only when asked for.
void fillLine(PODetail& d, const store::Row& r, bool onOrder) {
    d.POID = static_cast<ULong>(r.integer(fPOID));
    d.DetailID = static_cast<ULong>(r.integer(fDetailID));
    d.DetailType = r.text(fDetailType);
    d.TextFlag = static_cast<Byte>(r.integer(fTextFlag));
    d.Reconciliation = static_cast<Byte>(r.integer(fReconciliation));
    d.QtyOrdered = Quantity::fromRaw(r.integer(fQtyOrdered));
    d.QtyInvoiced = Quantity::fromRaw(r.integer(fQtyInvoiced));
    d.TotalAmount = Money::fromRaw(r.integer(fTotalAmount));
    d.UnitPrice = r.real(fUnitPrice);
    d.AmountInvoiced = Money::fromRaw(r.integer(fAmountInvoiced));
    if (d.DetailType == "Job") {
        d.JobID = r.text(fJobID);
        d.CostCode = r.text(fCostCode);
    }
    if (onOrder) {
        d.ItemID = r.text(fItemID);
        d.QtyRcvdNotInvoiced = Quantity::fromRaw(r.integer(fQtyRcvdNotInvoiced));
        d.QtyThisPackSlip = Quantity::fromRaw(r.integer(fQtyThisPackSlip));
        d.INVQuantity = Quantity::fromRaw(r.integer(fINVQuantity));
    }
}

// Sums kept per short text key (a cost-record key, an item) in one
// open-addressed table of small slots, with the entries and their keys each
// in one block. Over a million lines the look-up of a line's sum is a large
// part of the work, and this table touches far fewer scattered places than a
// map of separately allocated nodes.
template <class D>
class SumsByKey {
public:
    // The sum kept for `key`; a new one starts at zero.
    D& operator[](std::string_view key) {
        if ((entries_.size() + 1) * 4 > slots_.size() * 3) grow();
        const std::size_t h = std::hash<std::string_view>{}(key);
        const std::uint32_t tag = static_cast<std::uint32_t>(h >> 32);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = h & mask;; i = (i + 1) & mask) {
            Slot& s = slots_[i];
            if (s.entry == 0) {
                entries_.push_back({static_cast<std::uint32_t>(keys_.size()), static_cast<std::uint32_t>(key.size()), tag, D()});
                keys_.append(key);
                s = {tag, static_cast<std::uint32_t>(entries_.size())};
                return entries_.back().value;
            }
            if (s.tag == tag) {
                Entry& e = entries_[s.entry - 1];
                if (keyOf(e) == key) return e.value;
            }
        }
    }
    // Every sum, added into `out` under its key.
    template <class Map>
    void addInto(Map& out) const {
        out.reserve(out.size() + entries_.size());
        for (const Entry& e : entries_) out[std::string(keyOf(e))] += e.value;
    }

private:
    struct Slot {
        std::uint32_t tag = 0;
        std::uint32_t entry = 0;  // the entry's place + 1; 0 while free
    };
    struct Entry {
        std::uint32_t offset, length, tag;
        D value;
    };
    std::string_view keyOf(const Entry& e) const { return std::string_view(keys_).substr(e.offset, e.length); }
    void grow() {
        slots_.assign(std::max<std::size_t>(64, slots_.size() * 2), Slot());
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t n = 0; n < entries_.size(); ++n) {
            const std::size_t h = std::hash<std::string_view>{}(keyOf(entries_[n]));
            std::size_t i = h & mask;
            while (slots_[i].entry != 0) i = (i + 1) & mask;
            slots_[i] = {entries_[n].tag, static_cast<std::uint32_t>(n + 1)};
        }
    }

    std::string keys_;  // every key, one after another
    std::vector<Entry> entries_;
    std::vector<Slot> slots_;
};

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
void clip(std::string& s) { s.erase(s.find_last_not_of(' ') + 1); }

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

bool readExpectedSums(store::Store& store, int costCodeLen, ExpectedFigures& out, std::string& error,
                      Percent* percent, Wanted wanted) {
    std::unordered_set<ULong> orders;
    if (!store.projectRows(POMaster::info(), -1, {}, {"POID"},
                           [&](const store::Row& r) { orders.insert(static_cast<ULong>(r.integer(0))); }, error))
        return false;
    const std::vector<std::string> fields(kLineFields.begin(),
                                          wanted.onOrder ? kLineFields.end() : kLineFields.begin() + kCommittedFields);
    PODetail d;
    std::string key;  // one buffer for every cost-record and item key
    // The lines of an order mostly come one after the other: the order and
    // its entries are looked up once for each run of its lines.
    bool started = false, known = false;
    ULong current = 0;
    std::pair<Quantity, Money>* invoiced = nullptr;
    std::vector<Byte>* states = nullptr;
    SumsByKey<Money> committed;
    SumsByKey<Quantity> onOrder;
    const bool read = store.projectRows(PODetail::info(), -1, {}, fields, [&](const store::Row& r) {
        fillLine(d, r, wanted.onOrder);
        ++out.lines;
        if (percent) percent->step();
        if (!started || d.POID != current) {
            started = true;
            current = d.POID;
            known = orders.count(current) != 0;
            if (known) {
                invoiced = &out.invoiced[current];
                states = nullptr;
                if (wanted.lineStates) {
                    states = &out.lineStates[current];
                    if (states->empty()) states->reserve(16);  // one allocation for most orders
                }
            }
        }
        if (!known) {
            // A line without its order counts for nothing: no window shows it.
            // The printed sample's lines are meant to have none.
            if (current != kSampleLinesPOID) out.linesWithoutOrder.push_back(d.DetailID);
            return;
        }
        invoiced->first += d.QtyInvoiced;
        invoiced->second += d.AmountInvoiced;
        if (states) states->push_back(d.Reconciliation);
        if (d.DetailType == "Job") {
            const Money share = committedShare(d);
            if (share.isZero()) return;
            key.clear();
            appendCostRecordKey(key, d.JobID.str(), d.CostCode.str(), costCodeLen);
            clip(key);
            committed[key] += share;
        } else if (wanted.onOrder && d.DetailType == "Inventory") {
            const Quantity share = onOrderShare(d);
            if (share.isZero()) return;
            key.assign(d.ItemID.clipView());
            onOrder[key] += share;
        }
    }, error);
    committed.addInto(out.committed);
    onOrder.addInto(out.onOrder);
    return read;
}

// The sums, or false with the reason when one goes beyond what its figure
// can hold (lines written by another program): the rebuild then writes
// nothing and the check says why, instead of either stopping the program.
bool readExpectedIn(store::Store& store, int costCodeLen, ExpectedFigures& out, std::string& error,
                    Percent* percent, Wanted wanted = {}) {
    try {
        return readExpectedSums(store, costCodeLen, out, error, percent, wanted);
    } catch (const DecimalOverflow& e) {
        error = std::string(e.what()) + ": the lines add up to more than a committed amount or on-order "
                                        "quantity can hold";
        return false;
    }
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
    if (!readExpectedIn(store, costCodeLen, expected, error, &percent, {options.onOrder, false}))
        return store::Status::failure(error);
    result.lines = expected.lines;

    // Each cost code is read whole once and written back when its figure
    // differs; the scan goes on past the records it rewrites.
    JCCost c;
    auto codes = costs.all(JCCost::KeyRecordID);
    while (codes.next(c)) {
        percent.step();
        auto it = expected.committed.find(c.RecordID.str());
        const Money want = it == expected.committed.end() ? Money() : it->second;
        if (want == c.Committed) continue;
        c.Committed = want;
        if (store::Status s = costs.update(c); !s) return store::Status::failure(store::reworded(s, " Saving JCCost Record"));
        ++result.costCodesChanged;
    }
    if (!codes.error().empty()) return store::Status::failure(codes.error());
    if (options.onOrder) {
        INMaster m;
        auto stock = items.all(INMaster::KeyItemID);
        while (stock.next(m)) {
            percent.step();
            auto it = expected.onOrder.find(m.ItemID.str());
            const Quantity want = it == expected.onOrder.end() ? Quantity() : it->second;
            if (want == m.OnOrder) continue;
            m.OnOrder = want;
            if (store::Status s = items.update(m); !s) return store::Status::failure(store::reworded(s, " Saving INMaster"));
            ++result.itemsChanged;
        }
        if (!stock.error().empty()) return store::Status::failure(stock.error());
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

    std::unordered_map<std::string, int> numbers;
    const std::vector<std::string> fields = {"POID",         "PONumber",     "VendorID", "Reconciled",
                                             "SortVendorID", "SortPONumber", "RecTF",    "POAmount"};
    POMaster po;  // reused: every field read below is set for each order
    std::string number;
    if (!store.project(POMaster::info(), -1, {}, fields,
                       [&](const std::vector<store::Value>& v) {
                           ++result.orders;
                           const ULong poid = static_cast<ULong>(v[0].i);
                           po.POID = poid;
                           po.PONumber = v[1].s;
                           number.assign(po.PONumber.clipView());
                           if (!number.empty()) ++numbers[number];
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
    std::vector<std::pair<std::string, int>> twice;
    for (const auto& [n, times] : numbers)
        if (times > 1) twice.emplace_back(n, times);
    std::sort(twice.begin(), twice.end());
    for (const auto& [n, times] : twice)
        result.differences.push_back({Kind::PONumberTwice, n, std::to_string(times), "1", ""});
    if (locked) locked->rollback();
    if (progress) progress(100);
    return store::Status::success();
}

}  // namespace vtl::rec
