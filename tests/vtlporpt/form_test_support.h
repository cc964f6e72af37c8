#pragma once
// What the tests of the printed form share: a text measure that does not
// depend on the installed fonts, picture headers made byte by byte, and
// look-ups in the page model.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "report/pages/measure.h"
#include "report/pages/page.h"

namespace vtl::test {

// Every character 0.55 of the font's size wide, lines 1.2 of it apart.
class FormTestMeasure : public report::TextMeasure {
public:
    double width(const report::Font& font, std::string_view text) override {
        double characters = 0;
        for (unsigned char c : text) characters += (c & 0xC0) != 0x80 ? 1 : 0;
        return characters * 0.55 * font.points * 1000.0 / 72.0;
    }
    double lineHeight(const report::Font& font) override { return 1.2 * font.points * 1000.0 / 72.0; }
};

inline std::string bigEndian(std::uint32_t v, int bytes) {
    std::string out;
    for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
    return out;
}

// A PNG's signature and chunks up to its (empty) image data; `perMetre` 0
// leaves out the resolution chunk.
inline std::string pngHeader(std::uint32_t wide, std::uint32_t high, std::uint32_t perMetre = 0) {
    auto chunk = [](std::string_view type, const std::string& data) {
        return bigEndian(static_cast<std::uint32_t>(data.size()), 4) + std::string(type) + data + std::string(4, '\0');
    };
    std::string png = "\x89PNG\r\n\x1A\n";
    png += chunk("IHDR", bigEndian(wide, 4) + bigEndian(high, 4) + std::string("\x08\x02\x00\x00\x00", 5));
    if (perMetre) png += chunk("pHYs", bigEndian(perMetre, 4) + bigEndian(perMetre, 4) + std::string(1, '\x01'));
    return png + chunk("IDAT", "") + chunk("IEND", "");
}

// The first text item showing `text`, in drawing order.
inline const report::TextItem* findText(const report::Page& page, std::string_view text) {
    for (const auto& item : page.items)
        if (auto* t = std::get_if<report::TextItem>(&item); t && t->text == text) return t;
    return nullptr;
}
inline bool has(const report::Page& page, std::string_view text) { return findText(page, text) != nullptr; }
// Those of `texts` the page shows (or, with `shown` false, does not show)
// contrary to what is expected, named: "" when all is as expected.
inline std::string wrongTexts(const report::Page& page, std::initializer_list<std::string_view> texts,
                              bool shown = true) {
    std::string out;
    for (std::string_view t : texts)
        if (has(page, t) != shown) out += (shown ? "missing \"" : "unexpected \"") + std::string(t) + "\" ";
    return out;
}
inline int count(const report::Page& page, std::string_view text) {
    int n = 0;
    for (const auto& item : page.items)
        if (auto* t = std::get_if<report::TextItem>(&item); t && t->text == text) ++n;
    return n;
}

}  // namespace vtl::test
