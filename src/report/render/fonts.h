#pragma once
// The fonts the reports are drawn and measured with. The forms name Windows
// fonts; this installation draws them with the metric-compatible Liberation
// fonts (Debian's fonts-liberation), asked for by their exact family so that
// no font-configuration rule puts another font in their place.
//
// Text is laid out in units of a fixed size, never in the device's pixels:
// the same on the screen, a picture, a PDF file and the printer, and as wide
// as QtTextMeasure says. Qt rounds a font's size to a whole unit, so the
// units are tenths of a mil, which keeps every size within 0.05% of its
// points; from 72 points on they are mils (as exact there, and the font
// engine's metrics overflow beyond some 120 points in tenths).
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>

#include "report/pages/measure.h"
#include "report/pages/page.h"

namespace vtl::render {

// "Arial" -> "Liberation Sans", "Arial Narrow" -> "Liberation Sans Narrow",
// "Times New Roman" -> "Liberation Serif"; any other -> "Liberation Sans".
QString qtFamily(const std::string& family);

// Text units to a thousandth of an inch for a font: 10 or 1.
int textUnitsPerMil(const report::Font& font);

// The Qt font of a report font, for a painter in its text units on a device
// of `deviceDpi` logical dots per inch: points * 1000 * units / 72 units to the em.
QFont qtFont(const report::Font& font, int deviceDpi);

// The family the font system gives for a report font, with " Bold" and
// " Italic" when the font it found has them ("Liberation Serif Bold"): what
// an installation really draws with.
std::string resolvedFamily(const report::Font& font);

// Widths and line heights in thousandths of an inch, from the very fonts the
// renderer draws with. Only for the thread of the application object.
class QtTextMeasure : public report::TextMeasure {
public:
    QtTextMeasure();

    double width(const report::Font& font, std::string_view text) override;
    double lineHeight(const report::Font& font) override;
    // From a line's top to its baseline.
    double ascent(const report::Font& font);

    // The one measure the renderer draws with; never destroyed (a font
    // outliving the application object would crash the program's exit).
    static QtTextMeasure& shared();

private:
    using Key = std::tuple<std::string, double, bool, bool, bool>;

    struct Metrics {
        QFontMetricsF metrics;  // in text units
        double unitsPerMil;
        // Widths asked before: a form asks the same captions and values
        // page after page, and each width means shaping the text.
        std::unordered_map<std::string, double> widths;
    };
    Metrics& metrics(const report::Font& font);

    QImage device_;  // 1000 dots per inch
    std::map<Key, Metrics> metrics_;
};

}  // namespace vtl::render
