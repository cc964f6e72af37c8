#include "vtlpoent/posting.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "records/reconciliation.h"

namespace vtl::ent {

std::string costRecordKey(std::string_view jobId, std::string_view costCode, int costCodeLen) {
    const std::size_t n = static_cast<std::size_t>(std::clamp(costCodeLen, 0, 10));
    auto padded = [](std::string_view s, std::size_t width) {
        std::string r(s.substr(0, std::min(s.size(), width)));
        r.resize(width, ' ');
        return r;
    };
    const std::string_view code = costCode.substr(0, std::min(costCode.size(), n));
    const std::string_view type = costCode.size() > n ? costCode.substr(n, 4) : std::string_view();
    return padded(jobId, 10) + padded(code, 10) + padded(type, 4);
}

Money jobOpenAmount(const PODetail& line) {
    return Money::fromDouble(line.TotalAmount.toDouble() - line.QtyInvoiced.toDouble() * line.UnitPrice);
}

Poster::Poster(store::Store& store, int costCodeLen, Reporter report)
    : store_(store), costCodeLen_(costCodeLen), report_(std::move(report)) {}

void Poster::write(const store::Status& s, const char* words) {
    // The posting's words name the figure that could not be saved.
    if (!s && report_) report_(store::reworded(s, words));
}

void Poster::commit(store::Transaction& tx) {
    if (!tx.status()) {
        // Could not take the write lock: the writes went through one by one.
        if (report_) report_(tx.status().message);
        return;
    }
    store::Status s = tx.commit();
    if (!s && report_) report_(s.message);
}

void Poster::addCommitted(const std::string& key, const Money& delta, bool clearLastDetail, ULong detailId) {
    store::Table<JCCost> costs(store_);
    JCCost jcc;
    jcc.RecordID = key;
    if (!costs.fetch(JCCost::KeyRecordID, jcc)) return;  // no such cost code: passed over
    jcc.Committed += delta;
    if (clearLastDetail && jcc.LastPODetailID == detailId) jcc.LastPODetailID = 0;
    write(costs.update(jcc), " Saving JCCost");
}

void Poster::addOnOrder(const std::string& item, const Quantity& delta) {
    store::Table<INMaster> items(store_);
    INMaster inm;
    inm.ItemID = item;
    if (!items.fetch(INMaster::KeyItemID, inm)) return;
    inm.OnOrder += delta;
    write(items.update(inm), " Saving INMasterPOEnt");
}

OpeningLines Poster::openingLines(ULong poid) {
    OpeningLines out;
    for (const PODetail& d : linesOfOrder(store_, poid)) {
        if (d.DetailType == "Job")
            out.push_back({"Job", costRecordKey(d.JobID.str(), d.CostCode.str(), costCodeLen_), d.DetailID,
                           jobOpenAmount(d), Quantity()});
        else if (d.DetailType == "Inventory")
            out.push_back({"Inventory", d.ItemID.clip(), d.DetailID, Money(), d.INVQuantity});
    }
    return out;
}

void Poster::postSave(OpeningLines& opening, ULong poid) {
    // The changes are exact decimals, so they are summed per cost code and
    // per item first and each figure is written once: an order of thousands
    // of lines on a few codes saves in a few writes.
    std::map<std::string, Money> committed;
    std::map<std::string, Quantity> onOrder;
    while (!opening.empty()) {
        const OpeningEntry e = opening.back();
        opening.pop_back();
        if (e.type == "Job") committed[e.key] -= e.openAmount;
        else onOrder[e.key] -= e.quantity;
    }
    for (const PODetail& d : linesOfOrder(store_, poid)) {
        if (d.DetailType == "Job")
            committed[costRecordKey(d.JobID.str(), d.CostCode.str(), costCodeLen_)] += jobOpenAmount(d);
        else if (d.DetailType == "Inventory")
            onOrder[d.ItemID.clip()] += d.INVQuantity;
    }
    store::Transaction tx(store_);
    for (const auto& [key, delta] : committed)
        if (!delta.isZero()) addCommitted(key, delta, false, 0);
    for (const auto& [item, delta] : onOrder)
        if (!delta.isZero()) addOnOrder(item, delta);
    commit(tx);
}

void Poster::postLineDelete(OpeningLines& opening, const PODetail& line) {
    if (line.DetailType != "Job") return;
    auto it = std::find_if(opening.begin(), opening.end(),
                           [&](const OpeningEntry& e) { return e.type == "Job" && e.detailId == line.DetailID; });
    if (it == opening.end()) return;
    store::Transaction tx(store_);
    addCommitted(it->key, -it->openAmount, false, 0);
    opening.erase(it);
    commit(tx);
}

void Poster::postOrderDelete(ULong poid) {
    store::Transaction tx(store_);
    store::Table<INMaster> items(store_);
    for (const PODetail& d : linesOfOrder(store_, poid)) {
        if (d.DetailType == "Inventory") {
            INMaster inm;
            inm.ItemID = d.ItemID;
            if (!items.fetch(INMaster::KeyItemID, inm)) continue;
            // Stocking units per ordered unit. A line of no quantity has no
            // ratio to take; its unit's conversion (1 when none) stands in.
            double factor = 1.0;
            if (!d.QtyOrdered.isZero()) {
                factor = d.INVQuantity.toDouble() / d.QtyOrdered.toDouble();
            } else if (!(d.UnitName == inm.StockUnit)) {
                INCnvrt conv;
                conv.ItemID = d.ItemID;
                conv.UnitName = d.UnitName;
                if (store::Table<INCnvrt>(store_).fetch(INCnvrt::KeyItemUnit, conv) && conv.Factor != 0)
                    factor = conv.Factor;
            }
            const Quantity received = Quantity::fromDouble(factor * d.QtyRcvdNotInvoiced.toDouble());
            inm.OnOrder -= d.INVQuantity - received;
            if (!d.QtyRcvdNotInvoiced.isZero()) {
                inm.OnHand -= received;
                store::Table<INItem> places(store_);
                INItem place;
                place.ItemID = inm.ItemID;
                place.LocationID = inm.DefaultLocation;
                place.BinID = inm.DefaultBin;
                if (places.fetch(INItem::KeyItemLocBin, place)) {
                    place.Quantity -= received;
                    write(places.update(place), " Saving INItem");
                }
                store::Table<INPurch> receipts(store_);
                INPurch receipt;
                receipt.PODetailID = d.DetailID;
                if (receipts.fetch(INPurch::KeyPODetailID, receipt)) write(receipts.remove(receipt), " Deleting INPurch");
            }
            write(items.update(inm), " Saving INMasterPOEnt");
        } else if (d.DetailType == "Job") {
            addCommitted(costRecordKey(d.JobID.str(), d.CostCode.str(), costCodeLen_), -jobOpenAmount(d), true,
                         d.DetailID);
        }
    }
    commit(tx);
}

void Poster::postOrderDeleteReduced(ULong poid) {
    store::Transaction tx(store_);
    for (const PODetail& d : linesOfOrder(store_, poid)) {
        if (d.DetailType == "Inventory") addOnOrder(d.ItemID.clip(), -d.INVQuantity);
        else if (d.DetailType == "Job")
            addCommitted(costRecordKey(d.JobID.str(), d.CostCode.str(), costCodeLen_), -jobOpenAmount(d), false, 0);
    }
    commit(tx);
}

}  // namespace vtl::ent
