// Finding purchase orders by number, vendor number and vendor name, the
// pick list's hand-back and its shorter delete, and the procedures by name.
#include "browse_fixture.h"
#include "vtlpoent/procedures.h"
#include "vtlpoent/search/pick_po_master.h"
#include "vtlpoent/search/search_po_master.h"

using namespace vtl;
using namespace vtl::test;
using namespace vtl::ent;

TEST_F(BrowseTest, SearchFindsByNumberVendorAndLikenessOfTheName) {
    addOrder("A-100", 1042);
    addOrder("a-200", 7);
    POMaster closed = addOrder("A-300", 1042, 2);
    SearchPOMaster w(*s);
    w.setText("a-");
    std::vector<std::string> numbers;
    for (auto& f : w.find()) numbers.push_back(f.poNumber);
    EXPECT_EQ(numbers, (std::vector<std::string>{"A-100", "a-200"}));

    w.setBy(SearchBy::VendorID);
    w.setText("1042");
    EXPECT_EQ(w.find().size(), 1u);
    w.setShowFullyReconciled(true);
    EXPECT_EQ(w.find().size(), 2u);

    w.setBy(SearchBy::VendorName);
    w.setText("cascde lumbr");  // typing slips still find the vendor
    ASSERT_EQ(w.find().size(), 2u);
    EXPECT_EQ(w.found()[0].vendorName, "Cascade Lumber");
    w.setText("zzz");
    EXPECT_TRUE(w.find().empty());

    w.setText("cascade");
    w.find();
    std::size_t i = w.found()[0].poid == closed.POID ? 0 : 1;
    w.choose(i);
    EXPECT_EQ(s->module.chosenPOID, closed.POID);
    EXPECT_TRUE(s->module.showFullyReconciled);
}

TEST_F(BrowseTest, TheBrowseRepositionsOnTheOrderTheSearchChose) {
    addOrder("1001", 7);
    POMaster wanted = addOrder("1002", 7);
    s.procedures.set("SearchPOMaster", [&](Session& ss) { ss.module.chosenPOID = wanted.POID; });
    BrowsePOMaster b(*s);
    b.open();
    b.search();
    EXPECT_EQ(b.row(b.highlighted()).poid, wanted.POID);
}

TEST_F(BrowseTest, ThePickListHandsBackTheOrderAndDeletesWithItsShorterPosting) {
    POMaster a = addOrder("1001", 1042);
    addJobLine(a, "10", 25.0);
    addNailLine(a, "2", "1");
    post(a);
    addOrder("0900", 7);
    PickPOMaster p(*s);
    p.open();
    EXPECT_EQ(p.rows()[0].poNumber, "0900");
    p.setOrder(PickPOMaster::Order::ByVendorID);
    EXPECT_EQ(p.rows()[0].poNumber, "0900");
    p.locate("104");
    p.select();
    EXPECT_EQ(static_cast<ULong>(s.globals.DecimalVariable), a.POID);

    s.ui.expectAsk("Are you sure you want to delete the highlighted Purchase Order?", "Confirm Delete", "&Yes|&No",
                   ui::Icon::Warning)
        .answer(1);
    p.deleteHighlighted();
    EXPECT_FALSE(exists(a.POID));
    EXPECT_EQ(committed(), "0.00");
    EXPECT_EQ(onOrder(), "0.0000");  // the full open quantity, nothing received is undone
    EXPECT_EQ(p.rows().size(), 1u);
}

TEST_F(BrowseTest, TheBrowseRunsByNameThroughItsViewAndEmptiesTheTagsWhenItCloses) {
    registerEntryProcedures(s.procedures);
    addOrder("1001", 7);
    bool shown = false;
    s.views.set<BrowsePOMaster>([&](BrowsePOMaster& b) {
        shown = true;
        EXPECT_EQ(s.errors.procedure(), "BrowsePOMaster");
        b.tag();
        EXPECT_EQ(s.globals.TagQue.size(), 1u);
    });
    EXPECT_TRUE(s->call("BrowsePOMaster"));
    EXPECT_TRUE(shown);
    EXPECT_TRUE(s.globals.TagQue.empty());
}
