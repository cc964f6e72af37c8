// The batch commands of import sources, import and export, end to end on
// data folders of their own.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "commands/cli.h"
#include "records/database.h"
#include "records/records.h"
#include "support/temp_dir.h"
#include "vtlpoimp/import_source.h"

using namespace vtl;

namespace {

struct Result {
    int code;
    std::string out, err;
};

Result vtlpo(std::vector<std::string> args) {
    std::ostringstream out, err;
    int code = cli::run(args, out, err);
    return {code, out.str(), err.str()};
}

std::vector<POMaster> ordersOf(const std::string& folder) {
    auto db = openDataFolder(folder, true);
    std::vector<POMaster> all;
    POMaster po;
    for (auto c = store::Table<POMaster>(*db.store).all(POMaster::KeyPOID); c.next(po);) all.push_back(po);
    return all;
}

std::vector<PODetail> linesOf(const std::string& folder, ULong poid) {
    auto db = openDataFolder(folder, true);
    return linesOfOrder(*db.store, poid);
}

const std::string kBuiltIn = imp::kBuiltInTitle;

// The demo company exported whole and read back into a company of its own:
// new POIDs, and every field the file carries equal.
TEST(ImportExportCli, TheDemoCompanyComesBackWhole) {
    test::TempDir dir;
    const std::string from = dir.file("from"), to = dir.file("to"), file = dir.file("orders.txt");
    ASSERT_EQ(vtlpo({"init", "--data", from, "--demo"}).code, 0);
    ASSERT_EQ(vtlpo({"init", "--data", to, "--demo"}).code, 0);
    {
        // The copy's own orders go, so their numbers are free again.
        auto db = openDataFolder(to);
        ASSERT_TRUE(db.store->exec("DELETE FROM PODetail; DELETE FROM POMaster; UPDATE JCCost SET Committed = 0; "
                                                "UPDATE INMaster SET OnOrder = 0"));
    }
    Result ex = vtlpo({"export", "--data", from, "--all", file});
    ASSERT_EQ(ex.code, 0) << ex.err;
    EXPECT_NE(ex.out.find("purchase orders that have been at least partially reconciled"), std::string::npos);

    Result im = vtlpo({"import", "--data", to, "--source", kBuiltIn, "--file", file});
    ASSERT_EQ(im.code, 0) << im.out << im.err;
    const auto before = ordersOf(from), after = ordersOf(to);
    EXPECT_NE(im.out.find(std::to_string(before.size()) + " headers"), std::string::npos) << im.out;
    ASSERT_EQ(after.size(), before.size());
    auto db = openDataFolder(from, true);
    for (std::size_t i = 0; i < before.size(); ++i) {
        const POMaster& a = before[i];
        const POMaster& b = after[i];
        SCOPED_TRACE(a.PONumber.clip());
        EXPECT_NE(a.POID, b.POID);
        EXPECT_EQ(b.VendorID, a.VendorID);
        EXPECT_EQ(b.PreparedBy, a.PreparedBy);
        EXPECT_EQ(b.PreparedDate, a.PreparedDate);
        if (!a.PONumber.blank()) {
            EXPECT_EQ(b.PONumber, a.PONumber);
        }
        EXPECT_EQ(b.IssueDate, a.IssueDate);
        EXPECT_EQ(b.DeliverAfterDate, a.DeliverAfterDate);
        EXPECT_EQ(b.DeliveryDate, a.DeliveryDate);
        EXPECT_EQ(b.DeadlineDate, a.DeadlineDate);
        EXPECT_EQ(b.PreTaxAmount, a.PreTaxAmount);
        EXPECT_EQ(b.TaxAmount, a.TaxAmount);
        EXPECT_EQ(b.POAmount, a.POAmount);
        for (auto [x, y] : {std::pair{&a.ShipToName, &b.ShipToName}, {&a.ShipToAddress1, &b.ShipToAddress1},
                            {&a.ShipToAddress2, &b.ShipToAddress2}, {&a.ShipToInstructions, &b.ShipToInstructions}})
            EXPECT_EQ(*y, *x);
        EXPECT_EQ(b.ShipToCity, a.ShipToCity);
        EXPECT_EQ(b.ShipToState, a.ShipToState);
        EXPECT_EQ(b.ShipToZip, a.ShipToZip);
        EXPECT_EQ(b.ShipToContact, a.ShipToContact);
        EXPECT_EQ(b.ShipVia, a.ShipVia);
        EXPECT_EQ(b.FOB, a.FOB);
        EXPECT_EQ(b.Reconciled, 0);
        const auto la = linesOfOrder(*db.store, a.POID);
        const auto lb = linesOf(to, b.POID);
        ASSERT_EQ(lb.size(), la.size());
        for (std::size_t k = 0; k < la.size(); ++k) {
            EXPECT_EQ(lb[k].TextFlag, la[k].TextFlag);
            EXPECT_EQ(lb[k].Text, la[k].Text);
            if (la[k].TextFlag == 1) continue;
            EXPECT_EQ(lb[k].ItemID, la[k].ItemID);
            EXPECT_EQ(lb[k].Description, la[k].Description);
            EXPECT_EQ(lb[k].QtyOrdered, la[k].QtyOrdered);
            EXPECT_DOUBLE_EQ(lb[k].UnitPrice, la[k].UnitPrice);
            EXPECT_EQ(lb[k].UnitName, la[k].UnitName);
            EXPECT_EQ(lb[k].TotalAmount, la[k].TotalAmount);
            EXPECT_EQ(lb[k].DetailType, la[k].DetailType);
            EXPECT_EQ(lb[k].JobID, la[k].JobID);
            EXPECT_EQ(lb[k].CostCode, la[k].CostCode);
            EXPECT_EQ(lb[k].EquipmentID, la[k].EquipmentID);
            EXPECT_EQ(lb[k].CostCategory, la[k].CostCategory);
            EXPECT_EQ(lb[k].DeliverAfterDate, la[k].DeliverAfterDate);
            EXPECT_EQ(lb[k].DeliveryDate, la[k].DeliveryDate);
            EXPECT_EQ(lb[k].DeadlineDate, la[k].DeadlineDate);
            if (la[k].DetailType == "G/L Account") {
                EXPECT_EQ(lb[k].Account, la[k].Account);
            }
        }
    }
    // The imported orders are open and carry their figures.
    Result check = vtlpo({"check", "--data", to});
    EXPECT_EQ(check.code, 0) << check.out;
}

TEST(ImportExportCli, SourcesAreListedShownAddedAndRemoved) {
    test::TempDir dir;
    const std::string data = dir.file("data");
    ASSERT_EQ(vtlpo({"init", "--data", data}).code, 0);
    Result list = vtlpo({"source", "list", "--data", data});
    ASSERT_EQ(list.code, 0) << list.err;
    EXPECT_EQ(list.out, kBuiltIn + "\n");

    Result add = vtlpo({"source", "add", "--data", data, "--title", "Estimating", "--two-files", "--format", "T",
                        "--date-format", "DD/MM/YYYY", "--layout", "PO00VI00PN00####PO00QO00UP00DT00AC00", "--file",
                        "h.txt", "--detail-file", "d.txt", "--title-line"});
    ASSERT_EQ(add.code, 0) << add.err;
    Result show = vtlpo({"source", "show", "--data", data, "Estimating"});
    EXPECT_NE(show.out.find("Import File Format: Tab Delimited\n"), std::string::npos) << show.out;
    EXPECT_NE(show.out.find("  2\tVendor ID\n"), std::string::npos) << show.out;
    EXPECT_NE(show.out.find("File includes header record: yes\n"), std::string::npos);

    auto refused = [&](std::vector<std::string> extra, const std::string& says) {
        std::vector<std::string> args{"source", "add", "--data", data, "--format", "C", "--date-format", "MM/DD/YY",
                                      "--file", "x.txt"};
        args.insert(args.end(), extra.begin(), extra.end());
        Result r = vtlpo(args);
        EXPECT_NE(r.code, 0);
        EXPECT_NE(r.err.find(says), std::string::npos) << r.err;
    };
    refused({"--title", "Import from Vantrel", "--one-file", "--layout", "R100####R200"}, "Please select another name");
    refused({"--title", "POID first", "--one-file", "--layout", "PO00####R200"},
            "The first Header File record must be \"Record Type\".");
    refused({"--title", "Bad code", "--one-file", "--layout", "R100ZZ00####R200"}, "\"ZZ\" is not a header field code");
    refused({"--title", "Estimating", "--one-file", "--layout", "R100####R200"}, "already called");

    Result builtIn = vtlpo({"source", "remove", "--data", data, kBuiltIn});
    EXPECT_EQ(builtIn.code, 1);
    EXPECT_NE(builtIn.err.find("This Import Type cannot be deleted"), std::string::npos);
    EXPECT_EQ(vtlpo({"source", "remove", "--data", data, "Estimating"}).code, 0);
    EXPECT_EQ(vtlpo({"source", "list", "--data", data}).out, kBuiltIn + "\n");
}

TEST(ImportExportCli, ErrorsStopTheImportUnlessToldToProceed) {
    test::TempDir dir;
    const std::string data = dir.file("data");
    ASSERT_EQ(vtlpo({"init", "--data", data, "--demo"}).code, 0);
    dir.write("in.txt",
              "H,101,\"Pat\",,\"\",,,,,0,0,0,0\n"
              "D,0,\"\",\"\",\"bad\",1,1,\"EA\",1,\"G\",\"NOPE\"\n"
              "H,0,\"Pat\",,\"\",,,,,0,0,0,0\n");
    const std::string errors = dir.file("errors.csv");
    Result stopped = vtlpo({"import", "--data", data, "--source", kBuiltIn, "--file", dir.file("in.txt"), "--errors", errors});
    EXPECT_EQ(stopped.code, 1);
    EXPECT_EQ(stopped.out, "2\tBad Account#: NOPE\n3\tMissing Vendor ID\n2 headers and 0 lines found\n");
    EXPECT_EQ(dir.read("errors.csv"), "Record #,Error Description\r\n2,Bad Account#: NOPE\r\n3,Missing Vendor ID\r\n");
    const std::size_t had = ordersOf(data).size();

    Result go = vtlpo({"import", "--data", data, "--source", kBuiltIn, "--file", dir.file("in.txt"), "--proceed"});
    EXPECT_EQ(go.code, 0) << go.err;
    EXPECT_NE(go.out.find("imported 2 purchase orders with 0 lines"), std::string::npos);
    EXPECT_EQ(ordersOf(data).size(), had + 2);

    EXPECT_EQ(vtlpo({"import", "--data", data, "--source", kBuiltIn, "--file", dir.file("none.txt")}).code, 2);
    EXPECT_EQ(vtlpo({"import", "--data", dir.file("nowhere"), "--source", kBuiltIn}).code, 2);
}

TEST(ImportExportCli, ExportWritesTheNamedOrdersInTheirOrder) {
    test::TempDir dir;
    const std::string data = dir.file("data");
    ASSERT_EQ(vtlpo({"init", "--data", data, "--demo"}).code, 0);
    const auto all = ordersOf(data);
    ASSERT_GT(all.size(), 2u);
    Result r = vtlpo({"export", "--data", data, "--po", std::to_string(all[2].POID), "--po", std::to_string(all[0].POID),
                      dir.file("two.txt")});
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string text = dir.read("two.txt");
    const auto first = text.find("\"" + all[2].PONumber.clip() + "\"");
    const auto second = text.find("\"" + all[0].PONumber.clip() + "\"");
    ASSERT_NE(first, std::string::npos);
    ASSERT_NE(second, std::string::npos);
    EXPECT_LT(first, second);
    EXPECT_EQ(vtlpo({"export", "--data", data, dir.file("x.txt")}).code, 2);
    EXPECT_EQ(vtlpo({"export", "--data", data, "--all", dir.file("no/such/folder/x.txt")}).code, 2);
}

}  // namespace
