// The lines list of the purchase-order form: rows, totals, the line form
// and the four move buttons.
#include <algorithm>

#include "platform/picture/picture.h"
#include "platform/suite/error_object.h"
#include "siblings/services/services.h"
#include "vtlpoent/form/update_po_master.h"
#include "vtlpoent/line/line_form.h"

namespace vtl::ent {

namespace {

std::string joined(const std::string& a, const std::string& b) {
    if (a.empty()) return b;
    return b.empty() ? a : a + " " + b;
}

// A job line's job and cost code, an equipment line's equipment and cost
// category, another line's account.
std::string chargeOf(const PODetail& d) {
    const std::string type = d.DetailType.clip();
    if (type == "Job") return joined(d.JobID.clip(), d.CostCode.clip());
    if (type == "Equipment") return joined(d.EquipmentID.clip(), d.CostCategory.clip());
    return d.Account.clip();
}

}  // namespace

void UpdatePOMaster::refill() {
    const auto& lines = lines_;
    rows_.clear();
    rows_.reserve(lines.size());
    for (const PODetail& d : lines) {
        LineRow r;
        r.detailId = d.DetailID;
        if (d.TextFlag == 1) {
            const std::string text = d.Text.clip();
            r.id = "Text";
            r.description = Text<30>(text).str() == text ? text : Text<27>(text).str() + "...";
        } else {
            r.id = d.ItemID.clip();
            r.description = d.Description.clip();
            r.charge = chargeOf(d);
            r.quantity = pic::format(d.QtyOrdered, "@n-12.4b");
            r.unitPrice = pic::format(d.UnitPrice, "@n-13.4b");
            r.total = pic::format(d.TotalAmount, "@n-13.2b");
        }
        rows_.push_back(std::move(r));
    }
    if (highlighted_ >= static_cast<int>(rows_.size())) highlighted_ = static_cast<int>(rows_.size()) - 1;
    if (highlighted_ < 0 && !rows_.empty()) highlighted_ = 0;
    sums_ = sumLines(lines);
    refreshTotals();
}

void UpdatePOMaster::refreshTotals() {
    if (canadian()) applyCanadianTotals(po_, sums_, sys_.GSTRate, pstRate_);
    else applyOrdinaryTotals(po_, sums_);
}

std::optional<PODetail> UpdatePOMaster::highlightedLine() const {
    if (highlighted_ < 0 || highlighted_ >= static_cast<int>(lines_.size())) return std::nullopt;
    return lines_[static_cast<std::size_t>(highlighted_)];
}

bool UpdatePOMaster::callLineForm(suite::Request request, double variable) {
    auto& g = session_.globals;
    g.GlobalRequest = request;
    g.GlobalResponse = suite::Response::None;
    g.DecimalVariable = variable;
    // The line form reads the header as shown here, not as last stored, and
    // works on the lines held here.
    LineFormResult& shared = lineFormShared(session_.module);
    shared.openHeader = po_;
    shared.openLines = &lines_;
    const bool called = session_.call("UpdatePODetail");
    shared.openHeader.reset();
    shared.openLines = nullptr;
    return called && g.GlobalResponse == suite::Response::Completed;
}

// The line form may have proposed another vendor for the whole order.
void UpdatePOMaster::takeVendorFromLineForm() {
    LineFormResult& shared = lineFormShared(session_.module);
    if (!shared.hasPendingVendor()) return;
    const ULong vendor = shared.takePendingVendor();
    vendorFromLine(vendor, shared.priceSkipDetailID);
}

void UpdatePOMaster::insertLine() {
    if (readOnly()) return;
    priceSkipDetailId_ = 0;
    std::vector<ULong> before;
    for (const PODetail& d : lines_) before.push_back(d.DetailID);
    callLineForm(suite::Request::Insert, po_.POID);
    takeVendorFromLineForm();
    refill();
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (std::find(before.begin(), before.end(), rows_[i].detailId) == before.end())
            highlighted_ = static_cast<int>(i);
}

void UpdatePOMaster::changeLine() {
    if (readOnly()) return;
    auto line = highlightedLine();
    if (!line) return;
    callLineForm(suite::Request::Change, line->DetailID);
    takeVendorFromLineForm();
    refill();
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].detailId == line->DetailID) highlighted_ = static_cast<int>(i);
}

// The line leaves the form's lines at once; its figures move when OK saves.
void UpdatePOMaster::deleteLine() {
    if (readOnly()) return;
    auto line = highlightedLine();
    if (!line) return;
    if (session_.ui.ask("Are you sure you want to delete the highlighted record?", "Confirm Delete", "&Yes|&No",
                        ui::Icon::Question) != 1)
        return;
    if (session_.procedures.available("UpdatePODetail")) {
        callLineForm(suite::Request::Delete, line->DetailID);
    } else {
        std::erase_if(lines_, [&](const PODetail& d) { return d.DetailID == line->DetailID; });
    }
    refill();
}

void UpdatePOMaster::reorder(int from, int to) {
    const int n = static_cast<int>(lines_.size());
    if (readOnly() || from < 0 || from >= n || to < 0 || to >= n || from == to) return;
    std::vector<ULong> seqs;
    for (const PODetail& d : lines_) seqs.push_back(d.SequenceNo);
    // Lines that share a number cannot be told apart by it: spread them out.
    for (std::size_t k = 1; k < seqs.size(); ++k) seqs[k] = std::max(seqs[k], seqs[k - 1] + 1);
    PODetail moved = lines_[static_cast<std::size_t>(from)];
    lines_.erase(lines_.begin() + from);
    lines_.insert(lines_.begin() + to, moved);
    for (int k = 0; k < n; ++k) lines_[static_cast<std::size_t>(k)].SequenceNo = seqs[static_cast<std::size_t>(k)];
    refill();
    highlighted_ = to;
}

void UpdatePOMaster::moveUp() { reorder(highlighted_, highlighted_ - 1); }
void UpdatePOMaster::moveDown() { reorder(highlighted_, highlighted_ + 1); }
void UpdatePOMaster::moveToTop() { reorder(highlighted_, 0); }
void UpdatePOMaster::moveToBottom() { reorder(highlighted_, static_cast<int>(rows_.size()) - 1); }

void UpdatePOMaster::changeAttachments() {
    if (readOnly()) return;
    services::updateImages(session_, "POMaster", po_.POID);
}

void UpdatePOMaster::changeNotes() {
    if (readOnly()) return;
    services::updateNotes(session_, "POMaster", std::to_string(po_.POID));
}

}  // namespace vtl::ent
