#include "vtlporec/browse_po_reconcile.h"

#include <map>

#include "platform/picture/picture.h"
#include "platform/suite/text_util.h"
#include "siblings/services/help_topic.h"
#include "vtlpoent/call_out.h"

namespace vtl::rec {

std::vector<std::string> BrowsePOReconcile::headers() {
    return {"ID", "Vendor Name", "PO Number", "Issue Date", "Job", "Amount", "Remaining"};
}

void BrowsePOReconcile::load() {
    const ULong keep = highlighted_ >= 0 && highlighted_ < static_cast<int>(rows_.size()) ? rows_[highlighted_].poid : 0;
    rows_.clear();
    std::map<ULong, std::string> vendorNames;
    auto vendorName = [&](ULong id) -> const std::string& {
        auto it = vendorNames.find(id);
        if (it != vendorNames.end()) return it->second;
        APVendor v;
        v.VendorID = id;
        std::string name = store::Table<APVendor>(s_.store).fetch(APVendor::KeyVendorID, v) ? v.VendorName.clip() : "";
        return vendorNames.emplace(id, std::move(name)).first->second;
    };
    POMaster po;
    for (auto c = store::Table<POMaster>(s_.store).all(POMaster::KeySortPONumber); c.next(po);) {
        // A fully reconciled order has no sort number: nothing more comes in against it.
        if (po.SortPONumber.blank()) continue;
        ReconcileRow r;
        r.poid = po.POID;
        r.sortPONumber = po.SortPONumber.clip();
        r.remaining = po.POAmount - po.AmountReconciled;
        r.cells = {pic::clip(pic::format(po.VendorID, "@n_6")),
                   Text<35>(vendorName(po.VendorID)).clip(),
                   Text<12>(po.PONumber.clip()).clip(),
                   pic::clip(pic::format(po.IssueDate, "@d1b")),
                   po.DefaultJob.clip(),
                   pic::clip(pic::format(po.POAmount, "@n-14.2b")),
                   pic::clip(pic::format(r.remaining, "@n-21.2b"))};
        rows_.push_back(std::move(r));
    }
    highlighted_ = rows_.empty() ? -1 : 0;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (keep && rows_[i].poid == keep) highlighted_ = static_cast<int>(i);
}

void BrowsePOReconcile::highlight(int row) {
    if (row >= 0 && row < static_cast<int>(rows_.size())) highlighted_ = row;
}

void BrowsePOReconcile::locate(const std::string& typed) {
    const std::string want = suite::lowered(suite::trimmed(typed));
    if (rows_.empty()) return;
    if (want.empty()) {
        highlighted_ = 0;
        return;
    }
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (suite::lowered(rows_[i].sortPONumber) >= want) {
            highlighted_ = static_cast<int>(i);
            return;
        }
    highlighted_ = static_cast<int>(rows_.size()) - 1;
}

bool BrowsePOReconcile::reconcile() {
    if (highlighted_ < 0 || highlighted_ >= static_cast<int>(rows_.size())) return false;
    s_.globals.GlobalRequest = suite::Request::Change;
    s_.globals.DecimalVariable = static_cast<double>(rows_[highlighted_].poid);
    const bool ran = ent::callOut(s_, "UpdatePOReconcile");
    load();
    return ran;
}

void BrowsePOReconcile::help() { services::openHelp(s_, kHelpTopic); }

}  // namespace vtl::rec
