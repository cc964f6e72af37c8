// The common end of every report: the progress window and its Cancel
// questions, preview or printing, and the PDF file with its questions.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/suite/settings_files.h"
#include "support/test_session.h"
#include "vtlporpt/output/report_run.h"

using namespace vtl;
using namespace vtl::test;
using rpt::ReportRun;
using ui::Icon;

namespace {

class ReportRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.pages.resize(3);
        s.views.set<report::ReportPreview>([this](report::ReportPreview& p) {
            ++previews;
            previewed = p.pageCount();
            if (previewAnswer) previewAnswer(p);
        });
        s.views.set<report::PrintJob>([this](report::PrintJob& j) {
            ++printed;
            j.printed = true;
        });
        s.views.set<report::PdfJob>([this](report::PdfJob& j) {
            pdfPath = j.path;
            for (int p = 1; p <= static_cast<int>(j.document->pages.size()); ++p)
                if (j.progress && !j.progress(p, static_cast<int>(j.document->pages.size()))) {
                    j.cancelled = true;
                    return;
                }
            j.error = pdfError;
            if (pdfError.empty()) j.files.push_back(j.path);
        });
    }
    void yesNo(const char* text, const char* title, int answer) {
        s.ui.expectAsk(text, title, "&Yes|&No", Icon::Question).answer(answer);
    }

    TestSession s;
    report::Document doc;
    std::function<void(report::ReportPreview&)> previewAnswer;
    int previews = 0, previewed = 0, printed = 0;
    std::string pdfPath, pdfError;
};

}  // namespace

TEST_F(ReportRunTest, TheProgressWindowTakesItsTextsFromTheReportsSettingsFile) {
    {
        ReportRun run(*s, "Purchase Orders");
        run.begin(4);
        for (int i = 1; i <= 4; ++i) EXPECT_TRUE(run.step(i, 1));
    }
    ASSERT_EQ(s.ui.progressWindows().size(), 1u);
    EXPECT_EQ(s.ui.progressWindows()[0].title, "Generating Report");
    EXPECT_EQ(s.ui.progressWindows()[0].texts.front(), "  0% Completed");
    EXPECT_EQ(s.ui.progressWindows()[0].texts.back(), "100% Completed");

    std::ofstream(rpt::DisplayStrings::path(*s)) << "[DISPLAY STRINGS 2.0]\r\nProgWinTitlePrvw=Making the Form\r\n"
                                                    "ProgWinPctText=% done\r\n";
    s.globals.PrintPreview = 0;
    ReportRun printing(*s, "Purchase Orders");
    printing.begin(2);
    EXPECT_EQ(s.ui.progressWindows()[1].title, "Printing Report");
    s.globals.PrintPreview = 1;
    ReportRun again(*s, "Purchase Orders");
    again.begin(2);
    again.step(1, 0);
    EXPECT_EQ(s.ui.progressWindows()[2].title, "Making the Form");
    EXPECT_EQ(s.ui.progressWindows()[2].texts.back(), " 50% done");
}

TEST_F(ReportRunTest, CancelAsksAndMayShowWhatWasMadeDropItOrGoOn) {
    const char* sure = "Are you sure you want to CANCEL this Report?";
    const char* partial = "Report Cancellation Requested!||Preview Report generated so far?";
    s.ui.cancelProgressAt(2);
    {
        ReportRun run(*s, "Purchase Orders");
        run.begin(10);
        EXPECT_TRUE(run.step(1, 1));
        s.ui.expectAsk(sure, "Question", "&Yes|&No", Icon::Question).answer(2);  // No: on with the report
        EXPECT_TRUE(run.step(2, 1));
        s.ui.expectAsk(sure, "Question", "&Yes|&No", Icon::Question).answer(1);
        s.ui.expectAsk(partial, "Question", "&Yes|&No|&Cancel", Icon::Question).answer(3);  // Cancel: on too
        EXPECT_TRUE(run.step(3, 1));
        s.ui.expectAsk(sure, "Question", "&Yes|&No", Icon::Question).answer(1);
        s.ui.expectAsk(partial, "Question", "&Yes|&No|&Cancel", Icon::Question).answer(1);  // Yes: see it
        EXPECT_FALSE(run.step(4, 1));
        EXPECT_TRUE(run.keepPages());
        run.finish(doc, {});
        EXPECT_EQ(previews, 1);
        EXPECT_TRUE(run.stopped());
        yesNo("Report Not Printed||Create PDF anyway?", "Create PDF?", 2);
        EXPECT_FALSE(run.pdfWanted());
    }
    {
        ReportRun run(*s, "Purchase Orders");
        run.begin(10);
        s.ui.expectAsk(sure, "Question", "&Yes|&No", Icon::Question).answer(1);
        s.ui.expectAsk(partial, "Question", "&Yes|&No|&Cancel", Icon::Question).answer(2);  // No: drop it
        EXPECT_FALSE(run.step(5, 2));
        EXPECT_FALSE(run.keepPages());
        run.finish(doc, {});
        EXPECT_EQ(previews, 1);
    }
    {
        ReportRun run(*s, "Purchase Orders");
        run.begin(10);
        s.ui.expectAsk(sure, "Question", "&Yes|&No", Icon::Question).answer(1);  // nothing made yet: no second question
        EXPECT_FALSE(run.step(5, 0));
    }
}

TEST_F(ReportRunTest, ThePreviewPrintsOrHandsBackItsButtonAndWithoutPreviewThePagesArePrinted) {
    ReportRun run(*s, "Purchase Orders");
    previewAnswer = [](report::ReportPreview& p) { p.print(); };
    auto shown = run.finish(doc, {"Generate PDF File", "Email PO (pdf)"});
    EXPECT_TRUE(shown.printed);
    EXPECT_EQ(previewed, 3);
    previewAnswer = [](report::ReportPreview& p) {
        EXPECT_EQ(p.buttons()[1], "Email PO (pdf)");
        p.press(1);
    };
    shown = run.finish(doc, {"Generate PDF File", "Email PO (pdf)"});
    EXPECT_FALSE(shown.printed);
    EXPECT_EQ(shown.button, 1);
    EXPECT_EQ(printed, 1);

    s.globals.PrintPreview = 0;
    ReportRun direct(*s, "Purchase Orders");
    EXPECT_TRUE(direct.finish(doc, {}).printed);
    EXPECT_EQ(previews, 2);
    EXPECT_EQ(printed, 2);
    EXPECT_FALSE(direct.finish(report::Document(), {}).printed) << "no pages, nothing printed";
}

TEST_F(ReportRunTest, APdfIsNamedCompletedAndWrittenOrCancelledAsThePersonSays) {
    ReportRun run(*s, "Purchase Orders");
    s.ui.expectSaveFile("PDF File Name and Location", "PDF Files|*.pdf|All Files|*.*").cancel();
    EXPECT_FALSE(run.askPdfPath("/x/Purchase Order.pdf"));
    s.ui.expectSaveFile("PDF File Name and Location", "PDF Files|*.pdf|All Files|*.*").answer("Orders");
    yesNo("Do you wish to view the PDF file when it is created?", "View PDF?", 1);
    auto choice = run.askPdfPath("/x/Purchase Order.pdf");
    ASSERT_TRUE(choice);
    EXPECT_TRUE(choice->view);

    EXPECT_TRUE(run.writePdf(doc, "", false).empty()) << "a blank path writes nothing";
    EXPECT_TRUE(pdfPath.empty());
    auto files = run.writePdf(doc, choice->path, choice->view);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0], s.folder + "/Orders.pdf");
    ASSERT_EQ(s.ui.openedExternally().size(), 1u);
    EXPECT_EQ(s.ui.openedExternally()[0], files[0]);
    EXPECT_EQ(s.ui.progressWindows().back().title, "Please Wait...");
    EXPECT_EQ(s.ui.progressWindows().back().texts.back(), "Generating PDF Orders.pdf|Page 3 of 3");

    // Cancel in the status window asks; Yes leaves no file.
    s.ui.cancelProgressAt(2);
    yesNo("Do you wish to Cancel the PDF Generation?", "Cancel PDF?", 1);
    EXPECT_TRUE(run.writePdf(doc, "/tmp/x/Cancelled.pdf", true).empty());
    EXPECT_EQ(s.ui.openedExternally().size(), 1u);

    s.ui.cancelProgressAt(-1);
    pdfError = "/nowhere/A.pdf: no such folder";
    s.ui.expectTell(pdfError, "PDF Not Written", Icon::Warning);
    EXPECT_TRUE(run.writePdf(doc, "/nowhere/A.pdf", true).empty());
}
