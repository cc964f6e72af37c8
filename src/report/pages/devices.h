#pragma once
// What a report asks of the devices, each as a small controller that the
// report runs through `session.views.run(...)`: the host and the batch tool
// register the runners that do the work with Qt (report/render and gui),
// a test its own. A report never knows which answers, and holds no Qt.
//
//   MeasureRequest  the text measure of this installation's fonts
//   PdfJob          pages written to one PDF file or several
//   PrintJob        pages sent to a printer chosen in the print dialog
//   ReportPreview   the preview window (pages, zoom, page of pages, Print,
//                   the extra buttons the report offers)
//
// A request nobody answers (`views.run` false) means the installation
// cannot do it: the report says so and goes on without it.
#include <functional>
#include <string>
#include <vector>

#include "report/pages/measure.h"
#include "report/pages/page.h"

namespace vtl::report {

struct MeasureRequest {
    TextMeasure* measure = nullptr;  // set by the runner; lives as long as the runner's registration
};

struct PdfJob {
    // What to write.
    const Document* document = nullptr;
    std::string path;       // the final path of the (first) file
    int pagesPerFile = 0;   // 0: all pages in one file; N: ceil(pages / N) numbered files
    // Called after each page with the pages done and the total; answering
    // false cancels the job, which then leaves nothing at any final path.
    std::function<bool(int done, int total)> progress;

    // What came of it.
    std::vector<std::string> files;  // the files written, in order
    bool cancelled = false;
    std::string error;               // why no file was written, "" when written or cancelled
    bool written() const { return !files.empty() && error.empty() && !cancelled; }
};

struct PrintJob {
    const Document* document = nullptr;
    std::string title;   // the print job's name
    int copies = 1;      // proposed in the print dialog
    bool printed = false;
    bool cancelled = false;  // the print dialog was closed without printing
    std::string error;
};

// The preview window's state and the person's answer.
class ReportPreview {
public:
    enum class Outcome { Closed, Print, Button };

    ReportPreview(const Document& document, std::string title, std::vector<std::string> buttons, int zoomStyle = 1)
        : document_(document), title_(std::move(title)), buttons_(std::move(buttons)), zoomStyle_(zoomStyle) {}

    const Document& document() const { return document_; }
    const std::string& title() const { return title_; }
    // The extra buttons the report offers ("Generate PDF File", "Email PO (pdf)" ...).
    const std::vector<std::string>& buttons() const { return buttons_; }
    // How the window opens: 0 at the page's real size, 1 fitting its width, 2 the whole page.
    int zoomStyle() const { return zoomStyle_; }

    int pageCount() const { return static_cast<int>(document_.pages.size()); }
    int page() const { return page_; }  // 0-based
    void setPage(int p);
    // "Page 2 of 7"
    std::string pageOfPages() const;

    // The person's answer; each closes the window.
    void print() { outcome_ = Outcome::Print; }
    void press(int button);  // 0-based among buttons()
    void close() { outcome_ = Outcome::Closed; }

    Outcome outcome() const { return outcome_; }
    int pressed() const { return pressed_; }  // the button, when outcome() is Button

private:
    const Document& document_;
    std::string title_;
    std::vector<std::string> buttons_;
    int zoomStyle_;
    int page_ = 0;
    Outcome outcome_ = Outcome::Closed;
    int pressed_ = -1;
};

}  // namespace vtl::report
