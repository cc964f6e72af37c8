// libFuzzer target of the settings files. The input up to the first NUL is
// a file's text; after it come changes, each "section\x01entry\x01value"
// and separated by NUL. The file is read, the changes made, and the text
// written is read again: every entry must read back as it was set, a
// refused change must change nothing, and entries nobody changed keep
// their values.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/suite/ini_file.h"
#include "platform/suite/text_util.h"

using namespace vtl;

namespace {

std::vector<std::string_view> split(std::string_view s, char sep) {
    std::vector<std::string_view> out;
    for (;;) {
        const auto at = s.find(sep);
        out.push_back(s.substr(0, at));
        if (at == std::string_view::npos) return out;
        s.remove_prefix(at + 1);
    }
}

struct Entry {
    std::string section, entry, value;
    friend bool operator==(const Entry&, const Entry&) = default;
};

// Every section's entries as they read.
std::vector<Entry> snapshot(const suite::IniFile& ini) {
    std::vector<Entry> out;
    for (const std::string& s : ini.sections())
        for (const std::string& e : ini.entries(s)) out.push_back({s, e, ini.get(s, e, "?")});
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto end = input.find('\0');
    suite::IniFile ini;
    ini.parse(std::string(input.substr(0, end)));
    for (const std::string& s : ini.sections())
        for (const std::string& e : ini.entries(s)) {
            (void)ini.getInt(s, e, 0);
            if (!ini.get(s, e)) __builtin_trap();  // listed but not found
        }
    // What is read survives a rewrite unchanged.
    {
        suite::IniFile again;
        again.parse(ini.text());
        if (snapshot(again) != snapshot(ini)) __builtin_trap();
    }
    if (end == std::string_view::npos) return 0;
    for (std::string_view change : split(input.substr(end + 1), '\0')) {
        const auto parts = split(change, '\x01');
        if (parts.size() != 3) continue;
        const std::string section(parts[0]), entry(parts[1]), value(parts[2]);
        const std::string before = ini.text();
        const std::vector<Entry> kept = snapshot(ini);
        if (!ini.set(section, entry, value)) {
            if (ini.text() != before) __builtin_trap();  // a refused change changed the file
            continue;
        }
        suite::IniFile again;
        again.parse(ini.text());
        const auto read = again.get(section, entry);
        if (!read || *read != suite::trimmed(value)) __builtin_trap();  // not read back as set
        // Every other entry reads as before.
        for (const Entry& e : kept) {
            if (suite::equalNoCase(e.section, section) && suite::equalNoCase(e.entry, entry)) continue;
            if (again.get(e.section, e.entry, "?") != e.value) __builtin_trap();
        }
    }
    return 0;
}
