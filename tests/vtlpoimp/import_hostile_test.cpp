// Import files nobody meant to write: NUL bytes and broken UTF-8, lines of a
// megabyte, a million fields, numbers of 40 digits, dates that cannot be.
// Each is read without harm, said where it is wrong, and what is written
// leaves every figure equal to what its lines say.
#include <chrono>

#include "vtlpoimp/import_fixture.h"
#include "vtlporec/figures.h"

using namespace vtl;
using namespace vtl::imp;
using Strings = std::vector<std::string>;

namespace {

class ImportHostile : public test::ImportTest {
protected:
    WriteContext context() { return WriteContext{s.store(), "JDL", Date::fromYmd(2026, 7, 1), 6, {}, {}}; }

    // Writes the batch and holds the figures to the lines written.
    void writeAndCheck(ImportBatch& b) {
        WriteResult r;
        const store::Status st = writeImport(context(), b, r);
        ASSERT_TRUE(st) << st.message;
        rec::CheckResult check;
        ASSERT_TRUE(rec::checkFigures(s.store(), 6, check, {}, false));
        for (const auto& d : check.differences)
            ADD_FAILURE() << d.what << " stored " << d.stored << " expected " << d.expected;
    }
};

TEST_F(ImportHostile, NulBytesReadAsBlanksAndBrokenUtf8AsLatin1) {
    using namespace std::string_literals;
    const std::string f = file("nul.txt",
                               "H,101,\"A\0nn\",,\"N\0-1\",,,,,10,0,0,10\n"s
                               "D,0,\"\",\"\",\"Lum\xff\xfe" "ber\0 dry\",1,10,\"EA\",10,\"J\",\"\",\"J100\",\"010100LAB\"\n"s
                               "\0\0\0\n"s);
    ImportBatch b = read(oneFileComma(f));
    EXPECT_TRUE(b.errors.empty()) << errors(b).front();
    ASSERT_EQ(b.headers.size(), 1u);
    ASSERT_EQ(b.lines.size(), 1u);
    // The file is not UTF-8, so it is read as Latin-1: every byte a character.
    EXPECT_EQ(b.lines[0].description.clip(), "Lum\xc3\xbf\xc3\xbe" "ber  dry");
    EXPECT_EQ(b.headers[0].poNumber.clip(), "N -1");
    EXPECT_EQ(b.headers[0].preparedBy.clip(), "A nn");
    writeAndCheck(b);
    // No stored text holds a NUL, which other programs would stop at.
    POMaster po;
    po.PONumber = "N -1";
    ASSERT_TRUE(store::Table<POMaster>(s.store()).fetch(POMaster::KeyPONumber, po)) << "found by the number as shown";
    EXPECT_EQ(po.PreparedBy.clip(), "A nn");
}

TEST_F(ImportHostile, ALineOfAMegabyteAndAMillionFieldsAreReadInTime) {
    const std::string huge(1 << 20, 'x');
    std::string millionFields = "D,0,\"\",\"\",\"Many\",1,5,\"EA\",5,\"J\",\"\",\"J100\",\"010100LAB\"";
    millionFields.append(1000000, ',');
    const std::string f = file("big.txt", "H,101,\"" + huge + "\",,\"BIG\",,,,,15,0,0,15\n" +
                                              "D,0,\"\",\"\",\"" + huge + "\",2,5,\"EA\",10,\"G\",\"6100-00\"\n" +
                                              millionFields + "\n" + huge + "\n");
    const auto start = std::chrono::steady_clock::now();
    ImportBatch b = read(oneFileComma(f));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_TRUE(b.errors.empty()) << errors(b).front();
    ASSERT_EQ(b.headers.size(), 1u);
    ASSERT_EQ(b.lines.size(), 2u);
    EXPECT_EQ(b.headers[0].preparedBy.clip(), std::string(20, 'x')) << "cut to the field's width";
    EXPECT_EQ(b.lines[0].description.clip(), std::string(200, 'x'));
    EXPECT_EQ(b.lines[1].description.clip(), "Many");
    EXPECT_EQ(b.lines[1].line, 3);
    writeAndCheck(b);
    EXPECT_EQ(committed("010100LAB"), Money(5));
}

TEST_F(ImportHostile, NumbersOfFortyDigitsAreReportedNotWrappedNorPosted) {
    const std::string forty(40, '9');
    const std::string f = file("digits.txt",
                               "H,101,\"\",,\"D-1\",,,,," + forty + ",0," + forty + "," + forty + "\n" +
                                   "D,0,\"\",\"\",\"a\"," + forty + ",1,\"EA\",0,\"J\",\"\",\"J100\",\"010100LAB\"\n" +
                                   "D,0,\"\",\"\",\"b\",1," + forty + ",\"EA\",0,\"J\",\"\",\"J100\",\"010100LAB\"\n" +
                                   "D,0,\"\",\"\",\"c\",1,1,\"EA\"," + forty + ",\"J\",\"\",\"J100\",\"010100LAB\"\n" +
                                   "D,0,\"\",\"\",\"d\",1,1.5e300,\"EA\",0,\"G\",\"6100-00\"\n" +
                                   "D,0,\"\",\"\",\"e\",3,2,\"EA\",0,\"J\",\"\",\"J100\",\"010100LAB\"\n");
    ImportBatch b = read(oneFileComma(f));
    const std::string tooLarge = "Number too large: " + forty;
    const Strings said = errors(b);
    ASSERT_EQ(said.size(), 7u) << said.back();
    EXPECT_EQ(Strings(said.begin(), said.begin() + 4),
              (Strings{"1 " + tooLarge, "1 " + tooLarge, "1 " + tooLarge, "2 " + tooLarge}));
    // A price of 40 digits is a number, but not one its total can hold.
    EXPECT_EQ(said[4].rfind("3 Number too large: 1.0000 x 1000000000000000", 0), 0u) << said[4];
    EXPECT_EQ(said[5], "4 " + tooLarge);
    // "1.5e300" is read as a number is, its letters dropped: 1.5300.
    EXPECT_EQ(said[6], "0 Totals don't match on POID: 1");
    ASSERT_EQ(b.headers.size(), 1u);
    writeAndCheck(b);
    // The lines whose numbers could be read carry their amounts: 3 x 2, and
    // the line whose total could not be read takes its quantity times its
    // price (1 x 1), as a line with no total does.
    EXPECT_EQ(committed("010100LAB"), Money(7));
}

TEST_F(ImportHostile, AmountsThatOverflowTheFiguresTogetherAreRefusedWhole) {
    // Each line fits its field; together they would pass the largest
    // committed amount a cost code can hold.
    const std::string most = "9999999999999.99";
    std::string text;
    for (int i = 0; i < 2; ++i)
        text += "H,101,\"\",,\"\",,,,," + most + ",0,0," + most + "\nD,0,\"\",\"\",\"big\",1," + most + ",\"EA\"," + most +
                ",\"J\",\"\",\"J100\",\"010100LAB\"\n";
    ImportBatch b = read(oneFileComma(file("sum.txt", text)));
    ASSERT_TRUE(b.errors.empty()) << errors(b).front();
    WriteResult r;
    const store::Status st = writeImport(context(), b, r);
    EXPECT_FALSE(st);
    EXPECT_EQ(st.message, "value does not fit DECIMAL(15,2) Saving JCCost");
    EXPECT_TRUE(orders().empty()) << "nothing of it is written";
    EXPECT_EQ(committed("010100LAB"), Money(0));
}

TEST_F(ImportHostile, DatesThatCannotBeAreNoDates) {
    const std::string f = file("dates.txt",
                               "H,101,\"\",99/99/9999,\"T-1\",00/00/0000,02/30/2024,13/01/2024,12/31/99999,1,0,0,1\n"
                               "D,0,\"\",\"\",\"x\",1,1,\"EA\",1,\"G\",\"6100-00\",\"\",\"\",\"\",\"\",2/29/2023,"
                               "-1/-1/-1,//\n"
                               "H,101,\"\",2/29/2024,\"T-2\",12/31/9999,1/1/1800,,,0,0,0,0\n");
    ImportBatch b = read(oneFileComma(f));
    EXPECT_TRUE(b.errors.empty()) << errors(b).front();
    ASSERT_EQ(b.headers.size(), 2u);
    const ImportHeader& h = b.headers[0];
    for (Date d : {h.preparedDate, h.issueDate, h.deliverAfterDate, h.deliveryDate, h.deadlineDate})
        EXPECT_TRUE(d.isNull()) << d.iso();
    for (Date d : {b.lines[0].deliverAfterDate, b.lines[0].deliveryDate, b.lines[0].deadlineDate})
        EXPECT_TRUE(d.isNull()) << d.iso();
    EXPECT_EQ(b.headers[1].preparedDate, Date::fromYmd(2024, 2, 29));
    EXPECT_EQ(b.headers[1].issueDate, Date::fromYmd(9999, 12, 31));
    EXPECT_TRUE(b.headers[1].deliverAfterDate.isNull()) << "before the first day the records hold";
    writeAndCheck(b);
}

}  // namespace
