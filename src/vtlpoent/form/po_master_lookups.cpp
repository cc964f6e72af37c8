// The look-up buttons beside the form's entries, the purchasing agents'
// drop list, and sending the notes list elsewhere.
#include "siblings/lookups/lookups.h"
#include "siblings/services/drop_list.h"
#include "siblings/services/notes.h"
#include "siblings/services/send_to.h"
#include "vtlpoent/form/update_po_master.h"

namespace vtl::ent {
namespace {

constexpr const char* kAgentList = "POM Purchasing Agent";

}  // namespace

bool UpdatePOMaster::lookupVendor() {
    if (!vendorEnabled_ || mode_ == FormMode::View) return false;
    auto chosen = siblings::browseAPVendor(session_, enteredVendor_);
    if (!chosen) {
        focus_ = focus::kVendor;
        return false;
    }
    enteredVendor_ = std::to_string(chosen->VendorID);
    return setVendorId(chosen->VendorID);
}

bool UpdatePOMaster::lookupDefaultJob() {
    if (mode_ == FormMode::View) return false;
    auto chosen = siblings::browseJCHeader(session_, po_.DefaultJob.clip());
    if (!chosen) {
        focus_ = focus::kDefaultJob;
        return false;
    }
    // The job's own checks (closed, inactive, tax rate) apply as if typed.
    return enterDefaultJob(chosen->JobID.clip());
}

std::vector<std::string> UpdatePOMaster::purchasingAgents() const {
    std::vector<std::string> out;
    DropList d;
    d.FieldName = kAgentList;
    for (auto c = store::Table<DropList>(session_.store).scan(DropList::KeyFieldValue, d, {false, 1, false});
         c.next(d);)
        out.push_back(d.Value.clip());
    return out;
}

bool UpdatePOMaster::choosePurchasingAgent() {
    if (mode_ == FormMode::View) return false;
    auto chosen = services::updateDropList(session_, kAgentList, true);
    if (!chosen) return false;
    setPreparedBy(*chosen);
    return true;
}

std::string UpdatePOMaster::notesSendCaption() const {
    return "Notes for PO " + po_.PONumber.clip() + " to Vendor (" + std::to_string(po_.VendorID) + ") " + vendorName_;
}

bool UpdatePOMaster::sendNotes() {
    services::UpdateNotes notes(session_, "POMaster", std::to_string(po_.POID));
    if (notes.rowCount() == 0) return false;
    std::vector<std::string> headers;
    for (const auto& c : notes.columns()) headers.push_back(c.header);
    services::sendListTo(session_, notesSendCaption(), headers, notes.rows());
    return true;
}

}  // namespace vtl::ent
