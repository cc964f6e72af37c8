#pragma once
// The spell-checking component's place. This build has no spell checker:
// the module hands it its settings as it would hand them to one (program
// folder, settings file "sol.ini", language "en_US"), and the entry fields
// simply go unchecked.
#include <string>

namespace vtl::vtlpo {

class SpellCheck {
public:
    void setProgramFolder(const std::string& folder) { folder_ = folder; }
    void setSettingsFile(const std::string& name) { settingsFile_ = name; }
    void setLanguage(const std::string& language) { language_ = language; }

    const std::string& programFolder() const { return folder_; }
    const std::string& settingsFile() const { return settingsFile_; }
    const std::string& language() const { return language_; }
    // Where the settings file is looked for.
    std::string settingsPath() const;
    // Whether words are checked at all.
    bool available() const { return false; }

private:
    std::string folder_, settingsFile_, language_;
};

}  // namespace vtl::vtlpo
