#include "commands/listing.h"

#include <charconv>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>

#include "commands/batch_report.h"
#include "commands/batch_ui.h"
#include "records/database.h"
#include "records/records.h"
#include "report/pages/devices.h"
#include "report/render/render_devices.h"
#include "siblings/services/report_export.h"
#include "vtlpo/module.h"
#include "vtlporpt/listing/listing_data.h"
#include "vtlporpt/listing/print_po_listing.h"
#include "vtlporpt/output/report_run.h"
#include "vtlporpt/procedures.h"

namespace vtl::cli {

const char* const kListingUsage =
    "       vtlpo listing --data DIR --limit LIMITID (--pdf FILE | --text FILE) [--user ID]\n"
    "           the purchase-order listing of the report format LIMITID, as a PDF file or as\n"
    "           its text image (tab-separated, with the report parameters at the end)\n";

namespace {

struct ListingArgs {
    std::string data, user, pdf, text;
    ULong limit = 0;
    std::string problem;
};

ListingArgs parseArgs(const std::vector<std::string>& args) {
    ListingArgs p;
    for (std::size_t i = 0; i < args.size() && p.problem.empty(); ++i) {
        const std::string& a = args[i];
        auto value = [&](const char* what) -> std::string {
            if (i + 1 >= args.size()) {
                p.problem = a + " needs " + what;
                return {};
            }
            return args[++i];
        };
        if (a == "--data") p.data = value("a folder");
        else if (a == "--user") p.user = value("a user id");
        else if (a == "--pdf") p.pdf = value("a file name");
        else if (a == "--text") p.text = value("a file name");
        else if (a == "--limit") {
            const std::string v = value("a report format's number");
            unsigned long n = 0;
            const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
            if (p.problem.empty() && (ec != std::errc() || end != v.data() + v.size() || n == 0 || n > 0xFFFFFFFFul))
                p.problem = "--limit needs a report format's number, a whole number: \"" + v + "\"";
            p.limit = static_cast<ULong>(n);
        } else {
            p.problem = "unknown option " + a;
        }
    }
    if (!p.problem.empty()) return p;
    if (p.data.empty()) p.problem = "listing needs --data DIR";
    else if (p.limit == 0) p.problem = "listing needs --limit LIMITID";
    else if (p.pdf.empty() == p.text.empty()) p.problem = "listing needs one of --pdf FILE or --text FILE";
    return p;
}

std::size_t linesIn(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::size_t lines = 0;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        lines += static_cast<std::size_t>(std::count(buffer, buffer + in.gcount(), '\n'));
    return lines;
}

// The batch person: "Export This Report" is answered with the --text file.
class ListingUi : public BatchUi {
public:
    ListingUi(std::ostream& err, bool terminal, std::string textPath)
        : BatchUi(err, terminal), textPath_(std::move(textPath)) {}
    std::optional<std::string> saveFile(const std::string& title, const ui::FileFilter&, const std::string&) override {
        if (title == services::kReportExportTitle && !textPath_.empty()) return textPath_;
        return std::nullopt;
    }

private:
    std::string textPath_;
};

}  // namespace

int listingCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool terminal) {
    const ListingArgs a = parseArgs(args);
    if (!a.problem.empty()) {
        err << "vtlpo: " << a.problem << "\n" << kListingUsage;
        return 2;
    }
    BatchFolder opened;
    if (const int rc = openBatchFolder(a.data, a.user, err, opened)) return rc;
    const std::string& folder = opened.folder;
    OpenResult& db = opened.db;
    POLimits limits;
    limits.LimitID = a.limit;
    if (!store::Table<POLimits>(*db.store).fetch(POLimits::KeyLimitID, limits) ||
        limits.Report.clip() != rpt::kListingReport) {
        err << "vtlpo: report format " << a.limit << " of the purchase-order listing is not on file\n";
        return 2;
    }
    ensureGuiApplication();

    const auto loaded = loadModule(folder);
    vtlpo::Module& module = *loaded;
    std::error_code ec;
    const std::string textPath =
        a.text.empty() ? std::string() : std::filesystem::absolute(a.text, ec).lexically_normal().string();
    ListingUi ui(err, terminal, textPath);
    SystemClock clock;
    Session s = module.session(*db.store, ui, clock, folder, "");
    rpt::registerReportProcedures(s.procedures);
    render::registerReportDevices(s.views);
    s.globals.UserID = a.user;
    s.globals.PrintPreview = 1;
    s.globals.ReportFilter = std::to_string(a.limit);

    int rc = 0;
    if (!textPath.empty()) {
        // Only the text image: the export routine writes it to the --text file.
        if (!rpt::exportListing(s)) {
            if (ui.told().empty()) err << "vtlpo: nothing was listed\n";
            rc = 1;
        } else {
            out << "wrote " << textPath << " (" << linesIn(textPath) << " lines)\n";
        }
        module.kill();
        return rc;
    }

    // The preview: its pages are kept for the PDF file.
    report::Document pages;
    std::size_t shown = 0;
    s.views.set<report::ReportPreview>([&](report::ReportPreview& p) {
        shown = p.document().pages.size();
        pages = p.document();
        p.close();
    });
    s.call(rpt::kListingProcedure);
    if (shown == 0) {
        if (ui.told().empty()) err << "vtlpo: nothing was listed\n";
        rc = 1;
    } else {
        rpt::ReportRun output(s, pages.title);
        const std::vector<std::string> files = output.writePdf(pages, a.pdf, false);
        if (files.empty()) {
            rc = 1;
        } else {
            out << wroteLine(files.front(), pages.pages.size()) << "\n";
        }
    }
    module.kill();
    return rc;
}

}  // namespace vtl::cli
