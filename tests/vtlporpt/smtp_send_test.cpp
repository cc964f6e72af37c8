// The real sender against a real SMTP server (aiosmtpd on 127.0.0.1, run by
// tests/data/smtp_sink.py): what arrives is read back with Python's email
// package, and refusals come back as one line with the server's code and
// without the password.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/smtp_sink.h"
#include "support/temp_dir.h"
#include "vtlporpt/email/curl_mail_sender.h"

using namespace vtl;
using namespace vtl::test;
using rpt::Recipient;

namespace {

constexpr const char* kPassword = "Sh0rt-Lived!Secret";

class SmtpSendTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!aiosmtpdAvailable()) GTEST_SKIP() << "python3 with aiosmtpd is not installed (scripts/setup installs it)";
        // Every byte value, so the attachment must come back exactly.
        pdfBytes = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
        for (int round = 0; round < 40; ++round)
            for (int b = 0; b < 256; ++b) pdfBytes += static_cast<char>(b);
        pdfBytes += "\r\n.\r\n..\n%%EOF\n";
        pdf = dir.file("PO 10452.pdf");
        std::ofstream(pdf, std::ios::binary) << pdfBytes;
    }

    std::unique_ptr<SmtpSink> start(std::vector<std::string> options = {}) {
        auto sink = std::make_unique<SmtpSink>(dir, std::move(options));
        EXPECT_EQ(sink->error(), "");
        return sink;
    }
    rpt::EmailSettings settingsFor(const SmtpSink& sink) const {
        rpt::EmailSettings e;
        e.server = "127.0.0.1";
        e.port = sink.port();
        e.security = rpt::Security::None;
        e.user = "clerk";
        e.password = kPassword;
        e.from = "Columbia Ridge Builders <orders@columbiaridge.example>";
        return e;
    }
    rpt::MailMessage message() const {
        rpt::MailMessage m;
        Recipient dana{true, "Dana Whitaker", "dana@cascadelumber.example"};
        Recipient zoe{true, "Zoë Ångström", "zoe@cascadelumber.example"};
        m.to = {dana, zoe};
        m.subject = "Purchase Order from Société Columbia Ridge";
        m.body = "Please see attached Purchase Order.\n\nLuis Ortega\nPurchasing";
        m.attachmentPath = pdf;
        return m;
    }
    static void expectOneLineWithoutPassword(const std::string& error) {
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
        EXPECT_EQ(error.find('\r'), std::string::npos) << error;
        EXPECT_EQ(error.find(kPassword), std::string::npos) << error;
    }

    TempDir dir;
    std::string pdfBytes, pdf;
    rpt::CurlMailSender sender;
};

TEST_F(SmtpSendTest, TheMessageArrivesWithItsHeadersBodyAndTheFileByteForByte) {
    auto sink = start({"--user", "clerk", "--password", kPassword});
    ASSERT_GT(sink->port(), 0);
    const rpt::SendResult r = sender.send(settingsFor(*sink), message());
    ASSERT_TRUE(r.sent) << r.error;
    EXPECT_EQ(r.responseCode, 250);
    ASSERT_EQ(sink->received(), 1);

    EXPECT_EQ(sink->part(1, "login"), "clerk");
    EXPECT_EQ(sink->part(1, "envelope-from"), "orders@columbiaridge.example");
    EXPECT_EQ(sink->part(1, "envelope-to"), "dana@cascadelumber.example\nzoe@cascadelumber.example");
    EXPECT_EQ(sink->part(1, "from"), "Columbia Ridge Builders <orders@columbiaridge.example>");
    EXPECT_EQ(sink->part(1, "to"),
              "Dana Whitaker <dana@cascadelumber.example>, Zoë Ångström <zoe@cascadelumber.example>");
    EXPECT_EQ(sink->part(1, "subject"), "Purchase Order from Société Columbia Ridge");
    std::string body = sink->part(1, "body");
    std::erase(body, '\r');
    EXPECT_EQ(body, "Please see attached Purchase Order.\n\nLuis Ortega\nPurchasing");

    EXPECT_EQ(sink->part(1, "attachments"), "1");
    EXPECT_EQ(sink->part(1, "attachment.name"), "PO 10452.pdf");
    EXPECT_EQ(sink->part(1, "attachment.type"), "application/pdf");
    EXPECT_EQ(sink->part(1, "attachment.encoding"), "base64");
    EXPECT_TRUE(sink->part(1, "attachment.bin") == pdfBytes) << "the attachment differs from the file";
    EXPECT_EQ(sink->part(1, "raw.eml").find(kPassword), std::string::npos);
    EXPECT_EQ(readFile(pdf), pdfBytes) << "the file is left as it was";
}

TEST_F(SmtpSendTest, ARefusedMessageComesBackAsOneLineWithTheServersAnswer) {
    auto sink = start({"--refuse", "550 5.7.1 Message refused by policy"});
    ASSERT_GT(sink->port(), 0);
    rpt::EmailSettings settings = settingsFor(*sink);
    settings.user.clear();  // this server offers no sign-on
    const rpt::SendResult r = sender.send(settings, message());
    EXPECT_FALSE(r.sent);
    EXPECT_EQ(r.responseCode, 550);
    EXPECT_NE(r.error.find("The message was not sent: "), std::string::npos) << r.error;
    EXPECT_NE(r.error.find("550 5.7.1 Message refused by policy"), std::string::npos) << r.error;
    EXPECT_NE(r.error.find("(SMTP 550)"), std::string::npos) << r.error;
    expectOneLineWithoutPassword(r.error);
    EXPECT_EQ(sink->received(), 0);
    EXPECT_EQ(readFile(pdf), pdfBytes) << "the PDF is kept";
}

TEST_F(SmtpSendTest, AWrongPasswordIsRefusedWithoutShowingIt) {
    auto sink = start({"--user", "clerk", "--password", "the-right-one"});
    ASSERT_GT(sink->port(), 0);
    const rpt::SendResult r = sender.send(settingsFor(*sink), message());
    EXPECT_FALSE(r.sent);
    EXPECT_EQ(r.responseCode, 535);
    EXPECT_NE(r.error.find("(SMTP 535)"), std::string::npos) << r.error;
    expectOneLineWithoutPassword(r.error);
    EXPECT_EQ(sink->received(), 0);
}

TEST_F(SmtpSendTest, StartTlsIsRequiredNotHopedForAndTlsStartsWithTheHandshake) {
    // This server cannot switch to TLS: nothing may go out in clear, the password least of all.
    auto sink = start({"--user", "clerk", "--password", kPassword});
    ASSERT_GT(sink->port(), 0);
    rpt::EmailSettings settings = settingsFor(*sink);
    settings.security = rpt::Security::StartTls;
    const rpt::SendResult r = sender.send(settings, message());
    EXPECT_FALSE(r.sent);
    EXPECT_NE(r.error.find("SSL"), std::string::npos) << r.error;
    EXPECT_EQ(r.error.find("SMTP 250"), std::string::npos) << "the greeting is no refusal: " << r.error;
    expectOneLineWithoutPassword(r.error);

    // TLS from the first byte: the handshake fails against a plain server.
    settings.security = rpt::Security::Tls;
    const rpt::SendResult tls = sender.send(settings, message());
    EXPECT_FALSE(tls.sent);
    EXPECT_EQ(tls.responseCode, 0) << "no SMTP was spoken";
    expectOneLineWithoutPassword(tls.error);
    EXPECT_EQ(sink->received(), 0);
}

TEST_F(SmtpSendTest, NoServerListeningIsToldAsSuch) {
    int port = 0;
    {
        auto sink = start();
        port = sink->port();
    }  // stopped: nothing listens there any more
    ASSERT_GT(port, 0);
    rpt::EmailSettings settings;
    settings.server = "127.0.0.1";
    settings.port = port;
    settings.password = kPassword;
    settings.user = "clerk";
    settings.from = "orders@columbiaridge.example";
    const rpt::SendResult r = sender.send(settings, message());
    EXPECT_FALSE(r.sent);
    EXPECT_EQ(r.responseCode, 0);
    EXPECT_NE(r.error.find("Couldn't connect to server"), std::string::npos) << r.error;
    expectOneLineWithoutPassword(r.error);
}

TEST_F(SmtpSendTest, WhatCannotBeSentIsRefusedBeforeConnecting) {
    rpt::EmailSettings settings;
    settings.server = "127.0.0.1";
    settings.port = 9;
    settings.from = "orders@columbiaridge.example";
    rpt::MailMessage m = message();
    m.attachmentPath = dir.file("missing.pdf");
    EXPECT_EQ(sender.send(settings, m).error,
              "The message was not sent: the file " + dir.file("missing.pdf") + " cannot be read.");
    m = message();
    m.to[1].address = "zoe@";
    EXPECT_EQ(sender.send(settings, m).error, "The message was not sent: \"zoe@\" is not an e-mail address.");
    m.to.clear();
    EXPECT_EQ(sender.send(settings, m).error, "The message was not sent: it has no recipient.");
    settings.from = "";
    EXPECT_EQ(sender.send(settings, message()).error, "The message was not sent: No sender address (From) is set.");
}

}  // namespace
