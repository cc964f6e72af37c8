// vtlpo_crash: kills a program at work on a data folder, again and again,
// and checks after each kill that nothing was lost or half done.
//
//   vtlpo_crash harness [--runs N] [--seed S] [--work DIR] [--most-ms MS] [--server ADDRESS]
//   vtlpo_crash child --data DIR --journal FILE --seed S --from K
//
// With --server (or, when VTL_TEST_STORE=postgresql, the test server at
// VTL_TEST_PG) the folders keep their records on that PostgreSQL server,
// each in a database of its own, dropped again when the test passes.
//
// The harness makes a data folder with a small company, then N times runs
// the child on it, which does the numbered operations of the workload from
// K on and, after each, appends "done K DIGEST WHAT" to the journal and
// syncs it; the harness kills it with SIGKILL at a random moment. After
// each kill:
//   - the folder opens and `vtlpo check` finds nothing wrong (every
//     committed amount and on-order quantity equals what the open lines
//     say, no line is without its order, no PO number is used twice);
//   - no counter of numbers handed out went back;
//   - every operation the journal says finished is there in full: the same
//     operations run again from a copy of the folder as it was before the
//     child started give the digests the child wrote;
//   - the operation the kill cut short is there in full or not at all: the
//     folder is either the copy after the last finished operation, or that
//     copy after the operation ran once more, records and output files
//     alike (a PDF file, whose bytes carry the time, only has to be whole),
//     or, for the one operation of two steps (workload.h), that copy after
//     its first step;
// then the next child goes on where the journal ends. Exit status 0 when
// every run passed.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "commands/batch_report.h"
#include "commands/cli.h"
#include "crash/folder_state.h"
#include "crash/workload.h"

using namespace vtl;
using namespace vtl::crash;
namespace fs = std::filesystem;

namespace {

std::string arg(const std::vector<std::string>& args, const std::string& name, const std::string& fallback) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == name) return args[i + 1];
    return fallback;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// ------------------------------------------------------------------ journal

struct Entry {
    std::int64_t k = 0;
    std::string digest;
    std::string what;
};

std::vector<Entry> readJournal(const std::string& path) {
    std::vector<Entry> out;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string tag;
        Entry e;
        words >> tag >> e.k >> e.digest;
        std::getline(words, e.what);
        if (tag == "done" && !e.digest.empty()) out.push_back(e);
    }
    return out;
}

// Appends a line and puts it on the disk before anything else happens.
bool journal(int fd, const std::string& line) {
    const std::string text = line + "\n";
    if (::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) return false;
    return ::fsync(fd) == 0;
}

// -------------------------------------------------------------------- child

int child(const std::vector<std::string>& args) {
    const std::string folder = arg(args, "--data", "");
    const std::string journalPath = arg(args, "--journal", "");
    const std::uint64_t seed = std::strtoull(arg(args, "--seed", "1").c_str(), nullptr, 10);
    std::int64_t k = std::strtoll(arg(args, "--from", "1").c_str(), nullptr, 10);
    cli::ensureGuiApplication();
    OpenResult db = openDataFolder(folder);
    if (!db) {
        std::cerr << "vtlpo_crash child: " << db.error << "\n";
        return 2;
    }
    const int fd = ::open(journalPath.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        std::cerr << "vtlpo_crash child: " << journalPath << ": " << std::strerror(errno) << "\n";
        return 2;
    }
    Workload work(*db.store, folder, seed);
    for (;; ++k) {
        std::string fault;
        const std::string what = work.run(k, fault);
        if (!fault.empty()) {
            std::cerr << "vtlpo_crash child: operation " << k << " (" << what << ") failed:\n" << fault;
            return 3;
        }
        if (!journal(fd, "done " + std::to_string(k) + " " + digest(fingerprint(*db.store)) + " " + what)) {
            std::cerr << "vtlpo_crash child: the journal cannot be written\n";
            return 2;
        }
    }
}

// ------------------------------------------------------------------ harness

struct Outputs {
    bool exportThere = false;
    std::string exportBytes;
    bool pdfThere = false;
    bool pdfWhole = false;

    bool sameExport(const Outputs& o) const { return exportThere == o.exportThere && exportBytes == o.exportBytes; }
};

bool wholePdf(const std::string& path) {
    const std::string bytes = readFile(path);
    if (bytes.compare(0, 5, "%PDF-") != 0) return false;
    const auto eof = bytes.rfind("%%EOF");
    return eof != std::string::npos && bytes.find_first_not_of("\r\n", eof + 5) == std::string::npos;
}

Outputs outputsOf(const std::string& folder) {
    Outputs o;
    const fs::path exported = fs::path(folder) / kExportFile, pdf = fs::path(folder) / kPdfFile;
    o.exportThere = fs::exists(exported);
    if (o.exportThere) o.exportBytes = readFile(exported);
    o.pdfThere = fs::exists(pdf);
    o.pdfWhole = o.pdfThere && wholePdf(pdf);
    return o;
}

class Harness {
public:
    Harness(std::string work, std::uint64_t seed, int mostMs, std::unique_ptr<Backend> backend)
        : work_(std::move(work)), seed_(seed), mostMs_(mostMs), rng_(seed), backend_(std::move(backend)) {
        real_ = work_ + "/data";
        base_ = work_ + "/before";
        trial_ = work_ + "/trial";
        journal_ = work_ + "/journal";
        log_ = work_ + "/child.log";
    }

    bool setUp() {
        fs::remove_all(work_);
        fs::create_directories(work_);
        {
            OpenResult db = backend_->create(real_);
            if (!db) return fail("the data folder cannot be made: " + db.error);
            std::string error;
            if (!createCompany(*db.store, real_, error)) return fail("the company cannot be made: " + error);
            counters_ = counters(*db.store);
        }
        std::ofstream(journal_, std::ios::trunc);
        return snapshot();
    }

    // One child started, killed and checked; false on the first fault found.
    bool round(int run) {
        std::uniform_int_distribution<int> wait(0, mostMs_);
        const int ms = wait(rng_);
        const pid_t pid = startChild();
        if (pid < 0) return fail("the child cannot be started");
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        if (!(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL))
            return fail("the child stopped by itself (status " + std::to_string(status) + "):\n" + readFile(log_));

        const std::vector<Entry> entries = readJournal(journal_);
        const std::int64_t finished = entries.empty() ? 0 : entries.back().k;
        std::string verdict;
        if (!check(entries, finished, verdict)) return false;
        std::printf("run %3d: killed after %4d ms, %3lld operations finished in all; %s\n", run, ms,
                    static_cast<long long>(last_), verdict.c_str());
        std::fflush(stdout);
        return snapshot();
    }

    const std::string& failure() const { return failure_; }
    void removeAll() { backend_->removeAll(); }

private:
    bool fail(const std::string& why) {
        failure_ = why;
        return false;
    }

    pid_t startChild() {
        const std::string from = std::to_string(last_ + 1), seed = std::to_string(seed_);
        const pid_t pid = ::fork();
        if (pid != 0) return pid;
        const int logFd = ::open(log_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (logFd >= 0) {
            ::dup2(logFd, STDERR_FILENO);
            ::dup2(logFd, STDOUT_FILENO);
        }
        ::execl("/proc/self/exe", "vtlpo_crash", "child", "--data", real_.c_str(), "--journal", journal_.c_str(),
                "--seed", seed.c_str(), "--from", from.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }

    bool check(const std::vector<Entry>& entries, std::int64_t finished, std::string& verdict) {
        // The folder opens and the check of the figures finds nothing.
        std::ostringstream out, err;
        const int rc = cli::run({"check", "--data", real_}, out, err);
        if (rc != 0) return fail("vtlpo check after the kill (exit " + std::to_string(rc) + "):\n" + out.str() + err.str());
        Fingerprint now;
        {
            OpenResult db = backend_->open(real_);
            if (!db) return fail("the folder does not open after the kill: " + db.error);
            for (const auto& [name, value] : counters(*db.store)) {
                if (value < counters_[name])
                    return fail(name + " went back from " + std::to_string(counters_[name]) + " to " +
                                std::to_string(value));
                counters_[name] = value;
            }
            now = fingerprint(*db.store);
        }
        const Outputs nowOut = outputsOf(real_);
        if (nowOut.pdfThere && !nowOut.pdfWhole) return fail(std::string(kPdfFile) + " is there but not whole");

        // The finished operations again, from the folder as it was.
        Fingerprint before;
        std::int64_t k = last_ + 1;
        {
            OpenResult db = backend_->open(base_);
            if (!db) return fail("the copy does not open: " + db.error);
            Workload again(*db.store, base_, seed_);
            for (const Entry& e : entries) {
                if (e.k <= last_) continue;
                if (e.k != k) return fail("the journal skips from operation " + std::to_string(k - 1) + " to " +
                                          std::to_string(e.k));
                std::string fault;
                const std::string what = again.run(k, fault);
                const std::string d = digest(fingerprint(*db.store));
                if (!fault.empty() || d != e.digest)
                    return fail("operation " + std::to_string(k) + " (" + e.what + ") run again did " + what +
                                " and gave " + d + " instead of " + e.digest + "\n" + fault);
                ++k;
            }
            before = fingerprint(*db.store);
        }
        const Outputs beforeOut = outputsOf(base_);

        // The one the kill cut short, run once more on a copy.
        std::string error;
        if (!backend_->copy(base_, trial_, error)) return fail(error);
        Fingerprint after;
        std::string what;
        {
            OpenResult db = backend_->open(trial_);
            if (!db) return fail("the trial copy does not open: " + db.error);
            Workload once(*db.store, trial_, seed_);
            std::string fault;
            what = once.run(finished + 1, fault);
            after = fingerprint(*db.store);
        }
        const Outputs afterOut = outputsOf(trial_);

        // And stopped after its first step, for an operation of two.
        if (!backend_->copy(base_, trial_, error)) return fail(error);
        Fingerprint partway;
        {
            OpenResult db = backend_->open(trial_);
            if (!db) return fail("the trial copy does not open: " + db.error);
            Workload once(*db.store, trial_, seed_);
            std::string fault;
            once.run(finished + 1, fault, true);
            partway = fingerprint(*db.store);
        }

        // Printing numbers the orders in one transaction and writes the PDF
        // file after it: a kill between the two leaves the numbers given
        // and the file as it was.
        const bool twoSteps = partway != after;
        const bool notThere = (now == before || (twoSteps && now == partway)) && nowOut.sameExport(beforeOut) &&
                              nowOut.pdfThere == beforeOut.pdfThere;
        const bool inFull = now == after && nowOut.sameExport(afterOut) &&
                            (nowOut.pdfThere == afterOut.pdfThere || nowOut.pdfThere == beforeOut.pdfThere);
        const std::string op = "operation " + std::to_string(finished + 1) + " (" + what + ")";
        if (!notThere && !inFull)
            return fail(op + " is half there: the records differ from those before it in [" +
                        differingFiles(now, before) + "] and from those after it in [" + differingFiles(now, after) +
                        "]" + (nowOut.exportBytes != beforeOut.exportBytes && nowOut.exportBytes != afterOut.exportBytes
                                   ? "; the export file is neither the one before nor the one after"
                                   : ""));
        if (notThere) {
            verdict = op + (now == before ? " not there" : " after its first step");
            last_ = finished;
        } else {
            verdict = op + " there in full";
            last_ = finished + 1;
            // The journal line the kill prevented, so the next child goes on after it.
            const int fd = ::open(journal_.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
            const bool written = fd >= 0 && journal(fd, "done " + std::to_string(last_) + " " + digest(now) + " " + what);
            if (fd >= 0) ::close(fd);
            if (!written) return fail("the journal cannot be written");
        }
        return true;
    }

    // The folder as it is now, for the operations to run again from.
    bool snapshot() {
        std::string error;
        if (!backend_->copy(real_, base_, error)) return fail(error);
        return true;
    }

    std::string work_, real_, base_, trial_, journal_, log_;
    std::uint64_t seed_;
    int mostMs_;
    std::mt19937_64 rng_;
    std::unique_ptr<Backend> backend_;
    std::map<std::string, std::int64_t> counters_;
    std::int64_t last_ = 0;  // the last operation there in full
    std::string failure_;
};

int harness(const std::vector<std::string>& args) {
    const int runs = std::atoi(arg(args, "--runs", "100").c_str());
    const std::uint64_t seed = std::strtoull(arg(args, "--seed", "1").c_str(), nullptr, 10);
    const int mostMs = std::atoi(arg(args, "--most-ms", "800").c_str());
    std::string work = arg(args, "--work", "");
    const bool keep = !work.empty();
    if (work.empty()) work = (fs::temp_directory_path() / ("vtlpo-crash-" + std::to_string(::getpid()))).string();
    std::string server = arg(args, "--server", "");
    const char* testStore = std::getenv("VTL_TEST_STORE");
    const char* testServer = std::getenv("VTL_TEST_PG");
    if (server.empty() && testStore && std::string(testStore) == "postgresql") {
        if (!testServer || !*testServer) {
            std::cerr << "vtlpo_crash: VTL_TEST_STORE=postgresql needs VTL_TEST_PG, the test server\n";
            return 2;
        }
        server = testServer;
    }
    std::unique_ptr<Backend> backend = server.empty()
                                           ? sqliteBackend()
                                           : postgresBackend(server, "crash" + std::to_string(::getpid()) + "_");
    const std::string storeName = backend->name();
    cli::ensureGuiApplication();
    Harness h(work, seed, mostMs, std::move(backend));
    std::printf("crash test: %d runs, seed %llu, store %s, in %s\n", runs, static_cast<unsigned long long>(seed),
                storeName.c_str(), work.c_str());
    bool ok = h.setUp();
    for (int run = 1; ok && run <= runs; ++run) ok = h.round(run);
    if (!ok) {
        std::printf("FAILED: %s\n(the folder is kept in %s)\n", h.failure().c_str(), work.c_str());
        return 1;
    }
    std::printf("crash test passed: %d kills, nothing lost or half done\n", runs);
    h.removeAll();
    if (!keep) fs::remove_all(work);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "child") return child(args);
    if (!args.empty() && args[0] == "harness") return harness(args);
    std::cerr << "usage: vtlpo_crash harness [--runs N] [--seed S] [--work DIR] [--most-ms MS] [--server ADDRESS]\n"
                 "       vtlpo_crash child --data DIR --journal FILE --seed S --from K\n";
    return 2;
}
