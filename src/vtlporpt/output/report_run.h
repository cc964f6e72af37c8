#pragma once
// How every report of the module ends: its pages are produced behind a
// progress window (percent, Cancel with its questions), then shown in the
// preview or sent to the printer, and on request written to a PDF file.
//
//   ReportRun run(session, "Purchase Orders");
//   run.begin(records);                       // the progress window
//   for (...) { ...; if (!run.step(done, pages)) break; }
//   auto shown = run.finish(document, {"Generate PDF File", "Email PO (pdf)"});
//   if (shown.button == 0) run.writePdf(document, run.askPdfPath(proposed) ...);
//
// The texts come from the display strings (CPCSRPTS.INI); the preview, the
// printer and the PDF writer are the device requests of report/pages, run
// through the views.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/suite/session.h"
#include "report/pages/devices.h"
#include "vtlporpt/output/display_strings.h"

namespace vtl::rpt {

class ReportRun {
public:
    ReportRun(Session& s, std::string title);
    ~ReportRun();

    const DisplayStrings& strings() const { return strings_; }
    bool previewing() const { return preview_; }

    // The text measure of this installation; null when none is installed.
    report::TextMeasure* measure();

    // ---- producing the pages
    // Opens the progress window for `records` records.
    void begin(std::int64_t records);
    // After each record: moves the thermometer and handles Cancel (also
    // Esc). False when the run is to stop; `pages` is how many pages exist.
    bool step(std::int64_t done, int pages);
    // Whether the pages made so far are to be kept: true unless the person
    // stopped the run and chose not to see what there was.
    bool keepPages() const { return !discarded_; }
    bool stopped() const { return stopped_; }

    // ---- showing them
    struct Shown {
        bool printed = false;  // sent to the printer (from the preview or directly)
        int button = -1;       // the preview's extra button pressed, -1 none
    };
    // Previews or prints the document (nothing for an empty one).
    Shown finish(const report::Document& doc, const std::vector<std::string>& buttons);

    // ---- the PDF file
    // The save dialog on `proposed`, then "View PDF?". Nullopt when cancelled.
    struct PdfChoice {
        std::string path;
        bool view = false;
    };
    std::optional<PdfChoice> askPdfPath(const std::string& proposed);
    // Writes the pages behind the "Please Wait..." window (Cancel asks
    // first); a blank path writes nothing, a bare name goes to the data
    // folder, a name without extension gets ".pdf". Opens the file when
    // `view`. The files written, none when cancelled or failed (said).
    std::vector<std::string> writePdf(const report::Document& doc, std::string path, bool view, int pagesPerFile = 0);
    // "Report Not Printed||Create PDF anyway?" when the run was stopped
    // before its end; true when the PDF is to be written.
    bool pdfWanted();

    // The path a PDF of `path` is written to: folder and extension completed.
    std::string completedPdfPath(std::string path) const;

private:
    bool askContinue();

    Session& s_;
    std::string title_;
    DisplayStrings strings_;
    bool preview_ = true;
    std::unique_ptr<ui::Progress> progress_;
    std::int64_t records_ = 0;
    int shownPercent_ = -1;
    bool stopped_ = false;
    bool discarded_ = false;
    std::optional<report::MeasureRequest> measure_;
};

}  // namespace vtl::rpt
