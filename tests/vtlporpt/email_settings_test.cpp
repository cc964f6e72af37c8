// The e-mail settings in the module's settings file: read and written
// without disturbing anything else the file holds, and the Setup window's
// checks before it writes.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "support/scripted_ui_gtest.h"
#include "support/temp_dir.h"
#include "vtlporpt/email/email_settings.h"
#include "vtlporpt/email/email_setup.h"

using namespace vtl;
using namespace vtl::test;
using rpt::EmailSettings;
using rpt::Security;

namespace {

const char* const kFile =
    "; window places and the form's text case\r\n"
    "[Main Window]\r\n"
    "X=30\r\n"
    "[Email]\r\n"
    "Server = mail.old.example\r\n"
    "Signature Font=Arial\r\n"
    "security=STARTTLS\r\n"
    "\r\n"
    "[POTextCase]\r\n"
    "LAO.Terms=1\r\n";

EmailSettings sample() {
    EmailSettings e;
    e.server = "mail.columbiaridge.example";
    e.port = 2525;
    e.security = Security::Tls;
    e.user = "orders@columbiaridge.example";
    e.password = "p=ss;word#1";
    e.from = "Columbia Ridge Builders <orders@columbiaridge.example>";
    return e;
}

void expectSame(const EmailSettings& a, const EmailSettings& b) {
    EXPECT_EQ(a.server, b.server);
    EXPECT_EQ(a.port, b.port);
    EXPECT_EQ(a.security, b.security);
    EXPECT_EQ(a.user, b.user);
    EXPECT_EQ(a.password, b.password);
    EXPECT_EQ(a.from, b.from);
}

TEST(EmailSettingsTest, ARoundTripKeepsEverythingElseTheFileHolds) {
    TempDir dir;
    dir.write("vtlpo.INI", kFile);
    {
        suite::IniFile ini(dir.file("vtlpo.INI"));
        const EmailSettings before = rpt::readEmailSettings(ini);
        EXPECT_EQ(before.server, "mail.old.example");
        EXPECT_EQ(before.security, Security::StartTls) << "case is ignored";
        EXPECT_EQ(before.port, 0);
        EXPECT_TRUE(rpt::writeEmailSettings(ini, sample()));
    }
    suite::IniFile again(dir.file("vtlpo.INI"));
    expectSame(rpt::readEmailSettings(again), sample());
    EXPECT_EQ(again.get("Email", "Signature Font", ""), "Arial");
    EXPECT_EQ(again.get("Main Window", "X", ""), "30");
    EXPECT_EQ(again.get("POTextCase", "LAO.Terms", ""), "1");
    const std::string text = dir.read("vtlpo.INI");
    EXPECT_EQ(text.rfind("; window places and the form's text case\r\n[Main Window]\r\nX=30\r\n[Email]\r\n", 0), 0u)
        << text;
    EXPECT_NE(text.find("security=tls\r\n"), std::string::npos) << "an entry keeps the spelling the file had";
    EXPECT_NE(text.find("[POTextCase]\r\nLAO.Terms=1"), std::string::npos);
}

TEST(EmailSettingsTest, MissingAndOddValuesReadAsTheirDefaults) {
    suite::IniFile ini;
    ini.parse("[Email]\nPort=http\nSecurity=ssl\n");
    EmailSettings e = rpt::readEmailSettings(ini);
    EXPECT_EQ(e.port, 0);
    EXPECT_EQ(e.security, Security::Unknown);
    EXPECT_EQ(rpt::effectivePort(e), 25);
    e.security = Security::StartTls;
    EXPECT_EQ(rpt::effectivePort(e), 587);
    e.security = Security::Tls;
    EXPECT_EQ(rpt::effectivePort(e), 465);
    e.port = 2525;
    EXPECT_EQ(rpt::effectivePort(e), 2525);
    ini.parse("[Email]\nPort=70000\n");
    EXPECT_EQ(rpt::readEmailSettings(ini).port, 0);
    ini.parse("");
    EXPECT_EQ(rpt::readEmailSettings(ini).security, Security::None);
}

TEST(EmailSettingsTest, SettingsThatCannotSendSayWhy) {
    EmailSettings e = sample();
    EXPECT_EQ(rpt::settingsProblem(e), "");
    e.security = Security::Unknown;
    EXPECT_EQ(rpt::settingsProblem(e), "The e-mail security must be none, starttls or tls.");
    e = sample();
    e.from = "Columbia Ridge Builders";
    EXPECT_EQ(rpt::settingsProblem(e), "The sender address (From) is not an e-mail address.");
    e.from = "";
    EXPECT_EQ(rpt::settingsProblem(e), "No sender address (From) is set.");
    e.server = " ";
    EXPECT_EQ(rpt::settingsProblem(e), "No mail server is set.");
}

class EmailSetupTest : public ::testing::Test {
protected:
    EmailSetupTest() : ini(dir.file("vtlpo.INI")) {}
    void refused(const std::string& text) {
        ui.expectTell(text, rpt::EmailSetup::kTitle, ui::Icon::Exclamation);
        EXPECT_FALSE(setup.ok());
        EXPECT_FALSE(setup.closed());
        EXPECT_EQ(rpt::readEmailSettings(ini).server, "") << "nothing written";
    }

    TempDir dir;
    TestUi ui;
    suite::IniFile ini;
    rpt::EmailSetup setup{ui, ini};
};

TEST_F(EmailSetupTest, OkWritesTheTrimmedValuesAndCancelWritesNothing) {
    setup.values = sample();
    setup.values.server = "  mail.columbiaridge.example ";
    setup.values.from = " orders@columbiaridge.example";
    EXPECT_TRUE(setup.ok());
    EXPECT_TRUE(setup.saved());
    EXPECT_TRUE(setup.closed());
    suite::IniFile reread(dir.file("vtlpo.INI"));
    EmailSettings expected = sample();
    expected.from = "orders@columbiaridge.example";
    expectSame(rpt::readEmailSettings(reread), expected);

    rpt::EmailSetup other(ui, reread);
    expectSame(other.values, expected);
    other.values.server = "mail.other.example";
    other.cancel();
    EXPECT_TRUE(other.closed());
    EXPECT_FALSE(other.saved());
    EXPECT_EQ(rpt::readEmailSettings(suite::IniFile(dir.file("vtlpo.INI"))).server, "mail.columbiaridge.example");
}

TEST_F(EmailSetupTest, ThePasswordGoesIntoAFileOnlyItsOwnerCanRead) {
    dir.write("vtlpo.INI", kFile);
    ASSERT_EQ(::chmod(dir.file("vtlpo.INI").c_str(), 0644), 0);
    ASSERT_TRUE(ini.reload());
    setup.values = sample();
    ASSERT_TRUE(setup.ok());
    struct stat st {};
    ASSERT_EQ(::stat(dir.file("vtlpo.INI").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_NE(dir.read("vtlpo.INI").find("[POTextCase]"), std::string::npos) << "the rest of the file is kept";
}

TEST_F(EmailSetupTest, ValuesTheFileCannotHoldOrTheSenderCannotUseAreRefused) {
    setup.values = sample();
    setup.values.password = " secret";
    refused("The password cannot begin or end with a blank, nor hold a line break.");
    setup.values = sample();
    setup.values.server = "smtp://mail.example";
    refused("The mail server is a host name or address, without blanks or slashes.");
    setup.values = sample();
    setup.values.security = Security::Unknown;
    refused("The e-mail security must be none, starttls or tls.");
    setup.values = sample();
    setup.values.from = "orders at columbiaridge";
    refused("The sender (From) must be an e-mail address, or a name and an address in angle brackets:|"
            "Cascade Builders <orders@example.com>");
    setup.values = sample();
    setup.values.port = 70000;
    refused("The port must be a number from 1 to 65535, or 0 for the usual port.");
}

TEST_F(EmailSetupTest, AFileThatCannotBeWrittenIsToldAndTheWindowStays) {
    const std::string path = dir.file("no-such-folder/vtlpo.INI");
    suite::IniFile blocked(path);
    rpt::EmailSetup s(ui, blocked);
    s.values = sample();
    ui.expectTell("The e-mail settings could not be saved.|" + path + ": No such file or directory",
                  rpt::EmailSetup::kTitle, ui::Icon::Error);
    EXPECT_FALSE(s.ok());
    EXPECT_FALSE(s.closed());
    EXPECT_FALSE(s.saved());
}

}  // namespace

TEST(EmailSetupHelp, HelpOpensTheWindowsPageOfTheInstallation) {
    TempDir dir;
    TestUi ui;
    suite::IniFile ini(dir.file("vtlpo.INI"));
    std::filesystem::create_directories(dir.file("html"));
    dir.write("html/Setup_Email_Settings.htm", "<html></html>");
    rpt::EmailSetup setup(ui, ini, dir.path());
    setup.help();
    ASSERT_EQ(ui.openedExternally().size(), 1u);
    EXPECT_EQ(ui.openedExternally()[0], dir.file("html/Setup_Email_Settings.htm"));
}
