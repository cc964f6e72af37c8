// The lines list of the purchase-order form: rows, totals, the line form
// and the four move buttons.
#include <algorithm>

#include "platform/picture/picture.h"
#include "platform/suite/error_object.h"
#include "siblings/services/services.h"
#include "vtlpoent/form/update_po_master.h"
#include "vtlpoent/line/line_form.h"

namespace vtl::ent {

std::vector<PODetail> UpdatePOMaster::storedLines() const { return linesOfOrder(session_.store, po_.POID); }

void UpdatePOMaster::refill() {
    const auto lines = storedLines();
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
    if (highlighted_ < 0 || highlighted_ >= static_cast<int>(rows_.size())) return std::nullopt;
    PODetail d;
    d.DetailID = rows_[highlighted_].detailId;
    if (!store::Table<PODetail>(session_.store).fetch(PODetail::KeyDetailID, d)) return std::nullopt;
    return d;
}

bool UpdatePOMaster::callLineForm(suite::Request request, double variable) {
    auto& g = session_.globals;
    g.GlobalRequest = request;
    g.GlobalResponse = suite::Response::None;
    g.DecimalVariable = variable;
    // The line form reads the header as shown here, not as last stored.
    LineFormResult& shared = lineFormShared(session_.module);
    shared.openHeader = po_;
    const bool called = session_.call("UpdatePODetail");
    shared.openHeader.reset();
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
    if (mode_ == FormMode::View) return;
    priceSkipDetailId_ = 0;
    std::vector<ULong> before;
    for (const LineRow& r : rows_) before.push_back(r.detailId);
    callLineForm(suite::Request::Insert, po_.POID);
    placeNewLines(before);
    takeVendorFromLineForm();
    refill();
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (std::find(before.begin(), before.end(), rows_[i].detailId) == before.end())
            highlighted_ = static_cast<int>(i);
}

// A line the line form added takes a place after every line there was.
void UpdatePOMaster::placeNewLines(const std::vector<ULong>& before) {
    auto lines = storedLines();
    ULong last = 0;
    for (const PODetail& d : lines)
        if (std::find(before.begin(), before.end(), d.DetailID) != before.end()) last = std::max(last, d.SequenceNo);
    std::sort(lines.begin(), lines.end(), [](const PODetail& a, const PODetail& b) { return a.DetailID < b.DetailID; });
    store::Table<PODetail> table(session_.store);
    for (PODetail& d : lines) {
        if (std::find(before.begin(), before.end(), d.DetailID) != before.end()) continue;
        if (d.SequenceNo > last) {
            last = d.SequenceNo;
            continue;
        }
        d.SequenceNo = ++last;
        session_.errors.check(table.update(d));
    }
}

void UpdatePOMaster::changeLine() {
    if (mode_ == FormMode::View) return;
    auto line = highlightedLine();
    if (!line) return;
    callLineForm(suite::Request::Change, line->DetailID);
    takeVendorFromLineForm();
    refill();
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].detailId == line->DetailID) highlighted_ = static_cast<int>(i);
}

void UpdatePOMaster::deleteLine() {
    if (mode_ == FormMode::View) return;
    auto line = highlightedLine();
    if (!line) return;
    if (session_.ui.ask("Are you sure you want to delete the highlighted record?", "Confirm Delete", "&Yes|&No",
                        ui::Icon::Question) != 1)
        return;
    store::Table<PODetail> table(session_.store);
    if (!session_.procedures.available("UpdatePODetail")) {
        PODetail gone = *line;
        session_.errors.check(table.remove(gone));
    } else {
        callLineForm(suite::Request::Delete, line->DetailID);
    }
    // The committed amount is lowered only once the line is really gone, so
    // a delete the line form refused moves nothing.
    PODetail still;
    still.DetailID = line->DetailID;
    if (!table.fetch(PODetail::KeyDetailID, still) && line->DetailType == "Job") poster().postLineDelete(opening_, *line);
    refill();
}

void UpdatePOMaster::reorder(int from, int to) {
    auto lines = storedLines();
    const int n = static_cast<int>(lines.size());
    if (from < 0 || from >= n || to < 0 || to >= n || from == to) return;
    std::vector<ULong> seqs;
    for (const PODetail& d : lines) seqs.push_back(d.SequenceNo);
    // Lines that share a number cannot be told apart by it: spread them out.
    for (std::size_t k = 1; k < seqs.size(); ++k) seqs[k] = std::max(seqs[k], seqs[k - 1] + 1);
    PODetail moved = lines[from];
    lines.erase(lines.begin() + from);
    lines.insert(lines.begin() + to, moved);
    store::Table<PODetail> table(session_.store);
    store::Transaction tx(session_.store);
    if (!session_.errors.check(tx.status())) return;
    for (int k = 0; k < n; ++k) {
        if (lines[k].SequenceNo == seqs[k]) continue;
        lines[k].SequenceNo = seqs[k];
        if (!session_.errors.check(table.update(lines[k]))) return;
    }
    if (!session_.errors.check(tx.commit())) return;
    refill();
    highlighted_ = to;
}

void UpdatePOMaster::moveUp() { reorder(highlighted_, highlighted_ - 1); }
void UpdatePOMaster::moveDown() { reorder(highlighted_, highlighted_ + 1); }
void UpdatePOMaster::moveToTop() { reorder(highlighted_, 0); }
void UpdatePOMaster::moveToBottom() { reorder(highlighted_, static_cast<int>(rows_.size()) - 1); }

void UpdatePOMaster::changeAttachments() {
    if (mode_ == FormMode::View) return;
    services::updateImages(session_, "POMaster", po_.POID);
}

void UpdatePOMaster::changeNotes() {
    if (mode_ == FormMode::View) return;
    services::updateNotes(session_, "POMaster", std::to_string(po_.POID));
}

}  // namespace vtl::ent
