#include "vtlporpt/listing/listing_data.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <unordered_map>

#include "platform/picture/picture.h"
#include "records/reconciliation.h"
#include "records/running_figures.h"
#include "vtlporpt/print_blocks.h"

namespace vtl::rpt {
namespace {

const std::string kTwentyZ(20, 'Z');
const std::string kTenZ(10, 'Z');

// The first N characters without the blanks after them.
template <std::size_t N>
std::string cut(std::string_view text) {
    return std::string(text_detail::clipView(text.substr(0, text_detail::prefixBytes(text, N))));
}

bool allDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool within(std::string_view v, std::string_view from, std::string_view to) { return v >= from && v <= to; }

// Address lines with the blank ones taken out, the city line after them.
std::array<std::string, 3> compacted(const std::string& a1, const std::string& a2, const std::string& city,
                                     const std::string& state, const std::string& zip) {
    std::array<std::string, 3> out;
    std::size_t n = 0;
    for (const std::string& l : {a1, a2, formCityLine(city, state, zip, "  ")})
        if (!l.empty()) out[n++] = cut<50>(l);
    return out;
}

void readList(store::Store& store, ULong limitId, const char* type, std::vector<LimList>& out) {
    LimList l;
    l.Owner = kLimListOwner;
    l.LimitID = limitId;
    l.ListType = type;
    for (auto c = store::Table<LimList>(store).scan(LimList::KeyOwnerLimitType, l, {false, 3, false}); c.next(l);)
        out.push_back(l);
}

std::string recDescription(store::Store& store, const PORec& r) {
    if (r.InvoiceID != 0) {
        APInv inv;
        inv.InvoiceID = r.InvoiceID;
        if (!store::Table<APInv>(store).fetch(APInv::KeyInvoiceID, inv)) inv = APInv();
        return cut<80>("Reconciled by Invoice #" + inv.InvoiceNo.clip() + " (" +
                       pic::clip(pic::format(inv.InvoiceDate, "@d1b")) + ")");
    }
    return r.QtyPackSlip.isZero() ? std::string() : "Reconciled by Pack Slip";
}

// Vendors and jobs read once each: many orders name the same few.
struct Names {
    std::unordered_map<ULong, std::optional<APVendor>> vendors;
    std::unordered_map<std::string, std::optional<JCHeader>> jobs;

    const APVendor* vendor(store::Store& store, ULong id) {
        auto [it, added] = vendors.try_emplace(id);
        if (added) {
            APVendor v;
            v.VendorID = id;
            if (store::Table<APVendor>(store).fetch(APVendor::KeyVendorID, v)) it->second = std::move(v);
        }
        return it->second ? &*it->second : nullptr;
    }
    const JCHeader* job(store::Store& store, const std::string& id) {
        auto [it, added] = jobs.try_emplace(id);
        if (added) {
            JCHeader j;
            j.JobID = id;
            if (store::Table<JCHeader>(store).fetch(JCHeader::KeyJobID, j)) it->second = std::move(j);
        }
        return it->second ? &*it->second : nullptr;
    }
};

ListedOrder listedOrder(store::Store& store, Names& names, const POMaster& po) {
    ListedOrder o;
    o.poid = po.POID;
    o.poNumber = cut<14>(po.PONumber.str());
    o.sortKey = poSortKey(po.PONumber.clip());
    o.issueDate = po.IssueDate;
    o.deliverAfterDate = po.DeliverAfterDate;
    o.deliveryDate = po.DeliveryDate;
    if (const APVendor* v = names.vendor(store, po.VendorID)) {
        o.vendorName = v->VendorName.clip();
        o.vendorLines =
            compacted(v->Address.clip(), v->Address2.clip(), v->City.clip(), v->State.clip(), v->Zip.clip());
    } else {
        o.vendorName = "Vendor Not Found";
    }
    o.vendorString = cut<60>("(" + std::to_string(po.VendorID) + ") " + o.vendorName);
    if (!po.ShipToName.blank()) {
        o.shipToString = "Ship To:";
        o.shipToName = po.ShipToName.clip();
        o.shipToLines = compacted(po.ShipToAddress1.clip(), po.ShipToAddress2.clip(), po.ShipToCity.clip(),
                                  po.ShipToState.clip(), po.ShipToZip.clip());
    }
    o.defaultJob = po.DefaultJob.clip();
    const JCHeader* job = po.DefaultJob.blank() ? nullptr : names.job(store, po.DefaultJob.clip());
    if (job) {
        o.jobString1 = cut<25>("Default Job: " + po.DefaultJob.str());
        o.jobString2 = job->JobName.clip();
        o.jobString3 = cut<60>("(" + po.DefaultJob.clip() + ") " + job->JobName.clip());
    }
    o.originalAmount = po.POAmount;
    o.amountReconciled = po.AmountReconciled;
    o.reconciled = po.Reconciled;
    o.taxAmount = po.TaxAmount;
    return o;
}

void listedLine(store::Store& store, const PODetail& d, bool withReconciliations, ListedLine& l) {
    l.poid = d.POID;
    l.detailId = d.DetailID;
    l.sequenceNo = d.SequenceNo;
    l.text = d.TextFlag == 1;
    l.itemId = cut<7>(d.ItemID.str());
    l.vendorCatalogId = d.VendorCatalogID.clip();
    l.description = cut<60>(d.Description.str());
    if (l.text) l.fullText = d.Text.clip();
    l.receiptDate = d.ReceiptDate;
    l.qtyOrdered = Quantity::fromRaw(decimal_detail::divRound(d.QtyOrdered.raw(), 100) * 100);
    l.unitName = d.UnitName.clip();
    l.qtyInvoiced = d.QtyInvoiced;
    l.qtyBackordered = d.QtyBackord;
    l.unitPrice = d.UnitPrice;
    l.unitPriceRaw = priceRaw(d.UnitPrice);
    l.totalAmount = d.TotalAmount;
    l.amountInvoiced = d.AmountInvoiced;
    l.subsidiary = subsidiaryString(d);
    if (withReconciliations && l.reconciledSomething()) {
        PORec r;
        r.DetailID = d.DetailID;
        for (auto c = store::Table<PORec>(store).scan(PORec::KeyDetailID, r, {false, 1, false}); c.next(r);) {
            std::string text = recDescription(store, r);
            if (text.empty()) continue;
            ListedReconciliation e;
            e.description = std::move(text);
            e.quantity = r.InvoiceID != 0 ? r.QtyInvoiced : r.QtyPackSlip;
            e.unitPrice = r.UnitPrice;
            e.unitPriceRaw = priceRaw(r.UnitPrice);
            e.amount = r.Amount;
            l.reconciliations.push_back(std::move(e));
        }
    }
}

// The fields of a line the listing reads, in this order.
enum LineField {
    fPOID, fDetailID, fSequenceNo, fItemID, fTextFlag, fDescription, fQtyOrdered, fQtyInvoiced, fQtyBackord,
    fUnitPrice, fTotalAmount, fUnitName, fDetailType, fAccount, fJobID, fCostCode, fEquipmentID, fCostCategory,
    fReceiptDate, fVendorCatalogID, fAmountInvoiced, fText,
};
const std::vector<std::string> kLineFields = {
    "POID",        "DetailID",     "SequenceNo",  "ItemID",      "TextFlag",       "Description",
    "QtyOrdered",  "QtyInvoiced",  "QtyBackord",  "UnitPrice",   "TotalAmount",    "UnitName",
    "DetailType",  "Account",      "JobID",       "CostCode",    "EquipmentID",    "CostCategory",
    "ReceiptDate", "VendorCatalogID", "AmountInvoiced", "Text"};

void fillLine(PODetail& d, const store::Row& r) {
    d.POID = static_cast<ULong>(r.integer(fPOID));
    d.DetailID = static_cast<ULong>(r.integer(fDetailID));
    d.SequenceNo = static_cast<ULong>(r.integer(fSequenceNo));
    d.ItemID = r.text(fItemID);
    d.TextFlag = static_cast<Byte>(r.integer(fTextFlag));
    d.Description = r.text(fDescription);
    d.QtyOrdered = Quantity::fromRaw(r.integer(fQtyOrdered));
    d.QtyInvoiced = Quantity::fromRaw(r.integer(fQtyInvoiced));
    d.QtyBackord = Quantity::fromRaw(r.integer(fQtyBackord));
    d.UnitPrice = r.real(fUnitPrice);
    d.TotalAmount = Money::fromRaw(r.integer(fTotalAmount));
    d.UnitName = r.text(fUnitName);
    d.DetailType = r.text(fDetailType);
    d.Account = r.text(fAccount);
    d.JobID = r.text(fJobID);
    d.CostCode = r.text(fCostCode);
    d.EquipmentID = r.text(fEquipmentID);
    d.CostCategory = r.text(fCostCategory);
    d.ReceiptDate = r.isNull(fReceiptDate) ? Date() : Date::fromIso(r.text(fReceiptDate)).value_or(Date());
    d.VendorCatalogID = r.text(fVendorCatalogID);
    d.AmountInvoiced = Money::fromRaw(r.integer(fAmountInvoiced));
    d.Text = r.text(fText);
}

}  // namespace

std::int64_t priceRaw(double price) {
    // Beyond what any of its pictures holds: shown as the picture's '#'.
    if (!std::isfinite(price) || std::fabs(price) >= 9e14)
        return price < 0 ? std::numeric_limits<std::int64_t>::min() + 1 : std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(decimal_detail::fromDouble(price, 4));
}

std::string poSortKey(std::string_view poNumber) {
    while (!poNumber.empty() && poNumber.front() == ' ') poNumber.remove_prefix(1);
    while (!poNumber.empty() && poNumber.back() == ' ') poNumber.remove_suffix(1);
    if (poNumber.empty() || allDigits(poNumber)) {
        std::string digits(poNumber);
        return digits.size() >= 15 ? digits : std::string(15 - digits.size(), '0') + digits;
    }
    std::string key = "A";
    if (poNumber.size() < 14) key.append(14 - poNumber.size(), '0');
    key += poNumber;
    return key;
}

ListingBounds listingBounds(store::Store& store, const POLimits& l, Date today) {
    ListingBounds b;
    if (l.SelectedPONumbers == 1) {
        b.poFromShown = l.POFrom.clip();
        b.poToShown = l.POTo.blank() ? kTwentyZ : l.POTo.clip();
    } else {
        b.poToShown = kTwentyZ;
    }
    b.poFrom = b.poFromShown.empty() ? std::string() : poSortKey(b.poFromShown);
    b.poTo = poSortKey(b.poToShown);
    b.vendorFrom = l.VendorFrom;
    b.vendorTo = l.VendorTo == 0 ? 99999999u : l.VendorTo;
    b.dateFrom = l.DateFrom;
    b.dateTo = l.DateTo.isNull() ? today + 1000 : l.DateTo;
    b.eqFrom = l.EQFrom.clip();
    b.eqTo = l.EQTo.blank() ? kTenZ : l.EQTo.clip();
    b.jobFrom = l.JobFrom.clip();
    b.jobTo = l.JobTo.blank() ? kTenZ : l.JobTo.clip();
    b.costFrom = l.CostCodeFrom.clip();
    b.costTo = l.CostCodeTo.blank() ? kTenZ : l.CostCodeTo.clip();

    std::vector<LimList> rows;
    if (l.SelectedPONumbers == 2) readList(store, l.LimitID, "PONumber", rows);
    for (const LimList& r : rows)
        if (b.poList.insert(r.NumValue).second) b.poListOrder.push_back(r.NumValue);
    rows.clear();
    if (l.SelectedVendors == 2) readList(store, l.LimitID, "VendorID", rows);
    for (const LimList& r : rows)
        if (b.vendorList.insert(r.NumValue).second) b.vendorListOrder.push_back(r.NumValue);
    rows.clear();
    if (l.SelectedJobs == 2) readList(store, l.LimitID, "JobID", rows);
    for (const LimList& r : rows)
        if (b.jobList.insert(r.TextValue.clip()).second) b.jobListOrder.push_back(r.TextValue.clip());
    rows.clear();
    if (l.SelectedCostCodes == 2) readList(store, l.LimitID, "CostCode", rows);
    for (const LimList& r : rows)
        if (b.costCodeList.insert(r.TextValue.clip()).second) b.costCodeListOrder.push_back(r.TextValue.clip());
    return b;
}

bool limitedDate(const POMaster& po, std::string_view type, Date& date) {
    if (type == "I") date = po.IssueDate;
    else if (type == "A") date = po.DeliverAfterDate;
    else if (type == "E") date = po.DeliveryDate;
    else if (type == "D") date = po.DeadlineDate;
    else if (type == "P") date = po.ApprovedDate;
    else return false;
    return true;
}

bool orderPasses(const POMaster& po, const POLimits& l, const ListingBounds& b) {
    const std::string job = po.DefaultJob.clip();
    if (l.SortDetail == "W") {
        if (l.SelectedJobs == 1 && !job.empty() && !within(job, b.jobFrom, b.jobTo)) return false;
        if (l.SelectedJobs == 2 && !b.jobList.count(job)) return false;
        if (l.SelectedRef == 1 && job.empty()) return false;
        if (l.SelectedRef == 2 && !job.empty()) return false;
    }
    const bool stateIncluded = (po.Reconciled == kUnreconciled && l.Unreconciled) ||
                               (po.Reconciled == kPartiallyReconciled && l.PartiallyReconciled) ||
                               (po.Reconciled == kFullyReconciled && l.FullyReconciled);
    if (!stateIncluded) return false;
    if (l.SelectedVendors == 1 && (po.VendorID < b.vendorFrom || po.VendorID > b.vendorTo)) return false;
    if (l.SelectedVendors == 2 && !b.vendorList.count(po.VendorID)) return false;
    if (l.SelectedPONumbers == 1 && !within(poSortKey(po.PONumber.clip()), b.poFrom, b.poTo)) return false;
    if (l.SelectedPONumbers == 2 && !b.poList.count(po.POID)) return false;
    Date d;
    if (l.SelectedDates == 1 && limitedDate(po, l.DateLimitType.str(), d) && (d < b.dateFrom || d > b.dateTo))
        return false;
    return true;
}

bool linePasses(const PODetail& d, const POLimits& l, const ListingBounds& b, int costCodeLen) {
    // Read for every line of a long listing: nothing is copied that a limit in use does not need.
    if (l.SortDetail == "L") {
        const std::string_view job = d.JobID.clipView();
        if (l.SelectedJobs == 1 && !job.empty() && !within(job, b.jobFrom, b.jobTo)) return false;
        if (l.SelectedJobs == 2 && !job.empty() && !b.jobList.count(std::string(job))) return false;
        if (l.SelectedRef == 1 && job.empty()) return false;
        if (l.SelectedRef == 2 && !job.empty()) return false;
    }
    if (l.SelectedCostCodes == 1 || l.SelectedCostCodes == 2) {
        const std::string& full = d.CostCode.str();
        const std::string code =
            Text<10>(full.substr(0, static_cast<std::size_t>(std::clamp(costCodeLen, 0, 10)))).clip();
        if (l.SelectedCostCodes == 1 && !within(code, b.costFrom, b.costTo)) return false;
        if (l.SelectedCostCodes == 2 && !b.costCodeList.count(code)) return false;
    }
    if (l.SelectedEquipment == 1 && !within(d.EquipmentID.clipView(), b.eqFrom, b.eqTo)) return false;
    return true;
}

std::string subsidiaryString(const PODetail& d) {
    std::string s;
    if (d.DetailType == "Job") s = d.JobID.clip() + " " + d.CostCode.clip();
    else if (d.DetailType == "G/L Account") s = d.Account.clip() + "A";
    else if (d.DetailType == "Equipment") s = d.EquipmentID.clip() + " " + d.CostCategory.clip();
    return cut<25>(s);
}

ListingData gatherListing(store::Store& store, const POLimits& l, int costCodeLen, Date today,
                          const std::function<bool(std::int64_t, std::int64_t)>& progress) {
    ListingData out;
    const ListingBounds b = listingBounds(store, l, today);
    store::Table<POMaster> orders(store);
    store::Table<PODetail> details(store);
    out.ordersOnFile = orders.count();
    const bool withReconciliations = l.RefFrom == 1 && l.SelectedCat != 2;

    Names names;
    std::vector<ListedOrder> listed;
    // Each listed order's lines stay where they were read: only the orders
    // are put in sequence, with the place of their lines.
    std::vector<std::pair<std::size_t, std::size_t>> linesOf;
    std::int64_t read = 0;
    bool stopped = false;

    // The order being read: its entry, where its lines begin, and whether it is still in.
    struct Current {
        bool in = false;
        ListedOrder order;
        std::size_t first = 0;
    } cur;
    auto begin = [&](const POMaster& po) {
        ++read;
        if (progress && !progress(read, out.ordersOnFile)) stopped = true;
        cur.in = !stopped && orderPasses(po, l, b);
        cur.first = out.lines.size();
        if (cur.in) cur.order = listedOrder(store, names, po);
    };
    auto take = [&](const PODetail& d) {
        if (!cur.in) return;
        if (!linePasses(d, l, b, costCodeLen)) {
            // A comment line is charged to nothing: it never takes its whole
            // order off the listing.
            if (l.SortDetail == "W" && d.TextFlag != 1) {
                cur.in = false;
                out.lines.resize(cur.first);
            }
            return;
        }
        cur.order.openPreTax += lineOpenAmount(d);
        listedLine(store, d, withReconciliations, out.lines.emplace_back());
    };
    auto end = [&] {
        if (!cur.in || out.lines.size() == cur.first) {
            out.lines.resize(cur.first);
            return;
        }
        ListedOrder& o = cur.order;
        if (o.reconciled == kFullyReconciled) {
            o.taxAmount = Money();
            o.openAmount = Money();
        } else {
            o.openAmount = o.openPreTax + o.taxAmount;
        }
        if (o.openAmount < Money() && l.ColorCoding != 1) o.openAmount = Money();
        listed.push_back(std::move(o));
        linesOf.emplace_back(cur.first, out.lines.size() - cur.first);
        cur = Current();
        cur.first = out.lines.size();
    };

    // The walk: by default job or by vendor when a range allows it, each
    // order's lines read with it; else every order in file order beside one
    // pass over all the lines in the same order.
    const bool byJob = l.SelectedJobs == 1 && l.SortDetail == "W" && l.SelectedRef == 1;
    const bool byVendor = !byJob && l.SelectedVendors == 1;
    POMaster po;
    if (byJob || byVendor) {
        if (byJob) po.DefaultJob = b.jobFrom;
        else po.VendorID = b.vendorFrom;
        for (auto c = orders.scan(byJob ? POMaster::KeyJobID : POMaster::KeyVendorID, po); c.next(po);) {
            if (byJob && po.DefaultJob.clip() > b.jobTo) break;
            if (byVendor && po.VendorID > b.vendorTo) break;
            begin(po);
            if (stopped) break;
            if (!cur.in) continue;
            PODetail d;
            d.POID = po.POID;
            for (auto lc = details.scan(PODetail::KeyPOID, d, {false, 1, false}); cur.in && lc.next(d);) take(d);
            end();
        }
    } else {
        // Room for every line at once: growing a million lines would move each several times.
        out.lines.reserve(static_cast<std::size_t>(std::max<std::int64_t>(details.count(), 0)));
        auto cursor = orders.all(POMaster::KeyPOID);
        bool have = cursor.next(po);
        if (have) begin(po);
        auto upTo = [&](ULong poid) {
            while (have && !stopped && po.POID < poid) {
                end();
                have = cursor.next(po);
                if (have) begin(po);
            }
        };
        PODetail d;
        std::string error;
        store.projectRows(PODetail::info(), PODetail::KeyPOID, {}, kLineFields,
                          [&](const store::Row& r) {
                              if (stopped) return;
                              const auto poid = static_cast<ULong>(r.integer(fPOID));
                              upTo(poid);
                              if (!have || po.POID != poid || !cur.in) return;
                              fillLine(d, r);
                              take(d);
                          },
                          error);
        upTo(0xFFFFFFFFu);
        if (have && !stopped) end();
    }

    std::vector<std::size_t> order(listed.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    const std::string seq = l.Sequence.str();
    auto less = [&](std::size_t x, std::size_t y) {
        const ListedOrder& a = listed[x];
        const ListedOrder& c = listed[y];
        if (seq == "R") return a.poid < c.poid;
        if (seq == "J") return std::tie(a.defaultJob, a.vendorName, a.sortKey, a.poid) <
                               std::tie(c.defaultJob, c.vendorName, c.sortKey, c.poid);
        if (seq == "j") return std::tie(a.defaultJob, a.sortKey, a.poid) < std::tie(c.defaultJob, c.sortKey, c.poid);
        return std::tie(a.sortKey, a.poid) < std::tie(c.sortKey, c.poid);
    };
    std::stable_sort(order.begin(), order.end(), less);
    out.orders.reserve(listed.size());
    out.linesOf.reserve(listed.size());
    for (std::size_t i : order) {
        out.linesOf.push_back(linesOf[i]);
        out.orders.push_back(std::move(listed[i]));
    }
    return out;
}

}  // namespace vtl::rpt
