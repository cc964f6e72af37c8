#pragma once
// The purchase-order module as the host sees it: loading builds the module
// objects, VTLPO:Init takes the host's error and settings objects and
// initialises the sibling modules, the exported procedures run through the
// procedure table, VTLPO:Kill kills the siblings, and unloading ends it all.
//
//   vtlpo::Module module(options);            // load
//   module.init(&hostErrors, &hostSettings);  // VTLPO:Init (either may be null)
//   Session s = module.session(store, ui, clock, dataFolder, installFolder);
//   s.call("BrowsePOMaster");
//   module.kill();                            // VTLPO:Kill
//   module.unload();                          // or let it go out of scope
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "platform/store/store.h"
#include "platform/suite/auto_entry.h"
#include "platform/suite/error_object.h"
#include "platform/suite/fuzzy.h"
#include "platform/suite/ini_file.h"
#include "platform/suite/procedures.h"
#include "platform/suite/session.h"
#include "platform/suite/trace.h"
#include "platform/suite/views.h"
#include "platform/types/date.h"
#include "platform/ui/ui.h"
#include "siblings/modules/sibling_modules.h"
#include "vtlpo/spell_check.h"

namespace vtl::vtlpo {

struct LoadOptions {
    std::vector<std::string> commandLine;  // the program's arguments: the trace switches are read here
    std::string currentFolder;             // "" = the process's current folder
    std::string settingsFolder;            // where "vtlpo.INI" is kept; "" = the current folder
    std::string programFolder;             // handed to the spell checker; "" = the current folder
    std::string traceFile;                 // trace lines go here; "" = standard error
    std::ostream* traceStream = nullptr;   // or to this stream (wins over traceFile)
};

class Module {
public:
    // Loads the module (the module objects, in the order the suite builds them).
    explicit Module(LoadOptions options = {});
    // Unloads the module when that was not done yet.
    ~Module();
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    // VTLPO:Init and VTLPO:Kill; each acts on its first call only.
    void init(suite::ErrorObject* errors, suite::IniFile* settings);
    void kill();
    bool initialised() const;
    bool killed() const;

    void unload();
    bool loaded() const { return loaded_; }

    // The objects in use: the host's once Init received them, else the module's own.
    suite::ErrorObject& errors();
    suite::IniFile& settings();
    suite::ErrorObject& ownErrors();
    suite::IniFile& ownSettings();

    suite::FuzzyMatcher& fuzzy();
    suite::AutoEntryStore& autoEntry();
    SpellCheck& spellCheck() { return spell_; }
    suite::Trace& trace() { return trace_; }
    ModuleState& state() { return state_; }

    siblings::Siblings& siblings() { return siblings_; }
    suite::Globals& globals() { return siblings_.data().globals(); }
    suite::ProcedureTable& procedures() { return procedures_; }
    suite::Views& views() { return views_; }

    // What a procedure reaches, for a data folder opened by the host. Build
    // sessions after Init: a session keeps the error and settings objects in
    // use when it is made. The error object in use shows its messages
    // through `ui` unless it already has a Ui of its own.
    Session session(store::Store& store, ui::Ui& ui, const Clock& clock, const std::string& dataFolder,
                    const std::string& installFolder);

    // The folder the module counts as current, and the auto-entry file in it.
    const std::string& currentFolder() const { return currentFolder_; }

private:
    void requireLoaded() const;

    LoadOptions options_;
    std::string currentFolder_;
    bool loaded_ = false;

    mutable std::mutex m_;
    bool initialised_ = false;
    bool killed_ = false;

    // The module objects.
    std::unique_ptr<suite::AutoEntryStore> autoEntry_;
    std::unique_ptr<suite::FuzzyMatcher> fuzzy_;
    std::unique_ptr<suite::ErrorObject> ownErrors_;
    std::unique_ptr<suite::IniFile> ownSettings_;
    suite::ErrorObject* errorsRef_ = nullptr;
    suite::IniFile* settingsRef_ = nullptr;
    SpellCheck spell_;
    suite::Trace trace_;
    ModuleState state_;

    siblings::Siblings siblings_;
    suite::ProcedureTable procedures_;
    suite::Views views_;
};

// The trace lines written when the network services start and end.
inline constexpr const char* kTraceStartLine = "VTLPO network services: none in this build (version 1.0)";
inline constexpr const char* kTraceEndLine = "VTLPO network services closed";

}  // namespace vtl::vtlpo
