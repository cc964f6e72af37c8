// The purchase-order browse's list: which orders show, in what order, with
// which icon, open amount and colour; the locator; tagging and show modes.
#include <cstdio>

#include "browse_fixture.h"
#include "siblings/services/send_to.h"

using namespace vtl;
using namespace vtl::test;
using ent::BrowseIcon;
using ent::BrowsePOMaster;

TEST_F(BrowseTest, OpenOrdersShowByNumberAndFullyReconciledOnesOnlyWhenAsked) {
    addOrder("1003", 7);
    POMaster closed = addOrder("1001", 1042, 2);
    addOrder("1002", 1042, 1);
    BrowsePOMaster b(*s);
    b.open();
    EXPECT_EQ(shownNumbers(b), (std::vector<std::string>{"1002", "1003"}));
    EXPECT_EQ(b.row(0).vendorName, "Cascade Lumber");
    EXPECT_EQ(b.row(0).vendorId, "1042");
    EXPECT_EQ(b.row(0).issueDate, "6/01/26");
    EXPECT_EQ(b.row(0).amount, "100.00");

    b.setShowFullyReconciled(true);
    EXPECT_EQ(b.rowCount(), 3);
    ASSERT_TRUE(b.highlightPOID(closed.POID));
    auto r = b.row(b.highlighted());
    EXPECT_TRUE(r.grey);
    EXPECT_EQ(r.icon, BrowseIcon::Full);
    EXPECT_FALSE(b.row(0).grey && b.row(1).grey && b.row(2).grey);
}

TEST_F(BrowseTest, RemainingIsNeverNegativeUnlessAsked) {
    POMaster po = addOrder("1001", 7, 1, "100.00");
    po.AmountReconciled = *Money::parse("120.50");
    ASSERT_TRUE(store::Table<POMaster>(s.store()).update(po));
    BrowsePOMaster b(*s);
    b.open();
    EXPECT_EQ(b.row(0).remaining, "0.00");
    b.setNegativeRemaining(true);
    EXPECT_EQ(b.row(0).remaining, "-20.50");
}

TEST_F(BrowseTest, PackingSlipsTurnTheIconGreenAndThePassMendsTheFlagOfPartialOrders) {
    POMaster part = addOrder("1001", 7);
    addNailLine(part, "4", "1");
    addNailLine(part, "2", "0");
    POMaster full = addOrder("1002", 7);
    addNailLine(full, "4", "4");
    POMaster none = addOrder("1003", 7);
    addNailLine(none, "4");
    POMaster wrong = addOrder("1004", 7, 1);
    wrong.RecTF = 1;  // a partial order carrying the fully-reconciled flag
    ASSERT_TRUE(store::Table<POMaster>(s.store()).update(wrong));

    BrowsePOMaster b(*s);
    b.open();
    EXPECT_EQ(b.row(0).icon, BrowseIcon::PartialGreen);
    EXPECT_EQ(b.row(1).icon, BrowseIcon::FullGreen);
    EXPECT_EQ(b.row(2).icon, BrowseIcon::CheckOff);
    EXPECT_EQ(b.row(3).icon, BrowseIcon::Partial);
    EXPECT_EQ(order(wrong.POID).RecTF, 0);
    EXPECT_EQ(b.packingSlips().at(part.POID).first.toString(), "4.0000");  // only the received line's order
}

TEST_F(BrowseTest, PackingSlipsSumOnlyTheReceivedLinesOfUnreconciledOrders) {
    POMaster two = addOrder("1001", 7);
    addNailLine(two, "4", "1");
    addNailLine(two, "6", "0");
    addNailLine(two, "3", "2.5");
    POMaster partial = addOrder("1002", 7, 1);
    addNailLine(partial, "4", "1");
    POMaster full = addOrder("1003", 7, 2);
    addNailLine(full, "4", "4");
    POMaster alone = addOrder("1004", 7);
    addNailLine(alone, "5", "5");

    BrowsePOMaster b(*s);
    b.open();
    ASSERT_EQ(b.packingSlips().size(), 2u);
    EXPECT_EQ(b.packingSlips().at(two.POID).first.toString(), "7.0000");
    EXPECT_EQ(b.packingSlips().at(two.POID).second.toString(), "3.5000");
    EXPECT_EQ(b.packingSlips().at(alone.POID).first.toString(), "5.0000");
    EXPECT_EQ(b.packingSlips().at(alone.POID).second.toString(), "5.0000");
    EXPECT_EQ(b.packingSlips().count(partial.POID), 0u);
    EXPECT_EQ(b.packingSlips().count(full.POID), 0u);
    // Opening again gives the same summary, not twice the sums.
    b.open();
    EXPECT_EQ(b.packingSlips().at(two.POID).second.toString(), "3.5000");
}

TEST_F(BrowseTest, TheLocatorFindsTheFirstNumberStartingWithTheTypedText) {
    for (const char* n : {"A-100", "a-200", "B-1", "C-9"}) addOrder(n, 7);
    BrowsePOMaster b(*s);
    b.open();
    b.locate("b");
    EXPECT_EQ(b.row(b.highlighted()).poNumber, "B-1");
    b.locate("A-2");
    EXPECT_EQ(b.row(b.highlighted()).poNumber, "a-200");
    b.locate("Z");  // nothing starts so: the highlight stays
    EXPECT_EQ(b.row(b.highlighted()).poNumber, "a-200");
}

TEST_F(BrowseTest, TaggingAndTheShowModes) {
    std::vector<ULong> ids;
    for (const char* n : {"1001", "1002", "1003", "1004"}) ids.push_back(addOrder(n, 7).POID);
    addOrder("0999", 7, 2);
    BrowsePOMaster b(*s);
    b.open();
    b.highlight(1);
    b.tag();
    EXPECT_TRUE(b.row(1).tagged);
    EXPECT_EQ(b.row(1).tag, "*");
    EXPECT_EQ(b.highlighted(), 1);

    b.cycleShowMode();
    EXPECT_EQ(b.showModeCaption(), "Showing Tagged");
    EXPECT_EQ(shownNumbers(b), (std::vector<std::string>{"1002"}));
    b.cycleShowMode();
    EXPECT_EQ(b.showModeCaption(), "Showing UnTagged");
    EXPECT_EQ(shownNumbers(b), (std::vector<std::string>{"1001", "1003", "1004"}));
    b.cycleShowMode();
    EXPECT_EQ(b.showModeCaption(), "Show All");

    b.reverseTags();
    EXPECT_EQ(s.globals.TagQue.snapshot(), (std::vector<ULong>{ids[0], ids[2], ids[3]}));
    b.tagAll();  // the record order's range: not the fully reconciled order
    EXPECT_EQ(s.globals.TagQue.size(), 4u);
    b.untagAll();
    EXPECT_TRUE(s.globals.TagQue.empty());
}

TEST_F(BrowseTest, SortingByAColumnKeepsTheHighlightedOrder) {
    POMaster a = addOrder("1001", 1042, 0, "50.00");
    addOrder("1002", 7, 0, "900.00");
    addOrder("1003", 1042, 0, "10.00");
    BrowsePOMaster b(*s);
    b.open();
    ASSERT_TRUE(b.highlightPOID(a.POID));
    b.sortBy(ent::BrowseColumn::VendorName);
    EXPECT_EQ(shownNumbers(b), (std::vector<std::string>{"1002", "1001", "1003"}));
    EXPECT_EQ(b.row(b.highlighted()).poid, a.POID);
    b.sortBy(ent::BrowseColumn::Amount, true);
    EXPECT_EQ(shownNumbers(b), (std::vector<std::string>{"1002", "1001", "1003"}));
    b.sortBy(std::nullopt);
    EXPECT_EQ(shownNumbers(b), (std::vector<std::string>{"1001", "1002", "1003"}));
}

TEST_F(BrowseTest, TheListSavedAsCsvIsDataASpreadsheetReadsAtOnce) {
    addVendor(9, "Baker, Smith & \"Sons\"");
    addOrder("1001", 9, 0, "2793.59");
    addOrder("1002", 7, kPartiallyReconciled, "12500.00");
    BrowsePOMaster browse(*s);
    browse.open();
    const std::string path = s.folder + "/list.csv";
    s.views.set<services::SendToWindow>([&](services::SendToWindow& w) { EXPECT_TRUE(w.toCsvFile(path)); });
    s.ui.expectTell("The list was saved to|" + path, "Send List Contents To...", ui::Icon::Information);
    browse.sendTo();

    // Read back with Python's csv module, as a spreadsheet would.
    const std::string script = "import csv,json,sys; print(json.dumps(list(csv.reader(open(sys.argv[1], newline='')))))";
    FILE* p = ::popen(("/usr/bin/python3 -c \"" + script + "\" " + path).c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string json;
    char buf[4096];
    while (std::size_t n = std::fread(buf, 1, sizeof buf, p)) json.append(buf, n);
    ASSERT_EQ(::pclose(p), 0) << json;
    EXPECT_EQ(json,
              "[[\"Tagged\", \"Status\", \"PO Number\", \"Vendor ID\", \"Vendor Name\", \"Issue Date\", \"Job\", "
              "\"Amount\", \"Remaining\"], "
              "[\"No\", \"Open\", \"1001\", \"9\", \"Baker, Smith & \\\"Sons\\\"\", \"2026-06-01\", \"\", "
              "\"2793.59\", \"2793.59\"], "
              "[\"No\", \"Partial with Invoice\", \"1002\", \"7\", \"Acme Supply\", \"2026-06-01\", \"\", "
              "\"12500.00\", \"12500.00\"]]\n");
}
