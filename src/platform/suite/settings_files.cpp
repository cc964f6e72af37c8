#include "platform/suite/settings_files.h"

#include <filesystem>

#include "platform/suite/text_util.h"

namespace vtl::suite {

std::string joinPath(const std::string& folder, const std::string& name) {
    if (trimmed(folder).empty()) return name;
    return (std::filesystem::path(folder) / name).string();
}

std::string moduleIniPath(const std::string& dataFolder) { return joinPath(dataFolder, kModuleIniName); }

std::string suiteSettingsFolder(const Globals& globals, const std::string& dataFolder) {
    return trimmed(globals.INIPath).empty() ? dataFolder : globals.INIPath;
}

SuiteSettings::SuiteSettings(const std::string& folder) : path_(joinPath(folder, kSuiteIniName)) {}

std::string SuiteSettings::get(const std::string& entry, const std::string& fallback) const {
    IniFile ini(path_);
    return ini.get(kSuiteSection, entry, fallback);
}

bool SuiteSettings::set(const std::string& entry, const std::string& value) {
    IniFile ini(path_);
    return ini.set(kSuiteSection, entry, value);
}

int SuiteSettings::reinsert() const {
    IniFile ini(path_);
    return static_cast<int>(ini.getInt(kSuiteSection, "MOD:Reinsert", 1));
}

bool SuiteSettings::setReinsert(int value) { return set("MOD:Reinsert", std::to_string(value)); }

std::string SuiteSettings::attachmentCaption() const { return get("AttachmentCaption", "F"); }

bool SuiteSettings::setAttachmentCaption(const std::string& value) { return set("AttachmentCaption", value); }

}  // namespace vtl::suite
