#include "siblings/modules/sibling_modules.h"

#include "siblings/files/image_files.h"
#include "siblings/lookups/lookups.h"
#include "siblings/services/services.h"

namespace vtl::siblings {

void CallLog::record(const std::string& call) {
    std::lock_guard lock(m_);
    calls_.push_back(call);
}

std::vector<std::string> CallLog::calls() const {
    std::lock_guard lock(m_);
    return calls_;
}

void CallLog::clear() {
    std::lock_guard lock(m_);
    calls_.clear();
}

void SiblingModule::init(suite::ErrorObject* errors, suite::IniFile* settings) {
    log_.record(name_ + ":Init");
    if (initialised_) return;
    initialised_ = true;
    errors_ = errors;
    settings_ = settings;
}

void SiblingModule::kill() {
    log_.record(name_ + ":Kill");
    if (killed_) return;
    killed_ = true;
}

void SiblingModule::registerProcedures(suite::ProcedureTable& table) const {
    for (Registrar r : registrars_) r(table);
}

namespace {

// The send-to service belongs to the data module; its window is the host's.
void declareDataServices(suite::ProcedureTable& table) { table.declare("SendTo_Window"); }

void declareMiscServices(suite::ProcedureTable& table) {
    for (const auto& name : siblingServiceNames())
        if (name != "SendTo_Window") table.declare(name);
}

}  // namespace

DataModule::DataModule(CallLog& log) : SiblingModule("VTLDATA", log, {declareDataServices}) {}

const std::vector<std::string>& siblingServiceNames() {
    static const std::vector<std::string> names{
        "UpdateNotes",   "UpdateImages", "UpdateDropList", "UpdateLimList", "LimitPrintNotes",
        "BrowseText",    "BrowseEnvelope", "EditAccountNum", "GetCase",     "ReportExport",
        "PlayTraining",  "SendTo_Window"};
    return names;
}

Siblings::Siblings() : data_(log_) {
    using R = SiblingModule::Registrar;
    auto add = [&](const char* name, std::vector<R> registrars) {
        others_.push_back(std::make_unique<SiblingModule>(name, log_, std::move(registrars)));
    };
    add("VTLMISC", {declareMiscServices, services::registerServices, registerImageFileProcedures});
    add("VTLJC", {registerJobCostLookups});
    add("VTLIN", {registerInventoryLookups});
    add("VTLEQ", {registerEquipmentLookups});
    add("VTLGL", {registerLedgerLookups});
    add("VTLAP", {registerPayablesLookups});
    add("VTLAR", {registerReceivablesLookups});
}

std::vector<SiblingModule*> Siblings::inOrder() {
    std::vector<SiblingModule*> v{&data_};
    for (auto& m : others_) v.push_back(m.get());
    return v;
}

SiblingModule* Siblings::find(const std::string& name) {
    for (SiblingModule* m : inOrder())
        if (m->name() == name) return m;
    return nullptr;
}

void Siblings::initAll(suite::ErrorObject* errors, suite::IniFile* settings) {
    for (SiblingModule* m : inOrder()) m->init(errors, settings);
}

void Siblings::killAll() {
    for (SiblingModule* m : inOrder()) m->kill();
}

void Siblings::registerProcedures(suite::ProcedureTable& table) {
    for (SiblingModule* m : inOrder()) m->registerProcedures(table);
}

}  // namespace vtl::siblings
