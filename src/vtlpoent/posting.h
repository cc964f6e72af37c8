#pragma once
// Commitment and on-order posting of whole orders: a new or copied order's
// lines go on the figures, a deleted order's lines come off them.
//
// The rule of each figure is in records/running_figures.h. These postings
// write inside the caller's transaction (or their own, when the caller has
// none) and answer the first failed write, so the caller can roll the whole
// change back and say so: nothing is ever half posted.
#include <string>
#include <vector>

#include "platform/store/store.h"
#include "records/records.h"
#include "records/running_figures.h"

namespace vtl::ent {

using vtl::costRecordKey;
using vtl::jobOpenAmount;

class Poster {
public:
    Poster(store::Store& store, int costCodeLen) : store_(store), costCodeLen_(costCodeLen) {}

    // Adds the shares of every stored line of the order (a new, copied or
    // imported order commits like any other open order).
    store::Status postNewOrder(ULong poid);

    // Removes an order's shares from the figures and takes back what was
    // received and not invoiced: the item's on-hand quantity, the stock of
    // the place it was received into, and the line's receipt records. The
    // caller deletes notes, attachments and the order itself.
    store::Status postOrderDelete(ULong poid);

    // The pick list's shorter delete: the shares only, received stock stays.
    store::Status postOrderDeleteReduced(ULong poid);

private:
    store::Status takeBackReceived(const PODetail& line);

    store::Store& store_;
    int costCodeLen_;
};

// Deletes the notes and attachment records of an order; the numbers of the
// attachments whose stored files are to go once the caller has committed
// are added to `files`.
store::Status deleteOrderNotesAndImages(store::Store& store, ULong poid, std::vector<ULong>& files);

// Runs `work` in one transaction: commits when it succeeds, rolls back and
// answers the failure otherwise (also when the transaction cannot begin).
template <class Work>
store::Status inOneTransaction(store::Store& store, Work&& work) {
    store::Transaction tx(store);
    if (!tx.status()) return tx.status();
    store::Status s = work();
    if (!s) return s;  // the transaction rolls back
    return tx.commit();
}

}  // namespace vtl::ent
