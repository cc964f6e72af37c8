#include "vtlpoimp/import_write.h"

#include <map>
#include <unordered_map>
#include <unordered_set>

#include "records/reconciliation.h"
#include "records/records.h"
#include "records/running_figures.h"

namespace vtl::imp {
namespace {

// The stocking quantities of inventory lines, with each item and conversion
// read once.
class StockUnits {
public:
    explicit StockUnits(store::Store& store) : store_(store) {}

    Quantity open(const PODetail& line) {
        auto [it, fresh] = items_.try_emplace(line.ItemID.clip());
        if (fresh) {
            INMaster m;
            m.ItemID = line.ItemID;
            if (store::Table<INMaster>(store_).fetch(INMaster::KeyItemID, m)) it->second = m;
        }
        const INMaster* item = it->second ? &*it->second : nullptr;
        const INCnvrt* conversion = nullptr;
        if (item && line.UnitName != item->StockUnit) {
            auto [c, freshC] = conversions_.try_emplace(line.ItemID.clip() + '\x1f' + line.UnitName.clip());
            if (freshC) {
                INCnvrt k;
                k.ItemID = line.ItemID;
                k.UnitName = line.UnitName;
                if (store::Table<INCnvrt>(store_).fetch(INCnvrt::KeyItemUnit, k)) c->second = k;
            }
            if (c->second) conversion = &*c->second;
        }
        return openInventoryQuantity(line, item, conversion);
    }

private:
    store::Store& store_;
    std::unordered_map<std::string, std::optional<INMaster>> items_;
    std::unordered_map<std::string, std::optional<INCnvrt>> conversions_;
};

}  // namespace

namespace {

store::Status writeAll(const WriteContext& cx, ImportBatch& batch, WriteResult& result) {
    store::Store& store = cx.store;
    store::Transaction tx(store);
    if (!tx.status()) return tx.status();

    store::Table<POMaster> orders(store);
    store::Table<PODetail> details(store);
    store::Table<Systems> systems(store);
    store::Table<DropList> agents(store);

    // Read under the write lock, so two imports never hand out one number.
    Systems sys;
    const bool haveSystems = systems.all(Systems::KeySystemID).next(sys);
    const ULong nextBefore = sys.NextPONumber;

    std::int64_t firstPOID = 0;
    if (!batch.headers.empty() &&
        !orders.reserveNumbers(static_cast<std::int64_t>(batch.headers.size()), firstPOID))
        return store::Status::failure("Unable to PrimeAutoInc POMaster.");

    // Lines by their header's POID, in file order.
    std::unordered_map<ULong, std::vector<std::size_t>> linesOf;
    for (std::size_t i = 0; i < batch.lines.size(); ++i) linesOf[batch.lines[i].poid].push_back(i);

    const std::int64_t work = static_cast<std::int64_t>(batch.headers.size() + batch.lines.size());
    std::int64_t done = 0;
    auto tick = [&] {
        ++done;
        if (cx.progress && (done & 0x3FF) == 0) cx.progress(done, work);
    };

    std::unordered_set<std::string> numbersInFile;
    for (const ImportHeader& h : batch.headers)
        if (!h.poNumber.blank()) numbersInFile.insert(h.poNumber.clip());
    auto numberTaken = [&](const std::string& number) {
        if (numbersInFile.count(number)) return true;
        POMaster other;
        other.PONumber = number;
        return orders.fetch(POMaster::KeyPONumber, other);
    };

    std::unordered_set<std::string> agentsSeen;
    std::unordered_map<ULong, ULong> newPOID;
    for (std::size_t i = 0; i < batch.headers.size(); ++i) {
        ImportHeader& h = batch.headers[i];
        POMaster po;
        po.VendorID = h.vendorId;
        po.SortVendorID = h.vendorId;
        po.PreparedBy = h.preparedBy;
        po.PreparedDate = h.preparedDate;
        po.IssueDate = h.issueDate;
        po.DeliverAfterDate = h.deliverAfterDate;
        po.DeliveryDate = h.deliveryDate;
        po.DeadlineDate = h.deadlineDate;
        po.PreTaxAmount = h.preTaxAmount;
        po.TaxAmount = h.taxAmount;
        po.POAmount = h.poAmount;
        po.ShipToType = h.shipToType;
        po.ShipToJob = h.shipToJob;
        po.ShipToVendor = h.shipToVendor;
        po.ShipToCustomer = h.shipToCustomer;
        po.ShipToName = h.shipToName;
        po.ShipToAddress1 = h.shipToAddress1;
        po.ShipToAddress2 = h.shipToAddress2;
        po.ShipToCity = h.shipToCity;
        po.ShipToState = h.shipToState;
        po.ShipToZip = h.shipToZip;
        po.ShipToContact = h.shipToContact;
        po.ShipVia = h.shipVia;
        po.ShipToInstructions = h.shipToInstructions;
        po.FOB = h.fob;
        po.Terms = h.terms;
        po.Taxable = 1;
        if (!h.poNumber.blank()) {
            po.PONumber = h.poNumber;
        } else {
            // A number of the counter that an order on file or one of this
            // file already carries is passed over: no two orders share one.
            while (numberTaken(std::to_string(sys.NextPONumber))) sys.NextPONumber = sys.NextPONumber + 1;
            po.PONumber = std::to_string(sys.NextPONumber);
            sys.NextPONumber = sys.NextPONumber + 1;
        }
        setReconciled(po, kUnreconciled);
        if (!po.TaxAmount.isZero() && !po.PreTaxAmount.isZero())
            po.TaxRate = po.TaxAmount.toDouble() / po.PreTaxAmount.toDouble() * 100.0;
        po.POID = static_cast<ULong>(firstPOID + static_cast<std::int64_t>(i));
        if (auto lines = linesOf.find(h.poid); lines != linesOf.end())
            for (std::size_t k : lines->second) {
                const ImportLine& d = batch.lines[k];
                if (d.detailType == 'J' && d.textFlag != 1 && !d.jobId.blank()) {
                    po.DefaultJob = d.jobId;
                    break;
                }
            }
        if (!orders.insert(po)) return store::Status::failure("Unable to Insert POMaster.");
        h.newPOID = po.POID;
        newPOID.emplace(h.poid, po.POID);
        ++result.orders;

        if (!po.PreparedBy.blank() && agentsSeen.insert(po.PreparedBy.clip()).second) {
            DropList agent;
            agent.FieldName = kPurchasingAgentList;
            agent.Value = po.PreparedBy;
            if (!agents.fetch(DropList::KeyFieldValue, agent)) {
                agent = DropList();
                agent.FieldName = kPurchasingAgentList;
                agent.Value = po.PreparedBy;
                agent.UserID = cx.userId;
                agent.DateAdded = cx.today;
                if (store::Status s = agents.insert(agent); !s && cx.report)
                    cx.report(store::reworded(s, " Inserting DropList"));
            }
        }
        tick();
    }

    if (haveSystems && sys.NextPONumber != nextBefore)
        if (store::Status s = systems.update(sys); !s) return s;

    std::int64_t firstDetail = 0;
    if (!batch.lines.empty() &&
        !details.reserveNumbers(static_cast<std::int64_t>(batch.lines.size()), firstDetail))
        return store::Status::failure("Unable to PrimeAutoInc PODetail.");

    FigureChanges figures(cx.costCodeLen);
    StockUnits stock(store);
    std::unordered_map<ULong, ULong> sequence;
    std::int64_t k = 0;
    PODetail d;
    for (const ImportLine& l : batch.lines) {
        auto order = newPOID.find(l.poid);
        if (order == newPOID.end()) continue;  // its header was not written
        d = PODetail();
        d.POID = order->second;
        d.DetailID = static_cast<ULong>(firstDetail + k++);
        d.TextFlag = l.textFlag;
        d.SequenceNo = ++sequence[d.POID];
        if (l.textFlag == 1) {
            d.Text = l.text;
        } else {
            d.ItemID = l.itemId;
            d.Description = l.description;
            d.QtyOrdered = l.qtyOrdered;
            d.UnitPrice = l.unitPrice;
            d.UnitName = l.unitName;
            d.TotalAmount = l.totalAmount;
            d.Taxable = 1;
            d.DetailType = detailTypeWord(l.detailType);
            d.JobID = l.jobId;
            d.CostCode = l.costCode;
            d.Account = l.account;
            d.EquipmentID = l.equipmentId;
            d.CostCategory = l.costCategory;
            d.DeliverAfterDate = l.deliverAfterDate;
            d.DeliveryDate = l.deliveryDate;
            d.DeadlineDate = l.deadlineDate;
            if (d.DetailType == "Inventory") d.INVQuantity = stock.open(d);
        }
        if (!details.insert(d)) return store::Status::failure("Unable to Insert PODetail.");
        figures.add(d);
        ++result.lines;
        tick();
    }
    if (store::Status s = figures.apply(store); !s) return s;
    if (store::Status s = tx.commit(); !s) return s;
    if (cx.progress) cx.progress(work, work);
    return store::Status::success();
}

}  // namespace

store::Status writeImport(const WriteContext& cx, ImportBatch& batch, WriteResult& result) {
    result = {};
    // A stocking quantity beyond its digits (a huge order of boxes) fails
    // the import like a refused write: its transaction is rolled back.
    try {
        return writeAll(cx, batch, result);
    } catch (const DecimalOverflow& e) {
        result = {};
        return store::Status::failure(std::string(e.what()) + " Inserting PODetail");
    }
}

}  // namespace vtl::imp
