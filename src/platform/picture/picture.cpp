#include "platform/picture/picture.h"

#include <stdexcept>
#include <vector>

namespace vtl::pic {
namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
bool digit(char c) { return c >= '0' && c <= '9'; }

// Pictures wider than this are typing mistakes, not layouts.
constexpr int kMaxWidth = 255;

// Reads the digits at body[i...] as a number; -1 when there are none.
int readNumber(std::string_view body, std::size_t& i) {
    if (i >= body.size() || !digit(body[i])) return -1;
    int v = 0;
    while (i < body.size() && digit(body[i])) {
        v = v * 10 + (body[i] - '0');
        if (v > 100000) return 100000;
        ++i;
    }
    return v;
}

// Whether every character is a whole UTF-8 sequence (the bytes of each
// lead byte's length, continuation bytes only after one).
bool wholeUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

}  // namespace

Picture::Picture(std::string_view picture) : text_(picture) {
    std::string_view p = picture;
    if (!p.empty() && p.front() == '@') p.remove_prefix(1);
    if (p.empty()) invalid("it is empty");
    const char k = lower(p.front());
    p.remove_prefix(1);
    switch (k) {
    case 's': {
        kind_ = Kind::Text;
        std::size_t i = 0;
        width_ = readNumber(p, i);
        if (i != p.size()) invalid("a text picture is @s and its width");
        break;
    }
    case 'n':
        kind_ = Kind::Number;
        parseNumber(p);
        break;
    case 'd':
        kind_ = Kind::Date;
        parseDateTime(p);
        break;
    case 't':
        kind_ = Kind::Time;
        parseDateTime(p);
        break;
    default:
        invalid("unknown kind of picture");
    }
    if (width_ < 1 || width_ > kMaxWidth) invalid("width out of range");
}

void Picture::parseNumber(std::string_view body) {
    std::size_t i = 0;
    const std::size_t n = body.size();
    auto literal = [&](std::string& into, int& chars) {
        if (i >= n || body[i] != '~') return false;
        const std::size_t close = body.find('~', i + 1);
        if (close == std::string_view::npos) invalid("literal without its closing ~");
        into.assign(body.substr(i + 1, close - i - 1));
        // Its characters are counted into the width: bytes that are not
        // UTF-8 would count one way alone and another beside the number.
        if (!wholeUtf8(into)) invalid("a literal that is not UTF-8 text");
        chars = static_cast<int>(text_detail::codePoints(into));
        i = close + 1;
        return true;
    };

    literal(prefix_, prefixChars_);
    bool signGiven = false;
    if (i < n && (body[i] == '-' || body[i] == '(')) {
        sign_ = body[i] == '-' ? Sign::Leading : Sign::Parens;
        signGiven = true;
        ++i;
    }
    if (prefix_.empty()) literal(prefix_, prefixChars_);

    if (i + 1 < n && body[i] == '0' && digit(body[i + 1])) {
        fill_ = '0';
        group_ = false;  // "0,001,234" is nobody's number
        ++i;
    } else if (i < n && body[i] == '_') {
        group_ = false;
        ++i;
    } else if (i < n && body[i] == '*') {
        fill_ = '*';  // check protection keeps its grouping: "****1,234.56"
        ++i;
    }

    width_ = readNumber(body, i);
    if (width_ < 0) invalid("a number picture needs its width");
    if (i < n && body[i] == '_') {
        group_ = false;
        ++i;
    }
    if (i < n && body[i] == '.') {
        ++i;
        places_ = readNumber(body, i);
        if (places_ < 0) invalid("no places after the point");
        if (places_ > 18) invalid("more than 18 places");
    }
    if (i < n && body[i] == '-') {
        if (signGiven) invalid("two sign indicators");
        sign_ = Sign::Trailing;
        ++i;
    } else if (i < n && body[i] == ')') {
        if (sign_ != Sign::Parens) invalid(") without (");
        ++i;
    } else if (sign_ == Sign::Parens) {
        invalid("( without )");
    }
    literal(suffix_, suffixChars_);
    if (i < n && lower(body[i]) == 'b') {
        blank_ = true;
        ++i;
    }
    if (i != n) invalid("unexpected characters");

    // The narrowest value ("0.00" with its literals and sign room) must fit,
    // or every value would show as '#'.
    const int narrowest = (places_ > 0 ? places_ + 2 : 1) + prefixChars_ + suffixChars_ +
                          (sign_ == Sign::Leading ? 0 : 1);
    if (width_ > 0 && narrowest > width_) invalid("no room for the places");
}

void Picture::parseDateTime(std::string_view body) {
    std::size_t i = 0;
    if (body.size() >= 2 && body[0] == '0' && digit(body[1])) {
        zeroPad_ = true;
        ++i;
    }
    form_ = readNumber(body, i);
    if (i < body.size() && lower(body[i]) == 'b') {
        blank_ = true;
        ++i;
    }
    if (i != body.size()) invalid("unexpected characters");
    if (kind_ == Kind::Date) {
        switch (form_) {
        case 1: case 5: case 9: case 12: width_ = 8; break;
        case 2: case 6: case 10: width_ = 10; break;
        case 11: width_ = 6; break;
        default: invalid("unknown date form");
        }
    } else {
        static const int kWidths[] = {0, 5, 4, 7, 8, 6, 10};
        if (form_ < 1 || form_ > 6) invalid("unknown time form");
        width_ = kWidths[form_];
    }
}

void Picture::requireKind(Kind k, const char* what) const {
    if (kind_ != k) throw std::invalid_argument("picture \"" + text_ + "\" does not show " + what);
}

void Picture::invalid(const char* why) const {
    throw std::invalid_argument("invalid picture \"" + text_ + "\": " + why);
}

std::string Picture::format(std::string_view text) const {
    requireKind(Kind::Text, "text");
    const std::size_t bytes = text_detail::prefixBytes(text, static_cast<std::size_t>(width_));
    std::string out;
    out.reserve(bytes + static_cast<std::size_t>(width_));
    out.assign(text.substr(0, bytes));
    out.append(static_cast<std::size_t>(width_) - text_detail::codePoints(out), ' ');
    return out;
}

const Picture& cached(std::string_view picture) {
    // A list or a report uses a handful of pictures over and over; a few
    // slots searched in turn beat hashing texts of eight characters.
    constexpr std::size_t kSlots = 32;
    struct Cache {
        Cache() { slots.reserve(kSlots); }
        std::vector<Picture> slots;
        std::size_t last = 0;
        std::size_t next = 0;
    };
    thread_local Cache cache;
    auto& slots = cache.slots;
    if (cache.last < slots.size() && slots[cache.last].text() == picture) return slots[cache.last];
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (slots[i].text() == picture) {
            cache.last = i;
            return slots[i];
        }
    }
    Picture parsed(picture);
    if (slots.size() < kSlots) {
        slots.push_back(std::move(parsed));
        cache.last = slots.size() - 1;
    } else {
        slots[cache.next] = std::move(parsed);
        cache.last = cache.next;
        cache.next = (cache.next + 1) % kSlots;
    }
    return slots[cache.last];
}

std::string clip(std::string_view shown) {
    std::size_t b = 0, e = shown.size();
    while (b < e && shown[b] == ' ') ++b;
    while (e > b && shown[e - 1] == ' ') --e;
    return std::string(shown.substr(b, e - b));
}

std::string leftJustify(std::string_view shown) {
    std::size_t b = 0;
    while (b < shown.size() && shown[b] == ' ') ++b;
    std::string out(shown.substr(b));
    out.append(b, ' ');
    return out;
}

}  // namespace vtl::pic
