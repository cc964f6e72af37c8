#pragma once
// Where the module's settings files live and the typed entries it reads.
//
//   "vtlpo.INI"          the module's own settings (window positions and
//                        sizes) when the host hands it none: in the data
//                        folder, else the current folder
//   "VTSetup.ini"        the suite's settings, in the settings folder
//                        (INIPath, else the data folder), section
//                        "Brennick Systems Vantrel"
//   "sol.ini"            the spell checker's settings, in the program folder
//   "EasyAutoEntry.tps"  the auto-entry data, in the current folder
#include <string>

#include "platform/suite/globals.h"
#include "platform/suite/ini_file.h"

namespace vtl::suite {

inline constexpr const char* kModuleIniName = "vtlpo.INI";
inline constexpr const char* kSuiteIniName = "VTSetup.ini";
inline constexpr const char* kSuiteSection = "Brennick Systems Vantrel";
inline constexpr const char* kSpellIniName = "sol.ini";
inline constexpr const char* kSpellLanguage = "en_US";
inline constexpr const char* kAutoEntryName = "EasyAutoEntry.tps";

// `folder` joined with `name`; a blank folder means the current folder.
std::string joinPath(const std::string& folder, const std::string& name);

std::string moduleIniPath(const std::string& dataFolder);
// The suite's settings folder: INIPath when set, else the data folder.
std::string suiteSettingsFolder(const Globals& globals, const std::string& dataFolder);

// The entries of "VTSetup.ini" the module uses. The file is read afresh on
// every call, as other modules of the suite write it too.
class SuiteSettings {
public:
    explicit SuiteSettings(const std::string& folder);
    SuiteSettings(const Globals& globals, const std::string& dataFolder)
        : SuiteSettings(suiteSettingsFolder(globals, dataFolder)) {}

    const std::string& path() const { return path_; }

    // "MOD:Reinsert": the browse's "Repetitive Insert" check box, default 1.
    int reinsert() const;
    bool setReinsert(int value);
    // "AttachmentCaption": "F" captions an attachment with its file name
    // (the default); anything else with the purchase order it belongs to.
    std::string attachmentCaption() const;
    bool setAttachmentCaption(const std::string& value);

    std::string get(const std::string& entry, const std::string& fallback) const;
    bool set(const std::string& entry, const std::string& value);

private:
    std::string path_;
};

}  // namespace vtl::suite
