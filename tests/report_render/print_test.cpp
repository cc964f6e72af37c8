// Printing, on a printer that writes a PDF file: every page, or the range
// asked for, each on its own paper way up, and the copies a printer that
// cannot make them itself needs.
#include <gtest/gtest.h>

#include <QPrinter>
#include <sstream>

#include "report/render/print.h"
#include "report_render/pdf_tools.h"
#include "support/temp_dir.h"

using namespace vtl;
using namespace vtl::report;
using namespace vtl::test;

namespace {

// The page numbers a printed file shows, in order.
std::vector<int> printedPageNumbers(const std::string& file) {
    const ToolRun run = runTool(QStringLiteral("pdftotext"), {QString::fromStdString(file), QStringLiteral("-")});
    std::vector<int> pages;
    const std::string marker = "Page number ";
    for (std::size_t at = run.out.find(marker); at != std::string::npos; at = run.out.find(marker, at + 1))
        pages.push_back(std::stoi(run.out.substr(at + marker.size())));
    return pages;
}

class PrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(file));
    }
    TempDir dir;
    std::string file = dir.file("printed.pdf");
    QPrinter printer{QPrinter::HighResolution};
};

TEST_F(PrintTest, EveryPageOnItsOwnPaper) {
    SKIP_WITHOUT_TOOL("pdftotext");
    SKIP_WITHOUT_TOOL("pdfinfo");
    Document doc = numberedPages(3);
    doc.pages[1].width = 11000;
    doc.pages[1].height = 8500;
    std::string error;
    ASSERT_TRUE(render::printDocument(printer, doc, error)) << error;
    EXPECT_EQ(error, "");
    EXPECT_EQ(printedPageNumbers(file), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(pdfInfo(file, "Page    1 size", {"-f", "1", "-l", "3"}), "612 x 792 pts (letter)");
    EXPECT_EQ(pdfInfo(file, "Page    2 size", {"-f", "1", "-l", "3"}), "792 x 612 pts (letter)");
    EXPECT_EQ(pdfInfo(file, "Page    3 size", {"-f", "1", "-l", "3"}), "612 x 792 pts (letter)");
}

TEST_F(PrintTest, TheRangeAndOrderAskedForAndCopiesThePrinterCannotMake) {
    SKIP_WITHOUT_TOOL("pdftotext");
    const Document doc = numberedPages(5);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 4);
    printer.setPageOrder(QPrinter::LastPageFirst);
    printer.setCopyCount(2);
    printer.setCollateCopies(true);
    ASSERT_FALSE(printer.supportsMultipleCopies()) << "a file printer leaves copies to the program";
    std::string error;
    ASSERT_TRUE(render::printDocument(printer, doc, error)) << error;
    EXPECT_EQ(printedPageNumbers(file), (std::vector<int>{4, 3, 2, 4, 3, 2}));

    printer.setPageOrder(QPrinter::FirstPageFirst);
    printer.setCollateCopies(false);
    printer.setFromTo(4, 9);  // beyond the last page
    ASSERT_TRUE(render::printDocument(printer, doc, error)) << error;
    EXPECT_EQ(printedPageNumbers(file), (std::vector<int>{4, 4, 5, 5}));
}

}  // namespace
