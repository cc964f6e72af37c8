#include "report/render/render_devices.h"

#include "report/pages/devices.h"
#include "report/render/fonts.h"
#include "report/render/pdf.h"

namespace vtl::render {

void registerReportDevices(suite::Views& views) {
    // The measure the pages are drawn with, so a report breaks its lines as they will be drawn.
    views.set<report::MeasureRequest>([](report::MeasureRequest& r) { r.measure = &QtTextMeasure::shared(); });
    views.set<report::PdfJob>([](report::PdfJob& job) { writePdf(job); });
}

}  // namespace vtl::render
