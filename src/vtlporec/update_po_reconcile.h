#pragma once
// UpdatePOReconcile: one purchase order opened to enter the goods that came
// on a packing slip. It shows the header and the lines with what was
// ordered, invoiced, received on earlier slips and on this one; the line
// form (ReconcilePODetail) takes each line's quantity. When the window
// closes, by OK or Cancel, this slip's quantities join the earlier ones, so
// the next opening starts a new slip.
//
// Opened with GlobalRequest Change (or View) and the POID in DecimalVariable;
// answers through GlobalResponse.
#include <string>
#include <vector>

#include "platform/suite/session.h"
#include "records/records.h"

namespace vtl::rec {

struct ReceiptRow {
    ULong detailId = 0;
    // ID, Description, Qty. Ordered, Invoiced, Prior Pack Slip, This Pack Slip
    std::vector<std::string> cells;
};

class UpdatePOReconcile {
public:
    static constexpr const char* kTitle = "Reconciling a Purchase Order";
    static constexpr const char* kViewTitle = "View Record";
    static constexpr const char* kHelpTopic = "html/PO_Reconcile_Purchase_Orders.htm#slip";

    explicit UpdatePOReconcile(Session& s) : s_(s) {}
    void help();

    // False when the order does not exist.
    bool open();
    std::string caption() const { return viewOnly_ ? kViewTitle : kTitle; }
    bool viewOnly() const { return viewOnly_; }

    const POMaster& header() const { return po_; }
    const APVendor& vendor() const { return vendor_; }
    bool acceptDateVisible() const { return sys_.UseAcceptDate != 0; }
    bool deliveryDateVisible() const { return sys_.UseDeliveryDate != 0; }
    bool deadlineDateVisible() const { return sys_.UseDeadlineDate != 0; }
    bool defaultJobVisible() const { return s_.globals.JobCostInstalled != 0; }

    static std::vector<std::string> headers();
    const std::vector<ReceiptRow>& rows() const { return rows_; }
    int highlighted() const { return highlighted_; }
    void highlight(int row);

    void moreVendorInfo();
    // The line form on the highlighted line; the list is read again after.
    void changeLine();
    // The list to the send-to window; false when it has no rows.
    bool sendList();
    std::string sendCaption() const;

    // OK writes the header, then both end the slip (see above).
    void ok();
    void cancel();
    bool closed() const { return closed_; }

private:
    void reload();
    void endSlip();
    void moveSlipToPrior();
    // The slip's quantities moved to the earlier slips', inside the
    // caller's transaction; the first failed write's answer.
    store::Status slipMoved();

    Session& s_;
    bool viewOnly_ = false;
    POMaster po_;
    APVendor vendor_;
    Systems sys_;
    std::vector<ReceiptRow> rows_;
    int highlighted_ = -1;
    bool closed_ = false;
};

}  // namespace vtl::rec
