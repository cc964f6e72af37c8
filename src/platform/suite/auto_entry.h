#pragma once
// Keyboard auto-completion of entry fields: the values typed earlier into
// each field, most recent first, offered again when the start of one is
// typed (ignoring case). One store serves every window of the module and
// is kept in a small text file of our own ("EasyAutoEntry.tps"):
//
//   EasyAutoEntry 1
//   *enabled<TAB>1
//   <field><TAB><value>        one line per remembered value, most recent first
//
// Tabs, line breaks and backslashes inside names and values are written as
// \t, \n and \\. Lines the program does not understand are passed over.
#include <cstddef>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace vtl::suite {

class AutoEntryStore {
public:
    static constexpr std::size_t kDefaultCapacity = 25;

    AutoEntryStore() = default;
    AutoEntryStore(const AutoEntryStore&) = delete;
    AutoEntryStore& operator=(const AutoEntryStore&) = delete;

    // Binds to the data file and reads it; `shared` is remembered for the
    // windows (1: one list per field for all of them). A missing file is an
    // empty store; false when the file exists but cannot be read.
    bool init(const std::string& fileName, int shared = 1);
    // Unbinds; every change was written to the file as it was made.
    void kill();
    std::string fileName() const;
    int shared() const;

    // The on/off switch of the whole service (kept in the file).
    bool enabled() const;
    void setEnabled(bool on);

    std::size_t capacity() const;
    void setCapacity(std::size_t n);

    // Remembers a value accepted in a field: it moves to the front (an
    // earlier entry equal to it, ignoring case, goes), and the oldest ones
    // beyond the capacity are dropped. Blank values are not remembered,
    // nor anything while the service is off.
    void remember(const std::string& field, const std::string& value);
    // The remembered values of a field that begin with `typed`, ignoring
    // case, most recent first; none while the service is off.
    std::vector<std::string> completions(const std::string& field, const std::string& typed) const;
    std::vector<std::string> entries(const std::string& field) const;
    void forget(const std::string& field);

    bool save(std::string* error = nullptr);

private:
    bool readUnlocked();
    bool writeUnlocked(std::string* error);

    mutable std::mutex m_;
    std::string file_;
    int shared_ = 1;
    bool enabled_ = true;
    std::size_t capacity_ = kDefaultCapacity;
    std::map<std::string, std::vector<std::string>> fields_;  // by field name in lower case
};

}  // namespace vtl::suite
