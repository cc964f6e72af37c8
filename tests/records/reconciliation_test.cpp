// The reconciliation rules: line and order states, the fields that follow a
// state, and the open quantity of an inventory line in stocking units.
#include <gtest/gtest.h>

#include "records/database.h"
#include "records/reconciliation.h"
#include "support/temp_dir.h"

using namespace vtl;

namespace {

PODetail line(const char* ordered, const char* invoiced) {
    PODetail d;
    d.QtyOrdered = *Quantity::parse(ordered);
    d.QtyInvoiced = *Quantity::parse(invoiced);
    return d;
}

}  // namespace

TEST(Reconciliation, LineStateFollowsTheInvoicedQuantity) {
    EXPECT_EQ(lineReconciliation(line("10", "0")), 0);
    EXPECT_EQ(lineReconciliation(line("10", "4")), 1);
    EXPECT_EQ(lineReconciliation(line("10", "10")), 2);
    EXPECT_EQ(lineReconciliation(line("10", "12")), 2);  // over-invoiced is still done
    EXPECT_EQ(lineReconciliation(line("0", "0")), 0);    // a text line is never invoiced
    EXPECT_EQ(lineReconciliation(line("0", "1")), 2);
    EXPECT_EQ(lineReconciliation(line("10", "-2")), 1);  // a credit leaves the line open
}

TEST(Reconciliation, OrderStateFromItsLines) {
    EXPECT_EQ(orderReconciliation({2, 2, 2}), 2);
    EXPECT_EQ(orderReconciliation({2, 0}), 1);
    EXPECT_EQ(orderReconciliation({0, 1}), 1);
    EXPECT_EQ(orderReconciliation({0, 0}), 0);
    EXPECT_EQ(orderReconciliation({}), 2);
    // Saving the form: an order of no amount stays open whatever its lines.
    EXPECT_EQ(orderReconciliationOnSave(Money(0), {2, 2}), 0);
    EXPECT_EQ(orderReconciliationOnSave(Money(0), {}), 0);
    EXPECT_EQ(orderReconciliationOnSave(Money(5), {}), 2);
    EXPECT_EQ(orderReconciliationOnSave(Money(5), {1, 0}), 1);
}

TEST(Reconciliation, TheSortFieldsAndRecTFFollowEveryStateChange) {
    POMaster po;
    po.VendorID = 1042;
    po.PONumber = "7001";
    for (Byte state : {0, 2, 1, 2, 0}) {
        setReconciled(po, state);
        EXPECT_EQ(po.Reconciled, state);
        EXPECT_EQ(po.RecTF, state == 2 ? 1 : 0);
        EXPECT_EQ(po.SortPONumber.blank(), state == 2);
        EXPECT_EQ(po.SortVendorID, state == 2 ? 0u : 1042u);
        if (state != 2) { EXPECT_EQ(po.SortPONumber, "7001"); }
    }
}

TEST(Reconciliation, OpenInventoryQuantityConvertsOnlyAForeignUnit) {
    test::TempDir dir;
    auto db = createDataFolder(dir.path());
    ASSERT_TRUE(db) << db.error;
    store::Table<INMaster> items(*db.store);
    store::Table<INCnvrt> conversions(*db.store);
    INMaster nails;
    nails.ItemID = "NAIL16D";
    nails.StockUnit = "EA";
    ASSERT_TRUE(items.insert(nails));
    INCnvrt box;
    box.ItemID = "NAIL16D";
    box.UnitName = "BOX";
    box.Factor = 50;
    ASSERT_TRUE(conversions.insert(box));

    PODetail d = line("12", "2.5");
    d.ItemID = "NAIL16D";
    d.UnitName = "BOX";
    EXPECT_EQ(openInventoryQuantity(*db.store, d).toString(), "475.0000");
    d.UnitName = "EA";
    EXPECT_EQ(openInventoryQuantity(*db.store, d).toString(), "9.5000");
    d.UnitName = "CASE";  // no conversion on file: unconverted
    EXPECT_EQ(openInventoryQuantity(*db.store, d).toString(), "9.5000");
    d.ItemID = "GONE";    // no such item: unconverted
    d.UnitName = "BOX";
    EXPECT_EQ(openInventoryQuantity(*db.store, d).toString(), "9.5000");

    INCnvrt third;
    third.Factor = 1.0 / 3.0;
    PODetail t = line("1", "0");
    t.UnitName = "PC";
    EXPECT_EQ(openInventoryQuantity(t, &nails, &third).toString(), "0.3333");
}
