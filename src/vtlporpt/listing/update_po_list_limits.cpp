#include "vtlporpt/listing/update_po_list_limits.h"

#include "platform/suite/error_object.h"
#include "siblings/lookups/lookups.h"
#include "siblings/services/help_topic.h"
#include "vtlpoent/call_out.h"
#include "vtlpoent/search/pick_po_master.h"
#include "vtlporpt/listing/browse_po_list_limits.h"
#include "vtlporpt/listing/listing_data.h"
#include "vtlporpt/listing/print_po_listing.h"

namespace vtl::rpt {

const std::array<const char*, 6> kDateTypes = {"No Date Limit", "Issue Date",    "Acceptance Date",
                                               "Expected Delivery Date", "Deadline Date", "Approval Date"};
const std::array<const char*, 6> kDateLetters = {"", "I", "A", "E", "D", "P"};

void listingDefaults(POLimits& l, const std::string& userId) {
    const ULong id = l.LimitID;
    const auto title = l.ReportTitle;
    const store::RecordBase identity = l;
    l = POLimits();
    static_cast<store::RecordBase&>(l) = identity;
    l.LimitID = id;
    l.ReportTitle = title;
    l.Report = kListingReport;
    l.Unreconciled = l.PartiallyReconciled = l.FullyReconciled = 1;
    l.Sequence = "P";
    l.DateLimitType = "I";
    l.SelectedDates = 0;
    l.SelectedRef = 3;
    l.SortDetail = "W";
    l.UserID = userId;
}

UpdatePOListLimits::UpdatePOListLimits(Session& s) : s_(s) {}

bool UpdatePOListLimits::open() {
    request_ = s_.globals.GlobalRequest;
    if (request_ != suite::Request::Change && request_ != suite::Request::View) request_ = suite::Request::Insert;
    if (request_ == suite::Request::Insert) {
        listingDefaults(l_, s_.globals.UserID);
        // The set's number is handed out now: its list limits are kept under it before OK.
        std::int64_t n = 0;
        if (!s_.errors.check(store::Table<POLimits>(s_.store).reserveNumber(n))) return false;
        l_.LimitID = static_cast<ULong>(n);
    } else {
        l_.LimitID = static_cast<ULong>(s_.globals.DecimalVariable);
        if (!store::Table<POLimits>(s_.store).fetch(POLimits::KeyLimitID, l_)) return false;
        stored_ = true;
    }
    dateType_ = 0;
    if (l_.SelectedDates == 1)
        for (int i = 1; i < 6; ++i)
            if (l_.DateLimitType == kDateLetters[static_cast<std::size_t>(i)]) dateType_ = i;
    UserFile me;
    me.UserID = s_.globals.UserID;
    const bool level2 = store::Table<UserFile>(s_.store).fetch(UserFile::KeyUserID, me) && me.PurchaseLevel == 2;
    lockVisible_ = level2;
    if (level2 && l_.UserID.blank()) l_.UserID = s_.globals.UserID;
    // A locked set is its owner's alone to change.
    readOnly_ = request_ == suite::Request::View || lockedAgainst(s_.store, l_, s_.globals.UserID);
    if (l_.SelectedRef == 2) l_.SelectedJobs = l_.SelectedCostCodes = 0;
    return true;
}

std::string UpdatePOListLimits::caption() const {
    switch (request_) {
        case suite::Request::Insert: return "Adding a Purchase Order Listing";
        case suite::Request::Change: return readOnly_ ? "View Record" : "Changing a Purchase Order Listing";
        default: return "View Record";
    }
}

std::vector<std::string> UpdatePOListLimits::users() const {
    std::vector<std::string> out;
    UserFile u;
    for (auto c = store::Table<UserFile>(s_.store).all(UserFile::KeyUserID); c.next(u);) out.push_back(u.UserID.clip());
    return out;
}

Choice UpdatePOListLimits::choice(Limit which) const {
    Byte v = 0;
    switch (which) {
        case Limit::PONumbers: v = l_.SelectedPONumbers; break;
        case Limit::Vendors: v = l_.SelectedVendors; break;
        case Limit::Jobs: v = l_.SelectedJobs; break;
        case Limit::CostCodes: v = l_.SelectedCostCodes; break;
    }
    return v == 1 ? Choice::Range : v == 2 ? Choice::List : Choice::All;
}

void UpdatePOListLimits::setChoice(Limit which, Choice c) {
    if (readOnly_ || !enabled(which)) return;
    const Byte v = static_cast<Byte>(c);
    switch (which) {
        case Limit::PONumbers: l_.SelectedPONumbers = v; break;
        case Limit::Vendors: l_.SelectedVendors = v; break;
        case Limit::Jobs: l_.SelectedJobs = v; break;
        case Limit::CostCodes: l_.SelectedCostCodes = v; break;
    }
}

bool UpdatePOListLimits::enabled(Limit which) const {
    if (readOnly_) return false;
    if (which == Limit::Jobs || which == Limit::CostCodes) return l_.SelectedRef != 2;
    return true;
}

const char* UpdatePOListLimits::listButton(Limit which) {
    switch (which) {
        case Limit::PONumbers: return "Edit Puchase Order List";
        case Limit::Vendors: return "Edit Vendor List";
        case Limit::Jobs: return "Edit Job List";
        case Limit::CostCodes: return "Edit Cost Code List";
    }
    return "";
}

void UpdatePOListLimits::editList(Limit which) {
    if (!listEnabled(which)) return;
    using services::LimListType;
    const LimListType type = which == Limit::PONumbers ? LimListType::PONumber
                             : which == Limit::Vendors ? LimListType::VendorID
                             : which == Limit::Jobs    ? LimListType::JobID
                                                       : LimListType::CostCode;
    services::updateLimList(s_, kLimListOwner, l_.LimitID, type);
}

void UpdatePOListLimits::setInclude(Byte selectedRef) {
    if (readOnly_) return;
    l_.SelectedRef = selectedRef;
    if (selectedRef == 2) {
        l_.SelectedJobs = 0;
        l_.SelectedCostCodes = 0;
    }
}

bool UpdatePOListLimits::enterPO(bool from, const std::string& typed) {
    if (!rangeEnabled(Limit::PONumbers)) return false;
    const auto number = ent::typedPONumber(s_, typed);
    if (!number) return false;
    (from ? l_.POFrom : l_.POTo) = *number;
    return true;
}

bool UpdatePOListLimits::lookupPO(bool from) {
    if (!rangeEnabled(Limit::PONumbers)) return false;
    const auto number = ent::pickPONumber(s_);
    if (!number) return false;
    (from ? l_.POFrom : l_.POTo) = *number;
    return true;
}

bool UpdatePOListLimits::enterVendor(bool from, const std::string& typed) {
    if (!rangeEnabled(Limit::Vendors)) return false;
    const std::string t = Text<12>(typed).clip();
    if (t.empty()) {
        (from ? l_.VendorFrom : l_.VendorTo) = 0;
        return true;
    }
    char* end = nullptr;
    const unsigned long long n = std::strtoull(t.c_str(), &end, 10);
    APVendor v;
    v.VendorID = static_cast<ULong>(n);
    if (*end != '\0' || n > 0xFFFFFFFFull || !store::Table<APVendor>(s_.store).fetch(APVendor::KeyVendorID, v))
        return lookupVendor(from);
    (from ? l_.VendorFrom : l_.VendorTo) = v.VendorID;
    return true;
}

bool UpdatePOListLimits::lookupVendor(bool from) {
    if (!rangeEnabled(Limit::Vendors)) return false;
    const ULong current = from ? l_.VendorFrom : l_.VendorTo;
    auto v = siblings::browseAPVendor(s_, current ? std::to_string(current) : "");
    if (!v) return false;
    (from ? l_.VendorFrom : l_.VendorTo) = v->VendorID;
    return true;
}

bool UpdatePOListLimits::enterJob(bool from, const std::string& typed) {
    if (!rangeEnabled(Limit::Jobs)) return false;
    const std::string t = Text<10>(typed).clip();
    JCHeader j;
    j.JobID = t;
    if (!t.empty() && !store::Table<JCHeader>(s_.store).fetch(JCHeader::KeyJobID, j)) {
        auto chosen = siblings::selectJobByName(s_, typed);
        if (!chosen) return false;
        j = *chosen;
    }
    (from ? l_.JobFrom : l_.JobTo) = t.empty() ? std::string() : j.JobID.clip();
    return true;
}

bool UpdatePOListLimits::lookupJob(bool from) {
    if (!rangeEnabled(Limit::Jobs)) return false;
    auto j = siblings::browseJCHeader(s_, from ? l_.JobFrom.clip() : l_.JobTo.clip());
    if (!j) return false;
    (from ? l_.JobFrom : l_.JobTo) = j->JobID.clip();
    return true;
}

void UpdatePOListLimits::enterCostCode(bool from, const std::string& typed) {
    if (rangeEnabled(Limit::CostCodes)) (from ? l_.CostCodeFrom : l_.CostCodeTo) = Text<10>(typed).clip();
}

bool UpdatePOListLimits::lookupCostCode(bool from) {
    if (!rangeEnabled(Limit::CostCodes)) return false;
    auto c = siblings::browseJCCode(s_, from ? l_.CostCodeFrom.clip() : l_.CostCodeTo.clip());
    if (!c) return false;
    const int len = std::clamp(s_.globals.CostCodeLen, 0, 10);
    (from ? l_.CostCodeFrom : l_.CostCodeTo) = Text<10>(c->CostCode.str().substr(0, static_cast<std::size_t>(len))).clip();
    return true;
}

void UpdatePOListLimits::enterEquipment(bool from, const std::string& typed) {
    if (!readOnly_ && l_.SelectedEquipment == 1) (from ? l_.EQFrom : l_.EQTo) = Text<10>(typed).clip();
}

bool UpdatePOListLimits::lookupEquipment(bool from) {
    if (readOnly_ || l_.SelectedEquipment != 1) return false;
    auto e = siblings::browseEQHeader(s_, from ? l_.EQFrom.clip() : l_.EQTo.clip());
    if (!e) return false;
    (from ? l_.EQFrom : l_.EQTo) = e->EquipmentID.clip();
    return true;
}

void UpdatePOListLimits::setDateType(int index) {
    if (!readOnly_ && index >= 0 && index < 6) dateType_ = index;
}

bool UpdatePOListLimits::loadDefaults() {
    if (readOnly_) return false;
    if (s_.ui.ask("Are you sure you want to replace the displayed|limits with default limits?",
                  "Confirm Loading Default Limits", "&Yes|&No", ui::Icon::Question) != 1)
        return false;
    listingDefaults(l_, s_.globals.UserID);
    dateType_ = 0;
    return true;
}

bool UpdatePOListLimits::save() {
    l_.ModifyDate = s_.clock.today();
    l_.DateLimitType = kDateLetters[static_cast<std::size_t>(dateType_)];
    l_.SelectedDates = l_.DateLimitType.blank() ? 0 : 1;
    l_.Report = kListingReport;
    store::Table<POLimits> table(s_.store);
    if (!s_.errors.check(stored_ ? table.update(l_) : table.insert(l_))) return false;
    stored_ = true;
    return true;
}

bool UpdatePOListLimits::ok() {
    if (readOnly_) {
        closed_ = true;
        return true;
    }
    if (!save()) return false;
    s_.globals.DecimalVariable = l_.LimitID;
    s_.globals.GlobalResponse = suite::Response::Completed;
    closed_ = true;
    return true;
}

void UpdatePOListLimits::cancel() {
    // A set never stored leaves no list limits behind.
    if (!stored_) {
        store::Transaction t(s_.store);
        bool ok = true;
        for (LimList row : limitLists(s_.store, l_.LimitID))
            if (ok) ok = s_.errors.check(store::Table<LimList>(s_.store).remove(row));
        if (ok) s_.errors.check(t.commit());
    }
    if (s_.globals.GlobalResponse != suite::Response::Completed) s_.globals.GlobalResponse = suite::Response::Cancelled;
    closed_ = true;
}

bool UpdatePOListLimits::saveAndPrint() {
    if (!readOnly_ && !save()) return false;
    if (!stored_) return false;
    s_.globals.ReportFilter = std::to_string(l_.LimitID);
    ent::callOut(s_, kListingProcedure);
    s_.globals.PrintPreview = 1;
    // The set as stored now; what the form shows goes on from there.
    store::Table<POLimits>(s_.store).fetch(POLimits::KeyLimitID, l_);
    s_.globals.DecimalVariable = l_.LimitID;
    s_.globals.GlobalResponse = suite::Response::Completed;
    return true;
}

void UpdatePOListLimits::help() { services::openHelp(s_, kHelpTopic); }

void runUpdatePOListLimits(Session& s) {
    suite::ProcedureName named(s.errors, "UpdatePOListLimits");
    UpdatePOListLimits form(s);
    s.globals.GlobalResponse = suite::Response::None;
    if (!form.open()) {
        s.globals.GlobalResponse = suite::Response::Cancelled;
        return;
    }
    if (!s.views.run(form) || !form.closed()) form.cancel();
}

}  // namespace vtl::rpt
