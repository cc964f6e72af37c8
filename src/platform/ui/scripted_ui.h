#pragma once
// The Ui of tests: a script of the interactions a procedure is expected to
// have with the person, in order, each with the answer to give.
//
//   ScriptedUi ui;
//   ui.expectAsk("Are you sure ...", "Confirm Delete", "&Yes|&No", Icon::Warning).answer(1);
//   ui.expectTell("No Tagged POs", "Export", Icon::Information);
//   ui.expectSaveFile("Export File", "Text Files|*.txt|All Files|*.*").answer("/tmp/x.txt");
//   ui.expectLookup("Select a Vendor").choose("1042");
//   ... run the procedure ...
//   ui.verifyDone();
//
// Every message, file dialog and look-up must match the next expectation
// exactly (text, title, buttons, icon; dialog title and filter; look-up
// title). A mismatch, a call with nothing left to expect, or expectations
// left over at verifyDone() go to the failure handler, which throws
// std::logic_error unless replaced (tests/support makes it a test failure).
// Progress windows, the wait cursor, beeps, the clipboard and opening
// files externally need no expectation: they are recorded for the test to
// look at.
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/ui.h"

namespace vtl::ui {

std::string iconName(Icon icon);

class ScriptedUi : public Ui {
public:
    using FailureHandler = std::function<void(const std::string&)>;

    enum class Kind { Ask, OpenFile, SaveFile, Lookup };

    // One expected interaction; the builder methods set its answer.
    class Expectation {
    public:
        // Ask: the button number to answer (1 = first, 0 = window closed).
        Expectation& answer(int button);
        // File dialogs: the path chosen.
        Expectation& answer(const std::string& path);
        Expectation& answer(const char* path) { return answer(std::string(path)); }
        // Ask: also check the default button.
        Expectation& withDefault(int button);
        // File dialogs: also check the folder (open) or suggested name (save).
        Expectation& in(const std::string& folderOrSuggested);
        // Look-ups: the key of the row to choose; it must be among the rows offered.
        Expectation& choose(const std::string& key);
        // File dialogs and look-ups: the person cancels.
        Expectation& cancel();
        // Look-ups: a check of the list as it was offered, run before answering.
        Expectation& inspect(std::function<void(const LookupSpec&, const std::vector<LookupRow>&)> check);

        std::string describe() const;

    private:
        friend class ScriptedUi;
        Kind kind = Kind::Ask;
        std::string text, title, buttons;  // buttons: the filter of a file dialog
        Icon icon = Icon::None;
        int button = 1;
        std::optional<int> defaultButton;
        std::optional<std::string> place;   // folder or suggested name to check
        std::optional<std::string> chosen;  // file path or look-up key; nullopt = cancel
        std::function<void(const LookupSpec&, const std::vector<LookupRow>&)> check;
    };

    // What a progress window went through.
    struct ProgressRecord {
        std::string title;
        std::vector<std::string> texts;  // the first text, then every setText
        std::int64_t range = 0;
        std::int64_t value = 0;
        bool cancelled = false;
    };

    // A look-up as it was shown, with its rows read once.
    struct LookupRecord {
        LookupSpec spec;
        std::vector<LookupRow> rows;
    };

    ScriptedUi();
    ~ScriptedUi() override;

    void onFailure(FailureHandler handler) { fail_ = std::move(handler); }

    Expectation& expectAsk(const std::string& text, const std::string& title, const std::string& buttons, Icon icon);
    // A message with one OK button (Ui::tell), answered with OK.
    Expectation& expectTell(const std::string& text, const std::string& title, Icon icon = Icon::Information);
    Expectation& expectOpenFile(const std::string& title, const std::string& filter);
    Expectation& expectSaveFile(const std::string& title, const std::string& filter);
    Expectation& expectLookup(const std::string& title);

    // Progress windows report Cancel once a value of at least `value` was set.
    void cancelProgressAt(std::int64_t value) { cancelAt_ = value; }
    // What openExternally answers (true unless set).
    void openExternallySucceeds(bool ok) { openOk_ = ok; }

    // Fails when expectations are left, or the wait cursor is still up.
    void verifyDone();
    std::size_t remaining() const { return script_.size(); }

    int beeps() const { return beeps_; }
    int busyDepth() const { return busy_; }
    const std::vector<std::string>& clipboard() const { return clipboard_; }
    const std::vector<std::string>& openedExternally() const { return opened_; }
    const std::vector<ProgressRecord>& progressWindows() const { return *progress_; }
    const std::vector<LookupRecord>& lookups() const { return lookups_; }
    // Every message, dialog and look-up met so far, one line each.
    const std::vector<std::string>& transcript() const { return transcript_; }

    int ask(const std::string& text, const std::string& title, const std::string& buttons, Icon icon,
            int defaultButton = 1) override;
    void beep() override { ++beeps_; }
    void setBusy(bool busy) override { busy_ += busy ? 1 : -1; }
    std::optional<std::string> openFile(const std::string& title, const FileFilter& filter,
                                        const std::string& folder) override;
    std::optional<std::string> saveFile(const std::string& title, const FileFilter& filter,
                                        const std::string& suggested) override;
    std::unique_ptr<Progress> progress(const std::string& title, const std::string& text) override;
    std::optional<std::string> lookup(const LookupSpec& spec) override;
    void copyToClipboard(const std::string& text) override { clipboard_.push_back(text); }
    bool openExternally(const std::string& pathOrUrl) override {
        opened_.push_back(pathOrUrl);
        return openOk_;
    }
    bool viewTextFile(const std::string& path) override {
        viewed_.push_back(path);
        return openOk_;
    }
    // The files shown in the text viewer.
    const std::vector<std::string>& viewedTextFiles() const { return viewed_; }

private:
    Expectation& add(Kind kind);
    // The next expectation when it is of the wanted kind; reports otherwise.
    std::optional<Expectation> take(Kind kind, const std::string& actual);
    void failure(const std::string& message);
    std::optional<std::string> fileDialog(Kind kind, const std::string& title, const FileFilter& filter,
                                          const std::string& place);

    std::deque<Expectation> script_;
    FailureHandler fail_;
    int beeps_ = 0;
    int busy_ = 0;
    bool openOk_ = true;
    std::int64_t cancelAt_ = -1;
    std::vector<std::string> clipboard_, opened_, viewed_, transcript_;
    // Shared with the progress windows, which may outlive a moved-from script.
    std::shared_ptr<std::vector<ProgressRecord>> progress_;
    std::vector<LookupRecord> lookups_;
};

}  // namespace vtl::ui
