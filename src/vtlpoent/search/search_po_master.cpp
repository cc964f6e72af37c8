#include "vtlpoent/search/search_po_master.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "platform/picture/picture.h"
#include "platform/suite/fuzzy.h"

namespace vtl::ent {
namespace {

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

SearchPOMaster::SearchPOMaster(Session& session) : session_(session), showFull_(session.module.showFullyReconciled) {}

FoundOrder SearchPOMaster::describe(const POMaster& po, const std::string& vendorName, int score) const {
    FoundOrder f;
    f.poid = po.POID;
    f.poNumber = po.PONumber.clip();
    f.vendorId = pic::clip(pic::format(po.VendorID, "@n_6b"));
    f.vendorName = vendorName;
    f.issueDate = pic::clip(pic::format(po.IssueDate, "@d1b"));
    f.amount = pic::clip(pic::format(po.POAmount, "@n-14.2"));
    f.reconciled = po.Reconciled;
    f.score = score;
    return f;
}

const std::vector<FoundOrder>& SearchPOMaster::find() {
    found_.clear();
    std::string typed = text_;
    while (!typed.empty() && typed.back() == ' ') typed.pop_back();
    while (!typed.empty() && typed.front() == ' ') typed.erase(typed.begin());
    if (typed.empty()) return found_;

    std::map<ULong, std::string> names;
    std::vector<ULong> vendorIds;
    std::vector<std::string> vendorNames;
    std::string error;
    session_.store.project(APVendor::info(), APVendor::KeyVendorName, {}, {"VendorID", "VendorName"},
                           [&](const std::vector<store::Value>& v) {
                               names[static_cast<ULong>(v[0].i)] = v[1].s;
                               vendorIds.push_back(static_cast<ULong>(v[0].i));
                               vendorNames.push_back(v[1].s);
                           },
                           error);
    auto nameOf = [&](ULong id) {
        auto it = names.find(id);
        return it == names.end() ? std::string() : it->second;
    };
    store::Table<POMaster> orders(session_.store);
    POMaster po;
    if (by_ == SearchBy::PONumber) {
        // Numbers starting with the typed text, ignoring case: the key orders
        // by exact characters, so the numbers are read whole (two columns
        // only) and the matches fetched.
        const std::string want = lower(typed);
        std::vector<ULong> matches;
        session_.store.project(POMaster::info(), POMaster::KeyPONumber, {}, {"POID", "PONumber", "Reconciled"},
                               [&](const std::vector<store::Value>& v) {
                                   if (matches.size() < kMaxFound && (showFull_ || v[2].i < 2) &&
                                       lower(v[1].s).rfind(want, 0) == 0)
                                       matches.push_back(static_cast<ULong>(v[0].i));
                               },
                               error);
        for (ULong poid : matches) {
            po = POMaster();
            po.POID = poid;
            if (orders.fetch(POMaster::KeyPOID, po)) found_.push_back(describe(po, nameOf(po.VendorID), 100));
        }
    } else if (by_ == SearchBy::VendorID) {
        POMaster pos;
        try {
            pos.VendorID = static_cast<ULong>(std::stoul(typed));
        } catch (...) {
            return found_;
        }
        for (auto c = orders.scan(POMaster::KeyVendorID, pos, {false, 1, false});
             c.next(po) && found_.size() < kMaxFound;)
            if (wanted(po)) found_.push_back(describe(po, nameOf(po.VendorID), 100));
    } else {
        suite::FuzzyMatcher fuzzy;
        fuzzy.init();
        fuzzy.setOption(suite::FuzzyMatcher::IgnoreCase, true);
        fuzzy.setOption(suite::FuzzyMatcher::WholeWords, false);
        for (const auto& m : fuzzy.rank(typed, vendorNames)) {
            POMaster pos;
            pos.VendorID = vendorIds[m.index];
            for (auto c = orders.scan(POMaster::KeyVendorID, pos, {false, 1, false});
                 c.next(po) && found_.size() < kMaxFound;)
                if (wanted(po)) found_.push_back(describe(po, vendorNames[m.index], m.score));
        }
    }
    return found_;
}

void SearchPOMaster::choose(std::size_t index) {
    if (index >= found_.size()) return;
    session_.module.chosenPOID = found_[index].poid;
    session_.module.showFullyReconciled = showFull_ || found_[index].reconciled == 2;
    chosen_ = true;
}

void SearchPOMaster::cancel() {
    session_.module.chosenPOID = 0;
    chosen_ = false;
}

}  // namespace vtl::ent
