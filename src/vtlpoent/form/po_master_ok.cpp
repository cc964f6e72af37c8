// OK on the purchase-order form: the save-time questions, then the posting,
// the PO-number counter and the header write as one transaction.
#include <algorithm>
#include <map>

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
    if (!okEnabled_ || readOnly()) return false;
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
    for (const PODetail& d : lines_) {
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

// The counter, the header, the lines and the figures they move take effect
// together or not at all, so a failed write or a second OK never posts
// twice or skips a number, and a killed program leaves the order as stored.
bool UpdatePOMaster::save() {
    const POMaster before = po_;
    std::optional<std::pair<ULong, ULong>> renumbered;
    store::Transaction tx(session_.store);
    if (!session_.errors.check(tx.status())) return false;
    auto fail = [&](const store::Status& s) {
        session_.errors.check(s);
        po_ = before;
        return false;
    };

    if (!headerStored_ && sys_.AutoNumberPOs && assignedPONumber_ != 0 &&
        numberOf(po_.PONumber.clip()) == assignedPONumber_) {
        store::Table<Systems> systems(session_.store);
        Systems now;
        if (systems.all(Systems::KeySystemID).next(now)) {
            if (now.NextPONumber != assignedPONumber_) {
                renumbered.emplace(assignedPONumber_, now.NextPONumber);
                po_.PONumber = std::to_string(now.NextPONumber);
            }
            now.NextPONumber = now.NextPONumber + 1;
            if (store::Status s = systems.update(now); !s) return fail(s);
        }
    }
    if (store::Status s = writeOrder(); !s) return fail(s);
    if (store::Status s = tx.commit(); !s) return fail(s);

    if (renumbered) {
        // Told once the new number is ours, not while other users wait on the lock.
        session_.ui.tell("The automatically assigned Purchase Order Number will be changed |from " +
                             std::to_string(renumbered->first) + " to " + std::to_string(renumbered->second) + ".",
                         "Purchase Order Number Change", ui::Icon::Information);
    }
    if (mode_ == FormMode::Add || headerChanged()) logSave();
    headerStored_ = true;
    assignedPONumber_ = 0;
    original_ = po_;
    refill();
    return true;
}

namespace {

// What the purchase-order form edits of a line. Receiving and invoicing
// (quantities received and invoiced, serial numbers, invoice figures and the
// line's state) belong to others and are kept as stored.
void takeEntryFields(PODetail& to, const PODetail& from) {
    const PODetail kept = to;
    to = from;
    to.rowId_ = kept.rowId_;
    to.QtyThisPackSlip = kept.QtyThisPackSlip;
    to.QtyRcvdNotInvoiced = kept.QtyRcvdNotInvoiced;
    to.QtyInvoiced = kept.QtyInvoiced;
    to.QtyBackord = kept.QtyBackord;
    to.QtyThisInvoice = kept.QtyThisInvoice;
    to.PriceThisInvoice = kept.PriceThisInvoice;
    to.PreTaxThisInvoice = kept.PreTaxThisInvoice;
    to.TaxThisInvoice = kept.TaxThisInvoice;
    to.TotalThisInvoice = kept.TotalThisInvoice;
    to.AmountInvoiced = kept.AmountInvoiced;
    to.Reconciliation = kept.Reconciliation;
    to.ReceiptDate = kept.ReceiptDate;
    to.SerialID = kept.SerialID;
}

bool sameLine(const PODetail& a, const PODetail& b) {
    return a.POID == b.POID && a.ItemID == b.ItemID && a.ItemType == b.ItemType &&
           a.TextFlag == b.TextFlag && a.Description == b.Description && a.QtyOrdered == b.QtyOrdered &&
           a.UnitPrice == b.UnitPrice && a.PreTaxAmount == b.PreTaxAmount && a.TaxAmount == b.TaxAmount &&
           a.TotalAmount == b.TotalAmount && a.UnitName == b.UnitName && a.DetailType == b.DetailType &&
           a.Account == b.Account && a.JobID == b.JobID && a.CostCode == b.CostCode &&
           a.EquipmentID == b.EquipmentID && a.CostCategory == b.CostCategory && a.Taxable == b.Taxable &&
           a.DeliverAfterDate == b.DeliverAfterDate && a.DeliveryDate == b.DeliveryDate &&
           a.DeadlineDate == b.DeadlineDate && a.Comment == b.Comment && a.VendorCatalogID == b.VendorCatalogID &&
           a.LocationID == b.LocationID && a.BinID == b.BinID && a.ConversionID == b.ConversionID &&
           a.INVQuantity == b.INVQuantity && a.SequenceNo == b.SequenceNo && a.CommittedPrice == b.CommittedPrice &&
           a.Text == b.Text;
}

}  // namespace

// Writes the form's lines over what is stored now, inside the caller's
// transaction. Only the lines the form changed are written, and those keep
// what receiving and invoicing stored meanwhile; a line the form did not
// know of (added by someone else meanwhile) stays, one someone else deleted
// is not brought back. The figures move by the shares of the stored lines
// before and after, so they follow the lines whatever happened meanwhile.
store::Status UpdatePOMaster::writeOrder() {
    store::Table<PODetail> table(session_.store);
    store::Table<POMaster> orders(session_.store);
    FigureChanges changes(session_.globals.CostCodeLen);

    POMaster stored;
    stored.POID = po_.POID;
    const bool exists = orders.fetch(POMaster::KeyPOID, stored);
    if (headerStored_ && !exists)
        return store::Status::failure("This purchase order has been deleted by another user. Saving POMaster");

    std::map<ULong, PODetail> now;
    for (PODetail& d : linesOfOrder(session_.store, po_.POID)) now.emplace(d.DetailID, std::move(d));
    std::map<ULong, const PODetail*> read;
    for (const PODetail& d : readLines_) read.emplace(d.DetailID, &d);

    // A line's state and not-invoiced quantity follow what it holds now.
    auto refreshLineState = [&](PODetail& d) {
        if (d.Reconciliation != kFullyReconciled) d.Reconciliation = lineReconciliation(d);
        if (d.TextFlag != 1 && d.DetailType == "Inventory") d.INVQuantity = openInventoryQuantity(session_.store, d);
    };
    std::vector<Byte> states;
    std::vector<PODetail> saved;
    for (PODetail& line : lines_) {
        auto at = now.find(line.DetailID);
        auto wasRead = read.find(line.DetailID);
        if (at == now.end()) {
            if (wasRead != read.end()) continue;  // deleted meanwhile by someone else
            PODetail added = line;
            added.POID = po_.POID;
            added.rowId_ = 0;
            refreshLineState(added);
            changes.add(added);
            if (store::Status s = table.insert(added); !s) return s;
            saved.push_back(added);
            continue;
        }
        PODetail current = at->second;
        now.erase(at);
        if (wasRead == read.end() || !sameLine(*wasRead->second, line)) {
            PODetail merged = current;
            takeEntryFields(merged, line);
            refreshLineState(merged);
            changes.change(current, merged);
            if (store::Status s = table.update(merged); !s) return s;
            current = merged;
        }
        saved.push_back(current);
    }
    for (auto& [id, left] : now) {
        if (read.count(id)) {
            // The form deleted it.
            changes.remove(left);
            if (store::Status s = table.remove(left); !s) return store::Status::failure(store::reworded(s, " Deleting PODetail"));
        } else {
            saved.push_back(left);
        }
    }
    if (store::Status s = changes.apply(session_.store); !s) return s;

    for (const PODetail& d : saved) states.push_back(d.Reconciliation);
    setReconciled(po_, orderReconciliationOnSave(po_.POAmount, states));
    if (exists) {
        // What payables reconciled meanwhile stays.
        po_.QuantityReconciled = stored.QuantityReconciled;
        po_.AmountReconciled = stored.AmountReconciled;
        po_.rowId_ = stored.rowId_;
        if (store::Status s = orders.update(po_); !s) return s;
    } else {
        po_.rowId_ = 0;
        if (store::Status s = orders.insert(po_); !s) return s;
    }
    std::sort(saved.begin(), saved.end(), [](const PODetail& a, const PODetail& b) {
        return a.SequenceNo != b.SequenceNo ? a.SequenceNo < b.SequenceNo : a.DetailID < b.DetailID;
    });
    lines_ = saved;
    readLines_ = saved;
    return store::Status::success();
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
