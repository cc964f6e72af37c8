#include "report/render/truetype_subset.h"

#include <array>
#include <vector>

namespace vtl::render {
namespace {

std::uint32_t u16(std::string_view d, std::size_t at) {
    if (at + 2 > d.size()) return 0;
    return (static_cast<std::uint32_t>(static_cast<unsigned char>(d[at])) << 8) |
           static_cast<unsigned char>(d[at + 1]);
}
int s16(std::string_view d, std::size_t at) { return static_cast<std::int16_t>(u16(d, at)); }
std::uint32_t u32(std::string_view d, std::size_t at) { return (u16(d, at) << 16) | u16(d, at + 2); }

void put16(std::string& out, std::uint32_t v) {
    out += static_cast<char>((v >> 8) & 0xFF);
    out += static_cast<char>(v & 0xFF);
}
void put32(std::string& out, std::uint32_t v) {
    put16(out, v >> 16);
    put16(out, v & 0xFFFF);
}
void set16(std::string& d, std::size_t at, std::uint32_t v) {
    d[at] = static_cast<char>((v >> 8) & 0xFF);
    d[at + 1] = static_cast<char>(v & 0xFF);
}
void set32(std::string& d, std::size_t at, std::uint32_t v) {
    set16(d, at, v >> 16);
    set16(d, at + 2, v & 0xFFFF);
}

std::uint32_t checksum(std::string_view d) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < d.size(); i += 4) {
        std::uint32_t word = 0;
        for (std::size_t k = 0; k < 4; ++k)
            word = (word << 8) | (i + k < d.size() ? static_cast<unsigned char>(d[i + k]) : 0u);
        sum += word;
    }
    return sum;
}

// The name table's entry `id` in a form a PDF name can hold: the Windows
// Unicode record when there is one, else the Macintosh Roman one.
std::string nameEntry(std::string_view name, std::uint32_t id) {
    const std::uint32_t count = u16(name, 2);
    const std::uint32_t strings = u16(name, 4);
    std::string mac;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t rec = 6 + i * 12;
        if (rec + 12 > name.size()) break;
        if (u16(name, rec + 6) != id) continue;
        const std::uint32_t platform = u16(name, rec), length = u16(name, rec + 8), offset = u16(name, rec + 10);
        const std::size_t at = strings + offset;
        if (at + length > name.size()) continue;
        std::string text;
        if (platform == 3 || platform == 0) {
            for (std::uint32_t k = 0; k + 1 < length; k += 2) {
                const std::uint32_t c = u16(name, at + k);
                if (c > 32 && c < 127) text += static_cast<char>(c);
            }
            if (!text.empty()) return text;
        } else if (platform == 1 && mac.empty()) {
            for (std::uint32_t k = 0; k < length; ++k) {
                const char c = name[at + k];
                if (c > 32 && c < 127) mac += c;
            }
        }
    }
    return mac;
}

// Every glyph a composite glyph is built from.
void addComponents(std::string_view glyf, std::string_view loca, bool longLoca, std::uint32_t numGlyphs,
                   std::uint32_t glyph, std::set<std::uint32_t>& used, int depth) {
    if (depth > 8 || glyph >= numGlyphs) return;
    const std::uint32_t start = longLoca ? u32(loca, glyph * 4) : u16(loca, glyph * 2) * 2;
    const std::uint32_t end = longLoca ? u32(loca, glyph * 4 + 4) : u16(loca, glyph * 2 + 2) * 2;
    if (end <= start || end > glyf.size() || end - start < 10) return;
    if (s16(glyf, start) >= 0) return;  // a simple glyph
    std::size_t at = start + 10;
    for (;;) {
        if (at + 4 > end) return;
        const std::uint32_t flags = u16(glyf, at);
        const std::uint32_t component = u16(glyf, at + 2);
        if (used.insert(component).second)
            addComponents(glyf, loca, longLoca, numGlyphs, component, used, depth + 1);
        at += 4 + ((flags & 0x0001) ? 4 : 2);  // arguments are words or bytes
        if (flags & 0x0008) at += 2;           // one scale
        else if (flags & 0x0040) at += 4;      // x and y scales
        else if (flags & 0x0080) at += 8;      // a two by two matrix
        if (!(flags & 0x0020)) return;         // no more components
    }
}

}  // namespace

bool readFontFacts(const FontTables& tables, FontFacts& f) {
    const std::string head = tables("head"), hhea = tables("hhea");
    if (head.size() < 54 || hhea.size() < 36) return false;
    f.unitsPerEm = static_cast<int>(u16(head, 18));
    if (f.unitsPerEm <= 0) return false;
    f.xMin = s16(head, 36);
    f.yMin = s16(head, 38);
    f.xMax = s16(head, 40);
    f.yMax = s16(head, 42);
    f.ascender = s16(hhea, 4);
    f.descender = s16(hhea, 6);
    const std::string os2 = tables("OS/2");
    if (os2.size() >= 90 && u16(os2, 0) >= 2) f.capHeight = s16(os2, 88);
    const std::string post = tables("post");
    if (post.size() >= 8) f.italicAngle = static_cast<std::int32_t>(u32(post, 4)) / 65536.0;
    f.postScriptName = nameEntry(tables("name"), 6);
    return true;
}

GlyphWidths::GlyphWidths(const FontTables& tables) : hmtx_(tables("hmtx")) {
    const std::string hhea = tables("hhea");
    metrics_ = hhea.size() >= 36 ? u16(hhea, 34) : 0;
    if (metrics_ * 4 > hmtx_.size()) metrics_ = static_cast<std::uint32_t>(hmtx_.size() / 4);
}

int GlyphWidths::advance(std::uint32_t glyph) const {
    if (metrics_ == 0) return 0;
    return static_cast<int>(u16(hmtx_, (glyph < metrics_ ? glyph : metrics_ - 1) * 4));
}

std::string subsetTrueType(const FontTables& tables, const std::set<std::uint32_t>& wanted) {
    std::string head = tables("head");
    const std::string maxp = tables("maxp"), loca = tables("loca"), glyf = tables("glyf");
    if (head.size() < 54 || maxp.size() < 6 || glyf.empty() || loca.empty()) return {};
    const std::uint32_t numGlyphs = u16(maxp, 4);
    const bool longLoca = s16(head, 50) == 1;
    if (loca.size() < (numGlyphs + 1) * (longLoca ? 4u : 2u)) return {};

    std::set<std::uint32_t> used = wanted;
    used.insert(0);  // the glyph for what the font lacks
    for (const std::uint32_t g : wanted) addComponents(glyf, loca, longLoca, numGlyphs, g, used, 0);

    std::string newGlyf, newLoca;
    newLoca.reserve((numGlyphs + 1) * 4);
    for (std::uint32_t g = 0; g < numGlyphs; ++g) {
        put32(newLoca, static_cast<std::uint32_t>(newGlyf.size()));
        if (!used.count(g)) continue;
        const std::uint32_t start = longLoca ? u32(loca, g * 4) : u16(loca, g * 2) * 2;
        const std::uint32_t end = longLoca ? u32(loca, g * 4 + 4) : u16(loca, g * 2 + 2) * 2;
        if (end <= start || end > glyf.size()) continue;
        newGlyf.append(glyf, start, end - start);
        while (newGlyf.size() % 4) newGlyf += '\0';
    }
    put32(newLoca, static_cast<std::uint32_t>(newGlyf.size()));
    set32(head, 8, 0);   // checkSumAdjustment: worked out below
    set16(head, 50, 1);  // the new loca table holds long offsets

    struct Table {
        const char* tag;
        std::string data;
    };
    std::vector<Table> out;
    for (const char* tag : {"cvt ", "fpgm", "glyf", "head", "hhea", "hmtx", "loca", "maxp", "prep"}) {
        std::string data = std::string_view(tag) == "glyf"   ? std::move(newGlyf)
                           : std::string_view(tag) == "loca" ? std::move(newLoca)
                           : std::string_view(tag) == "head" ? head
                                                             : tables(tag);
        if (!data.empty()) out.push_back({tag, std::move(data)});
    }
    for (const char* required : {"hhea", "hmtx"}) {
        bool found = false;
        for (const Table& t : out) found = found || std::string_view(t.tag) == required;
        if (!found) return {};
    }

    const auto count = static_cast<std::uint32_t>(out.size());
    std::uint32_t power = 1, log = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++log;
    }
    std::string file;
    put32(file, 0x00010000);
    put16(file, count);
    put16(file, power * 16);
    put16(file, log);
    put16(file, count * 16 - power * 16);
    std::uint32_t offset = 12 + count * 16;
    std::size_t headAt = 0;
    for (const Table& t : out) {
        file.append(t.tag, 4);
        put32(file, checksum(t.data));
        put32(file, offset);
        put32(file, static_cast<std::uint32_t>(t.data.size()));
        if (std::string_view(t.tag) == "head") headAt = offset;
        offset += static_cast<std::uint32_t>((t.data.size() + 3) / 4 * 4);
    }
    for (const Table& t : out) {
        file += t.data;
        while (file.size() % 4) file += '\0';
    }
    set32(file, headAt + 8, 0xB1B0AFBAu - checksum(file));
    return file;
}

}  // namespace vtl::render
