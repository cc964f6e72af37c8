// vtlpo print end to end on the demo company: the PDF read back with the
// PDF tools, "Generate POs" numbering and flagging, the one-line refusals,
// and an order e-mailed to a real mail server on 127.0.0.1.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/run_vtlpo.h"
#include "commands/cli.h"
#include "records/database.h"
#include "records/records.h"
#include "report_render/pdf_tools.h"
#include "support/smtp_sink.h"
#include "support/temp_dir.h"

using namespace vtl;
using namespace vtl::test;
namespace fs = std::filesystem;

namespace {

class PrintCommand : public ::testing::Test {
protected:
    void SetUp() override {
        data = dir.file("data");
        const CliResult init = vtlpo({"init", "--data", data, "--demo"});
        ASSERT_EQ(init.code, 0) << init.err;
    }
    CliResult print(std::vector<std::string> args) {
        args.insert(args.begin(), {"print", "--data", data});
        return vtlpo(args);
    }
    POMaster order(ULong poid) {
        auto db = openDataFolder(data);
        POMaster po;
        po.POID = poid;
        EXPECT_TRUE(store::Table<POMaster>(*db.store).fetch(POMaster::KeyPOID, po));
        return po;
    }

    TempDir dir;
    std::string data;
};

}  // namespace

TEST_F(PrintCommand, GenerateWritesACheckedPdfWithEmbeddedFontsAndNumbersWhatItPrints) {
    SKIP_WITHOUT_TOOL("qpdf");
    SKIP_WITHOUT_TOOL("pdffonts");
    // The demo's last order has no number yet.
    ASSERT_TRUE(order(42).PONumber.blank());
    const std::string pdf = dir.file("generated.pdf");
    CliResult r = print({"--generate", "--beginning", "1042", "--flag-printed", "--pdf", pdf});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("wrote " + pdf), std::string::npos) << r.out;
    EXPECT_EQ(runTool("qpdf", pdf, {"--check"}).exitCode, 0);
    const std::string fonts = runTool("pdffonts", pdf).out;
    EXPECT_NE(fonts.find("LiberationSans"), std::string::npos) << fonts;
    std::istringstream rows(fonts);
    std::string row;
    for (int n = 0; std::getline(rows, row); ++n)
        if (n >= 2) {
            EXPECT_NE(row.find(" yes "), std::string::npos) << "not embedded: " << row;
        }
    const std::string text = runTool("pdftotext", QStringList{QString::fromStdString(pdf), "-"}).out;
    EXPECT_NE(text.find("PURCHASE ORDER"), std::string::npos);
    EXPECT_NE(text.find("NUMBER: 1042"), std::string::npos);
    EXPECT_EQ(order(42).PONumber, "1042");
    EXPECT_EQ(order(42).PrintFlag, "1");

    // All printed now: the next run has nothing, says why, and writes no file.
    const std::string none = dir.file("none.pdf");
    r = print({"--generate", "--pdf", none});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("Nothing to Print... Your Limits have excluded all 42 records!"), std::string::npos)
        << r.err;
    EXPECT_FALSE(fs::exists(none));
}

TEST_F(PrintCommand, OrdersTheSampleTheBlankFormAndTheDummyEachPrint) {
    SKIP_WITHOUT_TOOL("pdfinfo");
    const std::string two = dir.file("two.pdf");
    CliResult r = print({"--po", "1", "--po", "2", "--pdf", two});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(pdfPages(two), 2);
    for (const char* what : {"--sample", "--blank", "--dummy"}) {
        const std::string pdf = dir.file(std::string(what + 2) + ".pdf");
        r = print({what, "--pdf", pdf});
        EXPECT_EQ(r.code, 0) << what << ": " << r.err;
        EXPECT_EQ(pdfPages(pdf), 1) << what;
    }
    // A bare name goes to the data folder and gets its extension.
    r = print({"--po", "3", "--pdf", "third"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(fs::exists(data + "/third.pdf"));
}

TEST_F(PrintCommand, WrongArgumentsAndMissingOrdersGetOneLineAndWriteNothing) {
    const std::string pdf = dir.file("x.pdf");
    struct Case {
        std::vector<std::string> args;
        int code;
        const char* says;
    } cases[] = {
        {{"--pdf", pdf}, 2, "one of --po, --generate"},
        {{"--po", "1", "--sample", "--pdf", pdf}, 2, "one of --po, --generate"},
        {{"--po", "1"}, 2, "--pdf FILE"},
        {{"--po", "x1", "--pdf", pdf}, 2, "whole number"},
        {{"--po", "1", "--range", "1001", "1002", "--pdf", pdf}, 2, "go with --generate"},
        {{"--generate", "--condition", "Q", "--pdf", pdf}, 2, "U, P or A"},
        {{"--generate", "--email", "--pdf", pdf}, 2, "one --po"},
        {{"--po", "999", "--pdf", pdf}, 1, "purchase order 999 is not on file"},
        {{"--user", "NOBODY", "--po", "1", "--pdf", pdf}, 2, "user \"NOBODY\" is not on file"},
        {{"--generate", "--range", "0001", "9999", "--pdf", pdf}, 1, "must be on file"},
    };
    for (const Case& c : cases) {
        const CliResult r = print(c.args);
        EXPECT_EQ(r.code, c.code) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(pdf));
    }
    const CliResult r = vtlpo({"print", "--data", dir.file("nowhere"), "--po", "1", "--pdf", pdf});
    EXPECT_EQ(r.code, 2);
    // A folder that does not exist for the PDF: told, nothing written.
    const CliResult bad = print({"--po", "1", "--pdf", dir.file("no/such/folder/x.pdf")});
    EXPECT_EQ(bad.code, 1);
    EXPECT_FALSE(fs::exists(dir.file("no/such/folder/x.pdf")));
}

TEST_F(PrintCommand, EmailSendsThePdfToTheVendorByteForByteOrSaysWhyNot) {
    if (!aiosmtpdAvailable()) GTEST_SKIP() << "python3 with aiosmtpd is not installed (scripts/setup installs it)";
    SmtpSink sink(dir, {});
    ASSERT_GT(sink.port(), 0) << sink.error();
    std::ofstream(data + "/vtlpo.INI") << "[Email]\nServer=127.0.0.1\nPort=" << sink.port()
                                      << "\nSecurity=none\nFrom=orders@columbiaridge.example\n";
    const std::string pdf = dir.file("po1.pdf");
    CliResult r = print({"--po", "1", "--pdf", pdf, "--email", "--user", "LAO"});
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_EQ(sink.received(), 1);
    EXPECT_EQ(sink.part(1, "envelope-to"), "orders@cascade-lumber.example");
    EXPECT_TRUE(sink.part(1, "attachment.bin") == readFile(pdf)) << "the attachment differs from the PDF";
    EXPECT_NE(sink.part(1, "body").find("Please see attached Purchase Order."), std::string::npos);

    // A vendor nobody of which has an address: said, nothing sent, the PDF kept.
    {
        auto db = openDataFolder(data);
        APVendor v;
        v.VendorID = order(2).VendorID;
        ASSERT_TRUE(store::Table<APVendor>(*db.store).fetch(APVendor::KeyVendorID, v));
        v.Email = "";
        ASSERT_TRUE(store::Table<APVendor>(*db.store).update(v));
        Contact c;
        c.VendorID = v.VendorID;
        std::vector<Contact> contacts;
        for (auto cur = store::Table<Contact>(*db.store).scan(Contact::KeyVendorID, c, {false, 1, false});
             cur.next(c);)
            contacts.push_back(c);
        for (Contact& each : contacts) {
            each.Email = "";
            ASSERT_TRUE(store::Table<Contact>(*db.store).update(each));
        }
    }
    const std::string second = dir.file("po2.pdf");
    r = print({"--po", "2", "--pdf", second, "--email"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("has no e-mail address"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::exists(second));
    EXPECT_EQ(sink.received(), 1);
}

// The account's password, refused by the server, shows nowhere the batch
// tool writes: not on stderr, not on stdout, not in any file it leaves in
// the data folder but the settings file, which only its owner may read.
TEST_F(PrintCommand, ARefusedPasswordIsNeverShown) {
    if (!aiosmtpdAvailable()) GTEST_SKIP() << "python3 with aiosmtpd is not installed (scripts/setup installs it)";
    SmtpSink sink(dir, {"--user", "clerk", "--password", "the-right-one"});
    ASSERT_GT(sink.port(), 0) << sink.error();
    const std::string secret = "Wr0ng-But-Secret!";
    std::ofstream(data + "/vtlpo.INI") << "[Email]\nServer=127.0.0.1\nPort=" << sink.port()
                                      << "\nSecurity=none\nUser=clerk\nPassword=" << secret
                                      << "\nFrom=orders@columbiaridge.example\n";
    const std::string pdf = dir.file("po1.pdf");
    const CliResult r = print({"--po", "1", "--pdf", pdf, "--email"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("535"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find(secret), std::string::npos) << r.err;
    EXPECT_EQ(r.out.find(secret), std::string::npos) << r.out;
    EXPECT_EQ(sink.received(), 0);
    for (const auto& e : fs::recursive_directory_iterator(data)) {
        if (!e.is_regular_file() || e.path().filename() == "vtlpo.INI") continue;
        EXPECT_EQ(readFile(e.path().string()).find(secret), std::string::npos) << e.path();
    }
}
