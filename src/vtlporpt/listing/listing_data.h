#pragma once
// The purchase orders a listing limit set chooses, with their lines and the
// reconciliation records of those lines: the three work lists of a listing
// run, gathered once and then handed to the bands (pages, text image, the
// designed listing).
#include <array>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/store/store.h"
#include "records/records.h"

namespace vtl::rpt {

inline constexpr const char* kListingReport = "PO Listing";
inline constexpr const char* kListingTitle = "Purchase Order Listing";
inline constexpr const char* kLimListOwner = "POLimits";

// One chosen purchase order (MQ).
struct ListedOrder {
    ULong poid = 0;
    std::string sortKey;  // poSortKey of the PO number
    std::string poNumber;
    Date issueDate, deliverAfterDate, deliveryDate;
    std::string vendorName;
    std::array<std::string, 3> vendorLines;
    std::string vendorString;  // "(" vendor ID ") " name
    std::string shipToString;  // "Ship To:" or blank
    std::string shipToName;
    std::array<std::string, 3> shipToLines;
    std::string jobString1, jobString2, jobString3;
    std::string defaultJob;
    Money originalAmount;  // POM:POAmount
    Money openPreTax;      // the listed lines' open amounts
    Money taxAmount;
    Money openAmount;      // MQ:POAmount
    Money amountReconciled;
    Byte reconciled = 0;
};

// One reconciliation record of a listed line (RQ).
struct ListedReconciliation {
    std::string description;
    Quantity quantity;
    double unitPrice = 0;
    std::int64_t unitPriceRaw = 0;  // to 4 places, as every picture of it shows it
    Money amount;
};

// One chosen line (DQ).
struct ListedLine {
    ULong poid = 0;
    ULong detailId = 0;
    ULong sequenceNo = 0;
    bool text = false;
    std::string itemId;           // first 7 characters
    std::string vendorCatalogId;  // 20
    std::string description;      // first 60 characters
    std::string fullText;         // POD:Text, for a text line
    Date receiptDate;
    Quantity qtyOrdered;  // to 2 places
    std::string unitName;
    Quantity qtyInvoiced, qtyBackordered;
    double unitPrice = 0;
    std::int64_t unitPriceRaw = 0;  // to 4 places, as every picture of it shows it
    Money totalAmount;
    Money amountInvoiced;
    std::string subsidiary;  // job and cost code, account + "A", or equipment and category
    std::vector<ListedReconciliation> reconciliations;
    // Whether the reconciliation detail is printed under this line.
    bool reconciledSomething() const { return !qtyInvoiced.isZero() || !amountInvoiced.isZero(); }
};

// The limits of a set with its open bounds filled in and its lists read.
struct ListingBounds {
    std::string poFrom, poTo;          // sort keys
    std::string poFromShown, poToShown;  // as given, the open end as twenty "Z"
    ULong vendorFrom = 0, vendorTo = 0;
    Date dateFrom, dateTo;
    std::string eqFrom, eqTo, jobFrom, jobTo, costFrom, costTo;
    std::set<ULong> poList, vendorList;          // POIDs and vendor IDs
    std::set<std::string> jobList, costCodeList;  // clipped
    // The lists in the order they were chosen, for the parameters block.
    std::vector<ULong> poListOrder, vendorListOrder;
    std::vector<std::string> jobListOrder, costCodeListOrder;
};

// A price to 4 places, rounded as a picture rounds it.
std::int64_t priceRaw(double price);

// "9" -> "000000000000009"; "A1" -> "A000000000000A1": numbers in their
// order, then every other PO number after them.
std::string poSortKey(std::string_view poNumber);

// The bounds of `limits`: blank upper ends opened, the lists read from LimList.
ListingBounds listingBounds(store::Store& store, const POLimits& limits, Date today);

// Which POMaster date a date type limits on; false for a type outside the five.
bool limitedDate(const POMaster& po, std::string_view type, Date& date);

// The header test of one purchase order.
bool orderPasses(const POMaster& po, const POLimits& limits, const ListingBounds& bounds);

// The line test: `costCodeLen` characters of POD:CostCode are the cost code.
bool linePasses(const PODetail& line, const POLimits& limits, const ListingBounds& bounds, int costCodeLen);

// The subsidiary string of a line.
std::string subsidiaryString(const PODetail& line);

struct ListingData {
    std::vector<ListedOrder> orders;  // in the set's sequence, only those with lines
    std::vector<ListedLine> lines;    // each order's together, in line order
    // Index into `lines` of each order's first line and the count, by order index.
    std::vector<std::pair<std::size_t, std::size_t>> linesOf;
    std::int64_t ordersOnFile = 0;
};

// Gathers the orders, lines and reconciliation entries of a limit set.
// `progress(done, total)` is told after each order read; false stops.
ListingData gatherListing(store::Store& store, const POLimits& limits, int costCodeLen, Date today,
                          const std::function<bool(std::int64_t, std::int64_t)>& progress = {});

}  // namespace vtl::rpt
