// Every operation of the crash workload (the form's OK, the browse's
// delete, duplicate, reconcile and unreconcile, receiving, closing a slip,
// invoices, imports, rebuilds, printing with numbering) run once as it is
// and then again with the writes to one of the files it changes refused
// by the database: the refused run must change nothing at all, and the
// person must have been told.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

#include "commands/batch_report.h"
#include "crash/folder_state.h"
#include "crash/workload.h"
#include "support/temp_dir.h"

using namespace vtl;
using namespace vtl::crash;

namespace {

void refuseWrites(store::Store& store, const std::string& file) {
    for (const char* op : {"INSERT", "UPDATE", "DELETE"})
        ASSERT_TRUE(store.exec("CREATE TRIGGER \"refuse_" + std::string(op) + "\" BEFORE " + op +
                                            " ON \"" + file + "\" BEGIN SELECT RAISE(ABORT, 'refused by the test'); END"))
            << store.lastError();
}

TEST(FailedWrites, AnOperationWhoseWriteIsRefusedChangesNothingAndSaysSo) {
    cli::ensureGuiApplication();
    test::TempDir dir;
    auto backend = sqliteBackend();
    const std::string folder = dir.file("data"), copy = dir.file("copy");
    {
        OpenResult db = backend->create(folder);
        ASSERT_TRUE(db) << db.error;
        std::string error;
        ASSERT_TRUE(createCompany(*db.store, folder, error)) << error;
    }
    constexpr std::uint64_t kSeed = 11;
    int refused = 0;
    std::set<std::string> kinds;
    for (std::int64_t k = 1; k <= 160; ++k) {
        // The operation as it goes when nothing is refused.
        Fingerprint before, after;
        std::string what;
        {
            OpenResult db = backend->open(folder);
            ASSERT_TRUE(db) << db.error;
            before = fingerprint(*db.store);
            std::string error;
            ASSERT_TRUE(backend->copy(folder, copy, error)) << error;
            Workload work(*db.store, folder, kSeed);
            std::string fault;
            what = work.run(k, fault);
            ASSERT_EQ(fault, "") << "operation " << k << " (" << what << ")";
            after = fingerprint(*db.store);
        }
        // Again from the copy, with each file it changed refusing writes.
        const std::string changed = differingFiles(before, after);
        std::istringstream files(changed);
        for (std::string file; files >> file;) {
            // The purchasing agents' drop list is a list of names typed
            // before: a name it cannot take is told and the import goes on.
            if (file == "DropList") continue;
            std::string error;
            const std::string trial = dir.file("trial");
            ASSERT_TRUE(backend->copy(copy, trial, error)) << error;
            OpenResult db = backend->open(trial);
            ASSERT_TRUE(db) << db.error;
            refuseWrites(*db.store, file);
            Workload work(*db.store, trial, kSeed);
            std::string fault;
            work.run(k, fault);
            EXPECT_EQ(differingFiles(before, fingerprint(*db.store)), "")
                << "operation " << k << " (" << what << ") with " << file << " refused left a part of it";
            // The store's text, or the stated message ("Unable to Insert POMaster.").
            EXPECT_NE(fault, "") << "operation " << k << " (" << what << ") with " << file << " refused said nothing";
            ++refused;
            kinds.insert(what.substr(0, what.find_first_of(" :")));
        }
    }
    std::printf("%d refused writes over %zu kinds of operation\n", refused, kinds.size());
    for (const char* kind : {"new", "change", "delete", "duplicate", "reconcile", "receive", "close", "invoice", "import", "print"})
        EXPECT_EQ(kinds.count(kind), 1u) << "no " << kind << " operation changed anything";
}

}  // namespace
