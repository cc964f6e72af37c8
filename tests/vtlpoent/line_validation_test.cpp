// The line form's charge fields: each unknown value is refused with its
// message and leaves the field as it was; OK asks for what the type needs.
#include <tuple>

#include "line_fixture.h"
#include "siblings/lookups/lookups.h"
#include "vtlpoent/line/line_checks.h"

using namespace vtl;
using namespace vtl::test;
using ent::UpdatePODetail;
using suite::Request;
using ui::Icon;

namespace {
const char* kInvalid = "Invalid Entry";
}

TEST_F(LineTest, JobLineRefusesUnknownJobAndCostCode) {
    request(Request::Insert, po.POID);
    UpdatePODetail f(*s);
    ASSERT_TRUE(f.open());
    EXPECT_EQ(f.line().DetailType, "Job");
    s.ui.expectTell("Job J999 was not found.", kInvalid, Icon::Warning);
    EXPECT_FALSE(f.setJob("J999"));
    EXPECT_TRUE(f.line().JobID.blank());
    s.ui.expectTell("Enter the job before its cost code.", kInvalid, Icon::Warning);
    EXPECT_FALSE(f.setCostCode("010100", "LAB"));
    ASSERT_TRUE(f.setJob("J100"));
    s.ui.expectTell("Cost code 010100 MAT was not found on job J100.", kInvalid, Icon::Warning);
    EXPECT_FALSE(f.setCostCode("010100", "MAT"));
    EXPECT_TRUE(f.line().CostCode.blank());
    ASSERT_TRUE(f.setCostCode("010100", "LAB"));
    EXPECT_EQ(f.line().CostCode.str(), "010100LAB ");
    EXPECT_EQ(f.costCodeProper(), "010100");
    EXPECT_EQ(f.costType(), "LAB");
}

TEST_F(LineTest, CostCodeFollowsTheSuiteCostCodeLength) {
    s.globals.CostCodeLen = 4;
    addCostCode("0101MAT ", "0", "0");
    request(Request::Insert, po.POID);
    UpdatePODetail f(*s);
    ASSERT_TRUE(f.open());
    ASSERT_TRUE(f.setJob("J100"));
    ASSERT_TRUE(f.setCostCode("010199", "MAT"));  // cut to four characters
    EXPECT_EQ(f.line().CostCode.str(), "0101MAT ");
    EXPECT_EQ(f.costCodeProper(), "0101");
}

TEST_F(LineTest, AccountAndEquipmentAreCheckedAgainstTheirFiles) {
    request(Request::Insert, po.POID);
    UpdatePODetail f(*s);
    ASSERT_TRUE(f.open());
    s.ui.expectTell(ent::detailTypeMessage(), kInvalid, Icon::Warning);
    EXPECT_FALSE(f.setDetailType("Labour"));
    ASSERT_TRUE(f.setDetailType("G/L Account"));
    s.ui.expectTell("G/L account 9999 was not found.", kInvalid, Icon::Warning);
    EXPECT_FALSE(f.setAccount("9999"));
    EXPECT_TRUE(f.setAccount("5000-00"));

    ASSERT_TRUE(f.setDetailType("Equipment"));
    EXPECT_TRUE(f.line().Account.blank());  // the other type's charge goes
    s.ui.expectTell("Equipment EQ9 was not found.", kInvalid, Icon::Warning);
    EXPECT_FALSE(f.setEquipment("EQ9"));
    ASSERT_TRUE(f.setEquipment("EQ1"));
    s.ui.expectTell("Cost category TIRES was not found on equipment EQ1.", kInvalid, Icon::Warning);
    EXPECT_FALSE(f.setCostCategory("TIRES"));
    EXPECT_TRUE(f.setCostCategory("FUEL"));
}

TEST_F(LineTest, InventoryItemBringsTheOrderVendorsPriceAndChecksUnitAndPlace) {
    request(Request::Insert, po.POID);
    UpdatePODetail f(*s);
    ASSERT_TRUE(f.open());
    ASSERT_TRUE(f.setDetailType("Inventory"));
    s.ui.expectTell("Item BOLT was not found in inventory.", kInvalid, Icon::Warning);
    EXPECT_FALSE(f.setItem("BOLT"));
    ASSERT_TRUE(f.setItem("NAIL"));
    EXPECT_EQ(f.line().Description, "Common nail 3in");
    EXPECT_EQ(f.line().VendorCatalogID, "N-7");  // Acme's, the order's vendor
    EXPECT_EQ(f.line().UnitName, "BOX");
    EXPECT_EQ(f.line().ConversionID, boxConversion);
    EXPECT_DOUBLE_EQ(f.line().UnitPrice, 30.0);
    s.ui.expectTell("Item NAIL has no conversion from CASE to its stocking unit EA.", kInvalid, Icon::Warning);
    EXPECT_FALSE(f.setUnit("CASE"));
    EXPECT_EQ(f.line().UnitName, "BOX");
    ASSERT_TRUE(f.setUnit("EA"));
    EXPECT_EQ(f.line().ConversionID, 0u);
    s.ui.expectTell("Enter the location before its bin.", kInvalid, Icon::Warning);
    EXPECT_FALSE(f.setBin("A1"));
    s.ui.expectTell("Location YARD was not found.", kInvalid, Icon::Warning);
    EXPECT_FALSE(f.setLocation("YARD"));
    ASSERT_TRUE(f.setLocation("MAIN"));
    s.ui.expectTell("Bin Z9 was not found in location MAIN.", kInvalid, Icon::Warning);
    EXPECT_FALSE(f.setBin("Z9"));
    EXPECT_TRUE(f.setBin("A1"));
}

TEST_F(LineTest, OkAsksForWhatTheTypeNeedsAndWritesNothingUntilThen) {
    request(Request::Insert, po.POID);
    UpdatePODetail f(*s);
    ASSERT_TRUE(f.open());
    s.ui.expectTell("Enter the job this line is charged to.", kInvalid, Icon::Warning);
    EXPECT_FALSE(f.ok());
    ASSERT_TRUE(f.setJob("J100"));
    s.ui.expectTell("Enter the cost code of the line.", kInvalid, Icon::Warning);
    EXPECT_FALSE(f.ok());
    ASSERT_TRUE(f.setDetailType("Inventory"));
    s.ui.expectTell("Enter the inventory item of the line.", kInvalid, Icon::Warning);
    EXPECT_FALSE(f.ok());
    EXPECT_EQ(lineCount(), 0);
    EXPECT_FALSE(f.done());
    EXPECT_EQ(s.globals.GlobalResponse, suite::Response::None);
}

TEST_F(LineTest, LookupsFillTheFieldsTheyAnswer) {
    addCostCode("020200MAT ", "0", "0");
    request(Request::Insert, po.POID);
    UpdatePODetail f(*s);
    ASSERT_TRUE(f.open());
    s.ui.expectLookup(siblings::titles::kJob).choose("J100");
    ASSERT_TRUE(f.lookupJob());
    s.ui.expectLookup(siblings::titles::kCostCode).choose("J100      020200    MAT");
    ASSERT_TRUE(f.lookupCostCode());
    EXPECT_EQ(f.costCodeProper(), "020200");
    EXPECT_EQ(f.costType(), "MAT");
    s.ui.expectLookup(siblings::titles::kJob).cancel();
    EXPECT_FALSE(f.lookupJob());
    EXPECT_EQ(f.line().JobID, "J100");

    ASSERT_TRUE(f.setDetailType("Inventory"));
    s.ui.expectLookup(siblings::titles::kItem).choose("NAIL");
    ASSERT_TRUE(f.lookupItem());
    EXPECT_DOUBLE_EQ(f.line().UnitPrice, 30.0);
    s.ui.expectLookup(siblings::titles::kLocation).choose("MAIN");
    ASSERT_TRUE(f.lookupLocation());
    s.ui.expectLookup(siblings::titles::kBin).choose("A1");
    ASSERT_TRUE(f.lookupBin());
    EXPECT_EQ(f.line().BinID, "A1");
}

// No new money for a job closed in Setup; an inactive one only when the
// clerk says so, with the texts the form uses for its default job.
TEST_F(LineTest, AClosedJobIsRefusedAndAnInactiveOneAsked) {
    for (auto [id, active, closed] : {std::tuple{"J300", 1, 1}, std::tuple{"J400", 0, 0}}) {
        JCHeader j;
        j.JobID = id;
        j.Active = static_cast<Byte>(active);
        j.Closed = static_cast<Byte>(closed);
        ASSERT_TRUE(store::Table<JCHeader>(s.store()).insert(j));
    }
    request(Request::Insert, po.POID);
    UpdatePODetail f(*s);
    ASSERT_TRUE(f.open());
    s.ui.expectTell("Job J300 is closed to new transactions, please select a different Job ID.", "Job is Closed",
                    Icon::Exclamation);
    EXPECT_FALSE(f.setJob("J300"));
    EXPECT_EQ(f.line().JobID, "");
    const char* inactive = "Job J400 has been marked 'Inactive', are you sure you want to assign this invoice to this job";
    s.ui.expectAsk(inactive, "Assign to Inactive Job?", "&Yes|&No", Icon::Question).answer(2);
    EXPECT_FALSE(f.setJob("J400"));
    s.ui.expectAsk(inactive, "Assign to Inactive Job?", "&Yes|&No", Icon::Question).answer(1);
    EXPECT_TRUE(f.setJob("J400"));
    EXPECT_EQ(f.line().JobID, "J400");

    // A line whose job closed after it was chosen is refused at OK.
    ASSERT_TRUE(f.setJob("J100"));
    ASSERT_TRUE(f.setCostCode("010100", "LAB"));
    f.setQuantity(Quantity(1));
    f.setUnitPrice(10);
    JCHeader j100;
    j100.JobID = "J100";
    ASSERT_TRUE(store::Table<JCHeader>(s.store()).fetch(JCHeader::KeyJobID, j100));
    j100.Closed = 1;
    ASSERT_TRUE(store::Table<JCHeader>(s.store()).update(j100));
    s.ui.expectTell("Job J100 is closed to new transactions, please select a different Job ID.", "Job is Closed",
                    Icon::Exclamation);
    EXPECT_FALSE(f.ok());
    EXPECT_EQ(lineCount(), 0);
}

// 60 of 100 received and 20 invoiced: the line may not order fewer than 80.
TEST_F(LineTest, TheQuantityMayNotGoBelowWhatWasReceivedOrInvoiced) {
    PODetail d = addLine(1, "Inventory");
    d.ItemID = "NAIL";
    d.UnitName = "EA";
    d.QtyOrdered = Quantity(100);
    d.QtyRcvdNotInvoiced = Quantity(55);
    d.QtyThisPackSlip = Quantity(5);
    d.QtyInvoiced = Quantity(20);
    held.back() = d;
    request(Request::Change, d.DetailID);
    UpdatePODetail f(*s);
    ASSERT_TRUE(f.open());
    f.setQuantity(Quantity(50));
    s.ui.expectTell("This line has 80 units received or invoiced.|The quantity ordered cannot be less than that.",
                    UpdatePODetail::kBelowReceivedTitle, Icon::Warning);
    EXPECT_FALSE(f.ok());
    EXPECT_FALSE(f.done());
    EXPECT_EQ(stored(d.DetailID).QtyOrdered, Quantity(100));
    f.setQuantity(Quantity(80));
    EXPECT_TRUE(f.ok());
    EXPECT_EQ(stored(d.DetailID).QtyOrdered, Quantity(80));
}
