#include "vtlporpt/listing/print_po_listing.h"

#include <charconv>

#include "platform/suite/error_object.h"
#include "platform/suite/settings_files.h"
#include "records/records.h"
#include "siblings/services/report_export.h"
#include "vtlporpt/email/email_po.h"
#include "vtlporpt/listing/listing_params.h"
#include "vtlporpt/order_forms.h"
#include "vtlporpt/output/report_run.h"

namespace vtl::rpt {
namespace {

std::string reasonNothing(std::int64_t orders) {
    if (orders == 0) return "The primary file has no records!";
    if (orders == 1) return "Your Limits have excluded the one record!";
    if (orders == 2) return "Your Limits have excluded both records!";
    return "Your Limits have excluded all " + std::to_string(orders) + " records!";
}

}  // namespace

std::optional<POLimits> listingLimits(Session& s) {
    const std::string& filter = s.globals.ReportFilter;
    unsigned long id = 0;
    const auto [end, ec] = std::from_chars(filter.data(), filter.data() + filter.size(), id);
    POLimits l;
    l.LimitID = static_cast<ULong>(id);
    if (ec != std::errc() || end != filter.data() + filter.size() || id == 0 ||
        !store::Table<POLimits>(s.store).fetch(POLimits::KeyLimitID, l) || l.Report.clip() != kListingReport) {
        s.ui.tell("The report format \"" + filter + "\" is not on file.", kListingTitle, ui::Icon::Warning);
        return std::nullopt;
    }
    return l;
}

ListingRun produceListing(Session& s, const POLimits& limits, report::TextMeasure* measure,
                          const ListingLayoutFactory& layout,
                          const std::function<bool(std::int64_t, std::int64_t)>& progress) {
    ListingRun run;
    Systems sys;
    store::Table<Systems>(s.store).all(Systems::KeySystemID).next(sys);
    const Date today = s.clock.today();
    const ListingBounds bounds = listingBounds(s.store, limits, today);
    run.parameters = listingParameters(s.store, limits, bounds);

    // Reading the orders is the first half of the thermometer, printing them the second.
    std::int64_t onFile = 0;
    const ListingData data =
        gatherListing(s.store, limits, s.globals.CostCodeLen, today, [&](std::int64_t done, std::int64_t total) {
            onFile = total;
            if (progress && !progress(done, 2 * total)) {
                run.stopped = true;
                return false;
            }
            return true;
        });
    if (run.stopped) return run;

    const ListingOptions options = listingOptions(limits);
    ListingPageSetup setup;
    setup.companyName = sys.CompanyName.clip();
    setup.reportTitle = limits.ReportTitle.clip();
    setup.runDate = today;
    setup.runTime = s.clock.now();
    setup.format = options.format;
    setup.landscape = limits.Orientation == "L";
    setup.parameters = std::vector<std::string>(
        run.parameters.begin(), run.parameters.begin() + std::min(run.parameters.size(), kParameterLinesShown));
    // Only the text image is made when no layout is given: an export of a
    // long listing has no use for its pages.
    std::unique_ptr<ListingLayout> pages = layout && measure ? layout(*measure, setup) : nullptr;
    TextImage text(setup.companyName, options.format);
    // A listed line takes some 200 characters, an order's own bands some 800.
    text.reserve(data.lines.size() * 200 + data.orders.size() * 800 + 4096);
    BandCount counted;
    ListingSinks sinks;
    if (pages) sinks.add(*pages);
    sinks.add(text);
    sinks.add(counted);
    const std::size_t orders = data.orders.size();
    const bool finished = walkListing(data, options, sinks, [&](std::size_t done) {
        if (!progress || orders == 0) return true;
        return progress(onFile + static_cast<std::int64_t>(done) * onFile / static_cast<std::int64_t>(orders),
                        2 * onFile);
    });
    run.stopped = !finished;
    if (pages) run.document = pages->finish();
    run.textImage = text.take();
    run.listed = counted.orders > 0;
    if (!run.listed) run.nothingToPrint = reasonNothing(data.ordersOnFile);
    return run;
}

std::string exportedImage(ListingRun&& run) {
    std::string text = std::move(run.textImage);
    text += "\nReport Parameters:\n";
    for (std::size_t i = 0; i < run.parameters.size() && i < kParameterLinesShown; ++i)
        if (!run.parameters[i].empty()) text += run.parameters[i] + "\n";
    return text;
}

void printListing(Session& s, const char* procedure, const ListingLayoutFactory& layout) {
    suite::ProcedureName named(s.errors, procedure);
    const std::optional<POLimits> limits = listingLimits(s);
    if (!limits) return;
    ReportRun output(s, kListingTitle);
    report::TextMeasure* measure = output.measure();
    if (!measure) {
        s.ui.tell("The listing cannot be printed here: no fonts to lay it out with.", procedure, ui::Icon::Warning);
        return;
    }
    output.begin(store::Table<POMaster>(s.store).count() * 2);
    ListingRun run = produceListing(s, *limits, measure, layout,
                                    [&](std::int64_t done, std::int64_t) { return output.step(done, 0); });
    if (!output.keepPages()) return;
    if (!run.listed) {
        if (!run.nothingToPrint.empty())
            s.ui.tell(std::string(kNothingToPrint) + "|" + run.nothingToPrint, output.strings()["NothingToPrntTitle"],
                      ui::Icon::Information);
        return;
    }
    const auto shown = output.finish(run.document, {"Export This Report", "Generate PDF File", "Email Report (pdf)"});
    const std::string proposed = suite::joinPath(s.dataFolder, kListingPdfName);
    if (shown.button == 0) {
        services::reportExportText(s, exportedImage(std::move(run)), kListingExportName);
    } else if (shown.button == 1) {
        if (auto choice = output.askPdfPath(proposed); choice && output.pdfWanted())
            output.writePdf(run.document, choice->path, choice->view);
    } else if (shown.button == 2) {
        if (const auto files = output.writePdf(run.document, proposed, false); !files.empty())
            emailReportPdf(s, files.front(), run.document.title);
    }
    s.globals.PrintPreview = 1;
}

bool exportListing(Session& s) {
    suite::ProcedureName named(s.errors, kListingProcedure);
    const std::optional<POLimits> limits = listingLimits(s);
    if (!limits) return false;
    ReportRun output(s, kListingTitle);
    output.begin(store::Table<POMaster>(s.store).count() * 2);
    ListingRun run = produceListing(s, *limits, nullptr, {},
                                    [&](std::int64_t done, std::int64_t) { return output.step(done, 0); });
    if (!output.keepPages()) return false;
    if (!run.listed) {
        if (!run.nothingToPrint.empty())
            s.ui.tell(std::string(kNothingToPrint) + "|" + run.nothingToPrint, output.strings()["NothingToPrntTitle"],
                      ui::Icon::Information);
        return false;
    }
    return services::reportExportText(s, exportedImage(std::move(run)), kListingExportName).has_value();
}

void runPrintPOListing(Session& s) {
    printListing(s, kListingProcedure, [](report::TextMeasure& m, const ListingPageSetup& setup) {
        return std::make_unique<ListingPages>(m, setup);
    });
}

}  // namespace vtl::rpt
