#include "vtlporpt/order_forms.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "platform/suite/error_object.h"
#include "records/records.h"
#include "vtlporpt/create_po_print.h"
#include "vtlporpt/print_blocks.h"
#include "vtlporpt/print_shared.h"

namespace vtl::rpt {
namespace {

// A PO number or company name as part of a file name in the data folder: a
// slash would make it a path into another folder ("2024/117", "../x"), and
// a control character has no place in a name.
std::string inFileName(std::string text) {
    for (char& c : text)
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20) c = '_';
    return text;
}

// A text as a report variable of N characters holds it: cut, trailing blanks off.
template <std::size_t N>
std::string field(std::string_view text) {
    return Text<N>(text).clip();
}

std::string nothingToPrintReason(std::int64_t orders) {
    if (orders == 0) return "The primary file has no records!";
    if (orders == 1) return "Your Limits have excluded the one record!";
    if (orders == 2) return "Your Limits have excluded both records!";
    return "Your Limits have excluded all " + std::to_string(orders) + " records!";
}

void setBlock(FormValues& values, const std::array<const char*, 3>& names, const std::array<std::string, 3>& lines) {
    for (std::size_t i = 0; i < names.size(); ++i) values.setText(names[i], field<40>(lines[i]));
}

}  // namespace

struct PurchaseOrderForms::Context {
    Systems sys;
    std::vector<POPrint> rows;
};

PurchaseOrderForms::PurchaseOrderForms(Session& s, std::string procedure) : s_(s), procedure_(std::move(procedure)) {}

bool PurchaseOrderForms::numberRows(Context& run) {
    // The counter is read under the write lock and moved on in the same
    // transaction as the rows it numbers, so two users printing at once
    // never give the same number. Each user's "Generate POs" limits keep a
    // counter; the highest of them is where numbering goes on, kept in the
    // record CreatePOPrint keeps it in (the user's own, else another's).
    store::Transaction tx(s_.store);
    if (!s_.errors.check(tx.status())) return false;
    store::Table<POPrint> rows(s_.store);
    POPrint row;
    row.UserID = s_.globals.UserID;
    for (auto c = rows.scan(POPrint::KeyUserID, row, {false, 1, false}); c.next(row);) run.rows.push_back(row);

    PrintOptions& options = printShared(s_.module).options;
    std::optional<POLimits> counterRecord;
    ULong counter = options.poNumber;
    POLimits l;
    for (auto c = store::Table<POLimits>(s_.store).all(POLimits::KeyLimitID); c.next(l);) {
        if (l.Report.clip() != kGenerateReport) continue;
        counter = std::max(counter, l.RefFrom);
        const bool own = l.UserID.clip() == s_.globals.UserID;
        if (!counterRecord || (own && counterRecord->UserID.clip() != s_.globals.UserID)) counterRecord = l;
    }

    // A blank number is given the next one first; like CreatePOPrint, the
    // number 0 is never given.
    for (POPrint& r : run.rows) {
        if (options.assignPONumber != "B" || !r.PONumber.blank() || counter == 0) continue;
        r.PONumber = std::to_string(counter);
        if (!s_.errors.check(rows.update(r))) return false;
        ++counter;
    }
    if (counterRecord) {
        counterRecord->RefFrom = counter;
        if (!s_.errors.check(store::Table<POLimits>(s_.store).update(*counterRecord))) return false;
    }
    if (!s_.errors.check(tx.commit())) return false;
    options.poNumber = counter;
    return true;
}

PurchaseOrderFormRun PurchaseOrderForms::run(PurchaseOrderSink& sink, const FormLogo& logo,
                                             const PrintProgress& progress) {
    suite::ProcedureName named(s_.errors, procedure_);
    PurchaseOrderFormRun out;
    Context run;
    store::Table<Systems>(s_.store).all(Systems::KeySystemID).next(run.sys);
    const Systems& sys = run.sys;
    const std::string companyName = field<40>(sys.CompanyName.str());
    const std::array<std::string, 4> billTo =
        formCompanyLines(sys.CompanyAddress1.str(), sys.CompanyAddress2.str(), sys.CompanyCity.str(),
                         sys.CompanyState.str(), sys.CompanyZip.str(), sys.CompanyPhone.str(), sys.CompanyFax.str());
    PrintOutputs& outputs = printShared(s_.module).outputs;
    outputs.emailToName = "...";
    outputs.emailToAddress = "...";
    outputs.emailSubject = "Purchase Order from " + companyName;
    out.emailSubject = outputs.emailSubject;

    if (!numberRows(run)) {
        out.failed = true;
        return out;
    }

    // One order chosen (a POID, the sample or the blank form) rather than
    // those the limits choose.
    const bool oneOrder = s_.globals.DecimalVariable > 0;
    const int total = static_cast<int>(run.rows.size());
    store::Table<APVendor> vendors(s_.store);
    store::Table<JCHeader> jobs(s_.store);
    for (const POPrint& row : run.rows) {
        APVendor vendor;
        vendor.VendorID = row.VendorID;
        if (!vendors.fetch(APVendor::KeyVendorID, vendor)) vendor = APVendor();
        const std::vector<PODetail> lines = linesOfOrder(s_.store, row.POID);

        FormValues order;
        order.setRecord(row);
        order.setRecord(sys);
        const std::array<std::string, 3> vendorLines = addressBlock(
            vendor.Address.str(), vendor.Address2.str(), formCityLine(vendor.City.str(), vendor.State.str(), vendor.Zip.str()));
        // The record as the form shows it: the name turned round, never saved.
        vendor.VendorName = printedVendorName(vendor.VendorName.str());
        order.setRecord(vendor);
        JCHeader job;
        if (!row.DefaultJob.blank()) {
            job.JobID = row.DefaultJob.str();
            if (!jobs.fetch(JCHeader::KeyJobID, job)) {
                job = JCHeader();
                job.JobName = kJobNotFound;
            }
        }
        order.setRecord(job);

        order.setText("CompanyName", companyName);
        order.setText("HeaderCompanyName", logo.companyShown ? companyName : "");
        const char* billToNames[] = {"BillToOne", "BillToTwo", "BillToThree", "BillToFour"};
        for (std::size_t i = 0; i < billTo.size(); ++i)
            order.setText(billToNames[i], logo.companyShown ? field<40>(billTo[i]) : "");
        order.setText("LocalPONumber", field<25>("NUMBER: " + row.PONumber.clip()));
        setBlock(order, {"VendorOne", "VendorTwo", "VendorThree"}, vendorLines);
        std::array<std::string, 3> shipTo;
        if (!row.ShipToName.blank())
            shipTo = addressBlock(row.ShipToAddress1.str(), row.ShipToAddress2.str(),
                                  formCityLine(row.ShipToCity.str(), row.ShipToState.str(), row.ShipToZip.str()));
        setBlock(order, {"ShipToOne", "ShipToTwo", "ShipToThree"}, shipTo);
        const bool catalog = std::any_of(lines.begin(), lines.end(),
                                         [](const PODetail& d) { return !d.VendorCatalogID.blank(); });
        order.setText("CatalogPrompt", catalog ? kCatalogPrompt : "");
        // The Systems record holds no footer message: the form's foot stays blank.
        order.setText("ReportFooterMessage", "");

        sink.beginOrder(order);
        Money taxable;
        std::int64_t lineNumber = 0;
        for (const PODetail& d : lines) {
            ++out.lines;
            FormValues line;
            line.setRecord(d);
            line.set("LineNumber", FormValue::ofNumber(++lineNumber));
            if (d.TextFlag == 1) sink.text(line);
            else sink.item(line);
            if (d.Taxable == 1) taxable += d.TotalAmount;
        }

        FormValues totals;
        const char* labels[] = {"TotalLineOne", "TotalLineTwo", "TotalLineThree"};
        const char* amounts[] = {"LineOneAmount", "LineTwoAmount", "LineThreeAmount"};
        for (std::size_t i = 0; i < 3; ++i) {
            totals.setText(labels[i], "");
            totals.set(amounts[i], FormValue::of(Money()));
        }
        auto totalLine = [&](std::size_t i, const std::string& label, Money value) {
            totals.setText(labels[i], field<15>(label));
            totals.set(amounts[i], FormValue::of(value));
        };
        if (sys.CanadianTax) {
            if (!row.DiscountAmount.isZero() || !row.OtherCharges.isZero()) {
                totalLine(0, "Subtotal:", row.PreTaxAmount);
                if (!row.DiscountAmount.isZero()) totalLine(1, sys.GSTLabel.clip() + ":", row.DiscountAmount);
                if (!row.OtherCharges.isZero()) totalLine(2, "PST (" + row.CheckNo.clip() + "):", row.OtherCharges);
            }
        } else {
            const Money tax = Money::fromDouble(row.TaxRate * taxable.toDouble() / 100.0);
            if (!tax.isZero()) {
                totalLine(0, "Subtotal:", row.PreTaxAmount);
                totalLine(1, "Tax (" + pic::clip(pic::format(row.TaxRate, "@n-8.3")) + "%):", tax);
            }
        }
        totals.set("TaxableTotal", FormValue::of(taxable));
        sink.totals(totals);

        ++out.orders;
        if (oneOrder) {
            out.emailVendorID = row.VendorID;
            out.pdfFileName =
                s_.dataFolder + "/Purchase Order " + inFileName(row.PONumber.clip()) + " from " + inFileName(companyName) +
                ".pdf";
        }
        if (progress && !progress(out.orders, total)) {
            out.cancelled = true;
            break;
        }
    }
    if (out.orders > 1 || (out.orders == 1 && !oneOrder)) out.pdfFileName = s_.dataFolder + "/Purchase Orders.pdf";

    out.document = std::move(sink.document());
    out.document.title = out.orders == 1 && oneOrder ? "Purchase Order" : "Purchase Orders";
    if (out.document.empty()) out.nothingToPrint = nothingToPrintReason(store::Table<POMaster>(s_.store).count());
    return out;
}

}  // namespace vtl::rpt
