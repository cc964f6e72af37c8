// The line form's charge fields: each unknown value is refused with its
// message and leaves the field as it was; OK asks for what the type needs.
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
