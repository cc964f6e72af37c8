#pragma once
// UpdatePODetail: the line form. Edits one line of the order open on the
// purchase-order form and hands it back to that form on OK.
//
// Hand-over with the purchase-order form:
//   GlobalRequest Insert: DecimalVariable holds the order's POID; on
//     Completed it holds the new line's DetailID.
//   GlobalRequest Change: DecimalVariable holds the line's DetailID.
//   GlobalRequest Delete: DecimalVariable holds the line's DetailID; the
//     line leaves the form's lines at once (the form has asked).
// The lines are the form's (lineFormShared().openLines); nothing is stored
// before the form's OK.
// The answer is in GlobalResponse. A vendor chosen here for the header is
// left in lineFormShared() (see line_form.h).
//
// Each charge field is checked as it is accepted: an unknown job, cost code,
// account, equipment, item, unit, location or bin is refused with a message
// and the field keeps its previous value. OK checks them all again.
#include <optional>
#include <string>

#include "platform/suite/session.h"
#include "records/records.h"
#include "vtlpoent/line/line_form.h"

namespace vtl::ent {

class UpdatePODetail {
public:
    static constexpr const char* kTitleInsert = "Adding a Purchase Order Line";
    static constexpr const char* kTitleChange = "Changing a Purchase Order Line";
    static constexpr const char* kInvalidTitle = "Invalid Entry";
    static constexpr const char* kBelowReceivedTitle = "Quantity Below Received";
    static constexpr const char* kHelpTopic = "html/PO_Enter_Purchase_Orders.htm#lines";

    explicit UpdatePODetail(Session& s);

    // Reads the request and the order (and the line to change). False, with
    // GlobalResponse Cancelled, when they do not exist.
    bool open();
    // The Delete request: removes the line. False when it could not.
    bool deleteLine();

    suite::Request request() const { return request_; }
    std::string caption() const { return request_ == suite::Request::Insert ? kTitleInsert : kTitleChange; }
    const PODetail& line() const { return line_; }
    const POMaster& order() const { return order_; }
    bool viewOnly() const { return s_.module.viewOnly; }
    // Which of the line's dates the suite's settings show.
    bool acceptDateVisible() const { return useAccept_; }
    bool deliveryDateVisible() const { return useDelivery_; }
    bool deadlineDateVisible() const { return useDeadline_; }
    // Canadian tax mode: the line's tax code says which of GST and PST apply
    // (0 neither, 1 both, 2 GST only, 3 PST only), not just taxable or not.
    bool canadian() const { return canadian_; }
    // Characters of the cost code proper (the cost type follows in 4).
    int costCodeLength() const;

    // Charge type: "Job", "G/L Account", "Equipment" or "Inventory". Choosing
    // one clears the charge fields of the others.
    bool setDetailType(const std::string& type);

    // Job lines. The cost code proper and the cost type are entered apart
    // and kept in POD:CostCode as code (CostCodeLen characters) + type (4).
    bool setJob(const std::string& jobID);
    bool setCostCode(const std::string& code, const std::string& type);
    std::string costCodeProper() const;
    std::string costType() const;
    bool lookupJob();
    bool lookupCostCode();

    // G/L lines.
    bool setAccount(const std::string& account);
    bool lookupAccount();

    // Equipment lines.
    bool setEquipment(const std::string& equipmentID);
    bool setCostCategory(const std::string& category);
    bool lookupEquipment();
    bool lookupCostCategory();

    // Inventory lines. A new item brings its description, stocking unit and,
    // when the order's vendor sells it, that vendor's catalogue number, unit
    // and price.
    bool setItem(const std::string& itemID);
    bool setUnit(const std::string& unit);
    bool setLocation(const std::string& location);
    bool setBin(const std::string& bin);
    bool lookupItem();
    bool lookupLocation();
    bool lookupBin();
    // The item's vendors with better prices; choosing one takes its price on
    // this line and proposes that vendor for the whole order.
    bool choosePriorityVendor();
    ULong chosenVendor() const { return chosenVendor_; }

    // Text lines carry only their text and no quantity.
    void setTextLine(bool on);
    void setText(const std::string& text) { line_.Text = text; }

    void setDescription(const std::string& d) { line_.Description = d; }
    void setQuantity(const Quantity& q);
    void setUnitPrice(double price);
    void setTaxable(Byte t) { line_.Taxable = t; }
    void setComment(const std::string& c) { line_.Comment = c; }
    void setVendorCatalogID(const std::string& c) { line_.VendorCatalogID = c; }
    void setDates(Date acceptDate, Date deliveryDate, Date deadlineDate);

    // Checks every field of the line's type, asks about the budget, writes
    // the line and answers Completed. False keeps the form open.
    bool ok();
    void cancel();
    bool done() const { return done_; }
    // F1: the help page on the lines of an order.
    void help();

private:
    bool refuse(const std::string& text);
    void recompute();
    bool checkAll();
    bool checkJobOpen();
    bool checkQuantityCovers();
    bool write();
    void applyVendorPrice(const INVendor& iv);
    void takeOpenHeader();

    Session& s_;
    suite::Request request_ = suite::Request::None;
    POMaster order_;
    PODetail line_;
    std::optional<PODetail> stored_;  // the line as it is stored, when it is
    ULong chosenVendor_ = 0;
    bool done_ = false;
    bool useAccept_ = false, useDelivery_ = false, useDeadline_ = false, canadian_ = false;
};

}  // namespace vtl::ent
