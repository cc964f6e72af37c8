// The services that send something out: send-to, report export, training
// videos and help pages; and the small entries: text case and account.
#include <gtest/gtest.h>

#include <filesystem>

#include "records/general_ledger.h"
#include "siblings/services/services.h"
#include "support/test_session.h"

using namespace vtl;
using namespace vtl::services;
namespace fs = std::filesystem;

TEST(SendTo, CsvQuotesOnlyWhatNeedsItAndTabsFlattenCells) {
    const std::vector<std::string> headers{"PO Number", "Vendor", "Amount"};
    const Rows rows{{"1001", "Baker, Inc.", "1,250.00"},
                    {"1002", "The \"Best\" Lumber", "12.50"},
                    {"1003", "Two\nLines", " 7.00"},
                    {"", "", ""}};
    EXPECT_EQ(csvText(headers, rows),
              "PO Number,Vendor,Amount\r\n"
              "1001,\"Baker, Inc.\",\"1,250.00\"\r\n"
              "1002,\"The \"\"Best\"\" Lumber\",12.50\r\n"
              "1003,\"Two\nLines\",\" 7.00\"\r\n"
              ",,\r\n");
    EXPECT_EQ(tabSeparated(headers, {{"1001", "Baker\tInc.", "1,250.00  "}, {"1003", "Two\r\nLines", "7"}}),
              "PO Number\tVendor\tAmount\n"
              "1001\tBaker Inc.\t1,250.00\n"
              "1003\tTwo Lines\t7\n");
}

TEST(SendTo, TheWindowCopiesOrSavesTheWholeList) {
    test::TestSession t;
    SendToArgs args{"Purchase Orders", {"PO Number", "Vendor"}, {{"1001", "Baker, Inc."}}};
    SendToWindow window(*t, args);
    t.ui.expectTell("The list was copied to the clipboard.", kSendToTitle, ui::Icon::Information);
    EXPECT_TRUE(window.toClipboard());
    ASSERT_EQ(t.ui.clipboard().size(), 1u);
    EXPECT_EQ(t.ui.clipboard()[0], "PO Number\tVendor\n1001\tBaker, Inc.\n");

    const std::string path = t.dir.file("orders.csv");
    t.ui.expectSaveFile("Save List As", kCsvFilter).in(t.folder + "/Purchase Orders.csv").answer(path);
    t.ui.expectTell("The list was saved to|" + path, kSendToTitle, ui::Icon::Information);
    EXPECT_TRUE(window.toCsvFile());
    EXPECT_EQ(t.dir.read("orders.csv"), "PO Number,Vendor\r\n1001,\"Baker, Inc.\"\r\n");

    t.ui.expectSaveFile("Save List As", kCsvFilter).cancel();
    EXPECT_FALSE(window.toCsvFile());

    const std::string nowhere = t.dir.file("missing/folder/x.csv");
    t.ui.expectTell("The list could not be saved.|" + nowhere + ": No such file or directory", kSendToTitle,
                    ui::Icon::Error);
    EXPECT_FALSE(window.toCsvFile(nowhere));
    EXPECT_FALSE(fs::exists(nowhere));

    SendToArgs empty{"Nothing", {"A"}, {}};
    SendToWindow none(*t, empty);
    EXPECT_FALSE(none.toClipboard()) << "an empty list sends nothing";
}

TEST(SendTo, ByNameTheWindowGetsTheList) {
    test::TestSession t;
    registerServices(t.procedures);
    std::string listTitle;
    int rows = 0;
    t.views.set<SendToWindow>([&](SendToWindow& w) {
        listTitle = w.listTitle();
        rows = w.rowCount();
    });
    sendListTo(*t, "Purchase Orders", {"PO"}, {{"1"}, {"2"}});
    EXPECT_EQ(listTitle, "Purchase Orders");
    EXPECT_EQ(rows, 2);
}

TEST(ReportExport, WritesTheLinesToTheFileNamed) {
    test::TestSession t;
    const std::string path = t.dir.file("listing.txt");
    t.ui.expectSaveFile(kReportExportTitle, kTextFilter).in(t.folder + "/Export.txt").answer(path);
    t.ui.expectTell("The report was exported to|" + path, kReportExportTitle, ui::Icon::Information);
    EXPECT_EQ(reportExport(*t, {"PO 1001  Baker", "PO 1002  Acme"}), path);
    EXPECT_EQ(t.dir.read("listing.txt"), "PO 1001  Baker\nPO 1002  Acme\n");

    t.ui.expectSaveFile(kReportExportTitle, kTextFilter).cancel();
    EXPECT_EQ(reportExport(*t, {"x"}), std::nullopt);
}

TEST(ReportExport, AFileNamedCsvGetsCommaSeparatedValuesWithoutThePadding) {
    test::TestSession t;
    const std::string path = t.dir.file("listing.CSV");
    t.ui.expectSaveFile(kReportExportTitle, kTextFilter).answer(path);
    t.ui.expectTell("The report was exported to|" + path, kReportExportTitle, ui::Icon::Information);
    EXPECT_EQ(reportExport(*t, {"Ref #\tPO #\tVendor", "1\t1001\tBaker, Sons & \"Co\"\t1,234.50      ", ""}), path);
    EXPECT_EQ(t.dir.read("listing.CSV"), "Ref #,PO #,Vendor\r\n1,1001,\"Baker, Sons & \"\"Co\"\"\",\"1,234.50\"\r\n\r\n");

    // A long report hands its lines over as one text: the same file either way.
    t.ui.expectSaveFile(kReportExportTitle, kTextFilter).answer(path);
    t.ui.expectTell("The report was exported to|" + path, kReportExportTitle, ui::Icon::Information);
    EXPECT_EQ(reportExportText(*t, "Ref #\tPO #\tVendor\n1\t1001\tBaker, Sons & \"Co\"\t1,234.50      \n\n"), path);
    EXPECT_EQ(t.dir.read("listing.CSV"), "Ref #,PO #,Vendor\r\n1,1001,\"Baker, Sons & \"\"Co\"\"\",\"1,234.50\"\r\n\r\n");
    const std::string plain = t.dir.file("listing.txt");
    t.ui.expectSaveFile(kReportExportTitle, kTextFilter).answer(plain);
    t.ui.expectTell("The report was exported to|" + plain, kReportExportTitle, ui::Icon::Information);
    EXPECT_EQ(reportExportText(*t, "a\tb\n\nc\n"), plain);
    EXPECT_EQ(t.dir.read("listing.txt"), "a\tb\n\nc\n");
}

TEST(PlayTraining, OpensTheVideoOrSaysItIsNotInstalled) {
    test::TestSession t;
    t.ui.expectTell("The training video POEnt is not installed.", kTrainingTitle, ui::Icon::Information);
    EXPECT_FALSE(playTrainingVideo(*t, "POEnt"));
    EXPECT_TRUE(t.ui.openedExternally().empty());

    // In the installation's training folder, in any letters.
    fs::create_directories(t.dir.file("training"));
    t.dir.write("training/poent.WMV", "video");
    EXPECT_TRUE(playTrainingVideo(*t, "POEnt"));
    ASSERT_EQ(t.ui.openedExternally().size(), 1u);
    EXPECT_EQ(t.ui.openedExternally()[0], t.dir.file("training/poent.WMV"));

    // The data folder's own training folder comes first.
    fs::create_directories(t.folder + "/training");
    t.dir.write("data/training/POEnt.mp4", "video");
    EXPECT_EQ(findTrainingVideo(t.folder, t.dir.path(), "POEnt"), t.folder + "/training/POEnt.mp4");
    EXPECT_EQ(findTrainingVideo(t.folder, t.dir.path(), "POEnt.avi"), std::nullopt)
        << "a name with its extension must match exactly that";
    EXPECT_EQ(findTrainingVideo(t.folder, t.dir.path(), "../training/POEnt"), std::nullopt);

    t.ui.openExternallySucceeds(false);
    t.ui.expectTell("The training video POEnt could not be played.|" + t.folder + "/training/POEnt.mp4",
                    kTrainingTitle, ui::Icon::Warning);
    EXPECT_FALSE(playTrainingVideo(*t, "POEnt"));
}

TEST(Help, OpensTheTopicsPageOrSaysItIsMissing) {
    test::TestSession t;
    const std::string page = t.dir.file("html/PO_Enter_Purchase_Orders.htm");
    t.ui.expectTell("The help page for this window is not installed.|" + page, "Help", ui::Icon::Information);
    EXPECT_FALSE(openHelp(*t, "html/PO_Enter_Purchase_Orders.htm"));

    fs::create_directories(t.dir.file("html"));
    t.dir.write("html/PO_Enter_Purchase_Orders.htm", "<html></html>");
    EXPECT_TRUE(openHelp(*t, "html\\PO_Enter_Purchase_Orders.htm"));
    EXPECT_TRUE(openHelp(*t, "PO_Enter_Purchase_Orders.htm#tags"));
    ASSERT_EQ(t.ui.openedExternally().size(), 2u);
    EXPECT_EQ(t.ui.openedExternally()[0], page);
    EXPECT_EQ(t.ui.openedExternally()[1], "file://" + page + "#tags");
}

TEST(TextCase, EachCaseAndTheMenuMarks) {
    EXPECT_EQ(applyCase("net 30 DAYS, f.o.b. o'hare", TextCase::Capitalized), "Net 30 Days, F.O.B. O'hare");
    EXPECT_EQ(applyCase("Net 30 Days", TextCase::AllCaps), "NET 30 DAYS");
    EXPECT_EQ(applyCase("Net 30 Days", TextCase::Small), "net 30 days");
    EXPECT_EQ(caseMenuEntries(TextCase::Capitalized),
              (std::vector<std::string>{"   small text", "\u2022  Capitalized Text", "   ALL CAPS"}));
    EXPECT_EQ(caseMenuEntries(std::nullopt)[0], "   small text");

    test::TestSession t;
    t.views.set<GetCase>([](GetCase& m) { m.choose(2); });
    std::string text = "Net 30";
    EXPECT_EQ(getCase(*t, text, TextCase::Small), TextCase::AllCaps);
    EXPECT_EQ(text, "NET 30");
    t.views.set<GetCase>([](GetCase&) {});
    EXPECT_EQ(getCase(*t, text, TextCase::Small), std::nullopt);
    EXPECT_EQ(text, "NET 30") << "closing the menu leaves the text";
}

TEST(EditAccountNum, KeepsAccountCharactersAndNeedsAnAccountOnFile) {
    test::TestSession t;
    GLMaster gl;
    gl.Account = "5000-00";
    gl.Description = "Job Cost - Materials";
    ASSERT_TRUE(store::Table<GLMaster>(t.store()).insert(gl));

    EXPECT_EQ(accountCharacters("50a00-0 0x"), "5000-00");
    EXPECT_EQ(accountCharacters("1234567890123456"), "123456789012");

    EditAccountNum entry(*t, "");
    entry.setText("500000");
    EXPECT_EQ(entry.description(), "Job Cost - Materials") << "the digits name the account";
    EXPECT_TRUE(entry.accept());
    EXPECT_EQ(entry.text(), "5000-00") << "written as the account on file";

    entry.setText("6000-00");
    t.ui.expectTell("Account 6000-00 is not on file.", "Enter Account Number", ui::Icon::Exclamation);
    EXPECT_FALSE(entry.accept());

    t.views.set<EditAccountNum>([](EditAccountNum& w) {
        w.setText("");
        w.accept();
    });
    EXPECT_EQ(editAccountNum(*t, "5000-00"), std::optional<std::string>("")) << "blank means no account";
    t.views.set<EditAccountNum>([](EditAccountNum&) {});
    EXPECT_EQ(editAccountNum(*t, "5000-00"), std::nullopt);
}
