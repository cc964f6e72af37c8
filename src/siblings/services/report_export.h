#pragma once
// ReportExport: a report's export lines written to a text file the person
// names.
#include <optional>
#include <string>
#include <vector>

#include "platform/suite/session.h"

namespace vtl::services {

inline constexpr const char* kReportExportTitle = "Export Report";
inline constexpr const char* kTextFilter = "Text Files|*.txt|All Files|*.*";

struct ExportArgs {
    std::vector<std::string> lines;       // one line of the file each
    std::string suggestedName = "Export.txt";  // offered in the data folder
    std::optional<std::string> writtenTo;  // the file written
};

// Asks for the file and writes the lines; the path written, nullopt when the
// person cancelled or the file could not be written (which is told).
std::optional<std::string> reportExport(Session& session, const std::vector<std::string>& lines,
                                        const std::string& suggestedName = "Export.txt");
void runReportExport(Session& session, ExportArgs& args);

}  // namespace vtl::services
