// Receiving a packing slip: the slip's quantities, the over-receipt check,
// serial numbers, what a line is charged to, and the stock and purchase
// records a stock line brings in.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "records/records.h"
#include "support/test_session.h"
#include "vtlpoent/posting.h"
#include "vtlporec/procedures.h"
#include "vtlporec/reconcile_po_detail.h"
#include "vtlporec/update_po_reconcile.h"

using namespace vtl;
using namespace vtl::test;
using ui::Icon;

namespace {

class PackingSlipTest : public ::testing::Test {
protected:
    void SetUp() override {
        INMaster item;
        item.ItemID = "LBR-2X4";
        item.StockUnit = "EA";
        item.DefaultLocation = "MAIN";
        item.DefaultBin = "A1";
        item.OnOrder = Quantity(240);
        ASSERT_TRUE(store::Table<INMaster>(s.store()).insert(item));
        INCnvrt box;
        box.ItemID = "LBR-2X4";
        box.UnitName = "BDL";
        box.Factor = 24;
        ASSERT_TRUE(store::Table<INCnvrt>(s.store()).insert(box));
        INMaster saw;
        saw.ItemID = "SAW";
        saw.StockUnit = "EA";
        saw.Serialized = 1;
        ASSERT_TRUE(store::Table<INMaster>(s.store()).insert(saw));
        INItem other;  // stock of another receipt in the same bin
        other.ItemID = "LBR-2X4";
        other.LocationID = "MAIN";
        other.BinID = "A1";
        other.Quantity = Quantity(50);
        ASSERT_TRUE(store::Table<INItem>(s.store()).insert(other));
        POMaster po;
        po.PONumber = "1001";
        po.TaxAmount = *Money::parse("10.00");
        ASSERT_TRUE(store::Table<POMaster>(s.store()).insert(po));
        poid = po.POID;
        lumber = addLine("Inventory", "LBR-2X4", "BDL", 10, 48, 240);
        saws = addLine("Inventory", "SAW", "EA", 3, 150, 3);
        rec::registerRecProcedures(s.procedures);
    }
    ULong addLine(const char* type, const char* item, const char* unit, double qty, double price, double stocking) {
        PODetail d;
        d.INVQuantity = Quantity::fromDouble(stocking);
        d.POID = poid;
        d.DetailType = type;
        d.ItemID = item;
        d.UnitName = unit;
        d.QtyOrdered = Quantity::fromDouble(qty);
        d.UnitPrice = price;
        d.TotalAmount = Money::fromDouble(qty * price);
        EXPECT_TRUE(store::Table<PODetail>(s.store()).insert(d));
        return d.DetailID;
    }
    std::unique_ptr<rec::ReconcilePODetail> lineForm(ULong id) {
        s.globals.GlobalRequest = suite::Request::Change;
        s.globals.DecimalVariable = id;
        auto f = std::make_unique<rec::ReconcilePODetail>(*s);
        EXPECT_TRUE(f->open());
        return f;
    }
    PODetail stored(ULong id) {
        PODetail d;
        d.DetailID = id;
        EXPECT_TRUE(store::Table<PODetail>(s.store()).fetch(PODetail::KeyDetailID, d));
        return d;
    }
    std::string binStock() {
        INItem p;
        p.ItemID = "LBR-2X4";
        p.LocationID = "MAIN";
        p.BinID = "A1";
        EXPECT_TRUE(store::Table<INItem>(s.store()).fetch(INItem::KeyItemLocBin, p));
        return p.Quantity.toString();
    }
    INMaster item(const char* id) {
        INMaster m;
        m.ItemID = id;
        EXPECT_TRUE(store::Table<INMaster>(s.store()).fetch(INMaster::KeyItemID, m));
        return m;
    }
    int purchases(ULong detail) {
        INPurch p;
        p.PODetailID = detail;
        return static_cast<int>(store::Table<INPurch>(s.store()).count(INPurch::KeyPODetailID, p, 1));
    }
    std::vector<INPurch> purchaseRecords(ULong detail) {
        std::vector<INPurch> out;
        INPurch p;
        p.PODetailID = detail;
        for (auto c = store::Table<INPurch>(s.store()).scan(INPurch::KeyPODetailID, p, {false, 1, false}); c.next(p);)
            out.push_back(p);
        return out;
    }
    std::vector<PODetSer> serialList(ULong detail) {
        std::vector<PODetSer> out;
        PODetSer r;
        r.DetailID = detail;
        for (auto c = store::Table<PODetSer>(s.store()).scan(PODetSer::KeyDetailID, r, {false, 1, false}); c.next(r);)
            out.push_back(r);
        return out;
    }
    // Each listed serial number of the line has exactly one purchase record:
    // one unit at the line's price, keyed by serial id.
    std::map<ULong, INPurch> onePurchasePerSerial(ULong detail) {
        std::map<ULong, INPurch> bySerial;
        for (const INPurch& p : purchaseRecords(detail)) {
            EXPECT_TRUE(bySerial.emplace(p.SerialID, p).second) << "a second record for serial " << p.SerialID;
            EXPECT_EQ(p.Quantity.toString(), "1.0000") << "serial " << p.SerialID;
            EXPECT_EQ(p.Cost.toString(), "150.0000") << "serial " << p.SerialID;
        }
        const auto listed = serialList(detail);
        EXPECT_EQ(bySerial.size(), listed.size());
        for (const PODetSer& r : listed) {
            EXPECT_NE(r.SerialID, 0u) << r.SerialNo.str();
            EXPECT_EQ(bySerial.count(r.SerialID), 1u) << r.SerialNo.str();
        }
        return bySerial;
    }
    void setStored(ULong id, const std::function<void(PODetail&)>& edit) {
        PODetail d = stored(id);
        edit(d);
        ASSERT_TRUE(store::Table<PODetail>(s.store()).update(d));
    }

    TestSession s;
    ULong poid = 0, lumber = 0, saws = 0;
};

TEST_F(PackingSlipTest, ReceivingStockMovesTheBinTheItemAndThePurchaseByTheChangeOnly) {
    auto f = lineForm(lumber);
    EXPECT_EQ(f->line().LocationID, "MAIN") << "a blank place takes the item's default";
    f->setQtyThisPackSlip(Quantity(4));  // 4 bundles of 24
    ASSERT_TRUE(f->ok());
    EXPECT_EQ(binStock(), "146.0000");
    EXPECT_EQ(item("LBR-2X4").OnHand.toString(), "96.0000");
    EXPECT_EQ(item("LBR-2X4").OnOrder.toString(), "144.0000");
    EXPECT_EQ(purchases(lumber), 1);

    // Confirming the same line again within the slip posts only the difference.
    auto again = lineForm(lumber);
    again->setQtyThisPackSlip(Quantity(5));
    ASSERT_TRUE(again->ok());
    EXPECT_EQ(binStock(), "170.0000");
    EXPECT_EQ(item("LBR-2X4").TotalReceived.toString(), "120.0000");
    INPurch p;
    p.PODetailID = lumber;
    ASSERT_TRUE(store::Table<INPurch>(s.store()).fetch(INPurch::KeyPODetailID, p));
    EXPECT_EQ(p.Quantity.toString(), "120.0000") << "all the line received, in stocking units";
    EXPECT_EQ(p.Cost.toString(), "240.0000");

    // Back to nothing: the line's purchase record goes, the bin keeps the
    // other receipt's stock.
    auto none = lineForm(lumber);
    none->setQtyThisPackSlip(Quantity(0));
    ASSERT_TRUE(none->ok());
    EXPECT_EQ(binStock(), "50.0000");
    EXPECT_EQ(purchases(lumber), 0);
    EXPECT_EQ(item("LBR-2X4").OnOrder.toString(), "240.0000");
}

TEST_F(PackingSlipTest, ExactlyTheOutstandingQuantityIsTakenAndOneMoreIsRefused) {
    auto f = lineForm(lumber);
    f->setQtyThisPackSlip(Quantity(11));
    s.ui.expectTell("The total reconciled quantity is more than the ordered quantity.", "PO Over Reconciled",
                    Icon::Information);
    EXPECT_FALSE(f->ok());
    EXPECT_EQ(f->focusField(), "QtyThisPackSlip");
    EXPECT_EQ(binStock(), "50.0000") << "nothing moved";
    f->setQtyThisPackSlip(Quantity(10));
    EXPECT_TRUE(f->ok());
}

TEST_F(PackingSlipTest, SerialNumbersAreCountedAgainstTheUnitsReceived) {
    auto f = lineForm(saws);
    ASSERT_TRUE(f->serialized());
    f->setQtyThisPackSlip(Quantity(3));
    EXPECT_TRUE(f->serialListShown());
    EXPECT_FALSE(f->serialEntryShown());
    ASSERT_TRUE(f->insertSerial("S-1"));
    ASSERT_TRUE(f->insertSerial("S-2"));
    s.ui.expectTell("You must supply one serial number for each of the 3 units received.",
                    "Not Enough Serial Numbers", Icon::Information);
    EXPECT_FALSE(f->ok());
    ASSERT_TRUE(f->insertSerial("S-3"));
    ASSERT_TRUE(f->ok());
    // Each number has its inventory serial record and its purchase record.
    EXPECT_EQ(store::Table<INSerial>(s.store()).count(), 3);
    EXPECT_EQ(purchases(saws), 3);
    EXPECT_EQ(item("SAW").OnHand.toString(), "3.0000");
}

// The list is the window's until OK stores it with the rest: a cancelled
// or killed window leaves the numbers on file as they were (the crash test
// found numbers kept for goods never received). A number taken off the
// list takes its purchase record along.
TEST_F(PackingSlipTest, TheSerialListIsStoredByOkAloneAsItWasEdited) {
    auto f = lineForm(saws);
    f->setQtyThisPackSlip(Quantity(2));
    ASSERT_TRUE(f->insertSerial("S-1"));
    ASSERT_TRUE(f->insertSerial("S-2"));
    EXPECT_TRUE(serialList(saws).empty()) << "nothing is written while the list is edited";
    f->cancel();
    EXPECT_TRUE(serialList(saws).empty());

    auto g = lineForm(saws);
    g->setQtyThisPackSlip(Quantity(2));
    ASSERT_TRUE(g->insertSerial("S-1"));
    ASSERT_TRUE(g->insertSerial("S-2"));
    ASSERT_TRUE(g->ok());
    ASSERT_EQ(serialList(saws).size(), 2u);

    auto h = lineForm(saws);
    EXPECT_EQ(h->serials(), (std::vector<std::string>{"S-1", "S-2"}));
    ASSERT_TRUE(h->changeSerial(0, "S-1A"));
    ASSERT_TRUE(h->deleteSerial(1));
    ASSERT_TRUE(h->insertSerial("S-3"));
    EXPECT_EQ(serialList(saws)[0].SerialNo.clip(), "S-1");
    ASSERT_TRUE(h->ok());
    std::vector<std::string> names;
    for (const PODetSer& r : serialList(saws)) names.push_back(r.SerialNo.clip());
    EXPECT_EQ(names, (std::vector<std::string>{"S-1A", "S-3"}));
    EXPECT_EQ(onePurchasePerSerial(saws).size(), 2u);
}

TEST_F(PackingSlipTest, MoreSerialNumbersThanUnitsAreRefusedCountingTheEarlierSlips) {
    const ULong line = addLine("Inventory", "SAW", "EA", 12, 150, 12);
    setStored(line, [](PODetail& d) { d.QtyRcvdNotInvoiced = Quantity(4); });
    auto f = lineForm(line);
    f->setQtyThisPackSlip(Quantity(6));
    for (int i = 1; i <= 11; ++i) ASSERT_TRUE(f->insertSerial("S-" + std::to_string(i)));
    const int beeps = s.ui.beeps();
    s.ui.expectTell("You must supply only one serial number for each of the 10 units received.",
                    "Too Many Serial Numbers", Icon::Information);
    EXPECT_FALSE(f->ok());
    EXPECT_EQ(s.ui.beeps(), beeps + 1);
    EXPECT_EQ(f->focusField(), "QtyThisPackSlip");
    EXPECT_FALSE(f->done());
    EXPECT_TRUE(stored(line).QtyThisPackSlip.isZero()) << "a refused check keeps nothing";
    EXPECT_EQ(store::Table<INSerial>(s.store()).count(), 0);
    EXPECT_EQ(purchases(line), 0);

    ASSERT_TRUE(f->deleteSerial(10));
    ASSERT_TRUE(f->ok());
    EXPECT_EQ(stored(line).QtyThisPackSlip.toString(), "6.0000");
}

TEST_F(PackingSlipTest, SerialUnitsGetOnePurchaseRecordEachAndOnesOnFileTakeTheUnitPrice) {
    setStored(saws, [](PODetail& d) {
        d.LocationID = "MAIN";
        d.BinID = "B2";
    });
    // S-1 came in before: its serial record and a purchase record of this
    // line are on file, the purchase at an older cost.
    INSerial known;
    known.SerialNo = "S-1";
    ASSERT_TRUE(store::Table<INSerial>(s.store()).insert(known));
    PODetSer listed;
    listed.DetailID = saws;
    listed.SerialNo = "S-1";
    listed.SerialID = known.SerialID;
    ASSERT_TRUE(store::Table<PODetSer>(s.store()).insert(listed));
    INPurch earlier;
    earlier.ItemID = "SAW";
    earlier.SerialID = known.SerialID;
    earlier.LocationID = "YARD";
    earlier.Quantity = Quantity(1);
    earlier.Cost = *Decimal<15, 4>::parse("99");
    earlier.PODetailID = saws;
    ASSERT_TRUE(store::Table<INPurch>(s.store()).insert(earlier));

    auto f = lineForm(saws);
    f->setQtyThisPackSlip(Quantity(3));
    ASSERT_TRUE(f->insertSerial("S-2"));
    ASSERT_TRUE(f->insertSerial("S-3"));
    ASSERT_TRUE(f->ok());

    auto bySerial = onePurchasePerSerial(saws);
    ASSERT_EQ(bySerial.size(), 3u);
    const INPurch& kept = bySerial[known.SerialID];
    EXPECT_EQ(kept.RecordID, earlier.RecordID);
    EXPECT_EQ(kept.LocationID, "YARD") << "only the cost of a record on file is set";
    for (const PODetSer& r : serialList(saws)) {
        if (r.SerialID == known.SerialID) continue;
        const INPurch& added = bySerial[r.SerialID];
        EXPECT_EQ(added.ItemID, "SAW");
        EXPECT_EQ(added.UnitName, "EA");
        EXPECT_EQ(added.UnitPrice, 150.0);
        EXPECT_EQ(added.LocationID, "MAIN");
        EXPECT_EQ(added.BinID, "B2");
        EXPECT_EQ(added.PODetailID, saws);
    }
}

TEST_F(PackingSlipTest, ConfirmingASerialLineAgainNeitherDoublesNorMergesItsPurchaseRecords) {
    const ULong line = addLine("Inventory", "SAW", "EA", 5, 150, 5);
    auto first = lineForm(line);
    first->setQtyThisPackSlip(Quantity(2));
    ASSERT_TRUE(first->insertSerial("S-1"));
    ASSERT_TRUE(first->insertSerial("S-2"));
    ASSERT_TRUE(first->ok());
    EXPECT_EQ(onePurchasePerSerial(line).size(), 2u);

    // Two more on the same slip: the two on file are not written again.
    auto more = lineForm(line);
    more->setQtyThisPackSlip(Quantity(4));
    ASSERT_TRUE(more->insertSerial("S-3"));
    ASSERT_TRUE(more->insertSerial("S-4"));
    ASSERT_TRUE(more->ok());
    EXPECT_EQ(onePurchasePerSerial(line).size(), 4u);

    // Opened and confirmed as it is.
    auto same = lineForm(line);
    ASSERT_TRUE(same->ok());
    EXPECT_EQ(onePurchasePerSerial(line).size(), 4u);
    EXPECT_EQ(item("SAW").OnHand.toString(), "4.0000");
}

TEST_F(PackingSlipTest, OneSerializedUnitNeedsItsSerialNumber) {
    auto f = lineForm(saws);
    f->setQtyThisPackSlip(Quantity(1));
    EXPECT_TRUE(f->serialEntryShown());
    s.ui.expectTell("You must supply a serial number for serialized inventory.", "No Serial Number",
                    Icon::Information);
    EXPECT_FALSE(f->ok());
    EXPECT_EQ(f->focusField(), "SerialNo");
    f->setSerialNo("SN-77");
    ASSERT_TRUE(f->ok());
    INSerial serial;
    serial.SerialID = stored(saws).SerialID;
    ASSERT_TRUE(store::Table<INSerial>(s.store()).fetch(INSerial::KeySerialID, serial));
    EXPECT_EQ(serial.SerialNo, "SN-77");
}

TEST_F(PackingSlipTest, ALineNamesWhatItIsChargedToOrNothingWhenItsCodeIsNotOnFile) {
    s.globals.CostCodeLen = 6;
    GLMaster g;
    g.Account = "5100";
    g.Description = "Small Tools";
    ASSERT_TRUE(store::Table<GLMaster>(s.store()).insert(g));
    JCHeader job;
    job.JobID = "2502";
    job.JobName = "Salmon Creek Duplexes";
    ASSERT_TRUE(store::Table<JCHeader>(s.store()).insert(job));
    const auto addCode = [&](const char* jobId, const char* code, const char* description) {
        JCCost c;
        c.JobID = jobId;
        c.CostCode = code;
        c.RecordID = ent::costRecordKey(jobId, code, 6);
        c.Description = description;
        ASSERT_TRUE(store::Table<JCCost>(s.store()).insert(c));
    };
    addCode("2502", "010100LAB ", "Framing Labor");
    addCode("2600", "020000MAT ", "Concrete");  // another job's code
    EQHeader excavator;
    excavator.EquipmentID = "EX-12";
    excavator.EquipmentName = "Excavator 12";
    ASSERT_TRUE(store::Table<EQHeader>(s.store()).insert(excavator));
    const auto addCategory = [&](const char* equipment, const char* category, const char* description) {
        EQCost c;
        c.EquipmentID = equipment;
        c.CostCategory = category;
        c.Description = description;
        ASSERT_TRUE(store::Table<EQCost>(s.store()).insert(c));
    };
    addCategory("EX-12", "FUEL", "Fuel and Oil");
    addCategory("EX-14", "REPAIR", "Repairs");  // another machine's category

    const auto charged = [&](const char* type, const std::function<void(PODetail&)>& to) {
        const ULong id = addLine(type, "", "EA", 1, 10, 0);
        setStored(id, to);
        auto f = lineForm(id);
        return std::pair<std::string, std::string>(f->distribution1(), f->distribution2());
    };
    using Lines = std::pair<std::string, std::string>;
    EXPECT_EQ(charged("G/L Account", [](PODetail& d) { d.Account = "5100"; }),
              (Lines{"Account 5100 (Small Tools)", ""}));
    EXPECT_EQ(charged("G/L Account", [](PODetail& d) { d.Account = "5999"; }), (Lines{"", ""}));
    EXPECT_EQ(charged("Job",
                      [](PODetail& d) {
                          d.JobID = "2502";
                          d.CostCode = "010100LAB ";
                      }),
              (Lines{"Job 2502 (Salmon Creek Duplexes)", "Cost Code 010100LAB (Framing Labor)"}));
    EXPECT_EQ(charged("Job",
                      [](PODetail& d) {
                          d.JobID = "2502";
                          d.CostCode = "020000MAT ";
                      }),
              (Lines{"", ""}));
    EXPECT_EQ(charged("Equipment",
                      [](PODetail& d) {
                          d.EquipmentID = "EX-12";
                          d.CostCategory = "FUEL";
                      }),
              (Lines{"Equipment EX-12 (Excavator 12)", "Cost Category FUEL (Fuel and Oil)"}));
    EXPECT_EQ(charged("Equipment",
                      [](PODetail& d) {
                          d.EquipmentID = "EX-12";
                          d.CostCategory = "REPAIR";
                      }),
              (Lines{"", ""}));
}

TEST_F(PackingSlipTest, ClosingTheOrderEndsTheSlipEvenOnCancel) {
    s.views.set<rec::UpdatePOReconcile>([this](rec::UpdatePOReconcile& form) {
        EXPECT_EQ(form.rows().size(), 2u);
        s.views.set<rec::ReconcilePODetail>([](rec::ReconcilePODetail& line) {
            line.setQtyThisPackSlip(Quantity(4));
            EXPECT_TRUE(line.ok());
        });
        form.highlight(0);
        form.changeLine();
        EXPECT_EQ(form.rows()[0].cells[5], "4.00");
        EXPECT_EQ(form.header().POAmount.toString(), "940.00");  // 480 + 450 + tax 10
        form.cancel();
    });
    s.globals.GlobalRequest = suite::Request::Change;
    s.globals.DecimalVariable = poid;
    ASSERT_TRUE((*s).call("UpdatePOReconcile"));
    const PODetail d = stored(lumber);
    EXPECT_TRUE(d.QtyThisPackSlip.isZero());
    EXPECT_EQ(d.QtyRcvdNotInvoiced.toString(), "4.0000");
    EXPECT_EQ(s.globals.GlobalResponse, suite::Response::Cancelled);
    EXPECT_EQ(item("LBR-2X4").OnOrder.toString(), "144.0000") << "the slip's end moves no figure";
}

// A program stopped after a line's receipt and before the slip was closed:
// the goods are in stock, so the next opening counts them as an earlier
// slip's and starts the new slip empty.
TEST_F(PackingSlipTest, ASlipLeftOpenIsClosedWhenTheOrderIsOpenedAgain) {
    auto f = lineForm(lumber);
    f->setQtyThisPackSlip(Quantity(4));
    ASSERT_TRUE(f->ok());
    s.views.set<rec::UpdatePOReconcile>([](rec::UpdatePOReconcile& form) {
        EXPECT_EQ(form.rows()[0].cells[4], "4.00");
        EXPECT_EQ(form.rows()[0].cells[5], "0.00");
        form.ok();
    });
    s.globals.GlobalRequest = suite::Request::Change;
    s.globals.DecimalVariable = poid;
    ASSERT_TRUE((*s).call("UpdatePOReconcile"));
    EXPECT_EQ(stored(lumber).QtyRcvdNotInvoiced.toString(), "4.0000");
    EXPECT_EQ(item("LBR-2X4").OnOrder.toString(), "144.0000");
    EXPECT_EQ(binStock(), "146.0000");
}

TEST_F(PackingSlipTest, ViewingTheOrderWritesNothing) {
    auto f = lineForm(lumber);
    f->setQtyThisPackSlip(Quantity(2));
    ASSERT_TRUE(f->ok());
    s.views.set<rec::UpdatePOReconcile>([](rec::UpdatePOReconcile& form) {
        EXPECT_EQ(form.caption(), "View Record");
        form.ok();
    });
    s.globals.GlobalRequest = suite::Request::View;
    s.globals.DecimalVariable = poid;
    ASSERT_TRUE((*s).call("UpdatePOReconcile"));
    EXPECT_EQ(stored(lumber).QtyThisPackSlip.toString(), "2.0000") << "the slip being entered stays as it is";
}

TEST_F(PackingSlipTest, InsertAndDeleteRequestsAreRefused) {
    s.globals.GlobalRequest = suite::Request::Insert;
    s.globals.DecimalVariable = lumber;
    s.ui.expectTell("A purchase-order line is reconciled by changing it; it cannot be added or deleted here.",
                    "ReconcilePODetail", Icon::Error);
    ASSERT_TRUE((*s).call("ReconcilePODetail"));
    EXPECT_EQ(s.globals.GlobalResponse, suite::Response::Cancelled);
}

}  // namespace
