#pragma once
// Document dates and times of day, as the stored layout counts them.
// Date: a day number, 0 meaning "no date"; day 4 is 1 January 1801, so the
// first real date is day 1, 29 December 1800.
// Time: hundredths of a second since midnight plus one, 0 meaning "no time".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vtl {

class Date {
public:
    constexpr Date() = default;
    constexpr explicit Date(std::int32_t serial) : serial_(serial) {}
    // An impossible date (30 February, a year before 1800 or after 9999) gives no date.
    static Date fromYmd(int year, int month, int day);
    static bool isValidYmd(int year, int month, int day);
    // "YYYY-MM-DD"; an empty text gives no date; anything else malformed gives nullopt.
    static std::optional<Date> fromIso(std::string_view iso);

    constexpr std::int32_t serial() const { return serial_; }
    constexpr bool isNull() const { return serial_ == 0; }
    // 0 for no date, so that no date never passes for a real one.
    int year() const;
    int month() const;
    int day() const;
    // 0 = Sunday .. 6 = Saturday.
    int weekday() const;
    // "YYYY-MM-DD", or "" for no date.
    std::string iso() const;

    Date operator+(int days) const { return Date(serial_ + days); }
    Date operator-(int days) const { return Date(serial_ - days); }
    Date& operator+=(int days) { serial_ += days; return *this; }
    Date& operator-=(int days) { serial_ -= days; return *this; }
    int operator-(Date o) const { return serial_ - o.serial_; }
    friend constexpr auto operator<=>(Date, Date) = default;

private:
    std::int32_t serial_ = 0;
};

class Time {
public:
    constexpr Time() = default;
    constexpr explicit Time(std::int32_t serial) : serial_(serial) {}
    static Time fromHms(int hour, int minute, int second = 0, int hundredths = 0);
    static constexpr std::int32_t kDay = 24 * 60 * 60 * 100;  // hundredths in a day

    constexpr std::int32_t serial() const { return serial_; }
    constexpr bool isNull() const { return serial_ == 0; }
    // A time of day: not "no time" and not past midnight.
    constexpr bool isValid() const { return serial_ >= 1 && serial_ <= kDay; }
    int hour() const;
    int minute() const;
    int second() const;
    int hundredths() const;
    friend constexpr auto operator<=>(Time, Time) = default;

private:
    std::int32_t serial_ = 0;
};

// "Today" and "now" come from a clock handed to the module, so a test can fix
// the day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual Date today() const = 0;
    virtual Time now() const = 0;
};

class SystemClock : public Clock {
public:
    Date today() const override;
    Time now() const override;
};

class FixedClock : public Clock {
public:
    FixedClock(Date d, Time t = Time::fromHms(12, 0)) : date_(d), time_(t) {}
    Date today() const override { return date_; }
    Time now() const override { return time_; }
    void set(Date d, Time t) { date_ = d; time_ = t; }

private:
    Date date_;
    Time time_;
};

}  // namespace vtl
