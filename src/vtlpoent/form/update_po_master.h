#pragma once
// The purchase-order form: one order's header with its vendor, ship-to,
// dates, terms and taxes, and the list of its lines.
//
// How the form is opened (GlobalRequest at the call):
//   Insert - the form primes a new header with a POID handed out by the
//            store for it; nothing is stored before OK.
//   Change - DecimalVariable holds the POID of the order to change.
//   View   - as Change, but nothing is written.
// On return GlobalResponse says Completed or Cancelled, and DecimalVariable
// holds the POID of the last order saved.
//
// The form holds the order's lines while it is open. The line form is
// called by name, "UpdatePODetail", with GlobalRequest Insert, Change or
// Delete, and works on the form's lines through lineFormShared() (the open
// header and the open lines): for Insert DecimalVariable holds the POID of
// the open order, for Change and Delete the line's POD:DetailID. It answers
// through GlobalResponse.
//
// OK writes the header, the lines, the PO-number counter and the committed
// costs and on-order quantities they move in one transaction. Cancel, or a
// program that never reaches OK, leaves the stored order exactly as it was.
// An order opened View Only (GlobalRequest View, or the browse's view-only
// flag) writes nothing at all.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/suite/session.h"
#include "records/records.h"
#include "records/reconciliation.h"
#include "siblings/services/text_case.h"
#include "vtlpoent/form/form_shared.h"
#include "vtlpoent/form/po_totals.h"
#include "vtlpoent/posting.h"

namespace vtl::ent {

enum class FormMode { Add, Change, View };

// One row of the lines list, as shown.
struct LineRow {
    ULong detailId = 0;
    std::string id;
    std::string description;
    // What the line is charged to, for the list to show beside the
    // description where there is room: "2604 062000MAT", "EQ-12 FUEL",
    // "6100-00"; "" for text lines.
    std::string charge;
    std::string quantity;
    std::string unitPrice;
    std::string total;
};

// One row of the Reconciliation tab: an invoice and what it reconciled.
struct ReconciliationRow {
    std::string invoiceNo;
    std::string date;
    std::string quantity;
    std::string amount;
};

// The entries a view puts the focus on when a rule sends it back.
namespace focus {
inline constexpr const char* kVendor = "EnteredVendor";
inline constexpr const char* kPONumber = "PONumber";
inline constexpr const char* kDefaultJob = "DefaultJob";
inline constexpr const char* kShipToCustomer = "ShipToCustomer";
inline constexpr const char* kShipToJob = "ShipToJob";
inline constexpr const char* kShipToVendor = "ShipToVendor";
}  // namespace focus

// The entries whose text is written in the case the user chose for them.
namespace cased {
inline constexpr const char* kTerms = "Terms";
inline constexpr const char* kFOB = "FOB";
inline constexpr const char* kPONumber = "PONumber";
inline constexpr const char* kPreparedBy = "PreparedBy";
}  // namespace cased

class UpdatePOMaster {
public:
    static constexpr const char* kShipToHelpTopic = "html/PO_Enter_Purchase_Orders.htm#shipto";

    explicit UpdatePOMaster(Session& s);

    // Reads the order (or primes a new one); false when there is nothing
    // to show (the order is gone, or a new header could not be stored).
    bool open();

    // ---- what the view shows
    Session& session() const { return session_; }
    FormMode mode() const { return mode_; }
    std::string caption() const;
    const POMaster& header() const { return po_; }
    const Systems& systems() const { return sys_; }
    const std::string& enteredVendor() const { return enteredVendor_; }
    const std::string& vendorName() const { return vendorName_; }
    const std::string& vendorPhone() const { return vendorPhone_; }
    const std::string& vendorFax() const { return vendorFax_; }
    std::string cityStateZip() const { return cityStateZip_; }
    std::string shipToTypes() const;
    bool vendorEnabled() const { return vendorEnabled_; }
    bool poNumberEnabled() const { return poNumberEnabled_; }
    bool okEnabled() const { return okEnabled_; }
    // Nothing may be written: a viewed order, or one the browse opened View Only.
    bool readOnly() const { return mode_ == FormMode::View || viewOnly_; }
    bool linesEditable() const { return !readOnly(); }
    // The order's lines as the form holds them, in display order.
    const std::vector<PODetail>& lines() const { return lines_; }
    bool defaultJobVisible() const { return session_.globals.JobCostInstalled; }
    bool acceptDateVisible() const { return sys_.UseAcceptDate != 0; }
    bool deliveryDateVisible() const { return sys_.UseDeliveryDate != 0; }
    bool deadlineDateVisible() const { return sys_.UseDeadlineDate != 0; }
    bool alternateVisible() const { return po_.ShipToType == "Customer"; }
    bool canadian() const { return sys_.CanadianTax == 1; }
    std::string gstPrompt() const;
    bool gstAmountReadOnly() const { return true; }  // GST always follows its rate
    bool gstChecked() const { return codeHasGst(po_.Taxable); }
    bool pstChecked() const { return codeHasPst(po_.Taxable); }
    double pstRate() const { return pstRate_; }
    const LineSums& sums() const { return sums_; }
    const std::vector<LineRow>& rows() const { return rows_; }
    int highlighted() const { return highlighted_; }
    const std::vector<std::pair<ULong, std::string>>& vendorChoices() const { return vendorChoices_; }
    // Every vendor chosen on a form while the module is loaded, by name.
    const std::vector<VendorNameList::Entry>& chosenVendors() const {
        return chosenVendorNames(session_.module).entries();
    }
    bool vendorListOpen() const { return vendorListOpen_; }
    const std::string& focusField() const { return focus_; }
    // The entry a rule sent the focus to, once (empty when none).
    std::string takeFocusField() { return std::exchange(focus_, std::string()); }
    bool closed() const { return closed_; }
    suite::Response response() const { return response_; }
    ULong assignedPONumber() const { return assignedPONumber_; }
    ULong savedPOID() const { return savedPOID_; }  // the last order OK saved, 0 when none

    // ---- user actions: vendor
    bool enterVendor(const std::string& typed);
    void chooseVendorFromList(ULong vendorId);
    bool setVendorId(ULong vendorId);
    void moreVendorInfo();
    // The look-up buttons: the chosen record is taken as if typed.
    bool lookupVendor();
    bool lookupDefaultJob();
    // The line form chose a vendor for the header from line `detailId`: that
    // line keeps the price it was given, the others may take the vendor's.
    bool vendorFromLine(ULong vendorId, ULong detailId);

    // ---- ship-to, default job, PO number, dates and plain fields
    void setShipToType(const std::string& type);
    bool enterShipToJob(const std::string& job);
    bool enterShipToVendor(ULong vendor);
    bool enterShipToCustomer(ULong customer);
    void alternateShipTo();
    bool enterDefaultJob(const std::string& typed);
    void enterPONumber(const std::string& number);
    void setIssueDate(Date d) { po_.IssueDate = d; }
    void setAcceptDate(Date d) { po_.DeliverAfterDate = d; }
    void setDeliveryDate(Date d) { po_.DeliveryDate = d; }
    void setDeadlineDate(Date d) { po_.DeadlineDate = d; }
    void setTerms(const std::string& v) { po_.Terms = inCase(cased::kTerms, v); }
    void setFOB(const std::string& v) { po_.FOB = inCase(cased::kFOB, v); }
    void setShipVia(const std::string& v) { po_.ShipVia = v; }
    void setPreparedBy(const std::string& v) { po_.PreparedBy = inCase(cased::kPreparedBy, v); }
    // The purchasing agents' drop list, and its window (kept and chosen from).
    std::vector<std::string> purchasingAgents() const;
    bool choosePurchasingAgent();

    // ---- text case of Terms, FOB, PO number and purchasing agent (the
    // `cased` names): kept per user and field in the settings file.
    std::optional<services::TextCase> textCase(const std::string& field) const;
    // Shows the case menu; a choice is kept and rewrites the field's text.
    bool chooseTextCase(const std::string& field);
    // The text as the field's case writes it (unchanged when none is kept).
    std::string inCase(const std::string& field, const std::string& text) const;

    // ---- taxes
    void enterTaxRate(double rate);
    void enterTaxAmount(const Money& amount);
    void setTaxable(bool taxable);
    void setCanadianTaxes(bool gst, bool pst);
    void setProvince(const std::string& province);

    // ---- lines list
    void highlight(int row) { highlighted_ = row; }
    void insertLine();
    void changeLine();
    void deleteLine();
    void moveUp();
    void moveDown();
    void moveToTop();
    void moveToBottom();

    // ---- shipping information, envelope, attachments and notes
    void editShippingInformation();
    void envelope();
    // Each returns how many files were attached.
    int insertAttachments();
    int dropFiles(const std::string& commaSeparated);
    int dropPaths(const std::vector<std::string>& paths);
    int attachFiles(const std::vector<std::string>& paths);
    void changeAttachments();
    void changeNotes();
    // A file dialog's answer, one path or "folder|name|name", as full paths.
    static std::vector<std::string> splitSelection(const std::string& chosen);

    // ---- the other tabs and printing
    std::vector<ReconciliationRow> reconciliationRows() const;
    bool reconciliationTabVisible() const;
    bool notesTabVisible() const;
    void printNotes();
    // Hands the notes list to the send-to window; false when there are none.
    bool sendNotes();
    std::string notesSendCaption() const;
    // Writes the header first so the printed order is what the form shows.
    void printPurchaseOrder();

    // ---- closing
    bool ok();
    void cancel();

private:
    // The job a typed text names: its number, else the start of one open
    // job's name, else the job chosen from a list; nullopt when none.
    std::optional<JCHeader> jobTyped(const std::string& typed);
    // opening
    bool primeNew();
    void readUser();
    void showVendor();
    void addPurchasingAgent();

    // vendor and ship-to
    struct ShipToBlock {
        std::string name, address1;
        std::optional<std::string> address2;
        std::string city, state, zip;
        std::optional<std::string> contact;
    };
    void fillShipTo(const ShipToBlock& b);
    bool vendorNumberCheck();
    void priceReset();
    void buildCityStateZip();
    void composeCityStateZip();
    std::string attachmentCaption(const std::string& path) const;

    // lines and totals
    void refill();
    void refreshTotals();
    void reorder(int from, int to);
    std::optional<PODetail> highlightedLine() const;
    bool callLineForm(suite::Request request, double variable);
    void takeVendorFromLineForm();

    // saving
    bool revalidate();
    void assignDefaultJob();
    bool save();
    store::Status writeOrder();
    void logSave();
    bool headerChanged() const;
    void removeUnsavedAttachments();

    Session& session_;
    FormMode mode_ = FormMode::Add;
    Systems sys_;
    UserFile user_;
    POMaster po_;
    POMaster original_;
    std::vector<PODetail> lines_;     // as the form holds them
    std::vector<PODetail> readLines_; // as they were stored when read (or last saved)
    bool headerStored_ = false;       // the order exists in the store
    bool viewOnly_ = false;
    LineSums sums_;
    std::vector<LineRow> rows_;
    int highlighted_ = -1;
    double pstRate_ = 0;
    ULong assignedPONumber_ = 0;
    ULong priceSkipDetailId_ = 0;
    std::string enteredVendor_, vendorName_, vendorPhone_, vendorFax_, cityStateZip_;
    std::vector<std::pair<ULong, std::string>> vendorChoices_;
    bool vendorListOpen_ = false;
    bool vendorEnabled_ = true, poNumberEnabled_ = true, okEnabled_ = true;
    std::string focus_;
    bool closed_ = false;
    bool savedAny_ = false;
    ULong savedPOID_ = 0;
    suite::Response response_ = suite::Response::None;
};

}  // namespace vtl::ent
