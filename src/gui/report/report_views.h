#pragma once
// Registers the report windows: the preview (ReportPreview) and printing
// (PrintJob: the print dialog, then every page on the printer chosen). The
// devices without a window are registered by render::registerReportDevices.
#include <QWidget>

#include "platform/suite/views.h"
#include "report/pages/devices.h"

namespace vtl::gui {

void registerReportViews(suite::Views& views);

// The print dialog over `parent`, proposing the job's copies; then the pages.
void runPrintJob(report::PrintJob& job, QWidget* parent);

}  // namespace vtl::gui
