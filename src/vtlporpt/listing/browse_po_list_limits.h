#pragma once
// BrowsePOListLimits: the list "Purchase Order Listing" of the saved report
// formats (limit sets) of the listing, in title order with a locator; the
// form for each, duplicating, the favourite reports, and printing.
#include <string>
#include <vector>

#include "platform/suite/session.h"
#include "platform/ui/ui.h"
#include "records/records.h"

namespace vtl::rpt {

// GlobalReportLimit: the limit set the favourite reports open the list on
// (0 when it was not opened from them), kept while the module is loaded.
ULong& globalReportLimit(const ModuleState& module);

class BrowsePOListLimits {
public:
    static constexpr const char* kTitle = "Purchase Order Listing";
    static constexpr const char* kHelpTopic = "html/PO_Purchase_Order_Listing.htm";

    explicit BrowsePOListLimits(Session& s);

    // ---- the list
    std::vector<ui::LookupColumn> columns() const;
    int rowCount() const { return static_cast<int>(rows_.size()); }
    std::vector<std::string> cells(int row) const;
    const POLimits& record(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
    int highlight() const { return highlight_; }
    void setHighlight(int row);
    // The locator: highlights the first title at or after `typed`, ignoring case.
    void locate(const std::string& typed);
    void reload();

    // Opened from the favourites: one set only, without Insert, Delete and
    // "Add to Favorite Reports".
    bool favouritesOnly() const { return globalReportLimit(s_.module) != 0; }

    // ---- the buttons
    void insert();
    void change();
    void view();
    // Refuses a locked set of another user; otherwise asks first.
    bool deleteHighlighted();
    // "Duplicate Highlighted Report".
    bool duplicate();
    // "Add to Favorite Reports".
    bool addToFavourites();
    // "&Print"; `direct` is the right-click menu's "Print Report Directly to Default Printer".
    void print(bool direct = false);
    void help();
    void close() { closed_ = true; }
    bool closed() const { return closed_; }

private:
    void callForm(suite::Request request);
    bool highlighted() const { return highlight_ >= 0 && highlight_ < rowCount(); }
    void highlightId(ULong id);

    Session& s_;
    std::vector<POLimits> rows_;
    int highlight_ = -1;
    bool closed_ = false;
};

// The limit-set rows of `limitId` (its list limits), every type.
std::vector<LimList> limitLists(store::Store& store, ULong limitId);
// Whether `owner`'s lock keeps the current user from changing or deleting.
bool lockedAgainst(store::Store& store, const POLimits& limits, const std::string& userId);

void runBrowsePOListLimits(Session& s);

}  // namespace vtl::rpt
