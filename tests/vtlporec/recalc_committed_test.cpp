// The committed-cost rebuild: committed amounts from the open job lines,
// reconciled totals from every line, failed writes told and passed over.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include "platform/store/sqlite.h"

#include <algorithm>

#include "records/records.h"
#include "support/test_session.h"
#include "vtlpoent/posting.h"
#include "vtlporec/procedures.h"
#include "vtlporec/recalc_committed.h"

using namespace vtl;
using namespace vtl::test;
using ui::Icon;

namespace {

class RecalcTest : public ::testing::Test {
protected:
    void SetUp() override {
        s.globals.CostCodeLen = 6;
        for (const char* code : {"010100LAB ", "020200MAT "}) addCost("J100", code, "999.99");
        rec::registerRecProcedures(s.procedures);
        s.views.set<rec::RecalcCommitted>([this](rec::RecalcCommitted& w) {
            w.proceed([this](int p) { progress.push_back(p); });
        });
    }
    void addCost(const char* job, const char* code, const char* committed) {
        JCCost c;
        c.JobID = job;
        c.CostCode = code;
        c.RecordID = ent::costRecordKey(job, code, 6);
        c.Committed = *Money::parse(committed);
        ASSERT_TRUE(store::Table<JCCost>(s.store()).insert(c));
    }
    static PODetail line(const char* type, const char* job, const char* code, double qty, double price,
                         double invoiced = 0) {
        PODetail d;
        d.DetailType = type;
        d.JobID = job;
        d.CostCode = code;
        d.QtyOrdered = Quantity::fromDouble(qty);
        d.UnitPrice = price;
        d.TotalAmount = Money::fromDouble(qty * price);
        d.QtyInvoiced = Quantity::fromDouble(invoiced);
        d.AmountInvoiced = Money::fromDouble(invoiced * price);
        return d;
    }
    ULong addOrder(std::vector<PODetail> lines) {
        POMaster po;
        po.PONumber = "1001";
        EXPECT_TRUE(store::Table<POMaster>(s.store()).insert(po));
        for (PODetail& d : lines) {
            d.POID = po.POID;
            EXPECT_TRUE(store::Table<PODetail>(s.store()).insert(d));
        }
        return po.POID;
    }
    std::string committed(const char* code = "010100LAB ") {
        JCCost c;
        c.RecordID = ent::costRecordKey("J100", code, 6);
        EXPECT_TRUE(store::Table<JCCost>(s.store()).fetch(JCCost::KeyRecordID, c));
        return c.Committed.toString();
    }
    POMaster order(ULong poid) {
        POMaster po;
        po.POID = poid;
        EXPECT_TRUE(store::Table<POMaster>(s.store()).fetch(POMaster::KeyPOID, po));
        return po;
    }
    void run() {
        s.ui.expectTell("The recalculation process has been completed.", "Process Complete", Icon::Information);
        ASSERT_TRUE((*s).call("RecalcCommitted"));
    }

    TestSession s;
    std::vector<int> progress;
};

TEST_F(RecalcTest, CommittedComesFromTheOpenJobLinesAndReconciledTotalsFromEveryLine) {
    PODetail reconciled = line("Job", "J100", "010100LAB ", 5, 10, 5);
    reconciled.Reconciliation = 2;
    const ULong open = addOrder({line("Job", "J100", "010100LAB ", 10, 25, 4),  // 150.00 open
                                 line("Job", "J100", "010100LAB ", 2, 30, 2),   // nothing left open
                                 line("G/L Account", "", "", 3, 7, 1),          // not a job line
                                 line("Job", "J999", "010100LAB ", 4, 5)});     // no such cost code
    const ULong closed = addOrder({reconciled});
    // Invoiced beyond what was ordered: the open amount is negative and still counts.
    addOrder({line("Job", "J100", "020200MAT ", 2, 10, 3)});
    run();
    EXPECT_EQ(committed(), "150.00");
    EXPECT_EQ(committed("020200MAT "), "-10.00");
    const POMaster a = order(open);
    EXPECT_EQ(a.QuantityReconciled.toString(), "7.00");            // 4 + 2 + 1
    EXPECT_EQ(a.AmountReconciled.toString(), "167.00");            // 100 + 60 + 7
    EXPECT_EQ(order(closed).QuantityReconciled.toString(), "5.00");  // rebuilt though it adds nothing
    EXPECT_EQ(order(closed).AmountReconciled.toString(), "50.00");
}

TEST_F(RecalcTest, NoOrdersLeaveEveryCommittedAmountAtZeroAndTheBarReachesTheEnd) {
    run();
    EXPECT_EQ(committed(), "0.00");
    EXPECT_EQ(committed("020200MAT "), "0.00");
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), 100);
}

TEST_F(RecalcTest, ARebuildAgreesWithWhatTheSavesPosted) {
    ent::Poster poster(s.store(), 6);
    store::Table<JCCost> costs(s.store());
    for (const char* code : {"010100LAB ", "020200MAT "}) {
        JCCost c;
        c.RecordID = ent::costRecordKey("J100", code, 6);
        ASSERT_TRUE(costs.fetch(JCCost::KeyRecordID, c));
        c.Committed = Money();
        ASSERT_TRUE(costs.update(c));
    }
    // Prices with four places, partly invoiced, some at another price than
    // ordered: the cents must come out as the saves posted them.
    for (int n = 0; n < 120; ++n) {
        PODetail a = line("Job", "J100", "010100LAB ", 3 + n % 4, 12.3457, n % 3);
        if (n % 5 == 0) a.AmountInvoiced = Money::fromDouble((n % 3) * 13.0);
        PODetail b = line("Job", "J100", "020200MAT ", 1.5, 0.3333 * (n + 1));
        ASSERT_TRUE(poster.postNewOrder(addOrder({a, b})));
    }
    const std::string lab = committed(), mat = committed("020200MAT ");
    run();
    EXPECT_EQ(committed(), lab);
    EXPECT_EQ(committed("020200MAT "), mat);
    // Over a hundred records the bar still moves, and never backwards.
    EXPECT_GT(progress.size(), 50u);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(progress.back(), 100);
}

// Half a rebuild would leave the figures worse than before: a write that
// fails is told and nothing of the run stays.
TEST_F(RecalcTest, AFailedWriteIsToldAndChangesNothing) {
    const ULong poid = addOrder({line("Job", "J100", "010100LAB ", 10, 25, 4)});
    test::refuseWrites(s.store(), "POMaster", "UPDATE", "refused");
    s.ui.expectTell("refused Saving POMaster", "RecalcCommitted", Icon::Error);
    ASSERT_TRUE((*s).call("RecalcCommitted"));
    EXPECT_EQ(committed(), "999.99");
    EXPECT_EQ(order(poid).QuantityReconciled.toString(), "0.00");
}

// Another program holds the files past the store's wait: the run says so
// and changes nothing, rather than writing each record on its own.
TEST_F(RecalcTest, FilesHeldByAnotherProgramAreToldAndNothingChanges) {
    addOrder({line("Job", "J100", "010100LAB ", 10, 25, 4)});
    std::string error;
    auto other = store::Store::open(s.store().path(), s.store().schema(), {}, error);
    ASSERT_TRUE(other) << error;
    // A file waits 50 ms here rather than the store's 5 seconds; a server
    // waits the whole 5.
    if (sqlite3* file = store::sqliteHandle(s.store())) sqlite3_busy_timeout(file, 50);
    store::Transaction held(*other);
    ASSERT_TRUE(held.status()) << held.status().message;
    s.ui.expectTell("database is locked", "RecalcCommitted", Icon::Error);
    ASSERT_TRUE((*s).call("RecalcCommitted"));
    held.rollback();
    EXPECT_EQ(committed(), "999.99");
}

TEST_F(RecalcTest, CloseLeavesEverythingAsItWas) {
    s.views.set<rec::RecalcCommitted>([](rec::RecalcCommitted& w) { w.close(); });
    addOrder({line("Job", "J100", "010100LAB ", 10, 25, 4)});
    ASSERT_TRUE((*s).call("RecalcCommitted"));
    EXPECT_EQ(committed(), "999.99");
}

}  // namespace
