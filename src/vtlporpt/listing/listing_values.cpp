#include "vtlporpt/listing/listing_values.h"

#include <map>

namespace vtl::rpt {
namespace {

using K = FormValue::Kind;
using S = ListingScope;

const std::map<std::string, ListingFieldInfo, std::less<>>& fields() {
    static const std::map<std::string, ListingFieldInfo, std::less<>> all = [] {
        std::map<std::string, ListingFieldInfo, std::less<>> m{
            {"CompanyName", {K::Text, S::Page}},
            {"ReportTitle", {K::Text, S::Page}},
            {"RunDate", {K::Date, S::Page}},
            {"RunTime", {K::Time, S::Page}},
            {"PageNumber", {K::Number, S::Page}},
            {"ReportFooterMessage", {K::Text, S::Page}},
            {"MQ:POID", {K::Number, S::Order}},
            {"MQ:PONumber", {K::Text, S::Order}},
            {"MQ:IssueDate", {K::Date, S::Order}},
            {"MQ:DeliverAfterDate", {K::Date, S::Order}},
            {"MQ:DeliveryDate", {K::Date, S::Order}},
            {"MQ:VendorName", {K::Text, S::Order}},
            {"MQ:VLineOne", {K::Text, S::Order}},
            {"MQ:VLineTwo", {K::Text, S::Order}},
            {"MQ:VLineThree", {K::Text, S::Order}},
            {"MQ:VendorString", {K::Text, S::Order}},
            {"MQ:ShipToString", {K::Text, S::Order}},
            {"MQ:ShipToName", {K::Text, S::Order}},
            {"MQ:SLineOne", {K::Text, S::Order}},
            {"MQ:SLineTwo", {K::Text, S::Order}},
            {"MQ:SLineThree", {K::Text, S::Order}},
            {"MQ:JobString1", {K::Text, S::Order}},
            {"MQ:JobString2", {K::Text, S::Order}},
            {"MQ:JobString3", {K::Text, S::Order}},
            {"MQ:OriginalAmount", {K::Number, S::Order}},
            {"MQ:TaxAmount", {K::Number, S::Order}},
            {"MQ:POAmount", {K::Number, S::Order}},
            {"MQ:AmountReconciled", {K::Number, S::Order}},
            {"DQ:ItemID", {K::Text, S::Line}},
            {"DQ:VendorCatalogID", {K::Text, S::Line}},
            {"DQ:Description", {K::Text, S::Line}},
            {"DQ:ReceiptDate", {K::Date, S::Line}},
            {"DQ:QtyOrdered", {K::Number, S::Line}},
            {"DQ:UnitName", {K::Text, S::Line}},
            {"DQ:QtyInvoiced", {K::Number, S::Line}},
            {"DQ:QtyBackordered", {K::Number, S::Line}},
            {"DQ:UnitPrice", {K::Real, S::Line}},
            {"DQ:TotalAmount", {K::Number, S::Line}},
            {"DQ:SubsidiaryString", {K::Text, S::Line}},
            {"DQ:AmountInvoiced", {K::Number, S::Line}},
            {"POD:Text", {K::Text, S::Line}},
            {"RQ:Description", {K::Text, S::Reconciliation}},
            {"RQ:Quantity", {K::Number, S::Reconciliation}},
            {"RQ:UnitPrice", {K::Real, S::Reconciliation}},
            {"RQ:Amount", {K::Number, S::Reconciliation}},
            {"TotalAmountReconciled", {K::Number, S::ReconciledTotal}},
            {"GrandTotalOpen", {K::Number, S::ReportTotals}},
            {"TotalPOAmount", {K::Number, S::ReportTotals}},
        };
        for (int i = 1; i <= 12; ++i) m.emplace("LIMIT" + std::to_string(i), ListingFieldInfo{K::Text, S::Page});
        return m;
    }();
    return all;
}

}  // namespace

const ListingFieldInfo* listingField(std::string_view name) {
    const auto it = fields().find(name);
    return it == fields().end() ? nullptr : &it->second;
}

bool listingFieldShownIn(ListingScope scope, BandKind band) {
    switch (scope) {
        case S::Page: return true;
        case S::Order:
            return band != BandKind::Header && band != BandKind::Footer && band != BandKind::GrandTotal &&
                   band != BandKind::SummaryGrandTotal;
        case S::Line:
            return band == BandKind::PODetail || band == BandKind::ListingText || band == BandKind::ReconcileDetail ||
                   band == BandKind::ReconcileTotal;
        case S::Reconciliation: return band == BandKind::ReconcileDetail;
        case S::ReconciledTotal: return band == BandKind::ReconcileTotal;
        case S::ReportTotals: return band == BandKind::GrandTotal || band == BandKind::SummaryGrandTotal;
    }
    return false;
}

std::string listingScopeText(ListingScope scope) {
    switch (scope) {
        case S::Page: return "a value of the page";
        case S::Order: return "a value of an order";
        case S::Line: return "a value of an order's line";
        case S::Reconciliation: return "a value of a line's reconciliation";
        case S::ReconciledTotal: return "the total of a line's reconciliation";
        case S::ReportTotals: return "a total of the report";
    }
    return "";
}

BandKind layoutBand(Band band) {
    switch (band) {
        case Band::VendorInfo: return BandKind::VendorInfo;
        case Band::Summary: return BandKind::Summary;
        case Band::PODetail: return BandKind::PODetail;
        case Band::Text: return BandKind::ListingText;
        case Band::ReconcileDetail: return BandKind::ReconcileDetail;
        case Band::ReconcileTotal: return BandKind::ReconcileTotal;
        case Band::Blank: return BandKind::Blank;
        case Band::SalesTaxLine: return BandKind::SalesTaxLine;
        case Band::Total: return BandKind::Total;
        case Band::GrandTotal: return BandKind::GrandTotal;
        case Band::SummaryGrandTotal: return BandKind::SummaryGrandTotal;
    }
    return BandKind::Blank;
}

FormValues bandValues(Band band, const BandValues& v) {
    FormValues out;
    if (const ListedOrder* o = v.order) {
        out.set("MQ:POID", FormValue::ofNumber(o->poid));
        out.setText("MQ:PONumber", o->poNumber);
        out.set("MQ:IssueDate", FormValue::ofDate(o->issueDate));
        out.set("MQ:DeliverAfterDate", FormValue::ofDate(o->deliverAfterDate));
        out.set("MQ:DeliveryDate", FormValue::ofDate(o->deliveryDate));
        out.setText("MQ:VendorName", o->vendorName);
        const char* v[] = {"MQ:VLineOne", "MQ:VLineTwo", "MQ:VLineThree"};
        const char* st[] = {"MQ:SLineOne", "MQ:SLineTwo", "MQ:SLineThree"};
        for (std::size_t i = 0; i < 3; ++i) {
            out.setText(v[i], o->vendorLines[i]);
            out.setText(st[i], o->shipToLines[i]);
        }
        out.setText("MQ:VendorString", o->vendorString);
        out.setText("MQ:ShipToString", o->shipToString);
        out.setText("MQ:ShipToName", o->shipToName);
        out.setText("MQ:JobString1", o->jobString1);
        out.setText("MQ:JobString2", o->jobString2);
        out.setText("MQ:JobString3", o->jobString3);
        out.set("MQ:OriginalAmount", FormValue::of(o->originalAmount));
        out.set("MQ:TaxAmount", FormValue::of(o->taxAmount));
        out.set("MQ:POAmount", FormValue::of(o->openAmount));
        out.set("MQ:AmountReconciled", FormValue::of(o->amountReconciled));
    }
    if (const ListedLine* l = v.line) {
        out.setText("DQ:ItemID", l->itemId);
        out.setText("DQ:VendorCatalogID", l->vendorCatalogId);
        out.setText("DQ:Description", l->description);
        out.set("DQ:ReceiptDate", FormValue::ofDate(l->receiptDate));
        out.set("DQ:QtyOrdered", FormValue::of(l->qtyOrdered));
        out.setText("DQ:UnitName", l->unitName);
        out.set("DQ:QtyInvoiced", FormValue::of(l->qtyInvoiced));
        out.set("DQ:QtyBackordered", FormValue::of(l->qtyBackordered));
        out.set("DQ:UnitPrice", FormValue::ofReal(l->unitPrice));
        out.set("DQ:TotalAmount", FormValue::of(l->totalAmount));
        out.setText("DQ:SubsidiaryString", l->subsidiary);
        out.set("DQ:AmountInvoiced", FormValue::of(l->amountInvoiced));
        out.setText("POD:Text", l->fullText);
    }
    if (const ListedReconciliation* r = v.reconciliation) {
        out.setText("RQ:Description", r->description);
        out.set("RQ:Quantity", FormValue::of(r->quantity));
        out.set("RQ:UnitPrice", FormValue::ofReal(r->unitPrice));
        out.set("RQ:Amount", FormValue::of(r->amount));
    }
    if (band == Band::ReconcileTotal) out.set("TotalAmountReconciled", FormValue::of(v.amount));
    if (band == Band::GrandTotal || band == Band::SummaryGrandTotal) {
        out.set("GrandTotalOpen", FormValue::of(v.amount));
        out.set("TotalPOAmount", FormValue::of(v.poAmountTotal));
    }
    return out;
}

}  // namespace vtl::rpt
