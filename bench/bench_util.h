#pragma once
// Shared pieces of the benchmarks: the --scale option, a stopwatch, and the
// figure and TARGET lines a script reads.
#include <chrono>
#include <string>

namespace vtl::bench {

// The factor given with --scale (1 when absent).
double scaleFrom(int argc, char** argv);

class Stopwatch {
public:
    Stopwatch() : start_(std::chrono::steady_clock::now()) {}
    double seconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

private:
    std::chrono::steady_clock::time_point start_;
};

void figure(const std::string& name, double value, const std::string& unit);
// Prints "TARGET name measured <= limit MET|MISSED"; returns whether met.
bool target(const std::string& name, double measured, double limit);

// A fresh scratch folder under the system's temporary folder.
std::string scratchFolder(const std::string& name);

// The store a benchmark runs on: "--backend postgresql" puts its company on
// the server at VTL_BENCH_PG (scripts/bench starts a private one), else an
// SQLite file in its folder.
bool onServer(int argc, char** argv);
// The server address of a new, empty database named `name` ("" on SQLite).
std::string serverDatabase(bool server, const std::string& name);

}  // namespace vtl::bench
