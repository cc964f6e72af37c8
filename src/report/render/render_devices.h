#pragma once
// Registers the devices a report asks for that need no window: the text
// measure of this installation's fonts (MeasureRequest) and the PDF writer
// (PdfJob). The host adds the preview and the printer (gui/report); the
// batch tool, with an offscreen application object, needs only these.
#include "platform/suite/views.h"

namespace vtl::render {

void registerReportDevices(suite::Views& views);

}  // namespace vtl::render
