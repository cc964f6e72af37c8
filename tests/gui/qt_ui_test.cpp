// QtUi: the suite's messages as message boxes, its filters in Qt's terms,
// and the busy cursor, progress window and clipboard.
#include <QClipboard>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

#include "gui/qt_text.h"
#include "gui/qt_ui.h"
#include "gui/qt_driver.h"

namespace vtl::test {
namespace {

class QtUiTest : public ::testing::Test {
protected:
    QtUiTest() { offscreenApp(); }
    gui::QtUi ui_;
};

QStringList captions(QMessageBox* box) {
    QStringList out;
    for (QAbstractButton* b : box->buttons()) out << b->text();
    return out;
}

TEST_F(QtUiTest, AskShowsTheButtonsAsGivenAndAnswersTheirNumber) {
    QString title, text, defaultCaption;
    QStringList shown;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenModal<QMessageBox>([&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        shown = captions(box);
        icon = box->icon();
        defaultCaption = box->defaultButton() ? box->defaultButton()->text() : QString();
        box->buttons().at(1)->click();
    });
    EXPECT_EQ(ui_.ask("Print the|highlighted or tagged orders?", "Print", "&Highlighted|&Tagged|&Cancel",
                      ui::Icon::Question, 2),
              2);
    EXPECT_EQ(title, "Print");
    EXPECT_EQ(text, "Print the\nhighlighted or tagged orders?");
    EXPECT_EQ(shown, (QStringList{"&Highlighted", "&Tagged", "&Cancel"})) << "mnemonics kept, in order";
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(defaultCaption, "&Tagged");

    whenModal<QMessageBox>([](QMessageBox* box) { box->buttons().at(2)->click(); });
    EXPECT_EQ(ui_.ask("x", "t", "&Highlighted|&Tagged|&Cancel", ui::Icon::Question), 3);
}

TEST_F(QtUiTest, EscapeAnswersTheLastButtonAndTellHasOneOk) {
    whenModal<QMessageBox>([](QMessageBox* box) { pressKey(box, Qt::Key_Escape); });
    EXPECT_EQ(ui_.ask("Delete it?", "Confirm Delete", "&Yes|&No", ui::Icon::Warning), 2);

    QStringList shown;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenModal<QMessageBox>([&](QMessageBox* box) {
        shown = captions(box);
        icon = box->icon();
        pressKey(box, Qt::Key_Return);
    });
    ui_.tell("Done.", "Export", ui::Icon::Error);
    EXPECT_EQ(shown, QStringList{"&OK"});
    EXPECT_EQ(icon, QMessageBox::Critical);
}

TEST_F(QtUiTest, FiltersBecomeQtFilters) {
    EXPECT_EQ(gui::qtFileFilter("Text Files|*.txt|All Files|*.*"), "Text Files (*.txt);;All Files (*.*)");
    EXPECT_EQ(gui::qtFileFilter("All Files|*.*|Images|*.tif;*.bmp;*.jpg;*.gif|Web Pages|*.htm*;*.php"),
              "All Files (*.*);;Images (*.tif *.bmp *.jpg *.gif);;Web Pages (*.htm* *.php)");
    EXPECT_EQ(gui::qtFileFilter("CSV Files|*.csv|"), "CSV Files (*.csv)");
    EXPECT_EQ(gui::qtFileFilter("Everything"), "Everything (*)");
    EXPECT_EQ(gui::qtFileFilter(""), "");
}

TEST_F(QtUiTest, TheBusyCursorCountsNestedCalls) {
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ui_.setBusy(true);
    ui_.setBusy(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    ui_.setBusy(false);
    EXPECT_NE(QApplication::overrideCursor(), nullptr) << "still busy in the outer call";
    ui_.setBusy(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ui_.setBusy(false);  // one too many does no harm
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    {
        ui::BusyCursor busy(ui_);
        EXPECT_EQ(ui_.busyDepth(), 1);
    }
    EXPECT_EQ(ui_.busyDepth(), 0);
}

TEST_F(QtUiTest, ProgressReportsCancel) {
    auto progress = ui_.progress("Rebuilding", "Reading purchase orders");
    progress->setRange(10);
    progress->setValue(3);
    EXPECT_FALSE(progress->cancelled());
    auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Rebuilding");
    EXPECT_EQ(dialog->labelText(), "Reading purchase orders");
    EXPECT_EQ(dialog->value(), 3);
    progress->setText("Writing");
    EXPECT_EQ(dialog->labelText(), "Writing");
    dialog->cancel();
    EXPECT_TRUE(progress->cancelled());
}

TEST_F(QtUiTest, ClipboardGetsTheText) {
    ui_.copyToClipboard("PO Number\tVendor\n1001\tBaker\n");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "PO Number\tVendor\n1001\tBaker\n");
}

}  // namespace
}  // namespace vtl::test
