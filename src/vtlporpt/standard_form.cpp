#include "vtlporpt/standard_form.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/picture/picture.h"
#include "platform/suite/error_object.h"
#include "records/records.h"
#include "vtlporpt/create_po_print.h"
#include "vtlporpt/form_logo.h"
#include "vtlporpt/print_blocks.h"
#include "vtlporpt/print_shared.h"
#include "vtlporpt/standard_layout.h"

namespace vtl::rpt {
namespace {

// A text as a field of N characters shows it: cut, trailing blanks off.
template <std::size_t N>
std::string field(std::string_view text) {
    return Text<N>(text).clip();
}

// A number or date through its picture, without the picture's padding.
template <class V>
std::string shown(const V& value, std::string_view picture) {
    return pic::clip(pic::format(value, picture));
}

std::string amount(Money m) { return shown(m, "@n-17.2b"); }

std::array<std::string, 3> block(const std::array<std::string, 3>& lines) {
    return {field<40>(lines[0]), field<40>(lines[1]), field<40>(lines[2])};
}

std::string nothingToPrintReason(std::int64_t orders) {
    if (orders == 0) return "The primary file has no records!";
    if (orders == 1) return "Your Limits have excluded the one record!";
    if (orders == 2) return "Your Limits have excluded both records!";
    return "Your Limits have excluded all " + std::to_string(orders) + " records!";
}

}  // namespace

struct PrintPurchaseOrderStandard::Context {
    Systems sys;
    std::string companyName;
    std::array<std::string, 4> billTo;
    std::vector<POPrint> rows;
};

PrintPurchaseOrderStandard::PrintPurchaseOrderStandard(Session& s, report::TextMeasure& measure)
    : s_(s), measure_(measure) {}

bool PrintPurchaseOrderStandard::numberRows(Context& run) {
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

StandardFormRun PrintPurchaseOrderStandard::run(const PrintProgress& progress) {
    suite::ProcedureName named(s_.errors, kStandardFormProcedure);
    StandardFormRun out;
    Context run;
    store::Table<Systems>(s_.store).all(Systems::KeySystemID).next(run.sys);
    const Systems& sys = run.sys;
    run.companyName = field<40>(sys.CompanyName.str());
    run.billTo = formCompanyLines(sys.CompanyAddress1.str(), sys.CompanyAddress2.str(), sys.CompanyCity.str(),
                                  sys.CompanyState.str(), sys.CompanyZip.str(), sys.CompanyPhone.str(),
                                  sys.CompanyFax.str());
    PrintOutputs& outputs = printShared(s_.module).outputs;
    outputs.emailToName = "...";
    outputs.emailToAddress = "...";
    outputs.emailSubject = "Purchase Order from " + run.companyName;
    out.emailSubject = outputs.emailSubject;

    StandardFormLayout layout(measure_, formLogo(s_));
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

        StandardFormHeader h;
        h.localPONumber = field<25>("NUMBER: " + row.PONumber.clip());
        h.issueDate = shown(row.IssueDate, "@d1B");
        h.companyName = run.companyName;
        h.billTo = run.billTo;
        h.vendorName = field<50>(printedVendorName(vendor.VendorName.str()));
        h.vendor = block(addressBlock(vendor.Address.str(), vendor.Address2.str(),
                                      formCityLine(vendor.City.str(), vendor.State.str(), vendor.Zip.str())));
        h.vendorPhone = field<14>(vendor.Phone.str());
        h.vendorFax = field<14>(vendor.Fax.str());
        h.shipToName = field<30>(row.ShipToName.str());
        if (!row.ShipToName.blank())
            h.shipTo = block(addressBlock(row.ShipToAddress1.str(), row.ShipToAddress2.str(),
                                          formCityLine(row.ShipToCity.str(), row.ShipToState.str(),
                                                       row.ShipToZip.str())));
        h.shipToContact = field<40>(row.ShipToContact.str());
        h.preparedBy = field<20>(row.PreparedBy.str());
        h.deliveryDate = shown(row.DeliveryDate, "@d01b");
        h.shipVia = field<20>(row.ShipVia.str());
        h.fob = field<20>(row.FOB.str());
        h.instructions = field<50>(row.ShipToInstructions.str());
        h.defaultJob = field<10>(row.DefaultJob.str());
        h.terms = field<20>(row.Terms.str());
        if (!row.DefaultJob.blank()) {
            JCHeader job;
            job.JobID = row.DefaultJob.str();
            h.jobName = jobs.fetch(JCHeader::KeyJobID, job) ? field<50>(job.JobName.str()) : kJobNotFound;
        }
        const bool catalog = std::any_of(lines.begin(), lines.end(),
                                         [](const PODetail& d) { return !d.VendorCatalogID.blank(); });
        h.catalogPrompt = catalog ? kCatalogPrompt : "";
        // The Systems record holds no footer message: the form's foot stays blank.
        h.footerMessage.clear();

        layout.beginOrder(h);
        Money taxable;
        for (const PODetail& d : lines) {
            ++out.lines;
            if (d.TextFlag == 1) {
                layout.text(d.Text.clip());
            } else {
                layout.item({shown(d.QtyOrdered, "@n-12_.4B"), field<8>(d.UnitName.str()), field<15>(d.ItemID.str()),
                             field<20>(d.VendorCatalogID.str()), field<60>(d.Description.str()),
                             shown(d.UnitPrice, "@n-15.4"), shown(d.TotalAmount, "@n-15.2")});
            }
            if (d.Taxable == 1) taxable += d.TotalAmount;
        }

        StandardFormTotals t;
        auto line = [&](std::size_t i, const std::string& label, Money value) {
            t.labels[i] = field<15>(label);
            t.amounts[i] = amount(value);
        };
        if (sys.CanadianTax) {
            if (!row.DiscountAmount.isZero() || !row.OtherCharges.isZero()) {
                line(0, "Subtotal:", row.PreTaxAmount);
                if (!row.DiscountAmount.isZero()) line(1, sys.GSTLabel.clip() + ":", row.DiscountAmount);
                if (!row.OtherCharges.isZero()) line(2, "PST (" + row.CheckNo.clip() + "):", row.OtherCharges);
            }
        } else {
            const Money tax = Money::fromDouble(row.TaxRate * taxable.toDouble() / 100.0);
            if (!tax.isZero()) {
                line(0, "Subtotal:", row.PreTaxAmount);
                line(1, "Tax (" + shown(row.TaxRate, "@n-8.3") + "%):", tax);
            }
        }
        t.total = amount(row.POAmount);
        layout.totals(t);

        ++out.orders;
        if (oneOrder) {
            out.emailVendorID = row.VendorID;
            out.pdfFileName =
                s_.dataFolder + "/Purchase Order " + row.PONumber.clip() + " from " + run.companyName + ".pdf";
        }
        if (progress && !progress(out.orders, total)) {
            out.cancelled = true;
            break;
        }
    }
    if (out.orders > 1 || (out.orders == 1 && !oneOrder)) out.pdfFileName = s_.dataFolder + "/Purchase Orders.pdf";

    out.document = std::move(layout.document());
    out.document.title = out.orders == 1 && oneOrder ? "Purchase Order" : "Purchase Orders";
    if (out.document.empty()) out.nothingToPrint = nothingToPrintReason(store::Table<POMaster>(s_.store).count());
    return out;
}

}  // namespace vtl::rpt
