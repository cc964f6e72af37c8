#pragma once
// The person as the batch tool has one: messages go to standard error as one
// line each, questions take their default answer, progress is a line that
// rewrites itself on a terminal, and no dialog or look-up ever opens.
#include <ostream>
#include <string>
#include <vector>

#include "platform/ui/ui.h"

namespace vtl::cli {

class BatchUi : public ui::Ui {
public:
    BatchUi(std::ostream& err, bool terminal) : err_(err), terminal_(terminal) {}

    int ask(const std::string& text, const std::string& title, const std::string& buttons, ui::Icon icon,
            int defaultButton = 1) override;
    void beep() override {}
    void setBusy(bool) override {}
    std::optional<std::string> openFile(const std::string&, const ui::FileFilter&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> saveFile(const std::string&, const ui::FileFilter&, const std::string&) override {
        return std::nullopt;
    }
    std::unique_ptr<ui::Progress> progress(const std::string& title, const std::string& text) override;
    std::optional<std::string> lookup(const ui::LookupSpec&) override { return std::nullopt; }
    void copyToClipboard(const std::string&) override {}
    bool openExternally(const std::string&) override { return false; }

    // Every message told, as the lines written.
    const std::vector<std::string>& told() const { return told_; }
    // Whether a warning or an error was told.
    bool troubled() const { return troubled_; }

private:
    std::ostream& err_;
    bool terminal_;
    std::vector<std::string> told_;
    bool troubled_ = false;
};

// "Nothing to Print...|Your Limits have excluded both records!" as one line:
// the parts of a message joined by blanks, empty parts left out.
std::string oneLine(const std::string& message);

}  // namespace vtl::cli
