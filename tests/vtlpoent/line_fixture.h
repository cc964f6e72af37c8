#pragma once
// A small company for the line-form tests: an order from Acme Supply, a job
// with a budgeted cost code, a G/L account, a piece of equipment, and a
// nail sold by the box (50 each) by several vendors at different prices.
#include <gtest/gtest.h>

#include "records/records.h"
#include "support/test_session.h"
#include "vtlpoent/line/line_form.h"
#include "vtlpoent/line/line_procedures.h"
#include "vtlpoent/line/update_po_detail.h"
#include "vtlpoent/posting.h"

namespace vtl::test {

class LineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ent::clearLineFormShared(s.module);
        for (auto [id, name] : {std::pair<ULong, const char*>{7, "Acme Supply"}, {1042, "Cascade Lumber"},
                                {55, "Dear Nails"}, {9, "Bargain Bolts"}}) {
            APVendor v;
            v.VendorID = id;
            v.VendorName = name;
            v.Active = 1;
            ASSERT_TRUE(store::Table<APVendor>(s.store()).insert(v));
        }
        JCHeader job;
        job.JobID = "J100";
        job.JobName = "Library Annex";
        job.Active = 1;
        ASSERT_TRUE(store::Table<JCHeader>(s.store()).insert(job));
        addCostCode("010100LAB ", "1000.00", "900.00");
        GLMaster gl;
        gl.Account = "5000-00";
        ASSERT_TRUE(store::Table<GLMaster>(s.store()).insert(gl));
        EQHeader eq;
        eq.EquipmentID = "EQ1";
        ASSERT_TRUE(store::Table<EQHeader>(s.store()).insert(eq));
        EQCost fuel;
        fuel.EquipmentID = "EQ1";
        fuel.CostCategory = "FUEL";
        ASSERT_TRUE(store::Table<EQCost>(s.store()).insert(fuel));
        INMaster nail;
        nail.ItemID = "NAIL";
        nail.Description = "Common nail 3in";
        nail.StockUnit = "EA";
        ASSERT_TRUE(store::Table<INMaster>(s.store()).insert(nail));
        INCnvrt box;
        box.ItemID = "NAIL";
        box.UnitName = "BOX";
        box.Factor = 50;
        ASSERT_TRUE(store::Table<INCnvrt>(s.store()).insert(box));
        boxConversion = box.ConversionID;
        acmePrice = addItemVendor(7, "30.00");
        addItemVendor(1042, "28.00");
        addItemVendor(55, "31.00");
        bargainPrice = addItemVendor(9, "25.00");
        INLoc loc;
        loc.LocationID = "MAIN";
        ASSERT_TRUE(store::Table<INLoc>(s.store()).insert(loc));
        INBin bin;
        bin.LocationID = "MAIN";
        bin.BinID = "A1";
        ASSERT_TRUE(store::Table<INBin>(s.store()).insert(bin));

        po.PONumber = "1001";
        po.VendorID = 7;
        ASSERT_TRUE(store::Table<POMaster>(s.store()).insert(po));
        s.globals.CostCodeLen = 6;
        ent::registerLineProcedures(s.procedures);
        // The line form works on the lines the purchase-order form holds.
        ent::lineFormShared(s.module).openLines = &held;
    }
    void TearDown() override { ent::clearLineFormShared(s.module); }

    void addCostCode(const char* code, const char* budget, const char* committed, const char* job = "J100") {
        JCCost c;
        c.JobID = job;
        c.CostCode = code;
        c.RecordID = ent::costRecordKey(job, code, s.globals.CostCodeLen);
        c.Budget = *Money::parse(budget);
        c.Committed = *Money::parse(committed);
        ASSERT_TRUE(store::Table<JCCost>(s.store()).insert(c));
    }
    ULong addItemVendor(ULong vendor, const char* price) {
        INVendor iv;
        iv.ItemID = "NAIL";
        iv.VendorID = vendor;
        iv.VendorCatalogID = "N-" + std::to_string(vendor);
        iv.UnitName = "BOX";
        iv.Price = *Decimal<15, 4>::parse(price);
        EXPECT_TRUE(store::Table<INVendor>(s.store()).insert(iv));
        return iv.RecordID;
    }
    PODetail addLine(ULong sequence, const char* type = "G/L Account") {
        PODetail d;
        d.POID = po.POID;
        d.DetailType = type;
        d.Account = "5000-00";
        d.SequenceNo = sequence;
        hold(d);
        return d;
    }
    // A stored line, as the open purchase-order form read it.
    void hold(PODetail& d) {
        EXPECT_TRUE(store::Table<PODetail>(s.store()).insert(d));
        held.push_back(d);
    }
    // Opens the line form as the purchase-order form does.
    void request(suite::Request r, ULong number) {
        s.globals.GlobalRequest = r;
        s.globals.DecimalVariable = static_cast<double>(number);
        s.globals.GlobalResponse = suite::Response::None;
    }
    // The line as the purchase-order form now holds it.
    PODetail stored(ULong detailID) {
        for (const PODetail& d : held)
            if (d.DetailID == detailID) return d;
        ADD_FAILURE() << "no line " << detailID << " on the form";
        return PODetail();
    }
    std::int64_t lineCount() { return static_cast<std::int64_t>(held.size()); }

    TestSession s;
    POMaster po;
    std::vector<PODetail> held;
    ULong boxConversion = 0, acmePrice = 0, bargainPrice = 0;
};

}  // namespace vtl::test
