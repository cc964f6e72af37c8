// Preparing purchase orders for printing: the user's rows, numbering and
// printed flags, the address blocks, the blank form and the sample.
#include <gtest/gtest.h>

#include <algorithm>

#include "records/records.h"
#include "support/test_session.h"
#include "vtlporec/figures.h"
#include "vtlpoent/dialogs/confirm_blank_po.h"
#include "vtlporpt/create_po_print.h"
#include "vtlporpt/print_blocks.h"
#include "vtlporpt/procedures.h"

using namespace vtl;
using namespace vtl::test;

namespace {

class PrintWorkTest : public ::testing::Test {
protected:
    void SetUp() override {
        rpt::clearPrintShared(s.module);
        s.globals.UserID = "JDL";
        Systems sys;
        sys.CompanyName = "Columbia Ridge Builders";
        sys.CompanyAddress2 = "PO Box 8214";
        sys.CompanyCity = "Vancouver";
        sys.CompanyState = "WA";
        sys.CompanyZip = "98661";
        sys.CompanyPhone = "360-555-0100";
        sys.PhoneOnForms = 1;
        sys.AutoNumberPOs = 1;
        sys.NextPONumber = 500;
        ASSERT_TRUE(store::Table<Systems>(s.store()).insert(sys));
        APVendor v;
        v.VendorID = 101;
        v.VendorName = "Smith; John";
        v.Address2 = "Suite 4";
        v.City = "Salem";
        v.State = "OR";
        v.Zip = "97301";
        v.Email = "john@smith.example";
        ASSERT_TRUE(store::Table<APVendor>(s.store()).insert(v));
        POLimits l;
        l.UserID = "JDL";
        l.Report = rpt::kGenerateReport;
        ASSERT_TRUE(store::Table<POLimits>(s.store()).insert(l));
        limitsId = l.LimitID;
        rpt::registerReportProcedures(s.procedures);
    }
    void TearDown() override { rpt::clearPrintShared(s.module); }

    ULong addOrder(const char* number, const char* printedFlag = "") {
        POMaster po;
        po.PONumber = number;
        po.VendorID = 101;
        po.PrintFlag = printedFlag;
        po.ShipVia = "Freight Express Line";
        EXPECT_TRUE(store::Table<POMaster>(s.store()).insert(po));
        return po.POID;
    }
    void run(double mode) {
        s.globals.DecimalVariable = mode;
        ASSERT_TRUE((*s).call("CreatePOPrint"));
    }
    std::vector<POPrint> rowsOf(const char* user) {
        std::vector<POPrint> out;
        POPrint r;
        r.UserID = user;
        for (auto c = store::Table<POPrint>(s.store()).scan(POPrint::KeyUserID, r, {false, 1, false}); c.next(r);)
            out.push_back(r);
        return out;
    }
    POMaster order(ULong poid) {
        POMaster po;
        po.POID = poid;
        EXPECT_TRUE(store::Table<POMaster>(s.store()).fetch(POMaster::KeyPOID, po));
        return po;
    }
    rpt::PrintShared& shared() { return rpt::printShared(s.module); }

    TestSession s;
    ULong limitsId = 0;
};

TEST(PrintBlocks, AddressLinesAreCompactedAndVendorNamesTurned) {
    using A3 = std::array<std::string, 3>;
    EXPECT_EQ(rpt::addressBlock("1 Mill Rd", "Suite 4", "Salem, OR 97301"), (A3{"1 Mill Rd", "Suite 4", "Salem, OR 97301"}));
    EXPECT_EQ(rpt::addressBlock("", "Suite 4", "Salem, OR 97301"), (A3{"Suite 4", "Salem, OR 97301", ""}));
    EXPECT_EQ(rpt::addressBlock("", "", "Salem, OR 97301"), (A3{"Salem, OR 97301", "", ""}));
    EXPECT_EQ(rpt::addressBlock(std::string(45, 'x'), "", "c")[0].size(), 40u);
    using A4 = std::array<std::string, 4>;
    EXPECT_EQ(rpt::companyBlock("", "", "Vancouver, WA  98661", "Phone: 1"), (A4{"Vancouver, WA  98661", "Phone: 1", "", ""}));
    EXPECT_EQ(rpt::formCityLine("", "OR", "97301"), "OR 97301") << "the form's line: no comma without a city";
    EXPECT_EQ(rpt::formCityLine("Salem", "OR", "97301", "  "), "Salem, OR  97301");
    EXPECT_EQ(rpt::printedVendorName("Smith; John"), "John Smith");
    EXPECT_EQ(rpt::printedVendorName("Smith;John"), "John Smith") << "no letter is lost without the blank";
    EXPECT_EQ(rpt::printedVendorName("Acme Supply"), "Acme Supply");
}

TEST_F(PrintWorkTest, OneOrderTwiceLeavesOneRowAndOtherUsersRowsStay) {
    POPrint other;
    other.UserID = "ABC";
    other.POID = 7;
    ASSERT_TRUE(store::Table<POPrint>(s.store()).insert(other));
    const ULong poid = addOrder("1001");
    run(poid);
    run(poid);
    const auto mine = rowsOf("JDL");
    ASSERT_EQ(mine.size(), 1u);
    EXPECT_EQ(mine[0].POID, poid);
    EXPECT_EQ(rowsOf("ABC").size(), 1u);
    // The row: the header copied (Ship Via cut to 10), the vendor block compacted.
    EXPECT_EQ(mine[0].ShipVia, "Freight Ex");
    EXPECT_EQ(mine[0].VendorLine1, "Suite 4");
    EXPECT_EQ(mine[0].VendorLine2, "Salem, OR 97301");
    EXPECT_EQ(mine[0].VendorLine3, "");
    EXPECT_EQ(mine[0].ShipToLine1, "") << "no ship-to name: no ship-to lines";
    EXPECT_EQ(mine[0].PrintFlag, "1");
    EXPECT_EQ(order(poid).PrintFlag, "1");
    // The company lines and the e-mail of a single order.
    const auto& out = shared().outputs;
    EXPECT_EQ(out.companyLines[0], "Columbia Ridge Builders");
    EXPECT_EQ(out.companyLines[1], "PO Box 8214");
    EXPECT_EQ(out.companyLines[2], "Vancouver, WA  98661");
    EXPECT_EQ(out.companyLines[3], "Phone: 360-555-0100");
    EXPECT_EQ(out.emailToName, "Smith; John") << "as stored, not turned";
    EXPECT_EQ(out.emailToAddress, "john@smith.example");
    EXPECT_EQ(out.emailSubject, "Purchase Order from Columbia Ridge Builders");
}

TEST_F(PrintWorkTest, GenerateNumbersTheBlankOnesInWalkOrderAndKeepsTheNextNumber) {
    const ULong a = addOrder(""), b = addOrder(""), c = addOrder(""), numbered = addOrder("0900");
    shared().options.poNumber = 1000;
    run(0);
    EXPECT_EQ(order(a).PONumber, "1000");
    EXPECT_EQ(order(b).PONumber, "1001");
    EXPECT_EQ(order(c).PONumber, "1002");
    EXPECT_EQ(order(numbered).PONumber, "0900");
    POLimits l;
    l.LimitID = limitsId;
    ASSERT_TRUE(store::Table<POLimits>(s.store()).fetch(POLimits::KeyLimitID, l));
    EXPECT_EQ(l.RefFrom, 1003u);
    EXPECT_EQ(rowsOf("JDL").size(), 4u);
    EXPECT_EQ(shared().outputs.emailToName, "...");
    // Unprinted only, and all were marked printed: a second run chooses nothing.
    run(0);
    EXPECT_TRUE(rowsOf("JDL").empty());
}

TEST_F(PrintWorkTest, RenumberingAllAndTheRangeOfNumbers) {
    const ULong a = addOrder("A-1"), b = addOrder("B-1", "1"), c = addOrder("C-1");
    POLimits l;
    l.LimitID = limitsId;
    ASSERT_TRUE(store::Table<POLimits>(s.store()).fetch(POLimits::KeyLimitID, l));
    l.SelectedPONumbers = 1;
    l.POFrom = "B";
    l.POTo = "C-1";
    ASSERT_TRUE(store::Table<POLimits>(s.store()).update(l));
    shared().options.assignPONumber = "A";
    shared().options.printCondition = "All";
    shared().options.poNumber = 7;
    run(0);
    EXPECT_EQ(order(a).PONumber, "A-1") << "before the range";
    EXPECT_EQ(order(b).PONumber, "7");
    EXPECT_EQ(order(c).PONumber, "8");
    // The open orders are found under their new numbers (this was missed
    // until the crash test's check found orders under their old ones).
    EXPECT_EQ(order(b).SortPONumber, "7");
    EXPECT_EQ(order(c).SortPONumber, "8");
}

TEST_F(PrintWorkTest, ABlankUpperPONumberLeavesTheRangeOpenAtTheTop) {
    const ULong a = addOrder("A-1"), b = addOrder("B-1"), z = addOrder("Z-9"), unnumbered = addOrder("");
    POLimits l;
    l.LimitID = limitsId;
    ASSERT_TRUE(store::Table<POLimits>(s.store()).fetch(POLimits::KeyLimitID, l));
    l.SelectedPONumbers = 1;
    l.POFrom = "B";
    l.POTo = "";
    ASSERT_TRUE(store::Table<POLimits>(s.store()).update(l));
    shared().options.assignPONumber = "N";
    run(0);
    std::vector<ULong> chosen;
    for (const POPrint& r : rowsOf("JDL")) chosen.push_back(r.POID);
    std::sort(chosen.begin(), chosen.end());
    EXPECT_EQ(chosen, (std::vector<ULong>{b, z}));
    EXPECT_EQ(order(a).PrintFlag, "");
    EXPECT_EQ(order(unnumbered).PrintFlag, "") << "a blank number is below any lower limit";

    // Both limits blank: every order.
    l.POFrom = "";
    ASSERT_TRUE(store::Table<POLimits>(s.store()).update(l));
    shared().options.printCondition = "All";
    run(0);
    EXPECT_EQ(rowsOf("JDL").size(), 4u);
}

TEST_F(PrintWorkTest, NoOrderIsNumberedZeroNorGivenANumberAnotherCarries) {
    const ULong poid = addOrder("");
    run(poid);
    EXPECT_EQ(order(poid).PONumber, "") << "a single order without a number has no counter to go on from";

    // Limits whose beginning number was never set: the blank one stays blank.
    shared().options.poNumber = 0;
    run(0);
    EXPECT_EQ(order(poid).PONumber, "");

    // Numbers other orders carry are passed over, also when renumbering.
    const ULong taken = addOrder("1001");
    addOrder("1003");
    shared().options.poNumber = 1001;
    shared().options.printCondition = "All";
    run(0);
    EXPECT_EQ(order(poid).PONumber, "1002");
    EXPECT_EQ(order(taken).PONumber, "1001");
    shared().options.assignPONumber = "A";
    shared().options.poNumber = 1002;
    run(0);
    std::vector<std::string> numbers;
    for (auto c = store::Table<POMaster>(s.store()).all(POMaster::KeyPONumber); ;) {
        POMaster po;
        if (!c.next(po)) break;
        numbers.push_back(po.PONumber.clip());
    }
    std::vector<std::string> unique = numbers;
    unique.erase(std::unique(unique.begin(), unique.end()), unique.end());
    EXPECT_EQ(unique, numbers) << "no number given twice";
}

TEST_F(PrintWorkTest, TheBlankFormCarriesItsNumberAndMovesTheSystemsCounterWhenItTookIt) {
    // The next number, read when the form prints: another user took 500 meanwhile.
    Systems sys;
    ASSERT_TRUE(store::Table<Systems>(s.store()).all(Systems::KeySystemID).next(sys));
    sys.NextPONumber = 501;
    ASSERT_TRUE(store::Table<Systems>(s.store()).update(sys));
    ent::confirmedBlankPO(s.module) = {"500", true, true};
    run(rpt::kBlankFormMode);
    auto mine = rowsOf("JDL");
    ASSERT_EQ(mine.size(), 1u);
    EXPECT_EQ(mine[0].POID, rpt::kBlankFormPOID);
    EXPECT_EQ(mine[0].PONumber, "501");
    EXPECT_EQ(s.globals.DecimalVariable, static_cast<double>(rpt::kBlankFormPOID));
    ASSERT_TRUE(store::Table<Systems>(s.store()).all(Systems::KeySystemID).next(sys));
    EXPECT_EQ(sys.NextPONumber, 502u);
    // A number of the clerk's own moves nothing.
    ent::confirmedBlankPO(s.module) = {"X-17", false, true};
    run(rpt::kBlankFormMode);
    mine = rowsOf("JDL");
    ASSERT_EQ(mine.size(), 1u);
    EXPECT_EQ(mine[0].PONumber, "X-17");
    ASSERT_TRUE(store::Table<Systems>(s.store()).all(Systems::KeySystemID).next(sys));
    EXPECT_EQ(sys.NextPONumber, 502u);
}

TEST_F(PrintWorkTest, TheSampleTwiceLeavesSixLines) {
    JCHeader j;
    j.JobID = "2502";
    j.JobName = "Salmon Creek Duplexes";
    ASSERT_TRUE(store::Table<JCHeader>(s.store()).insert(j));
    run(rpt::kSampleMode);
    run(rpt::kSampleMode);
    const auto lines = linesOfOrder(s.store(), rpt::kSamplePOID);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].Description, "First Line Item on Purchase Order");
    EXPECT_EQ(lines[5].TextFlag, 1);
    EXPECT_EQ(lines[5].Text.str().size(), 156u);
    const auto mine = rowsOf("JDL");
    ASSERT_EQ(mine.size(), 1u);
    EXPECT_EQ(mine[0].POAmount.toString(), "10535.00");
    EXPECT_EQ(mine[0].ShipToName, "Salmon Creek Duplexes");
    EXPECT_EQ(s.globals.DecimalVariable, rpt::kSampleMode);
    // The sample's lines have no order, as meant: the check does not count
    // them as lines that lost theirs.
    rec::CheckResult check;
    ASSERT_TRUE(rec::checkFigures(s.store(), 6, check));
    EXPECT_TRUE(check.clean()) << check.differences.front().what;
}

}  // namespace
