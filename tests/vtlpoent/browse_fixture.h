#pragma once
// A small company for the browse tests: vendors, a job with cost codes, an
// item with a conversion, and helpers that add orders with lines.
#include <gtest/gtest.h>

#include "records/records.h"
#include "support/test_session.h"
#include "vtlpoent/browse/browse_po_master.h"
#include "vtlpoent/posting.h"

namespace vtl::test {

class BrowseTest : public ::testing::Test {
protected:
    void SetUp() override {
        addVendor(1042, "Cascade Lumber");
        addVendor(7, "Acme Supply");
        for (const char* code : {"010100LAB ", "020200MAT "}) {
            JCCost c;
            c.JobID = "J100";
            c.CostCode = code;
            c.RecordID = ent::costRecordKey("J100", code, 6);
            ASSERT_TRUE(store::Table<JCCost>(s.store()).insert(c));
        }
        INMaster nail;
        nail.ItemID = "NAIL";
        nail.StockUnit = "EA";
        ASSERT_TRUE(store::Table<INMaster>(s.store()).insert(nail));
        INCnvrt box;
        box.ItemID = "NAIL";
        box.UnitName = "BOX";
        box.Factor = 50;
        ASSERT_TRUE(store::Table<INCnvrt>(s.store()).insert(box));
        Systems sys;
        sys.AutoNumberPOs = 1;
        sys.NextPONumber = 2001;
        sys.UseAcceptDate = sys.UseDeliveryDate = sys.UseDeadlineDate = 1;
        ASSERT_TRUE(store::Table<Systems>(s.store()).insert(sys));
        s.globals.UserID = "JDL";
    }

    void addVendor(ULong id, const char* name) {
        APVendor v;
        v.VendorID = id;
        v.VendorName = name;
        v.Active = 1;
        ASSERT_TRUE(store::Table<APVendor>(s.store()).insert(v));
    }

    POMaster addOrder(const char* number, ULong vendor, Byte state = 0, const char* amount = "100.00") {
        POMaster po;
        po.PONumber = number;
        po.VendorID = vendor;
        po.IssueDate = Date::fromYmd(2026, 6, 1);
        po.POAmount = *Money::parse(amount);
        setReconciled(po, state);
        EXPECT_TRUE(store::Table<POMaster>(s.store()).insert(po));
        return po;
    }

    PODetail addJobLine(const POMaster& po, const char* qty, double price, const char* invoiced = "0",
                        const char* code = "010100LAB ") {
        PODetail d;
        d.POID = po.POID;
        d.DetailType = "Job";
        d.JobID = "J100";
        d.CostCode = code;
        d.QtyOrdered = *Quantity::parse(qty);
        d.QtyInvoiced = *Quantity::parse(invoiced);
        d.UnitPrice = price;
        d.TotalAmount = Money::fromDouble(d.QtyOrdered.toDouble() * price);
        d.Reconciliation = lineReconciliation(d);
        EXPECT_TRUE(store::Table<PODetail>(s.store()).insert(d));
        return d;
    }

    PODetail addNailLine(const POMaster& po, const char* boxes, const char* received = "0") {
        PODetail d;
        d.POID = po.POID;
        d.DetailType = "Inventory";
        d.ItemID = "NAIL";
        d.UnitName = "BOX";
        d.QtyOrdered = *Quantity::parse(boxes);
        d.QtyRcvdNotInvoiced = *Quantity::parse(received);
        d.UnitPrice = 30;
        d.TotalAmount = Money::fromDouble(d.QtyOrdered.toDouble() * 30);
        d.INVQuantity = openInventoryQuantity(s.store(), d);
        EXPECT_TRUE(store::Table<PODetail>(s.store()).insert(d));
        return d;
    }

    // Posts an order's lines as saving it on the form would.
    void post(const POMaster& po) {
        ASSERT_TRUE(ent::Poster(s.store(), 6).postNewOrder(po.POID));
    }

    std::string committed(const char* code = "010100LAB ") {
        JCCost c;
        c.RecordID = ent::costRecordKey("J100", code, 6);
        EXPECT_TRUE(store::Table<JCCost>(s.store()).fetch(JCCost::KeyRecordID, c));
        return c.Committed.toString();
    }
    std::string onOrder(const char* item = "NAIL") {
        INMaster i;
        i.ItemID = item;
        EXPECT_TRUE(store::Table<INMaster>(s.store()).fetch(INMaster::KeyItemID, i));
        return i.OnOrder.toString();
    }
    POMaster order(ULong poid) {
        POMaster po;
        po.POID = poid;
        EXPECT_TRUE(store::Table<POMaster>(s.store()).fetch(POMaster::KeyPOID, po));
        return po;
    }
    bool exists(ULong poid) {
        POMaster po;
        po.POID = poid;
        return store::Table<POMaster>(s.store()).fetch(POMaster::KeyPOID, po);
    }
    std::vector<std::string> shownNumbers(ent::BrowsePOMaster& b) {
        std::vector<std::string> v;
        for (std::int64_t i = 0; i < b.rowCount(); ++i) v.push_back(b.row(i).poNumber);
        return v;
    }

    TestSession s;
};

}  // namespace vtl::test
