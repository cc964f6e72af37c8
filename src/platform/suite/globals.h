#pragma once
// The shared state of the suite's data module that this module reads and
// writes: the request handed to a form and its answer, the number passed
// between procedures, the tag queue, the signed-on user and the suite-wide
// switches.
#include <cstdint>
#include <mutex>
#include <unordered_set>
#include <string>
#include <vector>

#include "platform/types/widths.h"

namespace vtl::suite {

// What a form procedure is asked to do (GlobalRequest).
enum class Request { None = 0, Insert = 1, Change = 2, Delete = 3, Select = 4, View = 5 };
// How it ended (GlobalResponse).
enum class Response { None = 0, Completed = 1, Cancelled = 2 };

// The numbers of the purchase orders the user has tagged, in tagging order.
// Shared by every window of the module.
class TagQueue {
public:
    bool contains(ULong id) const;
    // Adds when absent; returns whether it was added.
    bool add(ULong id);
    bool remove(ULong id);
    // Adds when absent, removes when present; returns whether it is now tagged.
    bool toggle(ULong id);
    // Adds many at once (tag all, reverse tags), keeping their order.
    void addAll(const std::vector<ULong>& ids);
    void clear();
    std::size_t size() const;
    bool empty() const { return size() == 0; }
    // A copy, in tagging order: actions read the queue as it is when they start.
    std::vector<ULong> snapshot() const;

private:
    mutable std::mutex m_;
    std::vector<ULong> ids_;           // tagging order
    std::unordered_set<ULong> index_;  // quick membership for drawing rows
};

struct Globals {
    Request GlobalRequest = Request::None;
    Response GlobalResponse = Response::None;
    double DecimalVariable = 0;     // the purchase order to print, or the one picked
    TagQueue TagQue;
    std::string UserID;             // 3 characters
    int CostCodeLen = 6;            // length of the cost code proper inside POD:CostCode
    Byte PrintPreview = 1;          // GLO:PrintPreview: 1 preview on screen, 0 print directly
    Byte PreviewZoom = 1;           // GLO:PreviewZoom: 1 or 2, the preview's two zoom styles
    Byte LogUserActivity = 0;       // GLO:LogUserActivity: 2 = write user-activity records
    std::string INIPath;            // folder of the suite's settings files
    std::string HelpName;           // help file
    bool JobCostInstalled = true;   // the suite's generic setting "no job-cost module" is the opposite

    // Texts the suite's procedures hand each other beside DecimalVariable.
    std::string JobField;      // GLO:JobField: the location whose bins a bin look-up lists; "PO" for notes
    std::string ReportFilter;  // GLO:ReportFilter: "APVendor  " + vendor number (envelopes), a POID (notes)
    std::string ReportLimit;   // GLO:ReportLimit: the customer whose ship-to addresses a look-up lists
    // A look-up called by name reads the text to position on from here and
    // leaves the chosen record's key here (its number also in
    // DecimalVariable), answering in GlobalResponse.
    std::string LookupKey;
};

}  // namespace vtl::suite
