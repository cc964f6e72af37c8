// The line form's amounts and its writes: total, open inventory quantity,
// text lines, the new line's place, view-only orders, delete and the
// procedure's answers by name.
#include <filesystem>

#include "line_fixture.h"
#include "vtlpoent/line/line_checks.h"

using namespace vtl;
using namespace vtl::test;
using ent::UpdatePODetail;
using suite::Request;
using suite::Response;
using ui::Icon;

TEST_F(LineTest, TotalIsQuantityTimesPriceRoundedToCents) {
    request(Request::Insert, po.POID);
    UpdatePODetail f(*s);
    ASSERT_TRUE(f.open());
    ASSERT_TRUE(f.setDetailType("G/L Account"));
    ASSERT_TRUE(f.setAccount("5000-00"));
    f.setQuantity(Quantity(3));
    f.setUnitPrice(2.675);
    EXPECT_EQ(f.line().TotalAmount.toString(), "8.03");
    EXPECT_EQ(f.line().PreTaxAmount.toString(), "8.03");
    f.setQuantity(*Quantity::parse("1.5"));
    f.setUnitPrice(0.333);
    EXPECT_EQ(f.line().TotalAmount.toString(), "0.50");  // 0.4995
    ASSERT_TRUE(f.ok());
    EXPECT_EQ(stored(f.line().DetailID).TotalAmount.toString(), "0.50");
}

TEST_F(LineTest, InventoryQuantityIsInStockingUnits) {
    request(Request::Insert, po.POID);
    UpdatePODetail f(*s);
    ASSERT_TRUE(f.open());
    ASSERT_TRUE(f.setDetailType("Inventory"));
    ASSERT_TRUE(f.setItem("NAIL"));
    f.setQuantity(Quantity(4));
    EXPECT_EQ(f.line().INVQuantity.toString(), "200.0000");  // 4 boxes of 50
    EXPECT_EQ(f.line().TotalAmount.toString(), "120.00");
    ASSERT_TRUE(f.setUnit("EA"));
    EXPECT_EQ(f.line().INVQuantity.toString(), "4.0000");
    ASSERT_TRUE(f.setUnit("BOX"));
    ASSERT_TRUE(f.ok());
    EXPECT_EQ(stored(f.line().DetailID).INVQuantity.toString(), "200.0000");

    // A job line carries no on-order quantity, whatever was there before.
    ASSERT_TRUE(f.setDetailType("Job"));
    EXPECT_TRUE(f.line().INVQuantity.isZero());
}

TEST_F(LineTest, TextLineHasNoQuantityAndAtMostAThousandCharacters) {
    request(Request::Insert, po.POID);
    UpdatePODetail f(*s);
    ASSERT_TRUE(f.open());
    f.setQuantity(Quantity(5));
    f.setUnitPrice(10);
    f.setTextLine(true);
    f.setQuantity(Quantity(3));  // ignored while it is a text line
    f.setText(std::string(1200, 'x'));
    EXPECT_TRUE(f.line().QtyOrdered.isZero());
    EXPECT_TRUE(f.line().TotalAmount.isZero());
    ASSERT_TRUE(f.ok());  // no charge fields needed
    PODetail d = stored(f.line().DetailID);
    EXPECT_EQ(d.TextFlag, 1);
    EXPECT_TRUE(d.QtyOrdered.isZero());
    EXPECT_EQ(d.Text.str().size(), 1000u);
}

TEST_F(LineTest, NewLineSortsAfterTheExistingOnesAndIsHandedBack) {
    addLine(1);
    addLine(7);
    addLine(3);
    request(Request::Insert, po.POID);
    UpdatePODetail f(*s);
    ASSERT_TRUE(f.open());
    ASSERT_TRUE(f.setDetailType("G/L Account"));
    ASSERT_TRUE(f.setAccount("5000-00"));
    ASSERT_TRUE(f.ok());
    EXPECT_EQ(s.globals.GlobalResponse, Response::Completed);
    const auto id = static_cast<ULong>(s.globals.DecimalVariable);
    EXPECT_EQ(id, f.line().DetailID);
    EXPECT_EQ(stored(id).SequenceNo, 8u);
    EXPECT_EQ(stored(id).POID, po.POID);
    // Once closed the form adds nothing more, however often OK comes.
    EXPECT_FALSE(f.ok());
    EXPECT_EQ(lineCount(), 4);
    EXPECT_EQ(store::Table<PODetail>(s.store()).count(), 3) << "stored only by the form's OK";
}

TEST_F(LineTest, ChangeRewritesTheLineInItsPlace) {
    PODetail d = addLine(4);
    request(Request::Change, d.DetailID);
    UpdatePODetail f(*s);
    ASSERT_TRUE(f.open());
    EXPECT_EQ(f.caption(), "Changing a Purchase Order Line");
    f.setQuantity(Quantity(2));
    f.setUnitPrice(12.5);
    ASSERT_TRUE(f.ok());
    EXPECT_EQ(lineCount(), 1);
    PODetail after = stored(d.DetailID);
    EXPECT_EQ(after.TotalAmount.toString(), "25.00");
    EXPECT_EQ(after.SequenceNo, 4u);
    EXPECT_EQ(s.globals.DecimalVariable, static_cast<double>(d.DetailID));
}

TEST_F(LineTest, ViewOnlyOrderOffersNoSave) {
    PODetail d = addLine(1);
    s.module.viewOnly = true;
    request(Request::Change, d.DetailID);
    UpdatePODetail f(*s);
    ASSERT_TRUE(f.open());
    f.setQuantity(Quantity(9));
    f.setUnitPrice(1);
    s.ui.expectTell(ent::kViewOnlyText, ent::kViewOnlyTitle, Icon::Exclamation);
    EXPECT_FALSE(f.ok());
    EXPECT_TRUE(stored(d.DetailID).QtyOrdered.isZero());
    EXPECT_NE(s.globals.GlobalResponse, Response::Completed);
}

TEST_F(LineTest, ByNameRunsTheViewAndCancelsWithoutOne) {
    request(Request::Insert, po.POID);
    s->call("UpdatePODetail");
    EXPECT_EQ(s.globals.GlobalResponse, Response::Cancelled);
    EXPECT_EQ(lineCount(), 0);

    s.views.set<UpdatePODetail>([](UpdatePODetail& f) {
        EXPECT_EQ(f.caption(), "Adding a Purchase Order Line");
        ASSERT_TRUE(f.setDetailType("G/L Account"));
        ASSERT_TRUE(f.setAccount("5000-00"));
        f.setQuantity(Quantity(2));
        f.setUnitPrice(4);
        f.ok();
    });
    request(Request::Insert, po.POID);
    s->call("UpdatePODetail");
    EXPECT_EQ(s.globals.GlobalResponse, Response::Completed);
    EXPECT_EQ(stored(static_cast<ULong>(s.globals.DecimalVariable)).TotalAmount.toString(), "8.00");

    s.views.set<UpdatePODetail>([](UpdatePODetail&) {});  // closed without OK
    request(Request::Insert, po.POID);
    s->call("UpdatePODetail");
    EXPECT_EQ(s.globals.GlobalResponse, Response::Cancelled);
    EXPECT_EQ(lineCount(), 1);

    request(Request::Insert, po.POID + 100);  // no such order
    s->call("UpdatePODetail");
    EXPECT_EQ(s.globals.GlobalResponse, Response::Cancelled);
}

TEST_F(LineTest, DeleteRequestRemovesTheLineWithoutAQuestion) {
    PODetail keep = addLine(1);
    PODetail gone = addLine(2);
    request(Request::Delete, gone.DetailID);
    s->call("UpdatePODetail");
    EXPECT_EQ(s.globals.GlobalResponse, Response::Completed);
    EXPECT_EQ(lineCount(), 1);
    EXPECT_EQ(stored(keep.DetailID).SequenceNo, 1u);
}

TEST_F(LineTest, F1OpensThePageOnTheLinesOfAnOrder) {
    request(Request::Insert, po.POID);
    UpdatePODetail f(*s);
    ASSERT_TRUE(f.open());
    std::filesystem::create_directories(s.dir.file("html"));
    s.dir.write("html/PO_Enter_Purchase_Orders.htm", "<html></html>");
    f.help();
    ASSERT_EQ(s.ui.openedExternally().size(), 1u);
    EXPECT_EQ(s.ui.openedExternally()[0], "file://" + s.dir.file("html/PO_Enter_Purchase_Orders.htm") + "#lines");
    f.cancel();
}
