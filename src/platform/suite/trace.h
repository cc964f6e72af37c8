#pragma once
// The debug output of the network services. Whether anything is written is
// decided once, from the command line: "/netnolog" silences it whatever
// else is given; otherwise any of "/nettalklog", "/nettalklogerrors",
// "/neterrors" or "/netall" turns it on. Switches compare without regard to
// case. Lines go to standard error, or to a log file (in the data folder)
// when one is named.
#include <fstream>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

namespace vtl::suite {

// The log file the host may name in the data folder.
inline constexpr const char* kTraceLogName = "vtlpo-trace.log";

class Trace {
public:
    // Whether the switches on this command line ask for trace lines.
    static bool switchesApply(const std::vector<std::string>& commandLine);

    Trace() = default;
    explicit Trace(const std::vector<std::string>& commandLine) { configure(commandLine); }
    Trace(const Trace&) = delete;
    Trace& operator=(const Trace&) = delete;

    void configure(const std::vector<std::string>& commandLine);
    bool enabled() const;

    // Where the lines go: a stream of the caller's (standard error unless
    // set), or a file appended to.
    void writeTo(std::ostream& out);
    bool writeToFile(const std::string& path);
    std::string fileName() const;

    // Writes one line when enabled; returns whether it was written.
    bool line(const std::string& text);
    int linesWritten() const;

private:
    mutable std::mutex m_;
    bool enabled_ = false;
    std::ostream* out_ = nullptr;  // null: standard error
    std::ofstream file_;
    std::string fileName_;
    int written_ = 0;
};

}  // namespace vtl::suite
