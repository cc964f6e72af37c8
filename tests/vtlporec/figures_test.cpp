// The running figures recomputed from the lines: the rebuild writes only the
// figures that differ (on-order quantities when asked), the check names
// every disagreement in a fixed order.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "records/records.h"
#include "records/reconciliation.h"
#include "records/running_figures.h"
#include "support/test_session.h"
#include "vtlporec/figures.h"

using namespace vtl;
using namespace vtl::test;
using Kind = rec::Difference::Kind;

namespace {

class FiguresTest : public ::testing::Test {
protected:
    void addCost(const char* job, const char* code, const char* committed) {
        JCCost c;
        c.JobID = job;
        c.CostCode = code;
        c.RecordID = costRecordKey(job, code, 6);
        c.Committed = *Money::parse(committed);
        ASSERT_TRUE(store::Table<JCCost>(s.store()).insert(c));
    }
    void addItem(const char* id, const char* onOrder) {
        INMaster m;
        m.ItemID = id;
        m.StockUnit = "EA";
        m.OnOrder = *Quantity::parse(onOrder);
        ASSERT_TRUE(store::Table<INMaster>(s.store()).insert(m));
    }
    static PODetail job(const char* jobId, const char* code, double qty, double price, double invoiced = 0) {
        PODetail d;
        d.DetailType = "Job";
        d.JobID = jobId;
        d.CostCode = code;
        d.QtyOrdered = Quantity::fromDouble(qty);
        d.UnitPrice = price;
        d.TotalAmount = Money::fromDouble(qty * price);
        d.QtyInvoiced = Quantity::fromDouble(invoiced);
        d.AmountInvoiced = Money::fromDouble(invoiced * price);
        d.Reconciliation = lineReconciliation(d);
        return d;
    }
    static PODetail stock(const char* item, double qty, double received, double invoiced = 0) {
        PODetail d;
        d.DetailType = "Inventory";
        d.ItemID = item;
        d.UnitName = "EA";
        d.QtyOrdered = Quantity::fromDouble(qty);
        d.UnitPrice = 2;
        d.TotalAmount = Money::fromDouble(qty * 2);
        d.QtyInvoiced = Quantity::fromDouble(invoiced);
        d.AmountInvoiced = Money::fromDouble(invoiced * 2);
        d.QtyRcvdNotInvoiced = Quantity::fromDouble(received);
        d.INVQuantity = d.QtyOrdered - d.QtyInvoiced;
        d.Reconciliation = lineReconciliation(d);
        return d;
    }
    // An order whose state, sort fields and reconciled totals follow its lines.
    ULong addOrder(const char* number, std::vector<PODetail> lines, const char* amount = "100.00") {
        POMaster po;
        po.PONumber = number;
        po.VendorID = 7;
        po.POAmount = *Money::parse(amount);
        std::vector<Byte> states;
        Quantity qty;
        Money invoiced;
        for (const PODetail& d : lines) {
            states.push_back(d.Reconciliation);
            qty += d.QtyInvoiced;
            invoiced += d.AmountInvoiced;
        }
        po.QuantityReconciled = Money::from(qty);
        po.AmountReconciled = invoiced;
        setReconciled(po, orderReconciliation(states));
        EXPECT_TRUE(store::Table<POMaster>(s.store()).insert(po));
        for (PODetail& d : lines) {
            d.POID = po.POID;
            EXPECT_TRUE(store::Table<PODetail>(s.store()).insert(d));
        }
        return po.POID;
    }
    std::string committed(const char* jobId, const char* code) {
        JCCost c;
        c.RecordID = costRecordKey(jobId, code, 6);
        EXPECT_TRUE(store::Table<JCCost>(s.store()).fetch(JCCost::KeyRecordID, c));
        return c.Committed.toString();
    }
    std::string onOrder(const char* item) {
        INMaster m;
        m.ItemID = item;
        EXPECT_TRUE(store::Table<INMaster>(s.store()).fetch(INMaster::KeyItemID, m));
        return m.OnOrder.toString();
    }
    POMaster order(ULong poid) {
        POMaster po;
        po.POID = poid;
        EXPECT_TRUE(store::Table<POMaster>(s.store()).fetch(POMaster::KeyPOID, po));
        return po;
    }
    rec::CheckResult check() {
        rec::CheckResult r;
        EXPECT_TRUE(rec::checkFigures(s.store(), 6, r));
        return r;
    }
    static std::vector<std::pair<Kind, std::string>> found(const rec::CheckResult& r) {
        std::vector<std::pair<Kind, std::string>> out;
        for (const auto& d : r.differences) out.emplace_back(d.kind, d.what);
        return out;
    }

    TestSession s;
};

TEST_F(FiguresTest, ARebuildWritesOnlyTheFiguresThatDiffer) {
    addCost("J100", "010100LAB ", "999.99");  // 150.00 open
    addCost("J100", "020200MAT ", "0.00");    // nothing open
    addCost("J200", "010100LAB ", "12.50");   // right already
    addItem("NAIL", "3");                     // 100 on order, 40 of them arrived: 60
    addItem("BOLT", "5");                     // no lines
    addOrder("1001", {job("J100", "010100LAB ", 10, 25, 4), job("J200", "010100LAB ", 5, 2.5),
                      stock("NAIL", 100, 40)});
    const ULong wrong = addOrder("1002", {job("J100", "010100LAB ", 2, 30, 2)});
    POMaster po = order(wrong);
    po.QuantityReconciled = Money(9);
    ASSERT_TRUE(store::Table<POMaster>(s.store()).update(po));

    rec::RebuildResult r;
    ASSERT_TRUE(rec::rebuildFigures(s.store(), 6, {}, r));
    EXPECT_EQ(r.lines, 4);
    EXPECT_EQ(r.costCodesChanged, 1);
    EXPECT_EQ(r.itemsChanged, 0);
    EXPECT_EQ(r.ordersChanged, 1);
    EXPECT_EQ(committed("J100", "010100LAB "), "150.00");
    EXPECT_EQ(committed("J100", "020200MAT "), "0.00");
    EXPECT_EQ(committed("J200", "010100LAB "), "12.50");
    EXPECT_EQ(onOrder("NAIL"), "3.0000");  // not asked for
    EXPECT_EQ(order(wrong).QuantityReconciled.toString(), "2.00");
    EXPECT_EQ(order(wrong).AmountReconciled.toString(), "60.00");

    ASSERT_TRUE(rec::rebuildFigures(s.store(), 6, rec::RebuildOptions{true}, r));
    EXPECT_EQ(r.costCodesChanged, 0);
    EXPECT_EQ(r.itemsChanged, 2);
    EXPECT_EQ(r.ordersChanged, 0);
    EXPECT_EQ(onOrder("NAIL"), "60.0000");
    EXPECT_EQ(onOrder("BOLT"), "0.0000");
}

TEST_F(FiguresTest, TheCheckAfterARebuildFindsNothing) {
    addCost("J100", "010100LAB ", "1.00");
    addItem("NAIL", "0");
    PODetail text = job("J100", "010100LAB ", 0, 0);
    text.TextFlag = 1;
    PODetail closedByHand = job("J100", "010100LAB ", 4, 10, 1);
    closedByHand.Reconciliation = kFullyReconciled;
    addOrder("1001", {job("J100", "010100LAB ", 10, 25, 4), text, stock("NAIL", 12, 0)});
    addOrder("1002", {closedByHand, stock("NAIL", 5, 0, 5)});
    addOrder("1003", {stock("NAIL", 8, 8)});
    rec::RebuildResult r;
    ASSERT_TRUE(rec::rebuildFigures(s.store(), 6, rec::RebuildOptions{true}, r));
    const rec::CheckResult c = check();
    EXPECT_TRUE(c.clean()) << c.differences.size() << " differences, the first on " << c.differences.front().what;
    EXPECT_EQ(c.lines, 6);
    EXPECT_EQ(c.costCodes, 1);
    EXPECT_EQ(c.items, 1);
    EXPECT_EQ(c.orders, 3);
    EXPECT_EQ(committed("J100", "010100LAB "), "150.00");
    EXPECT_EQ(onOrder("NAIL"), "12.0000");
}

TEST_F(FiguresTest, TheCheckNamesEveryDisagreementInItsOrder) {
    addCost("J100", "020200MAT ", "45.00");  // 35.00 open
    addCost("J100", "010100LAB ", "149.99");  // 150.00 open
    addItem("NAIL", "61.5");                  // 60 on order
    addItem("BOLT", "0");
    addOrder("1001", {job("J100", "010100LAB ", 10, 25, 4), stock("NAIL", 100, 40)});
    const ULong partial = addOrder("1002", {job("J100", "020200MAT ", 2, 30, 1)});
    const ULong unsorted = addOrder("1003", {job("J100", "020200MAT ", 1, 5, 1)});
    const ULong noAmount = addOrder("1004", {job("J100", "020200MAT ", 2, 5, 1)}, "0.00");
    addOrder("1001", {});
    store::Table<POMaster> orders(s.store());
    POMaster po = order(partial);
    po.Reconciled = kUnreconciled;  // its line is partly invoiced
    ASSERT_TRUE(orders.update(po));
    po = order(unsorted);
    po.SortPONumber = "1003";  // fully reconciled orders leave the open-order sort
    ASSERT_TRUE(orders.update(po));
    po = order(noAmount);
    setReconciled(po, kUnreconciled);  // the form saves an order of no amount as open
    ASSERT_TRUE(orders.update(po));
    for (ULong orphanOf : {9001u, 9000u}) {
        PODetail d = job("J100", "010100LAB ", 1, 1000);
        d.POID = orphanOf;  // its order is gone: it counts for nothing
        d.DetailID = orphanOf - 8000;
        ASSERT_TRUE(store::Table<PODetail>(s.store()).insert(d));
    }

    const rec::CheckResult c = check();
    using P = std::pair<Kind, std::string>;
    EXPECT_EQ(found(c), (std::vector<P>{{Kind::Committed, costRecordKey("J100", "010100LAB ", 6).substr(0, 23)},
                                        {Kind::Committed, costRecordKey("J100", "020200MAT ", 6).substr(0, 23)},
                                        {Kind::OnOrder, "NAIL"},
                                        {Kind::LineWithoutOrder, "1000"},
                                        {Kind::LineWithoutOrder, "1001"},
                                        {Kind::OrderState, std::to_string(partial)},
                                        {Kind::OrderState, std::to_string(unsorted)},
                                        {Kind::PONumberTwice, "1001"}}));
    ASSERT_EQ(c.differences.size(), 8u);
    EXPECT_EQ(c.differences[0].stored, "149.99");
    EXPECT_EQ(c.differences[0].expected, "150.00");
    EXPECT_EQ(c.differences[0].difference, "-0.01");
    EXPECT_EQ(c.differences[1].expected, "35.00");
    EXPECT_EQ(c.differences[1].difference, "10.00");
    EXPECT_EQ(c.differences[2].stored, "61.5");
    EXPECT_EQ(c.differences[2].expected, "60");
    EXPECT_EQ(c.differences[2].difference, "1.5");
    EXPECT_EQ(c.differences[5].stored, "0");
    EXPECT_EQ(c.differences[5].expected, "1");
    EXPECT_EQ(c.differences[5].difference, "");
    EXPECT_EQ(c.differences[6].stored, "2");
    EXPECT_EQ(c.differences[6].expected, "2");
    EXPECT_EQ(c.differences[6].difference, "sort fields");
    EXPECT_EQ(c.differences[7].stored, "2");
    EXPECT_EQ(c.lines, 7);
    EXPECT_EQ(c.costCodes, 2);
    EXPECT_EQ(c.items, 2);
    EXPECT_EQ(c.orders, 5);
}

}  // namespace

namespace {

// Lines written by another program whose open amounts add up to more than
// a committed amount can hold: the check and the rebuild say so and stop,
// the rebuild writing nothing, where either would have ended the program.
TEST_F(FiguresTest, LinesThatAddUpBeyondTheFigureAreToldNotWrapped) {
    addCost("J100", "010100LAB", "12.00");
    addOrder("1", {job("J100", "010100LAB", 1, 9999999999999.0), job("J100", "010100LAB", 1, 9999999999999.0)},
             "0.00");
    rec::CheckResult r;
    const store::Status checked = rec::checkFigures(s.store(), 6, r);
    EXPECT_FALSE(checked);
    EXPECT_NE(checked.message.find("add up to more than a committed amount"), std::string::npos) << checked.message;
    rec::RebuildResult rebuilt;
    EXPECT_FALSE(rec::rebuildFigures(s.store(), 6, {}, rebuilt));
    EXPECT_EQ(committed("J100", "010100LAB"), "12.00");
}

}  // namespace
