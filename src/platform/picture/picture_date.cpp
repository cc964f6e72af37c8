// Dates and times shown through @d and @t pictures and read back from entries.
#include <vector>

#include "platform/picture/picture.h"

namespace vtl::pic {
namespace {

// Writes v as two characters; a leading zero becomes `pad`.
char* two(char* p, int v, char pad) {
    *p++ = v >= 10 ? static_cast<char>('0' + v / 10) : pad;
    *p++ = static_cast<char>('0' + v % 10);
    return p;
}

char* four(char* p, int v) {
    for (int d = 1000; d > 0; d /= 10) *p++ = static_cast<char>('0' + v / d % 10);
    return p;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

bool allDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

int number(std::string_view s) {
    int v = 0;
    for (char c : s) v = v * 10 + (c - '0');
    return v;
}

enum class Order { MonthDayYear, DayMonthYear, YearMonthDay };

Order orderOf(int form) {
    if (form <= 2) return Order::MonthDayYear;
    if (form <= 6) return Order::DayMonthYear;
    return Order::YearMonthDay;
}

// A year typed with one or two digits: the one of the hundred years that
// run from 80 before the reference year to 19 after it.
int fullYear(std::string_view typed, int referenceYear) {
    if (typed.size() == 4) return number(typed);
    if (typed.size() > 2) return -1;
    const int lowest = referenceYear - 80;
    int year = lowest - lowest % 100 + number(typed);
    if (year < lowest) year += 100;
    return year;
}

}  // namespace

std::string Picture::format(Date d) const {
    requireKind(Kind::Date, "dates");
    const auto width = static_cast<std::size_t>(width_);
    // No date is blank with or without B: a made-up day would pass for a real one.
    if (d.isNull()) return std::string(width, ' ');
    const int y = d.year(), m = d.month(), dd = d.day();
    if (y < 1 || y > 9999) return std::string(width, '#');
    const char lead = zeroPad_ ? '0' : ' ';
    char buf[12];
    char* p = buf;
    switch (form_) {
    case 1: case 2:
        p = two(p, m, lead);
        *p++ = '/';
        p = two(p, dd, '0');
        *p++ = '/';
        p = form_ == 1 ? two(p, y % 100, '0') : four(p, y);
        break;
    case 5: case 6:
        p = two(p, dd, lead);
        *p++ = '/';
        p = two(p, m, '0');
        *p++ = '/';
        p = form_ == 5 ? two(p, y % 100, '0') : four(p, y);
        break;
    case 9: case 10:
        p = form_ == 9 ? two(p, y % 100, '0') : four(p, y);
        *p++ = '/';
        p = two(p, m, '0');
        *p++ = '/';
        p = two(p, dd, '0');
        break;
    case 11: case 12:
        p = form_ == 11 ? two(p, y % 100, '0') : four(p, y);
        p = two(p, m, '0');
        p = two(p, dd, '0');
        break;
    }
    return std::string(buf, p);
}

std::string Picture::format(Time t) const {
    requireKind(Kind::Time, "times");
    const auto width = static_cast<std::size_t>(width_);
    if (t.isNull()) return std::string(width, ' ');
    if (!t.isValid()) return std::string(width, '#');
    const int h = t.hour(), m = t.minute(), s = t.second();
    const bool twelve = form_ == 3 || form_ == 6;
    const int shownHour = twelve ? (h % 12 == 0 ? 12 : h % 12) : h;
    char buf[12];
    char* p = two(buf, shownHour, twelve && !zeroPad_ ? ' ' : '0');
    const bool colons = form_ != 2 && form_ != 5;
    if (colons) *p++ = ':';
    p = two(p, m, '0');
    if (form_ >= 4) {
        if (colons) *p++ = ':';
        p = two(p, s, '0');
    }
    if (twelve) {
        *p++ = h < 12 ? 'A' : 'P';
        *p++ = 'M';
    }
    return std::string(buf, p);
}

std::optional<Date> Picture::deformatDate(std::string_view typed, Date today) const {
    requireKind(Kind::Date, "dates");
    const std::string_view t = trim(typed);
    if (t.empty()) return Date();

    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= t.size(); ++i) {
        const bool separator = i == t.size() || t[i] == '/' || t[i] == '-' || t[i] == '.' || t[i] == ' ';
        if (!separator) {
            if (t[i] < '0' || t[i] > '9') return std::nullopt;
            continue;
        }
        if (i > start) parts.push_back(t.substr(start, i - start));
        else if (i < t.size() && t[i] != ' ') return std::nullopt;  // "7//4"
        start = i + 1;
    }

    const Order order = orderOf(form_);
    // Bare digits are cut by the picture's own layout.
    if (parts.size() == 1) {
        const std::string_view d = parts[0];
        const bool yearFirst = order == Order::YearMonthDay;
        if (d.size() == 4 && !yearFirst) parts = {d.substr(0, 2), d.substr(2, 2)};
        else if (d.size() == 6) parts = {d.substr(0, 2), d.substr(2, 2), d.substr(4, 2)};
        else if (d.size() == 8 && yearFirst) parts = {d.substr(0, 4), d.substr(4, 2), d.substr(6, 2)};
        else if (d.size() == 8) parts = {d.substr(0, 2), d.substr(2, 2), d.substr(4, 4)};
        else return std::nullopt;
    }
    std::string_view ys, ms, ds;
    if (parts.size() == 2) {
        // Month and day of the current year.
        if (today.isNull()) return std::nullopt;
        ms = order == Order::DayMonthYear ? parts[1] : parts[0];
        ds = order == Order::DayMonthYear ? parts[0] : parts[1];
    } else if (parts.size() == 3) {
        switch (order) {
        case Order::MonthDayYear: ms = parts[0], ds = parts[1], ys = parts[2]; break;
        case Order::DayMonthYear: ds = parts[0], ms = parts[1], ys = parts[2]; break;
        case Order::YearMonthDay: ys = parts[0], ms = parts[1], ds = parts[2]; break;
        }
    } else {
        return std::nullopt;
    }
    if (ms.size() > 2 || ds.size() > 2) return std::nullopt;
    const int reference = today.isNull() ? 2030 : today.year();  // 1950..2049 with no day to go by
    const int year = ys.empty() ? today.year() : fullYear(ys, reference);
    if (!Date::isValidYmd(year, number(ms), number(ds))) return std::nullopt;
    return Date::fromYmd(year, number(ms), number(ds));
}

std::optional<Time> Picture::deformatTime(std::string_view typed) const {
    requireKind(Kind::Time, "times");
    std::string_view t = trim(typed);
    if (t.empty()) return Time();

    int half = 0;  // 0: a 24-hour clock; 1: AM; 2: PM
    auto lowered = [](char c) { return static_cast<char>(c | 0x20); };
    std::size_t cut = t.size();
    if (cut >= 2 && lowered(t[cut - 1]) == 'm') --cut;  // "pm" or "p"
    if (cut >= 1 && (lowered(t[cut - 1]) == 'a' || lowered(t[cut - 1]) == 'p')) {
        half = lowered(t[cut - 1]) == 'a' ? 1 : 2;
        t = trim(t.substr(0, cut - 1));
    } else if (cut != t.size()) {
        return std::nullopt;  // an 'm' of nothing
    }

    std::string_view hs, ms, ss;
    if (t.find(':') != std::string_view::npos) {
        const auto c1 = t.find(':');
        const auto c2 = t.find(':', c1 + 1);
        hs = t.substr(0, c1);
        ms = c2 == std::string_view::npos ? t.substr(c1 + 1) : t.substr(c1 + 1, c2 - c1 - 1);
        if (c2 != std::string_view::npos) ss = t.substr(c2 + 1);
        if (!allDigits(ms) || ms.size() != 2 || (c2 != std::string_view::npos && (!allDigits(ss) || ss.size() != 2)))
            return std::nullopt;
    } else {
        // Bare digits: h, hh, hmm, hhmm, hmmss, hhmmss.
        if (!allDigits(t) || t.size() > 6) return std::nullopt;
        const std::size_t hourDigits = t.size() % 2 == 1 ? 1 : 2;
        hs = t.substr(0, hourDigits);
        if (t.size() > 2) ms = t.substr(hourDigits, 2);
        if (t.size() > 4) ss = t.substr(hourDigits + 2, 2);
    }
    if (!allDigits(hs) || hs.size() > 2) return std::nullopt;
    int hour = number(hs);
    const int minute = number(ms), second = number(ss);
    if (minute > 59 || second > 59) return std::nullopt;
    if (half != 0) {
        if (hour < 1 || hour > 12) return std::nullopt;
        hour = hour % 12 + (half == 2 ? 12 : 0);
    } else if (hour > 23) {
        return std::nullopt;
    }
    return Time::fromHms(hour, minute, second);
}

}  // namespace vtl::pic
