// A data folder whose company is on a PostgreSQL server: init names the
// server in the folder's settings and builds the schema (and the demo
// company) there; every command given the folder then uses the server; a
// server that cannot be reached or a database too new is one clear line
// without the password; migrate copies a company either way and checks it.
// These run as pg.ServerFolder.* on the test server.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "cli/run_vtlpo.h"
#include "platform/store/backend.h"
#include "platform/store/postgres.h"
#include "platform/suite/ini_file.h"
#include "platform/suite/settings_files.h"
#include "records/database.h"
#include "records/records.h"
#include "support/temp_dir.h"
#include "support/test_store.h"

using namespace vtl;
using namespace vtl::test;
namespace fs = std::filesystem;

namespace {

class ServerFolder : public ::testing::Test {
protected:
    void SetUp() override {
        if (!onServer()) GTEST_SKIP() << "runs on the test server, as pg.ServerFolder.*";
    }
    std::string folder(const char* name) const { return dir.file(name); }
    // What `vtlpo summary` says, without its first line (which names the place).
    std::string summary(const std::string& data) {
        auto r = vtlpo({"summary", "--data", data});
        EXPECT_EQ(r.code, 0) << r.err;
        return r.out;
    }
    TempDir dir;
    ServerDatabase server;
};

TEST_F(ServerFolder, InitBuildsTheDemoCompanyOnTheServerAndEveryCommandUsesIt) {
    const std::string data = folder("office");
    auto r = vtlpo({"init", "--data", data, "--demo", "--server", server.address()});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("Created " + server.address() + " with the demo company"), std::string::npos) << r.out;
    // The work files stay in the folder; the records do not.
    EXPECT_FALSE(fs::exists(fs::path(data) / kDatabaseFile));
    EXPECT_EQ(suite::IniFile(suite::moduleIniPath(data)).get(kDatabaseSection, kServerEntry, ""), server.address());
    auto db = openDataFolder(data);
    ASSERT_TRUE(db) << db.error;
    EXPECT_TRUE(db.store->backend().server());
    EXPECT_GT(store::Table<POMaster>(*db.store).count(), 0);
    db.store.reset();
    auto check = vtlpo({"check", "--data", data});
    EXPECT_EQ(check.code, 0) << check.out << check.err;
    // A second init leaves the company as it is.
    auto again = vtlpo({"init", "--data", folder("other"), "--server", server.address()});
    EXPECT_EQ(again.code, 1);
    EXPECT_EQ(again.err, "vtlpo: " + server.address() + ": a database is already there; it is left as it is\n");
    EXPECT_FALSE(fs::exists(folder("other")));
}

TEST_F(ServerFolder, AnUnreachableServerOrANewerDatabaseIsOneLineWithoutThePassword) {
    const std::string data = folder("office");
    // The password given in the address is kept in the settings but never shown.
    const std::string unreachable = "postgresql://clerk:s3cret@/acme?host=" + dir.file("no-server");
    auto r = vtlpo({"init", "--data", data, "--server", unreachable});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.find("vtlpo: postgresql://clerk@/acme?host=" + dir.file("no-server") + ": cannot connect"), 0u)
        << r.err;
    EXPECT_EQ(r.err.find("s3cret"), std::string::npos);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    EXPECT_FALSE(fs::exists(data)) << "nothing is left of a failed init";

    ASSERT_EQ(vtlpo({"init", "--data", data, "--server", server.address()}).code, 0);
    {
        auto db = openDataFolder(data);
        ASSERT_TRUE(db) << db.error;
        ASSERT_TRUE(db.store->backend().setSchemaVersion(databaseSchema().version() + 1));
    }
    auto s = vtlpo({"summary", "--data", data});
    EXPECT_EQ(s.code, 1);
    EXPECT_EQ(s.err, "vtlpo: " + server.address() + ": the database is of a newer version (" +
                         std::to_string(databaseSchema().version() + 1) + ") than this program knows (" +
                         std::to_string(databaseSchema().version()) + ")\n");
}

// The test server takes a password, which the tests give through the
// password file: a wrong one in the address is refused in one line that
// shows neither password, and nothing is made.
TEST_F(ServerFolder, AWrongPasswordIsOneLineAndTheRightOneNeedNotBeInTheSettings) {
    const std::string data = folder("office");
    auto r = vtlpo({"init", "--data", data, "--server", server.address() + "&password=Wr0ngPass"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.find("vtlpo: " + server.address() + ": cannot connect to the server ("), 0u) << r.err;
    EXPECT_NE(r.err.find("password authentication failed"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("Wr0ngPass"), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    EXPECT_FALSE(fs::exists(data));

    ASSERT_EQ(vtlpo({"init", "--data", data, "--server", server.address()}).code, 0);
    const std::string settings = suite::IniFile(suite::moduleIniPath(data)).text();
    EXPECT_EQ(settings.find("password"), std::string::npos) << settings;
    EXPECT_EQ(vtlpo({"summary", "--data", data}).code, 0);
}

TEST_F(ServerFolder, MigrateCopiesACompanyBothWaysAndChecksIt) {
    const std::string file = folder("file"), onServer = folder("server"), back = folder("back");
    ASSERT_EQ(vtlpo({"init", "--data", file, "--demo"}).code, 0);
    auto there = vtlpo({"migrate", "--from", file, "--to", onServer, "--server", server.address()});
    ASSERT_EQ(there.code, 0) << there.err;
    EXPECT_NE(there.out.find("amount and quantity sums agree"), std::string::npos) << there.out;
    auto home = vtlpo({"migrate", "--from", onServer, "--to", back});
    ASSERT_EQ(home.code, 0) << home.err;
    // Both copies hold what the original holds, file for file.
    const std::string original = summary(file);
    auto cut = [](const std::string& s) { return s.substr(s.find('\n') + 1); };
    EXPECT_EQ(cut(summary(onServer)), cut(original));
    EXPECT_EQ(cut(summary(back)), cut(original));
    for (const char* f : {"POMaster", "PODetail", "JCCost", "INMaster"}) {
        auto a = vtlpo({"dump", f, "--data", file}), b = vtlpo({"dump", f, "--data", back});
        EXPECT_EQ(a.out, b.out) << f;
    }
    EXPECT_EQ(vtlpo({"check", "--data", onServer}).code, 0);
    // A company is never copied over another.
    auto twice = vtlpo({"migrate", "--from", file, "--to", onServer});
    EXPECT_EQ(twice.code, 1);
    EXPECT_NE(twice.err.find("already holds records; nothing was copied"), std::string::npos) << twice.err;
}

}  // namespace
