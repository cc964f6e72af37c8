// The printing-limits window: its record, the range with its look-ups, the
// options it leaves for the prints, and the prints it starts.
#include <gtest/gtest.h>

#include "support/test_session.h"
#include "vtlporpt/create_po_print.h"
#include "vtlporpt/limit_print_pos.h"
#include "vtlporpt/print_shared.h"
#include "vtlporpt/procedures.h"

using namespace vtl;
using namespace vtl::test;

namespace {

class LimitPrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        s.globals.UserID = "LAO";
        rpt::clearPrintShared(s.module);
        rpt::registerReportProcedures(s.procedures);
        s.procedures.set("PrintPurchaseOrderServer", [this](Session& ss) { printed.push_back(ss.globals.DecimalVariable); });
        for (const char* n : {"1001", "1002", "1005"}) {
            POMaster po;
            po.PONumber = n;
            ASSERT_TRUE(store::Table<POMaster>(s.store()).insert(po));
            poids.push_back(po.POID);
        }
    }
    std::vector<POLimits> generateRecords() {
        std::vector<POLimits> out;
        POLimits l;
        for (auto c = store::Table<POLimits>(s.store()).all(POLimits::KeyLimitID); c.next(l);) out.push_back(l);
        return out;
    }

    TestSession s;
    std::vector<double> printed;
    std::vector<ULong> poids;
};

}  // namespace

TEST_F(LimitPrintTest, OpeningMakesTheUsersRecordOnceAndStartsFromItsNextNumberWithTheDefaults) {
    {
        rpt::LimitPrintPOs w(*s);
        ASSERT_TRUE(w.open());
        auto records = generateRecords();
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0].Report, "Generate POs");
        EXPECT_EQ(records[0].ReportTitle, "*Standard Report");
        EXPECT_EQ(records[0].UserID, "LAO");
        EXPECT_EQ(records[0].ModifyDate, s.clock.today());
        w.setSelectPONumbers(true);
        ASSERT_TRUE(w.enterPOFrom("1002"));
        ASSERT_TRUE(w.enterPOTo("1005"));
        w.setPrintCondition("A");
        w.setAssignNumbers("N");
        w.setFlagPrinted(false);
        w.setBeginningNumber(2050);
        ASSERT_TRUE(w.print());
        EXPECT_TRUE(w.closed());
        records = generateRecords();
        EXPECT_EQ(records[0].POFrom, "1002");
        EXPECT_EQ(records[0].RefFrom, 2050u);
        EXPECT_EQ(s.globals.DecimalVariable, 0.0);
    }
    // Opened again: the same record, its range cleared, the options back to
    // their defaults and the number where it was left.
    rpt::LimitPrintPOs again(*s);
    ASSERT_TRUE(again.open());
    auto records = generateRecords();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].SelectedPONumbers, 0);
    EXPECT_EQ(records[0].POFrom, "");
    EXPECT_EQ(again.printCondition(), "U");
    EXPECT_EQ(again.assignNumbers(), "B");
    EXPECT_TRUE(again.flagPrinted());
    EXPECT_EQ(again.beginningNumber(), 2050u);
    EXPECT_FALSE(again.enterPOFrom("1001")) << "the range is off";
}

TEST_F(LimitPrintTest, ANumberNotOnFileOpensThePickListAndTakesWhatIsPicked) {
    rpt::LimitPrintPOs w(*s);
    ASSERT_TRUE(w.open());
    w.setSelectPONumbers(true);
    int picks = 0;
    s.procedures.set("PickPOMaster", [&](Session& ss) {
        ++picks;
        ss.globals.DecimalVariable = poids[2];
        ss.globals.GlobalResponse = suite::Response::Completed;
    });
    EXPECT_TRUE(w.enterPOTo("1003"));
    EXPECT_EQ(picks, 1);
    EXPECT_EQ(w.poTo(), "1005");
    s.procedures.set("PickPOMaster", [&](Session& ss) { ss.globals.GlobalResponse = suite::Response::Cancelled; });
    EXPECT_FALSE(w.enterPOTo("9999"));
    EXPECT_EQ(w.poTo(), "1005") << "a cancelled pick keeps what was there";
    w.setSelectPONumbers(false);
    EXPECT_EQ(w.poTo(), "");
}

TEST_F(LimitPrintTest, PrintRunsTheServerAfterTheWindowAndTheDummyPrintsTheSample) {
    s.views.set<rpt::LimitPrintPOs>([](rpt::LimitPrintPOs& w) {
        w.printDummy();
        w.print();
    });
    s.globals.PrintPreview = 0;
    ASSERT_TRUE(s->call("LimitPrintPOs"));
    EXPECT_EQ(printed, (std::vector<double>{999999999, 0}));
    EXPECT_EQ(s.globals.PrintPreview, 1);

    printed.clear();
    s.views.set<rpt::LimitPrintPOs>([](rpt::LimitPrintPOs& w) { w.cancel(); });
    ASSERT_TRUE(s->call("LimitPrintPOs"));
    EXPECT_TRUE(printed.empty());
}
