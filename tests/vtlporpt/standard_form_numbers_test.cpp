// The standard form's numbering of blank orders and the counter it keeps,
// its logo, and the sample and blank form that CreatePOPrint prepares.
#include <gtest/gtest.h>

#include "siblings/files/image_files.h"
#include "vtlpoent/dialogs/confirm_blank_po.h"
#include "vtlporpt/create_po_print.h"
#include "vtlporpt/standard_form_fixture.h"

using namespace vtl;
using namespace vtl::test;
using report::Page;

namespace {

class StandardFormNumbersTest : public StandardFormTest {
protected:
    ULong addLimits(const char* user, ULong next) {
        POLimits l;
        l.UserID = user;
        l.Report = rpt::kGenerateReport;
        l.RefFrom = next;
        EXPECT_TRUE(store::Table<POLimits>(s.store()).insert(l));
        return l.LimitID;
    }
    ULong nextNumberIn(ULong limitId) {
        POLimits l;
        l.LimitID = limitId;
        EXPECT_TRUE(store::Table<POLimits>(s.store()).fetch(POLimits::KeyLimitID, l));
        return l.RefFrom;
    }
};

}  // namespace

TEST_F(StandardFormNumbersTest, ABlankNumberTakesTheNextAndTheCounterIsKept) {
    const ULong mine = addLimits("JDL", 480), theirs = addLimits("ABC", 520);
    shared().options.poNumber = 500;
    const ULong blank = addRow("", 5001), numbered = addRow("0900", 5002), blank2 = addRow("", 5003);
    const auto run = print();
    ASSERT_EQ(run.document.pages.size(), 3u);
    // Numbering goes on from the highest counter any user keeps.
    EXPECT_TRUE(has(run.document.pages[0], "NUMBER: 520"));
    EXPECT_TRUE(has(run.document.pages[2], "NUMBER: 521"));
    EXPECT_EQ(storedRow(blank).PONumber, "520");
    EXPECT_EQ(storedRow(numbered).PONumber, "0900");
    EXPECT_EQ(storedRow(blank2).PONumber, "521");
    EXPECT_EQ(nextNumberIn(mine), 522u) << "kept in the user's own limits";
    EXPECT_EQ(nextNumberIn(theirs), 520u);
    EXPECT_EQ(shared().options.poNumber, 522u);
    EXPECT_TRUE(has(print().document.pages[0], "NUMBER: 520")) << "printed again, the number stays";

    // Renumbering all, or none: the report gives no number. Nor does it give 0.
    const ULong more = addRow("", 5004);
    for (const char* option : {"A", "N"}) {
        shared().options.assignPONumber = option;
        print();
        EXPECT_EQ(storedRow(more).PONumber, "") << option;
    }
    shared().options = {};
    ASSERT_TRUE(s.store().exec("UPDATE \"POLimits\" SET \"RefFrom\" = 0"));
    print();
    EXPECT_EQ(storedRow(more).PONumber, "");
}

TEST_F(StandardFormNumbersTest, TwoUsersPrintingInTurnNeverPrintTheSameNumber) {
    const ULong limits = addLimits("JDL", 700);
    addRow("", 5001);
    shared().options.poNumber = 700;
    // A second user on the same data, whose options were read before the first printed.
    suite::Globals otherGlobals;
    otherGlobals.UserID = "ABC";
    ModuleState otherModule;
    Session other{s.store(), s.ui, otherGlobals, s.errors, s.settings, s.clock, s.procedures, s.views, s.folder,
                  s.dir.path(), otherModule};
    rpt::printShared(otherModule).options.poNumber = 700;
    POPrint theirs;
    theirs.UserID = "ABC";
    theirs.POID = 5002;
    ASSERT_TRUE(store::Table<POPrint>(s.store()).insert(theirs));

    const auto first = print();
    const auto second = rpt::PrintPurchaseOrderStandard(other, measure).run();
    rpt::clearPrintShared(otherModule);
    ASSERT_EQ(second.document.pages.size(), 1u);
    EXPECT_TRUE(has(first.document.pages.at(0), "NUMBER: 700"));
    EXPECT_TRUE(has(second.document.pages[0], "NUMBER: 701"));
    EXPECT_EQ(nextNumberIn(limits), 702u);
}

TEST_F(StandardFormNumbersTest, AFailedWriteIsToldAndKeepsNothing) {
    const ULong limits = addLimits("JDL", 300);
    const ULong row = addRow("", 5001);
    auto& db = s.store();
    for (const char* file : {"POLimits", "POPrint"}) {
        test::refuseWrites(db, file, "UPDATE", "refused");
        s.ui.expectTell(std::string("refused Saving ") + file, rpt::kStandardFormProcedure, ui::Icon::Error);
        const auto run = print();
        EXPECT_TRUE(run.failed) << file;
        EXPECT_TRUE(run.document.empty()) << file;
        EXPECT_TRUE(run.nothingToPrint.empty()) << file << ": the failure was told; nothing more to say";
        EXPECT_EQ(storedRow(row).PONumber, "") << file << ": the row's number went back with the counter";
        EXPECT_EQ(nextNumberIn(limits), 300u) << file;
        test::allowWrites(db, file);
    }
}

// A logo of 200 x 100 pixels at 100 to the inch (2000 x 1000) prints at
// most 850 high: 1700 x 850 at 100%. Its place is 670 from the left, the
// company's name 1320.
TEST_F(StandardFormNumbersTest, TheLogosPositionCodePlacesLogoAndCompanyLines) {
    struct Case {
        const char* position;
        UShort percent;
        bool stored;
        std::optional<report::Rect> logo;
        report::Mils companyX;  // -1: not shown
    };
    const Case cases[] = {
        {"", 100, true, report::Rect{670, 400, 1700, 850}, 1320},
        {"N", 100, true, std::nullopt, 1320},
        {"B", 100, true, std::nullopt, -1},
        {"L", 300, true, report::Rect{670, 400, 1700, 850}, -1},
        {"C", 50, true, report::Rect{400, 400, 850, 425}, 1320 - 920 + 850},
        {"", 100, false, std::nullopt, 1320},
    };
    addRow("1041", 5001);
    s.dir.write("logo.png", pngHeader(200, 100, 3937));
    for (const Case& c : cases) {
        ASSERT_TRUE(s.store().exec("DELETE FROM \"Images\""));
        Images image;
        image.Type = "POLogo";
        image.NumericID = 1;
        image.FileName = "C:\\Art\\logo.png";
        image.Position = c.position;
        image.SizePercent = c.percent;
        ASSERT_TRUE(store::Table<Images>(s.store()).insert(image));
        if (c.stored) {
            ASSERT_TRUE(siblings::storeImageFile(s.folder, image, s.dir.file("logo.png")));
        }

        const auto run = print();
        ASSERT_EQ(run.document.pages.size(), 1u);
        const Page& page = run.document.pages[0];
        std::optional<report::Rect> logo;
        for (const auto& item : page.items)
            if (auto* i = std::get_if<report::ImageItem>(&item)) {
                EXPECT_FALSE(logo) << "one logo";
                EXPECT_EQ(i->bytes, pngHeader(200, 100, 3937));
                logo = i->box;
            }
        EXPECT_EQ(logo, c.logo) << "code \"" << c.position << "\"";
        const auto* address = findText(page, "4410 Mill Plain Blvd");
        EXPECT_EQ(address ? address->box.x : -1, c.companyX) << "code \"" << c.position << "\"";
        EXPECT_EQ(has(page, "360-555-0100"), c.companyX >= 0);
        EXPECT_TRUE(has(page, "Columbia Ridge Builders")) << "the company signs in the footer in any case";
    }
}

TEST_F(StandardFormNumbersTest, TheSampleOrderPrintsAsOneOrderForTheOutput) {
    s.globals.DecimalVariable = rpt::kSampleMode;
    rpt::CreatePOPrint(*s).run();
    const auto run = print();
    ASSERT_EQ(run.document.pages.size(), 1u);
    EXPECT_EQ(run.lines, 6);
    EXPECT_EQ(wrongTexts(run.document.pages[0], {"NUMBER: SAMPLE-001", "Pat Sample", "Riverside Clinic",
                                                 "Fifth Line Item on Purchase Order", "Tax (5.000%):", "10,535.00"}),
              "");
    EXPECT_EQ(run.pdfFileName, s.folder + "/Purchase Order SAMPLE-001 from Columbia Ridge Builders.pdf");
    EXPECT_EQ(run.emailVendorID, 101u);
    // What the e-mail step reads: the report's own fields, whatever the preparation left.
    EXPECT_EQ(shared().outputs.emailToName, "...");
    EXPECT_EQ(shared().outputs.emailToAddress, "...");
    EXPECT_EQ(shared().outputs.emailSubject, "Purchase Order from Columbia Ridge Builders");
}

TEST_F(StandardFormNumbersTest, ABlankFormPrintsOnePageWithItsNumberOrTheNext) {
    s.globals.DecimalVariable = rpt::kBlankFormMode;
    ent::confirmedBlankPO(s.module) = {"B-77", false, true};
    rpt::CreatePOPrint(*s).run();
    auto run = print();
    ASSERT_EQ(run.document.pages.size(), 1u);
    EXPECT_TRUE(has(run.document.pages[0], "NUMBER: B-77"));
    EXPECT_EQ(wrongTexts(run.document.pages[0], {"John Smith", "Subtotal:"}, false), "") << "no vendor, no amounts";
    EXPECT_EQ(run.lines, 0);

    addLimits("JDL", 900);
    s.globals.DecimalVariable = rpt::kBlankFormMode;
    ent::confirmedBlankPO(s.module) = {"", false, true};
    rpt::CreatePOPrint(*s).run();
    run = print();
    ASSERT_EQ(run.document.pages.size(), 1u);
    EXPECT_TRUE(has(run.document.pages[0], "NUMBER: 900"));
    EXPECT_EQ(run.pdfFileName, s.folder + "/Purchase Order 900 from Columbia Ridge Builders.pdf");
}

// The file is named after the order and the company; a slash in either
// would name a file in another folder, or in none.
TEST_F(StandardFormNumbersTest, AnOrderOrCompanyWithSlashesNamesAFileInTheDataFolder) {
    Systems sys;
    store::Table<Systems> systems(s.store());
    ASSERT_TRUE(systems.all(Systems::KeySystemID).next(sys));
    sys.CompanyName = "Smith/Jones ..\\Builders";
    ASSERT_TRUE(systems.update(sys));
    s.globals.DecimalVariable = rpt::kBlankFormMode;
    ent::confirmedBlankPO(s.module) = {"../2024/117", false, true};
    rpt::CreatePOPrint(*s).run();
    const auto run = print();
    EXPECT_EQ(run.pdfFileName, s.folder + "/Purchase Order .._2024_117 from Smith_Jones .._Builders.pdf");
}
