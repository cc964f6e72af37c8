// The list of orders open to receiving: which orders, in what order, what
// they show, the locator, and opening the packing-slip form.
#include <gtest/gtest.h>

#include "records/records.h"
#include "records/reconciliation.h"
#include "support/test_session.h"
#include "vtlporec/browse_po_reconcile.h"

using namespace vtl;
using namespace vtl::test;
using ui::Icon;

namespace {

class ReconcileBrowseTest : public ::testing::Test {
protected:
    void SetUp() override {
        APVendor v;
        v.VendorID = 101;
        v.VendorName = "Cascade Lumber & Millwork";
        ASSERT_TRUE(store::Table<APVendor>(s.store()).insert(v));
    }
    ULong addOrder(const char* number, Byte state, const char* amount, const char* reconciled = "0",
                   Date issued = Date::fromYmd(2026, 7, 1)) {
        POMaster po;
        po.PONumber = number;
        po.VendorID = 101;
        po.IssueDate = issued;
        po.DefaultJob = "2502";
        po.POAmount = *Money::parse(amount);
        po.AmountReconciled = *Money::parse(reconciled);
        setReconciled(po, state);
        EXPECT_TRUE(store::Table<POMaster>(s.store()).insert(po));
        return po.POID;
    }
    std::vector<std::string> numbers(const rec::BrowsePOReconcile& b) {
        std::vector<std::string> out;
        for (const auto& r : b.rows()) out.push_back(r.cells[2]);
        return out;
    }
    TestSession s;
};

TEST_F(ReconcileBrowseTest, ListsTheOrdersStillOpenToReceivingByNumberWithWhatRemains) {
    addOrder("1003", 0, "500.00");
    addOrder("1001", 1, "1000.00", "1250.50");  // invoiced beyond its amount
    addOrder("1002", 2, "300.00", "300.00");    // fully reconciled: not listed
    addOrder("1004", 0, "0.00", "0", Date());
    rec::BrowsePOReconcile b(*s);
    b.load();
    EXPECT_EQ(numbers(b), (std::vector<std::string>{"1001", "1003", "1004"}));
    const auto& over = b.rows()[0].cells;
    EXPECT_EQ(over, (std::vector<std::string>{"101", "Cascade Lumber & Millwork", "1001", "7/01/26", "2502",
                                              "1,000.00", "-250.50"}));
    EXPECT_EQ(b.rows()[2].cells[3], "") << "no issue date shows blank";
    EXPECT_EQ(b.rows()[2].cells[5], "") << "a zero amount shows blank";
}

TEST_F(ReconcileBrowseTest, AnOrderUnreconciledComesBackToTheList) {
    const ULong poid = addOrder("1002", 2, "300.00", "300.00");
    rec::BrowsePOReconcile b(*s);
    b.load();
    EXPECT_TRUE(b.rows().empty());
    POMaster po;
    po.POID = poid;
    ASSERT_TRUE(store::Table<POMaster>(s.store()).fetch(POMaster::KeyPOID, po));
    setReconciled(po, 0);
    ASSERT_TRUE(store::Table<POMaster>(s.store()).update(po));
    b.load();
    EXPECT_EQ(numbers(b), std::vector<std::string>{"1002"});
}

TEST_F(ReconcileBrowseTest, TheLocatorFindsTheFirstNumberAtOrAfterTheTypedText) {
    for (const char* n : {"A-100", "B-200", "B-210", "C-300"}) addOrder(n, 0, "10.00");
    rec::BrowsePOReconcile b(*s);
    b.load();
    b.locate("b-2");
    EXPECT_EQ(b.highlighted(), 1);
    b.locate("B-21");
    EXPECT_EQ(b.highlighted(), 2);
    b.locate("Z");
    EXPECT_EQ(b.highlighted(), 3) << "past the end: the last row";
    b.locate("");
    EXPECT_EQ(b.highlighted(), 0);
}

TEST_F(ReconcileBrowseTest, ReconcileOpensThePackingSlipFormOnTheHighlightedOrder) {
    addOrder("1001", 0, "10.00");
    const ULong second = addOrder("1002", 0, "20.00");
    rec::BrowsePOReconcile b(*s);
    b.load();
    b.highlight(1);
    s.ui.expectTell("This part of the purchase-order module (UpdatePOReconcile) is not installed yet.",
                    "Not Available", Icon::Information);
    EXPECT_FALSE(b.reconcile());

    double handed = 0;
    s.procedures.set("UpdatePOReconcile", [&](Session& ss) {
        EXPECT_EQ(ss.globals.GlobalRequest, suite::Request::Change);
        handed = ss.globals.DecimalVariable;
        // The form fully reconciles the order: it leaves the list.
        POMaster po;
        po.POID = second;
        ASSERT_TRUE(store::Table<POMaster>(ss.store).fetch(POMaster::KeyPOID, po));
        setReconciled(po, 2);
        ASSERT_TRUE(store::Table<POMaster>(ss.store).update(po));
    });
    EXPECT_TRUE(b.reconcile());
    EXPECT_EQ(handed, static_cast<double>(second));
    EXPECT_EQ(numbers(b), std::vector<std::string>{"1001"}) << "the list is read again";
    EXPECT_EQ(b.highlighted(), 0);
}

}  // namespace
