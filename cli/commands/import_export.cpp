#include "commands/import_export.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <optional>

#include "commands/csv.h"
#include "platform/suite/globals.h"
#include "platform/types/date.h"
#include "records/database.h"
#include "records/records.h"
#include "siblings/services/text_files.h"
#include "vtlpoimp/export_po.h"
#include "vtlpoimp/import_read.h"
#include "vtlpoimp/import_source.h"
#include "vtlpoimp/import_write.h"

namespace vtl::cli {
namespace {

const char* kUsage =
    "usage: vtlpo source list --data DIR\n"
    "       vtlpo source show --data DIR TITLE\n"
    "       vtlpo source remove --data DIR TITLE\n"
    "       vtlpo source add --data DIR --title TITLE (--one-file | --two-files) --format C|T|F\n"
    "                        --date-format FORMAT --layout LAYOUT --file FILE [--detail-file FILE]\n"
    "                        [--title-line] [--detail-title-line]\n"
    "       vtlpo import --data DIR --source TITLE [--file FILE] [--detail-file FILE] [--proceed]\n"
    "                    [--errors FILE]\n"
    "       vtlpo export --data DIR (--po POID [--po POID ...] | --all) FILE\n";

struct Args {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;
    std::vector<std::string> pos;  // every --po
    std::map<std::string, bool> flags;
    std::string problem;
};

Args parse(const std::vector<std::string>& args) {
    static const std::vector<std::string> valued{"--data",   "--title",  "--format",      "--date-format",
                                                 "--layout", "--file",   "--detail-file", "--source",
                                                 "--errors", "--po"};
    static const std::vector<std::string> flags{"--one-file", "--two-files", "--title-line", "--detail-title-line",
                                                "--proceed",  "--all"};
    Args a;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& s = args[i];
        if (std::find(valued.begin(), valued.end(), s) != valued.end()) {
            if (i + 1 >= args.size()) {
                a.problem = s + " needs a value";
                return a;
            }
            if (s == "--po") a.pos.push_back(args[++i]);
            else a.values[s] = args[++i];
        } else if (std::find(flags.begin(), flags.end(), s) != flags.end()) {
            a.flags[s] = true;
        } else if (s.rfind("--", 0) == 0) {
            a.problem = "unknown option " + s;
            return a;
        } else {
            a.positional.push_back(s);
        }
    }
    return a;
}

std::string value(const Args& a, const std::string& key) {
    auto it = a.values.find(key);
    return it == a.values.end() ? std::string() : it->second;
}
bool flag(const Args& a, const std::string& key) { return a.flags.count(key) != 0; }

int usage(std::ostream& err, const std::string& problem) {
    err << "vtlpo: " << problem << "\n" << kUsage;
    return 2;
}

const char* yesNo(bool b) { return b ? "yes" : "no"; }

std::string formatName(imp::FileFormat f) {
    switch (f) {
        case imp::FileFormat::Comma: return "Comma Delimited";
        case imp::FileFormat::Tab: return "Tab Delimited";
        case imp::FileFormat::Fixed: return "Fixed Position";
    }
    return "";
}

void showSource(std::ostream& out, const JCLimits& src) {
    const imp::SourceSpec s = imp::specOf(src);
    out << "Source Name: " << s.title << "\n"
        << "Import File Type: " << (s.oneFile ? "One File" : "Two Separate Files") << "\n"
        << "Import File Format: " << formatName(s.format) << "\n"
        << "Date Field Format: " << s.dateFormat << "\n"
        << "Import File Name: " << s.headerFile << "\n"
        << "File includes header record: " << yesNo(s.headerTitleLine) << "\n";
    if (!s.oneFile)
        out << "Detail File Name: " << s.detailFile << "\n"
            << "Detail file includes header record: " << yesNo(s.detailTitleLine) << "\n";
    out << "Layout: " << src.FieldLayout.clip() << "\n";
    for (imp::Part part : {imp::Part::Header, imp::Part::Detail}) {
        out << (part == imp::Part::Header ? "Header fields:\n" : "Detail fields:\n");
        int n = 1, start = 1;
        for (const auto& t : part == imp::Part::Header ? s.layout.header : s.layout.detail) {
            out << "  " << n++ << "\t" << imp::fieldName(part, t.code).value_or(t.code);
            if (s.format == imp::FileFormat::Fixed) out << "\t" << t.width << "\t" << start;
            out << "\n";
            start += t.width;
        }
    }
}

// Every token must name a field of its part.
std::optional<std::string> layoutProblem(const std::string& text) {
    const auto marker = text.find("####");
    auto check = [](std::string_view part, imp::Part which) -> std::optional<std::string> {
        if (part.size() % 4 != 0) return "the layout's tokens are four characters each";
        for (std::size_t i = 0; i < part.size(); i += 4) {
            const std::string_view t = part.substr(i, 4);
            if (!std::isdigit(static_cast<unsigned char>(t[2])) || !std::isdigit(static_cast<unsigned char>(t[3])))
                return "\"" + std::string(t) + "\" does not end in a two-digit width";
            if (!imp::fieldName(which, t.substr(0, 2)))
                return "\"" + std::string(t.substr(0, 2)) + "\" is not a " +
                       (which == imp::Part::Header ? "header" : "detail") + " field code";
        }
        return std::nullopt;
    };
    if (marker == std::string::npos) return "the layout has no \"####\" between header and detail fields";
    if (auto p = check(std::string_view(text).substr(0, marker), imp::Part::Header)) return p;
    if (auto p = check(std::string_view(text).substr(marker + 4), imp::Part::Detail)) return p;
    if (text.size() > imp::kMaxLayoutText) return "the layout is longer than 500 characters";
    return std::nullopt;
}

int sourceCommand(const Args& a, std::ostream& out, std::ostream& err) {
    if (a.positional.size() < 2) return usage(err, "source needs list, show, remove or add");
    const std::string& what = a.positional[1];
    const std::string folder = value(a, "--data");
    auto db = openDataFolder(folder, false);
    if (!db) {
        err << "vtlpo: " << db.error << "\n";
        return 2;
    }
    store::Store& store = *db.store;
    SystemClock clock;
    if (store::Status s = imp::ensureBuiltInSource(store, false, "", clock.today()); !s) {
        err << "vtlpo: " << folder << ": " << s.message << "\n";
        return 2;
    }
    if (what == "list" && a.positional.size() == 2) {
        for (const JCLimits& s : imp::listSources(store)) out << s.ReportTitle.clip() << "\n";
        return 0;
    }
    if ((what == "show" || what == "remove") && a.positional.size() == 3) {
        const std::string& title = a.positional[2];
        auto src = imp::findSource(store, title);
        if (!src) {
            err << "vtlpo: no import source is called \"" << title << "\"\n";
            return 1;
        }
        if (what == "show") {
            showSource(out, *src);
            return 0;
        }
        if (imp::isBuiltIn(title)) {
            err << "vtlpo: This Import Type cannot be deleted\n";
            return 1;
        }
        if (store::Status s = store::Table<JCLimits>(store).remove(*src); !s) {
            err << "vtlpo: " << s.message << "\n";
            return 1;
        }
        out << "removed \"" << title << "\"\n";
        return 0;
    }
    if (what == "add" && a.positional.size() == 2) {
        const std::string title = value(a, "--title");
        if (title.empty()) return usage(err, "source add needs --title");
        if (flag(a, "--one-file") == flag(a, "--two-files")) return usage(err, "source add needs --one-file or --two-files");
        const std::string format = value(a, "--format");
        if (format != "C" && format != "T" && format != "F") return usage(err, "--format is C, T or F");
        const std::string dates = value(a, "--date-format");
        if (!imp::isDateFormat(dates)) return usage(err, "--date-format is one of the twelve date formats");
        const std::string layout = value(a, "--layout");
        if (auto p = layoutProblem(layout)) return usage(err, *p);
        if (value(a, "--file").empty()) return usage(err, "source add needs --file");
        const bool oneFile = flag(a, "--one-file");
        if (!oneFile && value(a, "--detail-file").empty()) return usage(err, "two files need --detail-file");
        if (title.size() > 40) {
            err << "vtlpo: a source name has at most 40 characters\n";
            return 1;
        }
        if (auto problem = imp::checkSource(title, oneFile, imp::parseLayout(layout), true)) {
            err << "vtlpo: " << problem->title << ": " << problem->text << "\n";
            return 1;
        }
        if (imp::findSource(store, title)) {
            err << "vtlpo: an import source is already called \"" << title << "\"\n";
            return 1;
        }
        JCLimits r;
        r.Report = imp::kSourceReport;
        r.ModifyDate = clock.today();
        r.ReportTitle = title;
        r.Skip = oneFile ? 1 : 0;
        r.PrintOrder = format;
        r.JobTo = dates;
        r.NameFrom = value(a, "--file");
        r.NameTo = value(a, "--detail-file");
        r.TypeB = flag(a, "--title-line") ? 1 : 0;
        r.TypeL = flag(a, "--detail-title-line") ? 1 : 0;
        r.FieldLayout = layout;
        if (store::Status s = store::Table<JCLimits>(store).insert(r); !s) {
            err << "vtlpo: " << store::reworded(s, " Inserting JCLimits") << "\n";
            return 1;
        }
        out << "added \"" << title << "\"\n";
        return 0;
    }
    return usage(err, "cannot understand \"source " + what + "\" with these arguments");
}

std::function<void(int)> progressLine(std::ostream& err, bool terminal, const char* what) {
    if (!terminal) return {};
    return [&err, what](int percent) {
        err << "\r" << what << ": " << percent << "%" << std::flush;
        if (percent >= 100) err << "\r" << std::string(40, ' ') << "\r" << std::flush;
    };
}

imp::ReadProgress percent(const std::function<void(int)>& line) {
    if (!line) return {};
    return [line, last = -1](std::int64_t done, std::int64_t total) mutable {
        const int p = total > 0 ? static_cast<int>(done * 100 / total) : 100;
        if (p != last) line(last = p);
        return true;
    };
}

int importCommand(const Args& a, std::ostream& out, std::ostream& err, bool terminal) {
    if (a.positional.size() != 1) return usage(err, "import takes no other arguments");
    const std::string title = value(a, "--source");
    if (title.empty()) return usage(err, "import needs --source TITLE");
    const std::string folder = value(a, "--data");
    auto db = openDataFolder(folder, false);
    if (!db) {
        err << "vtlpo: " << db.error << "\n";
        return 2;
    }
    store::Store& store = *db.store;
    SystemClock clock;
    if (store::Status s = imp::ensureBuiltInSource(store, false, "", clock.today()); !s) {
        err << "vtlpo: " << folder << ": " << s.message << "\n";
        return 2;
    }
    auto src = imp::findSource(store, title);
    if (!src) {
        err << "vtlpo: no import source is called \"" << title << "\"\n";
        return 2;
    }
    imp::SourceSpec spec = imp::specOf(*src);
    if (!value(a, "--file").empty()) spec.headerFile = value(a, "--file");
    if (!value(a, "--detail-file").empty()) spec.detailFile = value(a, "--detail-file");
    const int costCodeLen = suite::Globals().CostCodeLen;

    imp::ImportBatch batch;
    const imp::ReadResult r =
        imp::readImport(store, spec, costCodeLen, folder, batch, percent(progressLine(err, terminal, "reading")));
    if (r.outcome != imp::ReadResult::Outcome::Read) {
        err << "vtlpo: " << r.problem << "\n";
        return 2;
    }
    for (const imp::ImportError& e : batch.errors) out << e.line << "\t" << e.text << "\n";
    out << batch.headers.size() << (batch.headers.size() == 1 ? " header" : " headers") << " and " << batch.lines.size()
        << (batch.lines.size() == 1 ? " line" : " lines") << " found\n";
    if (const std::string path = value(a, "--errors"); !path.empty()) {
        // Written whole or not at all, as every file the person names.
        std::string list = csvLine({"Record #", "Error Description"});
        for (const imp::ImportError& e : batch.errors) list += csvLine({std::to_string(e.line), e.text});
        if (std::string why; !services::writeTextFile(path, list, why)) {
            err << "vtlpo: " << why << "\n";
            return 2;
        }
    }
    if (!batch.errors.empty() && !flag(a, "--proceed")) {
        err << "vtlpo: nothing was imported: " << batch.errors.size()
            << (batch.errors.size() == 1 ? " error" : " errors") << " (--proceed imports all the same)\n";
        return 1;
    }
    imp::WriteContext cx{store, "", clock.today(), costCodeLen,
                         [&err](const std::string& text) { err << "vtlpo: " << text << "\n"; },
                         percent(progressLine(err, terminal, "importing"))};
    imp::WriteResult written;
    if (store::Status s = imp::writeImport(cx, batch, written); !s) {
        err << "vtlpo: " << s.message << " Nothing was imported.\n";
        return 1;
    }
    out << "imported " << written.orders << (written.orders == 1 ? " purchase order" : " purchase orders") << " with "
        << written.lines << (written.lines == 1 ? " line" : " lines") << "\n";
    return 0;
}

int exportCommand(const Args& a, std::ostream& out, std::ostream& err) {
    if (a.positional.size() != 2) return usage(err, "export needs one FILE");
    const bool all = flag(a, "--all");
    if (all == !a.pos.empty()) return usage(err, "export needs --po POID ... or --all");
    const std::string folder = value(a, "--data");
    auto db = openDataFolder(folder, true);
    if (!db) {
        err << "vtlpo: " << db.error << "\n";
        return 2;
    }
    std::vector<ULong> poids;
    if (all) {
        POMaster po;
        for (auto c = store::Table<POMaster>(*db.store).all(POMaster::KeyPOID); c.next(po);) poids.push_back(po.POID);
    } else {
        for (const std::string& p : a.pos) {
            char* end = nullptr;
            const unsigned long v = std::strtoul(p.c_str(), &end, 10);
            if (p.empty() || *end || v > 0xFFFFFFFFul) return usage(err, "\"" + p + "\" is not a POID");
            poids.push_back(static_cast<ULong>(v));
        }
    }
    std::string problem;  // the first one told; a failed export stops at it
    imp::ExportResult result;
    const bool ok = imp::exportOrders(*db.store, poids, folder, a.positional[1],
                                      [&](const std::string& text) {
                                          if (problem.empty()) problem = text;
                                      },
                                      result);
    if (!ok || !problem.empty()) {
        err << "vtlpo: " << a.positional[1] << ": " << (problem.empty() ? "cannot be written" : problem)
            << "; nothing was exported\n";
        return 2;
    }
    if (auto m = imp::reconciledMessage(result.reconciled)) out << m->text << "\n";
    out << "exported " << result.orders << (result.orders == 1 ? " purchase order" : " purchase orders") << " with "
        << result.lines << (result.lines == 1 ? " line" : " lines") << "\n";
    return 0;
}

}  // namespace

int importExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool terminal) {
    Args a = parse(args);
    if (!a.problem.empty()) return usage(err, a.problem);
    if (value(a, "--data").empty()) return usage(err, a.positional.at(0) + " needs --data DIR");
    const std::string& command = a.positional.at(0);
    if (command == "source") return sourceCommand(a, out, err);
    if (command == "import") return importCommand(a, out, err, terminal);
    return exportCommand(a, out, err);
}

}  // namespace vtl::cli
