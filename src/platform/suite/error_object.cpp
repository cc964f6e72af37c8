#include "platform/suite/error_object.h"

#include "platform/types/text.h"

namespace vtl::suite {

FileError FileError::fromStore(const std::string& message, const std::string& driverCode) {
    FileError e;
    e.text = message;
    e.code = kDriverSpecific;
    e.driverText = message;
    e.driverCode = driverCode;
    return e;
}

std::string describeFileError(const FileError& error) {
    std::string d = error.code == FileError::kDriverSpecific
                        ? error.driverText + " (" + error.driverCode + ")"
                        : error.text + " (" + std::to_string(error.code) + ")";
    d.resize(text_detail::prefixBytes(d, 150));
    return d;
}

std::string recordRetrievalText(const FileError& error, const std::string& fileName) {
    return "Error: (" + describeFileError(error) + ") attempting to access a " + "record from the " + fileName +
           " file.  Returning to " + "previous window.";
}

std::string viewOpenText(const FileError& error) {
    return "Error: (" + describeFileError(error) + ") attempting to open the " +
           "current VIEW. Filter and Range Limits ignored.";
}

void ErrorObject::setUi(ui::Ui* ui) {
    std::lock_guard lock(m_);
    ui_ = ui;
}

ui::Ui* ErrorObject::ui() const {
    std::lock_guard lock(m_);
    return ui_;
}

std::string ErrorObject::procedure() const {
    std::lock_guard lock(m_);
    auto it = names_.find(std::this_thread::get_id());
    return it == names_.end() || it->second.empty() ? std::string() : it->second.back();
}

void ErrorObject::setProcedure(const std::string& name) {
    std::lock_guard lock(m_);
    auto& names = names_[std::this_thread::get_id()];
    if (names.empty()) names.push_back(name);
    else names.back() = name;
}

void ErrorObject::show(const std::string& title, const std::string& text, ui::Icon icon) {
    ui::Ui* ui = nullptr;
    {
        std::lock_guard lock(m_);
        auto it = names_.find(std::this_thread::get_id());
        std::string proc = it == names_.end() || it->second.empty() ? std::string() : it->second.back();
        log_.push_back({proc, title, text});
        ui = ui_;
    }
    // The message box is modal; no lock is held while the person reads it.
    if (ui) ui->tell(text, title, icon);
}

void ErrorObject::report(const std::string& text) {
    std::string title = procedure();
    show(title.empty() ? "Error" : title, text, ui::Icon::Error);
}

bool ErrorObject::check(const store::Status& status) {
    if (status.ok) return true;
    report(status.message);
    return false;
}

void ErrorObject::recordRetrievalError(const FileError& error, const std::string& fileName) {
    show(kRecordRetrievalTitle, recordRetrievalText(error, fileName), ui::Icon::Exclamation);
}

void ErrorObject::viewOpenError(const FileError& error) {
    show(kViewOpenTitle, viewOpenText(error), ui::Icon::Exclamation);
}

std::vector<ErrorObject::Entry> ErrorObject::log() const {
    std::lock_guard lock(m_);
    return log_;
}

std::size_t ErrorObject::count() const {
    std::lock_guard lock(m_);
    return log_.size();
}

std::string ErrorObject::lastError() const {
    std::lock_guard lock(m_);
    return log_.empty() ? std::string() : log_.back().text;
}

void ErrorObject::clearLog() {
    std::lock_guard lock(m_);
    log_.clear();
}

ProcedureName::ProcedureName(ErrorObject& errors, const std::string& name) : errors_(errors) {
    std::lock_guard lock(errors_.m_);
    errors_.names_[std::this_thread::get_id()].push_back(name);
}

ProcedureName::~ProcedureName() {
    std::lock_guard lock(errors_.m_);
    auto it = errors_.names_.find(std::this_thread::get_id());
    if (it == errors_.names_.end()) return;
    if (!it->second.empty()) it->second.pop_back();
    if (it->second.empty()) errors_.names_.erase(it);
}

}  // namespace vtl::suite
