// The order's receiving window: what its list shows of each line, and the
// vendor's details behind "&More".
#include <gtest/gtest.h>

#include <functional>

#include "records/records.h"
#include "support/test_session.h"
#include "vtlporec/update_po_reconcile.h"

using namespace vtl;
using namespace vtl::test;
using ui::Icon;

namespace {

class ReceivingFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        vendor.VendorID = 42;
        vendor.VendorName = "Ridge Lumber";
        vendor.Address = "1 Mill Rd";
        vendor.City = "Salem";
        vendor.State = "OR";
        vendor.Zip = "97301";
        ASSERT_TRUE(store::Table<APVendor>(s.store()).insert(vendor));
        POMaster po;
        po.PONumber = "1001";
        po.VendorID = vendor.VendorID;
        ASSERT_TRUE(store::Table<POMaster>(s.store()).insert(po));
        poid = po.POID;
    }
    void addItemLine(const std::string& item, const std::string& description) {
        PODetail d;
        d.POID = poid;
        d.DetailType = "G/L Account";
        d.ItemID = item;
        d.Description = description;
        d.QtyOrdered = Quantity(2);
        EXPECT_TRUE(store::Table<PODetail>(s.store()).insert(d));
    }
    void addTextLine(const std::string& text) {
        PODetail d;
        d.POID = poid;
        d.TextFlag = 1;
        d.ItemID = "IGNORED";
        d.Description = "not shown";
        d.Text = text;
        EXPECT_TRUE(store::Table<PODetail>(s.store()).insert(d));
    }
    std::unique_ptr<rec::UpdatePOReconcile> openOrder() {
        s.globals.GlobalRequest = suite::Request::Change;
        s.globals.DecimalVariable = poid;
        auto f = std::make_unique<rec::UpdatePOReconcile>(*s);
        EXPECT_TRUE(f->open());
        return f;
    }
    // The vendor as changed by `edit`, and the text "&More" shows for it.
    void expectVendorInfo(const std::function<void(APVendor&)>& edit, const std::string& text) {
        APVendor v = vendor;
        edit(v);
        ASSERT_TRUE(store::Table<APVendor>(s.store()).update(v));
        auto f = openOrder();
        s.ui.expectTell(text, "Additional Vendor Info", Icon::Information);
        f->moreVendorInfo();
        s.ui.verifyDone();
    }

    TestSession s;
    APVendor vendor;
    ULong poid = 0;
};

TEST_F(ReceivingFormTest, ItemLinesShowTheirIdAndTheFirst60CharactersOfTheDescription) {
    const std::string sixty = "Douglas fir 2x4 studs, kiln dried, 92-5/8 in, grade marked A";
    ASSERT_EQ(sixty.size(), 60u);
    addItemLine("LBR-2X4", sixty);
    addItemLine("LBR-2X6", sixty + "nd the rest of a long description");
    // Counted in characters, not bytes.
    const std::string accented = std::string(58, 'e') + "\xC3\xA9\xC3\xA9";
    addItemLine("TILE", accented + "\xC3\xA9 more");
    auto f = openOrder();
    ASSERT_EQ(f->rows().size(), 3u);
    EXPECT_EQ(f->rows()[0].cells[0], "LBR-2X4");
    EXPECT_EQ(f->rows()[0].cells[1], sixty);
    EXPECT_EQ(f->rows()[1].cells[1], sixty);
    EXPECT_EQ(f->rows()[2].cells[1], accented);
    EXPECT_EQ(f->rows()[0].cells[2], "2.00");
}

TEST_F(ReceivingFormTest, TextLinesShowTextAndTheirTextUpTo30CharactersOrCutTo27WithAnEllipsis) {
    const std::string thirty = "Deliver to the north gate only";
    ASSERT_EQ(thirty.size(), 30u);
    addTextLine(thirty);
    addTextLine(thirty + ".");
    // 30 characters of 60 bytes still fit.
    std::string wide;
    for (int i = 0; i < 30; ++i) wide += "\xC3\xA9";
    addTextLine(wide);
    auto f = openOrder();
    ASSERT_EQ(f->rows().size(), 3u);
    EXPECT_EQ(f->rows()[0].cells[0], "Text");
    EXPECT_EQ(f->rows()[0].cells[1], thirty);
    EXPECT_EQ(f->rows()[1].cells[0], "Text");
    EXPECT_EQ(f->rows()[1].cells[1], "Deliver to the north gate o...");
    EXPECT_EQ(f->rows()[2].cells[1], wide);
}

// The empty line after the address is always there; the one before the
// contact only with a contact; none after the phone or the fax.
TEST_F(ReceivingFormTest, MoreShowsTheVendorWithTheEmptyLinesItsLinesAskFor) {
    const auto none = [](APVendor&) {};
    expectVendorInfo(none, "Ridge Lumber|1 Mill Rd|Salem, OR  97301|");
    expectVendorInfo([](APVendor& v) { v.Address2 = "Suite 4"; },
                     "Ridge Lumber|1 Mill Rd|Suite 4|Salem, OR  97301|");
    expectVendorInfo([](APVendor& v) { v.Phone = "503-555-0100"; },
                     "Ridge Lumber|1 Mill Rd|Salem, OR  97301||Phone: 503-555-0100");
    expectVendorInfo([](APVendor& v) { v.Fax = "503-555-0199"; },
                     "Ridge Lumber|1 Mill Rd|Salem, OR  97301||Fax:      503-555-0199");
    expectVendorInfo(
        [](APVendor& v) {
            v.Phone = "503-555-0100";
            v.Fax = "503-555-0199";
        },
        "Ridge Lumber|1 Mill Rd|Salem, OR  97301||Phone: 503-555-0100|Fax:      503-555-0199");
    expectVendorInfo([](APVendor& v) { v.Contact = "Ann Ridge"; },
                     "Ridge Lumber|1 Mill Rd|Salem, OR  97301|||Contact: Ann Ridge");
    expectVendorInfo(
        [](APVendor& v) {
            v.Phone = "503-555-0100";
            v.Contact = "Ann Ridge";
        },
        "Ridge Lumber|1 Mill Rd|Salem, OR  97301||Phone: 503-555-0100||Contact: Ann Ridge");
    expectVendorInfo(
        [](APVendor& v) {
            v.Address2 = "Suite 4";
            v.City = "Salem   ";
            v.Phone = "503-555-0100";
            v.Fax = "503-555-0199";
            v.Contact = "Ann Ridge";
        },
        "Ridge Lumber|1 Mill Rd|Suite 4|Salem, OR  97301||Phone: 503-555-0100|Fax:      503-555-0199||"
        "Contact: Ann Ridge");
}

}  // namespace
