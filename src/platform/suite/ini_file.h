#pragma once
// The suite's settings object: an INI file of sections and entries.
//
// Names of sections and entries compare without regard to case. A file is
// rewritten line for line: sections and entries this program does not know,
// comments, blank lines and lines that are not entries at all survive
// untouched; a malformed line is kept verbatim but never read as an entry.
// A missing file reads as empty, so every entry takes its default. Writes go
// to a temporary file in the same folder which then replaces the file, so a
// crash never leaves half a settings file.
//
// A file that holds a secret (an entry whose name contains "password", the
// mail account's; a value that carries one, a database server's address
// with its password) is written readable by its owner only; any other
// file keeps the permissions it had. Secrets never appear in an error
// text: errors name the file and the problem, never a value.
//
// Shared by every window of the module, so every call locks.
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vtl::suite {

class IniFile {
public:
    IniFile() = default;
    // Binds to a file and reads it (a missing file is empty).
    explicit IniFile(const std::string& path) { open(path); }
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    // Binds to `path` and reads it. False only when the file exists but
    // cannot be read; the object is then empty and still bound.
    bool open(const std::string& path);
    // Reads the bound file again (another program may have changed it).
    bool reload();
    // Unbinds and forgets every entry.
    void close();
    std::string path() const;
    bool isOpen() const;

    std::optional<std::string> get(const std::string& section, const std::string& entry) const;
    std::string get(const std::string& section, const std::string& entry, const std::string& fallback) const;
    // The entry read as a whole number; the fallback when missing or not a number.
    std::int64_t getInt(const std::string& section, const std::string& entry, std::int64_t fallback) const;

    // Set and remove write the file at once when one is bound; false when
    // that write failed (the value is kept in memory all the same). A name
    // or value the file could not give back as it was given (a line break,
    // an entry name with "=" or blanks around it, or one that would read as
    // a comment or a section) is refused: false, and nothing changes.
    bool set(const std::string& section, const std::string& entry, const std::string& value);
    // Several entries of one section set at once and written in one go, so
    // a killed program leaves all of them or none.
    bool set(const std::string& section, const std::vector<std::pair<std::string, std::string>>& entries);
    bool setInt(const std::string& section, const std::string& entry, std::int64_t value);
    bool remove(const std::string& section, const std::string& entry);
    bool removeSection(const std::string& section);

    std::vector<std::string> sections() const;
    std::vector<std::string> entries(const std::string& section) const;

    // Writes the file (atomically); false with `error` set when it failed.
    bool save(std::string* error = nullptr);
    std::string lastError() const;
    // The file as it would be written.
    std::string text() const;
    // Reads settings from text instead of a file (keeps the binding).
    void parse(const std::string& content);

private:
    enum class LineKind { Section, Entry, Other };
    struct Line {
        LineKind kind = LineKind::Other;
        std::string raw;    // as read, or as last written
        std::string name;   // section or entry name, trimmed
        std::string value;  // entry value, trimmed
    };

    // Index of the section's header line; -1 when absent (the unnamed
    // section before the first header is always "present").
    long findSection(const std::string& section) const;
    // Index of the entry's line within its section; -1 when absent.
    long findEntry(const std::string& section, const std::string& entry) const;
    // One past the last line of the section that starts at `header`.
    std::size_t sectionEnd(long header) const;
    bool parseUnlocked(const std::string& content);
    // Whether the entry can be written so that it reads back the same; the
    // reason in lastError_ when not.
    bool storableUnlocked(const std::string& section, const std::string& entry, const std::string& value);
    void setUnlocked(const std::string& section, const std::string& entry, const std::string& value);
    bool holdsSecretUnlocked() const;
    bool readUnlocked();
    bool writeUnlocked(std::string* error);
    std::string textUnlocked() const;

    mutable std::mutex m_;
    std::string path_;
    bool open_ = false;
    bool crlf_ = false;
    std::vector<Line> lines_;
    std::string lastError_;
};

}  // namespace vtl::suite
