#pragma once
// The suite's sibling modules as this module meets them: each is
// initialised with the error and settings objects the host handed over
// (either may be null) and killed before the module is unloaded, and each
// brings its look-up and service procedures into the procedure table.
//
// Every Init and Kill is written to a call log shared by the modules, so
// the order in which they were called can be seen.
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/suite/error_object.h"
#include "platform/suite/globals.h"
#include "platform/suite/ini_file.h"
#include "platform/suite/procedures.h"

namespace vtl::siblings {

class CallLog {
public:
    void record(const std::string& call);
    std::vector<std::string> calls() const;
    void clear();

private:
    mutable std::mutex m_;
    std::vector<std::string> calls_;
};

class SiblingModule {
public:
    using Registrar = void (*)(suite::ProcedureTable&);

    SiblingModule(std::string name, CallLog& log, std::vector<Registrar> registrars = {})
        : name_(std::move(name)), log_(log), registrars_(std::move(registrars)) {}
    virtual ~SiblingModule() = default;
    SiblingModule(const SiblingModule&) = delete;
    SiblingModule& operator=(const SiblingModule&) = delete;

    const std::string& name() const { return name_; }

    // Called by every module that uses this one; like the module itself, a
    // sibling acts on its first Init and its first Kill only, but every call
    // is logged.
    virtual void init(suite::ErrorObject* errors, suite::IniFile* settings);
    virtual void kill();

    bool initialised() const { return initialised_; }
    bool killed() const { return killed_; }
    // The objects handed to the first Init (null when none was).
    suite::ErrorObject* errors() const { return errors_; }
    suite::IniFile* settings() const { return settings_; }

    // Puts this module's procedures into the table.
    virtual void registerProcedures(suite::ProcedureTable& table) const;

protected:
    std::string name_;
    CallLog& log_;
    std::vector<Registrar> registrars_;
    bool initialised_ = false;
    bool killed_ = false;
    suite::ErrorObject* errors_ = nullptr;
    suite::IniFile* settings_ = nullptr;
};

// VTLDATA: the shared state every module of the suite reads and writes.
class DataModule : public SiblingModule {
public:
    explicit DataModule(CallLog& log);
    suite::Globals& globals() { return globals_; }
    const suite::Globals& globals() const { return globals_; }

private:
    suite::Globals globals_;
};

// The eight sibling modules, in the order they are initialised and killed.
class Siblings {
public:
    Siblings();
    Siblings(const Siblings&) = delete;
    Siblings& operator=(const Siblings&) = delete;

    // VTLDATA, VTLMISC, VTLJC, VTLIN, VTLEQ, VTLGL, VTLAP, VTLAR.
    std::vector<SiblingModule*> inOrder();
    SiblingModule* find(const std::string& name);

    void initAll(suite::ErrorObject* errors, suite::IniFile* settings);
    void killAll();
    void registerProcedures(suite::ProcedureTable& table);

    DataModule& data() { return data_; }
    CallLog& log() { return log_; }

private:
    CallLog log_;
    DataModule data_;
    std::vector<std::unique_ptr<SiblingModule>> others_;  // VTLMISC .. VTLAR
};

// The sibling service procedures whose windows are drawn by the host (notes,
// attachments, drop lists, ...): their names are declared so the host can
// tell them, whether or not an implementation was registered yet.
const std::vector<std::string>& siblingServiceNames();

}  // namespace vtl::siblings
