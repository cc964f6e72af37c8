#include "vtlporpt/output/display_strings.h"

#include "platform/suite/ini_file.h"
#include "platform/suite/settings_files.h"

namespace vtl::rpt {

DisplayStrings::DisplayStrings() {
    values_ = {
        {"ProgWinTitlePrvw", "Generating Report"},
        {"ProgWinTitlePrnt", "Printing Report"},
        {"ProgWinPctText", "% Completed"},
        {"ProgWinRecText", "Records Read"},
        {"ProgWinUsrText", ""},
        {"PrinterDlgTitle", "Report Destination"},
        {"AskPrvwDialogTitle", "Preview"},
        {"AskPrvwDialogText", "Do you wish to PREVIEW this Report?"},
        {"CancelAreYouSureTitle", "Question"},
        {"CancelAreYouSureText", "Are you sure you want to CANCEL this Report?"},
        {"CancelPrvwPartialTitle", "Question"},
        {"CancelPrvwPartialText", "Report Cancellation Requested!||Preview Report generated so far?"},
        {"NoDfltPrtrTitle", "WARNING!"},
        {"NoDfltPrtrText",
         "Warning:  No DEFAULT Printer Driver Found!||Printing may not occur correctly (or at all)|without a "
         "Default printer assigned.||Use CONTROL PANEL (PRINTERS) to set a|printer as your Default.||Continue with "
         "report anyway?"},
        {"NothingToPrvwTitle", "NOTE..."},
        {"NothingToPrvwText", "Nothing to Preview."},
        {"NothingToPrntTitle", "NOTE..."},
        {"NothingToPrntText", "Nothing to Print."},
        {"AsciiOutTitle", "Save to what Filename?"},
        {"AsciiOutMasks", "Text|*.TXT|All Files|*.*"},
        {"DynLblErrTitle", "Problem!"},
        {"DynLblErrText1", "Sorry!||"},
        {"DynLblErrText2", "||Does not support paper type:"},
        {"ButtonYesNoCancel", "&Yes|&No|&Cancel"},
        {"ButtonYesNo", "&Yes|&No"},
        {"ButtonYes", "&Yes"},
        {"ButtonYesNoIgnore", "&Yes|&No|&Ignore"},
        {"ButtonOk", "&Ok"},
    };
}

std::string DisplayStrings::path(const Session& s) {
    return suite::joinPath(suite::suiteSettingsFolder(s.globals, s.dataFolder), kReportsIniName);
}

DisplayStrings DisplayStrings::load(const Session& s) {
    DisplayStrings d;
    suite::IniFile ini(path(s));
    if (!ini.isOpen()) return d;
    for (auto& [key, value] : d.values_)
        if (auto v = ini.get(kDisplayStringsSection, key)) value = *v;
    return d;
}

const std::string& DisplayStrings::operator[](const std::string& key) const {
    static const std::string none;
    auto it = values_.find(key);
    return it == values_.end() ? none : it->second;
}

}  // namespace vtl::rpt
