#include "vtlporpt/output/report_run.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>


namespace vtl::rpt {
namespace fs = std::filesystem;

namespace {

// The percent text: the number in picture N3, then "% Completed".
std::string percentText(int percent, const DisplayStrings& strings) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%3d", std::clamp(percent, 0, 100));
    return std::string(buf) + strings["ProgWinPctText"];
}

}  // namespace

ReportRun::ReportRun(Session& s, std::string title)
    : s_(s), title_(std::move(title)), strings_(DisplayStrings::load(s)), preview_(s.globals.PrintPreview != 0) {}

ReportRun::~ReportRun() = default;

report::TextMeasure* ReportRun::measure() {
    if (!measure_) {
        measure_.emplace();
        if (!s_.views.run(*measure_)) measure_->measure = nullptr;
    }
    return measure_->measure;
}

void ReportRun::begin(std::int64_t records) {
    records_ = std::max<std::int64_t>(records, 0);
    stopped_ = false;
    discarded_ = false;
    shownPercent_ = 0;
    progress_ = s_.ui.progress(strings_[preview_ ? "ProgWinTitlePrvw" : "ProgWinTitlePrnt"], percentText(0, strings_));
    if (progress_) progress_->setRange(std::max<std::int64_t>(records_, 1));
}

bool ReportRun::step(std::int64_t done, int pages) {
    if (!progress_) return true;
    progress_->setValue(done);
    const int percent = records_ ? static_cast<int>(std::min<std::int64_t>(done * 100 / records_, 100)) : 100;
    if (percent != shownPercent_) {
        shownPercent_ = percent;
        progress_->setText(percentText(percent, strings_));
    }
    if (!progress_->cancelled()) return true;
    // Cancel pressed: ask, and when the run goes on, go on with a new window.
    const bool stop = s_.ui.ask(strings_["CancelAreYouSureText"], strings_["CancelAreYouSureTitle"],
                                strings_["ButtonYesNo"], ui::Icon::Question) == 1;
    if (stop && preview_ && pages > 0) {
        const int b = s_.ui.ask(strings_["CancelPrvwPartialText"], strings_["CancelPrvwPartialTitle"],
                                strings_["ButtonYesNoCancel"], ui::Icon::Question);
        if (b == 1 || b == 2) {
            stopped_ = true;
            discarded_ = b == 2;
            progress_.reset();
            return false;
        }
    } else if (stop) {
        stopped_ = true;
        discarded_ = true;
        progress_.reset();
        return false;
    }
    progress_ = s_.ui.progress(strings_[preview_ ? "ProgWinTitlePrvw" : "ProgWinTitlePrnt"],
                               percentText(percent, strings_));
    if (progress_) {
        progress_->setRange(std::max<std::int64_t>(records_, 1));
        progress_->setValue(done);
    }
    return true;
}

ReportRun::Shown ReportRun::finish(const report::Document& doc, const std::vector<std::string>& buttons) {
    progress_.reset();
    Shown shown;
    if (doc.empty() || discarded_) return shown;
    bool print = !preview_;
    if (preview_) {
        report::ReportPreview preview(doc, title_, buttons, s_.globals.PreviewZoom);
        if (s_.views.run(preview)) {
            if (preview.outcome() == report::ReportPreview::Outcome::Print) print = true;
            else if (preview.outcome() == report::ReportPreview::Outcome::Button) shown.button = preview.pressed();
        }
    }
    if (print) {
        report::PrintJob job;
        job.document = &doc;
        job.title = title_;
        if (!s_.views.run(job)) {
            s_.ui.tell("No printer can be reached from this installation.", title_, ui::Icon::Warning);
        } else if (!job.error.empty()) {
            s_.ui.tell(job.error, title_, ui::Icon::Warning);
        }
        shown.printed = job.printed;
    }
    return shown;
}

std::optional<ReportRun::PdfChoice> ReportRun::askPdfPath(const std::string& proposed) {
    auto path = s_.ui.saveFile("PDF File Name and Location", {"PDF Files|*.pdf|All Files|*.*"}, proposed);
    if (!path) return std::nullopt;
    PdfChoice c;
    c.path = *path;
    c.view = s_.ui.ask("Do you wish to view the PDF file when it is created?", "View PDF?", "&Yes|&No",
                       ui::Icon::Question) == 1;
    return c;
}

bool ReportRun::pdfWanted() {
    if (!stopped_) return true;
    return s_.ui.ask("Report Not Printed||Create PDF anyway?", "Create PDF?", "&Yes|&No", ui::Icon::Question) == 1;
}

std::string ReportRun::completedPdfPath(std::string path) const {
    if (path.empty()) return path;
    fs::path p(path);
    if (!p.has_parent_path()) p = fs::path(s_.dataFolder) / p;
    if (!p.has_extension()) p += ".pdf";
    return p.string();
}

std::vector<std::string> ReportRun::writePdf(const report::Document& doc, std::string path, bool view,
                                             int pagesPerFile) {
    path = completedPdfPath(std::move(path));
    if (path.empty() || doc.empty()) return {};
    report::PdfJob job;
    job.document = &doc;
    job.path = path;
    job.pagesPerFile = pagesPerFile;
    const std::string name = fs::path(path).filename().string();
    auto status = s_.ui.progress("Please Wait...", "Generating PDF " + name);
    if (status) status->setRange(static_cast<std::int64_t>(doc.pages.size()));
    job.progress = [&](int done, int total) {
        if (!status) return true;
        status->setValue(done);
        status->setText("Generating PDF " + name + "|Page " + std::to_string(done) + " of " + std::to_string(total));
        if (!status->cancelled()) return true;
        if (s_.ui.ask("Do you wish to Cancel the PDF Generation?", "Cancel PDF?", "&Yes|&No", ui::Icon::Question) == 1)
            return false;
        status = s_.ui.progress("Please Wait...", "Generating PDF " + name);
        if (status) {
            status->setRange(total);
            status->setValue(done);
        }
        return true;
    };
    if (!s_.views.run(job)) {
        s_.ui.tell("PDF files cannot be written on this installation.", "PDF Not Written", ui::Icon::Warning);
        return {};
    }
    status.reset();
    if (job.cancelled) return {};
    if (!job.error.empty()) {
        s_.ui.tell(job.error, "PDF Not Written", ui::Icon::Warning);
        return {};
    }
    if (view && !job.files.empty() && !s_.ui.openExternally(job.files.front()))
        s_.ui.tell("The PDF file could not be opened: " + job.files.front(), "View PDF?", ui::Icon::Warning);
    return job.files;
}

}  // namespace vtl::rpt
