#include "platform/types/text.h"

namespace vtl::text_detail {
namespace {
bool continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
}  // namespace

std::size_t prefixBytes(std::string_view s, std::size_t n) {
    // No more bytes than characters wanted: all of it, whatever it holds.
    if (s.size() <= n) return s.size();
    std::size_t i = 0;
    for (std::size_t count = 0; i < s.size() && count < n; ++count) {
        // A code point is its lead byte and the continuation bytes after it;
        // a stray continuation byte counts as a character of its own.
        ++i;
        while (i < s.size() && continuation(s[i])) ++i;
    }
    return i;
}

std::size_t codePoints(std::string_view s) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (!continuation(s[i]) || i == 0) ++count;
    return count;
}

std::string_view clipView(std::string_view s) {
    std::size_t end = s.size();
    while (end > 0 && s[end - 1] == ' ') --end;
    return s.substr(0, end);
}

}  // namespace vtl::text_detail
