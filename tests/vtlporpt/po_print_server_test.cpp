// The print dispatcher: the work file prepared, the standard form printed
// through the output path, and the PDF named by what was printed.
#include <gtest/gtest.h>

#include "report/pages/devices.h"
#include "vtlporpt/email/compose_po_email.h"
#include "vtlporpt/po_print_server.h"
#include "vtlporpt/procedures.h"
#include "vtlporpt/standard_form_fixture.h"

using namespace vtl;
using namespace vtl::test;
using ui::Icon;

namespace {

class PrintServerTest : public StandardFormTest {
protected:
    void SetUp() override {
        StandardFormTest::SetUp();
        rpt::registerReportProcedures(s.procedures);
        s.views.set<report::MeasureRequest>([this](report::MeasureRequest& r) { r.measure = &measure; });
        s.views.set<report::ReportPreview>([this](report::ReportPreview& p) {
            pages = p.pageCount();
            if (button >= 0) p.press(button);
        });
        s.views.set<report::PdfJob>([this](report::PdfJob& j) {
            pdf = j.path;
            j.files.push_back(j.path);
        });
    }
    ULong addOrder(const char* number) {
        POMaster po;
        po.PONumber = number;
        po.VendorID = 101;
        EXPECT_TRUE(store::Table<POMaster>(s.store()).insert(po));
        addItem(po.POID, "A");
        return po.POID;
    }

    FormTestMeasure measure;
    int button = -1, pages = 0;
    std::string pdf;
};

}  // namespace

TEST_F(PrintServerTest, OneOrderPrintsAndItsPdfIsNamedByNumberAndCompany) {
    const ULong poid = addOrder("1041");
    s.globals.DecimalVariable = poid;
    button = 0;  // "Generate PDF File"
    s.ui.expectSaveFile("PDF File Name and Location", "PDF Files|*.pdf|All Files|*.*")
        .in(s.folder + "/Purchase Order 1041 from Columbia Ridge Builders.pdf")
        .answer(s.folder + "/Purchase Order 1041 from Columbia Ridge Builders.pdf");
    s.ui.expectAsk("Do you wish to view the PDF file when it is created?", "View PDF?", "&Yes|&No", Icon::Question)
        .answer(2);
    ASSERT_TRUE(s->call("PrintPurchaseOrderServer"));
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(pdf, s.folder + "/Purchase Order 1041 from Columbia Ridge Builders.pdf");
    EXPECT_EQ(rpt::poPrintRun(s.module).emailBody, "Please see attached Purchase Order.");
}

TEST_F(PrintServerTest, NothingChosenSaysWhyAndTheBodyCarriesTheSignature) {
    UserFile u;
    u.UserID = "JDL";
    u.EmailSignature = "Jane Lee\rPurchasing";
    ASSERT_TRUE(store::Table<UserFile>(s.store()).insert(u));
    addOrder("1041");
    addOrder("1042");
    s.globals.DecimalVariable = 0;
    rpt::printShared(s.module).options.printCondition = "P";  // printed ones only: none are
    s.ui.expectTell("Nothing to Print...|Your Limits have excluded both records!", "NOTE...", Icon::Information);
    ASSERT_TRUE(s->call("PrintPurchaseOrderServer"));
    EXPECT_EQ(pages, 0);
    EXPECT_EQ(rpt::poPrintRun(s.module).emailBody, "Please see attached Purchase Order.\r\rJane Lee\rPurchasing");
}

TEST_F(PrintServerTest, EmailPOWritesThePdfWithoutAskingAndOffersItToTheOrdersVendor) {
    APVendor v;
    v.VendorID = 101;
    ASSERT_TRUE(store::Table<APVendor>(s.store()).fetch(APVendor::KeyVendorID, v));
    v.Email = "john@smith.example";
    ASSERT_TRUE(store::Table<APVendor>(s.store()).update(v));
    std::vector<rpt::Recipient> offered;
    std::string attached;
    s.views.set<rpt::ComposePOEmail>([&](rpt::ComposePOEmail& c) {
        offered = c.recipients();
        attached = c.attachmentPath();
        c.cancel();
    });
    s.globals.DecimalVariable = addOrder("1041");
    button = 1;  // "Email PO (pdf)": no file dialog, no view question
    ASSERT_TRUE(s->call("PrintPurchaseOrderServer"));
    const std::string expected = s.folder + "/Purchase Order 1041 from Columbia Ridge Builders.pdf";
    EXPECT_EQ(pdf, expected);
    EXPECT_EQ(attached, expected);
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].address, "john@smith.example");
    EXPECT_TRUE(offered[0].tagged);
}

TEST_F(PrintServerTest, EmailingSeveralOrdersOffersOnlyTheEntryToComplete) {
    std::vector<rpt::Recipient> offered;
    s.views.set<rpt::ComposePOEmail>([&](rpt::ComposePOEmail& c) {
        offered = c.recipients();
        c.cancel();
    });
    addOrder("1041");
    addOrder("1042");
    s.globals.DecimalVariable = 0;
    button = 1;
    ASSERT_TRUE(s->call("PrintPurchaseOrderServer"));
    EXPECT_EQ(pdf, s.folder + "/Purchase Orders.pdf");
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].name, "add recipient here ...");
    EXPECT_EQ(offered[0].address, "");
}
