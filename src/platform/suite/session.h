#pragma once
// What every procedure reaches: the data folder's store, the person (through
// the Ui port), the suite's shared state, the error and settings objects, the
// clock and the procedure table. Record buffers are not here: each window
// owns its own.
#include <string>

#include "platform/store/store.h"
#include "platform/suite/globals.h"
#include "platform/suite/procedures.h"
#include "platform/suite/views.h"
#include "platform/types/date.h"
#include "platform/ui/ui.h"

namespace vtl::suite {
class ErrorObject;
class IniFile;
}  // namespace vtl::suite

namespace vtl {

// The module-wide objects that the module's windows share. Every window of
// the host runs on its one interface thread, so plain values serve.
struct ModuleState {
    bool viewOnly = false;            // set by the browse before the form opens; the forms then offer no save
    ULong chosenPOID = 0;             // the order picked in the search window
    bool showFullyReconciled = false; // the browse's check box, handed to the search window and back
    Byte repetitiveInsert = 1;        // the browse's "Repetitive Insert", read by the forms

    void clear() { *this = ModuleState(); }
};

class Session {
public:
    store::Store& store;
    ui::Ui& ui;
    suite::Globals& globals;
    suite::ErrorObject& errors;
    suite::IniFile& settings;      // the settings object in use
    const Clock& clock;
    suite::ProcedureTable& procedures;
    suite::Views& views;            // the view (or script) that shows each kind of window
    std::string dataFolder;        // database, work files, stored attachments
    std::string installFolder;     // html/ help pages, images
    ModuleState& module;           // shared by every window of the module

    // Runs another procedure by name; false when it does not exist yet.
    bool call(const std::string& name) { return procedures.call(name, *this); }
};

}  // namespace vtl
