#include "gui/report/report_views.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

#include "gui/dialog_views.h"
#include "gui/qt_text.h"
#include "gui/report/report_preview_view.h"
#include "report/render/draw.h"
#include "report/render/print.h"

namespace vtl::gui {

void runPrintJob(report::PrintJob& job, QWidget* parent) {
    job.printed = false;
    job.cancelled = false;
    job.error.clear();
    if (!job.document || job.document->empty()) {
        job.error = "The report has no pages to print.";
        return;
    }
    const report::Document& doc = *job.document;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(qs(job.title.empty() ? doc.title : job.title));
    printer.setCopyCount(std::max(1, job.copies));
    printer.setFullPage(true);
    printer.setPageLayout(render::pageLayout(doc.pages.front()));
    printer.setFromTo(1, static_cast<int>(doc.pages.size()));
    printer.setPrintRange(QPrinter::AllPages);

    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, static_cast<int>(doc.pages.size()));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) {
        job.cancelled = true;
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    job.printed = render::printDocument(printer, doc, job.error);
    QApplication::restoreOverrideCursor();
}

void registerReportViews(suite::Views& views) {
    registerDialog<ReportPreviewView, report::ReportPreview>(views);
    views.set<report::PrintJob>([](report::PrintJob& job) { runPrintJob(job, callingWindow()); });
}

}  // namespace vtl::gui
