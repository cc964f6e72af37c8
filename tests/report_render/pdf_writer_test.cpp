// The PDF file of our own making against the preview: the same page drawn
// both ways must look the same, its text read back must be what was drawn,
// and the embedded font subsets must draw the glyphs they keep.
#include <gtest/gtest.h>

#include <QPainterPath>
#include <QRawFont>

#include "pdf_tools.h"
#include "report/render/draw.h"
#include "report/render/fonts.h"
#include "report/render/pdf.h"
#include "report/render/truetype_subset.h"
#include "support/temp_dir.h"

using namespace vtl;
using namespace vtl::report;
using namespace vtl::test;

namespace {

Page everyKindOfItem() {
    Page p;
    p.items.push_back(TextItem{{500, 400, 7500, 400}, "PURCHASE ORDER WAVE Type", Font{"Arial", 24, true}, Align::Right});
    p.items.push_back(TextItem{{500, 1000, 3500, 250}, "Columbia Ridge Builders, Inc.", Font{"Arial", 11}});
    p.items.push_back(
        TextItem{{500, 1300, 3500, 250}, "Narrow AVATAR 1,234.56", Font{"Arial Narrow", 10, false, false, true}});
    p.items.push_back(TextItem{{500, 1600, 3500, 250}, "Times italic: café, Größe", Font{"Times New Roman", 12, false, true}});
    // Too long for its box: clipped at the box's right edge.
    p.items.push_back(TextItem{{4500, 1000, 1500, 250}, "A description far too long to fit", Font{"Arial", 10}});
    p.items.push_back(TextItem{{4500, 1400, 3000, 900},
                               "A note that wraps over several lines of the box, as a long line text does on a form.",
                               Font{"Times New Roman", 10}, Align::Left, true, 0x204080});
    p.items.push_back(LineItem{500, 2600, 8000, 2600, 20});
    p.items.push_back(LineItem{500, 2700, 8000, 2700, 0, 0xC00000});
    p.items.push_back(BoxItem{{500, 2900, 3000, 800}, 15, kBlack, true, 0xDDDDDD});
    p.items.push_back(BoxItem{{4000, 2900, 3000, 800}, 30, 0x008000});
    p.items.push_back(ImageItem{{500, 4000, 2000, 1000}, twoColourPng(40, 20, qRgb(200, 30, 30), qRgb(30, 30, 200))});
    return p;
}

// The page as pdftoppm draws it from the file, in grey, at `dpi`.
QImage pdfPageImage(const std::string& pdf, const std::string& stem, int dpi) {
    const ToolRun run = runTool(QStringLiteral("pdftoppm"),
                                {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
                                 QStringLiteral("-singlefile"), QStringLiteral("-png"), QString::fromStdString(pdf),
                                 QString::fromStdString(stem)});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return QImage(QString::fromStdString(stem + ".png")).convertToFormat(QImage::Format_Grayscale8);
}

// The share of ink in `a` with no ink within a pixel of it in `b`.
double inkMissing(const QImage& a, const QImage& b) {
    long ink = 0, missing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (qGray(a.pixel(x, y)) >= 160) continue;
            ++ink;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    near = nx >= 0 && ny >= 0 && nx < b.width() && ny < b.height() && qGray(b.pixel(nx, ny)) < 200;
                }
            if (!near) ++missing;
        }
    return ink == 0 ? 1.0 : static_cast<double>(missing) / ink;
}

}  // namespace

TEST(PdfWriter, APageInTheFileLooksAsThePreviewDrawsIt) {
    SKIP_WITHOUT_TOOL("pdftoppm");
    TempDir dir;
    Document doc;
    doc.title = "Every item";
    doc.pages.push_back(everyKindOfItem());
    PdfJob job;
    job.document = &doc;
    job.path = dir.file("items.pdf");
    ASSERT_TRUE(render::writePdf(job)) << job.error;

    constexpr int kDpi = 100;
    const QImage fromFile = pdfPageImage(job.path, dir.file("items"), kDpi);
    const QImage preview = render::renderPage(doc.pages[0], kDpi).convertToFormat(QImage::Format_Grayscale8);
    ASSERT_EQ(fromFile.size(), preview.size());
    // Both ways every mark is in place: antialiasing differs, positions do not.
    EXPECT_LT(inkMissing(preview, fromFile), 0.01);
    EXPECT_LT(inkMissing(fromFile, preview), 0.01);
}

TEST(PdfWriter, TheTextReadBackIsTheTextDrawnWithItsAccentsAndKerning) {
    SKIP_WITHOUT_TOOL("pdftotext");
    TempDir dir;
    Document doc;
    doc.pages.resize(1);
    const std::vector<std::string> texts = {"AVATAR WAVE Type To", "café Größe naïve – “quoted”", "1,234.56 €"};
    Mils y = 500;
    for (const std::string& t : texts) {
        doc.pages[0].items.push_back(TextItem{{500, y, 7000, 300}, t, Font{"Arial", 12}});
        y += 400;
    }
    // The same text drawn again elsewhere and in another font.
    doc.pages[0].items.push_back(TextItem{{500, y, 7000, 300}, texts[0], Font{"Times New Roman", 12, true}});
    PdfJob job;
    job.document = &doc;
    job.path = dir.file("text.pdf");
    ASSERT_TRUE(render::writePdf(job)) << job.error;
    const ToolRun run = runTool(QStringLiteral("pdftotext"),
                                {QStringLiteral("-raw"), QString::fromStdString(job.path), QStringLiteral("-")});
    std::vector<std::string> lines;
    std::istringstream in(run.out);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.front() == '\f') line.erase(0, 1);
        if (!line.empty()) lines.push_back(line);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{texts[0], texts[1], texts[2], texts[0]}));
}

TEST(TrueTypeSubset, KeepsTheGlyphsDrawnUnderTheirNumbersAndEmptiesTheRest) {
    const QRawFont whole = QRawFont::fromFont(render::qtFont(Font{"Arial", 10}, 1000));
    ASSERT_TRUE(whole.isValid());
    const QList<quint32> glyphs = whole.glyphIndexesForString(QStringLiteral("AÅB"));
    ASSERT_EQ(glyphs.size(), 3);
    const render::FontTables tables = [&](std::string_view tag) {
        const QByteArray t = whole.fontTable(std::string(tag).c_str());
        return std::string(t.constData(), static_cast<std::size_t>(t.size()));
    };
    // "A" and "Å" kept, "B" not.
    const std::string subset = render::subsetTrueType(tables, {glyphs[0], glyphs[1]});
    ASSERT_FALSE(subset.empty());
    EXPECT_LT(subset.size(), tables("glyf").size() / 4) << "most glyphs are left out";

    const QRawFont cut(QByteArray(subset.data(), static_cast<qsizetype>(subset.size())), 100);
    ASSERT_TRUE(cut.isValid());
    const QRawFont wholeAt100 = QRawFont::fromFont(render::qtFont(Font{"Arial", 10}, 1000));
    QRawFont reference(wholeAt100);
    reference.setPixelSize(100);
    for (int i = 0; i < 2; ++i) {
        const QRectF kept = cut.pathForGlyph(glyphs[i]).boundingRect();
        EXPECT_FALSE(kept.isEmpty()) << "glyph " << glyphs[i];
        EXPECT_EQ(kept, reference.pathForGlyph(glyphs[i]).boundingRect()) << "glyph " << glyphs[i];
    }
    EXPECT_TRUE(cut.pathForGlyph(glyphs[2]).isEmpty()) << "B was not asked for";

    render::FontFacts facts;
    ASSERT_TRUE(render::readFontFacts(tables, facts));
    EXPECT_EQ(facts.postScriptName, "LiberationSans");
    EXPECT_EQ(facts.unitsPerEm, 2048);
    const render::GlyphWidths widths(tables);
    EXPECT_NEAR(widths.advance(glyphs[0]) * 10.0 / facts.unitsPerEm,
                reference.advancesForGlyphIndexes(QList<quint32>{glyphs[0]}).front().x() / 10, 0.01);
}
