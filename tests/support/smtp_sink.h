#pragma once
// A real mail server for the tests of sending: aiosmtpd on 127.0.0.1 on a
// free port, run by tests/data/smtp_sink.py with the system's python3, that
// writes each message it takes apart into a folder of its parts.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/temp_dir.h"

extern char** environ;

namespace vtl::test {

inline constexpr const char* kPython = "/usr/bin/python3";

inline std::string sinkScript() {
    const char* data = std::getenv("VTL_TEST_DATA");
    const std::filesystem::path folder =
        data ? std::filesystem::path(data) : std::filesystem::path(__FILE__).parent_path().parent_path() / "data";
    return (folder / "smtp_sink.py").string();
}

inline bool aiosmtpdAvailable() {
    if (::access(kPython, X_OK) != 0) return false;
    return std::system((std::string(kPython) + " -c 'import aiosmtpd' >/dev/null 2>&1").c_str()) == 0;
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// A running sink, stopped with the test.
class SmtpSink {
public:
    SmtpSink(const TempDir& dir, std::vector<std::string> options) : out_(dir.file("received")) {
        std::filesystem::create_directories(out_);
        const std::string log = dir.file("sink.log");
        std::vector<std::string> args{kPython, sinkScript(), out_};
        args.insert(args.end(), options.begin(), options.end());
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(&files, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_adddup2(&files, 1, 2);
        if (posix_spawn(&pid_, kPython, &files, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&files);
        // "READY <port>" once it takes connections.
        for (int i = 0; i < 200 && pid_ > 0 && port_ == 0; ++i) {
            std::istringstream lines(readFile(log));
            for (std::string word; lines >> word;)
                if (word == "READY") lines >> port_;
            if (port_ == 0) std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        if (port_ == 0) error_ = "the mail server did not start: " + readFile(log);
    }
    ~SmtpSink() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        int status = 0;
        ::waitpid(pid_, &status, 0);
    }
    SmtpSink(const SmtpSink&) = delete;
    SmtpSink& operator=(const SmtpSink&) = delete;

    int port() const { return port_; }
    const std::string& error() const { return error_; }
    // Messages taken, numbered from 1; each a folder of its parts.
    int received() const {
        int n = 0;
        while (std::filesystem::is_directory(out_ + "/" + std::to_string(n + 1))) ++n;
        return n;
    }
    std::string part(int message, const std::string& name) const {
        return readFile(out_ + "/" + std::to_string(message) + "/" + name);
    }

private:
    std::string out_;
    pid_t pid_ = -1;
    int port_ = 0;
    std::string error_;
};

}  // namespace vtl::test
