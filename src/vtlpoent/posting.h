#pragma once
// Commitment and on-order posting: keeps the committed amount of each job
// cost code and the on-order quantity of each inventory item in step with
// the open purchase-order lines.
//
// Every posting (one save, one line delete, one order delete) runs in one
// transaction, so a crash never leaves an order's figures half moved. A
// single failed write is reported with its words and the posting goes on
// with the next line, as a clerk expects of the rest of the module.
#include <functional>
#include <string>
#include <vector>

#include "platform/store/store.h"
#include "records/records.h"

namespace vtl::ent {

// Called with "<file error> Saving JCCost" and the like.
using Reporter = std::function<void(const std::string&)>;

// The cost-record key of a job line: the job as stored (10 characters), the
// first `costCodeLen` characters of the cost code padded to 10, then the 4
// characters of cost type that follow them.
std::string costRecordKey(std::string_view jobId, std::string_view costCode, int costCodeLen);

// What a job line still commits: its total less the invoiced quantity at the
// unit price, worked in double precision and rounded to cents.
Money jobOpenAmount(const PODetail& line);

// One line of the order as it was posted when the form opened.
struct OpeningEntry {
    std::string type;  // "Job" or "Inventory"
    std::string key;   // cost-record key, or the item
    ULong detailId = 0;
    Money openAmount;  // job lines
    Quantity quantity; // inventory lines, with all 4 places so a reversal is exact
};
using OpeningLines = std::vector<OpeningEntry>;

class Poster {
public:
    Poster(store::Store& store, int costCodeLen, Reporter report);

    // The snapshot the purchase-order form takes when it opens an order.
    OpeningLines openingLines(ULong poid);

    // The OK of the form: reverses the snapshot (emptying it) and posts the
    // order's current lines.
    void postSave(OpeningLines& opening, ULong poid);

    // A job line deleted on the form lowers its own cost code once, by the
    // amount that was posted for it, and leaves the snapshot so the next
    // save does not lower it again. A line added since the form opened has
    // posted nothing and moves nothing.
    void postLineDelete(OpeningLines& opening, const PODetail& line);

    // Removes an order's commitments and on-order quantities, undoing what
    // was received and not invoiced (on hand, the item's default place and
    // the receipt record). The caller deletes notes, attachments and the
    // order itself.
    void postOrderDelete(ULong poid);

    // The pick list's shorter delete: on-order less the open quantity and
    // committed less the open amount, nothing received is touched.
    void postOrderDeleteReduced(ULong poid);

    // Posts every line of a new order as a first save would (a duplicated
    // order is open and commits like any other).
    void postNewOrder(ULong poid) {
        OpeningLines none;
        postSave(none, poid);
    }

private:
    void addCommitted(const std::string& key, const Money& delta, bool clearLastDetail, ULong detailId);
    void addOnOrder(const std::string& item, const Quantity& delta);
    void write(const store::Status& s, const char* words);
    void commit(store::Transaction& tx);

    store::Store& store_;
    int costCodeLen_;
    Reporter report_;
};

}  // namespace vtl::ent
