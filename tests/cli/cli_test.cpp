// The batch tool end to end: init, dump and the one-line errors.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "cli/run_vtlpo.h"
#include "commands/cli.h"
#include "commands/csv.h"
#include "records/database.h"
#include "records/records.h"
#include "support/temp_dir.h"

using namespace vtl;
using namespace vtl::test;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> v;
    std::size_t pos = 0, nl;
    while ((nl = text.find("\r\n", pos)) != std::string::npos) {
        v.push_back(text.substr(pos, nl - pos));
        pos = nl + 2;
    }
    return v;
}

}  // namespace

TEST(Csv, QuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(cli::csvField("Smith; John"), "Smith; John");
    EXPECT_EQ(cli::csvField("Lumber, Inc."), "\"Lumber, Inc.\"");
    EXPECT_EQ(cli::csvField("2\" pipe"), "\"2\"\" pipe\"");
    EXPECT_EQ(cli::csvField("line\nbreak"), "\"line\nbreak\"");
    EXPECT_EQ(cli::csvLine({"a", "", "b,c"}), "a,,\"b,c\"\r\n");
}

TEST(Cli, InitCreatesAnEmptyDatabaseOnceAndDumpPrintsHeadersInKeyOrder) {
    test::TempDir dir;
    const std::string data = dir.file("data");
    CliResult init = vtlpo({"init", "--data", data});
    ASSERT_EQ(init.code, 0) << init.err;
    CliResult again = vtlpo({"init", "--data", data});
    EXPECT_EQ(again.code, 1);
    EXPECT_NE(again.err.find("already"), std::string::npos);

    {
        auto db = openDataFolder(data);
        ASSERT_TRUE(db) << db.error;
        store::Table<POMaster> t(*db.store);
        for (auto [id, number, name] : {std::tuple{3u, "1003", "Lumber, \"Best\" Inc."}, {1u, "1001", "Smith; John"},
                                        {2u, "", "Ace"}}) {
            POMaster po;
            po.POID = id;
            po.PONumber = number;
            po.ShipToName = name;
            po.POAmount = Money::fromRaw(-1250);
            po.IssueDate = Date::fromYmd(2026, 12, 8);
            ASSERT_TRUE(t.insert(po));
        }
    }
    CliResult dump = vtlpo({"dump", "POMaster", "--data", data});
    ASSERT_EQ(dump.code, 0) << dump.err;
    auto rows = lines(dump.out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].rfind("POM:POID,POM:BatchID,POM:VendorID,POM:ShipToType,", 0), 0u);
    EXPECT_EQ(rows[0].find("gap"), std::string::npos);
    EXPECT_NE(rows[0].find(",POM:ShipToZip,POM:ShipToContact,"), std::string::npos);
    EXPECT_EQ(rows[1].rfind("1,", 0), 0u);
    EXPECT_EQ(rows[2].rfind("2,", 0), 0u);
    EXPECT_EQ(rows[3].rfind("3,", 0), 0u);
    EXPECT_NE(rows[3].find(",\"Lumber, \"\"Best\"\" Inc.\","), std::string::npos);
    EXPECT_NE(rows[1].find(",Smith; John,"), std::string::npos);
    EXPECT_NE(rows[1].find(",2026-12-08,"), std::string::npos);
    EXPECT_NE(rows[1].find(",-12.50,"), std::string::npos);

    // The file name is found without regard to case.
    EXPECT_EQ(vtlpo({"dump", "podetail", "--data", data}).out.rfind("POD:POID,POD:DetailID,", 0), 0u);
}

TEST(Cli, BadInputGetsOneLineAndTouchesNothing) {
    test::TempDir dir;
    CliResult r = vtlpo({"dump", "POMaster", "--data", dir.file("none")});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "vtlpo: " + dir.file("none") + ": no such data folder\n");
    EXPECT_FALSE(fs::exists(dir.file("none")));

    ASSERT_EQ(vtlpo({"init", "--data", dir.path()}).code, 0);
    r = vtlpo({"dump", "NoSuchFile", "--data", dir.path()});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, "vtlpo: NoSuchFile: no such record file\n");

    EXPECT_EQ(vtlpo({"dump", "POMaster"}).code, 2);
    EXPECT_EQ(vtlpo({"frobnicate", "--data", dir.path()}).code, 2);
    EXPECT_EQ(vtlpo({"init", "--data"}).code, 2);
    EXPECT_EQ(vtlpo({}).code, 2);

    dir.write("plain.txt", "x");
    r = vtlpo({"init", "--data", dir.file("plain.txt")});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "vtlpo: " + dir.file("plain.txt") + ": not a folder\n");
    EXPECT_EQ(dir.read("plain.txt"), "x");
}

// The demo company agrees with its lines; a figure planted wrong is found,
// named, and mended by recalc (on-order quantities only when asked).
TEST(Cli, CheckFindsAPlantedDifferenceAndRecalcMendsIt) {
    test::TempDir dir;
    const std::string data = dir.file("data");
    ASSERT_EQ(vtlpo({"init", "--data", data, "--demo"}).code, 0);
    CliResult clean = vtlpo({"check", "--data", data});
    EXPECT_EQ(clean.code, 0) << clean.out;
    EXPECT_NE(clean.out.find(": all agree"), std::string::npos) << clean.out;

    std::string cost, item;
    {
        auto db = openDataFolder(data);
        ASSERT_TRUE(db) << db.error;
        JCCost c;
        for (auto cur = store::Table<JCCost>(*db.store).all(JCCost::KeyRecordID); cur.next(c);)
            if (!c.Committed.isZero()) break;
        c.Committed += *Money::parse("123.45");
        ASSERT_TRUE(store::Table<JCCost>(*db.store).update(c));
        cost = c.RecordID.clip();
        INMaster m;
        ASSERT_TRUE(store::Table<INMaster>(*db.store).all(INMaster::KeyItemID).next(m));
        m.OnOrder += Quantity(7);
        ASSERT_TRUE(store::Table<INMaster>(*db.store).update(m));
        item = m.ItemID.clip();
    }
    CliResult found = vtlpo({"check", "--data", data});
    EXPECT_EQ(found.code, 1);
    EXPECT_NE(found.out.find("committed  cost code \"" + cost + "\""), std::string::npos) << found.out;
    EXPECT_NE(found.out.find("difference 123.45"), std::string::npos) << found.out;
    EXPECT_NE(found.out.find("on order   item \"" + item + "\""), std::string::npos) << found.out;
    EXPECT_NE(found.out.find(": 2 differences"), std::string::npos) << found.out;

    CliResult rebuilt = vtlpo({"recalc", "--data", data});
    EXPECT_EQ(rebuilt.code, 0) << rebuilt.err;
    EXPECT_NE(rebuilt.out.find("1 cost code and"), std::string::npos) << rebuilt.out;
    CliResult onOrderLeft = vtlpo({"check", "--data", data});
    EXPECT_EQ(onOrderLeft.code, 1);
    EXPECT_EQ(onOrderLeft.out.find("committed"), std::string::npos) << onOrderLeft.out;
    EXPECT_EQ(vtlpo({"recalc", "--on-order", "--data", data}).code, 0);
    EXPECT_EQ(vtlpo({"check", "--data", data}).code, 0);
}

// Another program holds the folder past the store's wait: one clear line,
// and nothing rebuilt or checked.
TEST(Cli, CheckAndRecalcRefuseAFolderAnotherProgramIsWritingTo) {
    test::TempDir dir;
    const std::string data = dir.file("data");
    ASSERT_EQ(vtlpo({"init", "--data", data, "--demo"}).code, 0);
    auto other = openDataFolder(data);
    ASSERT_TRUE(other) << other.error;
    JCCost c;
    ASSERT_TRUE(store::Table<JCCost>(*other.store).all(JCCost::KeyRecordID).next(c));
    c.Committed += Money(1);
    store::Transaction held(*other.store);
    ASSERT_TRUE(held.status());
    ASSERT_TRUE(store::Table<JCCost>(*other.store).update(c));
    for (const char* command : {"check", "recalc"}) {
        CliResult r = vtlpo({command, "--data", data});
        EXPECT_NE(r.code, 0) << command;
        EXPECT_NE(r.err.find("another program is writing to this data folder"), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    held.rollback();
    EXPECT_EQ(vtlpo({"check", "--data", data}).code, 0);
    EXPECT_EQ(vtlpo({"check", "--data", dir.file("nowhere")}).code, 2);
}
