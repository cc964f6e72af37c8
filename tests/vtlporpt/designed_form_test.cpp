// The designed form's pages: elements where the layout places them, the
// body's bands down the page and over the break, the shipped layout
// against the standard form, and the values both forms are handed.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "siblings/files/image_files.h"
#include "vtlporpt/create_po_print.h"
#include "vtlporpt/designed_form_fixture.h"

using namespace vtl;
using namespace vtl::test;
using report::Page;
using report::Rect;
using report::TextItem;

namespace {

template <class T>
std::vector<const T*> itemsOf(const Page& page) {
    std::vector<const T*> out;
    for (const auto& item : page.items)
        if (auto* t = std::get_if<T>(&item)) out.push_back(t);
    return out;
}

const char* const kPlacingLayout = R"(
font v "Arial" 9
font n "Arial Narrow" 8
body 2000 2600              # three item bands of 200
band header
  text 100,100 2000x* v "ORDER"
  field 3000,100 2000x300 v right POP:PONumber @s10
  field 3000,500 2000x* v POP:IssueDate @d2
  field 3000,700 2000x* v pad POP:POAmount @n12.2
  field 100,300 2000x* v APV:VendorName
  field 100,500 2000x* v HeaderCompanyName
  field 5000,100 1000x* v PageNumber
  box 50,50 8000x1800 frame 15 fill EEEEEE
  line 50,1900 8050,1900 width 30
  image 6000,500 "stamp.png"
  image 6000,1000 400x200 logo
end
band footer
  field 100,10500 3000x* v color 808080 CompanyName
end
band item height 200
  field 100,20 900x160 n right POD:QtyOrdered @n-12_.4B
  field 1100,20 3000x160 n POD:Description
  field 4200,20 400x160 n LineNumber
  line 100,195 8000,195
end
band totals
  field 5000,9000 2000x* v right TotalLineTwo
  field 7000,9000 1000x* v right LineTwoAmount @n-12.2
end
)";

}  // namespace

TEST_F(DesignedFormTest, ElementsLandWhereTheLayoutPlacesThem) {
    addRow("1041", 5001, [](POPrint& r) {
        r.POAmount = *Money::parse("1234.50");
        r.TaxRate = 10;
    });
    for (const char* item : {"A", "B", "C", "D"}) addItem(5001, item);
    s.dir.write("stamp.png", pngHeader(200, 100));
    // A logo that stands for the letterhead: drawn, and the company block left out.
    Images logo;
    logo.Type = "POLogo";
    logo.NumericID = 1;
    logo.FileName = "logo.png";
    logo.Position = "L";
    ASSERT_TRUE(store::Table<Images>(s.store()).insert(logo));
    s.dir.write("logo.png", pngHeader(50, 50));
    ASSERT_TRUE(siblings::storeImageFile(s.folder, logo, s.dir.file("logo.png")));

    const auto run = printDesigned(layout(kPlacingLayout));
    ASSERT_EQ(run.document.pages.size(), 2u) << "three item bands fill the body; the fourth goes on";
    const Page& p1 = run.document.pages[0];
    const Page& p2 = run.document.pages[1];

    const TextItem* caption = findText(p1, "ORDER");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->box, (Rect{100, 100, 2000, 150})) << "a height of * is one line of the font";
    const TextItem* number = findText(p1, "1041");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->box, (Rect{3000, 100, 2000, 300}));
    EXPECT_EQ(number->align, report::Align::Right);
    EXPECT_EQ(number->font, (report::Font{"Arial", 9}));
    EXPECT_EQ(wrongTexts(p1, {"6/30/2026", "    1,234.50", "John Smith"}), "");
    EXPECT_EQ(findText(p1, "1")->box, (Rect{5000, 100, 1000, 150})) << "the page's number";
    EXPECT_EQ(findText(p2, "2")->box, (Rect{5000, 100, 1000, 150}));
    EXPECT_EQ(wrongTexts(p1, {"Columbia Ridge Builders"}), "") << "the footer's company name";
    EXPECT_EQ(count(p1, "Columbia Ridge Builders"), 1) << "the header's is blank under logo code L";
    EXPECT_EQ(findText(p1, "Columbia Ridge Builders")->color, 0x808080u);
    EXPECT_EQ(findText(p2, "Columbia Ridge Builders")->box, (Rect{100, 10500, 3000, 150})) << "footer on each page";

    const auto boxes = itemsOf<report::BoxItem>(p1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0]->box, (Rect{50, 50, 8000, 1800}));
    EXPECT_EQ(boxes[0]->lineWidth, 15);
    EXPECT_TRUE(boxes[0]->filled);
    EXPECT_EQ(boxes[0]->fill, 0xEEEEEEu);
    const auto images = itemsOf<report::ImageItem>(p1);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0]->box, (Rect{6000, 500, 2000, 1000})) << "200 x 100 dots at 100 an inch";
    EXPECT_EQ(images[0]->bytes, pngHeader(200, 100));
    EXPECT_EQ(images[1]->box, (Rect{6000, 1000, 400, 200})) << "the logo stretched to the size given";
    EXPECT_EQ(images[1]->bytes, pngHeader(50, 50));

    // Item bands one under the other from the body's top, X on the page.
    const auto lines = itemsOf<report::LineItem>(p1);
    ASSERT_EQ(lines.size(), 4u) << "the header's rule and one under each item";
    EXPECT_EQ(lines[0]->width, 30);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(lines[static_cast<std::size_t>(i)]->y1, 2000 + 200 * (i - 1) + 195);
        EXPECT_EQ(lines[static_cast<std::size_t>(i)]->x2, 8000);
    }
    const TextItem* third = findText(p1, "Part C");
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->box, (Rect{1100, 2420, 3000, 160}));
    EXPECT_EQ(findText(p1, "3")->box, (Rect{4200, 2420, 400, 160})) << "the line's number";
    EXPECT_EQ(findText(p1, "1.0000")->align, report::Align::Right);
    EXPECT_EQ(findText(p2, "Part D")->box.y, 2020) << "the next page's body starts at its top";
    EXPECT_TRUE(has(p2, "4"));
    EXPECT_TRUE(has(p2, "ORDER")) << "the header on every page of the order";

    // The totals on the order's last page only: 10% of the four taxable lines.
    EXPECT_FALSE(has(p1, "Tax (10.000%):"));
    EXPECT_EQ(findText(p2, "Tax (10.000%):")->box, (Rect{5000, 9000, 2000, 150}));
    EXPECT_TRUE(has(p2, "4.00"));
}

TEST_F(DesignedFormTest, AFlowingFieldGoesOnOverThePageBreakInOrder) {
    const auto l = layout(R"(
font v "Arial" 9
font t "Times New Roman" 9
body 1000 2000
band header
  text 100,100 1000x* v "HEAD"
end
band item height 300
  field 100,10 1000x* v POD:ItemID
end
band text height 20
  text 100,10 300x* v "NOTE"
  field 500,10 1000x* t flow POD:Text
end
band totals
  text 100,9000 1000x* v "LAST"
end
)");
    addRow("1041", 5001);
    addItem(5001, "FIRST");
    std::string text;
    for (int w = 1; w <= 60; ++w) text += "w" + std::to_string(w) + " ";
    addText(5001, text);
    addItem(5001, "AFTER");
    const auto run = printDesigned(l);
    ASSERT_GE(run.document.pages.size(), 3u);

    std::vector<std::pair<std::size_t, const TextItem*>> parts;
    for (std::size_t p = 0; p < run.document.pages.size(); ++p)
        for (const TextItem* t : itemsOf<TextItem>(run.document.pages[p]))
            if (t->font.family == "Times New Roman") parts.emplace_back(p, t);
    ASSERT_EQ(parts.size(), run.document.pages.size()) << "one part of the text on each page";
    const double step = measure.lineHeight(report::Font{"Times New Roman", 9});
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const TextItem* t = parts[i].second;
        EXPECT_EQ(parts[i].first, i);
        EXPECT_TRUE(t->wrap);
        EXPECT_EQ(t->box.x, 500);
        EXPECT_EQ(t->box.w, 1000);
        EXPECT_LE(t->box.y + t->box.h + 10, 2000) << "part " << i << " stays in the body";
        EXPECT_EQ(t->box.y, i == 0 ? 1000 + 300 + 10 : 1000 + 10) << "after the item, then at the body's top";
        std::istringstream lines(t->text);
        int n = 0;
        for (std::string line; std::getline(lines, line);) {
            ++n;
            EXPECT_LE(measure.width(t->font, line), 1000) << line;
        }
        EXPECT_EQ(t->box.h, static_cast<int>(std::ceil(step * n)));
        if (i + 1 < parts.size()) {
            EXPECT_GT(t->box.y + t->box.h + 10 + step, 2000) << "part " << i << " fills its page";
        }
    }
    std::string joined;
    for (const auto& [page, t] : parts) joined += t->text + "\n";
    std::istringstream words(joined);
    std::string word;
    int n = 0;
    while (words >> word) EXPECT_EQ(word, "w" + std::to_string(++n));
    EXPECT_EQ(n, 60) << "every word, in order";

    int notes = 0, heads = 0;
    for (const Page& page : run.document.pages) {
        notes += count(page, "NOTE");
        heads += count(page, "HEAD");
    }
    EXPECT_EQ(notes, 1) << "the band's other elements go with its first part";
    EXPECT_EQ(heads, static_cast<int>(run.document.pages.size()));
    const Page& last = run.document.pages.back();
    const TextItem* after = findText(last, "AFTER");
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->box.y, parts.back().second->box.y + parts.back().second->box.h + 10 + 10);
    EXPECT_TRUE(has(last, "LAST"));
    EXPECT_FALSE(has(run.document.pages.front(), "LAST"));
}

// The layout shipped in forms/ draws, item for item, what the standard
// form draws: the sample order, a long order with a catalog number late, a
// text over the page break, dual taxes, a missing job and a letterhead logo.
TEST_F(DesignedFormTest, TheShippedLayoutPrintsWhatTheStandardFormPrints) {
    const auto read = rpt::readFormLayout(shippedLayoutPath());
    ASSERT_TRUE(read.layout) << read.error.text();
    // Names the first item that differs rather than the whole pages.
    auto same = [&](const std::string& what) {
        std::istringstream standard(report::toText(print().document));
        std::istringstream designed(report::toText(printDesigned(*read.layout).document));
        std::string want, got;
        for (int n = 1;; ++n) {
            const bool more = static_cast<bool>(std::getline(standard, want));
            const bool moreGot = static_cast<bool>(std::getline(designed, got));
            if (!more && !moreGot) break;
            if (more != moreGot || want != got) {
                ADD_FAILURE() << what << ": item " << n << " differs\n standard: " << (more ? want : "(end)")
                              << "\n designed: " << (moreGot ? got : "(end)");
                break;
            }
            ASSERT_LT(n, 100000);
        }
    };

    changeSystems("CompanyFax = '360-555-0101'");
    s.globals.DecimalVariable = rpt::kSampleMode;
    rpt::CreatePOPrint(*s).run();
    same("the sample order");

    s.globals.DecimalVariable = 0;
    ASSERT_TRUE(s.store().exec("DELETE FROM POPrint"));
    changeSystems("CanadianTax = 1, CompanyAddress2 = 'Suite 5'");
    addRow("1041", 5001, [](POPrint& r) {
        r.DefaultJob = "J999";
        r.ShipToName = "Yard";
        r.ShipToAddress2 = "Gate 4";
        r.ShipToCity = "Camas";
        r.ShipToState = "WA";
        r.PreTaxAmount = *Money::parse("300.00");
        r.DiscountAmount = *Money::parse("15.00");
        r.OtherCharges = *Money::parse("21.00");
        r.CheckNo = "BC";
        r.POAmount = *Money::parse("336.00");
    });
    for (int n = 1; n <= 30; ++n) addItem(5001, "I" + std::to_string(n), true, n == 28 ? "CAT-28" : "");
    std::string text;
    for (int w = 1; w <= 150; ++w) text += "word" + std::to_string(w) + " ";
    addText(5001, text);
    addRow("", 5002, [](POPrint& r) { r.DefaultJob = "J100"; });
    addItem(5002, "B");
    same("two orders, a long one and an unnumbered one");

    Images logo;
    logo.Type = "POLogo";
    logo.NumericID = 1;
    logo.FileName = "logo.png";
    logo.Position = "L";
    ASSERT_TRUE(store::Table<Images>(s.store()).insert(logo));
    s.dir.write("logo.png", pngHeader(200, 100));
    ASSERT_TRUE(siblings::storeImageFile(s.folder, logo, s.dir.file("logo.png")));
    same("a logo on letterhead");
}

namespace {

// Keeps what the gathering hands a form.
class Recorder : public rpt::PurchaseOrderSink {
public:
    void beginOrder(const rpt::FormValues& v) override { orders.push_back(v); }
    void item(const rpt::FormValues& v) override { lines.push_back(v); }
    void text(const rpt::FormValues& v) override { lines.push_back(v); }
    void totals(const rpt::FormValues& v) override { totalsOf.push_back(v); }
    report::Document& document() override { return doc; }

    std::vector<rpt::FormValues> orders, lines, totalsOf;
    report::Document doc;
};

}  // namespace

TEST_F(DesignedFormTest, EveryNameALayoutMayUseIsHandedToTheForms) {
    addRow("1041", 5001, [](POPrint& r) { r.DefaultJob = "J404"; });
    addItem(5001, "A");
    addText(5001, "Call first");
    Recorder recorder;
    rpt::PurchaseOrderForms(*s, "Test").run(recorder, rpt::FormLogo());
    ASSERT_EQ(recorder.orders.size(), 1u);
    ASSERT_EQ(recorder.lines.size(), 2u);
    ASSERT_EQ(recorder.totalsOf.size(), 1u);
    for (const auto& [name, info] : rpt::formFields()) {
        if (name == "PageNumber") continue;  // the form numbers its own pages
        const rpt::FormValues& where = info.scope == rpt::FormScope::Order  ? recorder.orders[0]
                                       : info.scope == rpt::FormScope::Line ? recorder.lines[1]
                                                                            : recorder.totalsOf[0];
        const rpt::FormValue* v = where.find(name);
        ASSERT_NE(v, nullptr) << name;
        EXPECT_EQ(v->kind, info.kind) << name;
    }
    const rpt::FormValues& order = recorder.orders[0];
    EXPECT_EQ(order.shown("APV:VendorName"), "John Smith");
    EXPECT_EQ(order.shown("JCH:JobName"), "Job Not Found");
    EXPECT_EQ(order.shown("VendorTwo"), "Salem, OR 97301");
    EXPECT_EQ(order.shown("BillToThree"), "360-555-0100");
    EXPECT_EQ(recorder.lines[1].shown("POD:Text"), "Call first");
    EXPECT_EQ(recorder.lines[1].shown("LineNumber"), "2");
    EXPECT_EQ(recorder.totalsOf[0].shown("TaxableTotal"), "10.00");
}
