#include "vtlpoimp/import_source.h"

#include <algorithm>

namespace vtl::imp {

const std::vector<std::string>& dateFormats() {
    static const std::vector<std::string> f{"MM/DD/YY",   "MM-DD-YY",   "MMDDYY",   "MM/DD/YYYY",
                                            "MM-DD-YYYY", "MMDDYYYY",   "DD/MM/YY", "DD-MM-YY",
                                            "DDMMYY",     "DD/MM/YYYY", "DD-MM-YYYY", "DDMMYYYY"};
    return f;
}

bool isDateFormat(const std::string& format) {
    const auto& f = dateFormats();
    return std::find(f.begin(), f.end(), format) != f.end();
}

std::string formatLetter(FileFormat format) {
    switch (format) {
        case FileFormat::Comma: return "C";
        case FileFormat::Tab: return "T";
        case FileFormat::Fixed: return "F";
    }
    return "F";
}

FileFormat formatOfLetter(const std::string& letter) {
    if (letter == "C") return FileFormat::Comma;
    if (letter == "T") return FileFormat::Tab;
    return FileFormat::Fixed;
}

SourceSpec specOf(const JCLimits& source) {
    SourceSpec s;
    s.title = source.ReportTitle.clip();
    s.oneFile = source.Skip == 1;
    s.format = formatOfLetter(source.PrintOrder.clip());
    s.dateFormat = source.JobTo.clip();
    s.headerFile = source.NameFrom.clip();
    s.detailFile = source.NameTo.clip();
    s.headerTitleLine = source.TypeB == 1;
    s.detailTitleLine = source.TypeL == 1;
    s.layout = parseLayout(source.FieldLayout.str());
    return s;
}

bool isBuiltIn(const std::string& title) { return title == kBuiltInTitle || title == kBuiltInTitleGeneric; }

std::vector<JCLimits> listSources(store::Store& store) {
    std::vector<JCLimits> out;
    JCLimits at;
    at.Report = kSourceReport;
    for (auto c = store::Table<JCLimits>(store).scan(JCLimits::KeyReport, at, {false, 1, false}); c.next(at);)
        out.push_back(at);
    return out;
}

std::optional<JCLimits> findSource(store::Store& store, const std::string& title) {
    JCLimits s;
    s.Report = kSourceReport;
    s.ReportTitle = title;
    if (title.empty() || !store::Table<JCLimits>(store).fetch(JCLimits::KeyReport, s)) return std::nullopt;
    return s;
}

store::Status ensureBuiltInSource(store::Store& store, bool genericEdition, const std::string& userId, Date today) {
    const char* title = genericEdition ? kBuiltInTitleGeneric : kBuiltInTitle;
    if (findSource(store, title)) return store::Status::success();
    JCLimits s;
    s.UserID = userId;
    s.Report = kSourceReport;
    s.ModifyDate = today;
    s.ReportTitle = title;
    s.Skip = 1;
    s.PrintOrder = "C";
    s.JobTo = "MM/DD/YYYY";
    s.FieldLayout = kBuiltInLayout;
    store::Table<JCLimits> table(store);
    std::int64_t number = 0;
    if (store::Status r = table.reserveNumber(number); !r)
        return store::Status::failure(store::reworded(r, " Auto Incrementing JCLimits"));
    s.LimitID = static_cast<ULong>(number);
    if (store::Status r = table.insert(s); !r) return store::Status::failure(store::reworded(r, " Inserting JCLimits"));
    return store::Status::success();
}

std::optional<SourceProblem> checkSource(const std::string& title, bool oneFile, const Layout& layout, bool adding) {
    if (adding && title == kReservedName) return SourceProblem{"Please select another name", "Duplicate Name", true};
    if (oneFile && !layout.header.empty() && layout.header.front().code != "R1")
        return SourceProblem{"The first Header File record must be \"Record Type\".", "Invalid Field Contents", false};
    return std::nullopt;
}

}  // namespace vtl::imp
