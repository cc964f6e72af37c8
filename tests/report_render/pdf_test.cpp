// Reports written to PDF files, read back with qpdf and poppler's tools:
// a valid file, the fonts embedded, the texts in order, letter paper either
// way up; files split by pages; nothing left behind by a cancel or a failure.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include <QRandomGenerator>
#include <filesystem>
#include <set>
#include <sstream>

#include "report/render/fonts.h"
#include "report/render/pdf.h"
#include "report_render/pdf_tools.h"
#include "support/temp_dir.h"

using namespace vtl;
using namespace vtl::report;
using namespace vtl::test;

namespace {

const char* const kNote =
    "Deliver to the north gate of the site between seven and three; call the superintendent an hour ahead.";
const Font kNoteFont{"Times New Roman", 10, false, true};
const Rect kNoteBox{500, 3000, 2500, 1000};

// Two pages: a letter portrait one with the three families, a wrapped note,
// lines, boxes and a picture, and a landscape one.
Document sampleDocument() {
    Document doc;
    doc.title = "Purchase Order 1041";
    Page first;
    first.items.push_back(TextItem{{500, 500, 7500, 300}, "PURCHASE ORDER", Font{"Arial", 16, true}, Align::Center});
    first.items.push_back(ImageItem{{500, 500, 1000, 500}, twoColourPng(40, 20, qRgb(200, 0, 0), qRgb(0, 0, 200))});
    first.items.push_back(LineItem{500, 1100, 8000, 1100, 15});
    first.items.push_back(BoxItem{{500, 1300, 3500, 1200}, 10, kBlack, true, 0xEEEEEE});
    first.items.push_back(TextItem{{600, 1400, 3300, 200}, "Harbor Supply Co.", Font{"Arial Narrow", 10}});
    first.items.push_back(TextItem{kNoteBox, kNote, kNoteFont, Align::Left, true});
    first.items.push_back(TextItem{{4500, 3000, 3500, 200}, "Total 1,234.56", Font{"Arial", 10}, Align::Right});
    doc.pages.push_back(first);
    Page second{11000, 8500, {}};
    second.items.push_back(TextItem{{500, 500, 10000, 300}, "Terms and conditions", Font{"Arial", 12, true}});
    second.items.push_back(BoxItem{{500, 1000, 10000, 7000}, 20});
    doc.pages.push_back(second);
    return doc;
}

// The base names of the fonts pdffonts lists ("LiberationSans-Bold"), each
// with whether it is embedded.
std::vector<std::pair<std::string, bool>> pdfFonts(const std::string& file) {
    const ToolRun run = runTool(QStringLiteral("pdffonts"), file);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::vector<std::pair<std::string, bool>> fonts;
    std::istringstream lines(run.out);
    std::string line;
    for (int n = 0; std::getline(lines, line); ++n) {
        if (n < 2 || line.empty()) continue;  // the heading and its underline
        std::vector<std::string> words;
        std::istringstream in(line);
        for (std::string w; in >> w;) words.push_back(w);
        if (words.size() < 6) continue;
        std::string name = words.front();
        if (const auto plus = name.find('+'); plus != std::string::npos) name = name.substr(plus + 1);
        // ... emb sub uni object-number generation
        fonts.emplace_back(name, words[words.size() - 5] == "yes");
    }
    return fonts;
}

std::vector<std::string> textLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.front() == '\f') line.erase(0, 1);
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

TEST(Pdf, ASampleReportIsAValidFileWithEmbeddedFontsTextsInOrderAndLetterPages) {
    SKIP_WITHOUT_TOOL("qpdf");
    SKIP_WITHOUT_TOOL("pdffonts");
    SKIP_WITHOUT_TOOL("pdftotext");
    SKIP_WITHOUT_TOOL("pdfinfo");
    TempDir dir;
    const Document doc = sampleDocument();
    PdfJob job;
    job.document = &doc;
    job.path = dir.file("PO 1041.pdf");
    ASSERT_TRUE(render::writePdf(job)) << job.error;
    EXPECT_TRUE(job.written());
    EXPECT_EQ(job.files, std::vector<std::string>{job.path});
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"PO 1041.pdf"});

    const ToolRun check = runTool(QStringLiteral("qpdf"), job.path, {QStringLiteral("--check")});
    EXPECT_EQ(check.exitCode, 0) << check.out << check.err;

    std::set<std::string> names;
    for (const auto& [name, embedded] : pdfFonts(job.path)) {
        EXPECT_TRUE(embedded) << name << " is not embedded";
        names.insert(name);
    }
    EXPECT_EQ(names, (std::set<std::string>{"LiberationSans", "LiberationSans-Bold", "LiberationSansNarrow",
                                            "LiberationSerif-Italic"}));

    EXPECT_EQ(pdfInfo(job.path, "Title"), "Purchase Order 1041");
    EXPECT_EQ(pdfPages(job.path), 2);
    EXPECT_EQ(pdfInfo(job.path, "Page    1 size", {"-f", "1", "-l", "2"}), "612 x 792 pts (letter)");
    EXPECT_EQ(pdfInfo(job.path, "Page    2 size", {"-f", "1", "-l", "2"}), "792 x 612 pts (letter)");

    // In drawing order, the note broken where the measure breaks it.
    std::vector<std::string> expected{"PURCHASE ORDER", "Harbor Supply Co."};
    for (const std::string& line : wrapText(render::QtTextMeasure::shared(), kNoteFont, kNote, kNoteBox.w))
        expected.push_back(line);
    ASSERT_GE(expected.size(), 4u) << "the note must take several lines";
    expected.push_back("Total 1,234.56");
    expected.push_back("Terms and conditions");
    const ToolRun text = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), QString::fromStdString(job.path),
                                                               QStringLiteral("-")});
    EXPECT_EQ(textLines(text.out), expected);
}

// The right end of the last word pdftotext finds on the first page, in points.
double lastWordRight(const std::string& file) {
    const ToolRun run =
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                              QStringLiteral("-l"), QStringLiteral("1"), QString::fromStdString(file),
                                              QStringLiteral("-")});
    const std::size_t word = run.out.rfind("<word ");
    const std::size_t xMax = run.out.find("xMax=\"", word);
    if (word == std::string::npos || xMax == std::string::npos) return -1;
    return std::stod(run.out.substr(xMax + 6));
}

TEST(Pdf, ARightAlignedTextEndsAtItsBoxInTheFileForEveryFamily) {
    SKIP_WITHOUT_TOOL("pdftotext");
    TempDir dir;
    for (const Font& font : {Font{"Arial", 9}, Font{"Arial Narrow", 11, true}, Font{"Times New Roman", 14, false, true},
                             Font{"Arial", 30}}) {
        SCOPED_TRACE(font.family + " " + std::to_string(font.points));
        Document doc;
        doc.pages.resize(1);
        // Ends at 7.5 inches: 540 points.
        doc.pages[0].items.push_back(TextItem{{1000, 1000, 6500, 600}, "Amount due WAVY 1,234.56", font, Align::Right});
        PdfJob job;
        job.document = &doc;
        job.path = dir.file("right.pdf");
        ASSERT_TRUE(render::writePdf(job)) << job.error;
        EXPECT_NEAR(lastWordRight(job.path), 540.0, 0.1);
    }
}

TEST(Pdf, PagesPerFileSplitsIntoNumberedFiles) {
    SKIP_WITHOUT_TOOL("pdfinfo");
    TempDir dir;
    const Document doc = numberedPages(5);
    PdfJob job;
    job.document = &doc;
    job.path = dir.file("Orders.pdf");
    job.pagesPerFile = 2;
    std::vector<std::pair<int, int>> calls;
    job.progress = [&calls](int done, int total) {
        calls.emplace_back(done, total);
        return true;
    };
    ASSERT_TRUE(render::writePdf(job)) << job.error;
    EXPECT_EQ(job.files, (std::vector<std::string>{dir.file("Orders1.pdf"), dir.file("Orders2.pdf"),
                                                   dir.file("Orders3.pdf")}));
    EXPECT_EQ(filesIn(dir.path()), (std::vector<std::string>{"Orders1.pdf", "Orders2.pdf", "Orders3.pdf"}));
    EXPECT_EQ(pdfPages(job.files[0]), 2);
    EXPECT_EQ(pdfPages(job.files[1]), 2);
    EXPECT_EQ(pdfPages(job.files[2]), 1);
    EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}}));
    const ToolRun text =
        runTool(QStringLiteral("pdftotext"), {QString::fromStdString(job.files[2]), QStringLiteral("-")});
    EXPECT_NE(text.out.find("Page number 5"), std::string::npos) << text.out;
}

TEST(Pdf, NumberedFilesHaveAsManyDigitsAsTheHighestNumber) {
    EXPECT_EQ(render::pdfFileNames("/out/PO.pdf", 7, 0), std::vector<std::string>{"/out/PO.pdf"});
    EXPECT_EQ(render::pdfFileNames("/out/PO.pdf", 2, 5), std::vector<std::string>{"/out/PO1.pdf"});
    const auto twelve = render::pdfFileNames("/out/PO.PDF", 12, 1);
    ASSERT_EQ(twelve.size(), 12u);
    EXPECT_EQ(twelve.front(), "/out/PO01.PDF");
    EXPECT_EQ(twelve.back(), "/out/PO12.PDF");
    EXPECT_EQ(render::pdfFileNames("/out/po", 201, 2).back(), "/out/po101");
}

TEST(Pdf, ACancelledJobLeavesNothingBehindEvenOfTheFilesItFinished) {
    TempDir dir;
    const Document doc = numberedPages(5);
    PdfJob job;
    job.document = &doc;
    job.path = dir.file("Orders.pdf");
    job.pagesPerFile = 2;
    job.progress = [](int done, int) { return done < 3; };  // the first file is complete by then
    EXPECT_FALSE(render::writePdf(job));
    EXPECT_TRUE(job.cancelled);
    EXPECT_EQ(job.error, "");
    EXPECT_TRUE(job.files.empty());
    EXPECT_FALSE(job.written());
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{});
}

TEST(Pdf, AFolderThatIsNotThereOrAFinalNameTakenByAFolderFailsWithOneLine) {
    TempDir dir;
    const Document doc = numberedPages(3);
    PdfJob job;
    job.document = &doc;
    job.path = dir.file("missing/PO.pdf");
    EXPECT_FALSE(render::writePdf(job));
    EXPECT_EQ(job.error, job.path + ": the folder " + dir.file("missing") + " does not exist");

    dir.write("plain", "not a folder");
    job.path = dir.file("plain/PO.pdf");
    EXPECT_FALSE(render::writePdf(job));
    EXPECT_EQ(job.error, job.path + ": " + dir.file("plain") + " is not a folder");

    // The second file's name is a folder: written in full, it cannot take
    // that name, and the first, already in place, goes too.
    std::filesystem::create_directory(dir.file("PO2.pdf"));
    job.path = dir.file("PO.pdf");
    job.pagesPerFile = 2;
    EXPECT_FALSE(render::writePdf(job));
    EXPECT_EQ(job.error, dir.file("PO2.pdf") + ": cannot be put in place (Is a directory)");
    EXPECT_FALSE(job.cancelled);
    EXPECT_TRUE(job.files.empty());
    EXPECT_EQ(filesIn(dir.path()), (std::vector<std::string>{"PO2.pdf", "plain"}));
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("PO2.pdf")));
}

// A picture of random pixels, which no compression makes smaller.
std::string noisePng(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) image.setPixel(x, y, QRandomGenerator::global()->generate() | 0xFF000000u);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data().toStdString();
}

TEST(Pdf, AWriteThatFailsPartwayLeavesNothingAndSaysWhy) {
    TempDir dir;
    Document doc = numberedPages(4);
    for (Page& page : doc.pages) page.items.push_back(ImageItem{{500, 1000, 3000, 3000}, noisePng(160)});
    // The disk is full after 64 KiB: the file size limit makes writes fail
    // as a full disk does (with the signal it sends ignored).
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    PdfJob job;
    job.document = &doc;
    job.path = dir.file("Large.pdf");
    const bool written = render::writePdf(job);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(job.error, job.path + ": writing failed (File too large)");
    EXPECT_FALSE(job.cancelled);
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{});
}

}  // namespace
