#include "vtlporpt/listing/listing_params.h"

#include "platform/picture/picture.h"

namespace vtl::rpt {

std::string cutParameterLine(std::string line) {
    if (line.size() <= 99) return line;
    std::size_t at = line.find(' ', 89);
    if (at == std::string::npos || at > 99) at = 96;
    return line.substr(0, at) + "...";
}

namespace {

std::string range(const std::string& what, const std::string& from, const std::string& to) {
    return what + from + " TO " + to;
}

std::string listed(const std::string& what, const std::vector<std::string>& values) {
    std::string line = what;
    for (const std::string& v : values) line += " " + v;
    return cutParameterLine(line);
}

std::string reconciledStatus(const POLimits& l) {
    const bool u = l.Unreconciled != 0, p = l.PartiallyReconciled != 0, f = l.FullyReconciled != 0;
    const char* text = nullptr;
    if (u && p && f) text = "All POs";
    else if (p && f) text = "Partially and Fully Reconciled POs";
    else if (u && f) text = "Unreconciled and Fully Reconciled POs";
    else if (u && p) text = "Unreconciled and Partially Reconciled POs";
    else if (f) text = "Fully Reconciled POs Only";
    else if (p) text = "Partially Reconciled POs Only";
    else if (u) text = "Uneconciled POs Only";
    return text ? std::string("Reconciled Status: ") + text : std::string();
}

const char* dateCaption(const std::string& type) {
    if (type == "I") return "Issue Dates: ";
    if (type == "A") return "Acceptance Dates: ";
    if (type == "E") return "Expected Delivery Dates: ";
    if (type == "D") return "Deadline Dates: ";
    if (type == "P") return "Approval Dates: ";
    return nullptr;
}

}  // namespace

std::vector<std::string> listingParameters(store::Store& store, const POLimits& l, const ListingBounds& b) {
    std::vector<std::string> out;
    auto add = [&out](std::string line) {
        if (!line.empty()) out.push_back(std::move(line));
    };
    add("Purchase Order > Reports > Purchase Order Listing");
    add("Report Title: " + l.ReportTitle.clip());
    if (l.SelectedPONumbers == 1) {
        add(b.poFromShown == b.poToShown ? "Purchase Order # " + b.poFromShown
                                         : cutParameterLine("Purchase Orders: " + b.poFromShown + " through " +
                                                            b.poToShown));
    } else if (l.SelectedPONumbers == 2) {
        std::vector<std::string> numbers;
        for (ULong poid : b.poListOrder) {
            POMaster po;
            po.POID = poid;
            numbers.push_back(store::Table<POMaster>(store).fetch(POMaster::KeyPOID, po) ? po.PONumber.clip()
                                                                                          : std::to_string(poid));
        }
        add(numbers.size() == 1 ? "Purchase Order # " + numbers.front() : listed("Purchase Orders:", numbers));
    }
    if (l.SelectedJobs == 1) add(range("Jobs: ", b.jobFrom, b.jobTo));
    else if (l.SelectedJobs == 2) add(listed("Jobs:", b.jobListOrder));
    if (l.SelectedEquipment == 1) add(range("Equipment: ", b.eqFrom, b.eqTo));
    if (l.SelectedCostCodes == 1) add(range("Cost Codes: ", b.costFrom, b.costTo));
    else if (l.SelectedCostCodes == 2) add(listed("Cost Codes:", b.costCodeListOrder));
    if (l.SelectedVendors == 1) add(range("Vendors: ", std::to_string(b.vendorFrom), std::to_string(b.vendorTo)));
    else if (l.SelectedVendors == 2) {
        std::vector<std::string> ids;
        for (ULong v : b.vendorListOrder) ids.push_back(std::to_string(v));
        add(listed("Vendors:", ids));
    }
    if (l.SelectedDates == 1)
        if (const char* caption = dateCaption(l.DateLimitType.str()))
            add(caption + pic::clip(pic::format(b.dateFrom, "@d01")) + " TO " +
                pic::clip(pic::format(b.dateTo, "@d01")));
    if (l.Sequence == "R") add("Sort by Reference Number");
    add(reconciledStatus(l));
    if (l.SelectedRef == 1) add("Jobs Only");
    else if (l.SelectedRef == 2) add("Non-Jobs Only");
    if (l.SortDetail == "W") add("Whole POs Only");
    add(l.ColorCoding == 1 ? "Overreconciled POs show a Negative Open Amount"
                           : "Overreconciled POs show a Zero Open Amount");
    return out;
}

}  // namespace vtl::rpt
