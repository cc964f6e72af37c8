// The Qt windows of the services, driven through their widgets: each
// forwards to its controller and shows what the controller holds.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

#include "gui/qt_driver.h"
#include "gui/siblings/drop_list_view.h"
#include "gui/siblings/notes_view.h"
#include "gui/siblings/sibling_views.h"
#include "gui/siblings/small_views.h"
#include "siblings/services/services.h"
#include "support/test_session.h"

namespace vtl::test {
namespace {

class SiblingViewsTest : public ::testing::Test {
protected:
    SiblingViewsTest() {
        offscreenApp();
        services::registerServices(t_.procedures);
        gui::registerSiblingViews(t_.views);
    }
    TestSession t_;
};

QString cell(QTableView* list, int row, int column) {
    return list->model()->index(row, column).data().toString();
}

TEST_F(SiblingViewsTest, NotesWindowInsertsThroughItsFormAndDeletesAfterAsking) {
    t_.globals.UserID = "JKS";
    int rowsAfterInsert = -1;
    QString shownText;
    whenModal<gui::NotesView>([&](gui::NotesView* w) {
        EXPECT_FALSE(w->button("&Change")->isEnabled()) << "nothing to change in an empty list";
        whenModal<gui::NoteForm>([](gui::NoteForm* form) {
            typeText(form->heading(), "Delivery");
            form->text()->setPlainText("Gate code 4411");
            form->accept();
        });
        w->button("&Insert")->click();
        rowsAfterInsert = w->list()->model()->rowCount();
        shownText = cell(w->list(), 0, 3);
        EXPECT_TRUE(w->button("&Delete")->isEnabled());
        w->button("&Delete")->click();  // the question is the script's
        EXPECT_EQ(w->list()->model()->rowCount(), 0);
        w->button("Close")->click();
    });
    t_.ui.expectAsk(services::kConfirmDeleteText, services::kConfirmDeleteTitle, "&Yes|&No", ui::Icon::Question)
        .answer(1);
    EXPECT_TRUE(services::updateNotes(*t_, "POMaster", "7"));
    EXPECT_EQ(rowsAfterInsert, 1);
    EXPECT_EQ(shownText, "Gate code 4411");
}

TEST_F(SiblingViewsTest, NoteTextIsHeldToItsFieldLength) {
    gui::NoteForm form("Insert a Note", {Date::fromYmd(2026, 7, 1), "", ""});
    form.text()->setPlainText(QString(300, QChar('x')));
    EXPECT_EQ(form.draft().text.size(), 255u);
    EXPECT_EQ(form.draft().date, Date::fromYmd(2026, 7, 1));
}

TEST_F(SiblingViewsTest, DropListAddsWhatIsTypedAndSelects) {
    whenModal<gui::DropListView>([](gui::DropListView* w) {
        typeText(w->entry(), "Dan Lee");
        pressKey(w->entry(), Qt::Key_Return);
        typeText(w->entry(), "Mary Ortiz");
        w->button("&Add")->click();
        EXPECT_EQ(w->list()->model()->rowCount(), 2);
        EXPECT_EQ(w->currentRow(), 1) << "the value just added";
        EXPECT_TRUE(w->entry()->text().isEmpty());
        w->button("&Select")->click();
    });
    EXPECT_EQ(services::updateDropList(*t_, "POM Purchasing Agent", true), std::optional<std::string>("Mary Ortiz"));
}

TEST_F(SiblingViewsTest, SendToWindowCopiesTheListAndCloses) {
    whenModal<gui::SendToView>([](gui::SendToView* w) { w->clipboardButton()->click(); });
    t_.ui.expectTell("The list was copied to the clipboard.", services::kSendToTitle, ui::Icon::Information);
    services::sendListTo(*t_, "Purchase Orders", {"PO"}, {{"1001"}});
    ASSERT_EQ(t_.ui.clipboard().size(), 1u);
    EXPECT_EQ(t_.ui.clipboard()[0], "PO\n1001\n");
}

TEST_F(SiblingViewsTest, AccountEntryKeepsOnlyAccountCharactersAndRefusesUnknownAccounts) {
    whenModal<gui::AccountView>([](gui::AccountView* w) {
        w->entry()->clear();
        typeText(w->entry(), "12ab-3");
        EXPECT_EQ(w->entry()->text(), "12-3");
        w->accept();  // not on file: the window stays
        EXPECT_TRUE(w->isVisible());
        w->entry()->clear();
        w->accept();  // blank: no account
    });
    t_.ui.expectTell("Account 12-3 is not on file.", "Enter Account Number", ui::Icon::Exclamation);
    EXPECT_EQ(services::editAccountNum(*t_, ""), std::optional<std::string>(""));
}

}  // namespace
}  // namespace vtl::test
