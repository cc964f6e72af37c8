// The report renderer on purchase-order pages (a header, address boxes and
// 40 lines of four columns, some descriptions wrapped; --scale multiplies
// the pages):
//   pdf:     the pages written to one PDF file, per page
//   picture: one page drawn on a 96 dpi picture, as the preview draws it
//   preview: the preview window of 1,000 pages (times the scale) opened
//            until its first page is on the screen
// The PDF run must report every page done and the preview its first page
// drawn, so a run that does nothing cannot pass.
#include <QApplication>
#include <QLabel>
#include <algorithm>
#include <cstdio>
#include <string>

#include "bench_util.h"
#include "gui/report/report_preview_view.h"
#include "report/pages/devices.h"
#include "report/render/draw.h"
#include "report/render/pdf.h"

using namespace vtl;
using namespace vtl::report;

namespace {

Page orderPage(int number) {
    Page p;
    p.items.emplace_back(TextItem{{500, 450, 7500, 350}, "PURCHASE ORDER", Font{"Arial", 18, true}, Align::Right});
    p.items.emplace_back(TextItem{{500, 850, 7500, 200}, "PO Number " + std::to_string(1000 + number),
                                  Font{"Arial", 10}, Align::Right});
    p.items.emplace_back(LineItem{500, 1100, 8000, 1100, 15});
    p.items.emplace_back(BoxItem{{500, 1300, 3600, 900}, 10, kBlack, true, 0xEEEEEE});
    p.items.emplace_back(TextItem{{600, 1350, 3400, 800}, "Harbor Supply Co.\n1200 Dock Street\nPortland, OR 97201",
                                  Font{"Arial Narrow", 10}});
    p.items.emplace_back(TextItem{{4500, 1350, 3400, 800}, "Riverside Medical Office\n455 Alder Avenue",
                                  Font{"Times New Roman", 11, false, true}});
    for (int r = 0; r < 40; ++r) {
        const int y = 2500 + r * 200;
        const Font f{"Arial", 8};
        p.items.emplace_back(TextItem{{550, y, 700, 180}, std::to_string(r + 1), f, Align::Right});
        const std::string description =
            r % 5 ? "Plywood form panels 4x8 HDO" : "Rebar #5 grade 60, 20 ft lengths, bundled and tagged by pour";
        p.items.emplace_back(TextItem{{1350, y, 3800, 180}, description, f, Align::Left, true});
        p.items.emplace_back(TextItem{{5250, y, 1300, 180}, "48.75", f, Align::Right});
        p.items.emplace_back(TextItem{{6650, y, 1300, 180}, std::to_string(1000 + r * 37) + ".50", f, Align::Right});
        p.items.emplace_back(LineItem{500, y + 190, 8000, y + 190, 5, 0x999999});
    }
    return p;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double scale = vtl::bench::scaleFrom(argc, argv);
    const int pdfPages = std::max(1, static_cast<int>(200 * scale));
    const int previewPages = std::max(1, static_cast<int>(1000 * scale));
    const std::string dir = vtl::bench::scratchFolder("render");

    Document doc;
    doc.title = "Purchase Orders";
    for (int n = 0; n < std::max(pdfPages, previewPages); ++n) doc.pages.push_back(orderPage(n));

    // A first page drawn before timing: the fonts are found once per program.
    render::renderPage(doc.pages[0], 96);

    Document pdfDoc;
    pdfDoc.pages.assign(doc.pages.begin(), doc.pages.begin() + pdfPages);
    PdfJob job;
    job.document = &pdfDoc;
    job.path = dir + "/orders.pdf";
    int pagesDone = 0;
    job.progress = [&pagesDone](int done, int) {
        pagesDone = done;
        return true;
    };
    vtl::bench::Stopwatch pdfClock;
    if (!render::writePdf(job) || pagesDone != pdfPages) {
        std::fprintf(stderr, "the PDF was not written: %s\n", job.error.c_str());
        return 1;
    }
    const double pdfMs = pdfClock.seconds() * 1000 / pdfPages;

    constexpr int kPictures = 20;
    vtl::bench::Stopwatch pictureClock;
    for (int i = 0; i < kPictures; ++i) render::renderPage(doc.pages[i], 96);
    const double pictureMs = pictureClock.seconds() * 1000 / kPictures;

    Document previewDoc;
    previewDoc.title = doc.title;
    previewDoc.pages.assign(doc.pages.begin(), doc.pages.begin() + previewPages);
    ReportPreview preview(previewDoc, "Purchase Orders", {"Generate PDF File"});
    vtl::bench::Stopwatch previewClock;
    double previewMs = 0;
    {
        gui::ReportPreviewView view(preview);
        view.show();
        view.grab();
        previewMs = previewClock.seconds() * 1000;
        if (view.pagesDrawn() != 1 || view.pageLabel()->text() != QString("Page 1 of %1").arg(previewPages)) {
            std::fprintf(stderr, "the preview did not show its first page\n");
            return 1;
        }
    }

    vtl::bench::figure("pdf_pages", pdfPages, "pages");
    vtl::bench::figure("pdf_per_page", pdfMs, "ms");
    vtl::bench::figure("picture_per_page", pictureMs, "ms");
    vtl::bench::figure("preview_pages", previewPages, "pages");
    vtl::bench::figure("preview_open", previewMs, "ms");
    vtl::bench::target("pdf_per_page_ms", pdfMs, 20);
    vtl::bench::target("preview_open_ms", previewMs, 300);
    return 0;
}
