// Opening and creating data folders: bad input gets one clear line and no
// file is created, changed or overwritten.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "records/database.h"
#include "records/records.h"
#include "support/temp_dir.h"

using namespace vtl;
namespace fs = std::filesystem;

TEST(DataFolder, CreateMakesTheFolderAndRefusesToOverwrite) {
    test::TempDir dir;
    const std::string folder = dir.file("new/company");
    {
        auto db = createDataFolder(folder);
        ASSERT_TRUE(db) << db.error;
        EXPECT_EQ(db.store->schemaVersion(), databaseSchema().version());
        POMaster po;
        po.PONumber = "1001";
        ASSERT_TRUE(store::Table<POMaster>(*db.store).insert(po));
    }
    auto again = createDataFolder(folder);
    EXPECT_FALSE(again);
    EXPECT_NE(again.error.find("already"), std::string::npos) << again.error;
    auto db = openDataFolder(folder);
    ASSERT_TRUE(db) << db.error;
    EXPECT_EQ(store::Table<POMaster>(*db.store).count(), 1);
}

TEST(DataFolder, OpeningRefusesWhatItCannotUseAndCreatesNothing) {
    test::TempDir dir;
    auto missing = openDataFolder(dir.file("nowhere"));
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.error, dir.file("nowhere") + ": no such data folder");
    EXPECT_FALSE(fs::exists(dir.file("nowhere")));

    auto empty = openDataFolder(dir.path());
    EXPECT_FALSE(empty);
    EXPECT_NE(empty.error.find("no database"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(dir.path()));

    dir.write(kDatabaseFile, "this is a purchase order list, not a database\n");
    auto junk = openDataFolder(dir.path());
    EXPECT_FALSE(junk);
    EXPECT_NE(junk.error.find("not a database"), std::string::npos) << junk.error;
    EXPECT_EQ(dir.read(kDatabaseFile), "this is a purchase order list, not a database\n");
}

TEST(DataFolder, ANewerDatabaseIsRefusedUntouched) {
    test::TempDir dir;
    {
        auto db = createDataFolder(dir.path());
        ASSERT_TRUE(db);
        ASSERT_TRUE(db.store->exec("PRAGMA user_version = 77"));
    }
    const auto before = fs::last_write_time(databasePath(dir.path()));
    auto db = openDataFolder(dir.path());
    EXPECT_FALSE(db);
    EXPECT_NE(db.error.find("newer version (77)"), std::string::npos) << db.error;
    EXPECT_EQ(fs::last_write_time(databasePath(dir.path())), before);
}

TEST(DataFolder, AReadOnlyFolderIsRefusedForWriting) {
    test::TempDir dir;
    { ASSERT_TRUE(createDataFolder(dir.path())); }
    ::chmod(dir.path().c_str(), 0555);
    auto db = openDataFolder(dir.path());
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_FALSE(db);
    EXPECT_EQ(db.error, dir.path() + ": the data folder is read-only");

    ::chmod(databasePath(dir.path()).c_str(), 0444);
    auto file = openDataFolder(dir.path());
    EXPECT_FALSE(file);
    EXPECT_EQ(file.error, databasePath(dir.path()) + ": the database file is read-only");
    // Reading is still allowed.
    EXPECT_TRUE(openDataFolder(dir.path(), true)) << openDataFolder(dir.path(), true).error;
}
