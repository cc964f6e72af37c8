#include "report/pages/measure.h"

namespace vtl::report {
namespace {

// Splits at line breaks, keeping empty lines.
std::vector<std::string_view> paragraphs(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r') continue;
        out.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    out.push_back(text.substr(start));
    return out;
}

// The length of the UTF-8 character starting at s[i].
std::size_t charLength(std::string_view s, std::size_t i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    return std::min(n, s.size() - i);
}

}  // namespace

std::vector<std::string> wrapText(TextMeasure& measure, const Font& font, std::string_view text, Mils width) {
    std::vector<std::string> lines;
    for (std::string_view para : paragraphs(text)) {
        std::string line;
        std::size_t i = 0;
        while (i < para.size()) {
            while (i < para.size() && para[i] == ' ') ++i;
            std::size_t end = i;
            while (end < para.size() && para[end] != ' ') ++end;
            if (end == i) break;
            const std::string word(para.substr(i, end - i));
            i = end;
            const std::string candidate = line.empty() ? word : line + " " + word;
            if (measure.width(font, candidate) <= width) {
                line = candidate;
                continue;
            }
            if (!line.empty()) lines.push_back(std::move(line));
            line.clear();
            if (measure.width(font, word) <= width) {
                line = word;
                continue;
            }
            // A word wider than a whole line goes across lines, character by character.
            for (std::size_t k = 0; k < word.size();) {
                const std::size_t n = charLength(word, k);
                const std::string next = line + word.substr(k, n);
                if (!line.empty() && measure.width(font, next) > width) {
                    lines.push_back(std::move(line));
                    line = word.substr(k, n);
                } else {
                    line = next;
                }
                k += n;
            }
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace vtl::report
