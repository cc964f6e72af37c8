#pragma once
// Drawing the pages of the report model with a QPainter: on a picture for
// the preview and the tests, on a PDF writer, on a printer.
//
// Text: the lines of a text item start at the top of its box, one line
// height (the font's line spacing) apart, each on its baseline one ascent
// below its top; aligned by the measured width of each line. A wrapped text
// breaks with report::wrapText and the measure it is drawn with; any text
// starts a new line at a line break. Nothing draws outside the box.
// Lines are `width` wide, centred on their points, ending at them (flat
// ends); width 0 is the thinnest line the device draws. A box's frame is
// centred on its edges and drawn over its fill. A picture fills its box.
#include <QImage>
#include <QPageLayout>
#include <QPainter>

#include "report/pages/page.h"

namespace vtl::render {

// Sets up the painter so that one unit is a thousandth of an inch on its
// device, from the device's top left corner (the painter's own origin).
void useMils(QPainter& painter);

// Draws a page on a painter set up by useMils.
void drawPage(QPainter& painter, const report::Page& page);

// The page drawn on a white picture of `dpi` dots per inch.
QImage renderPage(const report::Page& page, int dpi);

// The paper of a page: its size (letter for 8500 x 11000 either way up),
// portrait or landscape, no margins.
QPageLayout pageLayout(const report::Page& page);

}  // namespace vtl::render
