#pragma once
// UpdatePOListLimits: the form "Purchase Order Listing Limits" of one report
// format of the listing, in insert, change or view mode (GlobalRequest, the
// set's number in DecimalVariable). Every control of the window has its
// value here; the view only shows them and hands back what is typed.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/suite/session.h"
#include "records/records.h"
#include "siblings/services/lim_list.h"

namespace vtl::rpt {

// The four limits chosen as All, Range or List.
enum class Limit { PONumbers, Vendors, Jobs, CostCodes };
enum class Choice : Byte { All = 0, Range = 1, List = 2 };

// "No Date Limit", "Issue Date", ... and their letters "", "I", "A", "E", "D", "P".
extern const std::array<const char*, 6> kDateTypes;
extern const std::array<const char*, 6> kDateLetters;

class UpdatePOListLimits {
public:
    static constexpr const char* kTitle = "Purchase Order Listing Limits";
    static constexpr const char* kHelpTopic = "html/PO_Purchase_Order_Listing_Limits.htm";

    explicit UpdatePOListLimits(Session& s);

    // Reads the request; false when the set to change is not on file.
    bool open();
    std::string caption() const;
    suite::Request request() const { return request_; }

    // Every control disabled: view mode, or a set locked by another user.
    bool readOnly() const { return readOnly_; }
    bool lockVisible() const { return lockVisible_; }
    std::vector<std::string> users() const;

    POLimits& limits() { return l_; }
    const POLimits& limits() const { return l_; }

    // ---- All / Range / List
    Choice choice(Limit which) const;
    void setChoice(Limit which, Choice c);
    bool enabled(Limit which) const;  // the group (Non-Jobs Only disables jobs and cost codes)
    bool rangeEnabled(Limit which) const { return enabled(which) && choice(which) == Choice::Range; }
    bool listEnabled(Limit which) const { return enabled(which) && choice(which) == Choice::List; }
    // "Edit Puchase Order List", "Edit Vendor List", "Edit Job List", "Edit Cost Code List".
    static const char* listButton(Limit which);
    void editList(Limit which);

    // "Jobs Only" 1, "Non-Jobs Only" 2, "Both" 3.
    void setInclude(Byte selectedRef);

    // ---- the typed bounds; false leaves the entry to be typed again
    bool enterPO(bool from, const std::string& typed);
    bool lookupPO(bool from);
    bool enterVendor(bool from, const std::string& typed);
    bool lookupVendor(bool from);
    // A job not on file is the start of an open job's name: those jobs are
    // offered; none chosen leaves the entry to be typed again.
    bool enterJob(bool from, const std::string& typed);
    bool lookupJob(bool from);
    void enterCostCode(bool from, const std::string& typed);
    bool lookupCostCode(bool from);
    void enterEquipment(bool from, const std::string& typed);
    bool lookupEquipment(bool from);

    // ---- the date limit: 0 "No Date Limit", 1..5 the types
    int dateType() const { return dateType_; }
    void setDateType(int index);

    // ---- the buttons
    // Asks first; keeps the set's number and title.
    bool loadDefaults();
    bool ok();
    void cancel();
    // Saves, prints the listing of the set, and reads it again.
    bool saveAndPrint();
    void help();
    bool closed() const { return closed_; }

private:
    bool save();
    void defaults();

    Session& s_;
    suite::Request request_ = suite::Request::Insert;
    POLimits l_;
    bool stored_ = false;  // the record is on file (change, or saved by "Save and Print")
    int dateType_ = 0;
    bool readOnly_ = false;
    bool lockVisible_ = false;
    bool closed_ = false;
};

// The defaults "Load Defaults" and a new set start from.
void listingDefaults(POLimits& l, const std::string& userId);

void runUpdatePOListLimits(Session& s);

}  // namespace vtl::rpt
