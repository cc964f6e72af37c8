#pragma once
// SendTo_Window: a list's rows with its column headers sent to the clipboard
// (tab-separated, for pasting into a spreadsheet) or to a CSV file the
// person names.
#include <optional>
#include <string>
#include <vector>

#include "platform/suite/session.h"
#include "siblings/services/common.h"

namespace vtl::services {

inline constexpr const char* kSendToTitle = "Send List Contents To...";
inline constexpr const char* kCsvFilter = "CSV Files|*.csv|All Files|*.*";

struct SendToArgs {
    std::string title;  // what the list is: "Purchase Orders"
    std::vector<std::string> headers;
    Rows rows;
};

// The header line and one line per row, cells separated by tabs; tabs and
// line breaks inside a cell become spaces. Lines end with "\n".
std::string tabSeparated(const std::vector<std::string>& headers, const Rows& rows);
// The same as CSV: every cell that holds a comma, a quote, a line break or
// leading or trailing blanks is quoted, quotes doubled; lines end with CRLF.
std::string csvText(const std::vector<std::string>& headers, const Rows& rows);

class SendToWindow {
public:
    // The list stays the caller's: it may be long.
    SendToWindow(Session& session, const SendToArgs& args) : session_(session), args_(args) {}

    Session& session() { return session_; }
    std::string title() const { return kSendToTitle; }
    const std::string& listTitle() const { return args_.title; }
    int rowCount() const { return static_cast<int>(args_.rows.size()); }

    // Each sends the whole list and tells where it went; false when nothing
    // was sent (no rows, the person cancelled, the file could not be written).
    bool toClipboard();
    bool toCsvFile();
    bool toCsvFile(const std::string& path);

private:
    Session& session_;
    const SendToArgs& args_;
};

// Opens the send-to window on a list.
void sendListTo(Session& session, const std::string& title, const std::vector<std::string>& headers,
                const Rows& rows);
void runSendTo(Session& session, SendToArgs& args);

}  // namespace vtl::services
