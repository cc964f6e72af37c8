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
#include <QGlyphRun>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <string>
#include <string_view>
#include <vector>

#include "report/pages/page.h"

namespace vtl::render {

class QtTextMeasure;

// Where the lines of a text item go: each line's text with the left end of
// its baseline's line box (x, and the line's top), and whether any part
// reaches beyond the box (only then is the text clipped: a clip is a change
// of state on every device, and most texts fit). Empty lines are left out.
struct PlacedText {
    struct Line {
        std::string_view text;
        double x = 0, top = 0;  // mils
    };
    std::vector<std::string> wrapped;  // the lines of a wrapped text, which `lines` view
    std::vector<Line> lines;
    double ascent = 0;  // from a line's top to its baseline, in mils
    bool overflows = false;
};
// `out` is filled in; it is not copied, so the views stay valid.
void placeText(QtTextMeasure& measure, const report::TextItem& text, PlacedText& out);

// A line of text shaped by Qt in a font on a device: its glyph runs placed
// from the line's top left corner, in the font's units.
struct ShapedLine {
    QList<QGlyphRun> runs;
    double ascent = 0;  // from the top to the baseline
    double width = 0;
};
ShapedLine shapeLine(std::string_view text, const QFont& font, QPaintDevice* device);

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
