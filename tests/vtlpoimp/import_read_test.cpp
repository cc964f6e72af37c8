// The checks of what an import reads, and the matching of lines to headers.
#include "vtlpoimp/import_fixture.h"

using namespace vtl;
using namespace vtl::imp;
using Strings = std::vector<std::string>;

namespace {

class ImportRead : public test::ImportTest {};

TEST_F(ImportRead, OneFileNumbersHeadersAndLinksEachLineToTheHeaderAbove) {
    const std::string f = file("one.txt",
                               "D,0,\"\",\"\",\"orphan\",1,1,\"EA\",1,\"G\",\"6100-00\"\n"
                               "H,101,\"Ann\", 3/ 1/2026,\"A-1\",,,,,30,0,0,30\n"
                               "\n"
                               "\"D\",0,\"\",\"\",\"Lumber, kiln dried\",2,10,\"EA\",20,\"J\",\"\",\"J100\",\"010100LAB\"\n"
                               "d,0,\"\",\"\",\"Fuel\",1,10,\"GAL\",0,\"Equipment\",\"\",\"\",\"\",\"EQ1\",\"FUEL\"\n"
                               "x,not a record\n"
                               "h,7,\"Bo\",,\"\",,,,,0,0,0,0\n"
                               "P,1,\"Call first\"\n");
    const ImportBatch b = read(oneFileComma(f));
    EXPECT_EQ(errors(b), (Strings{"1 Detail with no Purchase Order Header: 0"}));
    ASSERT_EQ(b.headers.size(), 2u);
    EXPECT_EQ(b.headers[0].poid, 1u);
    EXPECT_EQ(b.headers[1].poid, 2u);
    EXPECT_EQ(b.headers[0].preparedDate, Date::fromYmd(2026, 3, 1));
    EXPECT_TRUE(b.headers[0].issueDate.isNull());
    ASSERT_EQ(b.lines.size(), 3u);
    EXPECT_EQ(b.lines[0].poid, 1u);
    EXPECT_EQ(b.lines[0].description, "Lumber, kiln dried");
    EXPECT_EQ(b.lines[0].account, "5000-00");  // from the cost code
    EXPECT_EQ(b.lines[1].detailType, 'E');     // spelled out, kept
    EXPECT_EQ(b.lines[1].account, "5300-00");
    EXPECT_EQ(b.lines[1].totalAmount, Money(10));  // quantity times price
    EXPECT_EQ(b.lines[2].poid, 2u);
    EXPECT_EQ(b.lines[2].textFlag, 1);
    EXPECT_EQ(b.headers[0].lineCount, 2);
    EXPECT_EQ(b.headers[0].lineTotal, Money(30));
}

TEST_F(ImportRead, DetailTypesAccountsAndTheLinesDropped) {
    const std::string f = file("types.txt",
                               "H,101,\"\",,\"T-1\",,,,,0,0,0,0\n"
                               "D,0,\"\",\"\",\"job by word\",1,1,\"EA\",1,\"Job\",\"\",\"J100\",\"020200MAT\"\n"
                               "D,0,\"\",\"\",\"lower letter\",1,1,\"EA\",1,\"g\",\"\",\"\",\"\",\"EQ1\",\"FUEL\"\n"
                               "D,0,\"\",\"\",\"unknown\",1,1,\"EA\",1,\"Z\",\"6100-00\"\n"
                               "D,0,\"\",\"\",\"bad\",1,1,\"EA\",1,\"G\",\"9999-99\"\n"
                               "D,0,\"\",\"NAIL\",\"stock\",2,20,\"BOX\",40,\"Inventory\",\"\"\n"
                               "D,1,\"A text line needs no account\",\"\",\"\",0,0,\"\",0,\"G\",\"\"\n");
    const ImportBatch b = read(oneFileComma(f));
    EXPECT_EQ(errors(b), (Strings{"5 Bad Account#: 9999-99", "0 Totals don't match on POID: 1"}));
    ASSERT_EQ(b.lines.size(), 5u);
    EXPECT_EQ(b.lines[0].detailType, 'J');
    EXPECT_EQ(b.lines[0].account, "5000-00");  // the cost code has none: the default
    EXPECT_EQ(b.lines[1].detailType, 'E');     // not a capital letter: by the rule
    EXPECT_EQ(b.lines[1].account, "5300-00");
    EXPECT_EQ(b.lines[2].detailType, 'G');
    EXPECT_EQ(b.lines[3].detailType, 'I');
    EXPECT_EQ(b.headers[0].preTaxAmount, Money(0));
    EXPECT_EQ(b.headers[0].poAmount, Money(43));
}

TEST_F(ImportRead, VendorChecksKeepTheHeaderAndDuplicatePOIDsDropIt) {
    imp::SourceSpec spec;
    spec.oneFile = false;
    spec.format = FileFormat::Comma;
    spec.headerFile = file("h.txt", "1,101,\n2,555,\n3,0,\n4,0,CL-9\n5,0,ZZ\n2,7,\n");
    spec.detailFile = file("d.txt", "");
    spec.layout = parseLayout("PO00VI00EV00####PO00");
    const ImportBatch b = read(spec);
    EXPECT_EQ(errors(b), (Strings{"2 Vendor ID: 555", "3 Missing Vendor ID", "5 Vendor ID: ZZ", "6 Duplicate POID: 2"}));
    ASSERT_EQ(b.headers.size(), 5u);
    EXPECT_EQ(b.headers[3].vendorId, 101u);  // found by the other system's number
}

TEST_F(ImportRead, TwoFixedPositionFilesWithTitleLines) {
    imp::SourceSpec spec;
    spec.oneFile = false;
    spec.format = FileFormat::Fixed;
    spec.dateFormat = "MMDDYYYY";
    spec.headerTitleLine = spec.detailTitleLine = true;
    spec.headerFile = file("hdr.txt", "POID VEND DATE     NUMBER\r\n00001  101031520240000-A1\r\n");
    spec.detailFile = file("det.txt",
                           "POID QTY    PRICE AMOUNT\n"
                           "00001   2.5    10       G6100-00\n"
                           "00009   1.0     1       G6100-00\n");
    spec.layout = parseLayout("PO050002VI03PD08PN07####PO05QO06UP060007DT01AC07");
    const ImportBatch b = read(spec);
    // The header carries no amount, so its lines' total disagrees.
    EXPECT_EQ(errors(b), (Strings{"3 Detail with no Purchase Order Header: 9", "0 Totals don't match on POID: 1"}));
    ASSERT_EQ(b.headers.size(), 1u);
    EXPECT_EQ(b.headers[0].poid, 1u);
    EXPECT_EQ(b.headers[0].vendorId, 101u);
    EXPECT_EQ(b.headers[0].preparedDate, Date::fromYmd(2024, 3, 15));
    EXPECT_EQ(b.headers[0].poNumber, "0000-A1");
    ASSERT_EQ(b.lines.size(), 1u);
    EXPECT_EQ(b.lines[0].qtyOrdered, *Quantity::parse("2.5"));
    EXPECT_EQ(b.lines[0].totalAmount, Money(25));
}

TEST_F(ImportRead, TabFilesAndLinesMatchedByPONumber) {
    imp::SourceSpec spec;
    spec.oneFile = false;
    spec.format = FileFormat::Tab;
    spec.headerTitleLine = true;
    spec.headerFile = file("h.tab", "PO\tVendor\tNumber\tAmount\n1\t101\t\"N-1\"\t999\n2\t7\tN-2\t5\n");
    spec.detailFile = file("d.tab", "N-1\t2\t3\tG\t6100-00\nN-1\t1\t4\tG\t6100-00\nN-3\t1\t1\tG\t6100-00\n");
    spec.layout = parseLayout("PO00VI00PN00PA00####DN00QO00UP00DT00AC00");
    const ImportBatch b = read(spec);
    EXPECT_EQ(errors(b), (Strings{"3 Detail with no Purchase Order Header: N-3"}));
    ASSERT_EQ(b.lines.size(), 2u);
    EXPECT_EQ(b.lines[0].poid, 1u);
    EXPECT_EQ(b.headers[0].poNumber, "N-1");
    EXPECT_EQ(b.headers[0].lineCount, 2);
    EXPECT_EQ(b.headers[0].poAmount, Money(10));     // the sum of its lines
    EXPECT_EQ(b.headers[0].preTaxAmount, Money(10));
    EXPECT_EQ(b.headers[1].poAmount, Money(5));       // no lines: as read
}

TEST_F(ImportRead, AnOrderNumberOnFileIsReported) {
    POMaster po;
    po.PONumber = "EXIST";
    put(po);
    const ImportBatch b = read(oneFileComma(file("x.txt", "H,101,\"\",,\"EXIST\",,,,,1,0,0,1\n")));
    EXPECT_EQ(errors(b), (Strings{"0 Purchase Order Alredy Exists: EXIST"}));
    EXPECT_EQ(b.headers.size(), 1u);
}

// A number the file gives two of its orders is told as one on file is
// (found by fuzzing: both were imported without a word).
TEST_F(ImportRead, AnOrderNumberTheFileRepeatsIsReported) {
    const ImportBatch b = read(oneFileComma(file("x.txt", "H,101,\"\",,\"TWICE\",,,,,0,0,0,0\n"
                                                          "H,101,\"\",,\"ONCE\",,,,,0,0,0,0\n"
                                                          "H,101,\"\",,\"TWICE\",,,,,0,0,0,0\n")));
    EXPECT_EQ(errors(b), (Strings{"0 Purchase Order Alredy Exists: TWICE"}));
    EXPECT_EQ(b.headers.size(), 3u) << "kept, for the person to decide";
    // Lines matched by number go to the first of them; the second is told too.
    auto spec = oneFileComma(file("y.txt", "H,101,\"\",,\"TWICE\",,,,,0,0,0,0\n"
                                           "H,101,\"\",,\"TWICE\",,,,,0,0,0,0\n"));
    spec.layout = parseLayout("R100VI00PB00PD00PN00####R200DN00");
    const ImportBatch n = read(spec);
    EXPECT_EQ(errors(n), (Strings{"0 Purchase Order Alredy Exists: TWICE"}));
}

TEST_F(ImportRead, NumbersTooLargeForTheirFieldsAreReportedNotWrapped) {
    const ImportBatch b = read(oneFileComma(
        file("big.txt", "H,99999999999,\"\",,\"\",,,,,123456789012345678,0,0,0\n")));
    EXPECT_EQ(errors(b), (Strings{"1 Number too large: 99999999999", "1 Number too large: 123456789012345678",
                                  "1 Missing Vendor ID"}));
}

TEST_F(ImportRead, AFileThatCannotBeReadStopsTheReading) {
    imp::ImportBatch b;
    auto spec = oneFileComma(s.dir.file("missing.txt"));
    const ReadResult r = readImport(s.store(), spec, 6, s.folder, b);
    EXPECT_EQ(r.outcome, ReadResult::Outcome::FileProblem);
    EXPECT_NE(r.problem.find("missing.txt"), std::string::npos);
}

}  // namespace
