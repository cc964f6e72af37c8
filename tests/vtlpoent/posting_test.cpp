// Commitment and on-order posting against a real store: the running figures
// after saves, line deletes and order deletes, and failed writes.
#include <gtest/gtest.h>

#include "records/database.h"
#include "support/temp_dir.h"
#include "vtlpoent/posting.h"

using namespace vtl;
using namespace vtl::ent;

namespace {

class PostingTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto r = createDataFolder(dir.path());
        ASSERT_TRUE(r) << r.error;
        db = std::move(r.store);
        addCostCode("J100", "010100LAB ");
        addCostCode("J100", "020200MAT ");
        addItem("STUD", "EA");
        addItem("NAIL", "EA");
        INCnvrt box;
        box.ItemID = "NAIL";
        box.UnitName = "BOX";
        box.Factor = 50;
        ASSERT_TRUE(store::Table<INCnvrt>(*db).insert(box));
        POMaster po;
        ASSERT_TRUE(store::Table<POMaster>(*db).insert(po));
        poid = po.POID;
    }

    void addCostCode(const char* job, const char* code) {
        JCCost c;
        c.JobID = job;
        c.CostCode = code;
        c.RecordID = costRecordKey(job, code, 6);
        ASSERT_TRUE(store::Table<JCCost>(*db).insert(c));
    }
    void addItem(const char* id, const char* unit) {
        INMaster i;
        i.ItemID = id;
        i.StockUnit = unit;
        i.DefaultLocation = "MAIN";
        i.DefaultBin = "A1";
        ASSERT_TRUE(store::Table<INMaster>(*db).insert(i));
    }
    PODetail jobLine(const char* qty, double price, const char* code = "010100LAB ") {
        PODetail d;
        d.POID = poid;
        d.DetailType = "Job";
        d.JobID = "J100";
        d.CostCode = code;
        d.QtyOrdered = *Quantity::parse(qty);
        d.UnitPrice = price;
        d.TotalAmount = Money::fromDouble(d.QtyOrdered.toDouble() * price);
        EXPECT_TRUE(store::Table<PODetail>(*db).insert(d));
        return d;
    }
    PODetail inventoryLine(const char* item, const char* qty, const char* unit, const char* invQty) {
        PODetail d;
        d.POID = poid;
        d.DetailType = "Inventory";
        d.ItemID = item;
        d.UnitName = unit;
        d.QtyOrdered = *Quantity::parse(qty);
        d.INVQuantity = *Quantity::parse(invQty);
        EXPECT_TRUE(store::Table<PODetail>(*db).insert(d));
        return d;
    }
    std::string committed(const char* code = "010100LAB ") {
        JCCost c;
        c.RecordID = costRecordKey("J100", code, 6);
        EXPECT_TRUE(store::Table<JCCost>(*db).fetch(JCCost::KeyRecordID, c));
        return c.Committed.toString();
    }
    INMaster item(const char* id) {
        INMaster i;
        i.ItemID = id;
        EXPECT_TRUE(store::Table<INMaster>(*db).fetch(INMaster::KeyItemID, i));
        return i;
    }
    Poster poster() {
        return Poster(*db, 6, [this](const std::string& m) { reported.push_back(m); });
    }

    test::TempDir dir;
    std::unique_ptr<store::Store> db;
    ULong poid = 0;
    std::vector<std::string> reported;
};

}  // namespace

TEST(CostRecordKey, PadsTheCostCodeToTenWhateverItsLength) {
    EXPECT_EQ(costRecordKey("J100", "010100LAB", 6), "J100      010100    LAB ");
    EXPECT_EQ(costRecordKey("J100", "010100LAB", 6).size(), 24u);
    EXPECT_EQ(costRecordKey("J100", "0101LAB", 4), "J100      0101      LAB ");
    EXPECT_EQ(costRecordKey("J100", "0101000001MAT", 10), "J100      0101000001MAT ");
    EXPECT_EQ(costRecordKey("LONGJOBNAME", "01", 6), "LONGJOBNAM01            ");
}

TEST_F(PostingTest, ASaveCommitsTheOpenAmountAndAChangeAddsOnlyTheDifference) {
    PODetail d = jobLine("10", 25.00);
    Poster p = poster();
    OpeningLines opening;  // a new order
    p.postSave(opening, poid);
    EXPECT_EQ(committed(), "250.00");

    opening = p.openingLines(poid);
    d.QtyOrdered = Quantity(12);
    d.TotalAmount = Money(300);
    ASSERT_TRUE(store::Table<PODetail>(*db).update(d));
    p.postSave(opening, poid);
    EXPECT_EQ(committed(), "300.00");
    EXPECT_TRUE(opening.empty());

    // OK again without changes.
    opening = p.openingLines(poid);
    p.postSave(opening, poid);
    EXPECT_EQ(committed(), "300.00");
    EXPECT_TRUE(reported.empty());
}

TEST_F(PostingTest, InvoicedUnitsNoLongerCommit) {
    PODetail d = jobLine("10", 25.00);
    d.QtyInvoiced = Quantity(4);
    ASSERT_TRUE(store::Table<PODetail>(*db).update(d));
    OpeningLines none;
    poster().postSave(none, poid);
    EXPECT_EQ(committed(), "150.00");
}

TEST_F(PostingTest, InventoryPostsItsStockingQuantityOnceAndOtherTypesNothing) {
    inventoryLine("STUD", "24", "EA", "24");
    inventoryLine("NAIL", "2.5", "BOX", "125.0001");
    PODetail gl;
    gl.POID = poid;
    gl.DetailType = "G/L Account";
    gl.TotalAmount = Money(99);
    ASSERT_TRUE(store::Table<PODetail>(*db).insert(gl));
    PODetail eq = gl;
    eq.DetailID = 0;
    eq.DetailType = "Equipment";
    ASSERT_TRUE(store::Table<PODetail>(*db).insert(eq));
    jobLine("1", 10.0, "999999XXX ");  // no such cost code: passed over

    Poster p = poster();
    OpeningLines opening;
    p.postSave(opening, poid);
    opening = p.openingLines(poid);
    p.postSave(opening, poid);
    EXPECT_EQ(item("STUD").OnOrder.toString(), "24.0000");
    // Four places survive the snapshot, so the second save reverses exactly.
    EXPECT_EQ(item("NAIL").OnOrder.toString(), "125.0001");
    EXPECT_EQ(committed(), "0.00");
    EXPECT_TRUE(reported.empty());
}

TEST_F(PostingTest, ADeletedJobLineLowersItsOwnCostCodeOnce) {
    PODetail a = jobLine("10", 25.00, "010100LAB ");
    jobLine("3", 10.00, "020200MAT ");
    Poster p = poster();
    OpeningLines opening;
    p.postSave(opening, poid);
    EXPECT_EQ(committed("010100LAB "), "250.00");
    EXPECT_EQ(committed("020200MAT "), "30.00");

    opening = p.openingLines(poid);
    p.postLineDelete(opening, a);
    ASSERT_TRUE(store::Table<PODetail>(*db).remove(a));
    EXPECT_EQ(committed("010100LAB "), "0.00");
    EXPECT_EQ(committed("020200MAT "), "30.00");  // not the next cost code on file
    p.postSave(opening, poid);
    EXPECT_EQ(committed("010100LAB "), "0.00");
    EXPECT_EQ(committed("020200MAT "), "30.00");

    // A line added after the form opened has posted nothing yet.
    PODetail fresh = jobLine("1", 5.00, "010100LAB ");
    p.postLineDelete(opening, fresh);
    EXPECT_EQ(committed("010100LAB "), "0.00");
}

TEST_F(PostingTest, DeletingAPartlyReceivedOrderUndoesTheReceipt) {
    INItem place;
    place.ItemID = "STUD";
    place.LocationID = "MAIN";
    place.BinID = "A1";
    place.Quantity = Quantity(40);
    ASSERT_TRUE(store::Table<INItem>(*db).insert(place));
    PODetail d = inventoryLine("STUD", "10", "EA", "10");
    d.QtyRcvdNotInvoiced = Quantity(4);
    ASSERT_TRUE(store::Table<PODetail>(*db).update(d));
    INPurch receipt;
    receipt.ItemID = "STUD";
    receipt.PODetailID = d.DetailID;
    ASSERT_TRUE(store::Table<INPurch>(*db).insert(receipt));
    INMaster stud = item("STUD");
    stud.OnOrder = Quantity(10);
    stud.OnHand = Quantity(40);
    ASSERT_TRUE(store::Table<INMaster>(*db).update(stud));

    poster().postOrderDelete(poid);
    EXPECT_EQ(item("STUD").OnOrder.toString(), "4.0000");  // lowered by 6
    EXPECT_EQ(item("STUD").OnHand.toString(), "36.0000");
    ASSERT_TRUE(store::Table<INItem>(*db).fetch(INItem::KeyItemLocBin, place));
    EXPECT_EQ(place.Quantity.toString(), "36.0000");
    EXPECT_EQ(store::Table<INPurch>(*db).count(), 0);
}

TEST_F(PostingTest, DeletingALineOfNoQuantityUsesItsUnitConversion) {
    PODetail d = inventoryLine("NAIL", "0", "BOX", "0");
    d.QtyRcvdNotInvoiced = Quantity(1);
    ASSERT_TRUE(store::Table<PODetail>(*db).update(d));
    INMaster nail = item("NAIL");
    nail.OnHand = Quantity(100);
    ASSERT_TRUE(store::Table<INMaster>(*db).update(nail));
    poster().postOrderDelete(poid);
    EXPECT_EQ(item("NAIL").OnHand.toString(), "50.0000");
    EXPECT_EQ(item("NAIL").OnOrder.toString(), "50.0000");
}

TEST_F(PostingTest, OrderDeleteClearsTheCostCodesLastLineReference) {
    PODetail d = jobLine("10", 25.00);
    OpeningLines none;
    Poster p = poster();
    p.postSave(none, poid);
    JCCost c;
    c.RecordID = costRecordKey("J100", "010100LAB ", 6);
    ASSERT_TRUE(store::Table<JCCost>(*db).fetch(JCCost::KeyRecordID, c));
    c.LastPODetailID = d.DetailID;
    ASSERT_TRUE(store::Table<JCCost>(*db).update(c));
    p.postOrderDeleteReduced(poid);
    ASSERT_TRUE(store::Table<JCCost>(*db).fetch(JCCost::KeyRecordID, c));
    EXPECT_EQ(c.Committed.toString(), "0.00");
    EXPECT_EQ(c.LastPODetailID, d.DetailID);  // the reduced delete leaves it
    p.postSave(none, poid);
    p.postOrderDelete(poid);
    ASSERT_TRUE(store::Table<JCCost>(*db).fetch(JCCost::KeyRecordID, c));
    EXPECT_EQ(c.Committed.toString(), "0.00");
    EXPECT_EQ(c.LastPODetailID, 0u);
}

TEST_F(PostingTest, AFailedWriteIsReportedWithItsWordsAndTheRestIsPosted) {
    jobLine("10", 25.00);
    inventoryLine("STUD", "5", "EA", "5");
    ASSERT_TRUE(db->connection().exec("CREATE TRIGGER jam BEFORE UPDATE ON JCCost "
                                      "BEGIN SELECT RAISE(ABORT, 'Record locked'); END"));
    OpeningLines none;
    poster().postSave(none, poid);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0], "Record locked Saving JCCost");
    EXPECT_EQ(item("STUD").OnOrder.toString(), "5.0000");
    EXPECT_EQ(committed(), "0.00");
}
