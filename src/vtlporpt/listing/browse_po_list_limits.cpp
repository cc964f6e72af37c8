#include "vtlporpt/listing/browse_po_list_limits.h"

#include <algorithm>

#include "platform/picture/picture.h"
#include "platform/suite/error_object.h"
#include "platform/suite/module_shared.h"
#include "siblings/services/help_topic.h"
#include "vtlpoent/call_out.h"
#include "vtlporpt/listing/listing_data.h"
#include "vtlporpt/listing/print_po_listing.h"

namespace vtl::rpt {
namespace {

std::string upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

}  // namespace

namespace {
struct FavouriteLimit {
    ULong limitId = 0;
};
}  // namespace

ULong& globalReportLimit(const ModuleState& module) { return suite::moduleShared<FavouriteLimit>(module).limitId; }

std::vector<LimList> limitLists(store::Store& store, ULong limitId) {
    std::vector<LimList> out;
    LimList l;
    l.Owner = kLimListOwner;
    l.LimitID = limitId;
    for (auto c = store::Table<LimList>(store).scan(LimList::KeyOwnerLimitType, l, {false, 2, false}); c.next(l);)
        out.push_back(l);
    return out;
}

bool lockedAgainst(store::Store& store, const POLimits& l, const std::string& userId) {
    if (l.Locked != 1 || l.UserID.blank() || l.UserID.clip() == userId) return false;
    // Only an owner still on file holds the lock.
    UserFile owner;
    owner.UserID = l.UserID.clip();
    return store::Table<UserFile>(store).fetch(UserFile::KeyUserID, owner);
}

BrowsePOListLimits::BrowsePOListLimits(Session& s) : s_(s) { reload(); }

std::vector<ui::LookupColumn> BrowsePOListLimits::columns() const {
    return {{"Report Title", 160}, {"User ID", 44}, {"Modify Date", 50}};
}

std::vector<std::string> BrowsePOListLimits::cells(int row) const {
    const POLimits& l = record(row);
    return {pic::format(l.ReportTitle, "@s40"), pic::format(l.UserID, "@s10"),
            pic::clip(pic::format(l.ModifyDate, "@d1B"))};
}

void BrowsePOListLimits::reload() {
    const ULong keep = highlighted() ? record(highlight_).LimitID : 0;
    rows_.clear();
    POLimits l;
    l.Report = kListingReport;
    for (auto c = store::Table<POLimits>(s_.store).scan(POLimits::KeyReport, l, {false, 1, false}); c.next(l);)
        if (!favouritesOnly() || l.LimitID == globalReportLimit(s_.module)) rows_.push_back(l);
    highlight_ = rows_.empty() ? -1 : 0;
    if (keep) highlightId(keep);
}

void BrowsePOListLimits::highlightId(ULong id) {
    for (int i = 0; i < rowCount(); ++i)
        if (record(i).LimitID == id) highlight_ = i;
}

void BrowsePOListLimits::setHighlight(int row) {
    if (row >= 0 && row < rowCount()) highlight_ = row;
}

void BrowsePOListLimits::locate(const std::string& typed) {
    const std::string want = upper(typed);
    for (int i = 0; i < rowCount(); ++i)
        if (upper(record(i).ReportTitle.clip()) >= want) {
            highlight_ = i;
            return;
        }
    if (rowCount()) highlight_ = rowCount() - 1;
}

void BrowsePOListLimits::callForm(suite::Request request) {
    s_.globals.GlobalRequest = request;
    s_.globals.GlobalResponse = suite::Response::None;
    s_.globals.DecimalVariable = request == suite::Request::Insert || !highlighted() ? 0 : record(highlight_).LimitID;
    ent::callOut(s_, "UpdatePOListLimits");
    const ULong id = static_cast<ULong>(s_.globals.DecimalVariable);
    reload();
    if (s_.globals.GlobalResponse == suite::Response::Completed && id) highlightId(id);
}

void BrowsePOListLimits::insert() {
    if (!favouritesOnly()) callForm(suite::Request::Insert);
}

void BrowsePOListLimits::change() {
    if (highlighted()) callForm(suite::Request::Change);
}

void BrowsePOListLimits::view() {
    if (highlighted()) callForm(suite::Request::View);
}

bool BrowsePOListLimits::deleteHighlighted() {
    if (favouritesOnly() || !highlighted()) return false;
    POLimits l = record(highlight_);
    if (lockedAgainst(s_.store, l, s_.globals.UserID)) {
        s_.ui.tell("This report is locked and can only be modified or deleted by user " + l.UserID.clip() + ".",
                   "Report Cannot Be Deleted", ui::Icon::Exclamation);
        return false;
    }
    if (s_.ui.ask("Are you sure you want to delete the highlighted record?", "Confirm Delete", "&Yes|&No",
                  ui::Icon::Question) != 1)
        return false;
    // The set goes with its list limits and its places on the favourites.
    store::Transaction t(s_.store);
    bool ok = s_.errors.check(store::Table<POLimits>(s_.store).remove(l));
    for (LimList row : limitLists(s_.store, l.LimitID))
        if (ok) ok = s_.errors.check(store::Table<LimList>(s_.store).remove(row));
    MemLimit m;
    std::vector<MemLimit> favourites;
    for (auto c = store::Table<MemLimit>(s_.store).all(MemLimit::KeyMemLimitID); c.next(m);)
        if (m.LimitID == l.LimitID && m.Owner == kLimListOwner) favourites.push_back(m);
    for (MemLimit f : favourites)
        if (ok) ok = s_.errors.check(store::Table<MemLimit>(s_.store).remove(f));
    if (ok) ok = s_.errors.check(t.commit());
    reload();
    return ok;
}

bool BrowsePOListLimits::duplicate() {
    if (!highlighted()) return false;
    const POLimits from = record(highlight_);
    POLimits copy = from;
    copy.LimitID = 0;
    copy.ReportTitle = "Copy of " + from.ReportTitle.clip();
    copy.UserID = s_.globals.UserID;
    copy.ModifyDate = s_.clock.today();
    copy.Locked = 0;
    store::Transaction t(s_.store);
    bool ok = s_.errors.check(store::Table<POLimits>(s_.store).insert(copy));
    // The copy chooses what the set chooses: its lists come along.
    for (LimList row : limitLists(s_.store, from.LimitID)) {
        if (!ok) break;
        row.LimListID = 0;
        row.LimitID = copy.LimitID;
        ok = s_.errors.check(store::Table<LimList>(s_.store).insert(row));
    }
    if (ok) ok = s_.errors.check(t.commit());
    reload();
    if (ok) highlightId(copy.LimitID);
    return ok;
}

bool BrowsePOListLimits::addToFavourites() {
    if (favouritesOnly() || !highlighted()) return false;
    const POLimits& l = record(highlight_);
    MemLimit m;
    m.UserID = s_.globals.UserID;
    m.Owner = kLimListOwner;
    m.LimitID = l.LimitID;
    store::Table<MemLimit> table(s_.store);
    if (table.fetch(MemLimit::KeyUserOwnerLimit, m)) {
        s_.ui.beep();
        s_.ui.tell("This report has already been added to your Favorite Report list.", "Report Already Added",
                   ui::Icon::Information);
        return false;
    }
    m = MemLimit();
    m.UserID = s_.globals.UserID;
    m.Owner = kLimListOwner;
    m.LimitID = l.LimitID;
    m.ReportName = kListingTitle;
    m.ReportTitle = l.ReportTitle;
    if (!s_.errors.check(table.insert(m))) return false;
    s_.ui.tell("This report has now been added to your Favorite Report list", "Report Added", ui::Icon::Information);
    return true;
}

void BrowsePOListLimits::print(bool direct) {
    if (rows_.empty() || !highlighted()) {
        s_.ui.tell("This report cannot be printed without first creating |a 'Report Format' with the desired report "
                   "limits.|Press the Insert button to create a report format.",
                   "No Report Format Selected", ui::Icon::Exclamation);
        return;
    }
    s_.globals.ReportFilter = std::to_string(record(highlight_).LimitID);
    if (direct) s_.globals.PrintPreview = 0;
    ent::callOut(s_, kListingProcedure);
    s_.globals.PrintPreview = 1;
}

void BrowsePOListLimits::help() { services::openHelp(s_, kHelpTopic); }

void runBrowsePOListLimits(Session& s) {
    suite::ProcedureName named(s.errors, "BrowsePOListLimits");
    BrowsePOListLimits window(s);
    s.views.run(window);
}

}  // namespace vtl::rpt
