// The list of the purchase-order browse: its record orders, rows, locator,
// sorting and tagging.
#include <algorithm>
#include <cctype>
#include <unordered_set>

#include "platform/picture/picture.h"
#include "vtlpoent/browse/browse_po_master.h"

namespace vtl::ent {
namespace {

constexpr std::int64_t kPage = 50;

bool startsWithNoCase(const std::string& text, const std::string& prefix) {
    if (prefix.size() > text.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

store::Value intValue(std::int64_t v) { return {store::Value::Type::Int, v, 0, {}}; }

}  // namespace

void BrowsePOMaster::loadIds() {
    all_.clear();
    std::string error;
    auto keep = [&](const std::vector<store::Value>& v) {
        all_.push_back({static_cast<ULong>(v[0].i), v[1].s});
    };
    std::vector<store::Condition> range;
    int key = POMaster::KeyPOID;
    if (!showFull_) {
        // Orders not fully reconciled, by PO number.
        key = POMaster::KeyRecTFPONum;
        range.push_back({"RecTF", "=", intValue(0)});
    }
    std::vector<std::pair<std::string, bool>> orderBy;
    const bool byVendorName = sortColumn_ == BrowseColumn::VendorName;
    const bool byRemaining = sortColumn_ == BrowseColumn::Remaining;
    if (sortColumn_ && !byVendorName && !byRemaining) {
        static const std::map<BrowseColumn, const char*> fields = {
            {BrowseColumn::Tag, "POID"},         {BrowseColumn::Icon, "Reconciled"},
            {BrowseColumn::PONumber, "PONumber"}, {BrowseColumn::VendorID, "VendorID"},
            {BrowseColumn::IssueDate, "IssueDate"}, {BrowseColumn::Job, "DefaultJob"},
            {BrowseColumn::Amount, "POAmount"}};
        orderBy.push_back({fields.at(*sortColumn_), sortDescending_});
    }
    std::vector<std::string> fields = {"POID", "PONumber"};
    if (byVendorName) fields.push_back("VendorID");
    if (byRemaining) {
        fields.push_back("POAmount");
        fields.push_back("AmountReconciled");
    }
    std::vector<std::int64_t> sortKeys;
    std::vector<std::string> sortNames;
    auto visit = [&](const std::vector<store::Value>& v) {
        keep(v);
        if (byVendorName) sortNames.push_back(vendorName(static_cast<ULong>(v[2].i)));
        if (byRemaining) sortKeys.push_back(v[2].i - v[3].i);
    };
    if (!session_.store.project(POMaster::info(), key, range, fields, visit, error, orderBy)) report(error);
    if (byVendorName || byRemaining) {
        std::vector<std::size_t> order(all_.size());
        for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
        auto less = [&](std::size_t a, std::size_t b) {
            if (byVendorName) return sortDescending_ ? sortNames[b] < sortNames[a] : sortNames[a] < sortNames[b];
            return sortDescending_ ? sortKeys[b] < sortKeys[a] : sortKeys[a] < sortKeys[b];
        };
        std::stable_sort(order.begin(), order.end(), less);
        std::vector<Listed> sorted;
        sorted.reserve(all_.size());
        for (std::size_t i : order) sorted.push_back(std::move(all_[i]));
        all_ = std::move(sorted);
    }
    ids_.clear();
    ids_.reserve(all_.size());
    for (const auto& l : all_) {
        const bool tagged = session_.globals.TagQue.contains(l.poid);
        if (showMode_ == ShowMode::Tagged && !tagged) continue;
        if (showMode_ == ShowMode::Untagged && tagged) continue;
        ids_.push_back(l.poid);
    }
    cache_.clear();
}

void BrowsePOMaster::refresh() { keepRowNumber(highlight_); }

void BrowsePOMaster::keepRowNumber(std::int64_t row) {
    loadIds();
    highlight_ = std::clamp<std::int64_t>(row, 0, std::max<std::int64_t>(rowCount() - 1, 0));
}

void BrowsePOMaster::highlight(std::int64_t index) {
    if (rowCount() == 0) return;
    highlight_ = std::clamp<std::int64_t>(index, 0, rowCount() - 1);
}

std::optional<ULong> BrowsePOMaster::highlightedPOID() const {
    if (ids_.empty()) return std::nullopt;
    return ids_[static_cast<std::size_t>(highlight_)];
}

bool BrowsePOMaster::highlightPOID(ULong poid) {
    auto it = std::find(ids_.begin(), ids_.end(), poid);
    if (it == ids_.end()) return false;
    highlight_ = it - ids_.begin();
    return true;
}

std::string BrowsePOMaster::vendorName(ULong vendorId) const {
    auto it = vendorNames_.find(vendorId);
    return it == vendorNames_.end() ? std::string() : it->second;
}

bool BrowsePOMaster::fetchOrder(ULong poid, POMaster& po) {
    po = POMaster();
    po.POID = poid;
    return store::Table<POMaster>(session_.store).fetch(POMaster::KeyPOID, po);
}

BrowseRow BrowsePOMaster::row(std::int64_t index) {
    if (index < 0 || index >= rowCount()) return {};
    auto hit = cache_.find(index);
    if (hit != cache_.end()) return hit->second;
    // Fetch the page around the row at once: a list asks for its visible rows
    // one after the other.
    const std::int64_t first = index - index % kPage;
    const std::int64_t last = std::min(first + kPage, rowCount());
    if (cache_.size() > 20 * kPage) cache_.clear();
    for (std::int64_t i = first; i < last; ++i) {
        const ULong poid = ids_[static_cast<std::size_t>(i)];
        POMaster po;
        BrowseRow r;
        r.poid = poid;
        if (fetchOrder(poid, po)) {
            r.tagged = session_.globals.TagQue.contains(poid);
            r.tag = r.tagged ? "*" : "";
            r.reconciled = po.Reconciled;
            r.grey = po.Reconciled == kFullyReconciled;
            r.poNumber = po.PONumber.clip();
            r.vendorId = pic::clip(pic::format(po.VendorID, "@n_6b"));
            r.vendorName = vendorName(po.VendorID);
            r.issueDate = pic::clip(pic::format(po.IssueDate, "@d1b"));
            r.issueDateValue = po.IssueDate;
            r.job = po.DefaultJob.clip();
            r.amountValue = po.POAmount;
            r.amount = pic::clip(pic::format(po.POAmount, "@n-14.2"));
            auto open = Decimal<11, 2>::from(po.POAmount - po.AmountReconciled);
            if (!negativeRemaining_ && open < Decimal<11, 2>()) open = Decimal<11, 2>();
            r.remainingValue = open;
            r.remaining = pic::clip(pic::format(open, "@n-21.2"));
            if (po.Reconciled == kFullyReconciled) {
                r.icon = BrowseIcon::Full;
            } else if (po.Reconciled == kPartiallyReconciled) {
                r.icon = BrowseIcon::Partial;
            } else {
                auto ps = packingSlips_.find(poid);
                if (ps == packingSlips_.end()) r.icon = BrowseIcon::CheckOff;
                else r.icon = ps->second.second < ps->second.first ? BrowseIcon::PartialGreen : BrowseIcon::FullGreen;
            }
        }
        cache_[i] = r;
    }
    return cache_[index];
}

void BrowsePOMaster::setShowFullyReconciled(bool on) {
    showFull_ = on;
    session_.module.showFullyReconciled = on;
    refresh();
}

void BrowsePOMaster::setNegativeRemaining(bool on) {
    negativeRemaining_ = on;
    refresh();
}

void BrowsePOMaster::locate(const std::string& typed) {
    if (typed.empty()) return;
    std::size_t shown = 0;
    for (const auto& l : all_) {
        const bool tagged = session_.globals.TagQue.contains(l.poid);
        if ((showMode_ == ShowMode::Tagged && !tagged) || (showMode_ == ShowMode::Untagged && tagged)) continue;
        if (startsWithNoCase(l.poNumber, typed)) {
            highlight_ = static_cast<std::int64_t>(shown);
            return;
        }
        ++shown;
    }
}

void BrowsePOMaster::sortBy(std::optional<BrowseColumn> column, bool descending) {
    const auto keep = highlightedPOID();
    sortColumn_ = column;
    sortDescending_ = descending;
    loadIds();
    highlight_ = 0;
    if (keep) highlightPOID(*keep);
}

void BrowsePOMaster::tag() {
    auto poid = highlightedPOID();
    if (!poid) return;
    session_.globals.TagQue.toggle(*poid);
    refresh();
}

void BrowsePOMaster::tagAll() {
    session_.globals.TagQue.clear();
    std::vector<ULong> every;
    every.reserve(all_.size());
    for (const auto& l : all_) every.push_back(l.poid);
    session_.globals.TagQue.addAll(every);
    refresh();
}

void BrowsePOMaster::untagAll() {
    session_.globals.TagQue.clear();
    refresh();
}

void BrowsePOMaster::reverseTags() {
    auto& tags = session_.globals.TagQue;
    const auto before = tags.snapshot();
    std::unordered_set<ULong> was(before.begin(), before.end());
    tags.clear();
    std::vector<ULong> now;
    for (const auto& l : all_)
        if (!was.count(l.poid)) now.push_back(l.poid);
    tags.addAll(now);
    refresh();
}

void BrowsePOMaster::cycleShowMode() {
    showMode_ = static_cast<ShowMode>((static_cast<int>(showMode_) + 1) % 3);
    refresh();
}

std::string BrowsePOMaster::showModeCaption() const {
    switch (showMode_) {
        case ShowMode::Tagged: return "Showing Tagged";
        case ShowMode::Untagged: return "Showing UnTagged";
        default: return "Show All";
    }
}

std::vector<std::string> BrowsePOMaster::headers() const {
    return {"", "", "PO Number", "ID", "Vendor Name", "Issue Date", "Job", "Amount", "Remaining"};
}

}  // namespace vtl::ent
