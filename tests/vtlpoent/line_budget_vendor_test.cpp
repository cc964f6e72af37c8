// The over-budget question, the list of vendors with better prices, the
// vendor a line form proposes for the order, and the two small dialogs.
#include "line_fixture.h"
#include "vtlpoent/dialogs/enter_ship_to_address.h"
#include "vtlpoent/dialogs/toggle_easy_auto_entry.h"
#include "vtlpoent/line/over_budget.h"
#include "vtlpoent/line/priority_vendors.h"

using namespace vtl;
using namespace vtl::test;
using ent::UpdatePODetail;
using suite::Request;
using suite::Response;
using ui::Icon;

namespace {

std::string overBudgetText(const char* committed) {
    return std::string("This line takes cost code 010100 LAB of job J100 over its budget.|Budget: 1,000.00|"
                       "Committed with this line: ") +
           committed + "||Do you want to save the line anyway?";
}

}  // namespace

class BudgetTest : public LineTest {
protected:
    // A job line on the budgeted code (budget 1,000.00, committed 900.00).
    void fill(UpdatePODetail& f, const char* qty, double price) {
        ASSERT_TRUE(f.setJob("J100"));
        ASSERT_TRUE(f.setCostCode("010100", "LAB"));
        f.setQuantity(*Quantity::parse(qty));
        f.setUnitPrice(price);
    }
};

TEST_F(BudgetTest, OverBudgetLineIsSavedOnlyOnYes) {
    request(Request::Insert, po.POID);
    UpdatePODetail f(*s);
    ASSERT_TRUE(f.open());
    fill(f, "2", 60);
    s.ui.expectAsk(overBudgetText("1,020.00"), "Over Budget Warning", "&Yes|&No", Icon::Warning).answer(2);
    EXPECT_FALSE(f.ok());
    EXPECT_EQ(lineCount(), 0);
    s.ui.expectAsk(overBudgetText("1,020.00"), "Over Budget Warning", "&Yes|&No", Icon::Warning).answer(0);
    EXPECT_FALSE(f.ok());  // closing the question is No
    s.ui.expectAsk(overBudgetText("1,020.00"), "Over Budget Warning", "&Yes|&No", Icon::Warning).answer(1);
    ASSERT_TRUE(f.ok());
    EXPECT_EQ(stored(f.line().DetailID).CommittedPrice.toString(), "120.00");
}

TEST_F(BudgetTest, WithinBudgetOrWithoutABudgetNothingIsAsked) {
    request(Request::Insert, po.POID);
    UpdatePODetail a(*s);
    ASSERT_TRUE(a.open());
    fill(a, "1", 100);  // exactly the budget
    EXPECT_TRUE(a.ok());

    addCostCode("020200LAB ", "0", "5000.00");
    request(Request::Insert, po.POID);
    UpdatePODetail b(*s);
    ASSERT_TRUE(b.open());
    ASSERT_TRUE(b.setJob("J100"));
    ASSERT_TRUE(b.setCostCode("020200", "LAB"));
    b.setQuantity(Quantity(10));
    b.setUnitPrice(1000);
    EXPECT_TRUE(b.ok());
}

TEST_F(BudgetTest, ChangingALineCountsOnlyWhatItAdds) {
    // The stored line's 80.00 is part of the 900.00 already committed.
    PODetail d;
    d.POID = po.POID;
    d.DetailType = "Job";
    d.JobID = "J100";
    d.CostCode = "010100LAB ";
    d.QtyOrdered = Quantity(1);
    d.UnitPrice = 80;
    d.TotalAmount = Money(80);
    hold(d);
    request(Request::Change, d.DetailID);
    UpdatePODetail f(*s);
    ASSERT_TRUE(f.open());
    f.setUnitPrice(190);
    s.ui.expectAsk(overBudgetText("1,010.00"), "Over Budget Warning", "&Yes|&No", Icon::Warning).answer(2);
    EXPECT_FALSE(f.ok());
    f.setUnitPrice(180);  // 900 - 80 + 180 = 1,000.00
    EXPECT_TRUE(f.ok());
}

TEST_F(BudgetTest, ByNameAnswersWhetherTheStoredLineMayStand) {
    PODetail d;
    d.POID = po.POID;
    d.DetailType = "Job";
    d.JobID = "J100";
    d.CostCode = "010100LAB ";
    d.QtyOrdered = Quantity(3);
    d.UnitPrice = 50;
    d.TotalAmount = Money(150);
    ASSERT_TRUE(store::Table<PODetail>(s.store()).insert(d));
    s.globals.DecimalVariable = d.DetailID;
    s.ui.expectAsk(overBudgetText("1,050.00"), "Over Budget Warning", "&Yes|&No", Icon::Warning).answer(2);
    s->call("OverBudgetWarning");
    EXPECT_EQ(s.globals.GlobalResponse, Response::Cancelled);
    s.ui.expectAsk(overBudgetText("1,050.00"), "Over Budget Warning", "&Yes|&No", Icon::Warning).answer(1);
    s->call("OverBudgetWarning");
    EXPECT_EQ(s.globals.GlobalResponse, Response::Completed);
}

TEST_F(LineTest, PriorityListHoldsOnlyOtherVendorsWithBetterPricesCheapestFirst) {
    PODetail line;
    line.ItemID = "NAIL";
    line.UnitPrice = 30;
    auto better = ent::betterVendors(s.store(), "NAIL", 7, 30);
    std::vector<ULong> vendors;
    for (const auto& iv : better) vendors.push_back(iv.VendorID);
    EXPECT_EQ(vendors, (std::vector<ULong>{9, 1042}));  // not Acme itself, not Dear Nails at 31
    EXPECT_EQ(ent::betterVendors(s.store(), "NAIL", 7, 28).size(), 1u);  // an equal price is not better

    s.ui.expectLookup(ent::kPriorityVendorsTitle)
        .inspect([](const ui::LookupSpec&, const std::vector<ui::LookupRow>& rows) {
            ASSERT_EQ(rows.size(), 2u);
            EXPECT_EQ(rows[0].cells[1], "Bargain Bolts");
            EXPECT_EQ(rows[1].cells[1], "Cascade Lumber");
        })
        .cancel();
    EXPECT_FALSE(ent::browsePriorityQ(*s, line, 7));

    line.UnitPrice = 25;
    s.ui.expectTell("No other vendor sells item NAIL for less than this line's price.", ent::kPriorityVendorsTitle);
    EXPECT_FALSE(ent::browsePriorityQ(*s, line, 7));
}

TEST_F(LineTest, ChosenVendorIsProposedWithTheDetailIdOfItsLine) {
    addLine(1);
    request(Request::Insert, po.POID);
    UpdatePODetail f(*s);
    ASSERT_TRUE(f.open());
    ASSERT_TRUE(f.setDetailType("Inventory"));
    ASSERT_TRUE(f.setItem("NAIL"));
    f.setQuantity(Quantity(2));
    s.ui.expectLookup(ent::kPriorityVendorsTitle).choose(std::to_string(bargainPrice));
    ASSERT_TRUE(f.choosePriorityVendor());
    EXPECT_DOUBLE_EQ(f.line().UnitPrice, 25.0);
    EXPECT_EQ(f.line().VendorCatalogID, "N-9");
    EXPECT_EQ(f.line().TotalAmount.toString(), "50.00");
    // Nothing is proposed before the line exists.
    EXPECT_FALSE(ent::lineFormShared(s.module).hasPendingVendor());
    ASSERT_TRUE(f.ok());
    auto& shared = ent::lineFormShared(s.module);
    EXPECT_EQ(shared.pendingVendorID, 9u);
    EXPECT_EQ(shared.priceSkipDetailID, f.line().DetailID);
    EXPECT_EQ(static_cast<ULong>(s.globals.DecimalVariable), shared.priceSkipDetailID);
    EXPECT_EQ(shared.takePendingVendor(), 9u);
    EXPECT_FALSE(shared.hasPendingVendor());

    // Another line form that chooses no vendor leaves the values alone.
    const ULong first = f.line().DetailID;
    request(Request::Insert, po.POID);
    UpdatePODetail g(*s);
    ASSERT_TRUE(g.open());
    ASSERT_TRUE(g.setDetailType("G/L Account"));
    ASSERT_TRUE(g.setAccount("5000-00"));
    ASSERT_TRUE(g.ok());
    EXPECT_EQ(shared.priceSkipDetailID, first);
    EXPECT_EQ(shared.pendingVendorID, 0u);
}

TEST_F(LineTest, PriorityListByNameHandsBackTheVendor) {
    PODetail d;
    d.POID = po.POID;
    d.DetailType = "Inventory";
    d.ItemID = "NAIL";
    d.UnitPrice = 29;
    ASSERT_TRUE(store::Table<PODetail>(s.store()).insert(d));
    s.globals.DecimalVariable = d.DetailID;
    s.ui.expectLookup(ent::kPriorityVendorsTitle)
        .inspect([](const ui::LookupSpec&, const std::vector<ui::LookupRow>& rows) { EXPECT_EQ(rows.size(), 2u); })
        .choose(std::to_string(bargainPrice));
    s->call("BrowsePriorityQ");
    EXPECT_EQ(s.globals.GlobalResponse, Response::Completed);
    EXPECT_EQ(s.globals.DecimalVariable, 9.0);
    EXPECT_EQ(s.globals.LookupKey, std::to_string(bargainPrice));
}

TEST_F(LineTest, ToggleEasyAutoEntrySwitchesTheStoreAndSaysWhich) {
    s->call("ToggleEasyAutoEntryPO");  // registered without a store
    EXPECT_EQ(s.globals.GlobalResponse, Response::Cancelled);

    suite::AutoEntryStore autoEntry;
    const std::string file = s.dir.file("EasyAutoEntry.tps");
    ASSERT_TRUE(autoEntry.init(file));
    ent::registerLineProcedures(s.procedures, &autoEntry);
    ASSERT_TRUE(autoEntry.enabled());
    s.ui.expectTell(ent::ToggleEasyAutoEntryPO::message(false), "Easy Auto Entry");
    s->call("ToggleEasyAutoEntryPO");
    EXPECT_FALSE(autoEntry.enabled());
    suite::AutoEntryStore reread;
    ASSERT_TRUE(reread.init(file));
    EXPECT_FALSE(reread.enabled());  // kept in its file
    s.ui.expectTell(ent::ToggleEasyAutoEntryPO::message(true), "Easy Auto Entry");
    s->call("ToggleEasyAutoEntryPO");
    EXPECT_TRUE(autoEntry.enabled());
}

TEST(EnterShipToAddressTest, EditsTheOrdersAddressWithinItsWidths) {
    POMaster po;
    po.ShipToName = "Library Annex";
    po.ShipToCity = "Salem";
    auto a = ent::EnterShipToAddress::from(po);
    EXPECT_EQ(a.name, "Library Annex");
    a.setState("Oregon");
    a.setZip("97301-12345678");
    a.setContact("Dana");
    a.setAddress1(std::string(60, 'a'));
    a.ok();
    a.applyTo(po);
    EXPECT_EQ(po.ShipToState, "Or");
    EXPECT_EQ(po.ShipToZip, "97301-1234");
    EXPECT_EQ(po.ShipToContact, "Dana");
    EXPECT_EQ(po.ShipToAddress1.str().size(), 50u);
    EXPECT_EQ(po.ShipToCity, "Salem");
    EXPECT_TRUE(a.proceed);
}
