#pragma once
// The two running figures that purchase orders keep in the sibling files,
// each with its one rule:
//
//   committed amount of a cost code (JCCost.Committed)
//     = the sum of committedShare() over the lines charged to it;
//   on-order quantity of an item (INMaster.OnOrder)
//     = the sum of onOrderShare() over the lines of that item.
//
// A line counts while it is open: not a text line and not fully reconciled
// (closed by the browse or fully invoiced). A job line commits its total
// less what was invoiced at the line's unit price; an inventory line keeps
// on order, in stocking units, what has neither arrived nor been invoiced.
//
// Every path that changes lines (save, delete, duplicate, reconcile,
// receive, invoice, import) takes the shares of the lines as they were and
// adds those of the lines as they are, through FigureChanges, in the same
// transaction as the lines; the rebuild and the check sum the shares anew.
#include <map>
#include <string>
#include <string_view>

#include "platform/store/store.h"
#include "records/inventory.h"
#include "records/job_cost.h"
#include "records/po_detail.h"

namespace vtl {

// The cost-record key of a job line: the job as stored (10 characters), the
// first `costCodeLen` characters of the cost code padded to 10, then the 4
// characters of cost type that follow them.
std::string costRecordKey(std::string_view jobId, std::string_view costCode, int costCodeLen);
// The same key appended to `out`, for a caller that builds many keys in one
// buffer.
void appendCostRecordKey(std::string& out, std::string_view jobId, std::string_view costCode, int costCodeLen);

// What a job line commits while open: its total less the invoiced quantity
// at the unit price, worked in double precision and rounded to cents.
Money jobOpenAmount(const PODetail& line);

// What is still open on a line for the purchasing manager: its total less
// the amount invoiced against it, to the cent (negative when invoices went
// over the line). The listing sums it per order, so its open amounts agree
// with the lines and the invoices it shows beside them.
Money lineOpenAmount(const PODetail& line);

// True while the line still counts towards a figure.
bool countsAsOpen(const PODetail& line);

// The line's part of its cost code's committed amount (0 for other lines).
Money committedShare(const PODetail& line);

// What has arrived on the line and is not invoiced, in the line's unit.
Quantity receivedNotInvoiced(const PODetail& line);

// The line's part of its item's on-order quantity, in stocking units (0 for
// other lines). INVQuantity holds the not-invoiced part of the line in
// stocking units; what has arrived comes off it in the same proportion, and
// the share never goes below nothing.
Quantity onOrderShare(const PODetail& line);

// The changes of many lines to the figures, summed per cost code and item
// so each figure is written once.
class FigureChanges {
public:
    explicit FigureChanges(int costCodeLen) : costCodeLen_(costCodeLen) {}

    // The line as it was: its shares come off.
    void remove(const PODetail& line) { add(line, -1); }
    // The line as it is now: its shares go on.
    void add(const PODetail& line) { add(line, 1); }
    // `before` becomes `after` (either may be the same line).
    void change(const PODetail& before, const PODetail& after) {
        remove(before);
        add(after);
    }
    void addCommitted(const std::string& costRecordId, const Money& delta);
    void addOnOrder(const std::string& itemId, const Quantity& delta);

    bool empty() const;
    const std::map<std::string, Money>& committed() const { return committed_; }
    const std::map<std::string, Quantity>& onOrder() const { return onOrder_; }
    // The net change of one cost code or item (0 when untouched).
    Money committedOf(const std::string& costRecordId) const;
    Quantity onOrderOf(const std::string& itemId) const;

    // Writes every figure that moves; a cost code or item not on file is
    // passed over. Stops at the first write that fails and answers it, with
    // `committedWords` or `onOrderWords` after the store's text, so the
    // caller can roll the whole change back. A figure the change would take
    // beyond what it can hold is such a failure too (nothing is written),
    // never a wrapped number nor a thrown one.
    store::Status apply(store::Store& store, std::string_view committedWords = " Saving JCCost",
                        std::string_view onOrderWords = " Saving INMasterPOEnt") const;

private:
    void add(const PODetail& line, int sign);

    int costCodeLen_;
    // A sum that went beyond its figure's digits, with the words of the
    // file it was for; the change then writes nothing.
    std::string overflow_;
    std::string_view overflowFile_;
    std::map<std::string, Money> committed_;
    std::map<std::string, Quantity> onOrder_;
};

}  // namespace vtl
