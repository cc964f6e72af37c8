// The printing-limits window as a clerk uses it: the range switch, the
// choices, a number typed in, and Print.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "gui/qt_driver.h"
#include "gui/rpt/limit_print_pos_view.h"
#include "support/test_session.h"
#include "vtlporpt/print_shared.h"

using namespace vtl;
using namespace vtl::test;

TEST(LimitPrintView, TheRangeOpensWithItsSwitchAndPrintSavesWhatWasTyped) {
    offscreenApp();
    TestSession s;
    s.globals.UserID = "LAO";
    rpt::clearPrintShared(s.module);
    POMaster po;
    po.PONumber = "1002";
    ASSERT_TRUE(store::Table<POMaster>(s.store()).insert(po));
    rpt::LimitPrintPOs w(*s);
    ASSERT_TRUE(w.open());
    gui::LimitPrintPOsView v(w);
    v.show();
    EXPECT_EQ(v.windowTitle(), "Purchase Order Printing Limits");
    EXPECT_FALSE(v.poFrom()->isEnabled());
    v.selectPONumbers()->setChecked(true);
    EXPECT_TRUE(v.poFrom()->isEnabled());
    v.poFrom()->setText("1002");
    v.poFrom()->setModified(true);
    v.findChildren<QRadioButton*>()[2]->setChecked(true);  // all purchase orders
    v.beginningNumber()->setText("3000");
    emit v.beginningNumber()->editingFinished();
    ASSERT_NE(v.button("&Print"), nullptr);
    v.button("&Print")->click();
    EXPECT_TRUE(w.printRequested());
    EXPECT_EQ(w.limits().POFrom, "1002");
    EXPECT_EQ(w.limits().RefFrom, 3000u);
    EXPECT_EQ(w.printCondition(), "A");
}
