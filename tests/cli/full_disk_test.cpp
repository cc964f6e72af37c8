// Batch jobs whose writes fail part way: the vtlpo program run under a
// file-size limit (as `ulimit -f` sets one), or on a file system too small
// for what it writes. Each job says what went wrong in one line, leaves the
// records as they were before it, and leaves no file cut short at the path
// it was to write.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>

#include "cli/run_vtlpo.h"
#include "records/database.h"
#include "records/records.h"
#include "support/store_digest.h"
#include "support/temp_dir.h"

using namespace vtl;
using namespace vtl::test;
namespace fs = std::filesystem;

namespace {

// The batch tool of this build: beside the test programs' folder.
std::string vtlpoProgram() {
    return (fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "cli" / "vtlpo").string();
}

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Runs `program args` with every file it writes held to `limit` bytes.
CliResult runLimited(const std::string& program, const std::vector<std::string>& args, rlim_t limit,
                     const TempDir& dir) {
    const std::string out = dir.file("stdout.txt"), err = dir.file("stderr.txt");
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        if (!std::freopen(out.c_str(), "w", stdout) || !std::freopen(err.c_str(), "w", stderr)) ::_exit(126);
        const rlimit r{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &r);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return {code, slurp(out), slurp(err)};
}

// The files of a folder (not its subfolders), by name.
std::set<std::string> filesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.is_regular_file()) names.insert(e.path().filename().string());
    return names;
}

bool oneLine(const std::string& text) {
    return !text.empty() && text.back() == '\n' && text.find('\n') == text.size() - 1;
}

// The demo company and 1,500 orders more, imported.
class FullDisk : public ::testing::Test {
protected:
    void SetUp() override {
        data = dir.file("data");
        ASSERT_EQ(vtlpo({"init", "--data", data, "--demo"}).code, 0);
        std::string text;
        for (int i = 0; i < 1500; ++i)
            text += "H,101,\"Bulk\",,\"\",,,,,51,0,0,51\n"
                    "D,0,\"\",\"\",\"Framing lumber for the north wall and its headers\",12,4.25,\"EA\",0,\"G\","
                    "\"5000-00\"\n";
        bulk = dir.file("bulk.txt");
        std::ofstream(bulk) << text;
        const CliResult r = vtlpo({"import", "--data", data, "--source", "*Purchase Orders Exported from Vantrel",
                                   "--file", bulk});
        ASSERT_EQ(r.code, 0) << r.err << r.out;
    }

    StoreDigest records() {
        auto db = openDataFolder(data, true);
        EXPECT_TRUE(db) << db.error;
        return db ? storeDigest(*db.store) : StoreDigest{};
    }

    // The job under the limit: one line on stderr, a failure's exit, the
    // records and the data folder's files as before.
    CliResult failsCleanly(const std::vector<std::string>& args, rlim_t limit) {
        const StoreDigest before = records();
        const std::set<std::string> files = filesIn(data);
        const CliResult r = runLimited(vtlpoProgram(), args, limit, dir);
        EXPECT_NE(r.code, 0) << r.out;
        EXPECT_LT(r.code, 128) << "ended by a signal";
        EXPECT_TRUE(oneLine(r.err)) << r.err;
        EXPECT_EQ(differingFiles(before, records()), "");
        std::set<std::string> after = filesIn(data);
        after.erase("vantrel.db-wal");
        after.erase("vantrel.db-shm");
        std::set<std::string> expected = files;
        expected.erase("vantrel.db-wal");
        expected.erase("vantrel.db-shm");
        EXPECT_EQ(after, expected) << "no work file or temporary file is left";
        const CliResult check = vtlpo({"check", "--data", data});
        EXPECT_EQ(check.code, 0) << check.out;
        return r;
    }

    TempDir dir;
    std::string data, bulk;
};

}  // namespace

TEST_F(FullDisk, AnImportThatCannotBeCopiedOrWrittenImportsNothing) {
    // The file cannot even be copied to the work file.
    CliResult r = failsCleanly({"import", "--data", data, "--source", "*Purchase Orders Exported from Vantrel",
                                "--file", bulk},
                               64 * 1024);
    EXPECT_NE(r.err.find("Import.txt"), std::string::npos) << r.err;
    // Copied, but the records do not fit.
    const rlim_t room = fs::file_size(bulk) + 64 * 1024;
    r = failsCleanly({"import", "--data", data, "--source", "*Purchase Orders Exported from Vantrel", "--file", bulk},
                     room);
    EXPECT_NE(r.err.find("Nothing was imported."), std::string::npos) << r.err;
}

TEST_F(FullDisk, AnExportThatCannotBeWrittenLeavesTheOldFileAsItWas) {
    const std::string target = dir.file("orders.txt");
    std::ofstream(target) << "the export of last week\n";
    const CliResult r = failsCleanly({"export", "--data", data, "--all", target}, 64 * 1024);
    EXPECT_NE(r.err.find("Adding Export"), std::string::npos) << r.err;
    EXPECT_EQ(slurp(target), "the export of last week\n");
    EXPECT_EQ(filesIn(dir.path()).count("orders.txt"), 1u);
    for (const std::string& name : filesIn(dir.path()))
        EXPECT_EQ(name.find("orders.txt."), std::string::npos) << name << " is left beside the target";
}

TEST_F(FullDisk, ARebuildThatCannotBeWrittenChangesNothing) {
    {
        auto db = openDataFolder(data);
        ASSERT_TRUE(db.store->exec("UPDATE POMaster SET QuantityReconciled = 7"));
        ASSERT_TRUE(db.store->exec("UPDATE JCCost SET Committed = Committed + 100"));
    }
    const CliResult r = runLimited(vtlpoProgram(), {"recalc", "--data", data, "--on-order"}, 64 * 1024, dir);
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(oneLine(r.err)) << r.err;
    // Nothing of it stays: the check still finds every figure it found before.
    const CliResult check = vtlpo({"check", "--data", data});
    EXPECT_EQ(check.code, 1);
    EXPECT_NE(check.out.find("committed"), std::string::npos);
    EXPECT_EQ(vtlpo({"recalc", "--data", data, "--on-order"}).code, 0) << "with room it goes through";
    EXPECT_EQ(vtlpo({"check", "--data", data}).code, 0);
}

TEST_F(FullDisk, APdfThatCannotBeWrittenNumbersAndFlagsNothing) {
    const std::string pdf = dir.file("orders.pdf");
    const CliResult r = failsCleanly({"print", "--data", data, "--generate", "--assign", "A", "--flag-printed",
                                      "--beginning", "7000", "--pdf", pdf},
                                     2 * 1024 * 1024);
    EXPECT_NE(r.err.find("orders.pdf"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("File too large"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(pdf));
    for (const std::string& name : filesIn(dir.path()))
        EXPECT_EQ(name.find("orders.pdf"), std::string::npos) << name << " is left beside the target";
}

TEST_F(FullDisk, AListingThatCannotBeWrittenLeavesNoFile) {
    const std::string text = dir.file("listing.txt");
    // (The database's shared index alone takes 32 KB.)
    const CliResult r = runLimited(vtlpoProgram(), {"listing", "--data", data, "--limit", "1", "--text", text},
                                   64 * 1024, dir);
    EXPECT_NE(r.code, 0);
    EXPECT_LT(r.code, 128) << "ended by a signal";
    EXPECT_NE(r.err.find("listing.txt"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(text));
    for (const std::string& name : filesIn(dir.path()))
        EXPECT_EQ(name.find("listing.txt"), std::string::npos) << name << " is left beside the target";
}

namespace {

// Runs a shell script as the superuser of a namespace of its own, where it
// may mount file systems nobody else sees; nullopt where this system does
// not allow that.
std::optional<CliResult> inOwnMounts(const std::string& script, const TempDir& dir) {
    if (std::system("unshare -rm true >/dev/null 2>&1") != 0) return std::nullopt;
    const std::string path = dir.file("script.sh");
    std::ofstream(path) << "set -u\n" << script;
    return runLimited("/usr/bin/unshare", {"-rm", "/bin/sh", path}, RLIM_INFINITY, dir);
}

// What the script said each command ended with: "name=code" lines.
int exitOf(const CliResult& r, const std::string& name) {
    const auto at = r.out.find(name + "=");
    return at == std::string::npos ? -1 : std::atoi(r.out.c_str() + at + name.size() + 1);
}

}  // namespace

TEST_F(FullDisk, AnImportOnAFileSystemThatFillsUpImportsNothing) {
    const std::string mnt = dir.file("small");
    fs::create_directories(mnt);
    const std::string v = vtlpoProgram();
    const auto r = inOwnMounts(
        // Room for the database, the file copied in and a little more: the
        // records of the import do not fit.
        "mount -t tmpfs -o size=" +
            std::to_string(fs::file_size(databasePath(data)) + 3 * fs::file_size(bulk) + 256 * 1024) + " none " + mnt +
            "\ncp -a " + data + " " + mnt + "/data\n" +
            "sum1=$(" + v + " dump POMaster --data " + mnt + "/data | md5sum)\n" +
            v + " import --data " + mnt + "/data --source '*Purchase Orders Exported from Vantrel' --file " + bulk +
            " >/dev/null 2>" + dir.file("import.err") + "; echo import=$?\n" +
            "sum2=$(" + v + " dump POMaster --data " + mnt + "/data | md5sum)\n" +
            "[ \"$sum1\" = \"$sum2\" ]; echo same=$?\n" +
            v + " check --data " + mnt + "/data >/dev/null; echo check=$?\n" +
            "ls " + mnt + "/data\n",
        dir);
    if (!r) GTEST_SKIP() << "this system lets no one mount a file system of their own (unshare -rm)";
    EXPECT_EQ(exitOf(*r, "import"), 1) << r->out << r->err;
    const std::string said = slurp(dir.file("import.err"));
    EXPECT_TRUE(oneLine(said)) << said;
    EXPECT_NE(said.find("Nothing was imported."), std::string::npos) << said;
    EXPECT_EQ(exitOf(*r, "same"), 0) << "the orders are as they were";
    EXPECT_EQ(exitOf(*r, "check"), 0);
    // The work file of the last import, and no other.
    EXPECT_NE(r->out.find("Import.txt\nvantrel.db\n"), std::string::npos) << r->out;
    EXPECT_EQ(r->out.find("Import.txt."), std::string::npos) << r->out;
}

TEST_F(FullDisk, ADataFolderOnAReadOnlyFileSystemIsReadAndNeverWritten) {
    const std::string mnt = dir.file("ro"), out = dir.file("export.txt");
    fs::create_directories(mnt);
    const std::string v = vtlpoProgram();
    auto run = [&](const std::string& name, const std::string& args) {
        return v + " " + args + " >" + dir.file(name + ".out") + " 2>" + dir.file(name + ".err") + "; echo " + name +
               "=$?\n";
    };
    const std::string folder = mnt + "/data";
    const auto r = inOwnMounts("mount -t tmpfs none " + mnt + "\ncp -a " + data + " " + folder +
                                   "\nmount -o remount,ro " + mnt + "\n" + run("check", "check --data " + folder) +
                                   run("dump", "dump POMaster --data " + folder) +
                                   run("import", "import --data " + folder +
                                                     " --source '*Purchase Orders Exported from Vantrel' --file " +
                                                     bulk) +
                                   run("recalc", "recalc --data " + folder) +
                                   run("export", "export --data " + folder + " --all " + out),
                               dir);
    if (!r) GTEST_SKIP() << "this system lets no one mount a file system of their own (unshare -rm)";
    // Read as it is: the check and every record.
    EXPECT_EQ(exitOf(*r, "check"), 0) << slurp(dir.file("check.err"));
    EXPECT_NE(slurp(dir.file("check.out")).find("all agree"), std::string::npos);
    EXPECT_EQ(exitOf(*r, "dump"), 0) << slurp(dir.file("dump.err"));
    EXPECT_GT(slurp(dir.file("dump.out")).size(), 100000u);
    // Never written: each job that would write says why in one line. The
    // export's work file is the data folder's, so it cannot run there.
    for (const char* job : {"import", "recalc", "export"}) {
        EXPECT_NE(exitOf(*r, job), 0) << job;
        const std::string said = slurp(dir.file(std::string(job) + ".err"));
        EXPECT_TRUE(oneLine(said)) << said;
        EXPECT_TRUE(said.find("read-only") != std::string::npos || said.find("Read-only") != std::string::npos)
            << said;
    }
    EXPECT_FALSE(fs::exists(out));
}
