// The small windows of purchase-order entry: the duplication and blank-form
// dialogs, the search window and the pick list, and the registration that
// runs each for its controller.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QToolButton>

#include "ent_fixture.h"
#include "gui/ent/browse_view.h"
#include "gui/ent/confirm_blank_po_view.h"
#include "gui/ent/duplicate_po_view.h"
#include "gui/ent/entry_views.h"
#include "gui/ent/pick_po_view.h"
#include "gui/ent/search_po_view.h"
#include "platform/suite/ini_file.h"
#include "vtlpoent/browse/browse_po_master_new.h"
#include "vtlpoent/procedures.h"

using namespace vtl;
using namespace vtl::test;

namespace {

ent::DuplicatePO proposal() {
    ent::DuplicatePO d;
    d.source.PONumber = "1001";
    d.source.VendorID = 1042;
    d.source.IssueDate = Date::fromYmd(2026, 6, 1);
    d.source.POAmount = *Money::parse("1234.50");
    d.sourceVendorName = "Cascade Lumber";
    d.poNumber = "2001";
    d.issueDate = Date::fromYmd(2026, 7, 1);
    d.acceptDate = Date::fromYmd(2026, 7, 4);
    d.deliveryDate = Date::fromYmd(2026, 7, 10);
    d.deadlineDate = Date::fromYmd(2026, 7, 20);
    return d;
}

bool showsText(const QWidget& w, const QString& text) {
    for (const QLabel* l : w.findChildren<QLabel*>())
        if (l->text().contains(text)) return true;
    return false;
}

}  // namespace

TEST_F(EntViewTest, DuplicateDialogShowsTheSourceAndHandsBackTheEditedNumberAndDates) {
    ent::DuplicatePO d = proposal();
    d.showDeadline = false;
    gui::DuplicatePOView w(d);
    EXPECT_EQ(w.windowTitle(), "Duplicate Purchase Order");
    EXPECT_TRUE(showsText(w, "Cascade Lumber"));
    EXPECT_TRUE(showsText(w, "1,234.50"));
    EXPECT_TRUE(showsText(w, "6/01/26"));
    EXPECT_FALSE(showsText(w, "Deadline Date:")) << "the deadline is switched off";
    EXPECT_EQ(w.poNumber()->text(), "2001");
    EXPECT_EQ(w.deliveryDate()->text(), "7/10/26");

    w.poNumber()->setText("PO-7788-LONGER-THAN-15");
    w.deliveryDate()->setText("7/15/26");
    w.acceptDate()->setText("");
    w.okButton()->click();
    EXPECT_TRUE(d.proceed);
    EXPECT_EQ(d.poNumber, "PO-7788-LONGER-") << "cut to the field";
    EXPECT_EQ(d.deliveryDate, Date::fromYmd(2026, 7, 15));
    EXPECT_TRUE(d.acceptDate.isNull()) << "a cleared date is no date";
    EXPECT_EQ(d.deadlineDate, Date::fromYmd(2026, 7, 20)) << "a hidden date keeps its proposal";
}

TEST_F(EntViewTest, DuplicateDialogRefusesAnUnreadableDateAndCancelHandsNothingBack) {
    ent::DuplicatePO d = proposal();
    gui::DuplicatePOView w(d);
    w.show();
    w.issueDate()->setText("13/45/26");
    w.okButton()->click();
    EXPECT_FALSE(d.proceed);
    EXPECT_TRUE(w.isVisible()) << "the dialog stays open on the date";
    EXPECT_EQ(d.issueDate, Date::fromYmd(2026, 7, 1));
    w.poNumber()->setText("9999");
    w.cancelButton()->click();
    EXPECT_FALSE(d.proceed);
    EXPECT_EQ(d.poNumber, "2001");
}

TEST_F(EntViewTest, BlankFormDialogHandsBackTheNumberAndItsOption) {
    ent::ConfirmBlankPO c;
    {
        gui::ConfirmBlankPOView w(c);
        typeText(w.poNumber(), "B-100");
        w.okButton()->click();
    }
    EXPECT_TRUE(c.proceed);
    EXPECT_EQ(c.poNumber, "B-100");
    EXPECT_FALSE(c.useNextNumber);
    gui::ConfirmBlankPOView w(c);
    w.useNextNumber()->click();
    EXPECT_FALSE(w.poNumber()->isEnabled());
    w.reject();
    EXPECT_FALSE(c.proceed);
}

TEST_F(EntViewTest, SearchWindowFindsByTheChosenFieldAndHandsBackTheOrder) {
    addOrder("1001", 1042);
    POMaster acme = addOrder("2001", 7);
    addOrder("2002", 7, 2);
    ent::SearchPOMaster search(*s);
    gui::SearchPOMasterView w(search);
    w.byButton(ent::SearchBy::VendorID)->click();
    typeText(w.text(), "7");
    w.searchButton()->click();
    EXPECT_EQ(column(w.list(), 0), (std::vector<QString>{"2001"})) << "the reconciled order stays hidden";
    w.showFullyReconciledBox()->click();
    w.searchButton()->click();
    EXPECT_EQ(column(w.list(), 0), (std::vector<QString>{"2001", "2002"}));

    w.byButton(ent::SearchBy::PONumber)->click();
    w.text()->clear();
    typeText(w.text(), "9");
    w.searchButton()->click();
    EXPECT_EQ(w.list()->model()->rowCount(), 0);
    EXPECT_FALSE(w.selectButton()->isEnabled());
    EXPECT_EQ(w.status()->text(), "No purchase orders found.");

    w.byButton(ent::SearchBy::VendorName)->click();
    w.text()->clear();
    typeText(w.text(), "acme");
    w.searchButton()->click();
    ASSERT_GE(w.list()->model()->rowCount(), 1);
    EXPECT_EQ(cell(w.list(), 0, 2), "Acme Supply");
    w.list()->selectRow(0);
    w.selectButton()->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(s.module.chosenPOID, acme.POID);

    gui::SearchPOMasterView again(search);
    again.cancelButton()->click();
    EXPECT_EQ(s.module.chosenPOID, 0u);
}

TEST_F(EntViewTest, PickListOrdersByTabLocatesSelectsAndDeletes) {
    POMaster first = addOrder("1001", 1042);
    addOrder("1002", 7);
    POMaster third = addOrder("1003", 7);
    ent::PickPOMaster pick(*s);
    pick.open();
    gui::PickPOMasterView w(pick);
    EXPECT_EQ(w.tabs()->tabText(0), "by PO Number");
    EXPECT_EQ(w.tabs()->tabText(1), "by Vendor ID");
    EXPECT_EQ(column(w.list(), 0), (std::vector<QString>{"1001", "1002", "1003"}));
    w.tabs()->setCurrentIndex(1);
    EXPECT_EQ(column(w.list(), 1), (std::vector<QString>{"7", "7", "1042"}));
    typeText(w.locator(), "1042");
    EXPECT_EQ(w.list()->currentIndex().row(), 2);
    w.tabs()->setCurrentIndex(0);

    w.list()->selectRow(2);
    s.ui.expectAsk("Are you sure you want to delete the highlighted Purchase Order?", "Confirm Delete", "&Yes|&No",
                   ui::Icon::Warning)
        .answer(1);
    w.deleteButton()->click();
    EXPECT_FALSE(exists(third.POID));
    EXPECT_EQ(column(w.list(), 0), (std::vector<QString>{"1001", "1002"}));

    w.list()->selectRow(0);
    pressKey(w.list(), Qt::Key_Return);
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_TRUE(pick.selected());
    EXPECT_EQ(s.globals.DecimalVariable, first.POID);
}

TEST_F(EntViewTest, TheProceduresRunTheirWindowsThroughTheRegisteredViews) {
    addOrder("1001", 7);
    ent::registerEntryProcedures(s.procedures);
    gui::registerEntryViews(s.views);
    EXPECT_TRUE(s.views.has<ent::SearchPOMaster>());
    EXPECT_TRUE(s.views.has<ent::PickPOMaster>());
    EXPECT_TRUE(s.views.has<ent::DuplicatePO>());
    EXPECT_TRUE(s.views.has<ent::ConfirmBlankPO>());

    for (const char* name : {"BrowsePOMaster", "BrowsePOMasterNew"}) {
        int rows = -1;
        whenModal<gui::BrowsePOMasterView>([&](gui::BrowsePOMasterView* w) {
            rows = w->list()->model()->rowCount();
            w->button("&Tag")->click();
            w->button("Close")->click();
        });
        ASSERT_TRUE(s->call(name)) << name;
        EXPECT_EQ(rows, 1) << name;
        EXPECT_TRUE(s.globals.TagQue.empty()) << name << ": closing empties the tags";
        EXPECT_EQ(s.globals.GlobalResponse, suite::Response::Cancelled);
        EXPECT_GT(s.settings.getInt(name, "Width", 0), 0) << name << " keeps its place and size";
    }

    // The search window, opened from the browse's "..." button.
    int searchRows = -1;
    whenModal<gui::BrowsePOMasterView>([&](gui::BrowsePOMasterView* w) {
        whenModal<gui::SearchPOMasterView>([&](gui::SearchPOMasterView* sw) {
            typeText(sw->text(), "1001");
            sw->searchButton()->click();
            searchRows = sw->list()->model()->rowCount();
            sw->list()->selectRow(0);
            sw->selectButton()->click();
        });
        w->searchButton()->click();
        w->button("Close")->click();
    });
    s->call("BrowsePOMaster");
    EXPECT_EQ(searchRows, 1);
}
