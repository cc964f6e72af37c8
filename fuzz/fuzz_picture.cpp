// libFuzzer target of the display pictures, both ways. The input's first
// line is a picture; the second what a person typed into an entry with it;
// the bytes after that are values to show (a whole number, a double, a day
// number, a time). Whatever the picture shows is exactly its width, and
// what an entry reads is shown so that it reads back the same.
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/picture/picture.h"
#include "platform/types/text.h"

using namespace vtl;

namespace {

std::string_view line(std::string_view& rest) {
    const auto nl = rest.find('\n');
    const std::string_view out = rest.substr(0, nl);
    rest.remove_prefix(nl == std::string_view::npos ? rest.size() : nl + 1);
    return out;
}

template <class T>
T take(std::string_view& rest) {
    T v{};
    std::memcpy(&v, rest.data(), std::min(sizeof v, rest.size()));
    rest.remove_prefix(std::min(sizeof v, rest.size()));
    return v;
}

void width(const pic::Picture& p, const std::string& shown) {
    if (static_cast<int>(text_detail::codePoints(shown)) != p.width()) __builtin_trap();
}

bool overflowed(const std::string& shown) { return !shown.empty() && shown.find_first_not_of('#') == std::string::npos; }

void numbers(const pic::Picture& p, std::string_view typed, std::string_view values) {
    const auto i = take<std::int64_t>(values);
    const auto d = take<double>(values);
    const int scale = static_cast<int>(take<std::uint8_t>(values) % 7);
    width(p, p.format(i));
    width(p, p.format(d));
    const std::string shown = p.formatScaled(i, scale);
    width(p, shown);
    // A value shown with all its places reads back as it was.
    if (p.places() >= scale && !overflowed(shown)) {
        const auto back = p.deformatScaled(shown, scale);
        if (!back || *back != i) __builtin_trap();
    }
    (void)p.deformatDouble(typed);
    if (const auto read = p.deformatScaled(typed, p.places())) {
        const std::string again = p.formatScaled(*read, p.places());
        width(p, again);
        if (!overflowed(again)) {
            const auto back = p.deformatScaled(again, p.places());
            if (!back || *back != *read) __builtin_trap();
        }
    }
}

void dates(const pic::Picture& p, std::string_view typed, std::string_view values) {
    const Date any(take<std::int32_t>(values));
    const int offset = take<std::uint16_t>(values) % 73000;
    const Date today = Date::fromYmd(1850, 1, 1) + offset;
    width(p, p.format(any));
    const bool fourDigits = p.format(Date::fromYmd(2001, 2, 3)).find("2001") != std::string::npos;
    const auto read = p.deformatDate(typed, today);
    if (!read || read->isNull()) return;
    const std::string shown = p.format(*read);
    width(p, shown);
    const int y = read->year(), ref = today.year();
    // A two-digit year reads back as the same year while it is within the
    // hundred years the entry reads it in.
    if (overflowed(shown) || (!fourDigits && (y < ref - 80 || y > ref + 19))) return;
    const auto back = p.deformatDate(shown, today);
    if (!back || *back != *read) __builtin_trap();
}

void times(const pic::Picture& p, std::string_view typed, std::string_view values) {
    width(p, p.format(Time(take<std::int32_t>(values))));
    const auto read = p.deformatTime(typed);
    if (!read || read->isNull() || !read->isValid()) return;
    const std::string shown = p.format(*read);
    width(p, shown);
    const bool seconds = p.format(Time::fromHms(1, 2, 3)).find('3') != std::string::npos;
    const auto back = p.deformatTime(shown);
    if (!back || back->hour() != read->hour() || back->minute() != read->minute() ||
        (seconds && back->second() != read->second()))
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const std::string_view picture = line(rest);
    const std::string_view typed = line(rest);
    std::optional<pic::Picture> p;
    try {
        p.emplace(picture);
    } catch (const std::invalid_argument&) {
        return 0;
    }
    switch (p->kind()) {
    case pic::Kind::Text: {
        const std::string shown = p->format(typed);
        if (text_detail::codePoints(std::string(typed)) == typed.size()) width(*p, shown);  // plain ASCII
        break;
    }
    case pic::Kind::Number: numbers(*p, typed, rest); break;
    case pic::Kind::Date: dates(*p, typed, rest); break;
    case pic::Kind::Time: times(*p, typed, rest); break;
    }
    // The cache of pictures by text answers the same.
    if (pic::cached(picture).width() != p->width()) __builtin_trap();
    return 0;
}
