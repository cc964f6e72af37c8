#include "vtlporec/recalc_committed.h"

#include <map>

#include "platform/suite/error_object.h"
#include "records/records.h"
#include "vtlpoent/posting.h"

namespace vtl::rec {

void RecalcCommitted::step(const std::function<void(int)>& progress) {
    ++done_;
    // The share done, not a whole-number step per record: with more than a
    // hundred records such a step would be 0 and the bar would never move.
    const int percent = total_ ? static_cast<int>(done_ * 100 / total_) : 100;
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    if (progress) progress(percent);
}

void RecalcCommitted::clearCommitted(const std::function<void(int)>& progress) {
    store::Table<JCCost> costs(s_.store);
    std::vector<JCCost> all;
    JCCost c;
    for (auto cur = costs.all(JCCost::KeyRecordID); cur.next(c);) all.push_back(std::move(c));
    for (JCCost& cost : all) {
        if (!cost.Committed.isZero()) {
            cost.Committed = Money();
            if (auto st = costs.update(cost); !st) s_.errors.report(store::reworded(st, " Saving JCCost Record"));
        }
        step(progress);
    }
}

void RecalcCommitted::rebuildOrders(const std::function<void(int)>& progress) {
    store::Table<POMaster> orders(s_.store);
    store::Table<JCCost> costs(s_.store);
    std::vector<POMaster> all;
    POMaster po;
    for (auto cur = orders.all(POMaster::KeyPOID); cur.next(po);) all.push_back(std::move(po));
    // Committed amounts are summed per cost code and written once each.
    std::map<std::string, Money> committed;
    for (POMaster& order : all) {
        double qty = 0, amount = 0;
        for (const PODetail& d : linesOfOrder(s_.store, order.POID)) {
            qty += d.QtyInvoiced.toDouble();
            amount += d.AmountInvoiced.toDouble();
            if (d.Reconciliation == 2 || d.DetailType != "Job" || (d.QtyOrdered - d.QtyInvoiced).isZero()) continue;
            committed[ent::costRecordKey(d.JobID.str(), d.CostCode.str(), s_.globals.CostCodeLen)] +=
                ent::jobOpenAmount(d);
        }
        order.QuantityReconciled = Money::fromDouble(qty);
        order.AmountReconciled = Money::fromDouble(amount);
        s_.errors.check(orders.update(order));
        step(progress);
    }
    for (const auto& [key, amount] : committed) {
        JCCost cost;
        cost.RecordID = key;
        if (!costs.fetch(JCCost::KeyRecordID, cost)) continue;  // no such cost code: nothing to add to
        cost.Committed += amount;
        s_.errors.check(costs.update(cost));
    }
}

void RecalcCommitted::proceed(const std::function<void(int)>& progress) {
    {
        ui::BusyCursor busy(s_.ui);
        // Other users may hold the files; the store waits up to 5 seconds.
        // Without the transaction the run still goes on, each write standing.
        store::Transaction tx(s_.store);
        total_ = store::Table<JCCost>(s_.store).count() + store::Table<POMaster>(s_.store).count();
        done_ = 0;
        shownPercent_ = -1;
        if (progress) progress(0);
        clearCommitted(progress);
        rebuildOrders(progress);
        if (tx.status()) s_.errors.check(tx.commit());
    }
    ran_ = true;
    s_.ui.tell("The recalculation process has been completed.", "Process Complete");
    closed_ = true;
}

}  // namespace vtl::rec
