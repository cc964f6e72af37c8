#pragma once
// The suite's error object: every record-file error of a procedure is shown
// through it, in a message box titled with the name of the procedure that
// met it. It also keeps a log of what it reported, the last of which is the
// error status the callers may look at.
//
// Each procedure names itself on entry (ProcedureName scope); the name is
// kept per thread, as every window runs on a thread of its own.
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/store/store.h"
#include "platform/ui/ui.h"

namespace vtl::suite {

// The last error of a record file as the file layer gives it. When the
// code is the driver-specific one, the driver's own message and code say
// what happened.
struct FileError {
    static constexpr long kDriverSpecific = 90;

    std::string text;
    long code = 0;
    std::string driverText;
    std::string driverCode;

    // A failure of our own store: its message is all there is, so it
    // stands as the driver's own text.
    static FileError fromStore(const std::string& message, const std::string& driverCode = "");
};

// "text (code)", or the driver's "message (code)" for the driver-specific
// code, cut to 150 characters.
std::string describeFileError(const FileError& error);

// The two messages a report shows with texts of its own.
std::string recordRetrievalText(const FileError& error, const std::string& fileName);
std::string viewOpenText(const FileError& error);

inline constexpr const char* kRecordRetrievalTitle = "Record Retrieval Error";
inline constexpr const char* kViewOpenTitle = "View Open Error";

class ErrorObject {
public:
    explicit ErrorObject(ui::Ui* ui = nullptr) : ui_(ui) {}
    ErrorObject(const ErrorObject&) = delete;
    ErrorObject& operator=(const ErrorObject&) = delete;

    // Where messages are shown; without one they are only logged.
    void setUi(ui::Ui* ui);
    ui::Ui* ui() const;

    // The procedure of the calling thread; "" when none named itself.
    std::string procedure() const;
    void setProcedure(const std::string& name);

    // Shows `text` with one OK button and the error icon, titled with the
    // current procedure's name, and logs it.
    void report(const std::string& text);
    // Reports a failed write (its message already names the operation);
    // returns whether the write went through.
    bool check(const store::Status& status);

    // A record a report cannot read: "Record Retrieval Error".
    void recordRetrievalError(const FileError& error, const std::string& fileName);
    // A view a report cannot open: "View Open Error"; the report goes on
    // without its filter and range limits.
    void viewOpenError(const FileError& error);

    struct Entry {
        std::string procedure;
        std::string title;
        std::string text;
    };
    std::vector<Entry> log() const;
    std::size_t count() const;
    // The text of the last report, "" when none.
    std::string lastError() const;
    void clearLog();

private:
    void show(const std::string& title, const std::string& text, ui::Icon icon);

    mutable std::mutex m_;
    ui::Ui* ui_ = nullptr;
    std::map<std::thread::id, std::vector<std::string>> names_;
    std::vector<Entry> log_;

    friend class ProcedureName;
};

// Names a procedure to the error object for the life of the procedure and
// restores the caller's name afterwards (a window opened from another).
class ProcedureName {
public:
    ProcedureName(ErrorObject& errors, const std::string& name);
    ~ProcedureName();
    ProcedureName(const ProcedureName&) = delete;
    ProcedureName& operator=(const ProcedureName&) = delete;

private:
    ErrorObject& errors_;
};

}  // namespace vtl::suite
