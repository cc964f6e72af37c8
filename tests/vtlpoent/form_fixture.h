#pragma once
// A small company for the purchase-order form tests, and a scripted line
// form standing in for "UpdatePODetail" on the form's lines: Insert adds the
// next queued line to the order it is handed, Change applies the queued edit
// to the line it is handed, Delete removes it.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>

#include "records/records.h"
#include "support/test_session.h"
#include "vtlpoent/form/update_po_master.h"
#include "vtlpoent/line/line_form.h"
#include "vtlpoent/posting.h"

namespace vtl::test {

class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        addVendor(123, "Cascade Lumber");
        addVendor(7, "Acme Supply");
        addVendor(8, "Acorn Hardware");
        addVendor(9, "ACE Rentals");
        addJob("J100", "Harbor Bridge");
        addJob("J200", "Hillside School");
        for (const char* job : {"J100", "J200"}) {
            JCCost c;
            c.JobID = job;
            c.CostCode = "010100LAB ";
            c.RecordID = ent::costRecordKey(job, "010100LAB ", 6);
            ASSERT_TRUE(store::Table<JCCost>(s.store()).insert(c));
        }
        sys.AutoNumberPOs = 1;
        sys.NextPONumber = 2001;
        sys.DefaultPOTaxRate = 8.25;
        ASSERT_TRUE(store::Table<Systems>(s.store()).insert(sys));
        s.globals.UserID = "JDL";
        UserFile u;
        u.UserID = "JDL";
        u.FirstName = "Jane";
        u.LastName = "Lee";
        u.MayChangePONumber = 1;
        ASSERT_TRUE(store::Table<UserFile>(s.store()).insert(u));
        s.module.repetitiveInsert = 0;
        s.procedures.set("UpdatePODetail", [this](Session& ss) { lineForm(ss); });
    }

    void addVendor(ULong id, const char* name, Byte active = 1) {
        APVendor v;
        v.VendorID = id;
        v.VendorName = name;
        v.Active = active;
        v.DueTerms = "Net 30";
        ASSERT_TRUE(store::Table<APVendor>(s.store()).insert(v));
    }
    void addJob(const char* id, const char* name, Byte active = 1, Byte closed = 0) {
        JCHeader j;
        j.JobID = id;
        j.JobName = name;
        j.Active = active;
        j.Closed = closed;
        ASSERT_TRUE(store::Table<JCHeader>(s.store()).insert(j));
    }
    void setSystems(const std::function<void(Systems&)>& edit) {
        Systems now;
        ASSERT_TRUE(store::Table<Systems>(s.store()).all(Systems::KeySystemID).next(now));
        edit(now);
        ASSERT_TRUE(store::Table<Systems>(s.store()).update(now));
    }

    static PODetail jobLine(const char* job, double amount, Byte taxable = 0) {
        PODetail d;
        d.DetailType = "Job";
        d.JobID = job;
        d.CostCode = "010100LAB ";
        d.QtyOrdered = *Quantity::parse("1");
        d.UnitPrice = amount;
        d.TotalAmount = Money::fromDouble(amount);
        d.Taxable = taxable;
        return d;
    }
    static PODetail glLine(double amount, Byte taxable = 0) {
        PODetail d = jobLine("", amount, taxable);
        d.DetailType = "G/L Account";
        d.JobID = "";
        return d;
    }

    // An order stored as the browse leaves it, ready to open in change mode.
    POMaster addOrder(const char* number, ULong vendor, std::vector<PODetail> lines) {
        POMaster po;
        po.PONumber = number;
        po.VendorID = vendor;
        po.IssueDate = Date::fromYmd(2026, 6, 1);
        setReconciled(po, 0);
        EXPECT_TRUE(store::Table<POMaster>(s.store()).insert(po));
        ULong seq = 0;
        for (PODetail& d : lines) {
            d.POID = po.POID;
            d.SequenceNo = ++seq;
            EXPECT_TRUE(store::Table<PODetail>(s.store()).insert(d));
        }
        return po;
    }
    void post(const POMaster& po) {
        ASSERT_TRUE(ent::Poster(s.store(), 6).postNewOrder(po.POID));
    }

    std::unique_ptr<ent::UpdatePOMaster> openForm(suite::Request request, ULong poid = 0) {
        s.globals.GlobalRequest = request;
        s.globals.DecimalVariable = poid;
        auto f = std::make_unique<ent::UpdatePOMaster>(*s);
        EXPECT_TRUE(f->open());
        return f;
    }

    std::string committed(const char* job = "J100") {
        JCCost c;
        c.RecordID = ent::costRecordKey(job, "010100LAB ", 6);
        EXPECT_TRUE(store::Table<JCCost>(s.store()).fetch(JCCost::KeyRecordID, c));
        return c.Committed.toString();
    }
    POMaster stored(ULong poid) {
        POMaster po;
        po.POID = poid;
        EXPECT_TRUE(store::Table<POMaster>(s.store()).fetch(POMaster::KeyPOID, po));
        return po;
    }
    ULong nextNumber() {
        Systems now;
        EXPECT_TRUE(store::Table<Systems>(s.store()).all(Systems::KeySystemID).next(now));
        return now.NextPONumber;
    }
    std::vector<ULong> storedOrder(ULong poid) {
        std::vector<ULong> ids;
        PODetail d;
        d.POID = poid;
        for (auto c = store::Table<PODetail>(s.store()).scan(PODetail::KeyPOID, d, {false, 1, false}); c.next(d);)
            ids.push_back(d.DetailID);
        return ids;
    }

    // Works as the real line form does: on the lines the form holds.
    void lineForm(Session& ss) {
        ++lineFormCalls;
        auto& g = ss.globals;
        g.GlobalResponse = suite::Response::Cancelled;
        std::vector<PODetail>* lines = ent::lineFormShared(ss.module).openLines;
        ASSERT_NE(lines, nullptr);
        if (g.GlobalRequest == suite::Request::Insert) {
            if (queued.empty()) return;
            PODetail d = queued.front();
            queued.pop_front();
            d.POID = static_cast<ULong>(g.DecimalVariable);
            std::int64_t id = 0;
            ASSERT_TRUE(store::Table<PODetail>(ss.store).reserveNumber(id));
            d.DetailID = static_cast<ULong>(id);
            ULong highest = 0;
            for (const PODetail& l : *lines) highest = std::max(highest, l.SequenceNo);
            d.SequenceNo = highest + 1;
            lines->push_back(d);
        } else {
            const ULong id = static_cast<ULong>(g.DecimalVariable);
            auto it = std::find_if(lines->begin(), lines->end(), [&](const PODetail& l) { return l.DetailID == id; });
            ASSERT_NE(it, lines->end());
            if (g.GlobalRequest == suite::Request::Delete) lines->erase(it);
            else if (edit) edit(*it);
        }
        g.GlobalResponse = suite::Response::Completed;
    }
    // The order of the lines as the form holds them.
    static std::vector<ULong> formOrder(const ent::UpdatePOMaster& f) {
        std::vector<ULong> ids;
        for (const PODetail& d : f.lines()) ids.push_back(d.DetailID);
        return ids;
    }

    TestSession s;
    Systems sys;
    std::deque<PODetail> queued;
    std::function<void(PODetail&)> edit;
    int lineFormCalls = 0;
};

}  // namespace vtl::test
