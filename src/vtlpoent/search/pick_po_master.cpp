#include "vtlpoent/search/pick_po_master.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "platform/picture/picture.h"
#include "platform/suite/error_object.h"
#include "vtlpoent/call_out.h"

namespace vtl::ent {

PickPOMaster::PickPOMaster(Session& session)
    : session_(session),
      poster_(session.store, session.globals.CostCodeLen),
      showFull_(session.module.showFullyReconciled) {}

void PickPOMaster::open() { load(); }

void PickPOMaster::setOrder(Order o) {
    order_ = o;
    load();
}

void PickPOMaster::setShowFullyReconciled(bool on) {
    showFull_ = on;
    load();
}

void PickPOMaster::load() {
    const ULong keep = rows_.empty() ? 0 : rows_[highlight_].poid;
    rows_.clear();
    std::map<ULong, std::string> names;
    std::string error;
    session_.store.project(APVendor::info(), APVendor::KeyVendorID, {}, {"VendorID", "VendorName"},
                           [&](const std::vector<store::Value>& v) { names[static_cast<ULong>(v[0].i)] = v[1].s; },
                           error);
    store::Table<POMaster> orders(session_.store);
    POMaster po;
    const int key = order_ == Order::ByPONumber ? POMaster::KeyPONumber : POMaster::KeyVendorID;
    for (auto c = orders.all(key); c.next(po);) {
        if (!showFull_ && po.Reconciled == 2) continue;
        Row r;
        r.poid = po.POID;
        r.poNumber = po.PONumber.clip();
        r.vendorId = pic::clip(pic::format(po.VendorID, "@n_6b"));
        auto it = names.find(po.VendorID);
        if (it != names.end()) r.vendorName = it->second;
        r.issueDate = pic::clip(pic::format(po.IssueDate, "@d1b"));
        r.amount = pic::clip(pic::format(po.POAmount, "@n-14.2"));
        rows_.push_back(std::move(r));
    }
    highlight_ = 0;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].poid == keep) highlight_ = i;
}

void PickPOMaster::locate(const std::string& typed) {
    auto lower = [](std::string s) {
        for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    const std::string want = lower(typed);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const std::string& col = order_ == Order::ByPONumber ? rows_[i].poNumber : rows_[i].vendorId;
        if (lower(col).rfind(want, 0) == 0) {
            highlight_ = i;
            return;
        }
    }
}

void PickPOMaster::select() {
    if (rows_.empty()) return;
    session_.globals.DecimalVariable = rows_[highlight_].poid;
    session_.globals.GlobalResponse = suite::Response::Completed;
    selected_ = true;
}

void PickPOMaster::cancel() {
    session_.globals.GlobalResponse = suite::Response::Cancelled;
    selected_ = false;
}

void PickPOMaster::deleteHighlighted() {
    if (rows_.empty()) return;
    const ULong poid = rows_[highlight_].poid;
    if (session_.ui.ask("Are you sure you want to delete the highlighted Purchase Order?", "Confirm Delete",
                        "&Yes|&No", ui::Icon::Warning) != 1)
        return;
    APInv inv;
    inv.Posted = 0;
    for (auto c = store::Table<APInv>(session_.store).scan(APInv::KeyPosted, inv, {false, 1, false}); c.next(inv);) {
        if (inv.POID != poid) continue;
        session_.ui.beep();
        session_.ui.tell(
            "This Purchase Order is currently being reconciled by an unposted A/P Invoice.  The Purchase Order "
            "cannot be deleted until the A/P Invoice is either posted or deleted.",
            "Purchase Order Being Reconciled", ui::Icon::Warning);
        return;
    }
    POMaster po;
    po.POID = poid;
    store::Table<POMaster> orders(session_.store);
    if (!orders.fetch(POMaster::KeyPOID, po)) return;
    store::Status s = inOneTransaction(session_.store, [&] {
        if (store::Status w = poster_.postOrderDeleteReduced(poid); !w) return w;
        return orders.removeCascade(po);
    });
    if (!s) session_.errors.report(s.message);
    load();
}

std::optional<std::string> pickPONumber(Session& s) {
    s.globals.GlobalRequest = suite::Request::Select;
    s.globals.GlobalResponse = suite::Response::None;
    if (!callOut(s, "PickPOMaster") || s.globals.GlobalResponse != suite::Response::Completed) return std::nullopt;
    POMaster po;
    po.POID = static_cast<ULong>(s.globals.DecimalVariable);
    if (!store::Table<POMaster>(s.store).fetch(POMaster::KeyPOID, po)) return std::nullopt;
    return po.PONumber.clip();
}

std::optional<std::string> typedPONumber(Session& s, const std::string& typed) {
    const std::string number = Text<20>(typed).clip();
    if (number.empty()) return number;
    POMaster po;
    po.PONumber = number;
    if (store::Table<POMaster>(s.store).fetch(POMaster::KeyPONumber, po)) return number;
    return pickPONumber(s);
}

}  // namespace vtl::ent
