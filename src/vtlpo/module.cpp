#include "vtlpo/module.h"

#include <filesystem>
#include <stdexcept>

#include "platform/suite/settings_files.h"
#include "vtlpo/exported_procedures.h"

namespace vtl::vtlpo {

namespace {

std::string folderOr(const std::string& folder, const std::string& fallback) {
    return folder.empty() ? fallback : folder;
}

}  // namespace

Module::Module(LoadOptions options) : options_(std::move(options)) {
    std::error_code ec;
    currentFolder_ = folderOr(options_.currentFolder, std::filesystem::current_path(ec).string());

    // Working variables start cleared.
    state_.clear();

    autoEntry_ = std::make_unique<suite::AutoEntryStore>();
    fuzzy_ = std::make_unique<suite::FuzzyMatcher>();
    ownErrors_ = std::make_unique<suite::ErrorObject>();
    ownSettings_ = std::make_unique<suite::IniFile>();

    ownSettings_->open(suite::moduleIniPath(folderOr(options_.settingsFolder, currentFolder_)));
    settingsRef_ = ownSettings_.get();
    if (!errorsRef_) errorsRef_ = ownErrors_.get();

    fuzzy_->init();
    fuzzy_->setOption(suite::FuzzyMatcher::IgnoreCase, true);
    fuzzy_->setOption(suite::FuzzyMatcher::WholeWords, false);

    spell_.setProgramFolder(folderOr(options_.programFolder, currentFolder_));
    spell_.setSettingsFile(suite::kSpellIniName);
    spell_.setLanguage(suite::kSpellLanguage);

    trace_.configure(options_.commandLine);
    if (options_.traceStream) trace_.writeTo(*options_.traceStream);
    else if (!options_.traceFile.empty()) trace_.writeToFile(options_.traceFile);
    trace_.line(kTraceStartLine);

    autoEntry_->init(suite::joinPath(currentFolder_, suite::kAutoEntryName), 1);

    declareExportedProcedures(procedures_);
    siblings_.registerProcedures(procedures_);
    loaded_ = true;
}

Module::~Module() {
    if (loaded_) unload();
}

void Module::init(suite::ErrorObject* errors, suite::IniFile* settings) {
    {
        std::lock_guard lock(m_);
        if (initialised_) return;
        initialised_ = true;
        if (errors) errorsRef_ = errors;
        if (settings) settingsRef_ = settings;
    }
    // Every record file reports through the error reference: the sessions
    // built from here on carry it to every procedure.
    siblings_.initAll(errors, settings);
}

void Module::kill() {
    {
        std::lock_guard lock(m_);
        if (killed_) return;
        killed_ = true;
    }
    siblings_.killAll();
}

bool Module::initialised() const {
    std::lock_guard lock(m_);
    return initialised_;
}

bool Module::killed() const {
    std::lock_guard lock(m_);
    return killed_;
}

void Module::unload() {
    if (!loaded_) return;
    trace_.line(kTraceEndLine);
    autoEntry_->kill();
    fuzzy_->kill();
    ownSettings_->close();
    errorsRef_ = nullptr;
    settingsRef_ = nullptr;
    autoEntry_.reset();
    fuzzy_.reset();
    ownErrors_.reset();
    ownSettings_.reset();
    state_.clear();
    globals().TagQue.clear();
    loaded_ = false;
}

void Module::requireLoaded() const {
    if (!loaded_) throw std::logic_error("the purchase-order module is not loaded");
}

suite::ErrorObject& Module::errors() {
    requireLoaded();
    return *errorsRef_;
}

suite::IniFile& Module::settings() {
    requireLoaded();
    return *settingsRef_;
}

suite::ErrorObject& Module::ownErrors() {
    requireLoaded();
    return *ownErrors_;
}

suite::IniFile& Module::ownSettings() {
    requireLoaded();
    return *ownSettings_;
}

suite::FuzzyMatcher& Module::fuzzy() {
    requireLoaded();
    return *fuzzy_;
}

suite::AutoEntryStore& Module::autoEntry() {
    requireLoaded();
    return *autoEntry_;
}

Session Module::session(store::Store& store, ui::Ui& ui, const Clock& clock, const std::string& dataFolder,
                        const std::string& installFolder) {
    suite::ErrorObject& e = errors();
    if (!e.ui()) e.setUi(&ui);
    return Session{store, ui, globals(), e, settings(), clock, procedures_, views_, dataFolder, installFolder, state_};
}

}  // namespace vtl::vtlpo
