// The window of the committed-cost rebuild.
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>

#include "gui/qt_driver.h"
#include "gui/rec/browse_po_reconcile_view.h"
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

namespace {

TEST_F(RecalcViewTest, TheReconcileListFollowsTheLocatorAndOffersReconcileOnlyWithARow) {
    {
        rec::BrowsePOReconcile empty(*s);
        empty.load();
        gui::BrowsePOReconcileView w(empty);
        EXPECT_EQ(w.windowTitle(), "Reconcile Purchase Orders with Packing Slip");
        EXPECT_FALSE(w.reconcileButton()->isEnabled());
    }
    for (const char* n : {"1001", "1002", "2001"}) {
        POMaster po;
        po.PONumber = n;
        po.SortPONumber = n;
        ASSERT_TRUE(store::Table<POMaster>(s.store()).insert(po));
    }
    rec::BrowsePOReconcile b(*s);
    b.load();
    gui::BrowsePOReconcileView w(b);
    w.show();
    ASSERT_EQ(w.list()->model()->rowCount(), 3);
    EXPECT_TRUE(w.reconcileButton()->isEnabled());
    w.locator()->setFocus();
    typeText(w.locator(), "2");
    EXPECT_EQ(w.list()->currentIndex().row(), 2);
    EXPECT_EQ(b.highlighted(), 2);
    w.closeButton()->click();
    EXPECT_TRUE(b.closed());
}

}  // namespace
