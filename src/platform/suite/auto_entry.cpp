#include "platform/suite/auto_entry.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/suite/text_util.h"

namespace vtl::suite {

namespace {

constexpr const char* kHeader = "EasyAutoEntry 1";

std::string escape(const std::string& s) {
    std::string out;
    for (char c : s) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

std::string unescape(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        char n = s[++i];
        out += n == 't' ? '\t' : n == 'n' ? '\n' : n == 'r' ? '\r' : n;
    }
    return out;
}

}  // namespace

bool AutoEntryStore::init(const std::string& fileName, int shared) {
    std::lock_guard lock(m_);
    file_ = fileName;
    shared_ = shared;
    return readUnlocked();
}

void AutoEntryStore::kill() {
    std::lock_guard lock(m_);
    // Every change was written when it was made.
    file_.clear();
    fields_.clear();
}

std::string AutoEntryStore::fileName() const {
    std::lock_guard lock(m_);
    return file_;
}

int AutoEntryStore::shared() const {
    std::lock_guard lock(m_);
    return shared_;
}

bool AutoEntryStore::enabled() const {
    std::lock_guard lock(m_);
    return enabled_;
}

void AutoEntryStore::setEnabled(bool on) {
    std::lock_guard lock(m_);
    enabled_ = on;
    if (!file_.empty()) writeUnlocked(nullptr);
}

std::size_t AutoEntryStore::capacity() const {
    std::lock_guard lock(m_);
    return capacity_;
}

void AutoEntryStore::setCapacity(std::size_t n) {
    std::lock_guard lock(m_);
    capacity_ = std::max<std::size_t>(n, 1);
    for (auto& [field, values] : fields_)
        if (values.size() > capacity_) values.resize(capacity_);
}

bool AutoEntryStore::readUnlocked() {
    fields_.clear();
    enabled_ = true;
    std::error_code ec;
    if (!std::filesystem::exists(file_, ec)) return !ec;
    std::ifstream in(file_, std::ios::binary);
    if (!in) return false;
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (first) {
            first = false;
            if (line == kHeader) continue;
            return true;  // not a file of ours: start empty, it is replaced on the next write
        }
        auto tab = line.find('\t');
        if (tab == std::string::npos) continue;
        std::string field = unescape(std::string_view(line).substr(0, tab));
        std::string value = unescape(std::string_view(line).substr(tab + 1));
        if (field == "*enabled") {
            enabled_ = value != "0";
            continue;
        }
        auto& values = fields_[lowered(field)];
        if (values.size() < capacity_ && trimmed(value).size() > 0) values.push_back(value);
    }
    return true;
}

bool AutoEntryStore::writeUnlocked(std::string* error) {
    if (file_.empty()) {
        if (error) *error = "no auto-entry file is bound";
        return false;
    }
    std::ostringstream out;
    out << kHeader << '\n' << "*enabled\t" << (enabled_ ? 1 : 0) << '\n';
    for (const auto& [field, values] : fields_)
        for (const auto& v : values) out << escape(field) << '\t' << escape(v) << '\n';
    const std::string tmp = file_ + ".~new";
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        f << out.str();
        f.flush();
        if (!f) {
            if (error) *error = file_ + ": cannot be written";
            std::filesystem::remove(tmp);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(tmp, file_, ec);
    if (ec) {
        if (error) *error = file_ + ": " + ec.message();
        std::filesystem::remove(tmp, ec);
        return false;
    }
    return true;
}

bool AutoEntryStore::save(std::string* error) {
    std::lock_guard lock(m_);
    return writeUnlocked(error);
}

void AutoEntryStore::remember(const std::string& field, const std::string& value) {
    std::lock_guard lock(m_);
    if (!enabled_ || trimmed(value).empty()) return;
    auto& values = fields_[lowered(field)];
    const std::string v(trimmed(value));
    values.erase(std::remove_if(values.begin(), values.end(), [&](const std::string& e) { return equalNoCase(e, v); }),
                 values.end());
    values.insert(values.begin(), v);
    if (values.size() > capacity_) values.resize(capacity_);
    if (!file_.empty()) writeUnlocked(nullptr);
}

std::vector<std::string> AutoEntryStore::completions(const std::string& field, const std::string& typed) const {
    std::lock_guard lock(m_);
    std::vector<std::string> out;
    if (!enabled_) return out;
    auto it = fields_.find(lowered(field));
    if (it == fields_.end()) return out;
    for (const auto& v : it->second)
        if (startsWithNoCase(v, typed)) out.push_back(v);
    return out;
}

std::vector<std::string> AutoEntryStore::entries(const std::string& field) const {
    std::lock_guard lock(m_);
    auto it = fields_.find(lowered(field));
    return it == fields_.end() ? std::vector<std::string>{} : it->second;
}

void AutoEntryStore::forget(const std::string& field) {
    std::lock_guard lock(m_);
    fields_.erase(lowered(field));
    if (!file_.empty()) writeUnlocked(nullptr);
}

}  // namespace vtl::suite
