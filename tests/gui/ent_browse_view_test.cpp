// The purchase-order browse window over its controller: what the list shows
// (headers, cells, icons, colours), and that each control reaches the
// controller and the window then shows the controller's list again.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

#include "ent_fixture.h"
#include "gui/ent/browse_model.h"
#include "gui/ent/browse_view.h"
#include "gui/table_model.h"

using namespace vtl;
using namespace vtl::test;
using ent::BrowseIcon;
using ent::BrowsePOMaster;
using gui::BrowseModel;
using gui::BrowsePOMasterView;

namespace {

constexpr int kTag = 0, kIcon = 1, kNumber = 2, kVendorId = 3, kVendor = 4, kIssued = 5, kJob = 6, kAmount = 7,
              kRemaining = 8;

int current(const BrowsePOMasterView& w) { return w.list()->currentIndex().row(); }

}  // namespace

TEST_F(EntViewTest, TheListShowsItsColumnsCellsIconsAndColours) {
    POMaster received = addOrder("1001", 1042, 0, "250.00");
    addNailLine(received, "4", "1");
    POMaster partial = addOrder("1002", 7, 1, "80.00");
    partial.AmountReconciled = *Money::parse("30.00");
    partial.DefaultJob = "J100";
    ASSERT_TRUE(store::Table<POMaster>(s.store()).update(partial));
    addOrder("1003", 7, 2);
    addOrder("1004", 7);
    BrowsePOMaster b(*s);
    b.open();
    b.setShowFullyReconciled(true);
    BrowsePOMasterView w(b);
    w.show();
    QTableView* list = w.list();

    std::vector<QString> headers;
    for (int c = 0; c < list->model()->columnCount(); ++c)
        headers.push_back(list->model()->headerData(c, Qt::Horizontal).toString());
    EXPECT_EQ(headers, (std::vector<QString>{"", "", "PO Number", "ID", "Vendor Name", "Issue Date", "Job", "Amount",
                                             "Remaining"}));
    const auto alignment = [&](int c) {
        return list->model()->index(0, c).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask;
    };
    EXPECT_EQ(alignment(kNumber), Qt::AlignLeft);
    EXPECT_EQ(alignment(kVendorId), Qt::AlignRight);
    EXPECT_EQ(alignment(kVendor), Qt::AlignLeft);
    EXPECT_EQ(alignment(kIssued), Qt::AlignRight);
    EXPECT_EQ(alignment(kJob), Qt::AlignLeft);
    EXPECT_EQ(alignment(kRemaining), Qt::AlignRight);
    // Columns are at least as wide as their dialog units say.
    EXPECT_GE(list->columnWidth(kVendor), gui::dialogUnitsToPixels(list, 125));
    EXPECT_GE(list->columnWidth(kNumber), gui::dialogUnitsToPixels(list, 85));

    // The list shows all four orders in key order (by POID when fully
    // reconciled orders show).
    EXPECT_EQ(column(list, kNumber), (std::vector<QString>{"1001", "1002", "1003", "1004"}));
    EXPECT_EQ(cell(list, 0, kVendorId), "1042");
    EXPECT_EQ(cell(list, 0, kVendor), "Cascade Lumber");
    EXPECT_EQ(cell(list, 0, kIssued), "6/01/26");
    EXPECT_EQ(cell(list, 1, kJob), "J100");
    EXPECT_EQ(cell(list, 0, kAmount), "250.00");
    EXPECT_EQ(cell(list, 1, kRemaining), "50.00");
    EXPECT_EQ(cell(list, 0, kTag), "") << "the tag mark is a picture, not a star";

    for (int r = 0; r < 4; ++r) EXPECT_EQ(shownIcon(list, r, kTag), icon(BrowseIcon::CheckOff)) << r;
    EXPECT_EQ(shownIcon(list, 0, kIcon), icon(BrowseIcon::PartialGreen));
    EXPECT_EQ(shownIcon(list, 1, kIcon), icon(BrowseIcon::Partial));
    EXPECT_EQ(shownIcon(list, 2, kIcon), icon(BrowseIcon::Full));
    EXPECT_EQ(shownIcon(list, 3, kIcon), icon(BrowseIcon::CheckOff));

    // Grey for the fully reconciled order only, lighter when highlighted.
    const QModelIndex closed = list->model()->index(2, kVendor);
    EXPECT_EQ(closed.data(Qt::ForegroundRole).value<QColor>(), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(closed.data(BrowseModel::SelectedForegroundRole).value<QColor>(), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_FALSE(list->model()->index(1, kVendor).data(Qt::ForegroundRole).isValid());
    // Every second row in the button face.
    const QColor face = QApplication::palette().color(QPalette::Button);
    EXPECT_FALSE(list->model()->index(0, kNumber).data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(list->model()->index(1, kNumber).data(Qt::BackgroundRole).value<QBrush>().color(), face);
    EXPECT_FALSE(list->model()->index(2, kAmount).data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(list->model()->index(3, kAmount).data(Qt::BackgroundRole).value<QBrush>().color(), face);
}

TEST_F(EntViewTest, TheSixIconsAreDistinctPictures) {
    const BrowseIcon all[] = {BrowseIcon::Full,     BrowseIcon::FullGreen, BrowseIcon::Partial,
                              BrowseIcon::CheckOff, BrowseIcon::CheckOn,   BrowseIcon::PartialGreen};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_FALSE(icon(all[i]).isNull());
        for (std::size_t j = i + 1; j < 6; ++j) EXPECT_NE(icon(all[i]), icon(all[j])) << i << " " << j;
    }
    BrowsePOMaster b(*s);
    b.open();
    BrowsePOMasterView w(b);
    EXPECT_EQ(w.legend()->title(), "Reconciliation");
    std::vector<QString> texts;
    for (auto* label : w.legend()->findChildren<QLabel*>())
        if (!label->text().isEmpty()) texts.push_back(label->text());
    EXPECT_EQ(texts, (std::vector<QString>{"Status Icons:", "Partial with Packing Slip", "Full with Packing Slip",
                                           "Partial with Invoice", "Full with Invoice"}));
}

TEST_F(EntViewTest, TagButtonSpaceBarAndAClickInTheTagColumnToggleTheMark) {
    for (const char* n : {"1001", "1002", "1003"}) addOrder(n, 7);
    BrowsePOMaster b(*s);
    b.open();
    BrowsePOMasterView w(b);
    w.show();
    QTableView* list = w.list();

    list->selectRow(1);
    w.button("&Tag")->click();
    EXPECT_EQ(shownIcon(list, 1, kTag), icon(BrowseIcon::CheckOn));
    EXPECT_EQ(shownIcon(list, 0, kTag), icon(BrowseIcon::CheckOff));
    EXPECT_EQ(current(w), 1) << "the highlight stays on its row";

    pressKey(list, Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_EQ(shownIcon(list, 1, kTag), icon(BrowseIcon::CheckOff));

    clickCell(list, 2, kTag);
    EXPECT_EQ(shownIcon(list, 2, kTag), icon(BrowseIcon::CheckOn));
    EXPECT_EQ(current(w), 2);
    EXPECT_EQ(s.globals.TagQue.size(), 1u);
    clickCell(list, 0, kVendor);  // elsewhere a click only moves the highlight
    EXPECT_EQ(s.globals.TagQue.size(), 1u);
    EXPECT_EQ(b.highlighted(), 0);

    list->selectRow(2);
    w.button("Tag &all")->click();
    EXPECT_EQ(current(w), 2);
    for (int r = 0; r < 3; ++r) EXPECT_EQ(shownIcon(list, r, kTag), icon(BrowseIcon::CheckOn)) << r;
    w.button("&Rev tags")->click();
    for (int r = 0; r < 3; ++r) EXPECT_EQ(shownIcon(list, r, kTag), icon(BrowseIcon::CheckOff)) << r;
}

TEST_F(EntViewTest, TheShowTagsButtonNamesTheModeAndTheListFollows) {
    for (const char* n : {"1001", "1002", "1003"}) addOrder(n, 7);
    BrowsePOMaster b(*s);
    b.open();
    BrowsePOMasterView w(b);
    w.show();
    QPushButton* mode = w.showTagsButton();
    EXPECT_EQ(mode->text(), "Show All");
    w.list()->selectRow(1);
    w.button("&Tag")->click();

    mode->click();
    EXPECT_EQ(mode->text(), "Showing Tagged");
    EXPECT_EQ(column(w.list(), kNumber), (std::vector<QString>{"1002"}));
    mode->click();
    EXPECT_EQ(mode->text(), "Showing UnTagged");
    EXPECT_EQ(column(w.list(), kNumber), (std::vector<QString>{"1001", "1003"}));
    mode->click();
    EXPECT_EQ(mode->text(), "Show All");
    EXPECT_EQ(w.list()->model()->rowCount(), 3);
}

TEST_F(EntViewTest, TheLocatorMovesTheHighlightAsTheNumberIsTyped) {
    for (const char* n : {"A-100", "a-200", "B-1", "C-9"}) addOrder(n, 7);
    BrowsePOMaster b(*s);
    b.open();
    BrowsePOMasterView w(b);
    w.show();
    EXPECT_EQ(w.locator()->maxLength(), 20);
    typeText(w.locator(), "b");
    EXPECT_EQ(cell(w.list(), current(w), kNumber), "B-1");
    w.locator()->clear();
    typeText(w.locator(), "a-2");
    EXPECT_EQ(cell(w.list(), current(w), kNumber), "a-200");
    EXPECT_EQ(b.highlighted(), current(w)) << "the controller acts on the located order";
    // Numbers order by their characters: capitals first.
    EXPECT_EQ(column(w.list(), kNumber), (std::vector<QString>{"A-100", "B-1", "C-9", "a-200"}));
    pressKey(w.locator(), Qt::Key_Up);
    EXPECT_EQ(cell(w.list(), current(w), kNumber), "C-9") << "arrows in the locator move the list";
    EXPECT_EQ(b.highlighted(), 2);
}

TEST_F(EntViewTest, AHeaderClickSortsThenDescendsThenRestoresTheOrder) {
    addOrder("1001", 1042, 0, "50.00");
    addOrder("1002", 7, 0, "900.00");
    addOrder("1003", 1042, 0, "10.00");
    BrowsePOMaster b(*s);
    b.open();
    BrowsePOMasterView w(b);
    w.show();
    QHeaderView* header = w.list()->horizontalHeader();

    clickHeader(w.list(), kAmount);
    EXPECT_EQ(column(w.list(), kNumber), (std::vector<QString>{"1003", "1001", "1002"}));
    EXPECT_EQ(header->sortIndicatorSection(), kAmount);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    clickHeader(w.list(), kAmount);
    EXPECT_EQ(column(w.list(), kNumber), (std::vector<QString>{"1002", "1001", "1003"}));
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    clickHeader(w.list(), kAmount);
    EXPECT_EQ(column(w.list(), kNumber), (std::vector<QString>{"1001", "1002", "1003"}));
    EXPECT_EQ(b.sortColumn(), std::nullopt);
    EXPECT_NE(header->sortIndicatorSection(), kAmount);

    clickHeader(w.list(), kVendor);
    EXPECT_EQ(column(w.list(), kVendor), (std::vector<QString>{"Acme Supply", "Cascade Lumber", "Cascade Lumber"}));
}

TEST_F(EntViewTest, CheckBoxesRefreshTheListAndSendToNeedsRows) {
    addOrder("1001", 7, 2);
    POMaster over = addOrder("1002", 7, 1, "100.00");
    over.AmountReconciled = *Money::parse("120.00");
    ASSERT_TRUE(store::Table<POMaster>(s.store()).update(over));
    BrowsePOMaster b(*s);
    b.open();
    BrowsePOMasterView w(b);
    w.show();
    EXPECT_EQ(column(w.list(), kNumber), (std::vector<QString>{"1002"}));
    EXPECT_EQ(cell(w.list(), 0, kRemaining), "0.00");
    w.negativeRemainingBox()->click();
    EXPECT_EQ(cell(w.list(), 0, kRemaining), "-20.00");
    w.showFullyReconciledBox()->click();
    EXPECT_EQ(w.list()->model()->rowCount(), 2);
    EXPECT_TRUE(w.button("Send List Contents To...")->isEnabled());
    EXPECT_TRUE(w.listMenu()->actions().front()->isEnabled());

    w.showFullyReconciledBox()->click();
    w.showTagsButton()->click();  // showing tagged: nothing is
    EXPECT_EQ(w.list()->model()->rowCount(), 0);
    EXPECT_FALSE(w.button("Send List Contents To...")->isEnabled());
    EXPECT_FALSE(w.listMenu()->actions().front()->isEnabled());
    EXPECT_EQ(w.listMenu()->actions().front()->text(), "SendTo");

    w.repetitiveInsertBox()->setChecked(false);
    EXPECT_EQ(s.module.repetitiveInsert, 0);
    w.repetitiveInsertBox()->setChecked(true);
    EXPECT_EQ(s.module.repetitiveInsert, 1);
}

TEST_F(EntViewTest, TheGenerateMenuPreviewsOrPrintsDirectly) {
    addOrder("1001", 7);
    std::vector<int> previewWhenPrinted;
    s.procedures.set("PrintPurchaseOrderServer",
                     [&](Session& session) { previewWhenPrinted.push_back(session.globals.PrintPreview); });
    BrowsePOMaster b(*s);
    b.open();
    BrowsePOMasterView w(b);
    const auto captions = [&] {
        std::vector<QString> v;
        for (QAction* a : w.generateMenu()->actions()) v.push_back(a->text());
        return v;
    }();
    EXPECT_EQ(captions, (std::vector<QString>{"Preview the Report to Screen", "Print Report Directly to Default Printer",
                                              "Cancel"}));
    for (int i = 0; i < 2; ++i)
        s.ui.expectAsk("Would you like to print the highlighted Purchase Order,|or print Purchase Orders using a Limit "
                       "Screen?",
                       "Select Printing Preference", "&Highlighted|&Limit Screen|&Cancel", ui::Icon::Warning)
            .answer(1);
    w.generateMenu()->actions()[1]->trigger();
    w.generateMenu()->actions()[0]->trigger();
    w.generateMenu()->actions()[2]->trigger();  // asks nothing
    EXPECT_EQ(previewWhenPrinted, (std::vector<int>{0, 1}));
}

TEST_F(EntViewTest, EnterChangesTheHighlightedOrderAndViewModeOffersNoMaintenance) {
    addOrder("1001", 7);
    POMaster second = addOrder("1002", 7);
    std::vector<ULong> changed;
    s.procedures.set("UpdatePOMaster", [&](Session& session) {
        if (session.globals.GlobalRequest == suite::Request::Change) changed.push_back(session.globals.DecimalVariable);
    });
    {
        BrowsePOMaster b(*s);
        b.open();
        BrowsePOMasterView w(b);
        w.show();
        EXPECT_EQ(w.windowTitle(), "Purchase Orders");
        EXPECT_EQ(w.button("&Select"), nullptr);
        w.list()->selectRow(1);
        pressKey(w.list(), Qt::Key_Return);
        EXPECT_EQ(changed, (std::vector<ULong>{second.POID}));
        EXPECT_EQ(current(w), 1);
    }
    s.globals.GlobalRequest = suite::Request::View;
    BrowsePOMaster b(*s);
    b.open();
    BrowsePOMasterView w(b);
    for (const char* caption : {"&Insert", "&Change", "&Delete"}) EXPECT_FALSE(w.button(caption)->isEnabled()) << caption;
    EXPECT_TRUE(w.button("&Duplicate")->isEnabled());
    pressKey(w.list(), Qt::Key_Return);
    EXPECT_EQ(changed.size(), 1u);
}

TEST_F(EntViewTest, FunctionKeysSearchInsertAndOpenHelp) {
    addOrder("1001", 7);
    std::vector<std::string> calls;
    s.procedures.set("SearchPOMaster", [&](Session&) { calls.push_back("search"); });
    s.procedures.set("UpdatePOMaster", [&](Session& session) {
        if (session.globals.GlobalRequest == suite::Request::Insert) calls.push_back("insert");
    });
    BrowsePOMaster b(*s);
    b.open();
    BrowsePOMasterView w(b);
    const auto press = [&](QKeySequence key) {
        for (QShortcut* sc : w.findChildren<QShortcut*>())
            if (sc->key() == key) emit sc->activated();
    };
    press(QKeySequence(Qt::Key_F2));
    press(QKeySequence(Qt::Key_Insert));
    EXPECT_EQ(calls, (std::vector<std::string>{"search", "insert"}));
    // No help pages in the test's installation: the window's topic is named.
    s.ui.expectAsk("The help page for this window is not installed.|" + s.dir.path() +
                       "/html/PO_Enter_Purchase_Orders.htm",
                   "Help", "&OK", ui::Icon::Information);
    press(QKeySequence(QKeySequence::HelpContents));
}

TEST_F(EntViewTest, SelectModeHandsBackTheHighlightedOrder) {
    addOrder("1001", 7);
    POMaster wanted = addOrder("1002", 7);
    s.globals.GlobalRequest = suite::Request::Select;
    BrowsePOMaster b(*s);
    b.open();
    BrowsePOMasterView w(b);
    w.show();
    EXPECT_TRUE(w.windowTitle().contains("Select"));
    ASSERT_NE(w.button("&Select"), nullptr);
    w.list()->selectRow(1);
    w.button("&Select")->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_TRUE(b.selected());
    EXPECT_EQ(s.globals.DecimalVariable, wanted.POID);
}

TEST_F(EntViewTest, ALargeListOpensWithoutReadingRowsItDoesNotShow) {
    constexpr int kOrders = 20000;
    {
        store::Transaction tx(s.store());
        store::Table<POMaster> orders(s.store());
        for (int i = 0; i < kOrders; ++i) {
            POMaster po;
            char number[16];
            std::snprintf(number, sizeof number, "P%06d", i);
            po.PONumber = number;
            po.VendorID = 7;
            po.POAmount = *Money::parse("10.00");
            ASSERT_TRUE(orders.insert(po));
        }
        ASSERT_TRUE(tx.commit());
    }
    BrowsePOMaster b(*s);
    b.open();
    QElapsedTimer clock;
    clock.start();
    BrowsePOMasterView w(b);
    w.show();
    QApplication::processEvents();
    w.list()->viewport()->repaint();
    EXPECT_EQ(w.list()->model()->rowCount(), kOrders);
    EXPECT_LT(w.model()->rowsAsked(), 150) << "rows were read for the whole list";
    w.list()->scrollToBottom();
    w.list()->viewport()->repaint();
    EXPECT_LT(w.model()->rowsAsked(), 250);
    EXPECT_LT(clock.elapsed(), 5000) << "opening must not depend on the length of the list";
    EXPECT_EQ(cell(w.list(), kOrders - 1, kNumber), "P019999");
}
