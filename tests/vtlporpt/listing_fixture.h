#pragma once
// A company with two vendors, two jobs and purchase orders made to measure
// for the listing: lines of each kind, invoices and packing slips against
// them, and limit sets to print them with.
#include <gtest/gtest.h>

#include <functional>

#include "records/records.h"
#include "support/test_session.h"
#include "vtlporpt/form_test_support.h"
#include "vtlporpt/listing/listing_data.h"

namespace vtl::test {

class ListingTest : public ::testing::Test {
protected:
    void SetUp() override {
        s.globals.UserID = "JDL";
        Systems sys;
        sys.CompanyName = "Columbia Ridge Builders";
        ASSERT_TRUE(store::Table<Systems>(s.store()).insert(sys));
        vendor(101, "Harbor Supply", "77 Harbor Way", "", "Salem", "OR", "97301");
        vendor(102, "Ames Lumber", "", "", "Portland", "OR", "97201");
        job("J100", "Riverside Clinic");
        job("J200", "Mill Creek School");
    }

    void vendor(ULong id, const char* name, const char* a1, const char* a2, const char* city, const char* state,
                const char* zip) {
        APVendor v;
        v.VendorID = id;
        v.VendorName = name;
        v.Address = a1;
        v.Address2 = a2;
        v.City = city;
        v.State = state;
        v.Zip = zip;
        ASSERT_TRUE(store::Table<APVendor>(s.store()).insert(v));
    }
    void job(const char* id, const char* name) {
        JCHeader j;
        j.JobID = id;
        j.JobName = name;
        j.Active = 1;
        ASSERT_TRUE(store::Table<JCHeader>(s.store()).insert(j));
    }

    ULong order(const char* number, ULong vendorId, const char* defaultJob, Byte reconciled = 0,
                const char* amount = "0", const char* tax = "0", const std::function<void(POMaster&)>& change = {}) {
        POMaster po;
        po.PONumber = number;
        po.VendorID = vendorId;
        po.DefaultJob = defaultJob;
        po.Reconciled = reconciled;
        po.IssueDate = Date::fromYmd(2026, 6, 2);
        po.DeliveryDate = Date::fromYmd(2026, 6, 20);
        po.POAmount = *Money::parse(amount);
        po.TaxAmount = *Money::parse(tax);
        if (change) change(po);
        EXPECT_TRUE(store::Table<POMaster>(s.store()).insert(po));
        return po.POID;
    }

    // A line of `type` for `total`, `invoiced` of it invoiced (at the line's price).
    ULong line(ULong poid, const char* type, const char* total, const char* invoiced = "0",
               const std::function<void(PODetail&)>& change = {}) {
        PODetail d;
        d.POID = poid;
        d.SequenceNo = ++sequence_;
        d.DetailType = type;
        d.ItemID = "ITEM-" + std::to_string(sequence_) + "-LONG";
        d.Description = std::string("Line ") + std::to_string(sequence_) + " " + type;
        d.QtyOrdered = Quantity(10);
        d.UnitName = "Each";
        d.TotalAmount = *Money::parse(total);
        d.UnitPrice = d.TotalAmount.toDouble() / 10;
        d.AmountInvoiced = *Money::parse(invoiced);
        if (!d.AmountInvoiced.isZero()) d.QtyInvoiced = Quantity::fromDouble(d.AmountInvoiced.toDouble() / d.UnitPrice);
        if (std::string(type) == "Job") {
            d.JobID = "J100";
            d.CostCode = "0300  MAT ";
        } else if (std::string(type) == "G/L Account") {
            d.Account = "5100-00";
        } else if (std::string(type) == "Equipment") {
            d.EquipmentID = "EQ7";
            d.CostCategory = "FUEL";
        }
        if (change) change(d);
        EXPECT_TRUE(store::Table<PODetail>(s.store()).insert(d));
        return d.DetailID;
    }
    void textLine(ULong poid, const std::string& text) {
        PODetail d;
        d.POID = poid;
        d.SequenceNo = ++sequence_;
        d.TextFlag = 1;
        d.Text = text;
        ASSERT_TRUE(store::Table<PODetail>(s.store()).insert(d));
    }
    void invoice(ULong detailId, ULong invoiceId, const char* number, const char* qty, double price, const char* amount) {
        APInv inv;
        inv.InvoiceID = invoiceId;
        inv.InvoiceNo = number;
        inv.InvoiceDate = Date::fromYmd(2026, 6, 15);
        APInv existing = inv;
        if (!store::Table<APInv>(s.store()).fetch(APInv::KeyInvoiceID, existing)) {
            ASSERT_TRUE(store::Table<APInv>(s.store()).insert(inv));
        }
        PORec r;
        r.DetailID = detailId;
        r.InvoiceID = invoiceId;
        r.QtyInvoiced = *Quantity::parse(qty);
        r.UnitPrice = price;
        r.Amount = *Money::parse(amount);
        ASSERT_TRUE(store::Table<PORec>(s.store()).insert(r));
    }
    void packSlip(ULong detailId, const char* qty) {
        PORec r;
        r.DetailID = detailId;
        r.QtyPackSlip = *Quantity::parse(qty);
        ASSERT_TRUE(store::Table<PORec>(s.store()).insert(r));
    }

    // A listing set with every state, by PO number, whole orders, both kinds.
    POLimits limits(const std::function<void(POLimits&)>& change = {}) {
        POLimits l;
        l.UserID = "JDL";
        l.Report = rpt::kListingReport;
        l.ReportTitle = "Open Orders";
        l.Unreconciled = l.PartiallyReconciled = l.FullyReconciled = 1;
        l.Sequence = "P";
        l.SortDetail = "W";
        l.SelectedRef = 3;
        l.DateLimitType = "I";
        l.Orientation = "P";
        if (change) change(l);
        EXPECT_TRUE(store::Table<POLimits>(s.store()).insert(l));
        return l;
    }
    void listValue(const POLimits& l, const char* type, const std::string& text, ULong number = 0) {
        LimList r;
        r.Owner = rpt::kLimListOwner;
        r.LimitID = l.LimitID;
        r.ListType = type;
        r.TextValue = text;
        r.NumValue = number;
        ASSERT_TRUE(store::Table<LimList>(s.store()).insert(r));
    }

    rpt::ListingData gather(const POLimits& l) {
        return rpt::gatherListing(s.store(), l, s.globals.CostCodeLen, s.clock.today());
    }
    static std::vector<std::string> numbers(const rpt::ListingData& d) {
        std::vector<std::string> out;
        for (const auto& o : d.orders) out.push_back(o.poNumber);
        return out;
    }

    TestSession s;
    FormTestMeasure measure;

private:
    ULong sequence_ = 0;
};

}  // namespace vtl::test
