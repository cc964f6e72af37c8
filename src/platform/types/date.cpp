#include "platform/types/date.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace vtl {
namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
long daysFromCivil(long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

void civilFromDays(long z, int& y, int& m, int& d) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long yy = static_cast<long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yy + (m <= 2));
}

const long kEpoch = daysFromCivil(1800, 12, 28);  // day 0 of the stored count

}  // namespace

bool Date::isValidYmd(int y, int m, int d) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 1800 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
    // 28 December 1800 is day 0, which stands for no date; the three days
    // after it are real dates, so every stored day number reads back.
    if (y == 1800 && (m < 12 || d < 29)) return false;
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= kDays[m - 1] + (m == 2 && leap ? 1 : 0);
}

Date Date::fromYmd(int year, int month, int day) {
    if (!isValidYmd(year, month, day)) return Date();
    return Date(static_cast<std::int32_t>(daysFromCivil(year, static_cast<unsigned>(month),
                                                        static_cast<unsigned>(day)) - kEpoch));
}

std::optional<Date> Date::fromIso(std::string_view iso) {
    if (iso.empty()) return Date();
    int y = 0, m = 0, d = 0;
    if (iso.size() != 10 || iso[4] != '-' || iso[7] != '-') return std::nullopt;
    for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u})
        if (iso[i] < '0' || iso[i] > '9') return std::nullopt;
    y = std::stoi(std::string(iso.substr(0, 4)));
    m = std::stoi(std::string(iso.substr(5, 2)));
    d = std::stoi(std::string(iso.substr(8, 2)));
    if (!isValidYmd(y, m, d)) return std::nullopt;
    return fromYmd(y, m, d);
}

int Date::year() const {
    if (serial_ == 0) return 0;
    int y, m, d;
    civilFromDays(serial_ + kEpoch, y, m, d);
    return y;
}
int Date::month() const {
    if (serial_ == 0) return 0;
    int y, m, d;
    civilFromDays(serial_ + kEpoch, y, m, d);
    return m;
}
int Date::day() const {
    if (serial_ == 0) return 0;
    int y, m, d;
    civilFromDays(serial_ + kEpoch, y, m, d);
    return d;
}
int Date::weekday() const { return static_cast<int>(((serial_ % 7) + 7) % 7); }  // day 0 was a Sunday

std::string Date::iso() const {
    if (serial_ == 0) return {};
    int y, m, d;
    civilFromDays(serial_ + kEpoch, y, m, d);
    char buf[40];  // room for any int, so the compiler sees no truncation
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
    return buf;
}

Time Time::fromHms(int hour, int minute, int second, int hundredths) {
    return Time(((hour * 60 + minute) * 60 + second) * 100 + hundredths + 1);
}
int Time::hour() const { return serial_ <= 0 ? 0 : (serial_ - 1) / 360000; }
int Time::minute() const { return serial_ <= 0 ? 0 : (serial_ - 1) / 6000 % 60; }
int Time::second() const { return serial_ <= 0 ? 0 : (serial_ - 1) / 100 % 60; }
int Time::hundredths() const { return serial_ <= 0 ? 0 : (serial_ - 1) % 100; }

Date SystemClock::today() const {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return Date::fromYmd(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
}

Time SystemClock::now() const {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return Time::fromHms(tm.tm_hour, tm.tm_min, tm.tm_sec);
}

}  // namespace vtl
