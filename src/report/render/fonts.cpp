#include "report/render/fonts.h"

#include <QFontInfo>

namespace vtl::render {
namespace {

constexpr int kMilsPerInch = 1000;
constexpr double kInchesPerMeter = 1 / 0.0254;
constexpr std::size_t kWidthsKept = 20000;  // per font

}  // namespace

QString qtFamily(const std::string& family) {
    if (family == "Arial Narrow") return QStringLiteral("Liberation Sans Narrow");
    if (family == "Times New Roman") return QStringLiteral("Liberation Serif");
    return QStringLiteral("Liberation Sans");
}

int textUnitsPerMil(const report::Font& font) { return font.points < 72 ? 10 : 1; }

QFont qtFont(const report::Font& font, int deviceDpi) {
    QFont f;
    f.setFamilies({qtFamily(font.family)});
    f.setStyleHint(QFont::AnyStyle, QFont::PreferMatch);
    // The pixel size Qt derives from a point size is in the painter's units:
    // at points * 1000 * u / dpi points the em is points * 1000 * u / 72 units.
    f.setPointSizeF(font.points * kMilsPerInch * textUnitsPerMil(font) / deviceDpi);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    // Unhinted outlines advance by the design widths, the same at any size and
    // on any device, so a measured text ends where the drawn one does.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    return f;
}

std::string resolvedFamily(const report::Font& font) {
    const QFontInfo info(qtFont(font, kMilsPerInch));
    std::string name = info.family().toStdString();
    if (info.bold()) name += " Bold";
    if (info.italic()) name += " Italic";
    return name;
}

QtTextMeasure::QtTextMeasure() : device_(1, 1, QImage::Format_RGB32) {
    const int dotsPerMeter = qRound(kMilsPerInch * kInchesPerMeter);
    device_.setDotsPerMeterX(dotsPerMeter);
    device_.setDotsPerMeterY(dotsPerMeter);
}

QtTextMeasure& QtTextMeasure::shared() {
    static auto* measure = new QtTextMeasure;
    return *measure;
}

QtTextMeasure::Metrics& QtTextMeasure::metrics(const report::Font& font) {
    Key key{font.family, font.points, font.bold, font.italic, font.underline};
    auto it = metrics_.find(key);
    if (it == metrics_.end()) {
        QFontMetricsF m(qtFont(font, device_.logicalDpiY()), &device_);
        it = metrics_.emplace(std::move(key), Metrics{m, static_cast<double>(textUnitsPerMil(font))}).first;
    }
    return it->second;
}

double QtTextMeasure::width(const report::Font& font, std::string_view text) {
    if (text.empty() || font.points <= 0) return 0;
    Metrics& m = metrics(font);
    std::string key(text);
    if (auto it = m.widths.find(key); it != m.widths.end()) return it->second;
    // Bounded: the unique texts of a long run (descriptions, amounts) are not kept for ever.
    if (m.widths.size() >= kWidthsKept) m.widths.clear();
    const double width =
        m.metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))) /
        m.unitsPerMil;
    m.widths.emplace(std::move(key), width);
    return width;
}

double QtTextMeasure::lineHeight(const report::Font& font) {
    if (font.points <= 0) return 0;
    const Metrics& m = metrics(font);
    return m.metrics.lineSpacing() / m.unitsPerMil;
}

double QtTextMeasure::ascent(const report::Font& font) {
    if (font.points <= 0) return 0;
    const Metrics& m = metrics(font);
    return m.metrics.ascent() / m.unitsPerMil;
}

}  // namespace vtl::render
