#pragma once
// EmailSetup: the Setup window of the e-mail settings. It shows what the
// settings file holds, checks what was typed and writes it on OK; Cancel
// writes nothing. The password is only ever written to the file.
#include <string>

#include "platform/suite/ini_file.h"
#include "platform/ui/ui.h"
#include "vtlporpt/email/email_settings.h"

namespace vtl::rpt {

class EmailSetup {
public:
    static constexpr const char* kTitle = "E-mail Settings";
    static constexpr const char* kHelpTopic = "html/Setup_Email_Settings.htm";

    // `installFolder` holds the help pages.
    EmailSetup(ui::Ui& ui, suite::IniFile& ini, std::string installFolder = {})
        : values(readEmailSettings(ini)), ui_(ui), ini_(ini), installFolder_(std::move(installFolder)) {}

    EmailSettings values;  // what the window shows and edits

    // Checks the values and writes them; a refused value or a failed write
    // is told and keeps the window open (false).
    bool ok();
    void cancel() { closed_ = true; }
    // Help and F1: the window's help page.
    void help();

    bool closed() const { return closed_; }
    bool saved() const { return saved_; }

private:
    ui::Ui& ui_;
    suite::IniFile& ini_;
    std::string installFolder_;
    bool closed_ = false;
    bool saved_ = false;
};

}  // namespace vtl::rpt
