// OK on the purchase-order form: the save-time questions, then the posting,
// the PO-number counter and the header write as one transaction.
#include "platform/suite/error_object.h"
#include "siblings/files/user_log.h"
#include "siblings/lookups/lookups.h"
#include "vtlpoent/form/update_po_master.h"

namespace vtl::ent {
namespace {

// The PO number when it is a plain number, 0 otherwise.
ULong numberOf(const std::string& s) {
    if (s.empty() || s.size() > 9 || s.find_first_not_of("0123456789") != std::string::npos) return 0;
    return static_cast<ULong>(std::stoul(s));
}

}  // namespace

bool UpdatePOMaster::ok() {
    if (closed_) return false;
    if (mode_ == FormMode::View) {
        closed_ = true;
        response_ = suite::Response::Completed;
        return true;
    }
    if (!okEnabled_) return false;
    refill();
    if (po_.PONumber.blank()) {
        focus_ = focus::kPONumber;
        return false;
    }
    if (po_.VendorID == 0) {
        if (session_.ui.ask("No Vendor has been entered. Do you wish to |save this Purchase Order with no Vendor ID?",
                            "Save with No Vendor Specified", "&Yes|&No", ui::Icon::Question) != 1) {
            focus_ = focus::kVendor;
            return false;
        }
    } else if (rows_.empty()) {
        if (session_.ui.ask("No Line Items have been entered. Do you wish to |save this Purchase Order with no Line "
                            "Items?",
                            "Save with No Line Items", "&Yes|&No", ui::Icon::Question) != 1)
            return false;
    }
    assignDefaultJob();
    if (!revalidate()) return false;
    if (!save()) return false;

    savedAny_ = true;
    savedPOID_ = po_.POID;
    if (mode_ == FormMode::Add && session_.module.repetitiveInsert == 1) {
        // Ready for the next order: attachments preview hidden, first tab.
        if (primeNew()) {
            refill();
            return true;
        }
    }
    closed_ = true;
    response_ = suite::Response::Completed;
    return true;
}

void UpdatePOMaster::assignDefaultJob() {
    if (!po_.DefaultJob.blank()) return;
    std::string first;
    bool several = false;
    for (const PODetail& d : storedLines()) {
        if (d.DetailType != "Job" || d.TextFlag == 1) continue;
        if (first.empty()) first = d.JobID.clip();
        else if (d.JobID != first) several = true;
    }
    if (first.empty()) return;
    if (several &&
        session_.ui.ask("You have not supplied a default Job ID and purchase order line|items have been assigned to "
                        "multiple jobs. Would you like to assign|Job " +
                            first + " as the default Job ID on this Purchase Order?",
                        "Assign Default Job ID?", "&Yes|&No", ui::Icon::Question) != 1)
        return;
    po_.DefaultJob = first;
}

// The fields once more, without their questions: numbers that name nothing
// still open their look-ups.
bool UpdatePOMaster::revalidate() {
    APVendor v;
    v.VendorID = po_.VendorID;
    if (po_.VendorID && !store::Table<APVendor>(session_.store).fetch(APVendor::KeyVendorID, v)) {
        auto chosen = siblings::browseAPVendor(session_, enteredVendor_);
        if (!chosen) {
            focus_ = focus::kVendor;
            return false;
        }
        po_.VendorID = chosen->VendorID;
        showVendor();
    }
    if (!po_.DefaultJob.blank() && session_.globals.JobCostInstalled) {
        JCHeader j;
        j.JobID = po_.DefaultJob;
        if (!store::Table<JCHeader>(session_.store).fetch(JCHeader::KeyJobID, j)) {
            auto chosen = siblings::browseJCHeader(session_, po_.DefaultJob.clip());
            if (!chosen) {
                focus_ = focus::kDefaultJob;
                return false;
            }
            po_.DefaultJob = chosen->JobID;
        }
    }
    return true;
}

// Posting, counter and header take effect together or not at all, so a
// failed write or a second OK never posts twice or skips a number.
bool UpdatePOMaster::save() {
    const POMaster before = po_;
    std::optional<std::pair<ULong, ULong>> renumbered;
    store::Transaction tx(session_.store);
    if (!session_.errors.check(tx.status())) return false;

    if (mode_ == FormMode::Add && sys_.AutoNumberPOs && assignedPONumber_ != 0 &&
        numberOf(po_.PONumber.clip()) == assignedPONumber_) {
        store::Table<Systems> systems(session_.store);
        Systems now;
        if (store::Table<Systems>(session_.store).all(Systems::KeySystemID).next(now)) {
            if (now.NextPONumber != assignedPONumber_) {
                renumbered.emplace(assignedPONumber_, now.NextPONumber);
                po_.PONumber = std::to_string(now.NextPONumber);
            }
            now.NextPONumber = now.NextPONumber + 1;
            if (!session_.errors.check(systems.update(now))) {
                po_ = before;
                return false;
            }
        }
    }

    std::vector<Byte> states;
    for (const PODetail& d : storedLines()) states.push_back(d.Reconciliation);
    setReconciled(po_, orderReconciliationOnSave(po_.POAmount, states));

    OpeningLines opening = opening_;
    poster().postSave(opening, po_.POID);
    if (!session_.errors.check(store::Table<POMaster>(session_.store).update(po_)) ||
        !session_.errors.check(tx.commit())) {
        po_ = before;
        return false;
    }
    // After a save the form closes or primes a new order with a snapshot of
    // its own, so this order's snapshot is never reversed again; rebuilding
    // it would read every line once more for nothing.
    opening_.clear();
    if (renumbered) {
        // Told once the new number is ours, not while other users wait on the lock.
        session_.ui.tell("The automatically assigned Purchase Order Number will be changed |from " +
                             std::to_string(renumbered->first) + " to " + std::to_string(renumbered->second) + ".",
                         "Purchase Order Number Change", ui::Icon::Information);
    }
    if (mode_ == FormMode::Add || headerChanged()) logSave();
    original_ = po_;
    return true;
}

void UpdatePOMaster::logSave() {
    std::string text = mode_ == FormMode::Add ? "Added Purchase Order" : "Changed Purchase Order";
    if (!po_.PONumber.blank()) text += " #" + po_.PONumber.clip();
    text += " for Vendor (" + std::to_string(po_.VendorID) + ") " + vendorName_;
    siblings::logUserActivity(session_, "PO Enter Purchase Orders", text);
}

bool UpdatePOMaster::headerChanged() const {
    const POMaster& a = po_;
    const POMaster& b = original_;
    return a.VendorID != b.VendorID || a.ShipToType != b.ShipToType || a.ShipToJob != b.ShipToJob ||
           a.ShipToVendor != b.ShipToVendor || a.ShipToCustomer != b.ShipToCustomer ||
           a.PreparedBy != b.PreparedBy || a.CheckNo != b.CheckNo || a.PONumber != b.PONumber ||
           a.IssueDate != b.IssueDate || a.DeliverAfterDate != b.DeliverAfterDate ||
           a.DeliveryDate != b.DeliveryDate || a.DeadlineDate != b.DeadlineDate ||
           a.PreTaxAmount != b.PreTaxAmount || a.POAmount != b.POAmount || a.DiscountAmount != b.DiscountAmount ||
           a.TaxRate != b.TaxRate || a.TaxAmount != b.TaxAmount || a.OtherCharges != b.OtherCharges ||
           a.DefaultJob != b.DefaultJob || a.Taxable != b.Taxable || a.ShipToName != b.ShipToName ||
           a.ShipToAddress1 != b.ShipToAddress1 || a.ShipToAddress2 != b.ShipToAddress2 ||
           a.ShipToCity != b.ShipToCity || a.ShipToState != b.ShipToState || a.ShipToZip != b.ShipToZip ||
           a.ShipToContact != b.ShipToContact || a.ShipVia != b.ShipVia ||
           a.ShipToInstructions != b.ShipToInstructions || a.FOB != b.FOB || a.Terms != b.Terms ||
           a.Reconciled != b.Reconciled;
}

}  // namespace vtl::ent
