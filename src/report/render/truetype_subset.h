#pragma once
// A TrueType font cut down to the glyphs a document draws, for embedding in
// a PDF file. The glyphs keep their numbers, so text drawn with the whole
// font's glyph numbers draws the same with the subset: every glyph not used
// is left empty (composite glyphs keep the glyphs they are built from).
// Only the tables a PDF reader draws with are kept.
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>

namespace vtl::render {

// The font's tables by their four-letter tag ("glyf"), empty when missing.
using FontTables = std::function<std::string(std::string_view tag)>;

struct FontFacts {
    int unitsPerEm = 1000;
    int xMin = 0, yMin = 0, xMax = 0, yMax = 0;  // the font's box, in font units
    int ascender = 0, descender = 0;             // from the horizontal header
    int capHeight = 0;                           // 0 when the font does not say
    double italicAngle = 0;
    std::string postScriptName;  // "LiberationSans-Bold", or "" when the font does not say
};

// What the font says of itself; false when a table it needs is missing or
// too short to read.
bool readFontFacts(const FontTables& tables, FontFacts& facts);

// The advance widths of glyphs in font units, by glyph number (the last
// width repeats for glyphs beyond the widths table, as the format says).
class GlyphWidths {
public:
    explicit GlyphWidths(const FontTables& tables);
    int advance(std::uint32_t glyph) const;

private:
    std::string hmtx_;
    std::uint32_t metrics_ = 0;
};

// The subset font file, or "" when the font is no TrueType font (no glyph
// table) or its tables cannot be read.
std::string subsetTrueType(const FontTables& tables, const std::set<std::uint32_t>& glyphs);

}  // namespace vtl::render
