#include "report/render/draw.h"

#include <QPageSize>
#include <QPaintDevice>
#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "report/pages/measure.h"
#include "report/render/fonts.h"

namespace vtl::render {
namespace {

constexpr double kMilsPerInch = 1000;

QColor qtColor(report::Color c) { return QColor::fromRgb((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

QRectF qtRect(const report::Rect& r) { return QRectF(r.x, r.y, r.w, r.h); }

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

struct ItemPainter {
    QPainter& p;
    QtTextMeasure& measure;

    void operator()(const report::TextItem& t) const {
        if (t.box.w <= 0 || t.box.h <= 0 || t.font.points <= 0 || t.text.empty()) return;
        std::vector<std::string> wrapped;
        std::vector<std::string_view> lines;
        if (t.wrap) {
            wrapped = report::wrapText(measure, t.font, t.text, t.box.w);
            lines.assign(wrapped.begin(), wrapped.end());
        } else {
            lines = lineBreaks(t.text);
        }
        const double lineHeight = measure.lineHeight(t.font);
        const double ascent = measure.ascent(t.font);
        p.save();
        p.setClipRect(qtRect(t.box), Qt::IntersectClip);
        const double units = render::textUnitsPerMil(t.font);
        p.scale(1 / units, 1 / units);
        p.setFont(qtFont(t.font, p.device()->logicalDpiY()));
        p.setPen(qtColor(t.color));
        double top = t.box.y;
        const double bottom = t.box.y + t.box.h;
        for (std::string_view line : lines) {
            if (top >= bottom) break;
            if (!line.empty()) {
                double x = t.box.x;
                if (t.align != report::Align::Left) {
                    const double width = measure.width(t.font, line);
                    x += t.align == report::Align::Right ? t.box.w - width : (t.box.w - width) / 2;
                }
                p.drawText(QPointF(x * units, (top + ascent) * units),
                           QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
            }
            top += lineHeight;
        }
        p.restore();
    }

    void operator()(const report::LineItem& l) const {
        QPen pen(qtColor(l.color));
        pen.setWidthF(std::max(l.width, 0));
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        p.drawLine(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2));
    }

    void operator()(const report::BoxItem& b) const {
        if (b.box.w <= 0 || b.box.h <= 0) return;
        if (b.filled) p.fillRect(qtRect(b.box), qtColor(b.fill));
        if (b.lineWidth <= 0) return;
        QPen pen(qtColor(b.lineColor));
        pen.setWidthF(b.lineWidth);
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

void useMils(QPainter& painter) {
    const QPaintDevice* device = painter.device();
    painter.scale(device->logicalDpiX() / kMilsPerInch, device->logicalDpiY() / kMilsPerInch);
}

void drawPage(QPainter& painter, const report::Page& page) {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
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
