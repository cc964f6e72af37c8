#include "report/render/draw.h"

#include <QPageSize>
#include <QGlyphRun>
#include <QPaintDevice>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "report/pages/measure.h"
#include "report/render/fonts.h"

namespace vtl::render {
namespace {

constexpr double kMilsPerInch = 1000;
// How far a text may reach beyond its box, in mils, before it is clipped:
// the rounding of widths, not a real overflow.
constexpr double kSlack = 0.5;

QColor qtColor(report::Color c) { return QColor::fromRgb((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

// A page is drawn in tenths of a mil, the text units of all but the largest
// fonts: text then needs no change of transform, which on a PDF would cost a
// change of graphics state for every text and every line drawn after it.
constexpr double kPageUnits = 10;

QRectF qtRect(const report::Rect& r) {
    return QRectF(r.x * kPageUnits, r.y * kPageUnits, r.w * kPageUnits, r.h * kPageUnits);
}

// The lines of a text that is not wrapped: split at its line breaks only.
std::vector<std::string_view> lineBreaks(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

// Lines of text shaped once in a font for a device: a form draws the same
// captions and many of the same values page after page; shaping them again
// each time is most of the cost of drawing a page.
class ShapedLines {
public:
    const ShapedLine& get(const report::Font& font, int dpi, const QFont& qfont, const QPaintDevice* device,
                          std::string_view text) {
        std::string key = font.family;
        key += '\0';
        key += std::to_string(font.points) + (font.bold ? "b" : "") + (font.italic ? "i" : "") +
               (font.underline ? "u" : "") + "@" + std::to_string(dpi);
        key += '\0';
        key.append(text);
        if (auto it = lines_.find(key); it != lines_.end()) return it->second;
        if (lines_.size() >= kKept) lines_.clear();
        return lines_.emplace(std::move(key), shapeLine(text, qfont, const_cast<QPaintDevice*>(device)))
            .first->second;
    }

private:
    static constexpr std::size_t kKept = 20000;
    std::unordered_map<std::string, ShapedLine> lines_;
};

ShapedLines& shapedLines() {
    static auto* lines = new ShapedLines;  // fonts outliving the application object would crash its exit
    return *lines;
}

struct ItemPainter {
    QPainter& p;
    QtTextMeasure& measure;

    void operator()(const report::TextItem& t) const {
        PlacedText placed;
        placeText(measure, t, placed);
        if (placed.lines.empty()) return;
        const bool overflows = placed.overflows;
        const double ascent = placed.ascent;

        if (overflows) {
            p.save();
            p.setClipRect(qtRect(t.box), Qt::IntersectClip);
        }
        const double units = render::textUnitsPerMil(t.font);
        // Fonts of 72 points and more are sized in mils (see fonts.h).
        const bool ownUnits = units != kPageUnits;
        if (ownUnits && !overflows) p.save();
        if (ownUnits) p.scale(kPageUnits / units, kPageUnits / units);
        const int dpi = p.device()->logicalDpiY();
        const QFont qfont = qtFont(t.font, dpi);
        p.setPen(qtColor(t.color));
        for (const PlacedText::Line& line : placed.lines) {
            const ShapedLine& shaped = shapedLines().get(t.font, dpi, qfont, p.device(), line.text);
            const QPointF origin(line.x * units, (line.top + ascent) * units - shaped.ascent);
            for (const QGlyphRun& run : shaped.runs) p.drawGlyphRun(origin, run);
        }
        if (overflows || ownUnits) p.restore();
    }

    void operator()(const report::LineItem& l) const {
        QPen pen(qtColor(l.color));
        pen.setWidthF(std::max(l.width, 0) * kPageUnits);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        p.drawLine(QPointF(l.x1 * kPageUnits, l.y1 * kPageUnits), QPointF(l.x2 * kPageUnits, l.y2 * kPageUnits));
    }

    void operator()(const report::BoxItem& b) const {
        if (b.box.w <= 0 || b.box.h <= 0) return;
        if (b.filled) p.fillRect(qtRect(b.box), qtColor(b.fill));
        if (b.lineWidth <= 0) return;
        QPen pen(qtColor(b.lineColor));
        pen.setWidthF(b.lineWidth * kPageUnits);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(qtRect(b.box));
    }

    void operator()(const report::ImageItem& i) const {
        if (i.box.w <= 0 || i.box.h <= 0) return;
        const QImage image = QImage::fromData(reinterpret_cast<const uchar*>(i.bytes.data()),
                                              static_cast<int>(i.bytes.size()));
        if (image.isNull()) return;
        p.drawImage(qtRect(i.box), image);
    }
};

}  // namespace

ShapedLine shapeLine(std::string_view text, const QFont& font, QPaintDevice* device) {
    ShapedLine shaped;
    QTextLayout layout(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), font, device);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) {
        line.setNumColumns(std::numeric_limits<int>::max() / 2);
        line.setPosition(QPointF(0, 0));
    }
    layout.endLayout();
    if (line.isValid()) {
        shaped.runs = line.glyphRuns();
        shaped.ascent = line.ascent();
        shaped.width = line.naturalTextWidth();
    }
    return shaped;
}

void placeText(QtTextMeasure& measure, const report::TextItem& t, PlacedText& out) {
    out = PlacedText();
    if (t.box.w <= 0 || t.box.h <= 0 || t.font.points <= 0 || t.text.empty()) return;
    std::vector<std::string_view> lines;
    if (t.wrap) {
        out.wrapped = report::wrapText(measure, t.font, t.text, t.box.w);
        lines.assign(out.wrapped.begin(), out.wrapped.end());
    } else {
        lines = lineBreaks(t.text);
    }
    const double lineHeight = measure.lineHeight(t.font);
    out.ascent = measure.ascent(t.font);
    const double bottom = t.box.y + t.box.h;
    double top = t.box.y;
    for (std::string_view line : lines) {
        if (top >= bottom) {
            out.overflows = true;
            break;
        }
        if (!line.empty()) {
            const double width = measure.width(t.font, line);
            double x = t.box.x;
            if (t.align != report::Align::Left)
                x += t.align == report::Align::Right ? t.box.w - width : (t.box.w - width) / 2;
            if (x < t.box.x - kSlack || x + width > t.box.x + t.box.w + kSlack) out.overflows = true;
            out.lines.push_back({line, x, top});
        }
        top += lineHeight;
    }
    if (top > bottom + kSlack) out.overflows = true;
}

void useMils(QPainter& painter) {
    const QPaintDevice* device = painter.device();
    painter.scale(device->logicalDpiX() / kMilsPerInch, device->logicalDpiY() / kMilsPerInch);
}

void drawPage(QPainter& painter, const report::Page& page) {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(1 / kPageUnits, 1 / kPageUnits);
    const ItemPainter draw{painter, QtTextMeasure::shared()};
    for (const report::Item& item : page.items) std::visit(draw, item);
    painter.restore();
}

QImage renderPage(const report::Page& page, int dpi) {
    const int width = std::max(1, static_cast<int>(std::ceil(page.width * dpi / kMilsPerInch)));
    const int height = std::max(1, static_cast<int>(std::ceil(page.height * dpi / kMilsPerInch)));
    QImage image(width, height, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    useMils(painter);
    drawPage(painter, page);
    return image;
}

QPageLayout pageLayout(const report::Page& page) {
    const double shortSide = std::min(page.width, page.height) / kMilsPerInch;
    const double longSide = std::max(page.width, page.height) / kMilsPerInch;
    return QPageLayout(QPageSize(QSizeF(shortSide, longSide), QPageSize::Inch),
                       page.landscape() ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

}  // namespace vtl::render
