#include "siblings/services/report_export.h"

#include "platform/suite/error_object.h"
#include "siblings/services/common.h"
#include "siblings/services/text_files.h"

namespace vtl::services {

void runReportExport(Session& session, ExportArgs& args) {
    suite::ProcedureName name(session.errors, "ReportExport");
    auto path = session.ui.saveFile(kReportExportTitle, ui::FileFilter{kTextFilter},
                                    inFolder(session.dataFolder, args.suggestedName));
    if (!path || path->empty()) return;
    std::string content;
    for (const std::string& line : args.lines) {
        content += line;
        content += '\n';
    }
    std::string error;
    if (!writeTextFile(*path, content, error)) {
        session.ui.tell("The report could not be exported.|" + error, kReportExportTitle, ui::Icon::Error);
        return;
    }
    args.writtenTo = *path;
    session.ui.tell("The report was exported to|" + *path, kReportExportTitle, ui::Icon::Information);
}

std::optional<std::string> reportExport(Session& session, const std::vector<std::string>& lines,
                                        const std::string& suggestedName) {
    ExportArgs args{lines, suggestedName, std::nullopt};
    serve(session, "ReportExport", args, runReportExport);
    return args.writtenTo;
}

}  // namespace vtl::services
