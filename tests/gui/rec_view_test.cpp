// The window of the committed-cost rebuild.
#include <QProgressBar>
#include <QPushButton>

#include "gui/qt_driver.h"
#include "gui/rec/recalc_committed_view.h"
#include "records/records.h"
#include "support/test_session.h"
#include "vtlpoent/posting.h"

using namespace vtl;
using namespace vtl::test;

namespace {

class RecalcViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        offscreenApp();
        s.globals.CostCodeLen = 6;
        JCCost c;
        c.JobID = "J100";
        c.CostCode = "010100LAB ";
        c.RecordID = ent::costRecordKey("J100", "010100LAB ", 6);
        c.Committed = *Money::parse("12.34");
        ASSERT_TRUE(store::Table<JCCost>(s.store()).insert(c));
    }
    std::string committed() {
        JCCost c;
        c.RecordID = ent::costRecordKey("J100", "010100LAB ", 6);
        EXPECT_TRUE(store::Table<JCCost>(s.store()).fetch(JCCost::KeyRecordID, c));
        return c.Committed.toString();
    }
    TestSession s;
};

TEST_F(RecalcViewTest, ProceedRunsToTheEndAndCloseChangesNothing) {
    {
        rec::RecalcCommitted run(*s);
        gui::RecalcCommittedView w(run);
        EXPECT_EQ(w.windowTitle(), "Recalculate Committed Costs");
        w.show();
        w.closeButton()->click();
        EXPECT_FALSE(w.isVisible());
        EXPECT_TRUE(run.closed());
        EXPECT_EQ(committed(), "12.34");
    }
    rec::RecalcCommitted run(*s);
    gui::RecalcCommittedView w(run);
    w.show();
    s.ui.expectTell("The recalculation process has been completed.", "Process Complete", ui::Icon::Information);
    w.proceedButton()->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(w.progressBar()->value(), 100);
    EXPECT_EQ(committed(), "0.00") << "no order commits anything";
}

}  // namespace
