#pragma once
// Decimal<P,S>: DECIMAL(p,s) held exactly as a scaled 64-bit integer.
// Every conversion that drops digits (from a double, to a smaller scale, a
// product or a quotient) rounds half away from zero. A value that does not fit
// in P digits is an error (DecimalOverflow), never a silent wrap.
#include <compare>
#include <concepts>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vtl {

class DecimalOverflow : public std::overflow_error {
public:
    using std::overflow_error::overflow_error;
};

namespace decimal_detail {
using Wide = __int128;
constexpr std::int64_t pow10(int n) {
    std::int64_t r = 1;
    for (int i = 0; i < n; ++i) r *= 10;
    return r;
}
// value / divisor, rounded half away from zero.
Wide divRound(Wide value, Wide divisor);
// Rescale a scaled integer from scale `from` to scale `to`, rounding.
Wide rescale(Wide raw, int from, int to);
// A double to a scaled integer of the given scale. The double is first read
// at 15 significant digits, so 2.675 (held as 2.67499999...) rounds to 2.68
// at two places, as a clerk expects. A magnitude of 1e19 or more gives a
// value beyond every DECIMAL (kBeyond), so the caller's range check reports
// it; a NaN or an infinity throws DecimalOverflow.
Wide fromDouble(double v, int scale);
// "-1234.5", "1,234.50", " 12 ", "(3.00)", "5-" -> scaled integer; blank is 0;
// nullopt when malformed. More whole digits than any DECIMAL holds give
// +-kBeyond rather than a wrapped number.
std::optional<Wide> parse(std::string_view text, int scale);
inline constexpr Wide kBeyond = Wide(pow10(18)) * pow10(18) * 10;  // 1e37
std::string toString(std::int64_t raw, int scale);
[[noreturn]] void overflow(int precision, int scale);
}  // namespace decimal_detail

template <int P, int S>
class Decimal {
    static_assert(P > 0 && P <= 18 && S >= 0 && S <= P, "DECIMAL(p,s) out of range");

public:
    static constexpr int precision = P;
    static constexpr int scale = S;
    static constexpr std::int64_t limit = decimal_detail::pow10(P);  // |raw| < limit

    constexpr Decimal() = default;
    // Whole numbers: Decimal<15,2>(12) is 12.00. Any integer width is taken
    // as it is (a ULONG above 2^31 stays positive); a double must go through
    // fromDouble so that its rounding is explicit.
    template <std::integral I>
    Decimal(I whole) : raw_(check(static_cast<decimal_detail::Wide>(whole) * decimal_detail::pow10(S))) {}

    static Decimal fromRaw(std::int64_t raw) { Decimal d; d.raw_ = check(raw); return d; }
    static Decimal fromDouble(double v) { Decimal d; d.raw_ = check(decimal_detail::fromDouble(v, S)); return d; }
    // Malformed text gives nullopt; a well-formed number too big for P digits
    // throws DecimalOverflow like every other conversion.
    static std::optional<Decimal> parse(std::string_view text) {
        auto w = decimal_detail::parse(text, S);
        if (!w) return std::nullopt;
        Decimal d;
        d.raw_ = check(*w);
        return d;
    }
    // Another DECIMAL to this one, rounding when it has more places.
    template <int P2, int S2>
    static Decimal from(Decimal<P2, S2> o) {
        Decimal d;
        d.raw_ = check(decimal_detail::rescale(o.raw(), S2, S));
        return d;
    }

    constexpr std::int64_t raw() const { return raw_; }
    double toDouble() const { return static_cast<double>(raw_) / static_cast<double>(decimal_detail::pow10(S)); }
    bool isZero() const { return raw_ == 0; }
    // Plain form with S places: "-1234.50".
    std::string toString() const { return decimal_detail::toString(raw_, S); }

    Decimal operator-() const { return fromRaw(-raw_); }
    Decimal operator+(Decimal o) const { return fromRawWide(static_cast<decimal_detail::Wide>(raw_) + o.raw_); }
    Decimal operator-(Decimal o) const { return fromRawWide(static_cast<decimal_detail::Wide>(raw_) - o.raw_); }
    Decimal& operator+=(Decimal o) { return *this = *this + o; }
    Decimal& operator-=(Decimal o) { return *this = *this - o; }
    // Product and quotient with any DECIMAL, worked exactly in 128 bits and
    // rounded once to this scale.
    template <int P2, int S2>
    Decimal operator*(Decimal<P2, S2> o) const {
        decimal_detail::Wide w = static_cast<decimal_detail::Wide>(raw_) * o.raw();
        return fromRawWide(decimal_detail::divRound(w, decimal_detail::pow10(S2)));
    }
    template <int P2, int S2>
    Decimal operator/(Decimal<P2, S2> o) const {
        if (o.raw() == 0) throw std::domain_error("decimal division by zero");
        decimal_detail::Wide w = static_cast<decimal_detail::Wide>(raw_) * decimal_detail::pow10(S2);
        return fromRawWide(decimal_detail::divRound(w, o.raw()));
    }
    template <std::integral I>
    Decimal operator*(I k) const { return fromRawWide(static_cast<decimal_detail::Wide>(raw_) * k); }
    template <std::integral I>
    friend Decimal operator*(I k, Decimal d) { return d * k; }

    friend constexpr bool operator==(Decimal a, Decimal b) { return a.raw_ == b.raw_; }
    friend constexpr auto operator<=>(Decimal a, Decimal b) { return a.raw_ <=> b.raw_; }

private:
    static std::int64_t check(decimal_detail::Wide w) {
        if (w >= limit || w <= -limit) decimal_detail::overflow(P, S);
        return static_cast<std::int64_t>(w);
    }
    static Decimal fromRawWide(decimal_detail::Wide w) { Decimal d; d.raw_ = check(w); return d; }

    std::int64_t raw_ = 0;
};

using Money = Decimal<15, 2>;
using Quantity = Decimal<15, 4>;

}  // namespace vtl
