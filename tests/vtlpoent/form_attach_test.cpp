// Attachments, the shipping-information window and the activity log of the
// purchase-order form.
#include <fstream>

#include "form_fixture.h"
#include "platform/suite/settings_files.h"
#include "siblings/services/images.h"
#include "vtlpoent/dialogs/enter_ship_to_address.h"

using namespace vtl;
using namespace vtl::test;
using ui::Icon;

class FormAttachTest : public FormTest {
protected:
    std::string makeFile(const std::string& name) {
        std::string path = s.dir.file(name);
        std::ofstream(path) << "content of " << name;
        return path;
    }
    std::vector<Images> storedImages() {
        std::vector<Images> out;
        Images i;
        for (auto c = store::Table<Images>(s.store()).all(Images::KeyImageID); c.next(i);) out.push_back(i);
        return out;
    }
};

TEST_F(FormAttachTest, DroppedAndChosenFilesAreAttachedWithTheirKindsAndCaptions) {
    const std::string pdf = makeFile("quote.pdf"), txt = makeFile("notes.txt"), jpg = makeFile("site.jpg");
    auto f = openForm(suite::Request::Insert);
    f->enterVendor("123");
    s.ui.expectAsk("Would you like to attach these files|to this Purchase Order?", "Attach?", "&Yes|&No",
                   Icon::Question)
        .answer(1);
    EXPECT_EQ(f->dropFiles(pdf + "," + txt), 2);
    auto images = storedImages();
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].Caption, "quote.pdf");
    EXPECT_EQ(images[0].ImageType, "PDF");
    EXPECT_EQ(images[0].NumericID, f->header().POID);
    EXPECT_EQ(images[1].ImageType, "TXT");

    s.ui.expectAsk("Would you like to attach this file|to this Purchase Order?", "Attach?", "&Yes|&No",
                   Icon::Question)
        .answer(2);
    EXPECT_EQ(f->dropFiles(jpg), 0);

    ASSERT_TRUE(suite::SuiteSettings(s.globals, s.folder).setAttachmentCaption("T"));
    s.ui.expectOpenFile("Select one or more files to Attach", services::kAttachFilter).answer(s.dir.path() + "|site.jpg");
    EXPECT_EQ(f->insertAttachments(), 1);
    images = storedImages();
    ASSERT_EQ(images.size(), 3u);
    EXPECT_EQ(images[2].ImageType, "Bitmap");
    EXPECT_EQ(images[2].Caption.clip(), "Purchase Order #2001 from Vendor (123) Cascade Lum");  // 50 characters
    f->cancel();
}

TEST_F(FormAttachTest, SplittingAMultipleSelection) {
    using ent::UpdatePOMaster;
    EXPECT_EQ(UpdatePOMaster::splitSelection("/a/b.pdf"), (std::vector<std::string>{"/a/b.pdf"}));
    EXPECT_EQ(UpdatePOMaster::splitSelection("/a|b.pdf|c.doc"), (std::vector<std::string>{"/a/b.pdf", "/a/c.doc"}));
}

TEST_F(FormAttachTest, OtherShipToOpensTheShippingWindow) {
    s.views.set<ent::EnterShipToAddress>([](ent::EnterShipToAddress& d) {
        d.setName("Gate 4");
        d.setCity("Bend");
        d.setState("OR");
        d.setZip("97701");
        d.ok();
    });
    auto f = openForm(suite::Request::Insert);
    f->setShipToType("Other");
    EXPECT_EQ(f->header().ShipToName, "Gate 4");
    EXPECT_EQ(f->cityStateZip(), "Bend, OR  97701");
    f->cancel();
}

TEST_F(FormAttachTest, SavingLogsTheActivityWhenAsked) {
    s.globals.LogUserActivity = 2;
    auto f = openForm(suite::Request::Insert);
    f->enterVendor("123");
    queued = {glLine(5)};
    f->insertLine();
    ASSERT_TRUE(f->ok());
    POMaster po = addOrder("1001", 123, {glLine(1)});
    f = openForm(suite::Request::Change, po.POID);
    ASSERT_TRUE(f->ok());  // the totals changed: logged
    f = openForm(suite::Request::Change, po.POID);
    ASSERT_TRUE(f->ok());  // nothing changed: not logged
    std::vector<std::string> logged;
    UserLog l;
    for (auto c = store::Table<UserLog>(s.store()).all(UserLog::KeyLogID); c.next(l);) {
        logged.push_back(l.Description.clip());
        EXPECT_EQ(l.Area, "PO Enter Purchase Orders");
    }
    EXPECT_EQ(logged, (std::vector<std::string>{"Added Purchase Order #2001 for Vendor (123) Cascade Lumber",
                                                "Changed Purchase Order #1001 for Vendor (123) Cascade Lumber"}));
}

TEST_F(FormAttachTest, ReconciliationTabSumsEachInvoiceAndPrintingWritesTheHeaderFirst) {
    POMaster po = addOrder("1001", 123, {glLine(10)});
    APInv inv;
    inv.POID = po.POID;
    inv.InvoiceNo = "INV-9";
    inv.InvoiceDate = Date::fromYmd(2026, 6, 15);
    ASSERT_TRUE(store::Table<APInv>(s.store()).insert(inv));
    for (const char* amount : {"4.00", "2.50"}) {
        APDetail d;
        d.InvoiceID = inv.InvoiceID;
        d.Amount = *Money::parse(amount);
        d.Quantity = *Decimal<15, 4>::parse("1.5");
        ASSERT_TRUE(store::Table<APDetail>(s.store()).insert(d));
    }
    auto f = openForm(suite::Request::Change, po.POID);
    EXPECT_TRUE(f->reconciliationTabVisible());
    EXPECT_FALSE(f->notesTabVisible());
    auto rows = f->reconciliationRows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].invoiceNo, "INV-9");
    EXPECT_NE(rows[0].quantity.find("3.00"), std::string::npos);
    EXPECT_NE(rows[0].amount.find("6.50"), std::string::npos);

    std::string printedTerms;
    s.procedures.set("PrintPurchaseOrderServer", [&](Session& ss) {
        POMaster p;
        p.POID = static_cast<ULong>(ss.globals.DecimalVariable);
        ASSERT_TRUE(store::Table<POMaster>(ss.store).fetch(POMaster::KeyPOID, p));
        printedTerms = p.Terms.clip();
    });
    s.globals.PrintPreview = 0;
    f->setTerms("Net 10");
    f->printPurchaseOrder();
    EXPECT_EQ(printedTerms, "Net 10");
    EXPECT_EQ(s.globals.PrintPreview, 1);
    f->cancel();  // printing saved the order as it was printed
    EXPECT_EQ(stored(po.POID).Terms, "Net 10");
}
