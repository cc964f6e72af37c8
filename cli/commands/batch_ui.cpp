#include "commands/batch_ui.h"

#include <algorithm>

namespace vtl::cli {
namespace {

class LineProgress : public ui::Progress {
public:
    LineProgress(std::ostream& err, bool terminal, std::string title)
        : err_(err), terminal_(terminal), title_(std::move(title)) {}
    ~LineProgress() override {
        if (shown_) err_ << "\r" << std::string(title_.size() + 8, ' ') << "\r" << std::flush;
    }
    void setText(const std::string&) override {}
    void setRange(std::int64_t total) override { total_ = std::max<std::int64_t>(total, 0); }
    void setValue(std::int64_t done) override {
        if (!terminal_ || total_ == 0) return;
        const int percent = static_cast<int>(std::clamp<std::int64_t>(done * 100 / total_, 0, 100));
        if (percent == percent_) return;
        percent_ = percent;
        shown_ = true;
        err_ << "\r" << title_ << ": " << percent << "%" << std::flush;
    }
    bool cancelled() override { return false; }

private:
    std::ostream& err_;
    bool terminal_;
    std::string title_;
    std::int64_t total_ = 0;
    int percent_ = -1;
    bool shown_ = false;
};

}  // namespace

std::string oneLine(const std::string& message) {
    std::string line;
    std::size_t start = 0;
    while (start <= message.size()) {
        std::size_t bar = message.find('|', start);
        if (bar == std::string::npos) bar = message.size();
        std::string part = message.substr(start, bar - start);
        while (!part.empty() && part.back() == ' ') part.pop_back();
        while (!part.empty() && part.front() == ' ') part.erase(part.begin());
        if (!part.empty()) line += (line.empty() ? "" : " ") + part;
        start = bar + 1;
    }
    return line;
}

int BatchUi::ask(const std::string& text, const std::string& title, const std::string&, ui::Icon icon,
                 int defaultButton) {
    std::string line = oneLine(text);
    if (!title.empty()) line = title + ": " + line;
    told_.push_back(line);
    if (icon == ui::Icon::Warning || icon == ui::Icon::Error || icon == ui::Icon::Exclamation) troubled_ = true;
    err_ << line << "\n";
    return defaultButton;
}

std::unique_ptr<ui::Progress> BatchUi::progress(const std::string& title, const std::string&) {
    return std::make_unique<LineProgress>(err_, terminal_, title);
}

}  // namespace vtl::cli
