#pragma once
// BrowsePOMaster: the main purchase-order window. Lists the orders with
// their reconciliation state and open amount, and is where the user tags,
// enters, changes, deletes, duplicates, prints, imports, exports and
// reconciles purchase orders.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/suite/error_object.h"
#include "platform/suite/session.h"
#include "records/reconciliation.h"
#include "records/records.h"
#include "vtlpoent/posting.h"

namespace vtl::ent {

// The icons of the list, by their numbers in the window.
enum class BrowseIcon {
    None = 0,
    Full = 1,       // fully reconciled
    FullGreen = 2,  // every received line received in full, nothing invoiced
    Partial = 3,    // partially reconciled
    CheckOff = 4,   // not tagged / nothing received
    CheckOn = 5,    // tagged
    PartialGreen = 6
};

struct BrowseRow {
    ULong poid = 0;
    bool tagged = false;
    BrowseIcon icon = BrowseIcon::CheckOff;
    Byte reconciled = 0;
    bool grey = false;  // fully reconciled orders are drawn in grey
    // The shown cells, formatted with the column pictures.
    std::string tag, poNumber, vendorId, vendorName, issueDate, job, amount, remaining;
    Money amountValue;
    Decimal<11, 2> remainingValue;
    Date issueDateValue;
};

enum class ShowMode { All = 0, Tagged = 1, Untagged = 2 };

// The columns of the list, in order.
enum class BrowseColumn { Tag, Icon, PONumber, VendorID, VendorName, IssueDate, Job, Amount, Remaining };

class BrowsePOMaster {
public:
    explicit BrowsePOMaster(Session& session);

    static constexpr const char* kTitle = "Purchase Orders";
    static constexpr const char* kHelpTopic = "html/PO_Enter_Purchase_Orders.htm";
    static constexpr const char* kLogArea = "PO Enter Purchase Orders";

    // Opening and closing the window.
    void open();
    void close();
    bool selectMode() const { return request_ == suite::Request::Select; }
    bool viewMode() const { return request_ == suite::Request::View; }
    bool selected() const { return selectedPOID_ != 0; }
    // Without the job-cost module the window hides the job column.
    bool jobCostInstalled() const { return session_.globals.JobCostInstalled; }
    // Where the window keeps its place and size.
    suite::IniFile& settings() const { return session_.settings; }

    // The list.
    std::int64_t rowCount() const { return static_cast<std::int64_t>(ids_.size()); }
    BrowseRow row(std::int64_t index);
    std::int64_t highlighted() const { return highlight_; }
    void highlight(std::int64_t index);
    std::optional<ULong> highlightedPOID() const;
    // Positions on an order; false when it is not in the list.
    bool highlightPOID(ULong poid);
    void refresh();

    // Check boxes.
    bool showFullyReconciled() const { return showFull_; }
    void setShowFullyReconciled(bool on);
    bool negativeRemaining() const { return negativeRemaining_; }
    void setNegativeRemaining(bool on);
    bool repetitiveInsert() const { return session_.module.repetitiveInsert != 0; }
    void setRepetitiveInsert(bool on) { session_.module.repetitiveInsert = on ? 1 : 0; }

    // Locator and sorting.
    void locate(const std::string& typed);
    // Sorts by a column clicked in the header; nullopt restores the order in force.
    void sortBy(std::optional<BrowseColumn> column, bool descending = false);
    std::optional<BrowseColumn> sortColumn() const { return sortColumn_; }

    // Tagging.
    void tag();
    void tagAll();
    void untagAll();
    void reverseTags();
    void cycleShowMode();
    ShowMode showMode() const { return showMode_; }
    std::string showModeCaption() const;

    // Buttons.
    void search();
    void select();
    void insert();
    void change();
    void deleteRecords();
    void duplicate();
    void generatePOs();
    void generatePOsPreview() { generatePOs(); }
    void generatePOsDirect();
    void printBlankPO();
    void import();
    void exportTagged();
    void reconcile();
    void sendTo();
    void playTraining();
    void help();

    // What the list's rows and headers are for send-to.
    std::vector<std::string> headers() const;
    const std::map<ULong, std::pair<Quantity, Quantity>>& packingSlips() const { return packingSlips_; }

private:
    struct Listed {
        ULong poid;
        std::string poNumber;
    };

    void packingSlipPass();
    void loadIds();
    bool fetchOrder(ULong poid, POMaster& po);
    std::string vendorName(ULong vendorId) const;
    void report(const std::string& text);
    bool callOut(const std::string& procedure);
    void keepRowNumber(std::int64_t row);
    bool unpostedInvoiceFor(ULong poid);
    void logUser(const std::string& action, const POMaster& po);
    void deleteOrder(POMaster& po, bool tagged);

    // Reconcile/unreconcile.
    bool hasUninvoicedLine(ULong poid);
    void closeOrder(POMaster& po);
    void reopenOrder(POMaster& po);
    store::Status closeLine(PODetail& line, FigureChanges& changes);
    store::Status reopenLine(PODetail& line, FigureChanges& changes);
    Quantity openInventoryQty(const PODetail& line, bool& itemExists, bool closing);

    Session& session_;
    Poster poster_;
    suite::Request request_ = suite::Request::None;
    std::vector<Listed> all_;  // the record order's range
    std::vector<ULong> ids_;   // after the show mode
    std::int64_t highlight_ = 0;
    bool showFull_ = false;
    bool negativeRemaining_ = false;
    ShowMode showMode_ = ShowMode::All;
    std::optional<BrowseColumn> sortColumn_;
    bool sortDescending_ = false;
    std::map<ULong, std::pair<Quantity, Quantity>> packingSlips_;  // ordered, received
    std::map<ULong, std::string> vendorNames_;
    std::map<std::int64_t, BrowseRow> cache_;
    ULong selectedPOID_ = 0;
};

}  // namespace vtl::ent
