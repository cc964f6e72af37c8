// The rule of each running figure, and the posting of whole orders against a
// real store: new orders, deletes, the pick list's delete, failed writes.
#include <gtest/gtest.h>

#include "records/database.h"
#include "support/temp_dir.h"
#include "support/test_store.h"
#include "vtlpoent/posting.h"

using namespace vtl;
using namespace vtl::ent;

namespace {

class PostingTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto r = createDataFolder(dir.path(), server.address());
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
    Poster poster() { return Poster(*db, 6); }
    void update(const PODetail& d) { ASSERT_TRUE(store::Table<PODetail>(*db).update(d)); }

    test::TempDir dir;
    test::ServerDatabase server;
    std::unique_ptr<store::Store> db;
    ULong poid = 0;
};

PODetail shareLine(const char* type, const char* ordered, const char* inv = "0") {
    PODetail d;
    d.DetailType = type;
    d.QtyOrdered = *Quantity::parse(ordered);
    d.INVQuantity = *Quantity::parse(inv);
    return d;
}

}  // namespace

TEST(CostRecordKey, PadsTheCostCodeToTenWhateverItsLength) {
    EXPECT_EQ(costRecordKey("J100", "010100LAB", 6), "J100      010100    LAB ");
    EXPECT_EQ(costRecordKey("J100", "010100LAB", 6).size(), 24u);
    EXPECT_EQ(costRecordKey("J100", "0101LAB", 4), "J100      0101      LAB ");
    EXPECT_EQ(costRecordKey("J100", "0101000001MAT", 10), "J100      0101000001MAT ");
    EXPECT_EQ(costRecordKey("LONGJOBNAME", "01", 6), "LONGJOBNAM01            ");
}

TEST(CostRecordKey, IsAppendedToWhatTheBufferHolds) {
    std::string buffer = "key: ";
    appendCostRecordKey(buffer, "J100", "010100LAB", 6);
    EXPECT_EQ(buffer, "key: J100      010100    LAB ");
    buffer.clear();
    appendCostRecordKey(buffer, "LONGJOBNAME", "0101000001MATX", 10);
    EXPECT_EQ(buffer, costRecordKey("LONGJOBNAME", "0101000001MATX", 10));
    EXPECT_EQ(buffer, "LONGJOBNAM0101000001MATX");
}

TEST(RunningFigureRules, AJobLineCommitsWhatIsNotInvoicedWhileItIsOpen) {
    PODetail d = shareLine("Job", "10");
    d.UnitPrice = 25.00;
    d.TotalAmount = Money(250);
    EXPECT_EQ(committedShare(d).toString(), "250.00");
    d.QtyInvoiced = Quantity(4);  // invoiced at another price: the line's price counts
    d.AmountInvoiced = Money(120);
    EXPECT_EQ(committedShare(d).toString(), "150.00");
    d.Reconciliation = 2;  // closed by the browse's Reconcile
    EXPECT_EQ(committedShare(d).toString(), "0.00");
    d.Reconciliation = 0;
    d.QtyInvoiced = Quantity(10);
    EXPECT_EQ(committedShare(d).toString(), "0.00");
    d.QtyInvoiced = Quantity();
    d.TextFlag = 1;
    EXPECT_EQ(committedShare(d).toString(), "0.00");
    d.TextFlag = 0;
    d.DetailType = "Equipment";
    EXPECT_EQ(committedShare(d).toString(), "0.00");
    EXPECT_EQ(onOrderShare(d).toString(), "0.0000");
}

TEST(RunningFigureRules, AnInventoryLineKeepsOnOrderWhatHasNotArrived) {
    PODetail d = shareLine("Inventory", "10", "10");
    EXPECT_EQ(onOrderShare(d).toString(), "10.0000");
    d.QtyRcvdNotInvoiced = Quantity(4);
    EXPECT_EQ(onOrderShare(d).toString(), "6.0000");
    d.QtyThisPackSlip = Quantity(1);  // on the slip being entered: arrived too
    EXPECT_EQ(onOrderShare(d).toString(), "5.0000");
    d.QtyThisPackSlip = Quantity(7);  // more than was left
    EXPECT_EQ(onOrderShare(d).toString(), "0.0000");

    // Boxes of 50: the not-invoiced part in stocking units, less what came.
    PODetail box = shareLine("Inventory", "2.5", "125.0001");
    EXPECT_EQ(onOrderShare(box).toString(), "125.0001");
    box.QtyRcvdNotInvoiced = Quantity(1);
    EXPECT_EQ(onOrderShare(box).toString(), "75.0001");
    // Invoiced boxes are off INVQuantity already; received ones come off the rest.
    PODetail invoiced = shareLine("Inventory", "4", "100");
    invoiced.QtyInvoiced = Quantity(2);
    invoiced.QtyRcvdNotInvoiced = Quantity(1);
    EXPECT_EQ(onOrderShare(invoiced).toString(), "50.0000");
    invoiced.Reconciliation = 2;
    EXPECT_EQ(onOrderShare(invoiced).toString(), "0.0000");
}

TEST_F(PostingTest, ANewOrderCommitsEachCostCodeAndItemOnceForAllItsLines) {
    jobLine("10", 25.00);
    jobLine("2", 5.25);
    jobLine("3", 10.00, "020200MAT ");
    inventoryLine("STUD", "24", "EA", "24");
    inventoryLine("NAIL", "2.5", "BOX", "125.0001");
    jobLine("1", 10.0, "999999XXX ");  // no such cost code: passed over
    ASSERT_TRUE(poster().postNewOrder(poid));
    EXPECT_EQ(committed(), "260.50");
    EXPECT_EQ(committed("020200MAT "), "30.00");
    EXPECT_EQ(item("STUD").OnOrder.toString(), "24.0000");
    EXPECT_EQ(item("NAIL").OnOrder.toString(), "125.0001");
}

// Reconcile closed the line (its figures released); deleting the order
// afterwards must not take them off a second time.
TEST_F(PostingTest, DeletingAClosedOrderTakesNothingOffTwice) {
    PODetail job = jobLine("10", 25.00);
    PODetail stud = inventoryLine("STUD", "10", "EA", "10");
    ASSERT_TRUE(poster().postNewOrder(poid));
    job.QtyInvoiced = Quantity(4);
    job.Reconciliation = 2;
    update(job);
    stud.Reconciliation = 2;
    update(stud);
    INMaster s = item("STUD");
    s.OnOrder = Quantity();
    ASSERT_TRUE(store::Table<INMaster>(*db).update(s));
    JCCost c;
    c.RecordID = costRecordKey("J100", "010100LAB ", 6);
    ASSERT_TRUE(store::Table<JCCost>(*db).fetch(JCCost::KeyRecordID, c));
    c.Committed = Money();
    ASSERT_TRUE(store::Table<JCCost>(*db).update(c));

    ASSERT_TRUE(poster().postOrderDelete(poid));
    EXPECT_EQ(committed(), "0.00");
    EXPECT_EQ(item("STUD").OnOrder.toString(), "0.0000");
    ASSERT_TRUE(poster().postOrderDeleteReduced(poid));
    EXPECT_EQ(committed(), "0.00");
    EXPECT_EQ(item("STUD").OnOrder.toString(), "0.0000");
}

TEST_F(PostingTest, DeletingAPartlyReceivedOrderTakesTheGoodsBackFromWhereTheyWent) {
    INItem yard;  // the line's own place, not the item's default
    yard.ItemID = "NAIL";
    yard.LocationID = "YARD";
    yard.BinID = "B2";
    yard.Quantity = Quantity(500);
    ASSERT_TRUE(store::Table<INItem>(*db).insert(yard));
    INItem main;
    main.ItemID = "NAIL";
    main.LocationID = "MAIN";
    main.BinID = "A1";
    main.Quantity = Quantity(40);
    ASSERT_TRUE(store::Table<INItem>(*db).insert(main));
    PODetail d = inventoryLine("NAIL", "10", "BOX", "500");
    d.LocationID = "YARD";
    d.BinID = "B2";
    ASSERT_TRUE(poster().postNewOrder(poid));
    d.QtyRcvdNotInvoiced = Quantity(4);
    update(d);
    for (int n = 0; n < 2; ++n) {  // two receipt records of one line (serial numbers)
        INPurch receipt;
        receipt.ItemID = "NAIL";
        receipt.PODetailID = d.DetailID;
        ASSERT_TRUE(store::Table<INPurch>(*db).insert(receipt));
    }
    INMaster nail = item("NAIL");
    nail.OnOrder = Quantity(300);  // as receiving left it: 500 less 4 boxes
    nail.OnHand = Quantity(740);
    ASSERT_TRUE(store::Table<INMaster>(*db).update(nail));

    ASSERT_TRUE(poster().postOrderDelete(poid));
    EXPECT_EQ(item("NAIL").OnOrder.toString(), "0.0000");
    EXPECT_EQ(item("NAIL").OnHand.toString(), "540.0000");
    ASSERT_TRUE(store::Table<INItem>(*db).fetch(INItem::KeyItemLocBin, yard));
    EXPECT_EQ(yard.Quantity.toString(), "300.0000");
    ASSERT_TRUE(store::Table<INItem>(*db).fetch(INItem::KeyItemLocBin, main));
    EXPECT_EQ(main.Quantity.toString(), "40.0000");
    EXPECT_EQ(store::Table<INPurch>(*db).count(), 0);
}

TEST_F(PostingTest, ThePickListsDeleteTakesOffOnlyWhatIsStillToArrive) {
    PODetail d = inventoryLine("STUD", "10", "EA", "10");
    ASSERT_TRUE(poster().postNewOrder(poid));
    d.QtyRcvdNotInvoiced = Quantity(4);
    update(d);
    INMaster stud = item("STUD");
    stud.OnOrder = Quantity(6);
    stud.OnHand = Quantity(4);
    ASSERT_TRUE(store::Table<INMaster>(*db).update(stud));
    ASSERT_TRUE(poster().postOrderDeleteReduced(poid));
    EXPECT_EQ(item("STUD").OnOrder.toString(), "0.0000");
    EXPECT_EQ(item("STUD").OnHand.toString(), "4.0000");  // received stock stays
}

TEST_F(PostingTest, OrderDeleteClearsTheCostCodesLastLineReference) {
    PODetail d = jobLine("10", 25.00);
    ASSERT_TRUE(poster().postNewOrder(poid));
    JCCost c;
    c.RecordID = costRecordKey("J100", "010100LAB ", 6);
    ASSERT_TRUE(store::Table<JCCost>(*db).fetch(JCCost::KeyRecordID, c));
    c.LastPODetailID = d.DetailID;
    ASSERT_TRUE(store::Table<JCCost>(*db).update(c));
    ASSERT_TRUE(poster().postOrderDeleteReduced(poid));
    ASSERT_TRUE(store::Table<JCCost>(*db).fetch(JCCost::KeyRecordID, c));
    EXPECT_EQ(c.Committed.toString(), "0.00");
    EXPECT_EQ(c.LastPODetailID, d.DetailID);  // the reduced delete leaves it
    ASSERT_TRUE(poster().postNewOrder(poid));
    ASSERT_TRUE(poster().postOrderDelete(poid));
    ASSERT_TRUE(store::Table<JCCost>(*db).fetch(JCCost::KeyRecordID, c));
    EXPECT_EQ(c.Committed.toString(), "0.00");
    EXPECT_EQ(c.LastPODetailID, 0u);
}

TEST_F(PostingTest, AFailedWriteAnswersItsWordsAndLeavesEveryFigureAsItWas) {
    jobLine("10", 25.00);
    inventoryLine("STUD", "5", "EA", "5");
    test::refuseWrites(*db, "JCCost", "UPDATE", "Record locked");
    store::Status s = poster().postNewOrder(poid);
    ASSERT_FALSE(s);
    EXPECT_EQ(s.message, "Record locked Saving JCCost");
    EXPECT_EQ(item("STUD").OnOrder.toString(), "0.0000");
    EXPECT_EQ(committed(), "0.00");
}
