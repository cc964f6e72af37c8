#include "vtlpoent/line/update_po_detail.h"

#include <algorithm>

#include "platform/suite/error_object.h"
#include "records/reconciliation.h"
#include "records/running_figures.h"
#include "siblings/lookups/lookups.h"
#include "siblings/services/help_topic.h"
#include "vtlpoent/job_status.h"
#include "vtlpoent/line/line_checks.h"
#include "vtlpoent/line/over_budget.h"
#include "vtlpoent/line/priority_vendors.h"
#include "vtlpoent/posting.h"

namespace vtl::ent {

void UpdatePODetail::help() { services::openHelp(s_, kHelpTopic); }

UpdatePODetail::UpdatePODetail(Session& s) : s_(s) {}

bool UpdatePODetail::open() {
    request_ = s_.globals.GlobalRequest;
    const auto number = static_cast<ULong>(s_.globals.DecimalVariable);
    const LineFormResult& shared = lineFormShared(s_.module);
    bool found = false;
    if (request_ == suite::Request::Insert) {
        order_.POID = number;
        // The order open on the purchase-order form may not be stored yet.
        found = (shared.openHeader && shared.openHeader->POID == number) ||
                store::Table<POMaster>(s_.store).fetch(POMaster::KeyPOID, order_);
        if (found) {
            takeOpenHeader();
            line_.POID = order_.POID;
            // A new line starts on the order's default job and dates.
            line_.DetailType = s_.globals.JobCostInstalled ? "Job" : "G/L Account";
            if (s_.globals.JobCostInstalled) line_.JobID = order_.DefaultJob;
            line_.Taxable = order_.Taxable;
            line_.DeliverAfterDate = order_.DeliverAfterDate;
            line_.DeliveryDate = order_.DeliveryDate;
            line_.DeadlineDate = order_.DeadlineDate;
        }
    } else if (request_ == suite::Request::Change || request_ == suite::Request::Delete) {
        line_.DetailID = number;
        if (shared.openLines) {
            for (const PODetail& d : *shared.openLines)
                if (d.DetailID == number) {
                    line_ = d;
                    found = true;
                }
        } else {
            found = store::Table<PODetail>(s_.store).fetch(PODetail::KeyDetailID, line_);
        }
        if (found) {
            // What the stored line already commits (nothing for a line not yet saved).
            PODetail posted;
            posted.DetailID = line_.DetailID;
            if (store::Table<PODetail>(s_.store).fetch(PODetail::KeyDetailID, posted)) stored_ = posted;
            order_.POID = line_.POID;
            store::Table<POMaster>(s_.store).fetch(POMaster::KeyPOID, order_);
            takeOpenHeader();
        }
    }
    if (!found) s_.globals.GlobalResponse = suite::Response::Cancelled;
    Systems sys;
    store::Table<Systems>(s_.store).all(Systems::KeySystemID).next(sys);
    useAccept_ = sys.UseAcceptDate != 0;
    useDelivery_ = sys.UseDeliveryDate != 0;
    useDeadline_ = sys.UseDeadlineDate != 0;
    canadian_ = sys.CanadianTax == 1;
    return found;
}

// The line leaves the purchase-order form's lines; OK on that form deletes
// it from the file with the figures it held.
bool UpdatePODetail::deleteLine() {
    done_ = true;
    auto* lines = lineFormShared(s_.module).openLines;
    if (viewOnly() || !lines) {
        s_.globals.GlobalResponse = suite::Response::Cancelled;
        return false;
    }
    std::erase_if(*lines, [&](const PODetail& d) { return d.DetailID == line_.DetailID; });
    s_.globals.GlobalResponse = suite::Response::Completed;
    return true;
}

bool UpdatePODetail::refuse(const std::string& text) {
    if (text.empty()) return true;
    s_.ui.tell(text, kInvalidTitle, ui::Icon::Warning);
    return false;
}

bool UpdatePODetail::setDetailType(const std::string& type) {
    if (!isDetailType(type)) return refuse(detailTypeMessage());
    line_.DetailType = type;
    if (type != "Job") {
        line_.JobID = "";
        line_.CostCode = "";
    }
    if (type != "G/L Account") line_.Account = "";
    if (type != "Equipment") {
        line_.EquipmentID = "";
        line_.CostCategory = "";
    }
    if (type != "Inventory") {
        line_.LocationID = "";
        line_.BinID = "";
        line_.ConversionID = 0;
    }
    recompute();
    return true;
}

bool UpdatePODetail::setJob(const std::string& jobID) {
    if (!refuse(jobError(s_.store, jobID))) return false;
    // No new money for a closed job, none for an inactive one unless asked.
    JCHeader job;
    job.JobID = jobID;
    if (!(line_.JobID == jobID) && !job.JobID.blank() && store::Table<JCHeader>(s_.store).fetch(JCHeader::KeyJobID, job) &&
        !jobAccepted(acceptJob(s_, job)))
        return false;
    line_.JobID = jobID;
    recompute();
    return true;
}

bool UpdatePODetail::setCostCode(const std::string& code, const std::string& type) {
    const std::string joined = joinCostCode(code, type, s_.globals.CostCodeLen);
    if (!refuse(costCodeError(s_.store, line_.JobID.str(), joined, s_.globals.CostCodeLen))) return false;
    line_.CostCode = joined;
    recompute();
    return true;
}

int UpdatePODetail::costCodeLength() const { return std::clamp(s_.globals.CostCodeLen, 0, 10); }

std::string UpdatePODetail::costCodeProper() const {
    return splitCostCode(line_.CostCode.str(), s_.globals.CostCodeLen).first;
}

std::string UpdatePODetail::costType() const {
    return splitCostCode(line_.CostCode.str(), s_.globals.CostCodeLen).second;
}

bool UpdatePODetail::lookupJob() {
    auto j = siblings::browseJCHeader(s_, line_.JobID.clip());
    return j && setJob(j->JobID.str());
}

bool UpdatePODetail::lookupCostCode() {
    if (line_.JobID.blank()) return refuse(kJobFirst);
    auto c = siblings::browseJCCost(s_, line_.JobID.clip(), costCodeProper());
    if (!c) return false;
    auto [code, type] = splitCostCode(c->CostCode.str(), s_.globals.CostCodeLen);
    return setCostCode(code, type);
}

bool UpdatePODetail::setAccount(const std::string& account) {
    if (!refuse(accountError(s_.store, account))) return false;
    line_.Account = account;
    return true;
}

bool UpdatePODetail::lookupAccount() {
    auto a = siblings::browseGLMaster(s_, line_.Account.clip());
    return a && setAccount(a->Account.str());
}

bool UpdatePODetail::setEquipment(const std::string& equipmentID) {
    if (!refuse(equipmentError(s_.store, equipmentID))) return false;
    line_.EquipmentID = equipmentID;
    return true;
}

bool UpdatePODetail::setCostCategory(const std::string& category) {
    if (!refuse(costCategoryError(s_.store, line_.EquipmentID.str(), category))) return false;
    line_.CostCategory = category;
    return true;
}

bool UpdatePODetail::lookupEquipment() {
    auto e = siblings::browseEQHeader(s_, line_.EquipmentID.clip());
    return e && setEquipment(e->EquipmentID.str());
}

bool UpdatePODetail::lookupCostCategory() {
    if (line_.EquipmentID.blank()) return refuse(kEquipmentFirst);
    auto c = siblings::browseEQCost(s_, line_.EquipmentID.clip(), line_.CostCategory.clip());
    return c && setCostCategory(c->CostCategory.str());
}

bool UpdatePODetail::setItem(const std::string& itemID) {
    if (!refuse(itemError(s_.store, itemID))) return false;
    const bool changed = !(line_.ItemID == itemID);
    line_.ItemID = itemID;
    if (Text<15>(itemID).blank() || !changed) {
        recompute();
        return true;
    }
    INMaster item;
    item.ItemID = itemID;
    store::Table<INMaster>(s_.store).fetch(INMaster::KeyItemID, item);
    line_.Description = item.Description.str();
    line_.UnitName = item.StockUnit;
    line_.ConversionID = 0;
    if (line_.LocationID.blank()) {
        line_.LocationID = item.DefaultLocation;
        line_.BinID = item.DefaultBin;
    }
    line_.VendorCatalogID = "";
    INVendor iv;
    iv.ItemID = itemID;
    iv.VendorID = order_.VendorID;
    if (store::Table<INVendor>(s_.store).fetch(INVendor::KeyItemVendor, iv)) applyVendorPrice(iv);
    recompute();
    return true;
}

void UpdatePODetail::applyVendorPrice(const INVendor& iv) {
    line_.VendorCatalogID = iv.VendorCatalogID;
    if (!iv.UnitName.blank() && unitError(s_.store, line_.ItemID.str(), iv.UnitName.str()).empty()) {
        line_.UnitName = iv.UnitName;
        line_.ConversionID = conversionOf(s_.store, line_.ItemID.str(), iv.UnitName.str());
    }
    line_.UnitPrice = iv.Price.toDouble();
    recompute();
}

bool UpdatePODetail::setUnit(const std::string& unit) {
    if (line_.DetailType == "Inventory" && !line_.ItemID.blank()) {
        if (!refuse(unitError(s_.store, line_.ItemID.str(), unit))) return false;
        line_.ConversionID = conversionOf(s_.store, line_.ItemID.str(), unit);
    }
    line_.UnitName = unit;
    recompute();
    return true;
}

bool UpdatePODetail::setLocation(const std::string& location) {
    if (!refuse(locationError(s_.store, location))) return false;
    if (!(line_.LocationID == location)) line_.BinID = "";
    line_.LocationID = location;
    return true;
}

bool UpdatePODetail::setBin(const std::string& bin) {
    if (!refuse(binError(s_.store, line_.LocationID.str(), bin))) return false;
    line_.BinID = bin;
    return true;
}

bool UpdatePODetail::lookupItem() {
    auto i = siblings::browseINMaster(s_, line_.ItemID.clip());
    return i && setItem(i->ItemID.str());
}

bool UpdatePODetail::lookupLocation() {
    auto l = siblings::browseINLoc(s_, line_.LocationID.clip());
    return l && setLocation(l->LocationID.str());
}

bool UpdatePODetail::lookupBin() {
    if (line_.LocationID.blank()) return refuse(kLocationFirst);
    auto b = siblings::browseINBin(s_, line_.LocationID.clip(), line_.BinID.clip());
    return b && setBin(b->BinID.str());
}

bool UpdatePODetail::choosePriorityVendor() {
    if (line_.DetailType != "Inventory" || line_.ItemID.blank()) return refuse(kItemFirst);
    auto iv = browsePriorityQ(s_, line_, order_.VendorID);
    if (!iv) return false;
    applyVendorPrice(*iv);
    chosenVendor_ = iv->VendorID;
    return true;
}

void UpdatePODetail::setTextLine(bool on) {
    line_.TextFlag = on ? 1 : 0;
    if (on) line_.UnitPrice = 0;
    recompute();
}

void UpdatePODetail::setQuantity(const Quantity& q) {
    line_.QtyOrdered = q;
    recompute();
}

void UpdatePODetail::setUnitPrice(double price) {
    line_.UnitPrice = price;
    recompute();
}

void UpdatePODetail::setDates(Date acceptDate, Date deliveryDate, Date deadlineDate) {
    line_.DeliverAfterDate = acceptDate;
    line_.DeliveryDate = deliveryDate;
    line_.DeadlineDate = deadlineDate;
}

void UpdatePODetail::recompute() {
    if (line_.TextFlag == 1) line_.QtyOrdered = Quantity();
    line_.TotalAmount = Money::fromDouble(line_.QtyOrdered.toDouble() * line_.UnitPrice);
    line_.PreTaxAmount = line_.TotalAmount;
    refreshLineQuantities(s_.store, line_);
}

bool UpdatePODetail::checkAll() {
    if (line_.TextFlag == 1) return true;  // a text line is charged to nothing
    return refuse(lineError(s_.store, line_, s_.globals.CostCodeLen));
}

bool UpdatePODetail::ok() {
    // A form that has closed writes nothing more: a second OK on an added
    // line would add it twice.
    if (done_) return false;
    if (viewOnly()) {
        s_.ui.tell(kViewOnlyText, kViewOnlyTitle, ui::Icon::Exclamation);
        return false;
    }
    recompute();
    if (!checkAll()) return false;
    if (!checkJobOpen() || !checkQuantityCovers()) return false;
    // The stored version of a changed job line is already in its cost code's
    // committed amount; only the difference is new.
    Money counted;
    if (stored_ && stored_->TextFlag != 1 && stored_->DetailType == "Job" && stored_->JobID == line_.JobID &&
        stored_->CostCode == line_.CostCode)
        counted = jobOpenAmount(*stored_);
    if (!overBudgetWarning(s_, line_, counted)) return false;
    if (!write()) return false;

    if (request_ == suite::Request::Insert) s_.globals.DecimalVariable = static_cast<double>(line_.DetailID);
    if (chosenVendor_ != 0) {
        LineFormResult& shared = lineFormShared(s_.module);
        shared.pendingVendorID = chosenVendor_;
        shared.priceSkipDetailID = line_.DetailID;
    }
    s_.globals.GlobalResponse = suite::Response::Completed;
    done_ = true;
    return true;
}

// A line newly charged to a job that has closed since it was chosen.
bool UpdatePODetail::checkJobOpen() {
    if (line_.TextFlag == 1 || line_.DetailType != "Job") return true;
    const bool sameJob = stored_ && stored_->DetailType == "Job" && stored_->JobID == line_.JobID;
    JCHeader job;
    job.JobID = line_.JobID;
    if (sameJob || !store::Table<JCHeader>(s_.store).fetch(JCHeader::KeyJobID, job) || job.Closed != 1) return true;
    return jobAccepted(acceptJob(s_, job));
}

// A line may not order less than it has already received or been invoiced
// for: the goods are there, and what is left to arrive would go below none.
bool UpdatePODetail::checkQuantityCovers() {
    if (line_.TextFlag == 1) return true;
    const Quantity taken = line_.QtyInvoiced + receivedNotInvoiced(line_);
    if (taken <= Quantity() || line_.QtyOrdered >= taken) return true;
    std::string n = taken.toString();
    n.erase(n.find_last_not_of('0') + 1);
    if (!n.empty() && n.back() == '.') n.pop_back();
    s_.ui.tell("This line has " + n + " units received or invoiced.|The quantity ordered cannot be less than that.",
               kBelowReceivedTitle, ui::Icon::Warning);
    return false;
}

// The purchase-order form's header as it stands, when it is this order's.
void UpdatePODetail::takeOpenHeader() {
    const auto& open = lineFormShared(s_.module).openHeader;
    if (open && open->POID == order_.POID) order_ = *open;
}

// The line goes into the purchase-order form's lines: a new one after every
// line there is, with a number of its own handed out by the file now, so it
// keeps it when the form stores it.
bool UpdatePODetail::write() {
    auto* lines = lineFormShared(s_.module).openLines;
    if (!lines) {
        s_.errors.report("The purchase order of this line is not open. Saving PODetail");
        return false;
    }
    if (request_ != suite::Request::Insert) {
        for (PODetail& d : *lines)
            if (d.DetailID == line_.DetailID) d = line_;
        return true;
    }
    std::int64_t id = 0;
    if (!s_.errors.check(store::Table<PODetail>(s_.store).reserveNumber(id))) return false;
    line_.DetailID = static_cast<ULong>(id);
    ULong highest = 0;
    for (const PODetail& d : *lines) highest = std::max(highest, d.SequenceNo);
    line_.SequenceNo = highest + 1;
    line_.rowId_ = 0;
    lines->push_back(line_);
    return true;
}

void UpdatePODetail::cancel() {
    s_.globals.GlobalResponse = suite::Response::Cancelled;
    done_ = true;
}

}  // namespace vtl::ent
