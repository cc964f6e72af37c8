// Turns the demo order table into what the module keeps: the header with its
// ship-to block, totals and reconciliation state; the lines; the payables
// invoices that billed them with their reconciliation history; and notes.
#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "demo/demo_orders.h"
#include "demo/demo_support.h"
#include "records/equipment.h"
#include "records/general_ledger.h"
#include "records/inventory.h"
#include "records/job_cost.h"
#include "records/payables.h"
#include "records/po_rec.h"
#include "records/receivables.h"
#include "records/reconciliation.h"
#include "records/shared_services.h"
#include "records/systems.h"
#include "records/users.h"

namespace vtl::demo {
namespace {

// Ship-to addresses typed on the order ("Other").
struct OtherAddress {
    const char* key;
    const char* name;
    const char* address1;
    const char* address2;
    const char* city;
    const char* state;
    const char* zip;
    const char* contact;
    const char* instructions;
};

const OtherAddress kOtherAddresses[] = {
    {"Pearl staging", "Pearl Lofts - Staging Container", "NW 13th Avenue & Marshall Street",
     "Lot behind the building", "Portland", "OR", "97209", "Ben Halvorsen",
     "Call the site 30 minutes before arrival."},
    {"BG laydown", "Fire Station 2 - Laydown Yard", "1212 SW 9th Street", "North gate", "Battle Ground", "WA",
     "98604", "Ben Halvorsen", "Forklift on site; unload at the north gate."},
};

// Orders issued in the last days before "today" have not been printed yet.
constexpr int kUnprintedDays = 10;
// Orders of this amount or more carry the project manager's approval.
const Money kApprovalLimit = Money(10000);

// "Net 30", "2% 10 Net 30", "Due on receipt".
struct Terms {
    int dueDays = 0;
    int discountDays = 0;
};

Terms termsOf(std::string_view text) {
    Terms t;
    auto numberAfter = [&](std::string_view marker) {
        auto at = text.find(marker);
        if (at == std::string_view::npos) return 0;
        int n = 0;
        for (auto i = at + marker.size(); i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            n = n * 10 + (text[i] - '0');
        return n;
    };
    t.dueDays = numberAfter("Net ");
    t.discountDays = numberAfter("% ");
    return t;
}

// Deliveries are asked for on a working day.
Date workingDay(Date d) {
    if (d.weekday() == 6) return d + 2;
    if (d.weekday() == 0) return d + 1;
    return d;
}

template <std::size_t N>
void setOptional(Text<N>& field, const char* value) {
    setText(field, value ? value : "");
}

class OrderBuilder {
public:
    explicit OrderBuilder(Writer& w) : w_(w) {
        Systems key;
        key.SystemID = 1;
        sys_ = w_.fetch(Systems::KeySystemID, key, "settings record");
    }

    void build(const OrderRow& row);
    void writeNotes();

private:
    void fillShipTo(POMaster& po, const OrderRow& row);
    PODetail line(const OrderRow& row, const LineRow& ls, const POMaster& po);
    void chargeTo(PODetail& d, const OrderRow& row, const LineRow& ls);
    // The quantities of each invoice, per line: one invoice bills what was
    // invoiced; a split bills about half of each line first and the rest later.
    std::vector<std::vector<Quantity>> invoiceParts(const OrderRow& row, const std::vector<PODetail>& lines);
    struct Invoice {
        std::string number;
        Date date;
        Byte posted = 1;
    };
    // Numbers and dates the invoices, and shows the latest on the header.
    std::vector<Invoice> planInvoices(const OrderRow& row, POMaster& po,
                                      const std::vector<std::vector<Quantity>>& parts);
    void writeInvoices(const POMaster& po, const std::vector<Invoice>& invoices, const std::vector<PODetail>& lines,
                       const std::vector<std::vector<Quantity>>& parts);
    std::string invoiceNumber(ULong vendor);

    Writer& w_;
    Systems sys_;
    std::map<std::string, ULong> poidOfNumber_;
    unsigned invoiceCount_ = 0;
};

void OrderBuilder::fillShipTo(POMaster& po, const OrderRow& row) {
    const std::string_view type = row.shipTo;
    setText(po.ShipToType, type);
    if (type == "Job") {
        JCHeader key;
        setText(key.JobID, row.shipRef);
        JCHeader job = w_.fetch(JCHeader::KeyJobID, key, std::string("job ") + row.shipRef);
        po.ShipToJob = job.JobID;
        po.ShipToName = job.JobName;
        po.ShipToAddress1 = job.Address;
        po.ShipToCity = job.City;
        po.ShipToState = job.State;
        po.ShipToZip = job.Zip;
        po.ShipToContact = job.CustomerContact;
    } else if (type == "Vendor") {
        APVendor key;
        key.VendorID = static_cast<ULong>(std::stoul(row.shipRef));
        APVendor v = w_.fetch(APVendor::KeyVendorID, key, std::string("vendor ") + row.shipRef);
        po.ShipToVendor = v.VendorID;
        po.ShipToName = v.VendorName;
        po.ShipToAddress1 = v.Address;
        po.ShipToAddress2 = v.Address2;
        po.ShipToCity = v.City;
        po.ShipToState = v.State;
        po.ShipToZip = v.Zip;
        po.ShipToContact = v.Contact;
    } else if (type == "Customer") {
        ARCust key;
        key.CustomerID = static_cast<ULong>(std::stoul(row.shipRef));
        ARCust c = w_.fetch(ARCust::KeyCustomerID, key, std::string("customer ") + row.shipRef);
        po.ShipToCustomer = c.CustomerID;
        po.ShipToName = c.CustomerName;
        po.ShipToAddress1 = c.Address1;
        po.ShipToAddress2 = c.Address2;
        po.ShipToCity = c.City;
        po.ShipToState = c.State;
        po.ShipToZip = c.Zip;
        po.ShipToContact = c.Contact;
    } else if (type == "Company") {
        po.ShipToName = sys_.CompanyName;
        po.ShipToAddress1 = sys_.CompanyAddress1;
        po.ShipToAddress2 = sys_.CompanyAddress2;
        po.ShipToCity = sys_.CompanyCity;
        po.ShipToState = sys_.CompanyState;
        po.ShipToZip = sys_.CompanyZip;
    } else if (type == "Other") {
        for (const auto& a : kOtherAddresses) {
            if (std::string_view(a.key) != row.shipRef) continue;
            setText(po.ShipToName, a.name);
            setText(po.ShipToAddress1, a.address1);
            setText(po.ShipToAddress2, a.address2);
            setText(po.ShipToCity, a.city);
            setText(po.ShipToState, a.state);
            setText(po.ShipToZip, a.zip);
            setText(po.ShipToContact, a.contact);
            setText(po.ShipToInstructions, a.instructions);
            return;
        }
        throw BadDemoData(std::string("no ship-to address ") + row.shipRef);
    } else {
        throw BadDemoData("ship-to type " + std::string(type));
    }
}

void OrderBuilder::chargeTo(PODetail& d, const OrderRow& row, const LineRow& ls) {
    switch (ls.kind) {
        case 'J': {
            const char* job = ls.ref ? ls.ref : row.job;
            if (!job) throw BadDemoData(std::string("a job line of order ") + row.number + " names no job");
            setText(d.DetailType, "Job");
            setText(d.JobID, job);
            setText(d.CostCode, ls.sub);
            JCCost key;
            key.RecordID = costRecordKey(job, ls.sub, kCostCodeLength);
            w_.fetch(JCCost::KeyRecordID, key, std::string("cost code ") + job + " " + ls.sub);
            break;
        }
        case 'G': {
            setText(d.DetailType, "G/L Account");
            setText(d.Account, ls.ref);
            GLMaster key;
            setText(key.Account, ls.ref);
            w_.fetch(GLMaster::KeyAccount, key, std::string("account ") + ls.ref);
            break;
        }
        case 'E': {
            setText(d.DetailType, "Equipment");
            setText(d.EquipmentID, ls.ref);
            setText(d.CostCategory, ls.sub);
            EQCost key;
            setText(key.EquipmentID, ls.ref);
            setText(key.CostCategory, ls.sub);
            w_.fetch(EQCost::KeyEquipCategory, key, std::string("equipment category ") + ls.ref + " " + ls.sub);
            break;
        }
        case 'I': {
            setText(d.DetailType, "Inventory");
            setText(d.ItemID, ls.ref);
            INMaster key;
            setText(key.ItemID, ls.ref);
            INMaster item = w_.fetch(INMaster::KeyItemID, key, std::string("item ") + ls.ref);
            if (!ls.text) d.Description = item.Description;
            if (!ls.unit) d.UnitName = item.StockUnit;
            d.LocationID = item.DefaultLocation;
            d.BinID = item.DefaultBin;
            if (!(d.UnitName == item.StockUnit)) {
                INCnvrt ck;
                ck.ItemID = item.ItemID;
                ck.UnitName = d.UnitName;
                d.ConversionID = w_.fetch(INCnvrt::KeyItemUnit, ck, "conversion of " + item.ItemID.clip() + " to " +
                                                                        d.UnitName.clip())
                                     .ConversionID;
            }
            break;
        }
        default:
            throw BadDemoData(std::string("line kind ") + ls.kind);
    }
}

PODetail OrderBuilder::line(const OrderRow& row, const LineRow& ls, const POMaster& po) {
    PODetail d;
    if (ls.kind == 'T') {
        d.TextFlag = 1;
        setText(d.Text, ls.text);
        return d;
    }
    setOptional(d.Description, ls.text);
    setOptional(d.UnitName, ls.unit);
    chargeTo(d, row, ls);
    d.QtyOrdered = Quantity::fromDouble(ls.qty);
    d.QtyInvoiced = Quantity::fromDouble(ls.invoiced);
    d.QtyRcvdNotInvoiced = Quantity::fromDouble(ls.received);
    d.UnitPrice = ls.price;
    if (ls.price == 0) {
        // Stock is bought at the vendor's listed price for the unit ordered.
        INVendor key;
        key.ItemID = d.ItemID;
        key.VendorID = row.vendor;
        bool found = false;
        store::Table<INVendor> prices(w_.store());
        INVendor iv;
        for (auto c = prices.scan(INVendor::KeyItemVendor, key, store::ScanFrom{false, 2}); c.next(iv);) {
            if (!(iv.UnitName == d.UnitName)) continue;
            d.UnitPrice = iv.Price.toDouble();
            d.VendorCatalogID = iv.VendorCatalogID;
            found = true;
            break;
        }
        if (!found)
            throw BadDemoData("vendor " + std::to_string(row.vendor) + " has no price for " + d.ItemID.clip() +
                              " by the " + d.UnitName.clip());
    }
    d.TotalAmount = Money::fromDouble(d.QtyOrdered.toDouble() * d.UnitPrice);
    d.PreTaxAmount = d.TotalAmount;
    d.Taxable = row.taxable ? 1 : 0;
    d.DeliverAfterDate = po.DeliverAfterDate;
    d.DeliveryDate = po.DeliveryDate;
    d.DeadlineDate = po.DeadlineDate;
    if (ls.invoiced != 0 || ls.received != 0) d.ReceiptDate = po.DeliveryDate;
    d.Reconciliation = lineReconciliation(d);
    if (d.DetailType == "Inventory") d.INVQuantity = openInventoryQuantity(w_.store(), d);
    return d;
}

std::vector<std::vector<Quantity>> OrderBuilder::invoiceParts(const OrderRow& row,
                                                              const std::vector<PODetail>& lines) {
    const std::size_t invoices = row.billing == Billing::Split ? 2 : 1;
    std::vector<std::vector<Quantity>> parts(invoices, std::vector<Quantity>(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Quantity q = lines[i].QtyInvoiced;
        if (invoices == 1) {
            parts[0][i] = q;
        } else {
            parts[0][i] = Quantity::fromDouble(std::floor(q.toDouble() / 2));
            parts[1][i] = q - parts[0][i];
        }
    }
    return parts;
}

std::string OrderBuilder::invoiceNumber(ULong vendor) {
    // Each vendor numbers its invoices its own way; the numbers only need to
    // look like theirs and stay the same from one load to the next.
    ++invoiceCount_;
    const unsigned n = (vendor * 7919u + invoiceCount_ * 1543u) % 90000u + 10000u;
    switch (vendor % 3) {
        case 0: return "INV-" + std::to_string(n);
        case 1: return std::to_string(n) + "-" + std::to_string(invoiceCount_ % 9 + 1);
        default: return "A" + std::to_string(n);
    }
}

std::vector<OrderBuilder::Invoice> OrderBuilder::planInvoices(const OrderRow& row, POMaster& po,
                                                               const std::vector<std::vector<Quantity>>& parts) {
    const Terms terms = termsOf(po.Terms.clip());
    std::vector<Invoice> invoices;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        Invoice inv;
        bool any = false;
        for (const auto& q : parts[k]) any = any || !q.isZero();
        if (any) {
            inv.number = invoiceNumber(po.VendorID);
            inv.date = std::min(workingDay(po.DeliveryDate + 3 + 21 * static_cast<int>(k)), asOfDate());
            inv.posted = row.billing == Billing::Unposted ? 0 : 1;
            // The header shows the latest invoice and, once it is due, its payment.
            setText(po.InvoiceNumber, inv.number);
            po.InvoiceDate = inv.date;
            po.DueDate = inv.date + terms.dueDays;
            po.DiscountExpires = terms.discountDays ? inv.date + terms.discountDays : Date();
            const Date payDay = terms.discountDays ? po.DiscountExpires : po.DueDate;
            po.PaidDate = inv.posted && payDay <= asOfDate() ? payDay : Date();
        }
        invoices.push_back(inv);
    }
    return invoices;
}

void OrderBuilder::writeInvoices(const POMaster& po, const std::vector<Invoice>& invoices,
                                 const std::vector<PODetail>& lines, const std::vector<std::vector<Quantity>>& parts) {
    for (std::size_t k = 0; k < invoices.size(); ++k) {
        if (invoices[k].number.empty()) continue;
        APInv inv;
        inv.VendorID = po.VendorID;
        setText(inv.InvoiceNo, invoices[k].number);
        inv.InvoiceDate = invoices[k].date;
        inv.Posted = invoices[k].posted;
        inv.POID = po.POID;
        w_.insert(inv);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (parts[k][i].isZero()) continue;
            const Money amount = Money::fromDouble(parts[k][i].toDouble() * lines[i].UnitPrice);
            APDetail ad;
            ad.InvoiceID = inv.InvoiceID;
            ad.Amount = amount;
            ad.Quantity = parts[k][i];
            w_.insert(ad);
            PORec rec;
            rec.DetailID = lines[i].DetailID;
            rec.InvoiceID = inv.InvoiceID;
            rec.QtyInvoiced = parts[k][i];
            rec.UnitPrice = lines[i].UnitPrice;
            rec.Amount = amount;
            w_.insert(rec);
        }
    }
}

void OrderBuilder::build(const OrderRow& row) {
    POMaster po;
    setText(po.PONumber, row.number);
    po.VendorID = row.vendor;
    APVendor vkey;
    vkey.VendorID = row.vendor;
    const APVendor vendor = w_.fetch(APVendor::KeyVendorID, vkey, "vendor " + std::to_string(row.vendor));
    po.Terms = vendor.DueTerms;
    UserFile ukey;
    setText(ukey.UserID, row.agent);
    const UserFile agent = w_.fetch(UserFile::KeyUserID, ukey, std::string("user ") + row.agent);
    setText(po.PreparedBy, agent.FirstName.clip() + " " + agent.LastName.clip());

    po.IssueDate = day(row.month, row.day);
    po.PreparedDate = po.IssueDate;
    po.DeliverAfterDate = po.IssueDate + 2;
    po.DeliveryDate = workingDay(po.IssueDate + 7);
    po.DeadlineDate = workingDay(po.DeliveryDate + 7);
    po.PrintFlag = !po.PONumber.blank() && asOfDate() - po.IssueDate >= kUnprintedDays ? "1" : "0";
    setText(po.ShipVia, row.shipVia);
    setText(po.FOB, row.fob);
    fillShipTo(po, row);

    po.TaxRate = sys_.DefaultPOTaxRate;
    if (row.job) {
        setText(po.DefaultJob, row.job);
        JCHeader jkey;
        jkey.JobID = po.DefaultJob;
        const JCHeader job = w_.fetch(JCHeader::KeyJobID, jkey, std::string("job ") + row.job);
        // Choosing a job with a rate of its own takes that rate, as the form does.
        if (!job.APTaxRate.isZero()) po.TaxRate = job.APTaxRate.toDouble();
    }
    po.Taxable = row.taxable ? 1 : 0;

    std::vector<PODetail> lines;
    for (const auto& ls : row.lines) lines.push_back(line(row, ls, po));
    // Closing an order marks its text lines reconciled with the rest.
    const bool closed =
        std::any_of(lines.begin(), lines.end(), [](const PODetail& d) { return !d.TextFlag; }) &&
        std::all_of(lines.begin(), lines.end(),
                    [](const PODetail& d) { return d.TextFlag || d.Reconciliation == kFullyReconciled; });
    std::vector<Byte> states;
    Money taxableSubtotal;
    Quantity quantityInvoiced;
    const auto parts = invoiceParts(row, lines);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto& d = lines[i];
        if (d.TextFlag && closed) d.Reconciliation = kFullyReconciled;
        for (const auto& invoice : parts)
            d.AmountInvoiced += Money::fromDouble(invoice[i].toDouble() * d.UnitPrice);
        d.SequenceNo = static_cast<ULong>(i + 1);
        states.push_back(d.Reconciliation);
        po.PreTaxAmount += d.TotalAmount;
        if (d.Taxable) taxableSubtotal += d.TotalAmount;
        quantityInvoiced += d.QtyInvoiced;
        po.AmountReconciled += d.AmountInvoiced;
    }
    po.TaxAmount = Money::fromDouble(po.TaxRate * taxableSubtotal.toDouble() / 100.0);
    po.POAmount = po.PreTaxAmount + po.TaxAmount;
    po.QuantityReconciled = Money::from(quantityInvoiced);
    if (po.POAmount >= kApprovalLimit) {
        setText(po.ApprovedName, "Diane Whitcomb");
        setText(po.ApprovalUserID1, "DMW");
        po.ApprovedDate = po.IssueDate;
    }
    setReconciled(po, orderReconciliation(states));
    const auto invoices = planInvoices(row, po, parts);

    w_.insert(po);
    if (!po.PONumber.blank()) poidOfNumber_[po.PONumber.clip()] = po.POID;
    for (auto& d : lines) {
        d.POID = po.POID;
        w_.insert(d);
    }
    // Goods on site that the vendor has not billed yet.
    for (const auto& d : lines) {
        if (d.QtyRcvdNotInvoiced.isZero()) continue;
        PORec slip;
        slip.DetailID = d.DetailID;
        slip.QtyPackSlip = d.QtyRcvdNotInvoiced;
        slip.UnitPrice = d.UnitPrice;
        slip.Amount = Money::fromDouble(d.QtyRcvdNotInvoiced.toDouble() * d.UnitPrice);
        w_.insert(slip);
    }
    writeInvoices(po, invoices, lines, parts);
}

void OrderBuilder::writeNotes() {
    for (const auto& n : demoNotes()) {
        auto at = poidOfNumber_.find(n.number);
        if (at == poidOfNumber_.end()) throw BadDemoData(std::string("a note names order ") + n.number);
        Notes note;
        setText(note.Filename, "POMaster");
        setText(note.EntityID, std::to_string(at->second));
        note.NoteDate = day(n.month, n.day);
        setText(note.UserID, n.user);
        setText(note.Heading, n.heading);
        setText(note.Note, n.note);
        w_.insert(note);
    }
}

}  // namespace

void writeOrders(Writer& w) {
    OrderBuilder builder(w);
    for (const auto& row : demoOrders()) builder.build(row);
    builder.writeNotes();
}

}  // namespace vtl::demo
