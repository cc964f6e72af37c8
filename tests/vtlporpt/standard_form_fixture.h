#pragma once
// A data folder with a company, a vendor and a job; print work rows and
// lines made to measure, and the standard form run over them.
#include <gtest/gtest.h>

#include <functional>

#include "records/records.h"
#include "support/test_session.h"
#include "vtlporpt/form_test_support.h"
#include "vtlporpt/print_shared.h"
#include "vtlporpt/standard_form.h"

namespace vtl::test {

class StandardFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        rpt::clearPrintShared(s.module);
        s.globals.UserID = "JDL";
        Systems sys;
        sys.CompanyName = "Columbia Ridge Builders";
        sys.CompanyAddress1 = "4410 Mill Plain Blvd";
        sys.CompanyCity = "Vancouver";
        sys.CompanyState = "WA";
        sys.CompanyZip = "98661";
        sys.CompanyPhone = "360-555-0100";
        sys.GSTLabel = "GST";
        ASSERT_TRUE(store::Table<Systems>(s.store()).insert(sys));
        APVendor v;
        v.VendorID = 101;
        v.VendorName = "Smith; John";
        v.Address = "77 Harbor Way";
        v.City = "Salem";
        v.State = "OR";
        v.Zip = "97301";
        v.Phone = "503-555-0142";
        v.Fax = "503-555-0143";
        ASSERT_TRUE(store::Table<APVendor>(s.store()).insert(v));
        JCHeader j;
        j.JobID = "J100";
        j.JobName = "Riverside Clinic";
        ASSERT_TRUE(store::Table<JCHeader>(s.store()).insert(j));
    }
    void TearDown() override { rpt::clearPrintShared(s.module); }

    // "CanadianTax = 1, GSTLabel = 'HST'"
    void changeSystems(const std::string& assignments) {
        ASSERT_TRUE(s.store().exec("UPDATE Systems SET " + assignments));
    }

    // A row of the print work file for the current user, changed by `change`.
    ULong addRow(const char* number, ULong poid, const std::function<void(POPrint&)>& change = {}) {
        POPrint row;
        row.UserID = s.globals.UserID;
        row.POID = poid;
        row.PONumber = number;
        row.VendorID = 101;
        row.IssueDate = Date::fromYmd(2026, 6, 30);
        if (change) change(row);
        EXPECT_TRUE(store::Table<POPrint>(s.store()).insert(row));
        return row.RecordID;
    }
    POPrint storedRow(ULong recordId) {
        POPrint row;
        row.RecordID = recordId;
        EXPECT_TRUE(store::Table<POPrint>(s.store()).fetch(POPrint::KeyRecordID, row));
        return row;
    }

    // An item line: 1 each at `amount`, its ID `item`, its description "Part " + item.
    void addItem(ULong poid, const std::string& item, bool taxable = true, const char* catalog = "",
                 const char* amount = "10.00") {
        PODetail d;
        d.POID = poid;
        d.SequenceNo = ++sequence_;
        d.ItemID = item;
        d.Description = "Part " + item;
        d.QtyOrdered = Quantity(1);
        d.UnitName = "Each";
        d.UnitPrice = Money::parse(amount)->toDouble();
        d.TotalAmount = *Money::parse(amount);
        d.Taxable = taxable ? 1 : 0;
        d.VendorCatalogID = catalog;
        ASSERT_TRUE(store::Table<PODetail>(s.store()).insert(d));
    }
    void addText(ULong poid, const std::string& text) {
        PODetail d;
        d.POID = poid;
        d.SequenceNo = ++sequence_;
        d.TextFlag = 1;
        d.Text = text;
        ASSERT_TRUE(store::Table<PODetail>(s.store()).insert(d));
    }

    rpt::StandardFormRun print(const rpt::PrintProgress& progress = {}) {
        return rpt::PrintPurchaseOrderStandard(*s, measure).run(progress);
    }
    rpt::PrintShared& shared() { return rpt::printShared(s.module); }

    TestSession s;
    FormTestMeasure measure;

private:
    ULong sequence_ = 0;
};

}  // namespace vtl::test
