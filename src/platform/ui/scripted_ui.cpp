#include "platform/ui/scripted_ui.h"

#include <algorithm>
#include <stdexcept>

namespace vtl::ui {

std::string iconName(Icon icon) {
    switch (icon) {
    case Icon::None: return "None";
    case Icon::Information: return "Information";
    case Icon::Question: return "Question";
    case Icon::Warning: return "Warning";
    case Icon::Exclamation: return "Exclamation";
    case Icon::Error: return "Error";
    }
    return "?";
}

namespace {

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

std::string askCall(const std::string& text, const std::string& title, const std::string& buttons, Icon icon) {
    return "ask(" + quoted(text) + ", " + quoted(title) + ", " + quoted(buttons) + ", " + iconName(icon) + ")";
}

std::string fileCall(ScriptedUi::Kind kind, const std::string& title, const std::string& filter) {
    return std::string(kind == ScriptedUi::Kind::OpenFile ? "openFile(" : "saveFile(") + quoted(title) + ", " +
           quoted(filter) + ")";
}

std::string lookupCall(const std::string& title) { return "lookup(" + quoted(title) + ")"; }

// One line of the difference report.
void differ(std::string& out, const char* what, const std::string& expected, const std::string& got) {
    if (expected == got) return;
    out += "\n  ";
    out += what;
    out += ": expected " + quoted(expected) + "\n  ";
    out += std::string(std::char_traits<char>::length(what), ' ');
    out += "  got      " + quoted(got);
}

class ScriptedProgress : public Progress {
public:
    ScriptedProgress(std::shared_ptr<std::vector<ScriptedUi::ProgressRecord>> log, std::size_t index,
                     std::int64_t cancelAt)
        : log_(std::move(log)), index_(index), cancelAt_(cancelAt) {}
    void setText(const std::string& text) override { rec().texts.push_back(text); }
    void setRange(std::int64_t total) override { rec().range = total; }
    void setValue(std::int64_t done) override {
        rec().value = done;
        if (cancelAt_ >= 0 && done >= cancelAt_) rec().cancelled = true;
    }
    bool cancelled() override { return rec().cancelled; }

private:
    ScriptedUi::ProgressRecord& rec() { return (*log_)[index_]; }
    std::shared_ptr<std::vector<ScriptedUi::ProgressRecord>> log_;
    std::size_t index_;
    std::int64_t cancelAt_;
};

}  // namespace

ScriptedUi::Expectation& ScriptedUi::Expectation::answer(int b) {
    button = b;
    return *this;
}

ScriptedUi::Expectation& ScriptedUi::Expectation::answer(const std::string& path) {
    chosen = path;
    return *this;
}

ScriptedUi::Expectation& ScriptedUi::Expectation::withDefault(int b) {
    defaultButton = b;
    return *this;
}

ScriptedUi::Expectation& ScriptedUi::Expectation::in(const std::string& folderOrSuggested) {
    place = folderOrSuggested;
    return *this;
}

ScriptedUi::Expectation& ScriptedUi::Expectation::choose(const std::string& key) {
    chosen = key;
    return *this;
}

ScriptedUi::Expectation& ScriptedUi::Expectation::cancel() {
    chosen.reset();
    button = 0;
    return *this;
}

ScriptedUi::Expectation& ScriptedUi::Expectation::inspect(
    std::function<void(const LookupSpec&, const std::vector<LookupRow>&)> c) {
    check = std::move(c);
    return *this;
}

std::string ScriptedUi::Expectation::describe() const {
    switch (kind) {
    case Kind::Ask: return askCall(text, title, buttons, icon);
    case Kind::OpenFile:
    case Kind::SaveFile: return fileCall(kind, title, buttons);
    case Kind::Lookup: return lookupCall(title);
    }
    return "?";
}

ScriptedUi::ScriptedUi()
    : fail_([](const std::string& m) { throw std::logic_error(m); }),
      progress_(std::make_shared<std::vector<ProgressRecord>>()) {}

ScriptedUi::~ScriptedUi() = default;

ScriptedUi::Expectation& ScriptedUi::add(Kind kind) {
    script_.emplace_back();
    script_.back().kind = kind;
    return script_.back();
}

ScriptedUi::Expectation& ScriptedUi::expectAsk(const std::string& text, const std::string& title,
                                               const std::string& buttons, Icon icon) {
    Expectation& e = add(Kind::Ask);
    e.text = text;
    e.title = title;
    e.buttons = buttons;
    e.icon = icon;
    return e;
}

ScriptedUi::Expectation& ScriptedUi::expectTell(const std::string& text, const std::string& title, Icon icon) {
    return expectAsk(text, title, "&OK", icon).answer(1);
}

ScriptedUi::Expectation& ScriptedUi::expectOpenFile(const std::string& title, const std::string& filter) {
    Expectation& e = add(Kind::OpenFile);
    e.title = title;
    e.buttons = filter;
    return e;
}

ScriptedUi::Expectation& ScriptedUi::expectSaveFile(const std::string& title, const std::string& filter) {
    Expectation& e = add(Kind::SaveFile);
    e.title = title;
    e.buttons = filter;
    return e;
}

ScriptedUi::Expectation& ScriptedUi::expectLookup(const std::string& title) {
    Expectation& e = add(Kind::Lookup);
    e.title = title;
    return e;
}

void ScriptedUi::failure(const std::string& message) {
    std::string m = "ScriptedUi: " + message;
    if (!transcript_.empty()) {
        m += "\n  calls so far:";
        for (const auto& line : transcript_) m += "\n    " + line;
    }
    fail_(m);
}

std::optional<ScriptedUi::Expectation> ScriptedUi::take(Kind kind, const std::string& actual) {
    transcript_.push_back(actual);
    if (script_.empty()) {
        failure("unexpected call " + actual + ": nothing more was expected");
        return std::nullopt;
    }
    Expectation e = std::move(script_.front());
    script_.pop_front();
    if (e.kind != kind) {
        failure("call " + std::to_string(transcript_.size()) + " differs from the script\n  expected " +
                e.describe() + "\n  got      " + actual);
        return std::nullopt;
    }
    return e;
}

int ScriptedUi::ask(const std::string& text, const std::string& title, const std::string& buttons, Icon icon,
                    int defaultButton) {
    const std::string actual = askCall(text, title, buttons, icon);
    auto e = take(Kind::Ask, actual);
    if (!e) return 0;
    std::string diff;
    differ(diff, "text", e->text, text);
    differ(diff, "title", e->title, title);
    differ(diff, "buttons", e->buttons, buttons);
    differ(diff, "icon", iconName(e->icon), iconName(icon));
    if (e->defaultButton && *e->defaultButton != defaultButton)
        differ(diff, "default button", std::to_string(*e->defaultButton), std::to_string(defaultButton));
    const int count = static_cast<int>(splitButtons(buttons).size());
    if (diff.empty() && (e->button < 0 || e->button > count))
        diff = "\n  the script answers button " + std::to_string(e->button) + " of " + std::to_string(count);
    if (!diff.empty())
        failure("message " + std::to_string(transcript_.size()) + " differs from the script" + diff +
                "\n  expected " + e->describe() + "\n  got      " + actual);
    return e->button;
}

std::optional<std::string> ScriptedUi::fileDialog(Kind kind, const std::string& title, const FileFilter& filter,
                                                  const std::string& place) {
    const std::string actual = fileCall(kind, title, filter.spec);
    auto e = take(kind, actual);
    if (!e) return std::nullopt;
    std::string diff;
    differ(diff, "title", e->title, title);
    differ(diff, "filter", e->buttons, filter.spec);
    if (e->place) differ(diff, kind == Kind::OpenFile ? "folder" : "suggested", *e->place, place);
    if (!diff.empty())
        failure("file dialog " + std::to_string(transcript_.size()) + " differs from the script" + diff);
    return e->chosen;
}

std::optional<std::string> ScriptedUi::openFile(const std::string& title, const FileFilter& filter,
                                                const std::string& folder) {
    return fileDialog(Kind::OpenFile, title, filter, folder);
}

std::optional<std::string> ScriptedUi::saveFile(const std::string& title, const FileFilter& filter,
                                                const std::string& suggested) {
    return fileDialog(Kind::SaveFile, title, filter, suggested);
}

std::unique_ptr<Progress> ScriptedUi::progress(const std::string& title, const std::string& text) {
    ProgressRecord rec;
    rec.title = title;
    rec.texts.push_back(text);
    progress_->push_back(std::move(rec));
    return std::make_unique<ScriptedProgress>(progress_, progress_->size() - 1, cancelAt_);
}

std::optional<std::string> ScriptedUi::lookup(const LookupSpec& spec) {
    LookupRecord rec{spec, spec.rows ? spec.rows() : std::vector<LookupRow>{}};
    lookups_.push_back(rec);
    const std::string actual = lookupCall(spec.title);
    auto e = take(Kind::Lookup, actual);
    if (!e) return std::nullopt;
    if (e->title != spec.title) {
        std::string diff;
        differ(diff, "title", e->title, spec.title);
        failure("look-up " + std::to_string(transcript_.size()) + " differs from the script" + diff);
    }
    if (e->check) e->check(rec.spec, rec.rows);
    if (!e->chosen) return std::nullopt;
    const bool offered = std::any_of(rec.rows.begin(), rec.rows.end(),
                                     [&](const LookupRow& r) { return r.key == *e->chosen; });
    if (!offered) {
        std::string keys;
        for (const auto& r : rec.rows) keys += (keys.empty() ? "" : ", ") + quoted(r.key);
        failure("look-up " + quoted(spec.title) + " offers no row with key " + quoted(*e->chosen) +
                "\n  keys offered: " + (keys.empty() ? "(none)" : keys));
        return std::nullopt;
    }
    return e->chosen;
}

void ScriptedUi::verifyDone() {
    if (!script_.empty()) {
        std::string m = std::to_string(script_.size()) + " expected interaction(s) never happened:";
        for (const auto& e : script_) m += "\n    " + e.describe();
        script_.clear();
        failure(m);
    }
    if (busy_ != 0) {
        const int depth = busy_;
        busy_ = 0;
        failure("the wait cursor was left " + std::string(depth > 0 ? "up" : "unbalanced") + " (depth " +
                std::to_string(depth) + ")");
    }
}

}  // namespace vtl::ui
