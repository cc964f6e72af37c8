// Opening the purchase-order form, priming a new order, and Cancel.
#include "platform/suite/error_object.h"
#include "siblings/files/image_files.h"
#include "vtlpoent/form/update_po_master.h"

namespace vtl::ent {

UpdatePOMaster::UpdatePOMaster(Session& s) : session_(s) {}

std::string UpdatePOMaster::caption() const {
    switch (mode_) {
        case FormMode::Add: return "Adding a Purchase Order";
        case FormMode::Change: return "Changing a Purchase Order";
        case FormMode::View: break;
    }
    return "View Record";
}

std::string UpdatePOMaster::shipToTypes() const {
    return session_.globals.JobCostInstalled ? "Job|Vendor|Customer|Company|Other" : "Vendor|Customer|Company|Other";
}

std::string UpdatePOMaster::gstPrompt() const {
    std::string rate = std::to_string(sys_.GSTRate);
    // "5.000000" reads as the clerk typed it: "5"
    rate.erase(rate.find_last_not_of('0') + 1);
    if (!rate.empty() && rate.back() == '.') rate.pop_back();
    return sys_.GSTLabel.clip() + "  " + rate + "%";
}

void UpdatePOMaster::readUser() {
    user_ = UserFile();
    user_.UserID = session_.globals.UserID;
    if (!store::Table<UserFile>(session_.store).fetch(UserFile::KeyUserID, user_)) {
        user_ = UserFile();
        user_.UserID = session_.globals.UserID;
    }
}

bool UpdatePOMaster::open() {
    switch (session_.globals.GlobalRequest) {
        case suite::Request::Insert: mode_ = FormMode::Add; break;
        case suite::Request::View: mode_ = FormMode::View; break;
        default: mode_ = FormMode::Change; break;
    }
    sys_ = Systems();
    store::Table<Systems>(session_.store).all(Systems::KeySystemID).next(sys_);
    pstRate_ = 0;
    readUser();
    if (mode_ == FormMode::Add) {
        if (!primeNew()) return false;
    } else {
        po_ = POMaster();
        po_.POID = static_cast<ULong>(session_.globals.DecimalVariable);
        if (!store::Table<POMaster>(session_.store).fetch(POMaster::KeyPOID, po_)) return false;
        original_ = po_;
        headerStored_ = true;
        lines_ = linesOfOrder(session_.store, po_.POID);
        readLines_ = lines_;
        buildCityStateZip();
        showVendor();
        viewOnly_ = session_.module.viewOnly;
        vendorEnabled_ = po_.Reconciled == 0;
        poNumberEnabled_ = user_.MayChangePONumber != 0;
        okEnabled_ = !viewOnly_;
    }
    if (po_.IssueDate.isNull()) po_.IssueDate = session_.clock.today();
    if (canadian()) {
        if (auto r = pstRateFor(po_.CheckNo.clip())) pstRate_ = *r;
    }
    refill();
    return true;
}

bool UpdatePOMaster::primeNew() {
    // Read afresh: the counter has moved when the form primes the next order.
    sys_ = Systems();
    store::Table<Systems>(session_.store).all(Systems::KeySystemID).next(sys_);
    po_ = POMaster();
    po_.IssueDate = session_.clock.today();
    po_.PreparedBy = user_.FirstName.clip() + " " + user_.LastName.clip();
    if (user_.FirstName.blank() && user_.LastName.blank()) po_.PreparedBy = "";
    else addPurchasingAgent();
    assignedPONumber_ = 0;
    if (sys_.AutoNumberPOs) {
        assignedPONumber_ = sys_.NextPONumber;
        po_.PONumber = assignedPONumber_ ? std::to_string(assignedPONumber_) : std::string();
    }
    po_.TaxRate = sys_.DefaultPOTaxRate;
    if (canadian()) po_.CheckNo = sys_.CompanyState.clip();
    setReconciled(po_, kUnreconciled);
    // The number is the order's from now on, so notes and attachments can
    // name it before OK; the header itself is stored only by OK.
    std::int64_t poid = 0;
    if (!session_.errors.check(store::Table<POMaster>(session_.store).reserveNumber(poid))) return false;
    po_.POID = static_cast<ULong>(poid);
    original_ = po_;
    headerStored_ = false;
    lines_.clear();
    readLines_.clear();
    viewOnly_ = false;
    enteredVendor_.clear();
    vendorName_.clear();
    vendorPhone_.clear();
    vendorFax_.clear();
    cityStateZip_.clear();
    vendorEnabled_ = true;
    poNumberEnabled_ = true;
    okEnabled_ = true;
    highlighted_ = -1;
    return true;
}

void UpdatePOMaster::addPurchasingAgent() {
    store::Table<DropList> lists(session_.store);
    DropList d;
    d.FieldName = "POM Purchasing Agent";
    for (auto c = lists.scan(DropList::KeyFieldValue, d, {false, 1, false}); c.next(d);)
        if (d.Value == po_.PreparedBy.clip()) return;
    DropList added;
    added.FieldName = "POM Purchasing Agent";
    added.Value = po_.PreparedBy.clip();
    added.UserID = session_.globals.UserID;
    added.DateAdded = session_.clock.today();
    session_.errors.check(lists.insert(added));
}

void UpdatePOMaster::showVendor() {
    vendorName_.clear();
    vendorPhone_.clear();
    vendorFax_.clear();
    enteredVendor_ = po_.VendorID ? std::to_string(po_.VendorID) : std::string();
    if (!po_.VendorID) return;
    APVendor v;
    v.VendorID = po_.VendorID;
    if (!store::Table<APVendor>(session_.store).fetch(APVendor::KeyVendorID, v)) return;
    vendorName_ = v.VendorName.clip();
    vendorPhone_ = v.Phone.clip();
    vendorFax_ = v.Fax.clip();
}

void UpdatePOMaster::cancel() {
    if (closed_) return;
    closed_ = true;
    response_ = savedAny_ ? suite::Response::Completed : suite::Response::Cancelled;
    session_.globals.GlobalResponse = response_;
    // The stored order is as it was read: the form's changes were never written.
    if (!readOnly() && !headerStored_) removeUnsavedAttachments();
}

// Notes and attachments of an order that was never saved go with it.
void UpdatePOMaster::removeUnsavedAttachments() {
    std::vector<ULong> files;
    store::Status s = inOneTransaction(session_.store,
                                       [&] { return deleteOrderNotesAndImages(session_.store, po_.POID, files); });
    if (!session_.errors.check(s)) return;
    for (ULong image : files)
        if (auto f = siblings::removeImageFile(session_.dataFolder, image); !f) session_.errors.report(f.message);
}

}  // namespace vtl::ent
