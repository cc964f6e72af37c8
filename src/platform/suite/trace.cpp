#include "platform/suite/trace.h"

#include <iostream>

#include "platform/suite/text_util.h"

namespace vtl::suite {

bool Trace::switchesApply(const std::vector<std::string>& commandLine) {
    bool any = false;
    for (const auto& arg : commandLine) {
        std::string_view a = trimmed(arg);
        if (equalNoCase(a, "/netnolog")) return false;
        if (equalNoCase(a, "/nettalklog") || equalNoCase(a, "/nettalklogerrors") || equalNoCase(a, "/neterrors") ||
            equalNoCase(a, "/netall"))
            any = true;
    }
    return any;
}

void Trace::configure(const std::vector<std::string>& commandLine) {
    std::lock_guard lock(m_);
    enabled_ = switchesApply(commandLine);
}

bool Trace::enabled() const {
    std::lock_guard lock(m_);
    return enabled_;
}

void Trace::writeTo(std::ostream& out) {
    std::lock_guard lock(m_);
    if (file_.is_open()) file_.close();
    fileName_.clear();
    out_ = &out;
}

bool Trace::writeToFile(const std::string& path) {
    std::lock_guard lock(m_);
    if (file_.is_open()) file_.close();
    file_.open(path, std::ios::app);
    if (!file_) {
        out_ = nullptr;
        fileName_.clear();
        return false;
    }
    fileName_ = path;
    out_ = &file_;
    return true;
}

std::string Trace::fileName() const {
    std::lock_guard lock(m_);
    return fileName_;
}

bool Trace::line(const std::string& text) {
    std::lock_guard lock(m_);
    if (!enabled_) return false;
    std::ostream& out = out_ ? *out_ : std::cerr;
    out << text << '\n';
    out.flush();
    ++written_;
    return true;
}

int Trace::linesWritten() const {
    std::lock_guard lock(m_);
    return written_;
}

}  // namespace vtl::suite
