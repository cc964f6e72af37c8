#pragma once
// A small company for the import tests: vendors (one known by another
// system's number), accounts, a job whose cost codes carry accounts, a piece
// of equipment, an item sold by the box, and the counter of PO numbers.
#include <gtest/gtest.h>

#include "records/records.h"
#include "records/running_figures.h"
#include "support/test_session.h"
#include "vtlpoimp/import_read.h"
#include "vtlpoimp/import_write.h"

namespace vtl::test {

class ImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (auto [id, name, ext] : {std::tuple{101u, "Cascade Lumber", "CL-9"}, {7u, "Acme Supply", ""}}) {
            APVendor v;
            v.VendorID = id;
            v.VendorName = name;
            v.ExternalID = ext;
            v.Active = 1;
            put(v);
        }
        for (const char* a : {"5000-00", "5300-00", "6100-00", "1200-00"}) {
            GLMaster g;
            g.Account = a;
            put(g);
        }
        for (auto [code, account] : {std::pair{"010100LAB", "5000-00"}, {"020200MAT", ""}}) {
            JCCost c;
            c.JobID = "J100";
            c.CostCode = code;
            c.Account = account;
            c.RecordID = costRecordKey("J100", code, 6);
            put(c);
        }
        EQCost fuel;
        fuel.EquipmentID = "EQ1";
        fuel.CostCategory = "FUEL";
        fuel.Account = "5300-00";
        put(fuel);
        INMaster nail;
        nail.ItemID = "NAIL";
        nail.StockUnit = "EA";
        put(nail);
        INCnvrt box;
        box.ItemID = "NAIL";
        box.UnitName = "BOX";
        box.Factor = 50;
        put(box);
        Systems sys;
        sys.AutoNumberPOs = 1;
        sys.NextPONumber = 5001;
        sys.DefaultJobAccount = "5000-00";
        sys.DefaultEQAccount = "5300-00";
        put(sys);
        s.globals.UserID = "JDL";
    }

    template <class R>
    void put(R r) {
        ASSERT_TRUE(store::Table<R>(s.store()).insert(r));
    }

    imp::SourceSpec oneFileComma(const std::string& file) {
        imp::SourceSpec spec;
        spec.oneFile = true;
        spec.format = imp::FileFormat::Comma;
        spec.headerFile = file;
        spec.layout = imp::parseLayout(imp::kBuiltInLayout);
        return spec;
    }

    imp::ImportBatch read(const imp::SourceSpec& spec) {
        imp::ImportBatch b;
        const imp::ReadResult r = imp::readImport(s.store(), spec, 6, s.folder, b);
        EXPECT_EQ(r.outcome, imp::ReadResult::Outcome::Read) << r.problem;
        return b;
    }

    std::string file(const std::string& name, const std::string& content) {
        s.dir.write(name, content);
        return s.dir.file(name);
    }

    static std::vector<std::string> errors(const imp::ImportBatch& b) {
        std::vector<std::string> out;
        for (const auto& e : b.errors) out.push_back(std::to_string(e.line) + " " + e.text);
        return out;
    }

    Money committed(const char* code) {
        JCCost c;
        c.RecordID = costRecordKey("J100", code, 6);
        EXPECT_TRUE(store::Table<JCCost>(s.store()).fetch(JCCost::KeyRecordID, c));
        return c.Committed;
    }
    Quantity onOrder(const char* item) {
        INMaster m;
        m.ItemID = item;
        EXPECT_TRUE(store::Table<INMaster>(s.store()).fetch(INMaster::KeyItemID, m));
        return m.OnOrder;
    }
    std::vector<POMaster> orders() {
        std::vector<POMaster> all;
        POMaster po;
        for (auto c = store::Table<POMaster>(s.store()).all(POMaster::KeyPOID); c.next(po);) all.push_back(po);
        return all;
    }

    TestSession s;
};

}  // namespace vtl::test
