#include "vtlpoent/posting.h"

#include <vector>

#include "records/reconciliation.h"

namespace vtl::ent {

store::Status Poster::postNewOrder(ULong poid) {
    return inOneTransaction(store_, [&] {
        FigureChanges changes(costCodeLen_);
        for (const PODetail& d : linesOfOrder(store_, poid)) changes.add(d);
        return changes.apply(store_);
    });
}

store::Status Poster::postOrderDelete(ULong poid) {
    return inOneTransaction(store_, [&] {
        const auto lines = linesOfOrder(store_, poid);
        FigureChanges changes(costCodeLen_);
        for (const PODetail& d : lines) changes.remove(d);
        if (store::Status s = changes.apply(store_); !s) return s;
        store::Table<JCCost> costs(store_);
        for (const PODetail& d : lines) {
            if (d.DetailType == "Inventory") {
                if (store::Status s = takeBackReceived(d); !s) return s;
            } else if (d.DetailType == "Job") {
                // The job-cost module's note of the last line posted to the
                // code must not name a line that is gone.
                JCCost c;
                c.RecordID = costRecordKey(d.JobID.str(), d.CostCode.str(), costCodeLen_);
                if (costs.fetch(JCCost::KeyRecordID, c) && c.LastPODetailID == d.DetailID && d.DetailID != 0) {
                    c.LastPODetailID = 0;
                    if (store::Status s = costs.update(c); !s)
                        return store::Status::failure(store::reworded(s, " Saving JCCost"));
                }
            }
        }
        return store::Status::success();
    });
}

// Received goods were put at the line's own place (the item's default place
// when the line names none), in stocking units by the line's unit.
store::Status Poster::takeBackReceived(const PODetail& d) {
    const Quantity received = receivedNotInvoiced(d);
    if (received.isZero()) return store::Status::success();
    store::Table<INMaster> items(store_);
    INMaster item;
    item.ItemID = d.ItemID;
    if (!items.fetch(INMaster::KeyItemID, item)) return store::Status::success();
    const Quantity stock = Quantity::fromDouble(received.toDouble() * stockingFactor(store_, d, item));
    item.OnHand -= stock;
    if (store::Status s = items.update(item); !s) return store::Status::failure(store::reworded(s, " Saving INMasterPOEnt"));

    store::Table<INItem> places(store_);
    INItem place;
    place.ItemID = d.ItemID;
    place.LocationID = d.LocationID.blank() ? item.DefaultLocation : d.LocationID;
    place.BinID = d.BinID.blank() ? item.DefaultBin : d.BinID;
    if (places.fetch(INItem::KeyItemLocBin, place)) {
        place.Quantity -= stock;
        if (store::Status s = places.update(place); !s) return store::Status::failure(store::reworded(s, " Saving INItem"));
    }

    store::Table<INPurch> receipts(store_);
    INPurch r;
    r.PODetailID = d.DetailID;
    std::vector<INPurch> ofLine;
    for (auto c = receipts.scan(INPurch::KeyPODetailID, r, {false, 1, false}); c.next(r);) ofLine.push_back(r);
    for (INPurch& gone : ofLine)
        if (store::Status s = receipts.remove(gone); !s) return store::Status::failure(store::reworded(s, " Deleting INPurch"));
    return store::Status::success();
}

store::Status Poster::postOrderDeleteReduced(ULong poid) {
    return inOneTransaction(store_, [&] {
        FigureChanges changes(costCodeLen_);
        for (const PODetail& d : linesOfOrder(store_, poid)) changes.remove(d);
        return changes.apply(store_);
    });
}

store::Status deleteOrderNotesAndImages(store::Store& store, ULong poid, std::vector<ULong>& files) {
    store::Table<Notes> notes(store);
    Notes n;
    n.Filename = "POMaster";
    n.EntityID = std::to_string(poid);
    std::vector<Notes> found;
    for (auto c = notes.scan(Notes::KeyFileEntity, n, {false, 2, false}); c.next(n);) found.push_back(n);
    for (auto& note : found)
        if (store::Status s = notes.remove(note); !s) return store::Status::failure(store::reworded(s, " Deleting Notes"));
    store::Table<Images> images(store);
    Images img;
    img.Type = "POMaster";
    img.NumericID = poid;
    std::vector<Images> attached;
    for (auto c = images.scan(Images::KeyTypeNumericID, img, {false, 2, false}); c.next(img);) attached.push_back(img);
    for (auto& a : attached) {
        if (store::Status s = images.remove(a); !s) return store::Status::failure(store::reworded(s, " Deleting Images"));
        files.push_back(a.ImageID);
    }
    return store::Status::success();
}

}  // namespace vtl::ent
