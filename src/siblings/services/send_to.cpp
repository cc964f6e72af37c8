#include "siblings/services/send_to.h"

#include "platform/suite/error_object.h"
#include "siblings/services/text_files.h"

namespace vtl::services {

namespace {

std::string tabCell(const std::string& cell) {
    std::string out = oneLine(cell);
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

std::string csvCell(const std::string& cell) {
    const bool quote = cell.find_first_of(",\"\r\n") != std::string::npos ||
                       (!cell.empty() && (cell.front() == ' ' || cell.back() == ' '));
    if (!quote) return cell;
    std::string out = "\"";
    for (char c : cell) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

template <class Cell>
std::string joined(const std::vector<std::string>& headers, const Rows& rows, char separator, const char* eol,
                   Cell cell) {
    std::string out;
    auto line = [&](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i) out += separator;
            out += cell(cells[i]);
        }
        out += eol;
    };
    if (!headers.empty()) line(headers);
    for (const auto& r : rows) line(r);
    return out;
}

}  // namespace

std::string tabSeparated(const std::vector<std::string>& headers, const Rows& rows) {
    return joined(headers, rows, '\t', "\n", tabCell);
}

std::string csvText(const std::vector<std::string>& headers, const Rows& rows) {
    return joined(headers, rows, ',', "\r\n", csvCell);
}

bool SendToWindow::toClipboard() {
    if (args_.rows.empty()) return false;
    session_.ui.copyToClipboard(tabSeparated(args_.headers, args_.rows));
    session_.ui.tell("The list was copied to the clipboard.", title(), ui::Icon::Information);
    return true;
}

bool SendToWindow::toCsvFile() {
    if (args_.rows.empty()) return false;
    auto path = session_.ui.saveFile("Save List As", ui::FileFilter{kCsvFilter},
                                     inFolder(session_.dataFolder, fileNameFrom(args_.title, "List") + ".csv"));
    if (!path || path->empty()) return false;
    return toCsvFile(*path);
}

bool SendToWindow::toCsvFile(const std::string& path) {
    std::string error;
    if (!writeTextFile(path, csvText(args_.headers, args_.rows), error)) {
        session_.ui.tell("The list could not be saved.|" + error, title(), ui::Icon::Error);
        return false;
    }
    session_.ui.tell("The list was saved to|" + path, title(), ui::Icon::Information);
    return true;
}

void runSendTo(Session& session, SendToArgs& args) {
    suite::ProcedureName name(session.errors, "SendTo_Window");
    SendToWindow window(session, args);
    session.views.run(window);
}

void sendListTo(Session& session, const std::string& title, const std::vector<std::string>& headers,
                const Rows& rows) {
    SendToArgs args{title, headers, rows};
    serve(session, "SendTo_Window", args, runSendTo);
}

}  // namespace vtl::services
