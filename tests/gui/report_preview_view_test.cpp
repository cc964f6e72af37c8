// The preview window, run through the views as a report runs it: page of
// pages, moving between pages, the zoom, and each way of closing it telling
// the controller what was chosen. Also the print dialog left unaccepted.
#include <QComboBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>

#include "gui/qt_driver.h"
#include "gui/report/report_preview_view.h"
#include "gui/report/report_views.h"

using namespace vtl;
using namespace vtl::report;
using namespace vtl::test;

namespace {

Document pages(int count) {
    Document doc;
    doc.title = "Purchase Orders";
    for (int p = 1; p <= count; ++p) {
        Page page;
        page.items.push_back(TextItem{{500, 500, 4000, 300}, "Page " + std::to_string(p), Font{"Arial", 14, true}});
        page.items.push_back(BoxItem{{500, 1000, 7500, 9000}, 20});
        doc.pages.push_back(page);
    }
    return doc;
}

class ReportPreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        offscreenApp();
        gui::registerReportViews(views);
    }
    suite::Views views;
};

TEST_F(ReportPreviewTest, OpensOnTheFirstPageAndMovesAsTheButtonsSay) {
    const Document doc = pages(3);
    ReportPreview preview(doc, "Purchase Orders", {"Generate PDF File", "Email PO (pdf)", "Export This Report"});
    bool seen = false;
    whenModal<gui::ReportPreviewView>([&](gui::ReportPreviewView* w) {
        seen = true;
        EXPECT_EQ(w->windowTitle(), "Purchase Orders");
        EXPECT_LE(w->width(), 1366);
        EXPECT_LE(w->height(), 768);
        EXPECT_EQ(w->pageLabel()->text(), "Page 1 of 3");
        EXPECT_FALSE(w->firstButton()->isEnabled());
        EXPECT_FALSE(w->previousButton()->isEnabled());
        ASSERT_EQ(w->reportButtons().size(), 3u);
        EXPECT_EQ(w->reportButtons()[0]->text(), "Generate PDF File");
        EXPECT_EQ(w->reportButtons()[1]->text(), "Email PO (pdf)");
        EXPECT_EQ(w->reportButtons()[2]->text(), "Export This Report");

        w->nextButton()->click();
        EXPECT_EQ(preview.page(), 1);
        EXPECT_EQ(w->pageLabel()->text(), "Page 2 of 3");
        EXPECT_TRUE(w->previousButton()->isEnabled());
        w->lastButton()->click();
        EXPECT_EQ(w->pageLabel()->text(), "Page 3 of 3");
        EXPECT_FALSE(w->nextButton()->isEnabled());
        EXPECT_FALSE(w->lastButton()->isEnabled());
        pressKey(w->scrollArea(), Qt::Key_PageUp, Qt::ControlModifier);
        EXPECT_EQ(w->pageLabel()->text(), "Page 2 of 3");
        w->firstButton()->click();
        EXPECT_EQ(preview.page(), 0);
        w->closeButton()->click();
    });
    EXPECT_TRUE(views.run(preview));
    EXPECT_TRUE(seen);
    EXPECT_EQ(preview.outcome(), ReportPreview::Outcome::Closed);
}

TEST_F(ReportPreviewTest, PrintAndTheReportsButtonsCloseWithTheirAnswer) {
    const Document doc = pages(2);
    {
        ReportPreview preview(doc, "Purchase Orders", {"Generate PDF File"});
        whenModal<gui::ReportPreviewView>([](gui::ReportPreviewView* w) { w->printButton()->click(); });
        views.run(preview);
        EXPECT_EQ(preview.outcome(), ReportPreview::Outcome::Print);
    }
    {
        ReportPreview preview(doc, "Purchase Orders", {"Generate PDF File", "Email PO (pdf)"});
        whenModal<gui::ReportPreviewView>([](gui::ReportPreviewView* w) { w->reportButtons()[1]->click(); });
        views.run(preview);
        EXPECT_EQ(preview.outcome(), ReportPreview::Outcome::Button);
        EXPECT_EQ(preview.pressed(), 1);
    }
    {
        // Esc is Close, whatever was chosen before.
        ReportPreview preview(doc, "Purchase Orders", {"Generate PDF File"});
        preview.print();
        whenModal<gui::ReportPreviewView>([](gui::ReportPreviewView* w) { pressKey(w, Qt::Key_Escape); });
        views.run(preview);
        EXPECT_EQ(preview.outcome(), ReportPreview::Outcome::Closed);
    }
}

TEST_F(ReportPreviewTest, OnlyThePageShownIsDrawnSoALongReportOpensAtOnce) {
    const Document doc = pages(1000);
    ReportPreview preview(doc, "Purchase Orders", {});
    gui::ReportPreviewView w(preview);
    w.show();
    w.grab();
    EXPECT_EQ(w.pagesDrawn(), 1);
    EXPECT_EQ(w.pageLabel()->text(), "Page 1 of 1000");
    w.lastButton()->click();
    w.grab();
    EXPECT_EQ(w.pagesDrawn(), 2);
    w.grab();
    EXPECT_EQ(w.pagesDrawn(), 2) << "a page shown again is not drawn again";
}

TEST_F(ReportPreviewTest, ZoomFitsTheWidthTheWholePageOrAPercentage) {
    const Document doc = pages(1);
    ReportPreview preview(doc, "Purchase Orders", {}, 2);
    gui::ReportPreviewView w(preview);
    w.show();
    EXPECT_EQ(w.zoomBox()->currentText(), "Whole Page");
    QWidget* canvas = w.scrollArea()->widget();
    const QSize room = w.scrollArea()->viewport()->size();
    EXPECT_LE(canvas->height(), room.height());
    EXPECT_GT(canvas->height(), room.height() * 3 / 4) << "as large as fits";

    w.zoomBox()->setCurrentIndex(w.zoomBox()->findText("Page Width"));
    EXPECT_LE(canvas->width(), w.scrollArea()->viewport()->width());
    EXPECT_GT(canvas->width(), w.scrollArea()->viewport()->width() * 3 / 4);

    w.zoomBox()->setCurrentIndex(w.zoomBox()->findText("100%"));
    EXPECT_EQ(w.zoomDpi(), w.logicalDpiX());
    w.zoomInButton()->click();
    EXPECT_EQ(w.zoomBox()->currentText(), "125%");
    w.zoomOutButton()->click();
    w.zoomOutButton()->click();
    w.zoomOutButton()->click();
    EXPECT_EQ(w.zoomBox()->currentText(), "50%");
    EXPECT_FALSE(w.zoomOutButton()->isEnabled());
}

TEST_F(ReportPreviewTest, ThePrintDialogProposesTheCopiesAndClosedPrintsNothing) {
    const Document doc = pages(2);
    PrintJob job;
    job.document = &doc;
    job.title = "PO 1041";
    job.copies = 3;
    int copies = 0;
    whenModal<QPrintDialog>([&copies](QPrintDialog* d) {
        copies = d->printer()->copyCount();
        d->reject();
    });
    EXPECT_TRUE(views.run(job));
    EXPECT_EQ(copies, 3);
    EXPECT_TRUE(job.cancelled);
    EXPECT_FALSE(job.printed);
    EXPECT_EQ(job.error, "");
}

}  // namespace
