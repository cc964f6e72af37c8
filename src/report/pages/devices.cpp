#include "report/pages/devices.h"

#include <algorithm>

namespace vtl::report {

void ReportPreview::setPage(int p) {
    if (pageCount() == 0) return;
    page_ = std::clamp(p, 0, pageCount() - 1);
}

std::string ReportPreview::pageOfPages() const {
    if (pageCount() == 0) return "";
    return "Page " + std::to_string(page_ + 1) + " of " + std::to_string(pageCount());
}

void ReportPreview::press(int button) {
    if (button < 0 || button >= static_cast<int>(buttons_.size())) return;
    outcome_ = Outcome::Button;
    pressed_ = button;
}

}  // namespace vtl::report
