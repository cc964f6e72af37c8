#include "report/render/print.h"

#include <QPainter>
#include <algorithm>
#include <vector>

#include "report/render/draw.h"

namespace vtl::render {
namespace {

std::string printerName(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) return printer.outputFileName().toStdString();
    return printer.printerName().toStdString();
}

// The page numbers (0-based) in the order they are printed.
std::vector<int> printOrder(const QPrinter& printer, int pageCount) {
    int from = 0;
    int to = pageCount - 1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = std::min(printer.fromPage(), pageCount) - 1;
        to = std::clamp(printer.toPage() > 0 ? printer.toPage() : pageCount, from + 1, pageCount) - 1;
    }
    std::vector<int> pages;
    for (int p = from; p <= to; ++p) pages.push_back(p);
    if (printer.pageOrder() == QPrinter::LastPageFirst) std::reverse(pages.begin(), pages.end());
    // A printer that cannot make copies itself gets each one.
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    std::vector<int> order;
    if (printer.collateCopies()) {
        for (int c = 0; c < copies; ++c) order.insert(order.end(), pages.begin(), pages.end());
    } else {
        for (int p : pages) order.insert(order.end(), copies, p);
    }
    return order;
}

}  // namespace

bool printDocument(QPrinter& printer, const report::Document& doc, std::string& error) {
    error.clear();
    if (doc.empty()) {
        error = "The report has no pages to print.";
        return false;
    }
    const std::vector<int> order = printOrder(printer, static_cast<int>(doc.pages.size()));
    printer.setFullPage(true);
    printer.setPageLayout(pageLayout(doc.pages[order.front()]));
    QPainter painter;
    if (!painter.begin(&printer)) {
        error = "The printer " + printerName(printer) + " could not be started.";
        return false;
    }
    for (std::size_t i = 0; i < order.size(); ++i) {
        const report::Page& page = doc.pages[order[i]];
        if (i > 0) {
            printer.setPageLayout(pageLayout(page));
            if (!printer.newPage()) break;
        }
        painter.resetTransform();
        useMils(painter);
        drawPage(painter, page);
    }
    painter.end();
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted) {
        error = "Printing on " + printerName(printer) + " failed.";
        return false;
    }
    return true;
}

}  // namespace vtl::render
