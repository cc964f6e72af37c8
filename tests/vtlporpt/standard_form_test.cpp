// The standard purchase-order form: what its header, lines and totals
// show, where its pages break, and what it hands to the output path.
#include <gtest/gtest.h>

#include <sstream>

#include "vtlporpt/standard_form_fixture.h"

using namespace vtl;
using namespace vtl::test;
using report::Page;

namespace {

constexpr report::Mils kBodyBottom = 8390;  // the foot of the body's columns

// The company's name and the lines under it in the header, top down.
std::vector<std::string> companyBlock(const Page& page) {
    const auto* name = findText(page, "Columbia Ridge Builders");
    std::vector<std::string> out;
    for (const auto& item : page.items)
        if (auto* t = std::get_if<report::TextItem>(&item); t && name && t->box.x == name->box.x && t->box.y < 1330)
            out.push_back(t->text);
    return out;
}

Money money(const char* text) { return *Money::parse(text); }

}  // namespace

TEST_F(StandardFormTest, TheHeaderShowsTheOrderItsVendorShipToJobAndCompany) {
    addRow("1041", 5001, [](POPrint& r) {
        r.DeliveryDate = Date::fromYmd(2026, 7, 15);
        r.PreparedBy = "Dana Lee";
        r.ShipToName = "Riverside Clinic site";
        r.ShipToAddress2 = "Gate 3";
        r.ShipToCity = "Vancouver";
        r.ShipToState = "WA";
        r.ShipToZip = "98660";
        r.ShipToContact = "Sam Ortiz";
        r.ShipVia = "Truck";
        r.FOB = "Destination";
        r.Terms = "Net 30";
        r.ShipToInstructions = "Call before delivery";
        r.DefaultJob = "J100";
    });
    addRow("1042", 5002, [](POPrint& r) {
        r.ShipToAddress1 = "1 Dock St";  // an address without a name shows nothing
        r.DefaultJob = "J999";
    });
    const auto run = print();
    ASSERT_EQ(run.document.pages.size(), 2u);
    const Page& page = run.document.pages[0];
    EXPECT_EQ(wrongTexts(page, {"PURCHASE ORDER", "NUMBER: 1041", "6/30/26", "07/15/26", "77 Harbor Way",
                                "Salem, OR 97301", "503-555-0142", "503-555-0143", "Riverside Clinic site", "Gate 3",
                                "Vancouver, WA 98660", "Sam Ortiz", "Dana Lee", "Truck", "Destination", "Net 30",
                                "Call before delivery", "J100", "Riverside Clinic"}),
              "");
    // No second address and no fax: first address, city line, telephone, blank.
    EXPECT_EQ(companyBlock(page), (std::vector<std::string>{"Columbia Ridge Builders", "4410 Mill Plain Blvd",
                                                            "Vancouver, WA  98661", "360-555-0100"}));
    // "Smith; John" over the vendor's address and over the vendor's signature line.
    EXPECT_EQ(count(page, "John Smith"), 2);
    EXPECT_EQ(count(page, "Columbia Ridge Builders"), 2);
    EXPECT_EQ(count(page, "By_________________________________  Date_____________"), 2);
    EXPECT_FALSE(has(page, "VENDOR CAT.#")) << "no line has a catalog number";

    EXPECT_EQ(wrongTexts(run.document.pages[1], {"Job Not Found", "J999"}), "");
    EXPECT_FALSE(has(run.document.pages[1], "1 Dock St"));
}

TEST_F(StandardFormTest, BlankCompanyLinesAreLeftOutAndTheFaxFollowsThePhone) {
    changeSystems("CompanyAddress1 = '', CompanyAddress2 = 'PO Box 8214', CompanyCity = '', "
                  "CompanyFax = '360-555-0101'");
    addRow("1041", 5001);
    const auto run = print();
    ASSERT_EQ(run.document.pages.size(), 1u);
    EXPECT_EQ(companyBlock(run.document.pages[0]),
              (std::vector<std::string>{"Columbia Ridge Builders", "PO Box 8214", "WA  98661",
                                        "360-555-0100  FAX360-555-0101"}));
}

TEST_F(StandardFormTest, ACatalogNumberOnTheTwentyEighthLinePromptsEveryPageOfItsOrder) {
    addRow("1041", 5001);
    for (int n = 1; n <= 28; ++n) addItem(5001, "I" + std::to_string(n), true, n == 28 ? "CAT-77" : "");
    addRow("1042", 5002);
    addItem(5002, "X1");
    const auto run = print();
    ASSERT_EQ(run.document.pages.size(), 3u);
    EXPECT_EQ(run.lines, 29);
    const Page &first = run.document.pages[0], &second = run.document.pages[1];
    EXPECT_EQ(wrongTexts(first, {"I27", "VENDOR CAT.#", "NUMBER: 1041"}), "");
    EXPECT_LE(findText(first, "I27")->box.y + findText(first, "I27")->box.h, kBodyBottom);
    EXPECT_FALSE(has(first, "I28"));
    EXPECT_EQ(wrongTexts(second, {"I28", "CAT-77", "VENDOR CAT.#", "NUMBER: 1041"}), "");
    EXPECT_FALSE(has(run.document.pages[2], "VENDOR CAT.#")) << "the next order has no catalog numbers";
}

TEST_F(StandardFormTest, TwentySevenLinesFillOnePageAndTheLastCountsInTheTax) {
    addRow("1041", 5001, [](POPrint& r) {
        r.TaxRate = 10;
        r.PreTaxAmount = money("270.00");
        r.POAmount = money("297.00");
    });
    for (int n = 1; n <= 27; ++n) addItem(5001, "I" + std::to_string(n));
    const auto run = print();
    ASSERT_EQ(run.document.pages.size(), 1u);
    EXPECT_EQ(wrongTexts(run.document.pages[0],
                         {"I27", "Subtotal:", "270.00", "Tax (10.000%):", "27.00", "TOTAL SUM OF", "297.00"}),
              "");
}

TEST_F(StandardFormTest, TaxLinesShowOnlyWhenTaxableLinesAndARateMakeTax) {
    addRow("1", 5001, [](POPrint& r) {
        r.TaxRate = 8.25;
        r.POAmount = money("10.00");
    });
    addItem(5001, "A", false);
    addRow("2", 5002, [](POPrint& r) { r.POAmount = money("10.00"); });
    addItem(5002, "B", true);
    addRow("3", 5003, [](POPrint& r) {
        r.TaxRate = 8.25;
        r.PreTaxAmount = money("110.00");
        r.POAmount = money("118.25");
    });
    addItem(5003, "C", true, "", "100.00");
    addItem(5003, "D", false);
    const auto run = print();
    ASSERT_EQ(run.document.pages.size(), 3u);
    for (int p : {0, 1}) {
        const Page& page = run.document.pages[static_cast<std::size_t>(p)];
        EXPECT_FALSE(has(page, "Subtotal:")) << p;
        EXPECT_TRUE(has(page, "TOTAL SUM OF")) << p;
        EXPECT_EQ(count(page, "10.00"), 2) << p << ": the line's amount and the order's total";
    }
    EXPECT_EQ(wrongTexts(run.document.pages[2], {"Subtotal:", "110.00", "Tax (8.250%):", "8.25", "118.25"}), "");
}

TEST_F(StandardFormTest, DualTaxShowsTheTaxesAnOrderHas) {
    changeSystems("CanadianTax = 1");
    addRow("1", 5001, [](POPrint& r) {
        r.TaxRate = 5;  // a rate alone makes no line in this mode
        r.POAmount = money("10.00");
    });
    addItem(5001, "A");
    addRow("2", 5002, [](POPrint& r) {
        r.PreTaxAmount = money("100.00");
        r.DiscountAmount = money("5.00");
    });
    addRow("3", 5003, [](POPrint& r) {
        r.PreTaxAmount = money("100.00");
        r.DiscountAmount = money("5.00");
        r.OtherCharges = money("7.00");
        r.CheckNo = "BC";
    });
    const auto run = print();
    ASSERT_EQ(run.document.pages.size(), 3u);
    const Page &p1 = run.document.pages[0], &p2 = run.document.pages[1], &p3 = run.document.pages[2];
    EXPECT_EQ(wrongTexts(p1, {"Subtotal:", "GST:"}, false), "");
    EXPECT_TRUE(has(p1, "TOTAL SUM OF"));
    EXPECT_EQ(wrongTexts(p2, {"Subtotal:", "100.00", "GST:", "5.00"}), "");
    EXPECT_FALSE(has(p2, "PST ():"));
    EXPECT_EQ(wrongTexts(p3, {"GST:", "PST (BC):", "7.00"}), "");
    EXPECT_GT(findText(p3, "PST (BC):")->box.y, findText(p3, "GST:")->box.y);
}

TEST_F(StandardFormTest, ALongTextGoesOnOverThePageBreakInOrder) {
    addRow("1041", 5001);
    for (int n = 1; n <= 25; ++n) addItem(5001, "I" + std::to_string(n));
    std::string text;
    for (int w = 1; w <= 120; ++w) text += "word" + std::to_string(w) + " ";
    addText(5001, text);
    addItem(5001, "AFTER");
    const auto run = print();
    ASSERT_EQ(run.document.pages.size(), 2u);
    std::vector<const report::TextItem*> parts;
    for (const Page& page : run.document.pages)
        for (const auto& item : page.items)
            if (auto* t = std::get_if<report::TextItem>(&item); t && t->font.family == "Times New Roman")
                parts.push_back(t);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_TRUE(parts[0]->wrap);
    EXPECT_LE(parts[0]->box.y + parts[0]->box.h, kBodyBottom);
    EXPECT_GT(parts[0]->box.y + parts[0]->box.h, kBodyBottom - 200) << "the first part fills the first page";
    std::istringstream words(parts[0]->text + "\n" + parts[1]->text);
    std::string word;
    int n = 0;
    while (words >> word) EXPECT_EQ(word, "word" + std::to_string(++n));
    EXPECT_EQ(n, 120);
    const auto* after = findText(run.document.pages[1], "AFTER");
    ASSERT_NE(after, nullptr);
    EXPECT_GE(after->box.y, parts[1]->box.y + parts[1]->box.h);
}

TEST_F(StandardFormTest, EachOrderStartsANewPageAndTheProgressMayStopTheRun) {
    addRow("1041", 5001);
    addItem(5001, "A");
    addRow("1042", 5002);
    addItem(5002, "B");
    std::vector<std::pair<int, int>> calls;
    auto run = print([&](int done, int total) {
        calls.emplace_back(done, total);
        return true;
    });
    EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}}));
    ASSERT_EQ(run.document.pages.size(), 2u);
    EXPECT_EQ(wrongTexts(run.document.pages[0], {"NUMBER: 1041", "A"}), "");
    EXPECT_EQ(wrongTexts(run.document.pages[1], {"NUMBER: 1042", "B"}), "");
    EXPECT_FALSE(has(run.document.pages[0], "B"));
    EXPECT_EQ(run.pdfFileName, s.folder + "/Purchase Orders.pdf");
    EXPECT_EQ(run.emailVendorID, 0u) << "no single order to e-mail";
    EXPECT_EQ(run.emailSubject, "Purchase Order from Columbia Ridge Builders");
    EXPECT_TRUE(run.nothingToPrint.empty());

    run = print([](int, int) { return false; });
    EXPECT_TRUE(run.cancelled);
    EXPECT_EQ(run.document.pages.size(), 1u);
}

TEST_F(StandardFormTest, NothingToPrintSaysHowManyOrdersTheLimitsLeftOut) {
    POPrint other;  // another user's row is not this user's to print
    other.UserID = "ABC";
    ASSERT_TRUE(store::Table<POPrint>(s.store()).insert(other));
    for (const char* reason : {"The primary file has no records!", "Your Limits have excluded the one record!",
                               "Your Limits have excluded both records!", "Your Limits have excluded all 3 records!"}) {
        const auto run = print();
        EXPECT_TRUE(run.document.empty());
        EXPECT_EQ(run.nothingToPrint, reason);
        EXPECT_TRUE(run.pdfFileName.empty());
        POMaster po;
        ASSERT_TRUE(store::Table<POMaster>(s.store()).insert(po));
    }
}
