#pragma once
// BrowsePOReconcile: the purchase orders that goods can still be received
// against (every order not fully reconciled), in PO-number order, from which
// the clerk opens the packing-slip form of one.
#include <string>
#include <vector>

#include "platform/suite/session.h"
#include "records/records.h"

namespace vtl::rec {

struct ReconcileRow {
    ULong poid = 0;
    std::string sortPONumber;  // the key the list is read by
    std::vector<std::string> cells;  // ID, Vendor Name, PO Number, Issue Date, Job, Amount, Remaining
    Money remaining;                 // amount less what invoices reconciled; negative when over-reconciled
};

class BrowsePOReconcile {
public:
    static constexpr const char* kTitle = "Reconcile Purchase Orders with Packing Slip";
    static constexpr const char* kHelpTopic = "html/PO_Reconcile_Purchase_Orders.htm";
    static constexpr int kLocatorLength = 20;

    explicit BrowsePOReconcile(Session& s) : s_(s) {}

    static std::vector<std::string> headers();
    // Reads the list again, keeping the highlighted order where it still is.
    void load();
    const std::vector<ReconcileRow>& rows() const { return rows_; }
    int highlighted() const { return highlighted_; }
    void highlight(int row);
    // The first order whose PO number is at or after the typed text
    // (ignoring case); an empty text goes back to the top of the list.
    void locate(const std::string& typed);
    // Opens the packing-slip form on the highlighted order, then reads the
    // list again. False when there is no row or the form is not installed.
    bool reconcile();
    void help();

    void close() { closed_ = true; }
    bool closed() const { return closed_; }
    suite::IniFile& settings() const { return s_.settings; }

private:
    Session& s_;
    std::vector<ReconcileRow> rows_;
    int highlighted_ = -1;
    bool closed_ = false;
};

}  // namespace vtl::rec
