// The demo company: its running figures agree with its purchase-order lines,
// its orders are consistent with their lines and invoices, it holds the
// awkward cases a user should meet, and a failed write leaves nothing behind.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "commands/dump.h"
#include "demo/demo_data.h"
#include "demo/demo_support.h"
#include "records/database.h"
#include "records/reconciliation.h"
#include "records/records.h"
#include "support/temp_dir.h"

namespace vtl {
namespace {

template <class R>
std::vector<R> rows(store::Store& s, int key = 0) {
    store::Table<R> t(s);
    std::vector<R> v;
    R r;
    for (auto c = t.all(key); c.next(r);) v.push_back(r);
    return v;
}

Money openAmount(const PODetail& d) {
    return Money::fromDouble(d.TotalAmount.toDouble() - d.QtyInvoiced.toDouble() * d.UnitPrice);
}

// As the store keeps it: clipped of the cost type's trailing spaces.
std::string costKeyOf(const PODetail& d) {
    return Text<24>(demo::costRecordKey(d.JobID.clip(), d.CostCode.clip(), demo::kCostCodeLength)).clip();
}

// One demo company, loaded once and only read by the cases below.
class DemoCompany : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new test::TempDir;
        auto db = createDataFolder(dir_->path() + "/demo");
        ASSERT_TRUE(db) << db.error;
        store_ = db.store.release();
        loaded_ = demo::load(*store_, error_);
    }
    static void TearDownTestSuite() {
        delete store_;
        delete dir_;
    }
    void SetUp() override {
        ASSERT_NE(store_, nullptr);
        ASSERT_TRUE(loaded_) << error_;
        lines = rows<PODetail>(*store_, PODetail::KeyPOID);
        orders = rows<POMaster>(*store_, POMaster::KeyPOID);
        for (const auto& d : lines) linesOf[d.POID].push_back(d);
    }
    store::Store& db() { return *store_; }

    std::vector<PODetail> lines;
    std::vector<POMaster> orders;
    std::map<ULong, std::vector<PODetail>> linesOf;

private:
    static inline test::TempDir* dir_ = nullptr;
    static inline store::Store* store_ = nullptr;
    static inline bool loaded_ = false;
    static inline std::string error_;
};

// ---------------------------------------------------------------------------
// The running figures of the other ledgers

TEST_F(DemoCompany, CommittedCostOfEveryCostCodeIsTheOpenAmountOfItsJobLines) {
    std::map<std::string, Money> expected;
    std::set<std::string> costKeys;
    for (const auto& c : rows<JCCost>(db())) costKeys.insert(c.RecordID.clip());
    for (const auto& d : lines) {
        if (!(d.DetailType == "Job")) continue;
        EXPECT_EQ(costKeys.count(costKeyOf(d)), 1u) << "line " << d.DetailID << " charges a cost code that is missing";
        expected[costKeyOf(d)] += openAmount(d);
    }
    int open = 0;
    for (const auto& c : rows<JCCost>(db())) {
        EXPECT_EQ(c.Committed, expected[c.RecordID.clip()]) << c.RecordID.str();
        if (!c.Committed.isZero()) ++open;
    }
    EXPECT_GE(open, 10) << "the open orders should commit money to many cost codes";
}

TEST_F(DemoCompany, OnOrderOfEveryItemIsTheOpenQuantityOfItsInventoryLines) {
    std::map<std::string, Quantity> expected;
    bool converted = false;
    for (const auto& d : lines) {
        if (!(d.DetailType == "Inventory")) continue;
        EXPECT_EQ(d.INVQuantity, openInventoryQuantity(db(), d)) << "line " << d.DetailID;
        expected[d.ItemID.clip()] += d.INVQuantity;
        INMaster item;
        item.ItemID = d.ItemID;
        ASSERT_TRUE(store::Table<INMaster>(db()).fetch(INMaster::KeyItemID, item)) << d.ItemID.str();
        if (!(d.UnitName == item.StockUnit) && d.INVQuantity > d.QtyOrdered - d.QtyInvoiced) converted = true;
    }
    EXPECT_TRUE(converted) << "some open inventory line should be ordered in a bulk unit";
    int onOrder = 0;
    for (const auto& item : rows<INMaster>(db())) {
        EXPECT_EQ(item.OnOrder, expected[item.ItemID.clip()]) << item.ItemID.str();
        if (!item.OnOrder.isZero()) ++onOrder;
    }
    EXPECT_GE(onOrder, 5);
}

TEST_F(DemoCompany, OnHandOfEveryItemIsItsStockAtItsPlaces) {
    std::map<std::string, Quantity> stock;
    std::set<std::pair<std::string, std::string>> bins;
    for (const auto& b : rows<INBin>(db())) bins.insert({b.LocationID.clip(), b.BinID.clip()});
    for (const auto& s : rows<INItem>(db())) {
        stock[s.ItemID.clip()] += s.Quantity;
        EXPECT_EQ(bins.count({s.LocationID.clip(), s.BinID.clip()}), 1u) << s.ItemID.str();
    }
    for (const auto& item : rows<INMaster>(db())) {
        EXPECT_EQ(item.OnHand, stock[item.ItemID.clip()]) << item.ItemID.str();
        EXPECT_EQ(bins.count({item.DefaultLocation.clip(), item.DefaultBin.clip()}), 1u) << item.ItemID.str();
    }
}

TEST(DemoCostRecordKey, PadsTheCodeAndTheTypeToFixedPlaces) {
    EXPECT_EQ(demo::costRecordKey("J100", "010100LAB", 6), "J100      010100    LAB ");
    EXPECT_EQ(demo::costRecordKey("J100", "0101LAB", 4), "J100      0101      LAB ");
    EXPECT_EQ(demo::costRecordKey("2601", "033000", 6), "2601      033000        ");
}

TEST_F(DemoCompany, EveryCostRecordIsKeyedByItsJobAndCostCode) {
    for (const auto& c : rows<JCCost>(db())) {
        EXPECT_EQ(c.RecordID, demo::costRecordKey(c.JobID.clip(), c.CostCode.clip(), demo::kCostCodeLength));
        EXPECT_EQ(c.CostCode.clip().size(), 9u) << c.RecordID.str();
        EXPECT_GT(c.Budget, Money(0)) << c.RecordID.str();
    }
}

// ---------------------------------------------------------------------------
// Orders and their lines

TEST_F(DemoCompany, LineAmountsAndHeaderTotalsAgree) {
    for (const auto& po : orders) {
        const auto& ls = linesOf[po.POID];
        ASSERT_FALSE(ls.empty()) << "order " << po.PONumber.str();
        Money preTax, taxable, amountInvoiced;
        Quantity qtyInvoiced;
        for (std::size_t i = 0; i < ls.size(); ++i) {
            const auto& d = ls[i];
            EXPECT_EQ(d.SequenceNo, i + 1) << "order " << po.PONumber.str();
            if (d.TextFlag) {
                EXPECT_TRUE(d.QtyOrdered.isZero());
                EXPECT_TRUE(d.TotalAmount.isZero());
                EXPECT_FALSE(d.Text.blank());
            } else {
                EXPECT_EQ(d.TotalAmount, Money::fromDouble(d.QtyOrdered.toDouble() * d.UnitPrice)) << d.DetailID;
                EXPECT_GT(d.TotalAmount, Money(0)) << d.DetailID;
            }
            preTax += d.TotalAmount;
            if (d.Taxable == 1) taxable += d.TotalAmount;
            qtyInvoiced += d.QtyInvoiced;
            amountInvoiced += d.AmountInvoiced;
        }
        EXPECT_EQ(po.PreTaxAmount, preTax) << po.PONumber.str();
        EXPECT_EQ(po.TaxAmount, Money::fromDouble(po.TaxRate * taxable.toDouble() / 100)) << po.PONumber.str();
        EXPECT_EQ(po.POAmount, po.PreTaxAmount + po.TaxAmount) << po.PONumber.str();
        EXPECT_EQ(po.QuantityReconciled, Money::from(qtyInvoiced)) << po.PONumber.str();
        EXPECT_EQ(po.AmountReconciled, amountInvoiced) << po.PONumber.str();
    }
}

TEST_F(DemoCompany, EveryLineBelongsToAnOrderAndPONumbersAreUnique) {
    std::set<ULong> poids;
    for (const auto& po : orders) poids.insert(po.POID);
    for (const auto& d : lines) EXPECT_EQ(poids.count(d.POID), 1u) << "line " << d.DetailID;

    std::set<std::string> numbers;
    ULong highest = 0;
    int blank = 0;
    for (const auto& po : orders) {
        if (po.PONumber.blank()) {
            ++blank;
            continue;
        }
        EXPECT_TRUE(numbers.insert(po.PONumber.clip()).second) << "PO number used twice: " << po.PONumber.str();
        const std::string n = po.PONumber.clip();
        if (n.find_first_not_of("0123456789") == std::string::npos) highest = std::max<ULong>(highest, std::stoul(n));
    }
    EXPECT_GE(orders.size(), 35u);
    EXPECT_EQ(blank, 1);
    const auto sys = rows<Systems>(db());
    ASSERT_EQ(sys.size(), 1u);
    EXPECT_EQ(sys[0].AutoNumberPOs, 1);
    EXPECT_EQ(sys[0].NextPONumber, highest + 1) << "the next number sits just above the highest one used";
}

TEST_F(DemoCompany, EveryReconciliationStateOccursAndFollowsItsLines) {
    std::map<int, int> count;
    for (const auto& po : orders) {
        ++count[po.Reconciled];
        std::vector<Byte> states;
        bool allInvoiced = true;
        for (const auto& d : linesOf[po.POID]) {
            states.push_back(d.Reconciliation);
            if (!d.TextFlag && d.QtyInvoiced < d.QtyOrdered) allInvoiced = false;
            if (!d.TextFlag) {
                EXPECT_EQ(d.Reconciliation, lineReconciliation(d)) << "line " << d.DetailID;
            }
            if (po.Reconciled == kFullyReconciled) {
                EXPECT_TRUE(openAmount(d).isZero()) << "line " << d.DetailID << " of a closed order is still open";
                EXPECT_TRUE(d.INVQuantity.isZero()) << "line " << d.DetailID;
            }
        }
        EXPECT_EQ(po.Reconciled, orderReconciliation(states)) << po.PONumber.str();
        // Text lines close with the order; they never hold it open.
        EXPECT_EQ(po.Reconciled == kFullyReconciled, allInvoiced) << po.PONumber.str();

        const bool full = po.Reconciled == kFullyReconciled;
        EXPECT_EQ(po.RecTF, full ? 1 : 0) << po.PONumber.str();
        EXPECT_EQ(po.SortVendorID, full ? 0u : po.VendorID) << po.PONumber.str();
        EXPECT_EQ(po.SortPONumber, full ? Text<15>() : po.PONumber) << po.PONumber.str();
    }
    EXPECT_GE(count[kUnreconciled], 5);
    EXPECT_GE(count[kPartiallyReconciled], 5);
    EXPECT_GE(count[kFullyReconciled], 5);
}

TEST_F(DemoCompany, InvoicesAndReconciliationHistoryAccountForTheInvoicedQuantities) {
    std::map<ULong, APInv> invoices;
    for (const auto& inv : rows<APInv>(db())) invoices[inv.InvoiceID] = inv;
    std::map<ULong, Money> billedOnOrder;
    for (const auto& ad : rows<APDetail>(db())) billedOnOrder[invoices.at(ad.InvoiceID).POID] += ad.Amount;
    std::map<ULong, Quantity> invoicedQty, slipQty;
    std::map<ULong, Money> invoicedAmount;
    std::map<ULong, ULong> orderOfLine;
    for (const auto& d : lines) orderOfLine[d.DetailID] = d.POID;
    for (const auto& r : rows<PORec>(db())) {
        if (r.InvoiceID == 0) {
            slipQty[r.DetailID] += r.QtyPackSlip;
            continue;
        }
        ASSERT_EQ(invoices.count(r.InvoiceID), 1u);
        EXPECT_EQ(invoices[r.InvoiceID].POID, orderOfLine[r.DetailID]) << "history of line " << r.DetailID;
        invoicedQty[r.DetailID] += r.QtyInvoiced;
        invoicedAmount[r.DetailID] += r.Amount;
    }
    int received = 0;
    for (const auto& d : lines) {
        EXPECT_EQ(invoicedQty[d.DetailID], d.QtyInvoiced) << "line " << d.DetailID;
        EXPECT_EQ(invoicedAmount[d.DetailID], d.AmountInvoiced) << "line " << d.DetailID;
        EXPECT_EQ(slipQty[d.DetailID], d.QtyRcvdNotInvoiced) << "line " << d.DetailID;
        if (!d.QtyRcvdNotInvoiced.isZero()) ++received;
    }
    EXPECT_GE(received, 3);
    int unposted = 0;
    for (const auto& po : orders) {
        EXPECT_EQ(billedOnOrder[po.POID], po.AmountReconciled) << po.PONumber.str();
        for (const auto& [id, inv] : invoices) {
            if (inv.POID != po.POID || inv.Posted) continue;
            ++unposted;
            EXPECT_NE(po.Reconciled, kFullyReconciled) << "an unposted invoice should hold an open order";
        }
    }
    EXPECT_EQ(unposted, 1);
}

TEST_F(DemoCompany, OrdersShipToEveryKindOfPlace) {
    std::map<std::string, int> kinds;
    for (const auto& po : orders) {
        ++kinds[po.ShipToType.clip()];
        EXPECT_FALSE(po.ShipToName.blank()) << po.PONumber.str();
        EXPECT_FALSE(po.ShipToCity.blank()) << po.PONumber.str();
        if (po.ShipToType == "Job") {
            JCHeader job;
            job.JobID = po.ShipToJob;
            ASSERT_TRUE(store::Table<JCHeader>(db()).fetch(JCHeader::KeyJobID, job)) << po.PONumber.str();
            EXPECT_EQ(po.ShipToName, job.JobName);
            EXPECT_EQ(po.ShipToAddress1, job.Address);
        }
        if (po.ShipToType == "Customer") {
            ARCust c;
            c.CustomerID = po.ShipToCustomer;
            EXPECT_TRUE(store::Table<ARCust>(db()).fetch(ARCust::KeyCustomerID, c)) << po.PONumber.str();
        }
        if (po.ShipToType == "Vendor") {
            APVendor v;
            v.VendorID = po.ShipToVendor;
            EXPECT_TRUE(store::Table<APVendor>(db()).fetch(APVendor::KeyVendorID, v)) << po.PONumber.str();
        }
    }
    for (const char* k : {"Job", "Company", "Vendor", "Customer", "Other"}) EXPECT_GE(kinds[k], 1) << k;
}

TEST_F(DemoCompany, LinesChargeEveryKindOfTarget) {
    std::map<std::string, int> kinds;
    int text = 0;
    for (const auto& d : lines) {
        if (d.TextFlag) ++text;
        else ++kinds[d.DetailType.clip()];
    }
    for (const char* k : {"Job", "G/L Account", "Equipment", "Inventory"}) EXPECT_GE(kinds[k], 3) << k;
    EXPECT_GE(text, 3);
}

// ---------------------------------------------------------------------------
// The parties and jobs a user meets

TEST_F(DemoCompany, HoldsInactiveVendorsAndAVendorStoredLastNameFirst) {
    int inactive = 0;
    bool smith = false;
    for (const auto& v : rows<APVendor>(db())) {
        if (!v.Active) ++inactive;
        if (v.VendorName == "Smith; John") smith = true;
    }
    EXPECT_EQ(inactive, 2);
    EXPECT_TRUE(smith);
    int withEmail = 0;
    for (const auto& c : rows<Contact>(db())) {
        APVendor v;
        v.VendorID = c.VendorID;
        EXPECT_TRUE(store::Table<APVendor>(db()).fetch(APVendor::KeyVendorID, v)) << c.Email.str();
        if (c.Email.clip().find('@') != std::string::npos) ++withEmail;
    }
    EXPECT_GE(withEmail, 5);
}

TEST_F(DemoCompany, HoldsAClosedAndAnInactiveJob) {
    int closed = 0, inactive = 0;
    for (const auto& j : rows<JCHeader>(db())) {
        if (j.Closed == 1) ++closed;
        if (j.Active == 0) ++inactive;
    }
    EXPECT_GE(closed, 1);
    EXPECT_GE(inactive, 1);
    int lockedOut = 0;
    for (const auto& u : rows<UserFile>(db()))
        if (!u.MayChangePONumber) ++lockedOut;
    EXPECT_EQ(rows<UserFile>(db()).size(), 3u);
    EXPECT_EQ(lockedOut, 1);
}

// ---------------------------------------------------------------------------
// Loading

std::string dumpAll(const std::string& folder) {
    std::ostringstream out, err;
    for (const auto* r : allRecords()) cli::dumpCommand(r->name, folder, out, err);
    return out.str() + err.str();
}

TEST(DemoLoad, GivesTheSameRecordsEveryTime) {
    test::TempDir dir;
    for (const char* name : {"/a", "/b"}) {
        auto db = createDataFolder(dir.path() + name);
        ASSERT_TRUE(db) << db.error;
        std::string error;
        ASSERT_TRUE(demo::load(*db.store, error)) << error;
    }
    const std::string a = dumpAll(dir.path() + "/a");
    EXPECT_GT(a.size(), 10000u);
    EXPECT_EQ(a, dumpAll(dir.path() + "/b"));
}

struct RefusedWrite {
    const char* file;
    const char* event;      // "INSERT" or "UPDATE"
    const char* operation;  // the words the store puts after its error text
};

void PrintTo(const RefusedWrite& w, std::ostream* os) { *os << w.event << " into " << w.file; }

class DemoLoadRefused : public ::testing::TestWithParam<RefusedWrite> {};

TEST_P(DemoLoadRefused, ReturnsTheStoreErrorAndLeavesTheDatabaseEmpty) {
    const RefusedWrite& w = GetParam();
    test::TempDir dir;
    auto db = createDataFolder(dir.path() + "/demo");
    ASSERT_TRUE(db) << db.error;
    ASSERT_TRUE(db.store->exec(std::string("CREATE TRIGGER refuse BEFORE ") + w.event + " ON " +
                                            w.file + " BEGIN SELECT RAISE(ABORT, 'disk is full'); END"));
    std::string error;
    EXPECT_FALSE(demo::load(*db.store, error));
    EXPECT_EQ(error, std::string("disk is full ") + w.operation + " " + w.file);
    for (const auto* r : allRecords()) EXPECT_EQ(db.store->core(*r).count(), 0) << r->name;
}

INSTANTIATE_TEST_SUITE_P(Files, DemoLoadRefused,
                         ::testing::Values(RefusedWrite{"Systems", "INSERT", "Inserting"},
                                           RefusedWrite{"APVendor", "INSERT", "Inserting"},
                                           RefusedWrite{"PODetail", "INSERT", "Inserting"},
                                           RefusedWrite{"PORec", "INSERT", "Inserting"},
                                           RefusedWrite{"Notes", "INSERT", "Inserting"},
                                           RefusedWrite{"JCCost", "UPDATE", "Saving"},
                                           RefusedWrite{"INMaster", "UPDATE", "Saving"}),
                         [](const auto& info) { return std::string(info.param.file) + info.param.event; });

}  // namespace
}  // namespace vtl
