// Reading the text of import files: lines, fields, dates and numbers.
#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "vtlpoimp/import_text.h"

using namespace vtl;
using namespace vtl::imp;

namespace {

std::vector<std::string> fields(std::string_view line, FileFormat f, std::vector<int> widths) {
    std::vector<LayoutToken> tokens;
    for (int w : widths) tokens.push_back({"XX", w});
    std::vector<std::string> out;
    splitFields(line, f, tokens, out);
    return out;
}

using V = std::vector<std::string>;

TEST(ImportFields, CommaQuotedTextKeepsCommasAndDoubledQuotes) {
    EXPECT_EQ(fields(R"(H,"Smith, Jones",12.5)", FileFormat::Comma, {0, 0, 0}), (V{"H", "Smith, Jones", "12.5"}));
    // A doubled quote is one quote; a quote alone still closes the field.
    EXPECT_EQ(fields(R"("a ""b"" c",x)", FileFormat::Comma, {0, 0}), (V{R"(a "b" c)", "x"}));
    EXPECT_EQ(fields(R"("say "hi" now",5)", FileFormat::Comma, {0, 0, 0}), (V{"say ", "i\" now\"", "5"}));
    EXPECT_EQ(fields(R"("","""",z)", FileFormat::Comma, {0, 0, 0}), (V{"", "\"", "z"}));
}

TEST(ImportFields, ShortLinesAndOpenQuotesLeaveFieldsEmpty) {
    EXPECT_EQ(fields("D,1", FileFormat::Comma, {0, 0, 0, 0}), (V{"D", "1", "", ""}));
    EXPECT_EQ(fields(R"(D,"never closed,3)", FileFormat::Comma, {0, 0, 0}), (V{"D", "", ""}));
    EXPECT_EQ(fields("", FileFormat::Tab, {0, 0}), (V{"", ""}));
}

TEST(ImportFields, TabDropsTheQuotesAroundAField) {
    EXPECT_EQ(fields("H\t\"Acme\"\t7\t\"", FileFormat::Tab, {0, 0, 0, 0}), (V{"H", "Acme", "7", ""}));
    EXPECT_EQ(fields("a,b\tc", FileFormat::Tab, {0, 0}), (V{"a,b", "c"}));
}

TEST(ImportFields, FixedPositionCountsCharactersNotBytes) {
    EXPECT_EQ(fields("H0042Müller  x", FileFormat::Fixed, {1, 4, 8, 5}), (V{"H", "0042", "Müller  ", "x"}));
    EXPECT_EQ(fields("AB", FileFormat::Fixed, {0, 1, 3}), (V{"", "A", "B"}));
}

TEST(ImportDates, EveryFormatReadsItsOwnWriting) {
    const Date d = Date::fromYmd(2024, 3, 15);
    EXPECT_EQ(readDate("03152024", "MMDDYYYY"), d);
    EXPECT_EQ(readDate("031524", "MMDDYY"), d);
    EXPECT_EQ(readDate("15032024", "DDMMYYYY"), d);
    EXPECT_EQ(readDate("150324", "DDMMYY"), d);
    EXPECT_EQ(readDate("3/15/2024", "MM/DD/YYYY"), d);
    EXPECT_EQ(readDate("03-15-24", "MM-DD-YY"), d);
    EXPECT_EQ(readDate("15/03/24", "DD/MM/YY"), d);
    EXPECT_EQ(readDate("15-3-2024", "DD-MM-YYYY"), d);
    // The export's blank-padded form.
    EXPECT_EQ(readDate(" 5/ 7/2024", "MM/DD/YYYY"), Date::fromYmd(2024, 5, 7));
}

TEST(ImportDates, TwoDigitYearsAndWhatIsNoDate) {
    EXPECT_EQ(readDate("12/31/49", "MM/DD/YY"), Date::fromYmd(2049, 12, 31));
    EXPECT_EQ(readDate("01/01/50", "MM/DD/YY"), Date::fromYmd(1950, 1, 1));
    EXPECT_EQ(readDate("01/01/1999", "MM/DD/YY"), Date::fromYmd(1999, 1, 1));
    EXPECT_TRUE(readDate("", "MM/DD/YYYY").isNull());
    EXPECT_TRUE(readDate("   ", "MM/DD/YYYY").isNull());
    EXPECT_TRUE(readDate("02/30/2024", "MM/DD/YYYY").isNull());
    EXPECT_TRUE(readDate("3/15/2024", "DD/MM/YYYY").isNull());
    EXPECT_TRUE(readDate("3/15/2024", "YYYY-MM-DD").isNull());
    EXPECT_TRUE(readDate("3-15-2024", "MM/DD/YYYY").isNull());
}

TEST(ImportNumbers, OnlyDigitsPointAndLeadingMinusAreKept) {
    EXPECT_EQ(numberText("$1,250.50"), "1250.50");
    EXPECT_EQ(numberText(" -3 "), "-3");
    EXPECT_EQ(numberText("5-"), "5");
    EXPECT_EQ(numberText("abc"), "");
}

TEST(ImportLines, LineEndsByteOrderMarkAndLatin1) {
    test::TempDir dir;
    dir.write("a.txt", "\xEF\xBB\xBFH,1\r\nD,2\n\nlast");
    std::string error;
    auto f = LineFile::open(dir.file("a.txt"), dir.path(), error);
    ASSERT_TRUE(f) << error;
    std::vector<std::string> lines;
    for (std::string l; f->next(l);) lines.push_back(l);
    EXPECT_EQ(lines, (V{"H,1", "D,2", "", "last"}));
    EXPECT_FALSE(f->latin1());
    EXPECT_EQ(dir.read("Import.txt"), "\xEF\xBB\xBFH,1\r\nD,2\n\nlast");

    dir.write("b.txt", "H,\"Caf\xE9\"\n");
    auto g = LineFile::open(dir.file("b.txt"), dir.path(), error);
    ASSERT_TRUE(g);
    std::string l;
    ASSERT_TRUE(g->next(l));
    EXPECT_TRUE(g->latin1());
    EXPECT_EQ(l, "H,\"Café\"");
}

TEST(ImportLines, LinesLongerThanAnyBufferComeWhole) {
    test::TempDir dir;
    const std::string longLine(3 * 1024 * 1024 + 17, 'x');
    dir.write("long.txt", "H\n" + longLine + "\nD");
    std::string error;
    auto f = LineFile::open(dir.file("long.txt"), dir.path(), error);
    ASSERT_TRUE(f);
    std::string l;
    ASSERT_TRUE(f->next(l));
    ASSERT_TRUE(f->next(l));
    EXPECT_EQ(l.size(), longLine.size());
    ASSERT_TRUE(f->next(l));
    EXPECT_EQ(l, "D");
    EXPECT_FALSE(f->next(l));
}

TEST(ImportLines, AMissingFileIsNamed) {
    test::TempDir dir;
    std::string error;
    EXPECT_FALSE(LineFile::open(dir.file("none.txt"), dir.path(), error));
    EXPECT_NE(error.find("none.txt"), std::string::npos);
}

}  // namespace
