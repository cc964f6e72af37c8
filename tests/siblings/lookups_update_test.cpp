// UpdateINVendor: the small form for one item vendor, run through a
// scripted view, and its answer when the host drew no view for it.
#include <gtest/gtest.h>

#include "records/payables.h"
#include "siblings/lookups/update_in_vendor.h"
#include "support/test_session.h"

using namespace vtl;
using namespace vtl::siblings;

namespace {

void catalogue(test::TestSession& t) {
    INMaster m;
    m.ItemID = "PIPE-2";
    m.Description = "2 in. pipe";
    m.StockUnit = "FT";
    ASSERT_TRUE(store::Table<INMaster>(t.store()).insert(m));
    APVendor v;
    v.VendorName = "Baker Supply";
    ASSERT_TRUE(store::Table<APVendor>(t.store()).insert(v));  // vendor 1
}

}  // namespace

TEST(UpdateINVendor, WithoutAViewAnswersCancelledAndWritesNothing) {
    test::TestSession t;
    catalogue(t);
    INVendor rec;
    rec.ItemID = "PIPE-2";
    rec.VendorID = 1;
    EXPECT_EQ(updateINVendor(*t, suite::Request::Insert, rec), suite::Response::Cancelled);
    EXPECT_EQ(store::Table<INVendor>(t.store()).count(), 0);
}

TEST(UpdateINVendor, InsertChecksTheItemAndVendorThenWrites) {
    test::TestSession t;
    catalogue(t);
    t.views.set<UpdateINVendor>([&](UpdateINVendor& form) {
        EXPECT_EQ(form.title(), "Adding an Item Vendor");
        form.setItem("PIPE-9");
        EXPECT_FALSE(form.ok()) << "no such item";
        form.setItem("PIPE-2");
        EXPECT_EQ(form.itemDescription(), "2 in. pipe");
        EXPECT_FALSE(form.ok()) << "no vendor yet";
        ASSERT_TRUE(form.lookupVendor());
        EXPECT_EQ(form.record().UnitName.clip(), "FT") << "the unit starts as the stocking unit";
        EXPECT_FALSE(form.setPrice("abc"));
        EXPECT_TRUE(form.setPrice("1,234.5678"));
        form.setCatalog("BK-2200");
        EXPECT_TRUE(form.ok());
    });
    t.ui.expectTell("Please select an inventory item.", "Item Vendor", ui::Icon::Exclamation);
    t.ui.expectTell("Please select a vendor.", "Item Vendor", ui::Icon::Exclamation);
    t.ui.expectLookup("Select a Vendor").choose("1");

    INVendor rec;
    ASSERT_EQ(updateINVendor(*t, suite::Request::Insert, rec), suite::Response::Completed);
    EXPECT_NE(rec.RecordID, 0u);
    INVendor stored;
    stored.RecordID = rec.RecordID;
    ASSERT_TRUE(store::Table<INVendor>(t.store()).fetch(INVendor::KeyRecordID, stored));
    EXPECT_EQ(stored.VendorCatalogID.clip(), "BK-2200");
    EXPECT_EQ(stored.Price.raw(), 12345678);

    // The same vendor twice for one item is refused; a change of the same
    // record is not a duplicate of itself.
    t.views.set<UpdateINVendor>([](UpdateINVendor& form) {
        EXPECT_FALSE(form.ok());
        form.cancel();
    });
    t.ui.expectTell("This vendor is already listed for this item.", "Item Vendor", ui::Icon::Exclamation);
    INVendor twice;
    twice.ItemID = "PIPE-2";
    twice.VendorID = 1;
    EXPECT_EQ(updateINVendor(*t, suite::Request::Insert, twice), suite::Response::Cancelled);

    t.views.set<UpdateINVendor>([](UpdateINVendor& form) {
        EXPECT_EQ(form.title(), "Changing an Item Vendor");
        form.setUnit("BOX");
        EXPECT_TRUE(form.ok());
    });
    ASSERT_EQ(updateINVendor(*t, suite::Request::Change, stored), suite::Response::Completed);
    EXPECT_EQ(store::Table<INVendor>(t.store()).count(), 1);
    ASSERT_TRUE(store::Table<INVendor>(t.store()).fetch(INVendor::KeyRecordID, stored));
    EXPECT_EQ(stored.UnitName.clip(), "BOX");
}

TEST(UpdateINVendor, DeleteAsksFirst) {
    test::TestSession t;
    catalogue(t);
    INVendor rec;
    rec.ItemID = "PIPE-2";
    rec.VendorID = 1;
    ASSERT_TRUE(store::Table<INVendor>(t.store()).insert(rec));

    t.ui.expectAsk("Are you sure you want to delete this item vendor?", "Confirm Delete", "&Yes|&No",
                   ui::Icon::Warning)
        .answer(2);
    EXPECT_EQ(updateINVendor(*t, suite::Request::Delete, rec), suite::Response::Cancelled);
    EXPECT_EQ(store::Table<INVendor>(t.store()).count(), 1);

    t.ui.expectAsk("Are you sure you want to delete this item vendor?", "Confirm Delete", "&Yes|&No",
                   ui::Icon::Warning)
        .answer(1);
    EXPECT_EQ(updateINVendor(*t, suite::Request::Delete, rec), suite::Response::Completed);
    EXPECT_EQ(store::Table<INVendor>(t.store()).count(), 0);
}
