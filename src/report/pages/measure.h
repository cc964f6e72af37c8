#pragma once
// How wide a text is in a font, for the reports that break a long text into
// lines and lines into pages. The renderer measures with the very fonts it
// draws with; the reports ask for the measure through the views (see
// devices.h), so they hold no font code of their own.
#include <string>
#include <string_view>
#include <vector>

#include "report/pages/page.h"

namespace vtl::report {

class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // Width of one line of text, in thousandths of an inch.
    virtual double width(const Font& font, std::string_view text) = 0;
    // Distance from one line's top to the next's.
    virtual double lineHeight(const Font& font) = 0;
};

// Breaks a text into lines no wider than `width`: at spaces where it can, a
// word wider than a line across it, and always at line breaks ("\n", "\r\n").
std::vector<std::string> wrapText(TextMeasure& measure, const Font& font, std::string_view text, Mils width);

}  // namespace vtl::report
