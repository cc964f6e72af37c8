#pragma once
// Text<N>: a fixed-width string field. Holds at most N characters (UTF-8 code
// points); assignment cuts to N; comparisons ignore trailing spaces.
#include <compare>
#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

namespace vtl {

namespace text_detail {
// Byte length of the first n code points of s (whole string when shorter).
// Never ends inside a code point, even when the text is not valid UTF-8.
std::size_t prefixBytes(std::string_view s, std::size_t n);
// Number of code points in s.
std::size_t codePoints(std::string_view s);
std::string_view clipView(std::string_view s);

template <class S>
concept StringLike = std::is_convertible_v<const S&, std::string_view>;
}  // namespace text_detail

template <std::size_t N>
class Text {
public:
    static constexpr std::size_t capacity = N;

    Text() = default;
    Text(std::string_view s) { assign(s); }
    Text(const char* s) { assign(s ? std::string_view(s) : std::string_view()); }
    Text(const std::string& s) { assign(s); }
    template <std::size_t M>
    Text(const Text<M>& o) { assign(o.str()); }

    Text& operator=(std::string_view s) { assign(s); return *this; }
    Text& operator=(const char* s) { assign(s ? std::string_view(s) : std::string_view()); return *this; }
    Text& operator=(const std::string& s) { assign(s); return *this; }
    template <std::size_t M>
    Text& operator=(const Text<M>& o) { assign(o.str()); return *this; }

    void assign(std::string_view s) { s_.assign(s.substr(0, text_detail::prefixBytes(s, N))); }

    // The text as held (trailing spaces included when they were assigned).
    const std::string& str() const { return s_; }
    // The text without trailing spaces.
    std::string clip() const { return std::string(text_detail::clipView(s_)); }
    std::string_view clipView() const { return text_detail::clipView(s_); }
    // The field as the fixed layout holds it: N characters, space-filled.
    std::string padded() const {
        std::string p = s_;
        p.append(N - text_detail::codePoints(s_), ' ');
        return p;
    }
    bool blank() const { return text_detail::clipView(s_).empty(); }
    void clear() { s_.clear(); }

    // Comparisons look at the clipped texts, byte by byte: the store keeps
    // texts clipped and orders them the same way, so a key read from the
    // store and a key compared here agree.
    friend bool operator==(const Text& a, const Text& b) { return a.clipView() == b.clipView(); }
    friend bool operator==(const Text& a, std::string_view b) { return a.clipView() == text_detail::clipView(b); }
    // Literals and std::string match exactly here instead of converting both
    // ways (to Text and to string_view), which would be ambiguous.
    template <text_detail::StringLike S>
    friend bool operator==(const Text& a, const S& b) {
        return a.clipView() == text_detail::clipView(std::string_view(b));
    }
    template <std::size_t M>
        requires(M != N)
    friend bool operator==(const Text& a, const Text<M>& b) {
        return a.clipView() == b.clipView();
    }

    friend std::strong_ordering operator<=>(const Text& a, const Text& b) {
        return a.clipView().compare(b.clipView()) <=> 0;
    }
    friend std::strong_ordering operator<=>(const Text& a, std::string_view b) {
        return a.clipView().compare(text_detail::clipView(b)) <=> 0;
    }
    template <text_detail::StringLike S>
    friend std::strong_ordering operator<=>(const Text& a, const S& b) {
        return a.clipView().compare(text_detail::clipView(std::string_view(b))) <=> 0;
    }
    template <std::size_t M>
        requires(M != N)
    friend std::strong_ordering operator<=>(const Text& a, const Text<M>& b) {
        return a.clipView().compare(b.clipView()) <=> 0;
    }

private:
    std::string s_;
};

}  // namespace vtl
