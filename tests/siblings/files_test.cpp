// Attached files are kept inside the data folder under names of our own,
// whatever path they came from; and the user-activity log.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include "platform/store/sqlite.h"

#include <filesystem>
#include <map>

#include "siblings/files/image_files.h"
#include "records/users.h"
#include "siblings/files/user_log.h"
#include "support/test_session.h"

using namespace vtl;
using namespace vtl::siblings;
namespace fs = std::filesystem;

namespace {

Images image(ULong id, const std::string& from) {
    Images img;
    img.ImageID = id;
    img.Type = "POMaster";
    img.FileName = from;
    return img;
}

bool inside(const fs::path& p, const fs::path& folder) {
    auto rel = fs::weakly_canonical(p).lexically_relative(fs::weakly_canonical(folder));
    return !rel.empty() && *rel.begin() != "..";
}

}  // namespace

TEST(AttachmentNames, AreOurOwnWhateverThePath) {
    EXPECT_EQ(storedFileName(42, "C:\\Docs\\Quote.PDF"), "42.pdf");
    EXPECT_EQ(storedFileName(42, "/home/a/quote.tar.gz"), "42.gz");
    EXPECT_EQ(storedFileName(7, "../../etc/passwd"), "7");
    EXPECT_EQ(storedFileName(7, "x.pdf/../../etc"), "7");
    EXPECT_EQ(storedFileName(7, "evil.p/../../df"), "7");
    EXPECT_EQ(storedFileName(7, "a.b c"), "7") << "only letters and digits make an extension";
    EXPECT_EQ(storedFileName(7, "a.averyverylongext"), "7");
    EXPECT_EQ(storedFileName(7, "noext."), "7");
}

TEST(Attachments, StoreExtractAndRemoveStayInTheDataFolder) {
    test::TempDir dir;
    const std::string data = dir.file("data");
    fs::create_directories(data);
    dir.write("Quote.PDF", "%PDF quote");

    auto stored = storeImageFile(data, image(5, dir.file("Quote.PDF")), dir.file("Quote.PDF"));
    ASSERT_TRUE(stored) << stored.message;
    EXPECT_EQ(stored.path, attachmentsFolder(data) + "/5.pdf");
    EXPECT_EQ(dir.read("data/attachments/5.pdf"), "%PDF quote");
    EXPECT_EQ(storedImagePath(data, 5), stored.path);
    EXPECT_EQ(storedImagePath(data, 50), std::nullopt) << "record 50 is not record 5";

    // Storing again with another extension replaces the earlier copy.
    dir.write("Quote.txt", "text quote");
    ASSERT_TRUE(storeImageFile(data, image(5, "Quote.txt"), dir.file("Quote.txt")));
    EXPECT_FALSE(fs::exists(dir.file("data/attachments/5.pdf")));

    auto out = extractImageFile(data, 5, dir.file("out/copy.txt"));
    EXPECT_FALSE(out) << "the destination folder must exist";
    ASSERT_TRUE(extractImageFile(data, 5, dir.file("copy.txt")));
    EXPECT_EQ(dir.read("copy.txt"), "text quote");
    auto into = extractImageFile(data, 5, attachmentsFolder(data) + "/9.txt");
    EXPECT_FALSE(into);
    EXPECT_FALSE(fs::exists(attachmentsFolder(data) + "/9.txt"));

    ASSERT_TRUE(removeImageFile(data, 5));
    EXPECT_FALSE(fs::exists(dir.file("data/attachments/5.txt")));
    EXPECT_TRUE(removeImageFile(data, 5)) << "nothing stored is no error";
    EXPECT_FALSE(extractImageFile(data, 5, dir.file("again.txt")));
}

TEST(Attachments, APathTrickAsTheNameWritesNothingOutsideTheAttachmentsFolder) {
    test::TempDir dir;
    const std::string data = dir.file("a/b/data");
    fs::create_directories(data);
    dir.write("payload", "not a password file");
    // The record claims it came from a path that climbs out of the folder.
    auto stored = storeImageFile(data, image(3, "../../etc/passwd"), dir.file("payload"));
    ASSERT_TRUE(stored) << stored.message;
    EXPECT_TRUE(inside(stored.path, attachmentsFolder(data))) << stored.path;
    EXPECT_FALSE(fs::exists(dir.file("a/etc/passwd")));
    EXPECT_FALSE(fs::exists(dir.file("etc/passwd")));
    int files = 0;
    for (auto& e : fs::recursive_directory_iterator(dir.path())) files += e.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 2) << "the payload and its stored copy, nothing else";

    // Removing record 3 touches its own stored file only, never a named path.
    dir.write("a/b/data/attachments/30.pdf", "another record");
    ASSERT_TRUE(removeImageFile(data, 3));
    EXPECT_TRUE(fs::exists(dir.file("a/b/data/attachments/30.pdf")));
    EXPECT_TRUE(fs::exists(dir.file("payload")));
}

// Names a person gives files: every one is a name and nothing else. No
// shell ever reads one, and nothing is written but the stored copy and the
// file the person chose.
TEST(Attachments, NamesWithQuotesSemicolonsDashesAndShellCharactersAreOnlyNames) {
    test::TempDir dir;
    const std::string data = dir.file("data");
    fs::create_directories(data);
    fs::create_directories(dir.file("chosen"));
    const std::vector<std::string> names{"-rf quote.pdf",       "a;touch MARK;.pdf", "$(touch MARK).pdf",
                                         "`touch MARK`.txt",    "it's \"odd\".doc",  "x | touch MARK &",
                                         "two  spaces .pdf",    "..pdf",             "--help"};
    ULong id = 1;
    for (const std::string& name : names) {
        dir.write(name, "content of " + name);
        const auto stored = storeImageFile(data, image(id, name), dir.file(name));
        ASSERT_TRUE(stored) << name << ": " << stored.message;
        EXPECT_TRUE(inside(stored.path, attachmentsFolder(data))) << stored.path;
        const auto out = extractImageFile(data, id, dir.file("chosen/" + name));
        ASSERT_TRUE(out) << name << ": " << out.message;
        EXPECT_EQ(dir.read("chosen/" + name), "content of " + name);
        ++id;
    }
    EXPECT_FALSE(fs::exists(dir.file("MARK")));
    EXPECT_FALSE(fs::exists("MARK")) << "no shell ran a name";
    std::map<std::string, int> where;
    for (auto& e : fs::recursive_directory_iterator(dir.path()))
        if (e.is_regular_file()) ++where[e.path().parent_path().string()];
    EXPECT_EQ(where, (std::map<std::string, int>{{dir.path(), static_cast<int>(names.size())},
                                                 {attachmentsFolder(data), static_cast<int>(names.size())},
                                                 {dir.file("chosen"), static_cast<int>(names.size())}}));
}

TEST(Attachments, RefusesWhatCannotBeStored) {
    test::TempDir dir;
    EXPECT_FALSE(storeImageFile(dir.path(), image(0, "x.pdf"), dir.file("x.pdf"))) << "no record number yet";
    auto missing = storeImageFile(dir.path(), image(1, "x.pdf"), dir.file("x.pdf"));
    EXPECT_FALSE(missing);
    EXPECT_NE(missing.message.find("cannot be found"), std::string::npos);
    EXPECT_FALSE(storeImageFile(dir.path(), image(1, "x"), dir.path())) << "a folder is not a file";
    EXPECT_FALSE(fs::exists(attachmentsFolder(dir.path()) + "/1"));
}

TEST(Attachments, ByNameTheRecordNumberComesInDecimalVariable) {
    test::TestSession t;
    registerImageFileProcedures(t.procedures);
    t.dir.write("plan.PNG", "png bytes");
    Images img = image(0, t.dir.file("plan.PNG"));
    ASSERT_TRUE(store::Table<Images>(t.store()).insert(img));

    t.globals.DecimalVariable = img.ImageID;
    ASSERT_TRUE(t->call("StoreImageFile"));
    EXPECT_EQ(t.globals.GlobalResponse, suite::Response::Completed);
    ASSERT_TRUE(storedImagePath(t.folder, img.ImageID));

    t.ui.expectSaveFile("Save Attached File As", "All Files|*.*").in("plan.PNG").answer(t.dir.file("plan copy.png"));
    t->call("ExtractImageFile");
    EXPECT_EQ(t.dir.read("plan copy.png"), "png bytes");

    t->call("RemoveImageFile");
    EXPECT_FALSE(storedImagePath(t.folder, img.ImageID));

    // A record that is not on file is reported under the procedure's name.
    t.globals.DecimalVariable = 999;
    t.ui.expectTell("The attachment is not on file.", "StoreImageFile", ui::Icon::Error);
    t->call("StoreImageFile");
    EXPECT_EQ(t.globals.GlobalResponse, suite::Response::Cancelled);
}

TEST(UserActivityLog, IsWrittenOnlyAtLevelTwo) {
    test::TestSession t;
    t.globals.UserID = "JMB";
    t.globals.LogUserActivity = 1;
    EXPECT_EQ(logUserActivity(*t, "PO Enter Purchase Orders", "Added Purchase Order #1001"), LogOutcome::NotWanted);
    EXPECT_EQ(store::Table<UserLog>(t.store()).count(), 0);

    t.globals.LogUserActivity = 2;
    EXPECT_EQ(logUserActivity(*t, "PO Enter Purchase Orders", "Deleted Purchase Order #1001 for Vendor (7) Acme"),
              LogOutcome::Written);
    UserLog rec;
    ASSERT_TRUE(store::Table<UserLog>(t.store()).all(UserLog::KeyLogID).next(rec));
    EXPECT_EQ(rec.UserID.clip(), "JMB");
    EXPECT_EQ(rec.LogDate, Date::fromYmd(2026, 7, 1));
    EXPECT_EQ(rec.LogTime, Time::fromHms(10, 30));
    EXPECT_EQ(rec.Area.clip(), "PO Enter Purchase Orders");
    EXPECT_EQ(rec.Description.clip(), "Deleted Purchase Order #1001 for Vendor (7) Acme");
}

TEST(UserActivityLog, AFailedWriteIsReported) {
    test::TestSession t;
    t.globals.LogUserActivity = 2;
    ASSERT_EQ(sqlite3_exec(store::sqliteHandle(t.store()),
                           "CREATE TRIGGER no_log BEFORE INSERT ON UserLog BEGIN SELECT RAISE(ABORT, 'log is full'); END",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    t.ui.expectTell("log is full Inserting UserLog", "Error", ui::Icon::Error);
    EXPECT_EQ(logUserActivity(*t, "PO Enter Purchase Orders", "Added Purchase Order"), LogOutcome::Failed);
}
