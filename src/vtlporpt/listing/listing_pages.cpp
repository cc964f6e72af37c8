#include "vtlporpt/listing/listing_pages.h"

#include <cmath>

#include "platform/picture/picture.h"

namespace vtl::rpt {
namespace {

using report::Align;
using report::Font;
using report::Mils;

const Font kTitle{"Arial", 12, true};
const Font kHeading{"Arial", 7, true};
const Font kData{"Arial Narrow", 7};
const Font kDataBold{"Arial Narrow", 7, true};
const Font kFooter{"Arial", 6};

constexpr Mils kMargin = 250;
constexpr Mils kPad = 20;

// The columns of the standard heading group, in portrait mils.
struct Column {
    Mils x, w;
};
constexpr Column kRef{250, 450}, kPO{700, 750}, kItem{1450, 400}, kCatalog{1850, 800}, kDescription{2650, 1700},
    kReceipt{4350, 450}, kUnit{4800, 400}, kOrdered{5200, 600}, kReceived{5800, 500}, kUnitCost{6300, 550},
    kAmount{6850, 650}, kAccount{7550, 700};
// The summary group.
constexpr Column kSRef{250, 500}, kSPO{750, 850}, kSIssue{1600, 550}, kSVendor{2150, 2500}, kSJob{4650, 2000},
    kSPOAmount{6650, 800}, kSOpen{7450, 800};

std::string money(const Money& m, const char* picture = "@n-13_.2") { return pic::clip(pic::format(m, picture)); }

}  // namespace

ListingPages::ListingPages(report::TextMeasure& measure, ListingPageSetup setup)
    : measure_(measure), setup_(std::move(setup)) {
    pageW_ = 8500;
    pageH_ = 11000;
    if (setup_.landscape) {
        pageW_ += 2500;
        pageH_ -= 2500;
        scale_ = 1.3;
    }
    rowH_ = static_cast<Mils>(std::lround(measure_.lineHeight(kData)));
    doc_.title = "Purchase Order Listing";
}

Mils ListingPages::x(Mils v) const { return static_cast<Mils>(std::lround(v * scale_)); }
Mils ListingPages::w(Mils v) const { return v > 10 ? static_cast<Mils>(std::lround(v * scale_)) : v; }

void ListingPages::cell(report::Page& p, Mils y, const Cell& c, const Font& font) {
    if (c.text.empty()) return;
    // Columns keep a little room between them.
    p.items.push_back(report::TextItem{{x(c.x) + kPad, y, w(c.w) - 2 * kPad, rowH_}, c.text, font, c.align});
}

void ListingPages::newPage() {
    report::Page p;
    // A full page of the detailed format holds some seven hundred items.
    p.items.reserve(doc_.pages.empty() ? 64 : doc_.pages.back().items.size() + 16);
    p.width = pageW_;
    p.height = pageH_;
    const Mils right = pageW_ - kMargin;
    const Mils titleH = static_cast<Mils>(std::lround(measure_.lineHeight(kTitle)));
    Mils y = kMargin;
    p.items.push_back(report::TextItem{{kMargin, y, right - kMargin, titleH}, "Purchase Order Listing", kTitle,
                                       Align::Center});
    p.items.push_back(report::TextItem{{right - 1500, y, 1500, rowH_},
                                       pic::clip(pic::format(setup_.runDate, "@D1")), kData, Align::Right});
    y += titleH;
    p.items.push_back(report::TextItem{{kMargin, y, right - kMargin, rowH_}, setup_.companyName, kHeading,
                                       Align::Center});
    p.items.push_back(report::TextItem{{right - 1500, y - titleH + rowH_, 1500, rowH_},
                                       pic::clip(pic::format(setup_.runTime, "@T3")), kData, Align::Right});
    y += rowH_ + 80;
    auto heading = [&](Column c, const char* t, Align a = Align::Left) {
        if (*t) p.items.push_back(report::TextItem{{x(c.x) + kPad, y, w(c.w) - 2 * kPad, rowH_}, t, kHeading, a});
    };
    if (setup_.format == ListingFormat::Summary) {
        heading(kSRef, "Ref #");
        heading(kSPO, "PO #");
        heading(kSIssue, "Issue Date");
        heading(kSVendor, "Vendor");
        heading(kSJob, "Job");
        heading(kSPOAmount, "PO Amount", Align::Right);
        heading(kSOpen, "Open Amount", Align::Right);
        y += rowH_;
    } else {
        // The first two heading rows' words reach over the columns beside them.
        heading(Column{kRef.x, kItem.x - kRef.x}, "Purchase Order");
        heading(kItem, "Item");
        heading(kAccount, "Disbursement");
        y += rowH_;
        heading(Column{kRef.x, kItem.x - kRef.x}, "Reference");
        heading(kCatalog, "Catalog");
        heading(kReceipt, "Last");
        heading(kUnit, "Unit");
        y += rowH_;
        heading(kRef, "Number");
        heading(kPO, "PO#");
        heading(kItem, "ID");
        heading(kCatalog, "Number");
        heading(kDescription, "Description");
        heading(kReceipt, "Receipt");
        heading(kUnit, "Name");
        heading(kOrdered, "Ordered", Align::Right);
        heading(kReceived, "Received", Align::Right);
        heading(kUnitCost, "Unit Cost", Align::Right);
        heading(kAmount, "Amount", Align::Right);
        heading(kAccount, "Account");
        y += rowH_;
    }
    p.items.push_back(report::LineItem{kMargin, y + 20, right, y + 20, 10});
    bodyTop_ = y + 60;

    // The footer: the page number, then the parameters block and the message.
    const Mils footH = static_cast<Mils>(std::lround(measure_.lineHeight(kFooter)));
    std::vector<std::string> footer;
    for (std::size_t i = 0; i < setup_.parameters.size() && i < 12; ++i)
        footer.push_back(Text<100>(setup_.parameters[i]).clip());
    if (!setup_.footerMessage.empty()) footer.push_back(setup_.footerMessage);
    Mils fy = pageH_ - kMargin - static_cast<Mils>(footer.size() + 1) * footH;
    bodyBottom_ = fy - 60;
    p.items.push_back(report::LineItem{kMargin, fy - 30, right, fy - 30, 10});
    // The page number goes in once the pages are counted (finish()).
    fy += footH;
    for (const std::string& line : footer) {
        p.items.push_back(report::TextItem{{kMargin, fy, right - kMargin, footH}, line, kFooter, Align::Left});
        fy += footH;
    }
    doc_.pages.push_back(std::move(p));
    y_ = bodyTop_;
}

void ListingPages::place(const std::vector<Row>& rows, bool ruled, bool ruleBelow) {
    const Mils h = static_cast<Mils>(rows.size()) * rowH_ + (ruled ? 40 : 0) + (ruleBelow ? 40 : 0);
    if (doc_.pages.empty() || (y_ + h > bodyBottom_ && y_ > bodyTop_)) newPage();
    report::Page& p = doc_.pages.back();
    if (ruled) {
        p.items.push_back(report::LineItem{x(kOrdered.x), y_ + 20, pageW_ - kMargin, y_ + 20, 10});
        y_ += 40;
    }
    for (const Row& r : rows) {
        for (const Cell& c : r) cell(p, y_, c, c.bold ? kDataBold : kData);
        y_ += rowH_;
    }
    if (ruleBelow) {
        p.items.push_back(report::LineItem{kMargin, y_ + 20, pageW_ - kMargin, y_ + 20, 5});
        y_ += 40;
    }
}

void ListingPages::band(Band band, const BandValues& v) {
    const ListedOrder* o = v.order;
    const ListedLine* l = v.line;
    switch (band) {
        case Band::VendorInfo: {
            std::vector<Row> rows(4);
            rows[0] = {{kRef.x, kRef.w, std::to_string(o->poid), Align::Left, true},
                       {kPO.x, kPO.w, o->poNumber, Align::Left, true},
                       {1600, 450, "Vendor:", Align::Left, true},
                       {2050, 2400, o->vendorName, Align::Left, true},
                       {4500, 500, o->shipToString, Align::Left, true},
                       {5000, 2000, o->shipToName, Align::Left, true}};
            const char* captions[] = {"Issued:", "Accepted:", "Deliver:"};
            const Date dates[] = {o->issueDate, o->deliverAfterDate, o->deliveryDate};
            for (int i = 0; i < 3; ++i) {
                rows[i].push_back({7050, 550, captions[i]});
                rows[i].push_back({7600, 650, pic::clip(pic::format(dates[i], "@d1b")), Align::Right});
                rows[i + 1].push_back({2050, 2400, o->vendorLines[i]});
                rows[i + 1].push_back({5000, 2000, o->shipToLines[i]});
            }
            rows[3].push_back({kRef.x, 1350, o->jobString1});
            if (!o->jobString2.empty()) rows.push_back(Row{{kRef.x, 4000, o->jobString2}});
            place(rows, false, true);
            break;
        }
        case Band::Summary:
            place({{{kSRef.x, kSRef.w, std::to_string(o->poid)},
                    {kSPO.x, kSPO.w, o->poNumber},
                    {kSIssue.x, kSIssue.w, pic::clip(pic::format(o->issueDate, "@d1b"))},
                    {kSVendor.x, kSVendor.w, o->vendorString},
                    {kSJob.x, kSJob.w, o->jobString3},
                    {kSPOAmount.x, kSPOAmount.w, money(o->originalAmount), Align::Right},
                    {kSOpen.x, kSOpen.w, money(o->openAmount), Align::Right}}});
            break;
        case Band::PODetail:
            place({{{kItem.x, kItem.w, pic::clip(pic::format(l->itemId, "@s7"))},
                    {kCatalog.x, kCatalog.w, pic::clip(pic::format(l->vendorCatalogId, "@s20"))},
                    {kDescription.x, kDescription.w, pic::clip(pic::format(l->description, "@s60"))},
                    {kReceipt.x, kReceipt.w, pic::clip(pic::format(l->receiptDate, "@d01B"))},
                    {kOrdered.x, kOrdered.w, pic::clip(pic::format(l->qtyOrdered, "@n-17_.4")), Align::Right},
                    {kUnit.x, kUnit.w, pic::clip(pic::format(l->unitName, "@s8"))},
                    {kUnitCost.x, kUnitCost.w, pic::clip(pic::formatScaled(l->unitPriceRaw, 4, "@n-13_.4")), Align::Right},
                    {kAmount.x, kAmount.w, money(l->totalAmount), Align::Right},
                    {kAccount.x, kAccount.w, pic::clip(pic::format(l->subsidiary, "@s25"))}}});
            break;
        case Band::Text: {
            const Mils width = w(kAccount.x + kAccount.w - kItem.x);
            std::vector<Row> rows;
            for (const std::string& t : report::wrapText(measure_, kData, l->fullText, width - 2 * kPad))
                rows.push_back({{kItem.x, kAccount.x + kAccount.w - kItem.x, t}});
            // A long text goes on over the page break a line at a time.
            for (const Row& r : rows) place({r});
            break;
        }
        case Band::ReconcileDetail: {
            const ListedReconciliation& r = *v.reconciliation;
            place({{{kCatalog.x, kOrdered.x - kCatalog.x, pic::clip(pic::format(r.description, "@s80"))},
                    {kOrdered.x, kOrdered.w, pic::clip(pic::format(r.quantity, "@n-15_.2B")), Align::Right},
                    {kUnitCost.x, kUnitCost.w, pic::clip(pic::formatScaled(r.unitPriceRaw, 4, "@n-13_.4")), Align::Right},
                    {kAmount.x, kAmount.w, money(r.amount), Align::Right}}});
            break;
        }
        case Band::ReconcileTotal:
            place({{{kReceipt.x, kUnitCost.x + kUnitCost.w - kReceipt.x, "Total Amount Reconciled:", Align::Right,
                     true},
                    {kAmount.x, kAmount.w, money(v.amount), Align::Right, true}}});
            break;
        case Band::Blank: place({Row{}}); break;
        case Band::SalesTaxLine:
            place({{{kReceived.x, kUnitCost.x + kUnitCost.w - kReceived.x, "Sales Tax:", Align::Right},
                    {kAmount.x, kAmount.w, money(v.amount), Align::Right}}});
            break;
        case Band::Total:
            place({{{kReceived.x, kUnitCost.x + kUnitCost.w - kReceived.x, "Open Amount:", Align::Right, true},
                    {kAmount.x, kAmount.w, money(v.amount), Align::Right, true}}},
                  false, true);
            break;
        case Band::GrandTotal:
            place({{{kReceipt.x, kUnitCost.x + kUnitCost.w - kReceipt.x, "Grand Total Open:", Align::Right, true},
                    {kAmount.x - 100, kAmount.w + 100, money(v.amount, "@N-16_.2"), Align::Right, true}}},
                  true);
            break;
        case Band::SummaryGrandTotal:
            place({{{kSVendor.x, kSPOAmount.x - kSVendor.x, "Report  Totals:", Align::Right, true},
                    {kSPOAmount.x, kSPOAmount.w, money(v.poAmountTotal, "@N-15_.2"), Align::Right, true},
                    {kSOpen.x, kSOpen.w, money(v.amount, "@n-15_.2"), Align::Right, true}}},
                  true);
            break;
    }
}

report::Document ListingPages::finish() {
    const int total = pages();
    const Mils footH = static_cast<Mils>(std::lround(measure_.lineHeight(kFooter)));
    for (int i = 0; i < total; ++i) {
        report::Page& p = doc_.pages[static_cast<std::size_t>(i)];
        std::size_t footerLines = std::min<std::size_t>(setup_.parameters.size(), 12) + !setup_.footerMessage.empty();
        const Mils fy = pageH_ - kMargin - static_cast<Mils>(footerLines + 1) * footH;
        p.items.push_back(report::TextItem{{kMargin, fy, pageW_ - 2 * kMargin, footH},
                                           "Page " + std::to_string(i + 1) + " of " + std::to_string(total), kFooter,
                                           Align::Right});
    }
    return std::move(doc_);
}

}  // namespace vtl::rpt
