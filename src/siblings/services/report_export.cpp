#include "siblings/services/report_export.h"

#include <cctype>

#include "platform/suite/error_object.h"
#include "siblings/services/common.h"
#include "siblings/services/text_files.h"

namespace vtl::services {

namespace {

bool csvFile(const std::string& path) {
    if (path.size() < 4) return false;
    std::string ext = path.substr(path.size() - 4);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".csv";
}

}  // namespace

std::string csvRecord(const std::string& tabbed) {
    std::string out;
    std::size_t start = 0;
    for (bool first = true;; first = false) {
        const std::size_t tab = tabbed.find('\t', start);
        std::string field = tabbed.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
        const auto last = field.find_last_not_of(' ');
        field.erase(last == std::string::npos ? 0 : last + 1);
        if (!first) out += ',';
        if (field.find_first_of(",\"\r\n") != std::string::npos || (!field.empty() && field[0] == ' ')) {
            out += '"';
            for (char c : field) out += c == '"' ? std::string("\"\"") : std::string(1, c);
            out += '"';
        } else {
            out += field;
        }
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return out;
}

void runReportExport(Session& session, ExportArgs& args) {
    suite::ProcedureName name(session.errors, "ReportExport");
    auto path = session.ui.saveFile(kReportExportTitle, ui::FileFilter{kTextFilter},
                                    inFolder(session.dataFolder, args.suggestedName));
    if (!path || path->empty()) return;
    std::string content;
    const bool csv = csvFile(*path);
    auto put = [&](const std::string& line) {
        content += csv ? csvRecord(line) : line;
        content += csv ? "\r\n" : "\n";
    };
    if (!args.lines.empty()) {
        std::size_t size = 0;
        for (const std::string& line : args.lines) size += line.size() + 2;
        content.reserve(size);
        for (const std::string& line : args.lines) put(line);
    } else if (!csv) {
        content = std::move(args.text);
    } else {
        content.reserve(args.text.size() + args.text.size() / 8);
        std::string line;
        for (std::size_t start = 0; start < args.text.size();) {
            std::size_t end = args.text.find('\n', start);
            if (end == std::string::npos) end = args.text.size();
            line.assign(args.text, start, end - start);
            put(line);
            start = end + 1;
        }
    }
    std::string error;
    if (!writeTextFile(*path, content, error)) {
        session.ui.tell("The report could not be exported.|" + error, kReportExportTitle, ui::Icon::Error);
        return;
    }
    args.writtenTo = *path;
    session.ui.tell("The report was exported to|" + *path, kReportExportTitle, ui::Icon::Information);
}

std::optional<std::string> reportExport(Session& session, std::vector<std::string> lines,
                                        const std::string& suggestedName) {
    ExportArgs args{std::move(lines), {}, suggestedName, std::nullopt};
    serve(session, "ReportExport", args, runReportExport);
    return args.writtenTo;
}

std::optional<std::string> reportExportText(Session& session, std::string text, const std::string& suggestedName) {
    ExportArgs args{{}, std::move(text), suggestedName, std::nullopt};
    serve(session, "ReportExport", args, runReportExport);
    return args.writtenTo;
}

}  // namespace vtl::services
