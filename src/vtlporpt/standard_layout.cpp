#include "vtlporpt/standard_layout.h"

#include <algorithm>
#include <cmath>

namespace vtl::rpt {

using report::Align;
using report::BoxItem;
using report::Font;
using report::ImageItem;
using report::LineItem;
using report::Mils;
using report::Page;
using report::TextItem;

namespace {

// Letter portrait, in thousandths of an inch from the top left corner.
constexpr Mils kLeft = 400, kRight = 8100, kWidth = kRight - kLeft;
constexpr report::Color kShade = 0xE6E6E6;
constexpr Mils kRule = 10, kHeavyRule = 20;

// Header: the logo and the company block on the left, title and number on the right.
constexpr Mils kLogoX = 670, kLogoY = 400;
constexpr Mils kLogoMovedLeft = 270;
// The company lines' place; beside a moved logo they start at this less
// kCompanyBesideLogo plus the logo's width, which puts them right after it.
constexpr Mils kCompanyX = 1320, kCompanyRight = 5000;
constexpr Mils kCompanyBesideLogo = 920;
constexpr Mils kCompanyNameY = 400, kBillToY = 620, kBillToStep = 160;
constexpr Mils kTitleX = 5000, kTitleW = kRight - kTitleX;
constexpr Mils kHeaderRuleY = 1330;

// The vendor and ship-to boxes.
constexpr Mils kPartyY = 1420, kPartyH = 1140, kPartyW = 3800, kPartyBarH = 170;
constexpr Mils kVendorX = kLeft, kShipToX = kRight - kPartyW;
constexpr Mils kPartyInset = 80;
constexpr Mils kPartyNameY = 1640, kPartyLineY = 1830, kPartyLineStep = 160, kPartyPhoneY = 2360;
constexpr Mils kPhoneX = 1300, kFaxCaptionX = 2360, kFaxX = 3030, kContactX = 4980;

// Three rows of captioned cells: job and agent, delivery, instructions.
constexpr Mils kCellsY = 2650, kCellH = 280, kCellInset = 60;
struct Cell {
    int row;
    Mils x1, x2;
    const char* caption;
};
constexpr Cell kCells[] = {
    {0, kLeft, 1600, "JOB #"},         {0, 1600, 5500, "PROJECT"},  {0, 5500, kRight, "PURCH. AGENT"},
    {1, kLeft, 1600, "DELIVERY DATE"}, {1, 1600, 3550, "SHIP VIA"}, {1, 3550, 5500, "F.O.B."},
    {1, 5500, kRight, "TERMS"},        {2, kLeft, kRight, "INSTRUCTIONS"},
};

// The columns of the body; an item line is kLineH high, so 27 fit.
constexpr Mils kHeadingY = 3580, kHeadingH = 220;
constexpr Mils kBodyTop = kHeadingY + kHeadingH, kLineH = 170, kBodyBottom = kBodyTop + 27 * kLineH;
constexpr Mils kLinePad = 10;  // above and below the text of a line
struct Column {
    Mils x1, x2;
};
constexpr Column kQuantityCol{kLeft, 1650}, kItemCol{1650, 2650}, kCatalogCol{2650, 3750},
    kDescriptionCol{3750, 6350}, kPriceCol{6350, 7200}, kAmountCol{7200, kRight};
constexpr Mils kQuantityRight = 1190, kUnitX = 1230;
constexpr Mils kColInset = 40;

// The totals box under the body, on the right.
constexpr Mils kTotalsX = 4800, kTotalsY = kBodyBottom, kTotalsH = 760;
constexpr Mils kTotalLineY = 8430, kTotalLineStep = 170, kTotalSumRuleY = 8950, kTotalSumY = 8980;

// Footer: the two parties over their signature lines, the message at the foot.
constexpr Mils kSignW = 3700, kBuyerSignX = kLeft, kVendorSignX = 4400;
constexpr Mils kSignNameY = 9330, kSignLineY = 9700, kFooterMessageY = 10400;
constexpr const char* kSignatureLine = "By_________________________________  Date_____________";

const Font kCaption{"Arial", 7, true};
const Font kCellCaption{"Arial", 6, true};
const Font kValue{"Arial", 9};
const Font kPartyName{"Arial", 10, true};
const Font kCompanyName{"Arial", 11, true};
const Font kTitle{"Arial", 18, true};
const Font kNumber{"Arial Narrow", 12, true};
const Font kDate{"Arial", 10};
const Font kLine{"Arial Narrow", 9};
const Font kText{"Times New Roman", 9};
const Font kTotal{"Arial", 9};
const Font kTotalSum{"Arial", 10, true};
const Font kTotalSumLabel{"Arial", 9, true};
const Font kSignature{"Arial", 8};
const Font kFooterMessage{"Arial", 7};

Mils inside(Column c) { return c.x2 - c.x1 - 2 * kColInset; }

}  // namespace

StandardFormLayout::StandardFormLayout(report::TextMeasure& measure, FormLogo logo)
    : measure_(measure), logo_(std::move(logo)) {}

Mils StandardFormLayout::lineHeight(const Font& font) {
    return static_cast<Mils>(std::ceil(measure_.lineHeight(font)));
}

namespace {

// A value in a box one line high; a blank value draws nothing.
void put(Page& page, Mils x, Mils y, Mils w, Mils h, const std::string& text, const Font& font,
         Align align = Align::Left) {
    if (text.find_first_not_of(' ') == std::string::npos) return;
    page.items.push_back(TextItem{{x, y, w, h}, text, font, align});
}

}  // namespace

void StandardFormLayout::beginOrder(const StandardFormHeader& header) {
    header_ = header;
    newPage();
}

void StandardFormLayout::newPage() {
    Page& page = doc_.pages.emplace_back();
    form(page);
    pageHeader(page);
    pageFooter(page);
    y_ = kBodyTop;
}

void StandardFormLayout::form(Page& page) {
    auto text = [&](Mils x, Mils y, Mils w, const std::string& s, const Font& f, Align a = Align::Left) {
        put(page, x, y, w, lineHeight(f), s, f, a);
    };
    auto& items = page.items;
    items.push_back(TextItem{{kTitleX, 380, kTitleW, lineHeight(kTitle)}, "PURCHASE ORDER", kTitle, Align::Right});
    text(kTitleX, 1010, 7150 - kTitleX, "ISSUE DATE:", kCaption, Align::Right);
    items.push_back(LineItem{kLeft, kHeaderRuleY, kRight, kHeaderRuleY, kHeavyRule});

    // Vendor and ship-to boxes with their shaded caption bars.
    for (Mils x : {kVendorX, kShipToX}) {
        items.push_back(BoxItem{{x, kPartyY, kPartyW, kPartyBarH}, kRule, report::kBlack, true, kShade});
        items.push_back(BoxItem{{x, kPartyY, kPartyW, kPartyH}, kRule});
    }
    text(kVendorX + kPartyInset, kPartyY + 25, 1000, "VENDOR", kCaption);
    text(kShipToX + kPartyInset, kPartyY + 25, 1000, "SHIP TO", kCaption);
    text(kVendorX + kPartyInset, kPartyPhoneY + 25, kPhoneX - kVendorX - kPartyInset, "VENDOR PHONE:", kCellCaption);
    text(kFaxCaptionX, kPartyPhoneY + 25, kFaxX - kFaxCaptionX, "VENDOR FAX:", kCellCaption);
    text(kShipToX + kPartyInset, kPartyPhoneY + 25, kContactX - kShipToX - kPartyInset, "CONTACT", kCellCaption);

    for (const Cell& c : kCells) {
        const Mils y = kCellsY + c.row * kCellH;
        items.push_back(BoxItem{{c.x1, y, c.x2 - c.x1, kCellH}, kRule});
        text(c.x1 + kCellInset, y + 25, c.x2 - c.x1 - 2 * kCellInset, c.caption, kCellCaption);
    }

    // The body: shaded headings over ruled columns.
    items.push_back(BoxItem{{kLeft, kHeadingY, kWidth, kHeadingH}, kRule, report::kBlack, true, kShade});
    items.push_back(BoxItem{{kLeft, kHeadingY, kWidth, kBodyBottom - kHeadingY}, 15});
    for (const Column& c : {kItemCol, kCatalogCol, kDescriptionCol, kPriceCol, kAmountCol})
        items.push_back(LineItem{c.x1, kHeadingY, c.x1, kBodyBottom, kRule});
    const Mils headingY = kHeadingY + (kHeadingH - lineHeight(kCaption)) / 2;
    auto heading = [&](Column c, const std::string& s) {
        text(c.x1 + kColInset, headingY, inside(c), s, kCaption, Align::Center);
    };
    heading(kQuantityCol, "QUANTITY");
    heading(kItemCol, "ITEM");
    heading(kCatalogCol, header_.catalogPrompt);
    heading(kDescriptionCol, "MATERIALS AND/OR SERVICES TO BE FURNISHED");
    heading(kPriceCol, "UNIT");
    heading(kAmountCol, "AMOUNT");

    // The totals box, filled on the order's last page.
    items.push_back(BoxItem{{kTotalsX, kTotalsY, kRight - kTotalsX, kTotalsH}, 15});
    items.push_back(LineItem{kAmountCol.x1, kTotalsY, kAmountCol.x1, kTotalsY + kTotalsH, kRule});
    items.push_back(LineItem{kTotalsX, kTotalSumRuleY, kRight, kTotalSumRuleY, kRule});
    text(kTotalsX + 50, kTotalSumY + 10, kAmountCol.x1 - kTotalsX - 100, "TOTAL SUM OF", kTotalSumLabel, Align::Right);

    text(kBuyerSignX, kSignLineY, kSignW, kSignatureLine, kSignature);
    text(kVendorSignX, kSignLineY, kSignW, kSignatureLine, kSignature);
    text(kLeft, kFooterMessageY, kWidth, header_.footerMessage, kFooterMessage, Align::Center);
}

void StandardFormLayout::pageHeader(Page& page) {
    const StandardFormHeader& h = header_;
    auto text = [&](Mils x, Mils y, Mils w, const std::string& s, const Font& f, Align a = Align::Left) {
        put(page, x, y, w, lineHeight(f), s, f, a);
    };
    if (!logo_.bytes.empty()) {
        const Mils x = logo_.beside ? kLogoX - kLogoMovedLeft : kLogoX;
        page.items.push_back(ImageItem{{x, kLogoY, logo_.width, logo_.height}, logo_.bytes});
    }
    if (logo_.companyShown) {
        const Mils x = logo_.beside ? kCompanyX - kCompanyBesideLogo + logo_.width : kCompanyX;
        const Mils w = std::max<Mils>(kCompanyRight - x, 1000);
        text(x, kCompanyNameY, w, h.companyName, kCompanyName);
        for (std::size_t i = 0; i < h.billTo.size(); ++i)
            text(x, kBillToY + static_cast<Mils>(i) * kBillToStep, w, h.billTo[i], kValue);
    }
    text(kTitleX, 740, kTitleW, h.localPONumber, kNumber, Align::Right);
    text(7200, 990, kRight - 7200, h.issueDate, kDate, Align::Right);

    const Mils partyW = kPartyW - 2 * kPartyInset;
    text(kVendorX + kPartyInset, kPartyNameY, partyW, h.vendorName, kPartyName);
    text(kShipToX + kPartyInset, kPartyNameY, partyW, h.shipToName, kPartyName);
    for (std::size_t i = 0; i < 3; ++i) {
        const Mils y = kPartyLineY + static_cast<Mils>(i) * kPartyLineStep;
        text(kVendorX + kPartyInset, y, partyW, h.vendor[i], kValue);
        text(kShipToX + kPartyInset, y, partyW, h.shipTo[i], kValue);
    }
    text(kPhoneX, kPartyPhoneY, kFaxCaptionX - kPhoneX - 80, h.vendorPhone, kValue);
    text(kFaxX, kPartyPhoneY, kVendorX + kPartyW - kPartyInset - kFaxX, h.vendorFax, kValue);
    text(kContactX, kPartyPhoneY, kRight - kPartyInset - kContactX, h.shipToContact, kValue);

    const std::string* values[] = {&h.defaultJob, &h.jobName, &h.preparedBy, &h.deliveryDate,
                                   &h.shipVia,    &h.fob,     &h.terms,      &h.instructions};
    for (std::size_t i = 0; i < std::size(kCells); ++i) {
        const Cell& c = kCells[i];
        text(c.x1 + kCellInset, kCellsY + c.row * kCellH + 115, c.x2 - c.x1 - 2 * kCellInset, *values[i], kValue);
    }
}

void StandardFormLayout::pageFooter(Page& page) {
    put(page, kBuyerSignX, kSignNameY, kSignW, lineHeight(kValue), header_.companyName, Font{"Arial", 9, true});
    put(page, kVendorSignX, kSignNameY, kSignW, lineHeight(kValue), header_.vendorName, Font{"Arial", 9, true});
}

void StandardFormLayout::item(const StandardFormItem& line) {
    if (y_ + kLineH > kBodyBottom) newPage();
    Page& page = doc_.pages.back();
    const Mils y = y_ + kLinePad, h = kLineH - 2 * kLinePad;
    put(page, kQuantityCol.x1 + 30, y, kQuantityRight - kQuantityCol.x1 - 30, h, line.quantity, kLine, Align::Right);
    put(page, kUnitX, y, kQuantityCol.x2 - kColInset - kUnitX, h, line.unit, kLine);
    put(page, kItemCol.x1 + kColInset, y, inside(kItemCol), h, line.itemId, kLine);
    put(page, kCatalogCol.x1 + kColInset, y, inside(kCatalogCol), h, line.catalogId, kLine);
    put(page, kDescriptionCol.x1 + kColInset, y, inside(kDescriptionCol), h, line.description, kLine);
    put(page, kPriceCol.x1 + 30, y, kPriceCol.x2 - kPriceCol.x1 - 70, h, line.unitPrice, kLine, Align::Right);
    put(page, kAmountCol.x1 + 30, y, kAmountCol.x2 - kAmountCol.x1 - 70, h, line.amount, kLine, Align::Right);
    y_ += kLineH;
}

void StandardFormLayout::text(const std::string& text) {
    const Mils width = inside(kDescriptionCol);
    const auto lines = report::wrapText(measure_, kText, text, width);
    const double step = measure_.lineHeight(kText);
    std::size_t done = 0;
    while (done < lines.size()) {
        auto fit = static_cast<std::size_t>(std::max(0.0, (kBodyBottom - y_ - 2 * kLinePad) / step));
        if (fit == 0 && y_ > kBodyTop) {
            newPage();
            continue;
        }
        const std::size_t n = std::clamp<std::size_t>(fit, 1, lines.size() - done);
        std::string block;
        for (std::size_t i = done; i < done + n; ++i) block += (i > done ? "\n" : "") + lines[i];
        const auto h = static_cast<Mils>(std::ceil(step * static_cast<double>(n)));
        if (block.find_first_not_of(" \n") != std::string::npos)
            doc_.pages.back().items.push_back(
                TextItem{{kDescriptionCol.x1 + kColInset, y_ + kLinePad, width, h}, block, kText, Align::Left, true});
        y_ += h + 2 * kLinePad;
        done += n;
    }
}

void StandardFormLayout::totals(const StandardFormTotals& totals) {
    Page& page = doc_.pages.back();
    const Mils labelX = kTotalsX + 50, labelW = kAmountCol.x1 - kTotalsX - 100;
    const Mils amountX = kAmountCol.x1 + 30, amountW = kAmountCol.x2 - kAmountCol.x1 - 70;
    for (std::size_t i = 0; i < 3; ++i) {
        const Mils y = kTotalLineY + static_cast<Mils>(i) * kTotalLineStep;
        put(page, labelX, y, labelW, lineHeight(kTotal), totals.labels[i], kTotal, Align::Right);
        put(page, amountX, y, amountW, lineHeight(kTotal), totals.amounts[i], kTotal, Align::Right);
    }
    put(page, amountX, kTotalSumY, amountW, lineHeight(kTotalSum), totals.total, kTotalSum, Align::Right);
}

}  // namespace vtl::rpt
