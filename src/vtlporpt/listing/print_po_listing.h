#pragma once
// PrintPOListing: the purchase-order listing of the limit set whose number
// is in ReportFilter, through the common output path: progress, preview with
// "Export This Report", "Generate PDF File" and "Email Report (pdf)", the
// printer, the PDF file. PrintPOListFM prints the same listing through the
// company's designed layout.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/suite/session.h"
#include "vtlporpt/listing/listing_pages.h"

namespace vtl::rpt {

inline constexpr const char* kListingProcedure = "PrintPOListing";
inline constexpr const char* kListingPdfName = "Purchase Order Listing.pdf";
inline constexpr const char* kListingExportName = "Purchase Order Listing.txt";

// What one run of the listing produced.
struct ListingRun {
    report::Document document;
    std::string textImage;                // the export lines, each ended by a line feed, without the parameters
    std::vector<std::string> parameters;  // the whole block
    std::string nothingToPrint;           // the reason, when nothing was listed
    bool listed = false;                  // any order listed
    bool stopped = false;
};

using ListingLayoutFactory =
    std::function<std::unique_ptr<ListingLayout>(report::TextMeasure&, const ListingPageSetup&)>;

// The limit set named by ReportFilter, or nullopt (told) when there is none.
std::optional<POLimits> listingLimits(Session& s);

// Produces the listing of `limits`; `progress(done, total)` false stops.
// Without a measure or a layout only the text image is made.
ListingRun produceListing(Session& s, const POLimits& limits, report::TextMeasure* measure,
                          const ListingLayoutFactory& layout,
                          const std::function<bool(std::int64_t, std::int64_t)>& progress = {});

// The text image as "Export This Report" hands it over: the bands' lines,
// an empty line, "Report Parameters:" and the parameter lines shown, each
// ended by a line feed.
std::string exportedImage(ListingRun&& run);

// The whole procedure with the given layout.
void printListing(Session& s, const char* procedure, const ListingLayoutFactory& layout);
void runPrintPOListing(Session& s);

// The listing's text image straight to the export routine, without pages:
// what a batch run that only wants the text file does. True when written.
bool exportListing(Session& s);

}  // namespace vtl::rpt
