// Eight programs at work on one company at once, each a separate process
// with its own connection, on whichever store the tests run on: new orders,
// changes, deletes, duplicates, reconciling, receipts, invoices, imports,
// printing with numbering and now and then a rebuild, through the real
// controllers (support/figures_model.h). Each program keeps to the orders of
// a vendor of its own, so what it finished can be checked afterwards; the
// counters (PO numbers, auto-numbers, print numbering) and the running
// figures (committed amounts, on-order quantities) are shared by all.
//
// Every program checks after each of its steps that a snapshot of the
// whole company agrees with its lines. Afterwards: every program's orders
// are exactly as it last saw them, no PO number was given twice, and the
// check of the figures finds nothing.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "support/figures_model.h"
#include "support/test_store.h"
#include "vtlporpt/create_po_print.h"
#include "vtlporpt/form_test_support.h"
#include "vtlporpt/print_shared.h"
#include "vtlporpt/standard_form.h"

using namespace vtl;
using test::Model;

namespace {

constexpr int kWorkers = 8;

std::string slurp(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void spit(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

// Prints one of the program's orders with a blank number, which the run
// numbers from the "Generate POs" counters; the number given is noted.
std::string printOne(Model& m, std::vector<std::string>& printed) {
    auto po = m.anyOrder();
    if (!po) return "print: no order";
    POPrint row;
    row.UserID = m.globals().UserID;
    row.POID = po->POID;
    row.VendorID = po->VendorID;
    row.IssueDate = m.clock().today();
    if (!store::Table<POPrint>(m.store()).insert(row)) return "print: no row";
    test::FormTestMeasure measure;
    rpt::PrintPurchaseOrderStandard(m.session(), measure).run();
    POPrint after;
    after.RecordID = row.RecordID;
    if (!store::Table<POPrint>(m.store()).fetch(POPrint::KeyRecordID, after)) return "print: row gone";
    if (!after.PONumber.blank()) printed.push_back(after.PONumber.clip());
    store::Table<POPrint>(m.store()).remove(after);
    return "print " + std::to_string(po->POID) + " as " + after.PONumber.clip();
}

// One program's run, in a process of its own; what it finished goes to
// files in `dir` for the test to compare.
int work(int w, const std::string& folder, const std::string& dir, int steps) {
    try {
        if (::chdir(dir.c_str()) != 0) return 3;
        Model m(static_cast<std::uint64_t>(1000 + w), folder, static_cast<ULong>(10 + w), "W" + std::to_string(w));
        std::vector<std::string> printed;
        m.addStep([&](Model& model) { return printOne(model, printed); });
        std::string trail;
        for (int i = 0; i < steps; ++i) {
            std::string done;
            m.step(done);
            trail += "  " + done + "\n";
            const std::string wrong = m.disagreement();
            if (!wrong.empty()) {
                spit(dir + "/failure.txt", "step " + std::to_string(i + 1) + ":\n" + wrong + "after:\n" + trail);
                return 1;
            }
        }
        std::string numbers;
        for (const auto& n : printed) numbers += n + "\n";
        spit(dir + "/printed.txt", numbers);
        spit(dir + "/digest.txt", m.digest());
        spit(dir + "/trail.txt", trail);
        return 0;
    } catch (const std::exception& e) {
        spit(dir + "/failure.txt", std::string("exception: ") + e.what());
        return 2;
    }
}

int envInt(const char* name, int fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::atoi(v) : fallback;
}

TEST(Concurrency, EightProgramsAtOnceLoseNothingAndCountNothingTwice) {
    const int steps = envInt("VTL_CONCURRENCY_STEPS", 40);
    test::ServerDatabase server;
    Model setup(0, server.address());
    setup.prepareWorkers(kWorkers);
    for (int w = 1; w <= kWorkers; ++w) {
        POLimits l;
        l.UserID = "W" + std::to_string(w);
        l.Report = rpt::kGenerateReport;
        l.RefFrom = 5000;
        ASSERT_TRUE(store::Table<POLimits>(setup.store()).insert(l));
    }
    test::TempDir work;
    std::map<pid_t, int> running;
    const auto start = std::chrono::steady_clock::now();
    for (int w = 1; w <= kWorkers; ++w) {
        const std::string dir = work.file(std::to_string(w));
        ASSERT_EQ(::mkdir(dir.c_str(), 0755), 0);
        std::fflush(nullptr);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        // The child leaves without running any destructor: the parent's
        // connection is the parent's alone.
        if (pid == 0) ::_exit(::work(w, setup.folder(), dir, steps));
        running[pid] = w;
    }
    while (!running.empty()) {
        int status = 0;
        const pid_t pid = ::wait(&status);
        ASSERT_GT(pid, 0);
        const int w = running[pid];
        running.erase(pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << "program " << w << " failed:\n" << slurp(work.file(std::to_string(w) + "/failure.txt"));
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("concurrency: %d operations by %d programs in %.1f s, %.1f per second (%s)\n", kWorkers * steps,
                kWorkers, seconds, kWorkers * steps / seconds, test::onServer() ? "postgresql" : "sqlite");
    if (HasFailure()) return;

    // Every program's finished work is there, whole.
    std::set<std::string> printed;
    int orders = 0, printedCount = 0;
    for (int w = 1; w <= kWorkers; ++w) {
        const std::string dir = work.file(std::to_string(w));
        Model reader(0, setup.folder(), static_cast<ULong>(10 + w), "W" + std::to_string(w));
        const std::string expected = slurp(dir + "/digest.txt");
        EXPECT_EQ(reader.digest(), expected) << "program " << w << " after:\n" << slurp(dir + "/trail.txt");
        for (char c : expected) orders += c == '\n';
        std::istringstream numbers(slurp(dir + "/printed.txt"));
        for (std::string n; std::getline(numbers, n);) {
            ++printedCount;
            EXPECT_TRUE(printed.insert(n).second) << "print number " << n << " given twice";
        }
    }
    // No PO number is given twice.
    std::map<std::string, int> numbers;
    POMaster po;
    for (auto c = store::Table<POMaster>(setup.store()).all(POMaster::KeyPOID); c.next(po);)
        if (!po.PONumber.blank()) {
            EXPECT_EQ(++numbers[po.PONumber.clip()], 1) << "PO number " << po.PONumber.clip();
        }
    // And the figures agree with the lines, as vtlpo check sees them.
    rec::CheckResult result;
    ASSERT_TRUE(rec::checkFigures(setup.store(), test::kCostCodeLen, result, {}, true));
    EXPECT_TRUE(result.differences.empty()) << result.differences.size() << " differences, the first "
                                            << (result.differences.empty() ? "" : result.differences[0].what);
    // The programs really were at work together.
    EXPECT_GT(orders, kWorkers);
    EXPECT_GT(printedCount, 0);
}

}  // namespace
