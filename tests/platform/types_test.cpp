#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "platform/types/date.h"
#include "platform/types/decimal.h"
#include "platform/types/text.h"
#include "platform/types/widths.h"

using namespace vtl;

// --- Decimal -------------------------------------------------------------

TEST(Decimal, FromDoubleRoundsHalfAwayFromZeroForBothSigns) {
    struct Case { double in; std::int64_t raw; };
    const Case cases[] = {
        {2.675, 268}, {-2.675, -268}, {0.005, 1}, {-0.005, -1}, {1.005, 101}, {-1.005, -101},
        {0.004999, 0}, {-0.004999, 0}, {1234567.125, 123456713}, {0.1 + 0.2, 30}, {-0.0, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(Money::fromDouble(c.in).raw(), c.raw) << c.in;
    EXPECT_EQ(Quantity::fromDouble(-1.23455).raw(), -12346);
}

// Values that are whole at the scale take a short way; halves and values with
// more places than the scale must still round as the long way does.
TEST(Decimal, FromDoubleAgreesOnWholeValuesAndHalvesAcrossMagnitudes) {
    std::uint64_t seed = 12345;
    auto next = [&] { return seed = seed * 6364136223846793005ull + 1442695040888963407ull; };
    for (int i = 0; i < 20000; ++i) {
        const std::int64_t cents = static_cast<std::int64_t>(next() >> 20) % 2000000000000ll - 1000000000000ll;
        const double v = static_cast<double>(cents) / 100;
        ASSERT_EQ(Money::fromDouble(v).raw(), cents) << v;
        ASSERT_EQ(Quantity::fromDouble(v).raw(), cents * 100) << v;
        // Half a cent beyond: away from zero, whatever the magnitude.
        const std::int64_t small = cents % 100000000;
        const double half = (static_cast<double>(small) + (small < 0 ? -0.5 : 0.5)) / 100;
        ASSERT_EQ(Money::fromDouble(half).raw(), small + (small < 0 ? -1 : 1)) << half;
    }
}

TEST(Decimal, RescaleRoundsOnceHalfAwayFromZero) {
    struct Case { std::int64_t quantityRaw; std::int64_t moneyRaw; };
    const Case cases[] = {
        {12345, 123}, {12350, 124}, {-12350, -124}, {12349, 123}, {-12349, -123}, {50, 1}, {-50, -1}, {49, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Money::from(Quantity::fromRaw(c.quantityRaw)).raw(), c.moneyRaw) << c.quantityRaw;
    // Widening is exact.
    EXPECT_EQ(Quantity::from(Money::fromRaw(-123)).raw(), -12300);
}

TEST(Decimal, ProductsAndQuotientsRoundOnceToTheLeftScale) {
    // Quantity x price: 3 x 0.3333 is 0.9999, which a money amount shows as 1.00.
    EXPECT_EQ((Money(3) * Quantity::fromRaw(3333)).raw(), 100);
    EXPECT_EQ((Money::fromRaw(5) * Quantity::fromRaw(5000)).raw(), 3);    // 0.025 -> 0.03
    EXPECT_EQ((Money::fromRaw(-5) * Quantity::fromRaw(5000)).raw(), -3);  // -0.025 -> -0.03
    EXPECT_EQ((Money(2) / Money(3)).raw(), 67);
    EXPECT_EQ((Money(-2) / Money(3)).raw(), -67);
    EXPECT_EQ((Money(2) / Money(-3)).raw(), -67);
    EXPECT_EQ((Money(1) / Money(3)).raw(), 33);
    EXPECT_THROW(Money(1) / Money(), std::domain_error);
    EXPECT_EQ((Money::fromRaw(125) * 3).raw(), 375);
    EXPECT_EQ((3 * Money::fromRaw(-125)).raw(), -375);
}

TEST(Decimal, OverflowOfThePrecisionThrowsInsteadOfWrapping) {
    using Small = Decimal<5, 2>;
    EXPECT_EQ(Small::fromDouble(999.99).raw(), 99999);
    EXPECT_THROW(Small(1000), DecimalOverflow);
    EXPECT_THROW(Small::fromDouble(1000.0), DecimalOverflow);
    EXPECT_THROW(Small::fromDouble(999.995), DecimalOverflow);  // rounds up past the top
    EXPECT_THROW(Small::fromDouble(-999.995), DecimalOverflow);
    EXPECT_THROW(Small::fromRaw(100000), DecimalOverflow);
    EXPECT_THROW(Small::parse("1000.00"), DecimalOverflow);
    EXPECT_THROW(Small::from(Money(1000)), DecimalOverflow);

    const Small high = Small::fromRaw(60000);
    EXPECT_THROW(high + high, DecimalOverflow);
    EXPECT_THROW(-high - high, DecimalOverflow);
    Small sum;
    EXPECT_THROW(for (int i = 0; i < 2; ++i) sum += high, DecimalOverflow);
    EXPECT_THROW(high * 2, DecimalOverflow);
    EXPECT_THROW(high * Money(2), DecimalOverflow);

    const Money top = Money::fromRaw(Money::limit - 1);
    EXPECT_THROW(top + Money::fromRaw(1), DecimalOverflow);
    EXPECT_THROW(Quantity::from(top), DecimalOverflow);  // 13 whole digits + 4 places > 15
    EXPECT_THROW(Money::fromDouble(1e30), DecimalOverflow);
    EXPECT_THROW(Money::fromDouble(std::nan("")), DecimalOverflow);
    // Thirty digits typed must not wrap into a small number.
    EXPECT_THROW(Money::parse("123456789012345678901234567890"), DecimalOverflow);
}

TEST(Decimal, WholeNumbersOfEveryWidthKeepTheirValue) {
    EXPECT_EQ(Money(ULong{3000000000u}).raw(), 300000000000);
    EXPECT_EQ(Money(UShort{65535}).raw(), 6553500);
    EXPECT_EQ(Money(-7).raw(), -700);
}

TEST(Decimal, ParseReadsTypedAmounts) {
    struct Case { const char* text; std::int64_t raw; };
    const Case cases[] = {
        {"1,234.565", 123457}, {"-0.005", -1}, {"(3.00)", -300}, {"5-", -500}, {" 12 ", 1200},
        {"", 0}, {".5", 50}, {"+7", 700}, {"0.0049999999999999999999999999999999", 0},
    };
    for (const auto& c : cases) {
        auto v = Money::parse(c.text);
        ASSERT_TRUE(v) << c.text;
        EXPECT_EQ(v->raw(), c.raw) << c.text;
    }
    for (const char* bad : {"abc", "1.2.3", "-", ".", "1 2", "12a", "--5", "1.000,5"})
        EXPECT_FALSE(Money::parse(bad)) << bad;
}

TEST(Decimal, ToStringShowsEveryPlaceAndTheSign) {
    EXPECT_EQ(Money::fromRaw(-123450).toString(), "-1234.50");
    EXPECT_EQ(Money::fromRaw(5).toString(), "0.05");
    EXPECT_EQ(Money::fromRaw(-5).toString(), "-0.05");
    EXPECT_EQ(Quantity::fromRaw(10000).toString(), "1.0000");
    EXPECT_EQ((Decimal<9, 0>::fromRaw(-42).toString()), "-42");
    EXPECT_DOUBLE_EQ(Money::fromRaw(-123450).toDouble(), -1234.5);
}

// --- Text and widths -----------------------------------------------------

TEST(Text, AssignmentCutsToNCodePoints) {
    EXPECT_EQ(Text<5>("Construction").str(), "Const");
    EXPECT_EQ(Text<3>("héllo").str(), "hél");
    EXPECT_EQ(Text<2>("日本語").str(), "日本");
    EXPECT_EQ(Text<4>("ab").str(), "ab");
    // Broken UTF-8 is never cut inside a sequence it claims.
    EXPECT_EQ(Text<1>("\xC3\xA9\xA9x").str(), "\xC3\xA9\xA9");
    EXPECT_EQ(Text<2>(std::string("a\0b", 3)).str(), std::string("a\0", 2));
    // A narrower field cuts a wider one.
    Text<10> wide("ABCDEFGHIJ");
    Text<4> narrow = wide;
    EXPECT_EQ(narrow.str(), "ABCD");
    EXPECT_EQ(Text<6>("héllo").padded(), "héllo ");
}

TEST(Text, ComparisonsIgnoreTrailingSpaces) {
    Text<10> a("ABC   ");
    EXPECT_TRUE(a == "ABC");
    EXPECT_TRUE(a == std::string("ABC "));
    EXPECT_TRUE(a == std::string_view("ABC"));
    EXPECT_TRUE(a == Text<20>("ABC"));
    EXPECT_TRUE(a == Text<10>("ABC"));
    EXPECT_FALSE(a == " ABC");
    EXPECT_TRUE(a < "ABD");
    EXPECT_TRUE(a > "AB");
    EXPECT_TRUE(Text<10>("AB") < a);
    EXPECT_TRUE(Text<5>("ABC") <= Text<8>("ABC  "));
    EXPECT_EQ(a.clip(), "ABC");
    EXPECT_EQ(a.clipView(), "ABC");
    EXPECT_TRUE(Text<4>("    ").blank());
    EXPECT_FALSE(a.blank());
    a.clear();
    EXPECT_TRUE(a.blank());
    // Bytes above 0x7F sort after ASCII, as the store orders them.
    EXPECT_TRUE(Text<5>("Z") < Text<5>("É"));
}

TEST(Widths, NarrowerCopiesKeepTheLowBits) {
    const ULong big = 70000;
    EXPECT_EQ(static_cast<UShort>(big), 4464);
    EXPECT_EQ(static_cast<Byte>(big), 112);
    EXPECT_EQ(sizeof(Gap<60>), 60u);
}

// --- Date and Time -------------------------------------------------------

namespace {
// Day numbers worked out by the standard library's calendar, independently
// of the type under test.
std::int32_t serialOf(int y, unsigned m, unsigned d) {
    using namespace std::chrono;
    const sys_days day = year{y} / month{m} / d;
    const sys_days first = year{1801} / January / 1;
    return static_cast<std::int32_t>((day - first).count() + 4);
}
}  // namespace

TEST(Date, DayNumbersCountFromTheEpoch) {
    EXPECT_EQ(Date::fromYmd(1801, 1, 1).serial(), 4);
    EXPECT_EQ(Date::fromYmd(1800, 12, 29).serial(), 1);
    EXPECT_TRUE(Date::fromYmd(1800, 12, 28).isNull());  // day 0 is "no date"
    EXPECT_EQ(Date::fromYmd(2026, 7, 4).serial(), serialOf(2026, 7, 4));
    EXPECT_EQ(Date::fromYmd(9999, 12, 31).serial(), serialOf(9999, 12, 31));
    EXPECT_EQ(Date::fromYmd(2026, 7, 4).weekday(), 6);  // a Saturday
    EXPECT_EQ(Date::fromYmd(1801, 1, 1).weekday(), 4);  // a Thursday
}

TEST(Date, EveryDayRoundTripsThroughPartsAndIso) {
    using namespace std::chrono;
    const std::int32_t last = Date::fromYmd(9999, 12, 31).serial();
    for (std::int32_t serial = 1; serial <= last; serial += 997) {
        const Date d(serial);
        const year_month_day ymd{sys_days{year{1801} / January / 1} + days{serial - 4}};
        ASSERT_EQ(d.year(), static_cast<int>(ymd.year())) << serial;
        ASSERT_EQ(d.month(), static_cast<int>(static_cast<unsigned>(ymd.month()))) << serial;
        ASSERT_EQ(d.day(), static_cast<int>(static_cast<unsigned>(ymd.day()))) << serial;
        ASSERT_EQ(Date::fromYmd(d.year(), d.month(), d.day()), d);
        const auto back = Date::fromIso(d.iso());
        ASSERT_TRUE(back) << d.iso();
        ASSERT_EQ(*back, d);
    }
    EXPECT_EQ(Date::fromYmd(2026, 7, 4).iso(), "2026-07-04");
    EXPECT_EQ(Date(1).iso(), "1800-12-29");
}

TEST(Date, ArithmeticCrossesMonthsYearsAndLeapDays) {
    EXPECT_EQ(Date::fromYmd(2024, 2, 28) + 1, Date::fromYmd(2024, 2, 29));
    EXPECT_EQ(Date::fromYmd(2023, 2, 28) + 1, Date::fromYmd(2023, 3, 1));
    EXPECT_EQ(Date::fromYmd(1900, 2, 28) + 1, Date::fromYmd(1900, 3, 1));
    EXPECT_EQ(Date::fromYmd(2000, 2, 28) + 1, Date::fromYmd(2000, 2, 29));
    EXPECT_EQ(Date::fromYmd(2026, 12, 31) + 1, Date::fromYmd(2027, 1, 1));
    EXPECT_EQ(Date::fromYmd(2026, 3, 1) - 1, Date::fromYmd(2026, 2, 28));
    EXPECT_EQ(Date::fromYmd(2027, 1, 1) - Date::fromYmd(2026, 1, 1), 365);
    Date d = Date::fromYmd(2026, 1, 31);
    d += 30;
    EXPECT_EQ(d, Date::fromYmd(2026, 3, 2));
    d -= 30;
    EXPECT_EQ(d, Date::fromYmd(2026, 1, 31));
    EXPECT_LT(Date::fromYmd(2026, 1, 1), Date::fromYmd(2026, 1, 2));
}

TEST(Date, InvalidDatesAreRefused) {
    EXPECT_TRUE(Date::fromYmd(2026, 2, 29).isNull());
    EXPECT_TRUE(Date::fromYmd(2100, 2, 29).isNull());
    EXPECT_TRUE(Date::fromYmd(2026, 13, 1).isNull());
    EXPECT_TRUE(Date::fromYmd(2026, 4, 31).isNull());
    EXPECT_TRUE(Date::fromYmd(2026, 0, 1).isNull());
    EXPECT_TRUE(Date::fromYmd(1799, 12, 31).isNull());
    EXPECT_TRUE(Date::fromYmd(10000, 1, 1).isNull());
    for (const char* bad : {"2026-02-30", "2026-13-01", "26-07-04", "2026-7-4", "abcd-ef-gh", "2026/07/04", "1800-12-28"})
        EXPECT_FALSE(Date::fromIso(bad)) << bad;
    auto none = Date::fromIso("");
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->isNull());
    // No date has no parts rather than those of day 0.
    EXPECT_EQ(Date().year(), 0);
    EXPECT_EQ(Date().month(), 0);
    EXPECT_EQ(Date().day(), 0);
    EXPECT_EQ(Date().iso(), "");
}

TEST(Time, PartsAndClock) {
    const Time t = Time::fromHms(17, 30, 45, 12);
    EXPECT_EQ(t.hour(), 17);
    EXPECT_EQ(t.minute(), 30);
    EXPECT_EQ(t.second(), 45);
    EXPECT_EQ(t.hundredths(), 12);
    EXPECT_EQ(Time::fromHms(0, 0).serial(), 1);  // midnight is a time, not "no time"
    EXPECT_TRUE(Time::fromHms(0, 0).isValid());
    EXPECT_TRUE(Time::fromHms(23, 59, 59, 99).isValid());
    EXPECT_FALSE(Time::fromHms(24, 0).isValid());
    EXPECT_FALSE(Time().isValid());

    FixedClock clock(Date::fromYmd(2026, 7, 4), Time::fromHms(9, 15));
    EXPECT_EQ(clock.today(), Date::fromYmd(2026, 7, 4));
    clock.set(Date::fromYmd(2026, 7, 5), Time::fromHms(8, 0));
    EXPECT_EQ(clock.today(), Date::fromYmd(2026, 7, 5));
    EXPECT_EQ(clock.now(), Time::fromHms(8, 0));
}
