#include "vtlporpt/create_po_print.h"

#include "vtlpoent/dialogs/confirm_blank_po.h"

#include <algorithm>
#include <cstdlib>

#include "platform/suite/error_object.h"
#include "records/reconciliation.h"
#include "vtlporpt/print_blocks.h"

namespace vtl::rpt {

const char* const kSampleText =
    "This is a sample text line. Text lines carry instructions for the vendor, such as delivery times, "
    "packaging, or whom to phone when the goods arrive on site.";

namespace {

bool printed(const Text<1>& flag) { return flag.clip() == "1"; }

template <std::size_t N>
void copyBlock(const std::array<std::string, 3>& block, Text<N>& a, Text<N>& b, Text<N>& c) {
    a = block[0];
    b = block[1];
    c = block[2];
}

// The row's copy of the order: every header field they share.
void copyHeader(const POMaster& po, POPrint& row) {
    row.POID = po.POID;
    row.BatchID = po.BatchID.str();
    row.VendorID = po.VendorID;
    row.ShipToType = po.ShipToType.str();
    row.ShipToJob = po.ShipToJob.str();
    row.ShipToVendor = static_cast<UShort>(po.ShipToVendor & 0xFFFFu);
    row.ShipToCustomer = static_cast<UShort>(po.ShipToCustomer & 0xFFFFu);
    row.PreparedBy = po.PreparedBy.str();
    row.PreparedDate = po.PreparedDate;
    row.CheckNo = po.CheckNo.str();
    row.PONumber = po.PONumber.str();
    row.PrintFlag = po.PrintFlag.str();
    row.IssueDate = po.IssueDate;
    row.DeliverAfterDate = po.DeliverAfterDate;
    row.DeliveryDate = po.DeliveryDate;
    row.DeadlineDate = po.DeadlineDate;
    row.PreTaxAmount = po.PreTaxAmount;
    row.POAmount = po.POAmount;
    row.InvoiceNumber = po.InvoiceNumber.str();
    row.InvoiceDate = po.InvoiceDate;
    row.DueDate = po.DueDate;
    row.DiscountExpires = po.DiscountExpires;
    row.PaidDate = po.PaidDate;
    row.DiscountAmount = po.DiscountAmount;
    row.NotApproved = po.NotApproved;
    row.TaxRate = po.TaxRate;
    row.TaxAmount = po.TaxAmount;
    row.OtherCharges = po.OtherCharges;
    row.DefaultJob = po.DefaultJob.str();
    row.Taxable = po.Taxable;
    row.ShipToName = po.ShipToName.str();
    row.ShipToAddress1 = po.ShipToAddress1.str();
    row.ShipToAddress2 = po.ShipToAddress2.str();
    row.ShipToCity = po.ShipToCity.str();
    row.ShipToState = po.ShipToState.str();
    row.ShipToZip = po.ShipToZip.str();
    row.ShipToContact = po.ShipToContact.str();
    row.ShipVia = po.ShipVia.str();  // the first 10 of its 20 characters
    row.ShipToInstructions = po.ShipToInstructions.str();
    row.ApprovedName = po.ApprovedName.str();
    row.ApprovedDate = po.ApprovedDate;
    row.Reconciled = po.Reconciled;
    row.ApprovalUserID1 = po.ApprovalUserID1.str();
    row.ApprovalUserID2 = po.ApprovalUserID2.str();
    row.QuantityReconciled = po.QuantityReconciled;
    row.AmountReconciled = po.AmountReconciled;
    row.SortVendorID = static_cast<UShort>(po.SortVendorID & 0xFFFFu);
    row.SortPONumber = po.SortPONumber.str();
    row.FOB = po.FOB.str();
    row.Terms = po.Terms.str();
}

}  // namespace

CreatePOPrint::CreatePOPrint(Session& s) : s_(s), shared_(printShared(s.module)) {}

bool CreatePOPrint::kept(const store::Status& status) {
    if (s_.errors.check(status)) return true;
    failed_ = true;
    return false;
}

bool CreatePOPrint::run() {
    failed_ = false;
    sys_ = Systems();
    store::Table<Systems>(s_.store).all(Systems::KeySystemID).next(sys_);
    // The numbers handed out, the printed flags and the rows go in together:
    // two users printing at once take their turns.
    store::Transaction tx(s_.store);
    clearOwnRows();
    companyLines();
    const double mode = s_.globals.DecimalVariable;
    if (mode == kSampleMode) sample();
    else if (mode == kBlankFormMode) blankForm();
    else if (mode <= 0) generate();
    else single(static_cast<ULong>(mode));
    if (failed_) {
        tx.rollback();
        return false;
    }
    return !tx.status() || kept(tx.commit());
}

void CreatePOPrint::clearOwnRows() {
    store::Table<POPrint> rows(s_.store);
    POPrint r;
    r.UserID = s_.globals.UserID;
    std::vector<POPrint> mine;
    for (auto c = rows.scan(POPrint::KeyUserID, r, {false, 1, false}); c.next(r);) mine.push_back(r);
    for (POPrint& old : mine) kept(rows.remove(old));
}

void CreatePOPrint::companyLines() {
    auto& lines = shared_.outputs.companyLines;
    lines[0] = sys_.CompanyName.clip();
    const std::string phone = sys_.PhoneOnForms ? "Phone: " + sys_.CompanyPhone.clip() : std::string();
    const auto block = companyBlock(sys_.CompanyAddress1.clip(), sys_.CompanyAddress2.clip(),
                                    cityLine(sys_.CompanyCity.clip(), sys_.CompanyState.clip(),
                                             sys_.CompanyZip.clip(), "  "),
                                    phone);
    for (std::size_t i = 0; i < block.size(); ++i) lines[i + 1] = block[i];
}

std::optional<POLimits> CreatePOPrint::generateLimits() {
    // The user's own record first; another user's will do.
    std::optional<POLimits> any;
    POLimits l;
    for (auto c = store::Table<POLimits>(s_.store).all(POLimits::KeyLimitID); c.next(l);) {
        if (l.Report.clip() != kGenerateReport) continue;
        if (l.UserID.clip() == s_.globals.UserID) return l;
        if (!any) any = l;
    }
    return any;
}

void CreatePOPrint::generate() {
    auto& out = shared_.outputs;
    out.emailToName = "...";
    out.emailToAddress = "...";
    out.emailSubject = "Purchase Order from " + sys_.CompanyName.clip();
    auto limits = generateLimits();
    const bool ranged = limits && limits->SelectedPONumbers == 1;
    const std::string from = ranged ? limits->POFrom.clip() : std::string();
    const std::string to = ranged ? limits->POTo.clip() : std::string();
    const std::string& condition = shared_.options.printCondition;

    // The orders are chosen first and numbered after: a number given
    // during the walk would move the order within it.
    std::vector<ULong> chosen;
    POMaster po;
    po.PONumber = from;
    for (auto c = store::Table<POMaster>(s_.store).scan(POMaster::KeyPONumber, po); c.next(po);) {
        // A blank upper number leaves the range open at the top.
        if (ranged && !to.empty() && po.PONumber.clip() > to) break;
        if (condition == "U" && printed(po.PrintFlag)) continue;
        if (condition == "P" && !printed(po.PrintFlag)) continue;
        chosen.push_back(po.POID);
    }
    store::Table<POMaster> orders(s_.store);
    for (ULong poid : chosen) {
        POMaster order;
        order.POID = poid;
        if (orders.fetch(POMaster::KeyPOID, order)) buildRow(order);
    }
    if (limits) {
        limits->RefFrom = shared_.options.poNumber;
        kept(store::Table<POLimits>(s_.store).update(*limits));
    }
}

void CreatePOPrint::single(ULong poid) {
    POMaster po;
    po.POID = poid;
    if (!store::Table<POMaster>(s_.store).fetch(POMaster::KeyPOID, po)) return;
    shared_.options.poNumber = static_cast<ULong>(std::strtoul(po.PONumber.clip().c_str(), nullptr, 10));
    buildRow(po);
    APVendor v;
    v.VendorID = po.VendorID;
    if (!store::Table<APVendor>(s_.store).fetch(APVendor::KeyVendorID, v)) v = APVendor();
    auto& out = shared_.outputs;
    out.emailToName = v.VendorName.clip();
    out.emailToAddress = Text<50>(v.Email.clip()).clip();
    out.emailSubject = "Purchase Order from " + sys_.CompanyName.clip();
}

bool CreatePOPrint::numberTaken(ULong number, ULong poid) {
    POMaster other;
    other.PONumber = std::to_string(number);
    store::Table<POMaster> orders(s_.store);
    for (auto c = orders.scan(POMaster::KeyPONumber, other, {false, 1, false}); c.next(other);)
        if (other.POID != poid) return true;
    return false;
}

void CreatePOPrint::buildRow(POMaster& po) {
    store::Table<POMaster> orders(s_.store);
    auto& options = shared_.options;
    const bool number = (options.assignPONumber == "B" && po.PONumber.blank()) || options.assignPONumber == "A";
    // A counter at 0 has no number to go on from (a single order whose
    // number is blank, or limits whose beginning number was never set):
    // the order keeps its number rather than being numbered 0. A number
    // another order already carries is passed over, so no two orders
    // share one.
    if (number && options.poNumber != 0) {
        while (numberTaken(options.poNumber, po.POID)) ++options.poNumber;
        po.PONumber = Text<12>(std::to_string(options.poNumber)).clip();
        // The sort number follows the number, or the order would be found
        // under its old one (or not at all, once that is given again).
        setReconciled(po, po.Reconciled);
        kept(orders.update(po));
        ++options.poNumber;
    }
    APVendor v;
    v.VendorID = po.VendorID;
    if (!store::Table<APVendor>(s_.store).fetch(APVendor::KeyVendorID, v)) v = APVendor();

    POPrint row;
    if (options.setPrintedFlag == 1 && !printed(po.PrintFlag)) {
        po.PrintFlag = "1";
        kept(orders.update(po));
    }
    copyHeader(po, row);
    row.UserID = s_.globals.UserID;
    copyBlock(addressBlock(v.Address.clip(), v.Address2.clip(), cityLine(v.City.clip(), v.State.clip(), v.Zip.clip())),
              row.VendorLine1, row.VendorLine2, row.VendorLine3);
    if (!po.ShipToName.blank())
        copyBlock(addressBlock(po.ShipToAddress1.clip(), po.ShipToAddress2.clip(),
                               cityLine(po.ShipToCity.clip(), po.ShipToState.clip(), po.ShipToZip.clip())),
                  row.ShipToLine1, row.ShipToLine2, row.ShipToLine3);
    insertRow(row);
}

void CreatePOPrint::insertRow(POPrint& row) {
    row.RecordID = 0;
    kept(store::Table<POPrint>(s_.store).insert(row));
}

// The blank form carries the number the browse confirmed, or the system's
// next one, taken under the write lock with the counter moved past it, so
// two users never print one number.
void CreatePOPrint::blankForm() {
    const ent::ConfirmBlankPO& asked = ent::confirmedBlankPO(s_.module);
    POPrint row;
    row.UserID = s_.globals.UserID;
    row.PONumber = asked.poNumber;
    row.POID = kBlankFormPOID;
    store::Transaction tx(s_.store);
    if (asked.useNextNumber) {
        Systems now;
        store::Table<Systems> systems(s_.store);
        if (systems.all(Systems::KeySystemID).next(now) && now.AutoNumberPOs) {
            row.PONumber = std::to_string(now.NextPONumber);
            now.NextPONumber += 1;
            kept(systems.update(now));
            sys_ = now;
        }
    }
    insertRow(row);
    if (tx.status()) kept(tx.commit());
    s_.globals.DecimalVariable = static_cast<double>(kBlankFormPOID);
}

void CreatePOPrint::sample() {
    APVendor v;
    store::Table<APVendor>(s_.store).all(APVendor::KeyVendorID).next(v);
    JCHeader j;
    store::Table<JCHeader>(s_.store).all(JCHeader::KeyJobID).next(j);
    const Date today = s_.clock.today();

    POPrint row;
    row.UserID = s_.globals.UserID;
    row.POID = kSamplePOID;
    row.VendorID = v.VendorID;
    row.SortVendorID = static_cast<UShort>(v.VendorID & 0xFFFFu);
    row.PreparedBy = "Pat Sample";
    row.PreparedDate = today;
    row.IssueDate = today;
    row.DeliverAfterDate = today + 20;
    row.DeliveryDate = today + 20;
    row.DeadlineDate = today + 35;
    row.PONumber = "SAMPLE-001";
    row.SortPONumber = "SAMPLE-001";
    row.PreTaxAmount = *Money::parse("10000.00");
    row.POAmount = *Money::parse("10535.00");
    row.TaxRate = 5.0;
    row.TaxAmount = *Money::parse("500.00");
    row.OtherCharges = *Money::parse("35.00");
    row.Taxable = 1;
    row.DefaultJob = j.JobID.str();
    row.ShipToName = j.JobName.str();
    row.ShipVia = "Big Truck";
    row.ShipToInstructions = "Get it here on time please.";
    row.FOB = "Dallas";
    row.Terms = "Net 30";
    row.VendorLine1 = v.Address.clip();
    row.VendorLine2 = v.Address2.clip();
    row.VendorLine3 = cityLine(v.City.clip(), v.State.clip(), v.Zip.clip(), "  ");
    row.ShipToLine1 = j.Address.clip();
    row.ShipToLine2 = j.Address2.clip();
    row.ShipToLine3 = cityLine(j.City.clip(), j.State.clip(), j.Zip.clip(), "  ");
    insertRow(row);

    // The sample's lines replace those of the last run.
    store::Table<PODetail> lines(s_.store);
    for (PODetail& old : linesOfOrder(s_.store, kSamplePOID)) kept(lines.remove(old));
    static const char* const kOrdinals[] = {"First", "Second", "Third", "Fourth", "Fifth"};
    for (int n = 0; n < 6; ++n) {
        PODetail d;
        d.POID = kSamplePOID;
        d.SequenceNo = static_cast<ULong>(n + 1);
        d.ItemID = "Item " + std::to_string(std::min(n, 4) + 1);
        d.Description = std::string(kOrdinals[std::min(n, 4)]) + " Line Item on Purchase Order";
        d.QtyOrdered = Quantity(100);
        d.UnitPrice = 20.0;
        d.PreTaxAmount = *Money::parse("2000.00");
        d.TaxAmount = *Money::parse("100.00");
        d.TotalAmount = *Money::parse("2100.00");
        d.UnitName = "Each";
        d.Taxable = 1;
        d.DeliverAfterDate = today + 20;
        d.DeliveryDate = today + 20;
        d.DeadlineDate = today + 35;
        if (n == 5) {
            d.TextFlag = 1;
            d.Text = kSampleText;
        }
        kept(lines.insert(d));
    }
}

}  // namespace vtl::rpt
