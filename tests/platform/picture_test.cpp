#include <gtest/gtest.h>

#include <cmath>

#include "platform/picture/picture.h"
#include "platform/types/widths.h"

using namespace vtl;

namespace {

struct NumberCase {
    const char* picture;
    std::int64_t raw;  // value at `scale` places
    int scale;
    const char* shown;
};

// Every numeric picture of the windows and reports, with the kind of values
// each column carries.
const NumberCase kNumbers[] = {
    {"@n-14.2", 123450, 2, "      1,234.50"},
    {"@n-14.2", -123450, 2, "     -1,234.50"},
    {"@n-14.2", 0, 2, "          0.00"},
    {"@n-14.2b", 0, 2, "              "},
    {"@n-14.2b", 123456789, 2, "  1,234,567.89"},
    {"@n-21.2", -98765432199, 2, "      -987,654,321.99"},
    {"@n-21.2b", 0, 2, "                     "},
    {"@n-21.2b", -1, 2, "                -0.01"},
    {"@n-15.2", 150000, 2, "       1,500.00"},
    {"@n-15.2", 25000, 4, "           2.50"},  // a quantity in a two-place column
    {"@n-15.2b", 0, 2, "               "},
    {"@n-17.2b", 9876543, 2, "        98,765.43"},
    {"@n-18.2", 1234567890, 2, "     12,345,678.90"},
    {"@n-13.2", 25000, 4, "         2.50"},
    {"@n-13.2b", 0, 2, "             "},
    {"@n-18.4", 12345678, 4, "        1,234.5678"},
    {"@n-15.4", 123456, 4, "        12.3456"},
    {"@n-13.4b", 0, 4, "             "},
    {"@n-12.4b", 100000, 4, "     10.0000"},
    {"@n-17_.4", 12345671235, 4, "     1234567.1235"},
    {"@n-13_.4", 123457, 4, "      12.3457"},
    {"@n-13_.2", 123456750, 2, "   1234567.50"},
    {"@n-12_.4B", 0, 4, "            "},
    {"@n-12_.4B", 30000, 4, "      3.0000"},
    {"@n-15_.2B", -20000, 4, "          -2.00"},
    {"@N-15_.2", 123456789, 2, "     1234567.89"},
    {"@N-16_.2", -123456789, 2, "     -1234567.89"},
    {"@n_6b", 0, 0, "      "},
    {"@n_6b", 42, 0, "    42"},
    {"@n_6b", 123456, 0, "123456"},
    {"@n_6b", 1234567, 0, "######"},
    {"@n_6", 0, 0, "     0"},
    {"@n_5b", 70000, 0, "70000"},
    {"@N_12B", 4294967295, 0, "  4294967295"},
    {"@n3", 2, 0, "  2"},
    {"@n3b", 0, 0, "   "},
    {"@n3b", 12, 0, " 12"},
    {"@n6", 1234, 0, " 1,234"},
    {"@n6", 123456, 0, "######"},  // the grouping comma needs a seventh place
    {"@n-8.3", 8250, 3, "   8.250"},
    {"N7.3~%~b", 825, 2, " 8.250%"},
    {"N7.3~%~b", 1250, 2, "12.500%"},
    {"N7.3~%~b", 0, 2, "       "},
    {"N7.3~%~b", -825, 2, "-8.250%"},
    {"N7.3~%~b", 10000, 2, "#######"},
};

}  // namespace

TEST(NumberPicture, EveryPictureOfTheWindowsAndReports) {
    for (const auto& c : kNumbers) {
        const std::string shown = pic::formatScaled(c.raw, c.scale, c.picture);
        EXPECT_EQ(shown, c.shown) << c.picture << " of " << c.raw << "/10^" << c.scale;
        EXPECT_EQ(static_cast<int>(text_detail::codePoints(shown)), pic::Picture(c.picture).width()) << c.picture;
    }
}

TEST(NumberPicture, EachValueTypeFormatsAlike) {
    EXPECT_EQ(pic::format(Money::fromDouble(1234.5), "@n-14.2"), "      1,234.50");
    EXPECT_EQ(pic::format(Quantity::fromDouble(1234567.12345), "@n-17_.4"), "     1234567.1235");
    EXPECT_EQ(pic::format(1234567.12345, "@n-17_.4"), "     1234567.1235");
    EXPECT_EQ(pic::format(8.25, "@n-8.3"), "   8.250");
    EXPECT_EQ(pic::clip(pic::format(8.25, "@n-8.3")), "8.250");
    EXPECT_EQ(pic::format(std::int64_t{-5}, "@n-6"), "    -5");
    EXPECT_EQ(pic::format(7, "@n3"), "  7");
    EXPECT_EQ(pic::format(Byte{255}, "@n3"), "255");
    EXPECT_EQ(pic::format(ULong{70000}, "@n_5b"), "70000");
    EXPECT_EQ(pic::format(ULong{70000}, "@n-10.2"), " 70,000.00");
    // Beyond 64 bits once scaled to the picture's places.
    EXPECT_EQ(pic::format(Decimal<18, 0>::fromRaw(-999999999999999999), "@n-30.4"),
              " -999,999,999,999,999,999.0000");
    const pic::Picture tax("N7.3~%~b");
    EXPECT_EQ(tax.format(8.25), " 8.250%");
    EXPECT_EQ(tax.format(0.0), "       ");
}

TEST(NumberPicture, RoundsHalfAwayFromZeroAndShowsNoNegativeZero) {
    EXPECT_EQ(pic::clip(pic::format(2.675, "@n-14.2")), "2.68");
    EXPECT_EQ(pic::clip(pic::format(-2.675, "@n-14.2")), "-2.68");
    EXPECT_EQ(pic::clip(pic::format(0.005, "@n-14.2")), "0.01");
    EXPECT_EQ(pic::clip(pic::format(-0.005, "@n-14.2")), "-0.01");
    EXPECT_EQ(pic::clip(pic::format(-0.004, "@n-14.2")), "0.00");
    EXPECT_EQ(pic::format(-0.004, "@n-14.2b"), std::string(14, ' '));
    EXPECT_EQ(pic::clip(pic::format(Quantity::fromRaw(12345), "@n-15.2")), "1.23");
    EXPECT_EQ(pic::clip(pic::format(Quantity::fromRaw(12350), "@n-15.2")), "1.24");
    EXPECT_EQ(pic::clip(pic::format(Quantity::fromRaw(-12350), "@n-15.2")), "-1.24");
    EXPECT_EQ(pic::clip(pic::format(Money::fromRaw(-150), "@n-6")), "-2");
}

TEST(NumberPicture, SignFillAndLiteralForms) {
    EXPECT_EQ(pic::format(-5.0, "@n10.2-"), "     5.00-");
    EXPECT_EQ(pic::format(5.0, "@n10.2-"), "     5.00 ");
    EXPECT_EQ(pic::format(-5.0, "@n(10.2)"), "    (5.00)");
    EXPECT_EQ(pic::format(5.0, "@n(10.2)"), "     5.00 ");
    EXPECT_EQ(pic::format(-5.0, "@n10.2"), "     -5.00");  // no indicator: the sign still shows
    EXPECT_EQ(pic::format(-1234.5, "@n-8.2"), "########");
    EXPECT_EQ(pic::format(-1234.5, "@n-9.2"), "-1,234.50");
    EXPECT_EQ(pic::format(5.5, "@n08.2"), "00005.50");
    EXPECT_EQ(pic::format(-5.5, "@n-08.2"), "-0005.50");
    EXPECT_EQ(pic::format(1234567.5, "@n012.2"), "001234567.50");
    EXPECT_EQ(pic::format(1234.5, "@n*12.2"), "****1,234.50");
    EXPECT_EQ(pic::format(1234.5, "@n~$~12.2"), "   $1,234.50");
    EXPECT_EQ(pic::format(-1234.5, "@n-~$~12.2"), "  -$1,234.50");
    EXPECT_EQ(pic::format(-1234.5, "@n(~$~12.2)"), " ($1,234.50)");
    EXPECT_EQ(pic::format(1234.5, "@n12.2~ kr~"), " 1,234.50 kr");
    EXPECT_EQ(pic::format(5.0, "@n10.2~€~"), "     5.00€");
    EXPECT_EQ(pic::format(1e300, "@n-14.2"), "##############");
    EXPECT_EQ(pic::format(std::nan(""), "@n6"), "######");
}

TEST(NumberPicture, DeformatReadsWhatAUserTypes) {
    struct Case { const char* typed; std::optional<std::int64_t> raw; };
    const Case cases[] = {
        {"1,234.5", 123450}, {"1234.5", 123450}, {"-1,234.50", -123450}, {"(12.00)", -1200},
        {"12.00-", -1200}, {"  12  ", 1200}, {"", 0}, {"   ", 0}, {"1.235", 124}, {"-1.235", -124},
        {"- 3", -300}, {"123456789", 12345678900}, {"12345678901", std::nullopt},
        {"12a", std::nullopt}, {"1.2.3", std::nullopt}, {"-", std::nullopt}, {"$12", std::nullopt},
        {"1e5", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(pic::deformatScaled(c.typed, 2, "@n-14.2"), c.raw) << c.typed;

    const auto money = pic::deformatDecimal<15, 2>("1,234.5", "@n-14.2");
    ASSERT_TRUE(money);
    EXPECT_EQ(*money, Money::fromRaw(123450));
    EXPECT_FALSE((pic::deformatDecimal<5, 2>("1000", "@n-14.2")));  // does not fit the field
    EXPECT_EQ(pic::deformatDouble("8.25%", "N7.3~%~b"), 8.25);
    EXPECT_EQ(pic::deformatDouble(" 8.250%", "N7.3~%~b"), 8.25);
    EXPECT_EQ(pic::deformatDouble("8.2555", "N7.3~%~b"), 8.256);
    EXPECT_EQ(pic::deformatDouble("100", "N7.3~%~b"), std::nullopt);
    EXPECT_EQ(pic::deformatScaled("2.5", 4, "@n-15.2"), 25000);
    EXPECT_EQ(pic::deformatScaled("1.23456", 4, "@n-12.4b"), 12346);
    // Rounded once: 1.2349 is 1.23, not 1.235 and then 1.24.
    EXPECT_EQ(pic::deformatScaled("1.2349", 2, "@n-12.4"), 123);
    EXPECT_EQ(pic::deformatScaled("1,234", 0, "@n_6b"), 1234);
    EXPECT_EQ(pic::deformatScaled("1234567", 0, "@n_6b"), std::nullopt);
    EXPECT_EQ(pic::deformatScaled("****1,234.50", 2, "@n*12.2"), 123450);
}

// The literal is taken from where the picture shows it, never from among
// the digits (found by fuzzing: a literal "1" took the 1 of 186).
TEST(NumberPicture, ALiteralIsReadOnlyWhereThePictureShowsIt) {
    EXPECT_EQ(pic::deformatScaled("720,576,186.0001", 3, "N37.3~1~b"), 720576186000);
    EXPECT_EQ(pic::deformatScaled("  -1$1,234.50", 2, "@n-~1$~14.2"), -123450);
    EXPECT_EQ(pic::deformatScaled("($1,234.50)", 2, "@n(~$~12.2)"), -123450);
    EXPECT_EQ(pic::deformatScaled("1,234.50 kr-", 2, "@n13.2-~ kr~"), -123450);
    EXPECT_EQ(pic::deformatScaled("1,234.50", 2, "@n12.2~ kr~"), 123450) << "left out";
    // A literal of sign characters among the sign's (found by fuzzing).
    EXPECT_EQ(pic::format(std::int64_t{0}, "@n(3)~)~"), "0) ");
    EXPECT_EQ(pic::deformatScaled("0) ", 0, "@n(3)~)~"), 0);
    EXPECT_EQ(pic::deformatScaled("(5))", 0, "@n(4)~)~"), -5);
}

TEST(NumberPicture, WhatIsShownReadsBackAsTheSameValue) {
    const char* pictures[] = {"@n-14.2", "@n-14.2b", "@n-13_.2", "@n15.2-", "@n(15.2)", "@n~$~-15.2", "@n*15.2", "@n015.2"};
    const std::int64_t raws[] = {0, 1, -1, 50, -99, 123450, -123450, 100000000, -999999999, 42};
    for (const char* p : pictures)
        for (std::int64_t raw : raws)
            EXPECT_EQ(pic::deformatScaled(pic::formatScaled(raw, 2, p), 2, p), raw) << p << " " << raw;
    // The ends of the whole numbers (found by fuzzing): the most negative
    // has no positive twin, and one past either end is refused.
    for (const char* p : {"@n-41", "@n*41", "@n(41)", "@n41-"})
        for (std::int64_t raw : {INT64_MIN, INT64_MIN + 1, INT64_MAX})
            EXPECT_EQ(pic::deformatScaled(pic::formatScaled(raw, 0, p), 0, p), raw) << p << " " << raw;
    EXPECT_EQ(pic::deformatScaled("-9,223,372,036,854,775,809", 0, "@n-41"), std::nullopt);
    EXPECT_EQ(pic::deformatScaled("9,223,372,036,854,775,808", 0, "@n-41"), std::nullopt);
}

TEST(TextPicture, CutsAndPadsToTheWidthInCharacters) {
    EXPECT_EQ(pic::format("abc", "@s10"), "abc       ");
    EXPECT_EQ(pic::format("Construction Supply", "@s10"), "Constructi");
    EXPECT_EQ(pic::format("Café Müller GmbH", "@s8"), "Café Mül");
    EXPECT_EQ(pic::format("*", "@S1"), "*");
    EXPECT_EQ(pic::format("", "@s2"), "  ");
    EXPECT_EQ(pic::format(Text<15>("PO-1001"), "@s15"), "PO-1001        ");
    EXPECT_EQ(pic::clip(pic::format("PO-1001", "@s15")), "PO-1001");
}

TEST(DatePicture, FormsOfTheWindowsAndReports) {
    const Date july4 = Date::fromYmd(2026, 7, 4);
    EXPECT_EQ(pic::format(july4, "@d1"), " 7/04/26");
    EXPECT_EQ(pic::format(july4, "@d1b"), " 7/04/26");
    EXPECT_EQ(pic::format(july4, "@D1"), " 7/04/26");
    EXPECT_EQ(pic::format(july4, "@d01"), "07/04/26");
    EXPECT_EQ(pic::format(july4, "@d01B"), "07/04/26");
    EXPECT_EQ(pic::format(july4, "@d2"), " 7/04/2026");
    EXPECT_EQ(pic::format(july4, "@d02"), "07/04/2026");
    EXPECT_EQ(pic::format(july4, "@d6"), " 4/07/2026");
    EXPECT_EQ(pic::format(july4, "@d06"), "04/07/2026");
    EXPECT_EQ(pic::format(july4, "@d10"), "2026/07/04");
    EXPECT_EQ(pic::format(july4, "@d12"), "20260704");
    EXPECT_EQ(pic::format(Date::fromYmd(2026, 12, 25), "@d1"), "12/25/26");
    EXPECT_EQ(pic::format(Date::fromYmd(2000, 1, 5), "@d1"), " 1/05/00");
    EXPECT_EQ(pic::format(Date::fromYmd(1801, 1, 1), "@d2"), " 1/01/1801");
    for (const char* p : {"@d1b", "@d1B", "@d1", "@d01b", "@d2"})
        EXPECT_EQ(pic::format(Date(), p), std::string(static_cast<std::size_t>(pic::Picture(p).width()), ' ')) << p;
}

TEST(DatePicture, DeformatReadsTypedDates) {
    const Date july4 = Date::fromYmd(2026, 7, 4);
    for (const char* typed : {"7/4/26", "07/04/2026", " 7/04/26", "070426", "07042026", "7-4-26", "7.4.2026", "7 4 26"})
        EXPECT_EQ(pic::deformatDate(typed, "@d1"), july4) << typed;
    EXPECT_EQ(pic::deformatDate("4/7/2026", "@d6"), july4);
    EXPECT_EQ(pic::deformatDate("2026/07/04", "@d10"), july4);
    EXPECT_EQ(pic::deformatDate("20260704", "@d12"), july4);
    for (const char* bad : {"2/30/26", "13/1/26", "0/1/26", "7/4/026", "abc", "7//4/26", "7/4/26/1", "1234567"})
        EXPECT_EQ(pic::deformatDate(bad, "@d1"), std::nullopt) << bad;
    EXPECT_EQ(pic::deformatDate("", "@d1b"), Date());

    // Month and day alone are in the current year.
    const Date today = Date::fromYmd(2026, 1, 10);
    EXPECT_EQ(pic::deformatDate("7/4", "@d1", today), july4);
    EXPECT_EQ(pic::deformatDate("7/4", "@d1"), std::nullopt);
    // Two-digit years fall within 80 years before and 19 after today.
    EXPECT_EQ(pic::deformatDate("1/1/45", "@d1", today), Date::fromYmd(2045, 1, 1));
    EXPECT_EQ(pic::deformatDate("1/1/46", "@d1", today), Date::fromYmd(1946, 1, 1));
    EXPECT_EQ(pic::deformatDate("1/1/49", "@d1"), Date::fromYmd(2049, 1, 1));
    EXPECT_EQ(pic::deformatDate("1/1/50", "@d1"), Date::fromYmd(1950, 1, 1));
}

TEST(DatePicture, WhatIsShownReadsBackAsTheSameDate) {
    const Date today = Date::fromYmd(2026, 7, 4);
    for (Date d = Date::fromYmd(1947, 1, 1); d < Date::fromYmd(2045, 12, 31); d += 37) {
        for (const char* p : {"@d1", "@d01", "@d6", "@d10", "@d11"})
            ASSERT_EQ(pic::deformatDate(pic::format(d, p), p, today), d) << p << " " << d.iso();
        ASSERT_EQ(pic::deformatDate(pic::format(d, "@d2"), "@d2"), d);
    }
}

TEST(TimePicture, FormsAndTypedTimes) {
    EXPECT_EQ(pic::format(Time::fromHms(17, 30), "@T3"), " 5:30PM");
    EXPECT_EQ(pic::format(Time::fromHms(0, 5), "@t3"), "12:05AM");
    EXPECT_EQ(pic::format(Time::fromHms(12, 0), "@t3"), "12:00PM");
    EXPECT_EQ(pic::format(Time::fromHms(9, 15), "@t03"), "09:15AM");
    EXPECT_EQ(pic::format(Time::fromHms(9, 15), "@t1"), "09:15");
    EXPECT_EQ(pic::format(Time::fromHms(17, 30, 45), "@t4"), "17:30:45");
    EXPECT_EQ(pic::format(Time::fromHms(17, 30, 45), "@t6"), " 5:30:45PM");
    EXPECT_EQ(pic::format(Time(), "@t3"), "       ");
    EXPECT_EQ(pic::format(Time(), "@t4b"), "        ");

    struct Case { const char* typed; std::optional<Time> time; };
    const Case cases[] = {
        {"5:30PM", Time::fromHms(17, 30)}, {"5:30 pm", Time::fromHms(17, 30)}, {"17:30", Time::fromHms(17, 30)},
        {"12:15am", Time::fromHms(0, 15)}, {"12pm", Time::fromHms(12, 0)}, {"1730", Time::fromHms(17, 30)},
        {"5p", Time::fromHms(17, 0)}, {"17:30:15", Time::fromHms(17, 30, 15)}, {"", Time()},
        {"25:00", std::nullopt}, {"13:00pm", std::nullopt}, {"5:60", std::nullopt}, {"5:3", std::nullopt},
        {"abc", std::nullopt}, {"5:30xm", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(pic::deformatTime(c.typed, "@t3"), c.time) << c.typed;
    for (int minute = 0; minute < 24 * 60; minute += 7) {
        const Time t = Time::fromHms(minute / 60, minute % 60);
        ASSERT_EQ(pic::deformatTime(pic::format(t, "@t3"), "@t3"), t) << minute;
    }
}

TEST(Picture, MalformedPicturesAreRefusedByName) {
    for (const char* bad : {"", "@", "@x5", "@n", "@n-", "@n-14.", "@n-15.2.", "@n(10.2", "@n10.2)", "@n-10.2-",
                            "@s", "@s10x", "@s0", "@d3", "@d0", "@d1x", "@t7", "@n3.2", "@n~%5", "@n-14.2bb",
                            "@n999", "@s50@",
                            // A literal that is not UTF-8 would be counted into the width one way
                            // and shown another (found by fuzzing).
                            "@n(36.2)~\xa4~", "@n~\xc3~9"}) {
        try {
            pic::Picture p(bad);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find("\"" + std::string(bad) + "\""), std::string::npos) << e.what();
        }
    }
    // A picture of another kind is a programming error too.
    EXPECT_THROW(pic::format(Date::fromYmd(2026, 7, 4), "@n-14.2"), std::invalid_argument);
    EXPECT_THROW(pic::format("text", "@d1"), std::invalid_argument);
    EXPECT_THROW(pic::format(5.0, "@s10"), std::invalid_argument);
    EXPECT_THROW(pic::deformatDate("7/4/26", "@n-14.2"), std::invalid_argument);
}

TEST(Picture, ParsedPartsAndTheCache) {
    const pic::Picture p("@n-17_.4");
    EXPECT_EQ(p.kind(), pic::Kind::Number);
    EXPECT_EQ(p.width(), 17);
    EXPECT_EQ(p.places(), 4);
    EXPECT_FALSE(p.grouped());
    EXPECT_TRUE(pic::Picture("N7.3~%~b").blankWhenZero());
    EXPECT_EQ(pic::Picture("@N7.3~%~B").format(8.25), pic::Picture("n7.3~%~b").format(8.25));

    // More pictures than the cache keeps, twice over: each answer stays its own.
    for (int round = 0; round < 2; ++round)
        for (int width = 5; width < 60; ++width) {
            const std::string picture = "@n" + std::to_string(width) + ".2";
            ASSERT_EQ(pic::format(1.5, picture), std::string(static_cast<std::size_t>(width) - 4, ' ') + "1.50");
        }

    EXPECT_EQ(pic::clip("      1,234.50"), "1,234.50");
    EXPECT_EQ(pic::clip("              "), "");
    EXPECT_EQ(pic::leftJustify("   8.250"), "8.250   ");
}
