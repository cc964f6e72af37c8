// The alignment form: its one page, and its way to the preview and a PDF.
#include <gtest/gtest.h>

#include "report/pages/devices.h"
#include "support/golden.h"
#include "support/test_session.h"
#include "vtlporpt/email/compose_po_email.h"
#include "vtlporpt/procedures.h"
#include "vtlporpt/purchase_order_dummy.h"

using namespace vtl;
using namespace vtl::test;
using ui::Icon;

TEST(PurchaseOrderDummy, ThePageShowsEveryPlaceholderOnce) {
    const report::Document doc = rpt::dummyPurchaseOrder();
    ASSERT_EQ(doc.pages.size(), 1u);
    const std::string text = report::toText(doc);
    for (const char* t : {"\"PURCHASE ORDER\"", "\"Bill To\"", "\"Ship To\"", "\"Vendor\"", "\"Purchase Order #:\"",
                          "\"Issue Date:\"", "\"For Acceptance By:\"", "\"Page:  X of X\"", "\"Subtotal:\"",
                          "\"Tax (9.999%)\"", "\"Total:\"", "\"Company Name XXXXXXXXXXXXXXXXXXX\"", "\"############\""})
        EXPECT_NE(text.find(t), std::string::npos) << t;
    expectGolden("purchase_order_dummy.txt", text);
}

TEST(PurchaseOrderDummy, GeneratePdfFileAsksForTheNameAndWritesThePage) {
    TestSession s;
    rpt::registerReportProcedures(s.procedures);
    std::string written;
    s.views.set<report::ReportPreview>([](report::ReportPreview& p) {
        EXPECT_EQ(p.buttons(), (std::vector<std::string>{"Generate PDF File", "Email Report (pdf)"}));
        p.press(0);
    });
    s.views.set<report::PdfJob>([&](report::PdfJob& j) {
        written = j.path;
        j.files.push_back(j.path);
    });
    s.ui.expectSaveFile("PDF File Name and Location", "PDF Files|*.pdf|All Files|*.*")
        .in(s.folder + "/Dummy Purchase Order.pdf")
        .answer(s.folder + "/Align.pdf");
    s.ui.expectAsk("Do you wish to view the PDF file when it is created?", "View PDF?", "&Yes|&No", Icon::Question)
        .answer(2);
    s.globals.PrintPreview = 1;
    ASSERT_TRUE(s->call("PurchaseOrderDummy"));
    EXPECT_EQ(written, s.folder + "/Align.pdf");
    EXPECT_TRUE(s.ui.openedExternally().empty());
}

TEST(PurchaseOrderDummy, EmailReportWritesThePdfAndOpensTheEmailWindowToComplete) {
    TestSession s;
    rpt::registerReportProcedures(s.procedures);
    std::string written, attached, subject;
    std::vector<rpt::Recipient> offered;
    s.views.set<report::ReportPreview>([](report::ReportPreview& p) { p.press(1); });
    s.views.set<report::PdfJob>([&](report::PdfJob& j) {
        written = j.path;
        j.files.push_back(j.path);
    });
    s.views.set<rpt::ComposePOEmail>([&](rpt::ComposePOEmail& c) {
        attached = c.attachmentPath();
        subject = c.subject();
        offered = c.recipients();
        c.cancel();
    });
    s.globals.PrintPreview = 1;
    ASSERT_TRUE(s->call("PurchaseOrderDummy"));
    EXPECT_EQ(written, s.folder + "/Dummy Purchase Order.pdf");
    EXPECT_EQ(attached, written);
    EXPECT_EQ(subject, "Dummy Purchase Order");
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].name, "add recipient here ...");
}
