#pragma once
// The port for everything a person answers or sees. A procedure asks and
// tells through it and never knows whether a person (QtUi), a script
// (ScriptedUi) or a test answers.
//
// Texts arrive exactly as the system states them: "|" is a line break in a
// message and separates the buttons of a button list ("&Yes|&No").
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vtl::ui {

enum class Icon { None, Information, Question, Warning, Exclamation, Error };

// A progress window with a Cancel button.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void setText(const std::string& text) = 0;
    virtual void setRange(std::int64_t total) = 0;
    virtual void setValue(std::int64_t done) = 0;
    // True once the person pressed Cancel.
    virtual bool cancelled() = 0;
};

enum class Align { Left, Right, Center };

struct LookupColumn {
    std::string header;
    int width = 60;  // dialog units, as the windows are laid out
    Align align = Align::Left;
};

// The rows of a look-up list: the shown cells (already formatted with their
// pictures) and the key of the record each row stands for.
struct LookupRow {
    std::string key;
    std::vector<std::string> cells;
};

// A generic look-up window: a titled list with columns, an incremental
// locator on one column, and Select or Cancel.
struct LookupSpec {
    std::string title;
    std::vector<LookupColumn> columns;
    int locatorColumn = 0;           // the column the locator searches, by prefix, ignoring case
    std::string locate;              // text to position on when the window opens
    std::string currentKey;          // row to highlight when the window opens
    std::string helpTopic;           // "html/....htm", or empty
    // All rows, in the list's order. Look-up files are small enough to list
    // whole; the browses of purchase orders page on their own.
    std::function<std::vector<LookupRow>()> rows;
};

struct FileFilter {
    // "Text Files|*.txt|All Files|*.*": pairs of caption and patterns.
    std::string spec;
};

class Ui {
public:
    virtual ~Ui() = default;

    // Shows a message with the given buttons and returns the number of the
    // chosen button, 1 for the first; 0 when the window was closed without a
    // choice (treated like the last button by the callers).
    virtual int ask(const std::string& text, const std::string& title, const std::string& buttons, Icon icon,
                    int defaultButton = 1) = 0;
    // A message with one OK button.
    void tell(const std::string& text, const std::string& title, Icon icon = Icon::Information) {
        ask(text, title, "&OK", icon, 1);
    }

    virtual void beep() = 0;
    // The wait cursor; nested calls count.
    virtual void setBusy(bool busy) = 0;

    // File dialogs; nullopt when cancelled.
    virtual std::optional<std::string> openFile(const std::string& title, const FileFilter& filter,
                                                const std::string& folder) = 0;
    virtual std::optional<std::string> saveFile(const std::string& title, const FileFilter& filter,
                                                const std::string& suggested) = 0;

    virtual std::unique_ptr<Progress> progress(const std::string& title, const std::string& text) = 0;

    // Shows a look-up list; the chosen row's key, or nullopt when cancelled.
    virtual std::optional<std::string> lookup(const LookupSpec& spec) = 0;

    // Shows a help page of the installation (an HTML file) at `section`
    // ("#..." or ""); false when it could not be shown. Without a help window
    // of its own, the page goes to the desktop's program for it.
    virtual bool showHelp(const std::string& page, const std::string& section) {
        return openExternally(section.empty() ? page : "file://" + page + section);
    }

    // Puts text on the clipboard (send-to).
    virtual void copyToClipboard(const std::string& text) = 0;
    // Opens a file or a web address with the desktop's program for it
    // (help pages, attachments, PDF files, training videos); false when that failed.
    virtual bool openExternally(const std::string& pathOrUrl) = 0;
    // Shows a text file in the desktop's text viewer, the file's name handed
    // to it as an argument; false when that failed.
    virtual bool viewTextFile(const std::string& path) { return openExternally(path); }
};

// Keeps the wait cursor up for a scope.
class BusyCursor {
public:
    explicit BusyCursor(Ui& ui) : ui_(ui) { ui_.setBusy(true); }
    ~BusyCursor() { ui_.setBusy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    Ui& ui_;
};

// The buttons of a button list, with their mnemonics: "&Yes|&No" -> {"&Yes", "&No"}.
std::vector<std::string> splitButtons(const std::string& buttons);
// A message text with "|" turned into line breaks.
std::string messageLines(const std::string& text);

}  // namespace vtl::ui
