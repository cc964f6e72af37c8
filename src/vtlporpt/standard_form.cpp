#include "vtlporpt/standard_form.h"

#include "vtlporpt/form_logo.h"
#include "vtlporpt/standard_layout.h"

namespace vtl::rpt {
namespace {

// The gathered values through the standard form's pictures, into its layout.
class StandardFormSink : public PurchaseOrderSink {
public:
    StandardFormSink(report::TextMeasure& measure, FormLogo logo) : layout_(measure, std::move(logo)) {}

    void beginOrder(const FormValues& v) override {
        StandardFormHeader h;
        h.localPONumber = v.shown("LocalPONumber", "@s25");
        h.issueDate = v.shown("POP:IssueDate", "@d1B");
        h.companyName = v.shown("CompanyName", "@s40");
        h.billTo = {v.shown("BillToOne", "@s40"), v.shown("BillToTwo", "@s40"), v.shown("BillToThree", "@s40"),
                    v.shown("BillToFour", "@s40")};
        h.vendorName = v.shown("APV:VendorName", "@s50");
        h.vendor = {v.shown("VendorOne", "@s40"), v.shown("VendorTwo", "@s40"), v.shown("VendorThree", "@s40")};
        h.vendorPhone = v.shown("APV:Phone", "@s14");
        h.vendorFax = v.shown("APV:Fax", "@s14");
        h.shipToName = v.shown("POP:ShipToName", "@s30");
        h.shipTo = {v.shown("ShipToOne", "@s40"), v.shown("ShipToTwo", "@s40"), v.shown("ShipToThree", "@s40")};
        h.shipToContact = v.shown("POP:ShipToContact", "@s40");
        h.preparedBy = v.shown("POP:PreparedBy", "@s20");
        h.deliveryDate = v.shown("POP:DeliveryDate", "@d01b");
        h.shipVia = v.shown("POP:ShipVia", "@s20");
        h.fob = v.shown("POP:FOB", "@s20");
        h.instructions = v.shown("POP:ShipToInstructions", "@s50");
        h.defaultJob = v.shown("POP:DefaultJob", "@s10");
        h.terms = v.shown("POP:Terms", "@s20");
        h.jobName = v.shown("JCH:JobName", "@s50");
        h.catalogPrompt = v.shown("CatalogPrompt", "@s15");
        h.footerMessage = v.shown("ReportFooterMessage", "@s100");
        order_ = &v;
        layout_.beginOrder(h);
    }
    void item(const FormValues& v) override {
        layout_.item({v.shown("POD:QtyOrdered", "@n-12_.4B"), v.shown("POD:UnitName", "@s8"),
                      v.shown("POD:ItemID", "@s15"), v.shown("POD:VendorCatalogID", "@s20"),
                      v.shown("POD:Description", "@s60"), v.shown("POD:UnitPrice", "@n-15.4"),
                      v.shown("POD:TotalAmount", "@n-15.2")});
    }
    void text(const FormValues& v) override { layout_.text(v.shown("POD:Text")); }
    void totals(const FormValues& v) override {
        StandardFormTotals t;
        t.labels = {v.shown("TotalLineOne", "@s15"), v.shown("TotalLineTwo", "@s15"),
                    v.shown("TotalLineThree", "@s15")};
        t.amounts = {v.shown("LineOneAmount", "@n-17.2b"), v.shown("LineTwoAmount", "@n-17.2b"),
                     v.shown("LineThreeAmount", "@n-17.2b")};
        t.total = order_->shown("POP:POAmount", "@n-17.2b");
        layout_.totals(t);
    }
    report::Document& document() override { return layout_.document(); }

private:
    StandardFormLayout layout_;
    const FormValues* order_ = nullptr;
};

}  // namespace

PrintPurchaseOrderStandard::PrintPurchaseOrderStandard(Session& s, report::TextMeasure& measure)
    : s_(s), measure_(measure) {}

StandardFormRun PrintPurchaseOrderStandard::run(const PrintProgress& progress) {
    const FormLogo logo = formLogo(s_);
    StandardFormSink sink(measure_, logo);
    return PurchaseOrderForms(s_, kStandardFormProcedure).run(sink, logo, progress);
}

}  // namespace vtl::rpt
