#pragma once
// Display pictures: how a value is shown in a list cell, an entry or a report
// field, and how what a user typed into a numeric or date entry is read back.
//
//   @sN        text cut to N characters, padded to N
//   @n / @N    numbers: @N[~lit~][sign][fill]size[_][.places][sign][~lit~][B]
//              "@n-14.2", "@n_6b", "@n-17_.4", "N7.3~%~b"
//   @dK        dates (1 m/dd/yy, 2 m/dd/yyyy, 5 d/mm/yy, 6 d/mm/yyyy,
//              9 yy/mm/dd, 10 yyyy/mm/dd, 11 yymmdd, 12 yyyymmdd);
//              @d0K zero-pads the leading month or day; B blank for no date
//   @tK        times (1 hh:mm, 2 hhmm, 3 h:mmXM, 4 hh:mm:ss, 5 hhmmss,
//              6 h:mm:ssXM); @t0K zero-pads the hour of 3 and 6
//
// The leading '@' may be left out and letters may be of either case. A
// malformed picture throws std::invalid_argument naming the picture.
//
// Parse a picture once and keep the Picture where a value is formatted over
// and over (a list column); the functions that take the picture as text keep
// the last pictures of each thread parsed, so they are cheap too.
#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/types/date.h"
#include "platform/types/decimal.h"
#include "platform/types/text.h"

namespace vtl::pic {

enum class Kind { Text, Number, Date, Time };

class Picture {
public:
    // How a negative number is marked. Leading is also what a picture
    // without a sign indicator gets: a sign is never hidden.
    enum class Sign : std::uint8_t { Leading, Trailing, Parens };

    explicit Picture(std::string_view picture);
    static Picture parse(std::string_view picture) { return Picture(picture); }

    Kind kind() const { return kind_; }
    // Characters of every formatted value (literals, signs and points included).
    int width() const { return width_; }
    int places() const { return places_; }
    Sign sign() const { return sign_; }
    bool grouped() const { return group_; }
    bool blankWhenZero() const { return blank_; }
    // The picture as it was written.
    const std::string& text() const { return text_; }

    // Every result is exactly width() characters: numbers, dates and times
    // right-justified, text left-justified. A number that does not fit shows
    // as width() '#'; a zero under a B picture, no date and no time show as
    // spaces. A value of the wrong kind for the picture throws
    // std::invalid_argument.
    std::string format(std::string_view text) const;
    template <std::size_t N>
    std::string format(const Text<N>& text) const { return format(std::string_view(text.str())); }
    std::string format(double v) const;
    std::string format(std::int64_t v) const;
    template <std::integral I>
    std::string format(I v) const { return formatInteger(static_cast<std::int64_t>(v)); }
    // A scaled integer: raw 123450 at scale 4 is 12.345.
    std::string formatScaled(std::int64_t raw, int scale) const;
    template <int P, int S>
    std::string format(Decimal<P, S> v) const { return formatScaled(v.raw(), S); }
    std::string format(Date d) const;
    std::string format(Time t) const;

    // What a user typed into an entry with this picture. Blank is zero (no
    // date, no time); nullopt when the typing is not a value, or the value
    // would not fit the picture. Numbers take grouping commas, the picture's
    // literal, a leading or trailing minus or parentheses, and are rounded
    // half away from zero to the picture's places.
    std::optional<std::int64_t> deformatScaled(std::string_view typed, int scale) const;
    std::optional<double> deformatDouble(std::string_view typed) const;
    template <int P, int S>
    std::optional<Decimal<P, S>> deformatDecimal(std::string_view typed) const {
        auto raw = deformatScaled(typed, S);
        if (!raw || *raw >= Decimal<P, S>::limit || *raw <= -Decimal<P, S>::limit) return std::nullopt;
        return Decimal<P, S>::fromRaw(*raw);
    }
    // Dates in the picture's order, separated by '/', '-', '.' or a space
    // ("7/4/26", "07/04/2026", "7-4"), or as bare digits ("070426",
    // "07042026"). A two-digit year is the one within 80 years before and 19
    // after `today` (1950..2049 when no day is given); a missing year is
    // today's.
    std::optional<Date> deformatDate(std::string_view typed, Date today = Date()) const;
    // "5:30PM", "5:30 pm", "17:30", "17:30:15", "1730", "5p".
    std::optional<Time> deformatTime(std::string_view typed) const;

private:
    std::string formatInteger(std::int64_t v) const;
    std::string formatNumber(bool negative, unsigned __int128 magnitude) const;
    std::size_t shownLength(bool negative, unsigned __int128 magnitude) const;
    void parseNumber(std::string_view body);
    void parseDateTime(std::string_view body);
    void requireKind(Kind k, const char* what) const;
    [[noreturn]] void invalid(const char* why) const;

    std::string text_;
    std::string prefix_, suffix_;  // literals before and after the number
    Kind kind_ = Kind::Text;
    int width_ = 0;
    int places_ = 0;
    int form_ = 0;  // date or time form number
    int prefixChars_ = 0, suffixChars_ = 0;
    Sign sign_ = Sign::Leading;
    char fill_ = ' ';
    bool group_ = true;
    bool blank_ = false;
    bool zeroPad_ = false;
};

// The picture of the given text, parsed once per thread while it stays among
// the recently used ones. The reference is good until the next call.
const Picture& cached(std::string_view picture);

inline std::string format(std::string_view text, std::string_view picture) { return cached(picture).format(text); }
template <std::size_t N>
std::string format(const Text<N>& text, std::string_view picture) { return cached(picture).format(text); }
inline std::string format(double v, std::string_view picture) { return cached(picture).format(v); }
inline std::string format(std::int64_t v, std::string_view picture) { return cached(picture).format(v); }
template <std::integral I>
std::string format(I v, std::string_view picture) { return cached(picture).format(v); }
inline std::string formatScaled(std::int64_t raw, int scale, std::string_view picture) {
    return cached(picture).formatScaled(raw, scale);
}
template <int P, int S>
std::string format(Decimal<P, S> v, std::string_view picture) { return formatScaled(v.raw(), S, picture); }
inline std::string format(Date d, std::string_view picture) { return cached(picture).format(d); }
inline std::string format(Time t, std::string_view picture) { return cached(picture).format(t); }

inline std::optional<std::int64_t> deformatScaled(std::string_view typed, int scale, std::string_view picture) {
    return cached(picture).deformatScaled(typed, scale);
}
inline std::optional<double> deformatDouble(std::string_view typed, std::string_view picture) {
    return cached(picture).deformatDouble(typed);
}
template <int P, int S>
std::optional<Decimal<P, S>> deformatDecimal(std::string_view typed, std::string_view picture) {
    return cached(picture).template deformatDecimal<P, S>(typed);
}
inline std::optional<Date> deformatDate(std::string_view typed, std::string_view picture, Date today = Date()) {
    return cached(picture).deformatDate(typed, today);
}
inline std::optional<Time> deformatTime(std::string_view typed, std::string_view picture) {
    return cached(picture).deformatTime(typed);
}

// A shown value without the padding its picture added on either side:
// "   8.250" -> "8.250"; a blank zero -> "".
std::string clip(std::string_view shown);
// The same characters with the padding moved to the right ("   8.250" ->
// "8.250   "), for text images that list amounts left-justified.
std::string leftJustify(std::string_view shown);

}  // namespace vtl::pic
