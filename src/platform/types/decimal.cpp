#include "platform/types/decimal.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vtl::decimal_detail {

Wide divRound(Wide value, Wide divisor) {
    if (divisor < 0) { value = -value; divisor = -divisor; }
    Wide q = value / divisor;
    Wide r = value % divisor;
    if (r < 0) r = -r;
    if (r * 2 >= divisor) q += value < 0 ? -1 : 1;
    return q;
}

Wide rescale(Wide raw, int from, int to) {
    if (to == from) return raw;
    if (to > from) {
        Wide w = raw;
        for (int i = from; i < to; ++i) w *= 10;
        return w;
    }
    // Wide divisor: a typed fraction may carry up to 30 places.
    Wide div = 1;
    for (int i = to; i < from; ++i) div *= 10;
    return divRound(raw, div);
}

Wide fromDouble(double v, int scale) {
    if (!std::isfinite(v)) throw DecimalOverflow("decimal from a value that is not a number");
    // Beyond 1e19 the scaled value could leave 128 bits; no DECIMAL holds it anyway.
    if (std::fabs(v) >= 1e19) return v < 0 ? -kBeyond : kBeyond;
    // Most values are whole at the scale (48.75 at four places): within a
    // hair of a whole number well inside 15 digits, reading back at 15
    // digits gives that very number, without formatting the value.
    if (scale >= 0 && scale <= 8) {
        static constexpr double kPowers[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
        const double x = v * kPowers[scale];
        const double whole = std::round(x);
        if (std::fabs(x) < 1e8 && std::fabs(x - whole) < 1e-4) return static_cast<Wide>(whole);
    }
    char buf[64];
    // Read back at 15 significant digits: %.14e gives exactly 15.
    std::snprintf(buf, sizeof buf, "%.14e", v);
    // buf: [-]d.dddddddddddddde[+-]XX
    const char* p = buf;
    bool neg = false;
    if (*p == '-') { neg = true; ++p; }
    Wide digits = 0;
    int ndigits = 0;
    for (; *p && *p != 'e'; ++p) {
        if (*p == '.') continue;
        digits = digits * 10 + (*p - '0');
        ++ndigits;
    }
    int exp = std::atoi(p + 1);
    // value = digits * 10^(exp - (ndigits - 1)); wanted scale: digits * 10^(exp - ndigits + 1 + scale)
    int shift = exp - (ndigits - 1) + scale;
    Wide result;
    if (shift >= 0) {
        result = digits;
        for (int i = 0; i < shift; ++i) result *= 10;
    } else if (shift < -30) {
        result = 0;
    } else {
        Wide div = 1;
        for (int i = 0; i < -shift; ++i) div *= 10;
        result = divRound(digits, div);
    }
    return neg ? -result : result;
}

std::optional<Wide> parse(std::string_view t, int scale) {
    std::size_t i = 0, n = t.size();
    while (i < n && t[i] == ' ') ++i;
    while (n > i && t[n - 1] == ' ') --n;
    if (i == n) return Wide(0);
    bool neg = false;
    if (t[i] == '(' && t[n - 1] == ')') { neg = true; ++i; --n; }
    if (i < n && (t[i] == '-' || t[i] == '+')) { neg = neg || t[i] == '-'; ++i; }
    if (i < n && t[n - 1] == '-') { neg = true; --n; }
    Wide whole = 0;
    Wide frac = 0;
    int fracDigits = 0;
    bool any = false, point = false;
    for (; i < n; ++i) {
        char c = t[i];
        if (c == ',' && !point) continue;
        if (c == '.' && !point) { point = true; continue; }
        if (c < '0' || c > '9') return std::nullopt;
        any = true;
        if (!point) {
            // Stop accumulating past every DECIMAL's range: the value stays
            // too big (and is reported as such) without leaving 128 bits.
            if (whole < Wide(pow10(18)) * 10) whole = whole * 10 + (c - '0');
            else whole = kBeyond;
        } else if (fracDigits < 30) {
            frac = frac * 10 + (c - '0');
            ++fracDigits;
        }
    }
    if (!any) return std::nullopt;
    if (whole == kBeyond) return neg ? -kBeyond : kBeyond;
    Wide w = whole;
    for (int k = 0; k < scale; ++k) w *= 10;
    w += rescale(frac, fracDigits, scale);
    return neg ? -w : w;
}

std::string toString(std::int64_t raw, int scale) {
    bool neg = raw < 0;
    unsigned long long a = neg ? 0ull - static_cast<unsigned long long>(raw) : static_cast<unsigned long long>(raw);
    unsigned long long p = static_cast<unsigned long long>(pow10(scale));
    std::string s = std::to_string(a / p);
    if (scale > 0) {
        std::string f = std::to_string(a % p);
        s += '.';
        s += std::string(static_cast<std::size_t>(scale) - f.size(), '0') + f;
    }
    return neg ? "-" + s : s;
}

void overflow(int precision, int scale) {
    throw DecimalOverflow("value does not fit DECIMAL(" + std::to_string(precision) + "," + std::to_string(scale) + ")");
}

}  // namespace vtl::decimal_detail
