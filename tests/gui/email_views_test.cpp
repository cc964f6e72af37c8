// The windows of e-mailing a purchase order: the choice of recipients with
// its check column, the e-mail window passing every edit to its controller,
// and the Setup window of the e-mail settings with its masked password.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>

#include "gui/email/compose_po_email_view.h"
#include "gui/email/po_email_select_view.h"
#include "gui/host/main_window.h"
#include "gui/host_fixture.h"
#include "gui/qt_driver.h"
#include "gui/setup/email_settings_view.h"
#include "gui/setup/setup_catalog.h"

namespace vtl::test {
namespace {

using rpt::Recipient;

Recipient entry(bool tagged, const std::string& name, const std::string& address) {
    return Recipient{tagged, name, address};
}

// A left click on a cell of a list, pressed and released as the mouse does.
void clickCell(QTableView* list, int row, int column) {
    const QPoint at = list->visualRect(list->model()->index(row, column)).center();
    const QPoint global = list->viewport()->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &release);
}

class KeptSender : public rpt::MailSender {
public:
    rpt::SendResult send(const rpt::EmailSettings&, const rpt::MailMessage& m) override {
        sent.push_back(m);
        return rpt::SendResult{true, "", 250};
    }
    std::vector<rpt::MailMessage> sent;
};

class EmailViewTest : public HostTest {
protected:
    static Qt::CheckState tag(QTableView* list, int row) {
        return list->model()->index(row, 0).data(Qt::CheckStateRole).value<Qt::CheckState>();
    }
    static QString text(QTableView* list, int row, int column) {
        return list->model()->index(row, column).data().toString();
    }
    void askNoneTagged(int answer) {
        ui_.expectAsk(rpt::POEmailSelect::kNoneTaggedText, rpt::POEmailSelect::kNoneTaggedTitle, "&Yes|&No",
                      ui::Icon::Question)
            .answer(answer);
    }
    static rpt::EmailSettings settings() {
        rpt::EmailSettings e;
        e.server = "mail.columbiaridge.example";
        e.from = "orders@columbiaridge.example";
        e.password = "Tr1ckyPass!";
        return e;
    }
};

TEST_F(EmailViewTest, TheChoiceListShowsTagsNamesAndAddressesAndSpaceOrAClickTurnsATag) {
    std::vector<Recipient> list{entry(true, "Dana Whitaker", "dana@cascadelumber.example"),
                                entry(false, "Jo Park", "jo@cascadelumber.example")};
    rpt::POEmailSelect select(ui_, list);
    gui::POEmailSelectView w(select);
    QTableView* l = w.list();
    EXPECT_EQ(w.windowTitle(), "Select E-mail Recipients");
    EXPECT_EQ(l->model()->headerData(1, Qt::Horizontal).toString(), "Name");
    EXPECT_EQ(l->model()->headerData(2, Qt::Horizontal).toString(), "Email");
    EXPECT_EQ(text(l, 1, 1), "Jo Park");
    EXPECT_EQ(text(l, 1, 2), "jo@cascadelumber.example");
    EXPECT_EQ(tag(l, 0), Qt::Checked);
    EXPECT_EQ(tag(l, 1), Qt::Unchecked);
    w.show();

    l->setCurrentIndex(l->model()->index(1, 1));
    pressKey(l, Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_TRUE(list[1].tagged);
    EXPECT_EQ(tag(l, 1), Qt::Checked);

    clickCell(l, 0, 0);
    EXPECT_FALSE(list[0].tagged);
    EXPECT_EQ(tag(l, 0), Qt::Unchecked);
    clickCell(l, 0, 1);  // the name: no tag turned
    EXPECT_FALSE(list[0].tagged);

    w.proceedButton()->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(list, (std::vector<Recipient>{entry(true, "Jo Park", "jo@cascadelumber.example")}));
}

TEST_F(EmailViewTest, ProceedWithNobodyTaggedStaysOnNoAndClosesOnYes) {
    std::vector<Recipient> list{entry(false, "Dana Whitaker", "dana@cascadelumber.example"),
                                entry(false, "Jo Park", "jo@cascadelumber.example")};
    rpt::POEmailSelect select(ui_, list);
    gui::POEmailSelectView w(select);
    w.show();
    askNoneTagged(2);
    w.proceedButton()->click();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(list.size(), 2u);
    askNoneTagged(1);
    w.reject();  // Escape or the close button: the same question
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(w.list()->model()->rowCount(), 0);
}

TEST_F(EmailViewTest, TheEmailWindowPassesEditsOnAndSendsOnlyACompleteMessage) {
    KeptSender sender;
    rpt::MailMessage m;
    m.to = {entry(true, rpt::kAddRecipient, "")};
    m.subject = "Purchase Order from Columbia Ridge Builders";
    m.body = "Please see attached Purchase Order.\n\nLuis Ortega";
    m.attachmentPath = "/data/print/PO 10452.pdf";
    rpt::ComposePOEmail compose(ui_, sender, settings(), m);
    gui::ComposePOEmailView w(compose);
    w.show();
    EXPECT_EQ(w.windowTitle(), "E-mail Purchase Order");
    EXPECT_EQ(w.subject()->text(), "Purchase Order from Columbia Ridge Builders");
    EXPECT_EQ(w.body()->toPlainText(), "Please see attached Purchase Order.\n\nLuis Ortega");
    EXPECT_EQ(w.attachment()->text(), "PO 10452.pdf");
    EXPECT_EQ(w.recipients()->currentIndex().row(), 0);
    EXPECT_EQ(w.recipients()->currentIndex().column(), 1) << "the address to complete";

    ui_.expectTell("Enter the e-mail address of a recipient before sending.", rpt::ComposePOEmail::kTitle,
                   ui::Icon::Exclamation);
    w.sendButton()->click();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(sender.sent.empty());

    QAbstractItemModel* model = w.recipients()->model();
    model->setData(model->index(0, 0), QStringLiteral("Dana Whitaker"));
    model->setData(model->index(0, 1), QStringLiteral("dana@cascadelumber.example"));
    w.addButton()->click();
    model->setData(model->index(1, 1), QStringLiteral("jo@cascadelumber"));
    w.subject()->setText("PO 10452");
    w.body()->setPlainText("Revised.");

    ui_.expectTell("\"jo@cascadelumber\" is not an e-mail address.|Correct it before sending.",
                   rpt::ComposePOEmail::kTitle, ui::Icon::Exclamation);
    w.sendButton()->click();
    EXPECT_EQ(w.recipients()->currentIndex().row(), 1) << "back on the entry refused";

    w.recipients()->setCurrentIndex(model->index(1, 0));
    w.removeButton()->click();
    w.sendButton()->click();
    EXPECT_FALSE(w.isVisible());
    ASSERT_EQ(sender.sent.size(), 1u);
    EXPECT_EQ(sender.sent[0].to, (std::vector<Recipient>{entry(true, "Dana Whitaker", "dana@cascadelumber.example")}));
    EXPECT_EQ(sender.sent[0].subject, "PO 10452");
    EXPECT_EQ(sender.sent[0].body, "Revised.");
    EXPECT_TRUE(compose.sent());
}

TEST_F(EmailViewTest, CancellingTheEmailWindowSendsNothing) {
    KeptSender sender;
    rpt::MailMessage m;
    m.to = {entry(true, "Dana Whitaker", "dana@cascadelumber.example")};
    rpt::ComposePOEmail compose(ui_, sender, settings(), m);
    gui::ComposePOEmailView w(compose);
    w.show();
    w.cancelButton()->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(compose.closed());
    EXPECT_FALSE(compose.sent());
    EXPECT_TRUE(sender.sent.empty());
}

TEST_F(EmailViewTest, TheSettingsWindowMasksThePasswordAndWritesOnOk) {
    settings_.parse("[Email]\nServer=mail.old.example\nSecurity=starttls\nPassword=Tr1ckyPass!\n[Main Window]\nX=3\n");
    rpt::EmailSetup setup(ui_, settings_);
    gui::EmailSettingsView w(setup);
    w.show();
    EXPECT_EQ(w.password()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(w.password()->text(), "Tr1ckyPass!");
    EXPECT_EQ(w.server()->text(), "mail.old.example");
    EXPECT_EQ(w.security()->currentIndex(), 1);

    w.server()->setText("mail.columbiaridge.example");
    w.port()->setValue(2525);
    w.security()->setCurrentIndex(2);
    w.user()->setText("orders");
    w.password()->setText("N3w-Secret");
    w.from()->setText("Columbia Ridge Builders <orders@columbiaridge.example>");
    w.okButton()->click();
    EXPECT_FALSE(w.isVisible());

    suite::IniFile reread(dir_.file("vtlpo.INI"));
    const rpt::EmailSettings saved = rpt::readEmailSettings(reread);
    EXPECT_EQ(saved.server, "mail.columbiaridge.example");
    EXPECT_EQ(saved.port, 2525);
    EXPECT_EQ(saved.security, rpt::Security::Tls);
    EXPECT_EQ(saved.user, "orders");
    EXPECT_EQ(saved.password, "N3w-Secret");
    EXPECT_EQ(saved.from, "Columbia Ridge Builders <orders@columbiaridge.example>");
    EXPECT_EQ(reread.get("Main Window", "X", ""), "3");
}

TEST_F(EmailViewTest, AnUnknownSecurityIsShownAsNoChoiceAndMustBeChosen) {
    settings_.parse("[Email]\nServer=mail.old.example\nSecurity=ssl\n");
    rpt::EmailSetup setup(ui_, settings_);
    gui::EmailSettingsView w(setup);
    w.show();
    EXPECT_EQ(w.security()->currentIndex(), -1);
    ui_.expectTell("The e-mail security must be none, starttls or tls.", rpt::EmailSetup::kTitle,
                   ui::Icon::Exclamation);
    w.okButton()->click();
    EXPECT_TRUE(w.isVisible());
    w.security()->setCurrentIndex(0);
    w.okButton()->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(rpt::readEmailSettings(settings_).security, rpt::Security::None);
}

TEST_F(EmailViewTest, TheSetupMenuOpensTheEmailSettingsOnceTheirWindowIsRegistered) {
    setup::SetupCatalog catalog(6);
    {
        host::MainWindow w(session_, catalog);
        ASSERT_NE(w.setupAction("E-mail Settings"), nullptr);
        EXPECT_FALSE(w.setupAction("E-mail Settings")->isEnabled());
    }
    int opened = 0;
    views_.set<rpt::EmailSetup>([&](rpt::EmailSetup& s) {
        ++opened;
        s.values.server = "mail.columbiaridge.example";
        s.ok();
    });
    host::MainWindow w(session_, catalog);
    EXPECT_TRUE(w.setupAction("E-mail Settings")->isEnabled());
    EXPECT_EQ(w.setupAction("E-mail Settings")->text(), "E-&mail Settings...");
    w.setupAction("E-mail Settings")->trigger();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(rpt::readEmailSettings(suite::IniFile(dir_.file("vtlpo.INI"))).server, "mail.columbiaridge.example");
}

}  // namespace
}  // namespace vtl::test
