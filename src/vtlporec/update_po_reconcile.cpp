#include "vtlporec/update_po_reconcile.h"

#include "platform/picture/picture.h"
#include "platform/suite/error_object.h"
#include "siblings/services/help_topic.h"
#include "siblings/services/send_to.h"
#include "vtlpoent/call_out.h"
#include "vtlpoent/posting.h"

namespace vtl::rec {

void UpdatePOReconcile::help() { services::openHelp(s_, kHelpTopic); }
namespace {

// The lines of "&More", "|" between them: name, address, the second
// address line when there is one, city, state and zip; an empty line; the
// phone and the fax, each only when on file; and, when a contact is on file,
// an empty line and the contact. No other empty line.
std::string additionalVendorInfo(const APVendor& v) {
    std::vector<std::string> lines = {v.VendorName.clip(), v.Address.clip()};
    if (!v.Address2.blank()) lines.push_back(v.Address2.clip());
    lines.push_back(v.City.clip() + ", " + v.State.clip() + "  " + v.Zip.clip());
    lines.emplace_back();
    if (!v.Phone.blank()) lines.push_back("Phone: " + v.Phone.clip());
    if (!v.Fax.blank()) lines.push_back("Fax:      " + v.Fax.clip());
    if (!v.Contact.blank()) {
        lines.emplace_back();
        lines.push_back("Contact: " + v.Contact.clip());
    }
    std::string t;
    for (std::size_t i = 0; i < lines.size(); ++i) t += (i ? "|" : "") + lines[i];
    return t;
}

}  // namespace

std::vector<std::string> UpdatePOReconcile::headers() {
    return {"ID", "Description", "Qty. Ordered", "Invoiced", "Prior Pack Slip", "This Pack Slip"};
}

bool UpdatePOReconcile::open() {
    viewOnly_ = s_.globals.GlobalRequest == suite::Request::View;
    po_ = POMaster();
    po_.POID = static_cast<ULong>(s_.globals.DecimalVariable);
    if (!store::Table<POMaster>(s_.store).fetch(POMaster::KeyPOID, po_)) {
        s_.globals.GlobalResponse = suite::Response::Cancelled;
        return false;
    }
    vendor_ = APVendor();
    vendor_.VendorID = po_.VendorID;
    if (!store::Table<APVendor>(s_.store).fetch(APVendor::KeyVendorID, vendor_)) vendor_ = APVendor();
    sys_ = Systems();
    store::Table<Systems>(s_.store).all(Systems::KeySystemID).next(sys_);
    // A slip left open by a program that stopped before closing it: its
    // receipts are in stock, so they become earlier slips' receipts and this
    // slip starts empty.
    if (!viewOnly_) moveSlipToPrior();
    reload();
    return true;
}

void UpdatePOReconcile::reload() {
    const ULong keep = highlighted_ >= 0 && highlighted_ < static_cast<int>(rows_.size()) ? rows_[highlighted_].detailId : 0;
    rows_.clear();
    double subtotal = 0;
    auto qty = [](const Quantity& q) { return pic::clip(pic::format(q, "@n-15.2")); };
    for (const PODetail& d : linesOfOrder(s_.store, po_.POID)) {
        ReceiptRow r;
        r.detailId = d.DetailID;
        // The list has room for the first 60 characters of a description.
        std::string id = d.ItemID.clip(), description = Text<60>(d.Description).clip();
        if (d.TextFlag == 1) {
            const std::string text = d.Text.clip();
            id = "Text";
            description = Text<30>(text).str() == text ? text : Text<27>(text).str() + "...";
        }
        r.cells = {id, description, qty(d.QtyOrdered), qty(d.QtyInvoiced), qty(d.QtyRcvdNotInvoiced),
                   qty(d.QtyThisPackSlip)};
        rows_.push_back(std::move(r));
        subtotal += d.TotalAmount.toDouble();
    }
    po_.PreTaxAmount = Money::fromDouble(subtotal);
    po_.POAmount = po_.PreTaxAmount + po_.TaxAmount;
    highlighted_ = rows_.empty() ? -1 : 0;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (keep && rows_[i].detailId == keep) highlighted_ = static_cast<int>(i);
}

void UpdatePOReconcile::highlight(int row) {
    if (row >= 0 && row < static_cast<int>(rows_.size())) highlighted_ = row;
}

void UpdatePOReconcile::moreVendorInfo() {
    if (!po_.VendorID) return;
    s_.ui.tell(additionalVendorInfo(vendor_), "Additional Vendor Info", ui::Icon::Information);
}

void UpdatePOReconcile::changeLine() {
    if (highlighted_ < 0 || highlighted_ >= static_cast<int>(rows_.size())) return;
    s_.globals.GlobalRequest = viewOnly_ ? suite::Request::View : suite::Request::Change;
    s_.globals.DecimalVariable = static_cast<double>(rows_[highlighted_].detailId);
    ent::callOut(s_, "ReconcilePODetail");
    reload();
}

std::string UpdatePOReconcile::sendCaption() const {
    return "Reconciliation Information for Purchase Order " + po_.PONumber.clip() + " from Vendor (" +
           std::to_string(po_.VendorID) + ") " + vendor_.VendorName.clip();
}

bool UpdatePOReconcile::sendList() {
    if (rows_.empty()) return false;
    services::Rows cells;
    for (const ReceiptRow& r : rows_) cells.push_back(r.cells);
    services::sendListTo(s_, sendCaption(), headers(), cells);
    return true;
}

void UpdatePOReconcile::ok() {
    if (closed_) return;
    if (viewOnly_) {
        endSlip();
        s_.globals.GlobalResponse = suite::Response::Completed;
        return;
    }
    reload();
    // The header as stored, with the totals of its lines, and the end of
    // the slip go in together.
    s_.errors.check(ent::inOneTransaction(s_.store, [&] {
        POMaster stored;
        stored.POID = po_.POID;
        if (store::Table<POMaster>(s_.store).fetch(POMaster::KeyPOID, stored)) {
            stored.PreTaxAmount = po_.PreTaxAmount;
            stored.POAmount = po_.POAmount;
            if (store::Status w = store::Table<POMaster>(s_.store).update(stored); !w) return w;
        }
        return slipMoved();
    }));
    closed_ = true;
    s_.globals.GlobalResponse = suite::Response::Completed;
}

void UpdatePOReconcile::cancel() {
    if (closed_) return;
    endSlip();
    s_.globals.GlobalResponse = suite::Response::Cancelled;
}

// This slip's quantities join those of the earlier slips, all together.
void UpdatePOReconcile::endSlip() {
    closed_ = true;
    // Only viewed: nothing is written, not even another user's slip ended.
    if (viewOnly_) return;
    moveSlipToPrior();
}

// Every line of the slip, or none: a line's figures count what arrived on
// this slip and the earlier ones alike, so they do not move.
void UpdatePOReconcile::moveSlipToPrior() { s_.errors.check(ent::inOneTransaction(s_.store, [&] { return slipMoved(); })); }

store::Status UpdatePOReconcile::slipMoved() {
    store::Table<PODetail> lines(s_.store);
    for (PODetail d : linesOfOrder(s_.store, po_.POID)) {
        if (d.QtyThisPackSlip.isZero()) continue;
        d.QtyRcvdNotInvoiced += d.QtyThisPackSlip;
        d.QtyThisPackSlip = Quantity();
        if (store::Status w = lines.update(d); !w) return w;
    }
    return store::Status::success();
}

}  // namespace vtl::rec
