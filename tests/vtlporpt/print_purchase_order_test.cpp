// The print dispatcher's "FormMaker" branch: the company's layout file
// found from its stored path, the orders printed on it through the common
// output path, and a layout that cannot be used told before anything is
// prepared, numbered or printed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "report/pages/devices.h"
#include "vtlporpt/create_po_print.h"
#include "vtlporpt/designed_form_fixture.h"
#include "vtlporpt/po_print_server.h"
#include "vtlporpt/procedures.h"

using namespace vtl;
using namespace vtl::test;
using ui::Icon;

namespace {

const char* const kOwnForm = R"(
font v "Arial" 10
body 3000 9000
band header
  text 400,400 4000x* v "OUR OWN FORM"
  field 5000,400 3000x* v right LocalPONumber
end
band item height 200
  field 400,20 4000x160 v POD:Description
end
)";

class DesignedPrintTest : public DesignedFormTest {
protected:
    void SetUp() override {
        DesignedFormTest::SetUp();
        rpt::registerReportProcedures(s.procedures);
        s.views.set<report::MeasureRequest>([this](report::MeasureRequest& r) { r.measure = &measure; });
        s.views.set<report::ReportPreview>([this](report::ReportPreview& p) {
            previewed = report::toText(p.document());
            pages = p.pageCount();
            if (button >= 0) p.press(button);
        });
        s.views.set<report::PdfJob>([this](report::PdfJob& j) {
            pdf = j.path;
            j.files.push_back(j.path);
        });
    }
    void chooseForm(const std::string& file) {
        changeSystems("POForm = 'FormMaker', POFormFile = '" + file + "'");
    }
    ULong addOrder(const char* number) {
        POMaster po;
        po.PONumber = number;
        po.VendorID = 101;
        EXPECT_TRUE(store::Table<POMaster>(s.store()).insert(po));
        addItem(po.POID, "A");
        return po.POID;
    }
    POMaster stored(ULong poid) {
        POMaster po;
        po.POID = poid;
        EXPECT_TRUE(store::Table<POMaster>(s.store()).fetch(POMaster::KeyPOID, po));
        return po;
    }

    int button = -1, pages = 0;
    std::string pdf, previewed;
};

}  // namespace

TEST_F(DesignedPrintTest, FormMakerPrintsOnTheLayoutTheSettingsName) {
    std::filesystem::create_directories(s.folder + "/forms");
    std::ofstream(s.folder + "/forms/own.pol") << kOwnForm;
    chooseForm("forms\\own.pol");  // as typed on Windows: taken from the data folder
    const ULong poid = addOrder("1041");
    s.globals.DecimalVariable = poid;
    button = 0;  // "Generate PDF File", as on the standard form
    s.ui.expectSaveFile("PDF File Name and Location", "PDF Files|*.pdf|All Files|*.*")
        .in(s.folder + "/Purchase Order 1041 from Columbia Ridge Builders.pdf")
        .answer(s.folder + "/po.pdf");
    s.ui.expectAsk("Do you wish to view the PDF file when it is created?", "View PDF?", "&Yes|&No", Icon::Question)
        .answer(2);
    ASSERT_TRUE(s->call("PrintPurchaseOrderServer"));
    EXPECT_EQ(pages, 1);
    EXPECT_NE(previewed.find("\"OUR OWN FORM\""), std::string::npos) << previewed;
    EXPECT_NE(previewed.find("\"NUMBER: 1041\""), std::string::npos);
    EXPECT_NE(previewed.find("\"Part A\""), std::string::npos);
    EXPECT_EQ(previewed.find("PURCHASE ORDER"), std::string::npos) << "not the standard form";
    EXPECT_EQ(pdf, s.folder + "/po.pdf");
    EXPECT_EQ(stored(poid).PrintFlag, "1") << "the work file was prepared as for the standard form";

    // Nothing chosen: the form's own "Nothing to Print..." as well.
    s.globals.DecimalVariable = 0;
    rpt::printShared(s.module).options.printCondition = "P";
    ASSERT_TRUE(s.store().exec("UPDATE POMaster SET PrintFlag = '0'"));
    s.ui.expectTell("Nothing to Print...|Your Limits have excluded the one record!", "NOTE...", Icon::Information);
    pages = 0;
    ASSERT_TRUE(s->call("PrintPurchaseOrderServer"));
    EXPECT_EQ(pages, 0);
}

TEST_F(DesignedPrintTest, ALayoutThatCannotBeUsedIsToldAndNothingIsNumberedOrPrinted) {
    POLimits limits;
    limits.UserID = "JDL";
    limits.Report = rpt::kGenerateReport;
    limits.RefFrom = 700;
    ASSERT_TRUE(store::Table<POLimits>(s.store()).insert(limits));
    rpt::printShared(s.module).options.poNumber = 700;
    const ULong blank = addOrder("");
    s.globals.DecimalVariable = 0;  // "Generate POs": the blank one would be numbered 700

    struct Case {
        std::string stored;
        std::string message;
    };
    std::filesystem::create_directories(s.folder + "/forms");
    std::ofstream(s.folder + "/forms/broken.pol") << "font v \"Arial\" 10\nband header\n  field 1,1 10x* v POP:Nope\nend\n";
    const Case cases[] = {
        {"forms/missing.pol", s.folder + "/forms/missing.pol: the file does not exist"},
        {"forms\\broken.pol", s.folder + "/forms/broken.pol, line 3: unknown field \"POP:Nope\""},
        {"", "No form file is named in the company settings (Form File)."},
    };
    for (const Case& c : cases) {
        chooseForm(c.stored);
        s.ui.expectTell("The purchase order form cannot be printed.|" + c.message, "PrintPurchaseOrder",
                        Icon::Warning);
        pages = -1;
        ASSERT_TRUE(s->call("PrintPurchaseOrderServer"));
        s.ui.verifyDone();
        EXPECT_EQ(pages, -1) << c.stored << ": nothing previewed or printed";
        EXPECT_EQ(stored(blank).PONumber.clip(), "") << c.stored << ": no number given";
        EXPECT_TRUE(stored(blank).PrintFlag.blank()) << c.stored << ": not marked printed";
        POLimits kept;
        kept.LimitID = limits.LimitID;
        ASSERT_TRUE(store::Table<POLimits>(s.store()).fetch(POLimits::KeyLimitID, kept));
        EXPECT_EQ(kept.RefFrom, 700u) << c.stored << ": the counter did not move";
        EXPECT_EQ(rpt::printShared(s.module).options.poNumber, 700u);
        POPrint mine;
        mine.UserID = "JDL";
        EXPECT_EQ(store::Table<POPrint>(s.store()).count(POPrint::KeyUserID, mine, 1), 0) << "no work rows";
    }
}

TEST(FormFilePathTest, TheStoredPathIsSplitAtItsLastSeparatorAndFoundFromTheDataFolder) {
    TempDir install;
    std::filesystem::create_directories(install.file("forms"));
    install.write("forms/purchase_order.pol", "");
    TempDir data;
    std::filesystem::create_directories(data.file("forms"));

    auto path = rpt::formFilePath("C:\\Forms\\Ours\\po.pol", data.path(), install.path());
    EXPECT_EQ(path.folder, "C:/Forms/Ours");
    EXPECT_EQ(path.name, "po.pol");
    path = rpt::formFilePath("/srv/forms/po.pol  ", data.path(), install.path());
    EXPECT_EQ(path.path(), "/srv/forms/po.pol");
    path = rpt::formFilePath("po.pol", data.path(), install.path());
    EXPECT_EQ(path.path(), data.file("po.pol")) << "a bare name is in the data folder";
    path = rpt::formFilePath("forms\\own\\po.pol", data.path(), install.path());
    EXPECT_EQ(path.folder, data.file("forms/own"));
    EXPECT_EQ(path.name, "po.pol");

    // The shipped layout until the company keeps its own copy.
    path = rpt::formFilePath("forms\\purchase_order.pol", data.path(), install.path());
    EXPECT_EQ(path.path(), install.file("forms/purchase_order.pol"));
    data.write("forms/purchase_order.pol", "");
    path = rpt::formFilePath("forms\\purchase_order.pol", data.path(), install.path());
    EXPECT_EQ(path.path(), data.file("forms/purchase_order.pol"));
}
