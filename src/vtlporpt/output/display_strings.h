#pragma once
// The texts of the report progress window and of the report messages: read
// at the start of every report from section "DISPLAY STRINGS 2.0" of the
// settings file "CPCSRPTS.INI" (in the suite's settings folder), each entry
// falling back to its default.
#include <map>
#include <string>

#include "platform/suite/session.h"

namespace vtl::rpt {

inline constexpr const char* kReportsIniName = "CPCSRPTS.INI";
inline constexpr const char* kDisplayStringsSection = "DISPLAY STRINGS 2.0";

class DisplayStrings {
public:
    // The defaults only.
    DisplayStrings();
    // The defaults with the entries of the settings file over them.
    static DisplayStrings load(const Session& s);
    static std::string path(const Session& s);

    // The text of an entry ("ProgWinTitlePrvw" ...); "" for an unknown one.
    const std::string& operator[](const std::string& key) const;
    void set(const std::string& key, const std::string& value) { values_[key] = value; }

private:
    std::map<std::string, std::string> values_;
};

}  // namespace vtl::rpt
