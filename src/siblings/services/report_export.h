#pragma once
// ReportExport: a report's export lines written to a file the person names:
// as they are to a text file, or, to a file named ".csv", as comma-separated
// values (each tab-separated field a value, without the blanks that pad it).
#include <optional>
#include <string>
#include <vector>

#include "platform/suite/session.h"

namespace vtl::services {

inline constexpr const char* kReportExportTitle = "Export Report";
inline constexpr const char* kTextFilter = "Text Files|*.txt|CSV Files|*.csv|All Files|*.*";

// One export line as a CSV record (RFC 4180, without its line end).
std::string csvRecord(const std::string& tabbed);

struct ExportArgs {
    std::vector<std::string> lines;       // one line of the file each
    // Or the lines as one text, each ended by a line feed: a long report's
    // text image without a string of its own for every line.
    std::string text;
    std::string suggestedName = "Export.txt";  // offered in the data folder
    std::optional<std::string> writtenTo;  // the file written
};

// Asks for the file and writes the lines; the path written, nullopt when the
// person cancelled or the file could not be written (which is told).
std::optional<std::string> reportExport(Session& session, std::vector<std::string> lines,
                                        const std::string& suggestedName = "Export.txt");
std::optional<std::string> reportExportText(Session& session, std::string text,
                                            const std::string& suggestedName = "Export.txt");
void runReportExport(Session& session, ExportArgs& args);

}  // namespace vtl::services
