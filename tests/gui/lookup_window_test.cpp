// The generic look-up list driven through its widgets: the locator moves the
// highlight, Select answers the highlighted row's key, Cancel answers
// nothing; and it stays quick on a long list.
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>

#include "gui/lookup_window.h"
#include "gui/table_model.h"
#include "gui/qt_ui.h"
#include "gui/qt_driver.h"

namespace vtl::test {
namespace {

using gui::LookupWindow;

ui::LookupSpec vendors(int count = 0) {
    ui::LookupSpec spec;
    spec.title = "Select a Vendor";
    spec.columns = {{"Vendor Name", 140, ui::Align::Left}, {"Vendor ID", 40, ui::Align::Right}};
    spec.rows = [count] {
        std::vector<ui::LookupRow> rows{{"3", {"Acme Lumber", "3"}},
                                        {"1", {"Baker Supply", "1"}},
                                        {"7", {"smith & sons", "7"}},
                                        {"2", {"Smithfield Concrete", "2"}},
                                        {"9", {"Zenith Steel", "9"}}};
        for (int i = 0; i < count; ++i) {
            const std::string n = std::to_string(100000 + i);
            rows.push_back({n, {"Vendor " + n, n}});
        }
        return rows;
    };
    return spec;
}

class LookupWindowTest : public ::testing::Test {
protected:
    LookupWindowTest() { offscreenApp(); }
    gui::QtUi ui_;
};

TEST_F(LookupWindowTest, TypingMovesTheHighlightAndSelectAnswersThatRow) {
    std::vector<int> rowsSeen;
    whenModal<LookupWindow>([&](LookupWindow* w) {
        EXPECT_EQ(w->windowTitle(), "Select a Vendor");
        EXPECT_EQ(w->currentRow(), 0) << "the first row is highlighted when nothing is asked";
        typeText(w->locator(), "SMI");
        rowsSeen.push_back(w->currentRow());
        typeText(w->locator(), "thf");
        rowsSeen.push_back(w->currentRow());
        typeText(w->locator(), "x");  // no name starts so: the highlight stays
        rowsSeen.push_back(w->currentRow());
        pressKey(w->locator(), Qt::Key_Down);  // the arrows move the list from the locator
        rowsSeen.push_back(w->currentRow());
        pressKey(w->locator(), Qt::Key_Return);
    });
    EXPECT_EQ(ui_.lookup(vendors()), std::optional<std::string>("9"));
    EXPECT_EQ(rowsSeen, (std::vector<int>{2, 3, 3, 4}));
}

TEST_F(LookupWindowTest, CancelAndEscapeAnswerNothing) {
    whenModal<LookupWindow>([](LookupWindow* w) {
        typeText(w->locator(), "b");
        w->cancelButton()->click();
    });
    EXPECT_EQ(ui_.lookup(vendors()), std::nullopt);
    whenModal<LookupWindow>([](LookupWindow* w) { pressKey(w->locator(), Qt::Key_Escape); });
    EXPECT_EQ(ui_.lookup(vendors()), std::nullopt);
}

TEST_F(LookupWindowTest, OpensOnTheCurrentKeyOrTheTextToLocate) {
    auto spec = vendors();
    spec.currentKey = "2";
    spec.locate = "ac";  // the current record wins over the text
    LookupWindow byKey(spec);
    EXPECT_EQ(byKey.currentRow(), 3);

    spec.currentKey.clear();
    LookupWindow byText(spec);
    EXPECT_EQ(byText.currentRow(), 0);
    EXPECT_EQ(byText.locator()->text(), "ac");
    spec.locate = "Bak";
    EXPECT_EQ(LookupWindow(spec).currentRow(), 1);

    spec.locatorColumn = 1;
    spec.locate = "7";
    EXPECT_EQ(LookupWindow(spec).currentRow(), 2) << "the locator searches its own column";
}

TEST_F(LookupWindowTest, DoubleClickSelectsAndAnEmptyListSelectsNothing) {
    LookupWindow w(vendors());
    w.show();
    const QModelIndex third = w.list()->model()->index(2, 0);
    const QPoint at = w.list()->visualRect(third).center();
    const QPoint global = w.list()->viewport()->mapToGlobal(at);
    // What the mouse sends for a double-click: press, release, double-click, release.
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                              QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, at, global, Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(w.list()->viewport(), &e);
    }
    EXPECT_EQ(w.chosenKey(), std::optional<std::string>("7"));

    ui::LookupSpec none = vendors();
    none.rows = [] { return std::vector<ui::LookupRow>{}; };
    LookupWindow empty(none);
    EXPECT_FALSE(empty.selectButton()->isEnabled());
    empty.select();
    EXPECT_EQ(empty.chosenKey(), std::nullopt);
}

TEST_F(LookupWindowTest, ColumnsTakeTheirHeadersWidthsAndAlignment) {
    LookupWindow w(vendors());
    auto* model = w.list()->model();
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "Vendor Name");
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "Vendor ID");
    const int avg = w.list()->fontMetrics().averageCharWidth();
    EXPECT_EQ(w.list()->columnWidth(0), 140 * avg / 4) << "dialog units are quarters of an average character";
    EXPECT_EQ(model->data(model->index(0, 1), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    EXPECT_EQ(model->data(model->index(0, 0), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask,
              Qt::AlignLeft);
    EXPECT_FALSE(w.helpButton()->isVisibleTo(&w)) << "no topic, no Help";

    int opened = 0;
    w.setHelp([&] { ++opened; });
    EXPECT_TRUE(w.helpButton()->isVisibleTo(&w));
    w.helpButton()->click();
    EXPECT_EQ(opened, 1);
}

TEST_F(LookupWindowTest, HelpOfAMissingPageSaysSo) {
    ui_.setInstallFolder("/nonexistent/vantrel");
    auto spec = vendors();
    spec.helpTopic = "html/Vendors.htm";
    QString told;
    whenModal<LookupWindow>([&](LookupWindow* w) {
        whenModal<QMessageBox>([&](QMessageBox* box) {
            told = box->text();
            box->buttons().at(0)->click();
        });
        w->helpButton()->click();
        w->cancelButton()->click();
    });
    EXPECT_EQ(ui_.lookup(spec), std::nullopt);
    EXPECT_EQ(told, "The help page for this window is not installed.\n/nonexistent/vantrel/html/Vendors.htm");
}

TEST_F(LookupWindowTest, TenThousandRowsOpenAndLocateQuickly) {
    QElapsedTimer clock;
    clock.start();
    LookupWindow w(vendors(10000));
    w.show();
    QApplication::processEvents();
    const qint64 opening = clock.elapsed();
    clock.restart();
    typeText(w.locator(), "vendor 109999");
    const qint64 locating = clock.elapsed();
    EXPECT_EQ(w.list()->model()->rowCount(), 10005);
    EXPECT_EQ(w.currentRow(), 10004);
    EXPECT_LT(opening, 1500) << "ms to open";
    EXPECT_LT(locating, 500) << "ms for 13 keystrokes";
}

}  // namespace
}  // namespace vtl::test

namespace vtl::test {

TEST(LookupWindowFit, ALastColumnTooNarrowForItsValuesIsWidenedSoTheyShowWhole) {
    offscreenApp();
    ui::LookupSpec spec;
    spec.title = "Select a Vendor";
    spec.columns = {{"Vendor Name", 140}, {"Phone", 50}};
    spec.rows = [] {
        return std::vector<ui::LookupRow>{{"101", {"Cascade Lumber & Millwork", "(360) 555-0111 x20"}}};
    };
    gui::LookupWindow w(spec);
    const int phone = w.list()->fontMetrics().horizontalAdvance(QStringLiteral("(360) 555-0111 x20"));
    EXPECT_GT(phone, gui::dialogUnitsToPixels(w.list(), 50)) << "the declared width is too narrow";
    EXPECT_GE(w.list()->columnWidth(1), phone);
}

}  // namespace vtl::test
