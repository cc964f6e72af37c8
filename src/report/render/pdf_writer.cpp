#include "report/render/pdf_writer.h"

#include <QDateTime>
#include <QGlyphRun>
#include <QPainterPath>
#include <QRawFont>
#include <zlib.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "report/render/draw.h"
#include "report/render/fonts.h"
#include "report/render/truetype_subset.h"

namespace vtl::render {
namespace {

constexpr double kPointsPerMil = 72.0 / 1000;
constexpr std::size_t kShapedKept = 50000;

// Numbers as PDF writes them: at most two places, no trailing zeros.
void num(std::string& out, double v) {
    if (!std::isfinite(v)) v = 0;
    if (std::fabs(v) < 0.005) v = 0;
    char buf[48];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2);
    if (ec != std::errc()) {
        out += '0';
        return;
    }
    char* p = end;
    while (p > buf && p[-1] == '0') --p;
    if (p > buf && p[-1] == '.') --p;
    out.append(buf, p);
}
void num(std::string& out, long long v) {
    char buf[24];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, ec == std::errc() ? end : buf);
}

// Numbers each followed by a blank, then the operator: "10 20 m ".
void op(std::string& out, std::initializer_list<double> values, std::string_view name) {
    for (const double v : values) {
        num(out, v);
        out += ' ';
    }
    out.append(name);
}

void hex4(std::string& out, std::uint32_t v) {
    static const char digits[] = "0123456789ABCDEF";
    for (int shift = 12; shift >= 0; shift -= 4) out += digits[(v >> shift) & 0xF];
}

void rgb(std::string& out, report::Color c) {
    num(out, ((c >> 16) & 0xFF) / 255.0);
    out += ' ';
    num(out, ((c >> 8) & 0xFF) / 255.0);
    out += ' ';
    num(out, (c & 0xFF) / 255.0);
}

std::string deflate(std::string_view data, int level) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::string out(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
                  static_cast<uLong>(data.size()), level) != Z_OK)
        return {};
    out.resize(size);
    return out;
}

// A text string of the file's information, as UTF-16 with its byte order mark.
std::string textString(const std::string& utf8) {
    std::string out = "<FEFF";
    for (const QChar c : QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))) hex4(out, c.unicode());
    return out + ">";
}

// One embedded font: a face of the fonts the texts are drawn with.
struct EmbeddedFont {
    QRawFont raw;
    std::string resource;  // "F1"
    bool trueType = false;
    FontFacts facts;
    std::unique_ptr<GlyphWidths> widths;
    std::set<std::uint32_t> glyphs;
    std::map<std::uint32_t, char32_t> unicode;  // what each glyph stands for

    FontTables tables() const {
        return [this](std::string_view tag) {
            const QByteArray t = raw.fontTable(std::string(tag).c_str());
            return std::string(t.constData(), static_cast<std::size_t>(t.size()));
        };
    }
    // Advance of a glyph in thousandths of the em, as the widths array says.
    double width(std::uint32_t glyph) const {
        return widths ? widths->advance(glyph) * 1000.0 / facts.unitsPerEm : 0;
    }
};

// A line of text shaped once: what is written each time it is drawn, from
// the left end of its baseline.
struct ShapedText {
    struct Segment {
        EmbeddedFont* font = nullptr;
        double size = 0;    // mils
        double dx = 0, dy = 0;  // of the first glyph from the line's origin, in mils
        std::string show;   // "[<...>-12<...>]TJ"
    };
    std::vector<Segment> segments;
    std::string outlines;  // glyphs of fonts that cannot be embedded, as filled paths from the origin
    double underlineY = 0, underlineWidth = 0, underlineThickness = 0;  // mils, from the origin
    double width = 0;
};

}  // namespace

struct PdfWriter::State {
    QIODevice& out;
    std::string title;
    long long written = 0;
    std::vector<long long> offsets{0};  // by object number; 0 for the free entry
    std::vector<int> pages;
    int resourcesId = 0, pagesId = 0, catalogId = 0, infoId = 0;
    QImage shapingDevice{1, 1, QImage::Format_RGB32};

    std::vector<report::Font> fonts;  // the report fonts met, by their place
    std::vector<QFont> qtFonts;
    std::unordered_map<std::string, ShapedText> shaped;  // font place, NUL, text
    std::vector<std::unique_ptr<EmbeddedFont>> embedded;
    std::map<std::string, EmbeddedFont*> embeddedByFace;
    std::map<std::string, std::pair<std::string, int>> images;  // bytes hash key -> resource, object

    // The page being written and the state of its graphics.
    std::string page;
    bool inText = false;
    std::int64_t fill = -1, stroke = -1;
    double lineWidth = -1;
    const EmbeddedFont* textFont = nullptr;
    double textSize = -1;

    State(QIODevice& o, std::string t) : out(o), title(std::move(t)) {
        const int dotsPerMeter = qRound(1000 / 0.0254);
        shapingDevice.setDotsPerMeterX(dotsPerMeter);
        shapingDevice.setDotsPerMeterY(dotsPerMeter);
    }

    void write(std::string_view bytes) {
        out.write(bytes.data(), static_cast<qint64>(bytes.size()));
        written += static_cast<long long>(bytes.size());
    }
    int reserve() {
        offsets.push_back(-1);
        return static_cast<int>(offsets.size()) - 1;
    }
    void begin(int id) {
        offsets[static_cast<std::size_t>(id)] = written;
        std::string head;
        num(head, static_cast<long long>(id));
        head += " 0 obj\n";
        write(head);
    }
    void object(int id, std::string_view body) {
        begin(id);
        write(body);
        write("\nendobj\n");
    }
    void stream(int id, std::string_view dict, std::string_view data, bool compress) {
        std::string packed;
        if (compress) packed = deflate(data, Z_DEFAULT_COMPRESSION);
        const bool packedOk = compress && !packed.empty();
        const std::string_view body = packedOk ? std::string_view(packed) : data;
        std::string head = "<<";
        head += dict;
        if (packedOk) head += "/Filter/FlateDecode";
        head += "/Length ";
        num(head, static_cast<long long>(body.size()));
        head += ">>\nstream\n";
        begin(id);
        write(head);
        write(body);
        write("\nendstream\nendobj\n");
    }

    // ---- fonts and shaping

    std::size_t fontPlace(const report::Font& f) {
        for (std::size_t i = 0; i < fonts.size(); ++i)
            if (fonts[i] == f) return i;
        fonts.push_back(f);
        qtFonts.push_back(qtFont(f, 1000));
        return fonts.size() - 1;
    }

    EmbeddedFont* embed(const QRawFont& raw) {
        const std::string face = raw.familyName().toStdString() + '\0' + raw.styleName().toStdString() + '\0' +
                                 std::to_string(raw.weight()) + '\0' + std::to_string(static_cast<int>(raw.style()));
        if (auto it = embeddedByFace.find(face); it != embeddedByFace.end()) return it->second;
        auto font = std::make_unique<EmbeddedFont>();
        font->raw = raw;
        font->resource = "F" + std::to_string(embedded.size() + 1);
        const FontTables tables = font->tables();
        font->trueType = !tables("glyf").empty() && readFontFacts(tables, font->facts);
        if (font->trueType) font->widths = std::make_unique<GlyphWidths>(tables);
        EmbeddedFont* kept = font.get();
        embedded.push_back(std::move(font));
        embeddedByFace.emplace(face, kept);
        return kept;
    }

    // Records which character each glyph of the font stands for, from the
    // font's own character map.
    static void learnCharacters(EmbeddedFont& font, const QString& text) {
        const QList<uint> points = text.toUcs4();
        for (const uint cp : points) {
            const QString one = QString::fromUcs4(reinterpret_cast<const char32_t*>(&cp), 1);
            const QList<quint32> glyphs = font.raw.glyphIndexesForString(one);
            if (glyphs.size() == 1 && glyphs[0] != 0) font.unicode.emplace(glyphs[0], static_cast<char32_t>(cp));
        }
    }

    const ShapedText& shape(const report::Font& f, std::string_view text) {
        const std::size_t place = fontPlace(f);
        std::string key = std::to_string(place);
        key += '\0';
        key.append(text);
        if (auto it = shaped.find(key); it != shaped.end()) return it->second;

        // Bounded: the unique texts of a long run (amounts, descriptions) are not kept for ever.
        if (shaped.size() >= kShapedKept) shaped.clear();
        ShapedText result;
        const double units = textUnitsPerMil(f);
        const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        const ShapedLine line = shapeLine(text, qtFonts[place], &shapingDevice);
        {
            const double ascent = line.ascent;
            result.width = line.width / units;
            for (const QGlyphRun& run : line.runs) {
                const QList<quint32> glyphs = run.glyphIndexes();
                const QList<QPointF> positions = run.positions();
                if (glyphs.isEmpty()) continue;
                EmbeddedFont* font = embed(run.rawFont());
                const double size = run.rawFont().pixelSize() / units;
                if (f.underline && result.underlineThickness == 0) {
                    result.underlineY = run.rawFont().underlinePosition() / units;
                    result.underlineThickness = std::max(run.rawFont().lineThickness() / units, 1.0);
                }
                if (!font->trueType) {
                    outline(result, run, units, ascent);
                    continue;
                }
                learnCharacters(*font, qtext);
                ShapedText::Segment* seg = nullptr;
                double penX = 0;
                for (qsizetype i = 0; i < glyphs.size(); ++i) {
                    const double x = positions[i].x() / units;
                    const double y = (positions[i].y() - ascent) / units;
                    if (!seg || std::fabs(y - seg->dy) > 0.01) {
                        if (seg) seg->show += ">]TJ";
                        seg = &result.segments.emplace_back();
                        seg->font = font;
                        seg->size = size;
                        seg->dx = x;
                        seg->dy = y;
                        seg->show = "[<";
                        penX = x;
                    } else {
                        // Kerning and the rounding of positions: what the
                        // widths alone would not give.
                        const double move = std::round(-(x - penX) * 1000 / size * 10) / 10;
                        if (move != 0) {
                            seg->show += '>';
                            num(seg->show, move);
                            seg->show += '<';
                        }
                    }
                    font->glyphs.insert(glyphs[i]);
                    hex4(seg->show, glyphs[i]);
                    penX = x + font->width(glyphs[i]) * size / 1000;
                }
                if (seg) seg->show += ">]TJ";
            }
        }
        if (f.underline) result.underlineWidth = result.width;
        return shaped.emplace(std::move(key), std::move(result)).first->second;
    }

    // Glyphs of a font that is no TrueType font (so cannot be embedded as one) drawn as their outlines.
    static void outline(ShapedText& result, const QGlyphRun& run, double units, double ascent) {
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        QRawFont raw = run.rawFont();
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const QPainterPath path = raw.pathForGlyph(glyphs[i]);
            const double ox = positions[i].x() / units, oy = (positions[i].y() - ascent) / units;
            for (int e = 0; e < path.elementCount(); ++e) {
                const QPainterPath::Element el = path.elementAt(e);
                auto point = [&](const QPainterPath::Element& p) {
                    num(result.outlines, ox + p.x / units);
                    result.outlines += ' ';
                    num(result.outlines, oy + p.y / units);
                    result.outlines += ' ';
                };
                if (el.isMoveTo()) {
                    point(el);
                    result.outlines += "m ";
                } else if (el.isLineTo()) {
                    point(el);
                    result.outlines += "l ";
                } else if (el.isCurveTo() && e + 2 < path.elementCount()) {
                    point(el);
                    point(path.elementAt(e + 1));
                    point(path.elementAt(e + 2));
                    result.outlines += "c ";
                    e += 2;
                }
            }
            if (path.elementCount() > 0) result.outlines += "f\n";
        }
    }

    // ---- the page

    void endText() {
        if (inText) page += "ET\n";
        inText = false;
    }
    void setFill(report::Color c) {
        if (fill == static_cast<std::int64_t>(c)) return;
        fill = c;
        rgb(page, c);
        page += " rg\n";
    }
    void setStroke(report::Color c, double width) {
        if (stroke != static_cast<std::int64_t>(c)) {
            stroke = c;
            rgb(page, c);
            page += " RG\n";
        }
        if (lineWidth != width) {
            lineWidth = width;
            num(page, width);
            page += " w\n";
        }
    }
    void rect(const report::Rect& r) {
        op(page, {static_cast<double>(r.x), static_cast<double>(r.y), static_cast<double>(r.w),
                  static_cast<double>(r.h)},
           "re");
    }
    // After a restored graphics state nothing is known of it.
    void forgetState() {
        fill = stroke = -1;
        lineWidth = -1;
        textFont = nullptr;
        textSize = -1;
    }

    void text(const report::TextItem& t) {
        PlacedText placed;
        placeText(QtTextMeasure::shared(), t, placed);
        if (placed.lines.empty()) return;
        if (placed.overflows) {
            endText();
            page += "q ";
            rect(t.box);
            page += " W n\n";
        }
        for (const PlacedText::Line& line : placed.lines) {
            const ShapedText& s = shape(t.font, line.text);
            const double ox = line.x, oy = line.top + placed.ascent;
            for (const ShapedText::Segment& seg : s.segments) {
                if (!inText) {
                    page += "BT\n";
                    inText = true;
                }
                setFill(t.color);
                if (textFont != seg.font || textSize != seg.size) {
                    page += '/';
                    page += seg.font->resource;
                    page += ' ';
                    num(page, seg.size);
                    page += " Tf\n";
                    textFont = seg.font;
                    textSize = seg.size;
                }
                op(page, {1, 0, 0, -1, ox + seg.dx, oy + seg.dy}, "Tm");
                page += seg.show;
                page += '\n';
            }
            if (!s.outlines.empty() || s.underlineWidth > 0) {
                endText();
                setFill(t.color);
                page += "q ";
                op(page, {1, 0, 0, 1, ox, oy}, "cm\n");
                page += s.outlines;
                if (s.underlineWidth > 0) {
                    op(page, {0, s.underlineY - s.underlineThickness / 2, s.underlineWidth, s.underlineThickness},
                       "re f\n");
                }
                page += "Q\n";
            }
        }
        if (placed.overflows) {
            endText();
            page += "Q\n";
            forgetState();
        }
    }

    void line(const report::LineItem& l) {
        endText();
        // The thinnest line the device draws, as a painter's cosmetic pen.
        setStroke(l.color, std::max(l.width, 0));
        op(page, {static_cast<double>(l.x1), static_cast<double>(l.y1)}, "m ");
        op(page, {static_cast<double>(l.x2), static_cast<double>(l.y2)}, "l S\n");
    }

    void box(const report::BoxItem& b) {
        if (b.box.w <= 0 || b.box.h <= 0) return;
        endText();
        if (b.filled) {
            setFill(b.fill);
            rect(b.box);
            page += " f\n";
        }
        if (b.lineWidth <= 0) return;
        setStroke(b.lineColor, b.lineWidth);
        rect(b.box);
        page += " S\n";
    }

    // The picture's object, written the first time it is drawn.
    const std::string* picture(const std::string& bytes) {
        std::string key = std::to_string(std::hash<std::string>{}(bytes)) + ":" + std::to_string(bytes.size());
        if (auto it = images.find(key); it != images.end()) return &it->second.first;
        QImage image = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()));
        if (image.isNull()) return nullptr;
        const bool alpha = image.hasAlphaChannel();
        image = image.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
        std::string pixels, mask;
        pixels.reserve(static_cast<std::size_t>(image.width() * image.height() * 3));
        for (int y = 0; y < image.height(); ++y) {
            const uchar* row = image.constScanLine(y);
            if (!alpha) {
                pixels.append(reinterpret_cast<const char*>(row), static_cast<std::size_t>(image.width() * 3));
                continue;
            }
            for (int x = 0; x < image.width(); ++x) {
                pixels.append(reinterpret_cast<const char*>(row + x * 4), 3);
                mask += static_cast<char>(row[x * 4 + 3]);
            }
        }
        auto dims = [&] {
            std::string d = "/Type/XObject/Subtype/Image/Width ";
            num(d, static_cast<long long>(image.width()));
            d += "/Height ";
            num(d, static_cast<long long>(image.height()));
            d += "/BitsPerComponent 8";
            return d;
        };
        int maskId = 0;
        if (alpha) {
            maskId = reserve();
            stream(maskId, dims() + "/ColorSpace/DeviceGray", mask, true);
        }
        const int id = reserve();
        std::string dict = dims() + "/ColorSpace/DeviceRGB";
        if (maskId) dict += "/SMask " + std::to_string(maskId) + " 0 R";
        stream(id, dict, pixels, true);
        const std::string resource = "Im" + std::to_string(images.size() + 1);
        return &images.emplace(std::move(key), std::make_pair(resource, id)).first->second.first;
    }

    void image(const report::ImageItem& i) {
        if (i.box.w <= 0 || i.box.h <= 0) return;
        const std::string* resource = picture(i.bytes);
        if (!resource) return;
        endText();
        page += "q ";
        op(page, {static_cast<double>(i.box.w), 0, 0, static_cast<double>(-i.box.h), static_cast<double>(i.box.x),
                  static_cast<double>(i.box.y + i.box.h)},
           "cm /");
        page += *resource;
        page += " Do Q\n";
    }

    void addPage(const report::Page& p) {
        page.clear();
        inText = false;
        forgetState();
        // Mils from the top left corner, as the model places everything.
        page += "0.072 0 0 -0.072 0 ";
        num(page, p.height * kPointsPerMil);
        page += " cm\n";
        for (const report::Item& item : p.items) {
            if (const auto* t = std::get_if<report::TextItem>(&item)) text(*t);
            else if (const auto* l = std::get_if<report::LineItem>(&item)) line(*l);
            else if (const auto* b = std::get_if<report::BoxItem>(&item)) box(*b);
            else if (const auto* i = std::get_if<report::ImageItem>(&item)) image(*i);
        }
        endText();
        const int contents = reserve();
        // Fast compression: a page of text shrinks nearly as far, in a third of the time.
        std::string packed = deflate(page, 1);
        std::string dict = "<</Filter/FlateDecode/Length ";
        num(dict, static_cast<long long>(packed.size()));
        dict += ">>\nstream\n";
        begin(contents);
        write(dict);
        write(packed);
        write("\nendstream\nendobj\n");

        const int id = reserve();
        std::string obj = "<</Type/Page/Parent ";
        num(obj, static_cast<long long>(pagesId));
        obj += " 0 R/MediaBox[0 0 ";
        num(obj, p.width * kPointsPerMil);
        obj += ' ';
        num(obj, p.height * kPointsPerMil);
        obj += "]/Resources ";
        num(obj, static_cast<long long>(resourcesId));
        obj += " 0 R/Contents ";
        num(obj, static_cast<long long>(contents));
        obj += " 0 R>>";
        object(id, obj);
        pages.push_back(id);
    }

    // ---- the end of the file

    // The font's objects; returns the number of its Type 0 font.
    int writeFont(const EmbeddedFont& f) {
        const std::string subset = subsetTrueType(f.tables(), f.glyphs);
        // A tag of six capitals for the subset, from the glyphs it holds.
        std::size_t h = std::hash<std::string>{}(f.resource);
        for (std::uint32_t g : f.glyphs) h = h * 1315423911u + g;
        std::string tag;
        for (int i = 0; i < 6; ++i, h /= 26) tag += static_cast<char>('A' + h % 26);
        std::string name = f.facts.postScriptName.empty() ? "Font" + f.resource : f.facts.postScriptName;
        name = tag + "+" + name;

        const int fileId = reserve();
        std::string fileDict = "/Length1 ";
        num(fileDict, static_cast<long long>(subset.size()));
        stream(fileId, fileDict, subset, true);

        const double scale = 1000.0 / f.facts.unitsPerEm;
        const int descriptorId = reserve();
        std::string d = "<</Type/FontDescriptor/FontName/" + name + "/Flags ";
        const bool serif = f.facts.postScriptName.find("Serif") != std::string::npos;
        num(d, static_cast<long long>(32 + (serif ? 2 : 0) + (f.facts.italicAngle != 0 ? 64 : 0)));
        d += "/FontBBox[";
        for (int v : {f.facts.xMin, f.facts.yMin, f.facts.xMax, f.facts.yMax}) {
            num(d, static_cast<long long>(std::lround(v * scale)));
            d += ' ';
        }
        d += "]/ItalicAngle ";
        num(d, f.facts.italicAngle);
        d += "/Ascent ";
        num(d, static_cast<long long>(std::lround(f.facts.ascender * scale)));
        d += "/Descent ";
        num(d, static_cast<long long>(std::lround(f.facts.descender * scale)));
        d += "/CapHeight ";
        num(d, static_cast<long long>(std::lround((f.facts.capHeight ? f.facts.capHeight : f.facts.ascender) * scale)));
        d += "/StemV 80/FontFile2 ";
        num(d, static_cast<long long>(fileId));
        d += " 0 R>>";
        object(descriptorId, d);

        const int cidId = reserve();
        std::string c = "<</Type/Font/Subtype/CIDFontType2/BaseFont/" + name +
                        "/CIDSystemInfo<</Registry(Adobe)/Ordering(Identity)/Supplement 0>>/FontDescriptor ";
        num(c, static_cast<long long>(descriptorId));
        c += " 0 R/CIDToGIDMap/Identity/W[";
        for (std::uint32_t g : f.glyphs) {
            num(c, static_cast<long long>(g));
            c += '[';
            num(c, f.width(g));
            c += ']';
        }
        c += "]>>";
        object(cidId, c);

        const int unicodeId = reserve();
        std::string cmap =
            "/CIDInit/ProcSet findresource begin\n12 dict begin\nbegincmap\n"
            "/CIDSystemInfo<</Registry(Adobe)/Ordering(UCS)/Supplement 0>>def\n"
            "/CMapName/Adobe-Identity-UCS def\n/CMapType 2 def\n"
            "1 begincodespacerange\n<0000><FFFF>\nendcodespacerange\n";
        std::vector<std::pair<std::uint32_t, char32_t>> pairs(f.unicode.begin(), f.unicode.end());
        for (std::size_t i = 0; i < pairs.size(); i += 100) {
            const std::size_t n = std::min<std::size_t>(100, pairs.size() - i);
            num(cmap, static_cast<long long>(n));
            cmap += " beginbfchar\n";
            for (std::size_t k = i; k < i + n; ++k) {
                cmap += '<';
                hex4(cmap, pairs[k].first);
                cmap += "><";
                const char32_t cp = pairs[k].second;
                if (cp > 0xFFFF) {
                    hex4(cmap, 0xD800 + ((cp - 0x10000) >> 10));
                    hex4(cmap, 0xDC00 + ((cp - 0x10000) & 0x3FF));
                } else {
                    hex4(cmap, cp);
                }
                cmap += ">\n";
            }
            cmap += "endbfchar\n";
        }
        cmap += "endcmap\nCMapName currentdict/CMap defineresource pop\nend\nend\n";
        stream(unicodeId, "", cmap, true);

        const int fontId = reserve();
        std::string t = "<</Type/Font/Subtype/Type0/BaseFont/" + name + "/Encoding/Identity-H/DescendantFonts[";
        num(t, static_cast<long long>(cidId));
        t += " 0 R]/ToUnicode ";
        num(t, static_cast<long long>(unicodeId));
        t += " 0 R>>";
        object(fontId, t);
        return fontId;
    }

    void finish() {
        std::string resources = "<</ProcSet[/PDF/Text/ImageB/ImageC]/Font<<";
        for (const auto& f : embedded) {
            if (!f->trueType || f->glyphs.empty()) continue;
            const int id = writeFont(*f);
            resources += '/' + f->resource + ' ' + std::to_string(id) + " 0 R";
        }
        resources += ">>/XObject<<";
        for (const auto& [key, image] : images) resources += '/' + image.first + ' ' + std::to_string(image.second) + " 0 R";
        resources += ">>>>";
        object(resourcesId, resources);

        std::string kids = "<</Type/Pages/Kids[";
        for (int id : pages) kids += std::to_string(id) + " 0 R ";
        kids += "]/Count " + std::to_string(pages.size()) + ">>";
        object(pagesId, kids);
        object(catalogId, "<</Type/Catalog/Pages " + std::to_string(pagesId) + " 0 R>>");
        const std::string now = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmss")).toStdString();
        object(infoId, "<</Title" + textString(title) + "/Creator" + textString("Vantrel Purchase Orders") +
                           "/Producer" + textString("Vantrel Purchase Orders") + "/CreationDate(D:" + now + ")>>");

        const long long xref = written;
        std::string table = "xref\n0 " + std::to_string(offsets.size()) + "\n0000000000 65535 f \n";
        for (std::size_t i = 1; i < offsets.size(); ++i) {
            char entry[32];
            std::snprintf(entry, sizeof entry, "%010lld 00000 n \n", std::max(offsets[i], 0LL));
            table += entry;
        }
        table += "trailer\n<</Size " + std::to_string(offsets.size()) + "/Root " + std::to_string(catalogId) +
                 " 0 R/Info " + std::to_string(infoId) + " 0 R>>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
        write(table);
    }
};

PdfWriter::PdfWriter(QIODevice& out, const std::string& title) : s_(std::make_unique<State>(out, title)) {
    s_->write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    s_->catalogId = s_->reserve();
    s_->pagesId = s_->reserve();
    s_->resourcesId = s_->reserve();
    s_->infoId = s_->reserve();
}

PdfWriter::~PdfWriter() = default;

void PdfWriter::addPage(const report::Page& page) { s_->addPage(page); }

void PdfWriter::finish() { s_->finish(); }

}  // namespace vtl::render
