// Numbers shown through @n pictures and read back from numeric entries.
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "platform/picture/picture.h"

namespace vtl::pic {
namespace {

using Wide = decimal_detail::Wide;
using UWide = unsigned __int128;

UWide magnitude(Wide w) { return w < 0 ? static_cast<UWide>(-w) : static_cast<UWide>(w); }

Wide power10(int n) {
    Wide r = 1;
    while (n-- > 0) r *= 10;
    return r;
}

void checkScale(int scale) {
    if (scale < 0 || scale > 18) throw std::invalid_argument("scale " + std::to_string(scale) + " out of range");
}

// Digits, grouping and point of `mag` at `places`, written leftwards from
// `p`. Templated so that the usual value takes 64-bit divisions.
template <class U>
char* writeDigits(char* p, U mag, int places, bool group) {
    U unit = 1;
    for (int k = 0; k < places; ++k) unit *= 10;
    U whole = mag / unit;
    U frac = mag % unit;
    if (places > 0) {
        for (int k = 0; k < places; ++k) {
            *--p = static_cast<char>('0' + static_cast<int>(frac % 10));
            frac /= 10;
        }
        *--p = '.';
    }
    int inGroup = 0;
    do {
        if (group && inGroup == 3) {
            *--p = ',';
            inGroup = 0;
        }
        *--p = static_cast<char>('0' + static_cast<int>(whole % 10));
        whole /= 10;
        ++inGroup;
    } while (whole != 0);
    return p;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

}  // namespace

std::string Picture::format(std::int64_t v) const { return formatInteger(v); }

std::string Picture::formatInteger(std::int64_t v) const {
    requireKind(Kind::Number, "numbers");
    const Wide w = static_cast<Wide>(v) * power10(places_);
    return formatNumber(w < 0, magnitude(w));
}

std::string Picture::formatScaled(std::int64_t raw, int scale) const {
    requireKind(Kind::Number, "numbers");
    checkScale(scale);
    const Wide w = decimal_detail::rescale(raw, scale, places_);
    return formatNumber(w < 0, magnitude(w));
}

std::string Picture::format(double v) const {
    requireKind(Kind::Number, "numbers");
    // Nothing of 19 digits or more is shown; it would not fit a field anyway.
    if (!std::isfinite(v) || std::fabs(v) >= 1e18) return std::string(static_cast<std::size_t>(width_), '#');
    const Wide w = decimal_detail::fromDouble(v, places_);
    return formatNumber(w < 0, magnitude(w));
}

// Characters that `mag` (at the picture's places) takes when shown, padding
// aside.
std::size_t Picture::shownLength(bool negative, UWide mag) const {
    if (mag == 0) negative = false;
    std::size_t wholeDigits = 1;
    const UWide whole = mag / static_cast<UWide>(power10(places_));
    if (whole <= UINT64_MAX)
        for (auto w = static_cast<std::uint64_t>(whole); w >= 10; w /= 10) ++wholeDigits;
    else
        for (UWide w = whole; w >= 10; w /= 10) ++wholeDigits;
    std::size_t length = wholeDigits + static_cast<std::size_t>(prefixChars_ + suffixChars_);
    if (group_) length += (wholeDigits - 1) / 3;
    if (places_ > 0) length += static_cast<std::size_t>(places_) + 1;
    // A trailing sign or parentheses keep their place on positive numbers
    // too, so the points of a column line up.
    switch (sign_) {
    case Sign::Leading: length += negative ? 1 : 0; break;
    case Sign::Trailing: length += 1; break;
    case Sign::Parens: length += negative ? 2 : 1; break;
    }
    return length;
}

// `mag` is the value at the picture's places, already rounded.
std::string Picture::formatNumber(bool negative, UWide mag) const {
    const auto width = static_cast<std::size_t>(width_);
    if (mag == 0) {
        if (blank_) return std::string(width, ' ');
        negative = false;  // what rounds to zero shows no sign
    }
    const std::size_t length = shownLength(negative, mag);
    if (length > width) return std::string(width, '#');
    const std::size_t pad = width - length;

    char buf[96];
    char* const end = buf + sizeof buf;
    char* const p = mag <= UINT64_MAX ? writeDigits(end, static_cast<std::uint64_t>(mag), places_, group_)
                                      : writeDigits(end, mag, places_, group_);

    std::string out;
    out.reserve(width + prefix_.size() + suffix_.size());
    if (fill_ == ' ') out.append(pad, ' ');
    if (negative && sign_ == Sign::Leading) out += '-';
    if (negative && sign_ == Sign::Parens) out += '(';
    out += prefix_;
    if (fill_ != ' ') out.append(pad, fill_);
    out.append(p, static_cast<std::size_t>(end - p));
    out += suffix_;
    if (sign_ == Sign::Trailing) out += negative ? '-' : ' ';
    if (sign_ == Sign::Parens) out += negative ? ')' : ' ';
    return out;
}

std::optional<std::int64_t> Picture::deformatScaled(std::string_view typed, int scale) const {
    requireKind(Kind::Number, "numbers");
    checkScale(scale);
    // The literal is part of what the entry shows; the user may keep it,
    // delete it or never type it.
    // It is taken from where the picture shows it, before the digits
    // (after blanks and a sign) and after them (before a sign and blanks),
    // never from among the digits: a literal "1" would take a digit.
    // A literal made of blanks or sign characters may stand among the
    // sign's: the place nearest the digits is taken first.
    std::string s(typed);
    if (!prefix_.empty()) {
        std::size_t digits = 0;
        while (digits < s.size() && (s[digits] == ' ' || s[digits] == '-' || s[digits] == '+' || s[digits] == '('))
            ++digits;
        for (std::size_t at = digits + 1; at-- > 0;)
            if (s.compare(at, prefix_.size(), prefix_) == 0) {
                s.erase(at, prefix_.size());
                break;
            }
    }
    if (!suffix_.empty()) {
        std::size_t digits = s.size();
        while (digits > 0 && (s[digits - 1] == ' ' || s[digits - 1] == '-' || s[digits - 1] == ')')) --digits;
        for (std::size_t end = std::max(digits, suffix_.size()); end <= s.size(); ++end)
            if (s.compare(end - suffix_.size(), suffix_.size(), suffix_) == 0) {
                s.erase(end - suffix_.size(), suffix_.size());
                break;
            }
    }
    std::string_view t = trim(s);
    if (t.empty()) return 0;

    bool negative = false;
    if (t.size() >= 2 && t.front() == '(' && t.back() == ')') {
        negative = true;
        t = trim(t.substr(1, t.size() - 2));
    }
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
        negative = negative || t.front() == '-';
        t = trim(t.substr(1));
    } else if (!t.empty() && t.back() == '-') {
        negative = true;
        t = trim(t.substr(0, t.size() - 1));
    }
    while (!t.empty() && t.front() == '*') t.remove_prefix(1);  // check-protection fill
    if (t.empty()) return std::nullopt;
    for (char c : t)
        if (!(c >= '0' && c <= '9') && c != ',' && c != '.') return std::nullopt;

    // Round once, to what both the picture and the value hold; a finer scale
    // only adds zeros.
    const int kept = places_ < scale ? places_ : scale;
    const auto parsed = decimal_detail::parse(t, kept);
    if (!parsed || *parsed >= decimal_detail::kBeyond) return std::nullopt;
    const Wide atPicture = *parsed * power10(places_ - kept);
    if (shownLength(negative, magnitude(atPicture)) > static_cast<std::size_t>(width_))
        return std::nullopt;  // the entry could not show it
    // The most negative whole number has no positive twin: it is read as
    // the negative it is, never as a magnitude that overflows.
    const Wide atScale = *parsed * power10(scale - kept);
    const Wide most = static_cast<Wide>(INT64_MAX) + (negative ? 1 : 0);
    if (atScale > most) return std::nullopt;
    return static_cast<std::int64_t>(negative ? -atScale : atScale);
}

std::optional<double> Picture::deformatDouble(std::string_view typed) const {
    const auto raw = deformatScaled(typed, places_);
    if (!raw) return std::nullopt;
    return static_cast<double>(*raw) / static_cast<double>(power10(places_));
}

}  // namespace vtl::pic
