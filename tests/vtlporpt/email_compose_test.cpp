// What an e-mailed purchase order says and how the e-mail window sends it:
// the body and subject, the checks of addresses, the window's refusals and
// the server's, the whole step from recipients to sending, and the same
// without windows for the batch tool.
#include "platform/suite/module_shared.h"
#include "vtlporpt/email/compose_po_email.h"
#include "vtlporpt/email/email_po.h"
#include "vtlporpt/email/po_email_select.h"
#include "vtlporpt/email_fixture.h"
#include "vtlporpt/print_shared.h"

using namespace vtl;
using namespace vtl::test;
using rpt::ComposePOEmail;
using rpt::Recipient;

namespace {

Recipient to(const std::string& name, const std::string& address) {
    Recipient r;
    r.tagged = true;
    r.name = name;
    r.address = address;
    return r;
}

rpt::MailMessage message(std::vector<Recipient> recipients) {
    rpt::MailMessage m;
    m.to = std::move(recipients);
    m.subject = "Purchase Order from Columbia Ridge Builders";
    m.body = rpt::kPOEmailBody;
    m.attachmentPath = "/data/print/PO 10452.pdf";
    return m;
}

class ComposeTest : public EmailTest {
protected:
    void expectRefusal(const std::string& text) {
        s.ui.expectTell(text, ComposePOEmail::kTitle, ui::Icon::Exclamation);
    }
    FakeSender sender;
};

TEST_F(ComposeTest, TheBodyIsTheSentenceAloneWithoutASignature) {
    addUser("JDL", "");
    addUser("LAO", "Luis Ortega\nPurchasing, Columbia Ridge Builders\n360-555-0100   ");
    EXPECT_EQ(rpt::poEmailBody(s.store(), "JDL"), "Please see attached Purchase Order.");
    EXPECT_EQ(rpt::poEmailBody(s.store(), "XYZ"), "Please see attached Purchase Order.") << "no such user";
    EXPECT_EQ(rpt::poEmailBody(s.store(), ""), "Please see attached Purchase Order.");
    EXPECT_EQ(rpt::poEmailBody(s.store(), "LAO"),
              "Please see attached Purchase Order.\n\nLuis Ortega\nPurchasing, Columbia Ridge Builders\n360-555-0100");
}

TEST_F(ComposeTest, TheSubjectNamesTheCompany) {
    EXPECT_EQ(rpt::poEmailSubject(s.store()), "Purchase Order from ");
    setCompany("Columbia Ridge Builders");
    EXPECT_EQ(rpt::poEmailSubject(s.store()), "Purchase Order from Columbia Ridge Builders");
}

TEST(EmailAddressTest, PlainAddressesPassAndAnythingElseIsRefused) {
    for (const char* good : {"dana@cascadelumber.example", "o'brien+po@mail.cascade-lumber.example", "a.b@c.de"})
        EXPECT_TRUE(rpt::isEmailAddress(good)) << good;
    for (const char* bad : {"", "dana", "dana@", "@cascade.example", "dana@@cascade.example", "dana@cascade",
                            "dana@cascade.example.", "dana @cascade.example", "dana@-cascade.example",
                            ".dana@cascade.example", "da..na@cascade.example", "Dana <dana@cascade.example>",
                            "dana@cascade.example, jo@cascade.example", "dana@cascade_lumber.example",
                            "dana@cascade.example\r\nBcc: x@y.example"})
        EXPECT_FALSE(rpt::isEmailAddress(bad)) << bad;
}

TEST(EmailAddressTest, ASenderIsAnAddressOrANameWithTheAddressInBrackets) {
    auto m = rpt::parseMailbox(" orders@columbiaridge.example ");
    EXPECT_TRUE(m.ok);
    EXPECT_EQ(m.address, "orders@columbiaridge.example");
    EXPECT_EQ(m.name, "");
    m = rpt::parseMailbox("\"Columbia Ridge Builders\" <orders@columbiaridge.example>");
    EXPECT_TRUE(m.ok);
    EXPECT_EQ(m.name, "Columbia Ridge Builders");
    EXPECT_EQ(m.address, "orders@columbiaridge.example");
    EXPECT_FALSE(rpt::parseMailbox("Columbia Ridge <orders@columbiaridge.example").ok);
    EXPECT_FALSE(rpt::parseMailbox("Columbia Ridge <orders@columbiaridge.example> extra").ok);
    EXPECT_FALSE(rpt::parseMailbox("Columbia Ridge").ok);
}

TEST(EmailHeaderTest, NamesAreQuotedAndTextBeyondAsciiIsEncoded) {
    EXPECT_EQ(rpt::mailboxHeader("", "a@b.example"), "<a@b.example>");
    EXPECT_EQ(rpt::mailboxHeader("Smith, \"Jo\"", "a@b.example"), "\"Smith, \\\"Jo\\\"\" <a@b.example>");
    EXPECT_EQ(rpt::mailboxHeader("Jo\r\nBcc: x@y.example", "a@b.example"), "\"Jo  Bcc: x@y.example\" <a@b.example>");
    EXPECT_EQ(rpt::mailboxHeader("Zoë", "a@b.example"), "=?UTF-8?Q?Zo=C3=AB?= <a@b.example>");
    EXPECT_EQ(rpt::headerText("Purchase Order from Columbia Ridge"), "Purchase Order from Columbia Ridge");
    EXPECT_EQ(rpt::headerText("PO\r\nBcc: x@y.example"), "PO  Bcc: x@y.example");
    EXPECT_EQ(rpt::headerText("a =?b?= c"), "=?UTF-8?Q?a_=3D=3Fb=3F=3D_c?=");

    // A long text goes as several words of at most 75 characters, never
    // splitting a character.
    std::string longText;
    for (int i = 0; i < 30; ++i) longText += "Société ";
    const std::string encoded = rpt::headerText(longText);
    std::size_t start = 0, words = 0;
    while (start < encoded.size()) {
        std::size_t end = encoded.find(' ', start);
        if (end == std::string::npos) end = encoded.size();
        const std::string word = encoded.substr(start, end - start);
        EXPECT_LE(word.size(), 75u) << word;
        EXPECT_EQ(word.rfind("=?UTF-8?Q?", 0), 0u) << word;
        EXPECT_EQ(word.substr(word.size() - 2), "?=") << word;
        EXPECT_EQ(word.find("=C3?="), std::string::npos) << "a character split: " << word;
        ++words;
        start = end + 1;
    }
    EXPECT_GT(words, 3u);
}

TEST_F(ComposeTest, TheWindowShowsTheMessageAndTheFileName) {
    ComposePOEmail w(s.ui, sender, workingSettings(), message({to("Dana Whitaker", "dana@cascadelumber.example")}));
    EXPECT_EQ(w.attachmentName(), "PO 10452.pdf");
    EXPECT_EQ(w.subject(), "Purchase Order from Columbia Ridge Builders");
    EXPECT_EQ(w.body(), "Please see attached Purchase Order.");
    w.setName(0, std::string(60, 'n'));
    w.setAddress(0, "  " + std::string(60, 'a'));
    EXPECT_EQ(w.recipients()[0].name, std::string(50, 'n'));
    EXPECT_EQ(w.recipients()[0].address, std::string(50, 'a'));
    EXPECT_EQ(w.addRecipient(), 1u);
    EXPECT_EQ(w.recipients()[1], to("", ""));
    w.removeRecipient(0);
    w.removeRecipient(5);
    EXPECT_EQ(w.recipients(), (std::vector<Recipient>{to("", "")}));
}

TEST_F(ComposeTest, SendRefusesABlankAddressUntilThePlaceholderIsCompleted) {
    ComposePOEmail w(s.ui, sender, workingSettings(),
                     message({to("Dana Whitaker", "dana@cascadelumber.example"), to(rpt::kAddRecipient, "")}));
    expectRefusal("Enter the e-mail address of a recipient before sending.");
    EXPECT_FALSE(w.send());
    EXPECT_EQ(w.refusedRow(), 1);
    EXPECT_FALSE(w.closed());

    w.setName(0, "Dana");
    w.setAddress(0, "");
    expectRefusal("Enter the e-mail address of Dana before sending.");
    EXPECT_FALSE(w.send());
    EXPECT_EQ(w.refusedRow(), 0);
    EXPECT_TRUE(sender.sent.empty());

    w.setAddress(0, "dana@cascadelumber.example");
    w.setAddress(1, "jo@cascadelumber.example");
    EXPECT_TRUE(w.send());
    EXPECT_TRUE(w.sent());
    EXPECT_TRUE(w.closed());
    ASSERT_EQ(sender.sent.size(), 1u);
    EXPECT_EQ(sender.sent[0].to, (std::vector<Recipient>{to("Dana", "dana@cascadelumber.example"),
                                                        to("", "jo@cascadelumber.example")}))
        << "the placeholder's name does not go out";
    EXPECT_EQ(sender.sent[0].attachmentPath, "/data/print/PO 10452.pdf");
    EXPECT_EQ(sender.sentWith[0].password, "Tr1ckyPass!");
}

TEST_F(ComposeTest, SendRefusesAMalformedAddressAndAnEmptyList) {
    ComposePOEmail w(s.ui, sender, workingSettings(), message({to("Jo Park", "jo@cascadelumber")}));
    expectRefusal("\"jo@cascadelumber\" is not an e-mail address.|Correct it before sending.");
    EXPECT_FALSE(w.send());
    EXPECT_EQ(w.refusedRow(), 0);
    w.removeRecipient(0);
    expectRefusal("Add a recipient to send the purchase order to.");
    EXPECT_FALSE(w.send());
    EXPECT_TRUE(sender.sent.empty());
    EXPECT_FALSE(w.closed());
}

TEST_F(ComposeTest, SendRefusesWhileEmailIsNotSetUp) {
    rpt::EmailSettings none;
    ComposePOEmail w(s.ui, sender, none, message({to("Jo Park", "jo@cascadelumber.example")}));
    expectRefusal("E-mail is not set up: No mail server is set.|Complete the e-mail settings under Setup.");
    EXPECT_FALSE(w.send());
    EXPECT_TRUE(sender.sent.empty());
}

TEST_F(ComposeTest, ARefusedMessageIsToldAndTheWindowStaysForAnotherTry) {
    sender.failures = 1;
    ComposePOEmail w(s.ui, sender, workingSettings(), message({to("Jo Park", "jo@cascadelumber.example")}));
    w.setSubject("PO 10452, revised");
    w.setBody("Please see the revised order.");
    s.ui.expectTell("The message was not sent: the server refused it (SMTP 550).", ComposePOEmail::kTitle,
                    ui::Icon::Error);
    EXPECT_FALSE(w.send());
    EXPECT_FALSE(w.closed());
    EXPECT_EQ(s.ui.busyDepth(), 0);
    EXPECT_TRUE(w.send());
    ASSERT_EQ(sender.sent.size(), 2u);
    EXPECT_EQ(sender.sent[1].subject, "PO 10452, revised");
    EXPECT_EQ(sender.sent[1].body, "Please see the revised order.");
}

class EmailStepTest : public ComposeTest {
protected:
    void SetUp() override {
        rpt::clearPrintShared(s.module);
        s.globals.UserID = "LAO";
        addUser("LAO", "Luis Ortega");
        setCompany("Columbia Ridge Builders");
        addVendor(101, "Cascade Lumber Supply", "orders@cascadelumber.example", "Dana Whitaker");
        addContact(101, "Jo", "Park", "jo@cascadelumber.example");
        addVendor(202, "Harbor Steel", "");
        ASSERT_TRUE(rpt::writeEmailSettings(s.settings, workingSettings()));
        pdf = s.dir.file("PO 10452.pdf");
        s.dir.write("PO 10452.pdf", "%PDF-1.4 ...");
    }
    void TearDown() override { rpt::clearPrintShared(s.module); }

    std::string pdf;
};

TEST_F(EmailStepTest, TheChosenRecipientsGetTheOrderWithTheSubjectThePrintStepLeft) {
    rpt::printShared(s.module).outputs.emailSubject = "Purchase Order from Columbia Ridge Builders Inc.";
    s.views.set<rpt::POEmailSelect>([](rpt::POEmailSelect& w) {
        w.toggle(1);
        w.proceed();
    });
    s.views.set<ComposePOEmail>([&](ComposePOEmail& w) {
        EXPECT_EQ(w.recipients(), (std::vector<Recipient>{to("Dana Whitaker", "orders@cascadelumber.example"),
                                                         to("Jo Park", "jo@cascadelumber.example")}));
        EXPECT_EQ(w.subject(), "Purchase Order from Columbia Ridge Builders Inc.");
        EXPECT_EQ(w.body(), "Please see attached Purchase Order.\n\nLuis Ortega");
        EXPECT_EQ(w.attachmentName(), "PO 10452.pdf");
        w.send();
    });
    EXPECT_EQ(rpt::emailPurchaseOrder(*s, 101, pdf, sender), rpt::EmailOutcome::Sent);
    ASSERT_EQ(sender.sent.size(), 1u);
    EXPECT_EQ(sender.sent[0].to.size(), 2u);
    EXPECT_EQ(sender.sentWith[0].server, "mail.columbiaridge.example") << "the settings come from the settings file";
}

TEST_F(EmailStepTest, WithoutASubjectFromThePrintStepTheCompanyNamesItAndCancelSendsNothing) {
    s.views.set<ComposePOEmail>([](ComposePOEmail& w) {
        // A single vendor placeholder needs no choice window.
        EXPECT_EQ(w.recipients(), (std::vector<Recipient>{to(rpt::kAddRecipient, "")}));
        EXPECT_EQ(w.subject(), "Purchase Order from Columbia Ridge Builders");
        w.cancel();
    });
    EXPECT_EQ(rpt::emailPurchaseOrder(*s, 202, pdf, sender), rpt::EmailOutcome::Cancelled);
    EXPECT_TRUE(sender.sent.empty());
}

TEST_F(EmailStepTest, ChoosingNobodyOpensNoEmailWindow) {
    s.views.set<rpt::POEmailSelect>([this](rpt::POEmailSelect& w) {
        w.toggle(0);
        s.ui.expectAsk(rpt::POEmailSelect::kNoneTaggedText, rpt::POEmailSelect::kNoneTaggedTitle, "&Yes|&No",
                       ui::Icon::Question)
            .answer(1);
        w.proceed();
    });
    bool composed = false;
    s.views.set<ComposePOEmail>([&](ComposePOEmail&) { composed = true; });
    EXPECT_EQ(rpt::emailPurchaseOrder(*s, 101, pdf, sender), rpt::EmailOutcome::NotEmailed);
    EXPECT_FALSE(composed);
}

TEST_F(EmailStepTest, TheBatchRunSendsToTheTaggedRecipientOnlyWithoutWindows) {
    auto result = rpt::emailPurchaseOrderUnattended(s.store(), s.settings, pdf, 101, sender, "LAO");
    EXPECT_TRUE(result.sent);
    ASSERT_EQ(sender.sent.size(), 1u);
    EXPECT_EQ(sender.sent[0].to, (std::vector<Recipient>{to("Dana Whitaker", "orders@cascadelumber.example")}));
    EXPECT_EQ(sender.sent[0].subject, "Purchase Order from Columbia Ridge Builders");
    EXPECT_EQ(sender.sent[0].body, "Please see attached Purchase Order.\n\nLuis Ortega");
    EXPECT_EQ(sender.sent[0].attachmentPath, pdf);
    EXPECT_EQ(sender.sentWith[0].from, "Columbia Ridge Builders <orders@columbiaridge.example>");
}

TEST_F(EmailStepTest, TheBatchRunSaysSoWhenNobodyHasAnAddress) {
    auto result = rpt::emailPurchaseOrderUnattended(s.store(), s.settings, pdf, 202, sender);
    EXPECT_FALSE(result.sent);
    EXPECT_EQ(result.error,
              "Vendor 202 has no e-mail address, nor has any of its contacts: the purchase order was not e-mailed.");
    EXPECT_TRUE(sender.sent.empty());
}

}  // namespace
