#include "vtlporpt/listing/listing_bands.h"

#include <algorithm>

#include "platform/picture/picture.h"

namespace vtl::rpt {

ListingOptions listingOptions(const POLimits& l) {
    ListingOptions o;
    o.format = l.SelectedCat == 1 ? ListingFormat::OmitLines
               : l.SelectedCat == 2 ? ListingFormat::Summary
                                    : ListingFormat::Detailed;
    o.reconciliationDetail = l.RefFrom == 1;
    return o;
}

bool walkListing(const ListingData& data, const ListingOptions& options, ListingSink& sink,
                 const std::function<bool(std::size_t)>& progress) {
    const bool summary = options.format == ListingFormat::Summary;
    Money openTotal, poTotal;
    for (std::size_t i = 0; i < data.orders.size(); ++i) {
        const ListedOrder& o = data.orders[i];
        const auto [first, count] = data.linesOf[i];
        if (count == 0) continue;
        BandValues v;
        v.order = &o;
        sink.band(summary ? Band::Summary : Band::VendorInfo, v);
        if (!summary) {
            for (std::size_t k = first; k < first + count; ++k) {
                const ListedLine& line = data.lines[k];
                BandValues lv;
                lv.order = &o;
                lv.line = &line;
                if (options.format == ListingFormat::Detailed) sink.band(line.text ? Band::Text : Band::PODetail, lv);
                if (!options.reconciliationDetail || !line.reconciledSomething()) continue;
                Money sum;
                for (const ListedReconciliation& r : line.reconciliations) {
                    BandValues rv = lv;
                    rv.reconciliation = &r;
                    sink.band(Band::ReconcileDetail, rv);
                    sum += r.amount;
                }
                if (line.reconciliations.size() >= 2) {
                    lv.amount = sum;
                    sink.band(Band::ReconcileTotal, lv);
                }
            }
            sink.band(Band::Blank, v);
            if (!o.taxAmount.isZero()) {
                v.amount = o.taxAmount;
                sink.band(Band::SalesTaxLine, v);
            }
            v.amount = o.openAmount;
            sink.band(Band::Total, v);
        }
        openTotal += o.openAmount;
        poTotal += o.originalAmount;
        if (progress && !progress(i + 1)) return false;
    }
    if (data.orders.empty()) return true;
    BandValues t;
    t.amount = openTotal;
    t.poAmountTotal = poTotal;
    sink.band(summary ? Band::SummaryGrandTotal : Band::GrandTotal, t);
    return true;
}

// ---- the text image

namespace {

constexpr std::string_view T = "\t";
constexpr std::string_view kTabs = "\t\t\t\t\t\t\t\t\t\t";
constexpr std::size_t kLongestLine = 2000;

std::string_view tabs(int n) { return kTabs.substr(0, static_cast<std::size_t>(n)); }

std::string money(const Money& m) { return pic::leftJustify(pic::format(m, "@n-18.2")); }
std::string quantity(const Quantity& q) { return pic::leftJustify(pic::format(q, "@n-18.4")); }
std::string price(std::int64_t raw) { return pic::leftJustify(pic::formatScaled(raw, 4, "@n-18.4")); }
std::string date(Date d) { return pic::clip(pic::format(d, "@d1b")); }

}  // namespace

TextImage::TextImage(const std::string& companyName, ListingFormat format) {
    add({Text<40>(companyName).clip()});
    add({"Purchase Order Listing"});
    add({""});
    if (format == ListingFormat::Summary) {
        add({"Ref #\tPO #\tIssue Date\tVendor\tJob\tPO Amount\tOpen Amount"});
        add({std::string(150, '-')});
    } else {
        add({"Purchase Order", tabs(2), "Item", tabs(4), "Disbursement"});
        add({"Reference", tabs(3), "Catalog", tabs(2), "Last"});
        add({"Number\tPO#\tID\tNumber\tDescription\tReceipt\tUnit Name\tOrdered\tReceived\tUnit Cost\tAmount\tAccount"});
        add({std::string(250, '-')});
    }
}

void TextImage::add(std::initializer_list<std::string_view> parts) {
    std::size_t room = kLongestLine;
    for (std::string_view part : parts) {
        const std::string_view kept = part.substr(0, std::min(room, part.size()));
        text_.append(kept);
        room -= kept.size();
    }
    text_ += '\n';
}

std::vector<std::string> TextImage::lines() const {
    std::vector<std::string> out;
    for (std::size_t start = 0; start < text_.size();) {
        const std::size_t end = text_.find('\n', start);
        out.push_back(text_.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

void TextImage::band(Band band, const BandValues& v) {
    const ListedOrder* o = v.order;
    const ListedLine* l = v.line;
    static const std::string kDashes(250, '-');
    static const std::string kEquals(125, '=');
    switch (band) {
        case Band::VendorInfo: {
            add({std::to_string(o->poid), T, o->poNumber, tabs(2), o->shipToString, T, o->shipToName, tabs(3),
                 "Vendor:", T, o->vendorName});
            const char* captions[] = {"Issued:", "Accepted:", "Deliver:"};
            const Date dates[] = {o->issueDate, o->deliverAfterDate, o->deliveryDate};
            for (int i = 0; i < 3; ++i)
                add({captions[i], T, date(dates[i]), tabs(3), o->shipToLines[i], tabs(4), o->vendorLines[i]});
            add({kDashes});
            break;
        }
        case Band::Summary:
            add({std::to_string(o->poid), T, o->poNumber, T, date(o->issueDate), T, o->vendorString, T,
                 o->jobString3, T, money(o->originalAmount), T, money(o->openAmount)});
            break;
        case Band::PODetail:
            add({tabs(2), l->itemId, T, l->vendorCatalogId, T, l->description, T, date(l->receiptDate), T,
                 l->unitName, T, quantity(l->qtyOrdered), tabs(2), price(l->unitPriceRaw), T, money(l->totalAmount),
                 T, l->subsidiary});
            break;
        case Band::Text: add({tabs(3), l->fullText}); break;
        case Band::ReconcileDetail: {
            const ListedReconciliation& r = *v.reconciliation;
            add({tabs(5), r.description, tabs(3), pic::leftJustify(pic::format(r.quantity, "@n-18.2")), T,
                 price(r.unitPriceRaw), T, money(r.amount)});
            break;
        }
        case Band::ReconcileTotal: add({tabs(5), "TotalAmountReconciled", tabs(5), money(v.amount)}); break;
        case Band::Blank: add({""}); break;
        case Band::SalesTaxLine: add({tabs(9), "Sales Tax:", T, money(v.amount)}); break;
        case Band::Total:
            add({tabs(9), "Open Amount:", T, money(v.amount)});
            add({kEquals});
            break;
        case Band::GrandTotal: add({tabs(9), "Grand Total Open:", T, money(v.amount)}); break;
        case Band::SummaryGrandTotal:
            add({tabs(4), "Report Totals", T, money(v.poAmountTotal), T, money(v.amount)});
            break;
    }
}

}  // namespace vtl::rpt
