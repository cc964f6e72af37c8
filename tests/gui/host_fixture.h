#pragma once
// What the host's tests share: a new data folder, a session over it with a
// scripted person, and the application object the widgets need.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/suite/error_object.h"
#include "platform/suite/globals.h"
#include "platform/suite/ini_file.h"
#include "platform/suite/procedures.h"
#include "platform/suite/session.h"
#include "platform/suite/views.h"
#include "platform/ui/scripted_ui.h"
#include "records/database.h"
#include "support/temp_dir.h"

namespace vtl::test {

// The test program usually makes the application object before the first
// test; one made here lives to the end of the program on purpose (destroyed
// at exit, after Qt's own statics, it would crash the program's way out).
inline QApplication& qtApp() {
    static int argc = 1;
    static char name[] = "host_tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
    }
    return *static_cast<QApplication*>(QApplication::instance());
}

class HostTest : public ::testing::Test {
protected:
    HostTest()
        : db_(createDataFolder(dir_.path())),
          errors_(&ui_),
          settings_(dir_.file("vtlpo.INI")),
          clock_(Date::fromYmd(2026, 7, 15)),
          session_{*db_.store, ui_, globals_, errors_, settings_, clock_, procedures_, views_, dir_.path(),
                   dir_.path(), module_} {
        qtApp();
        ui_.onFailure([](const std::string& m) { ADD_FAILURE() << m; });
    }
    void TearDown() override { ui_.verifyDone(); }

    store::Store& store() { return *db_.store; }

    TempDir dir_;
    OpenResult db_;
    ui::ScriptedUi ui_;
    suite::Globals globals_;
    suite::ErrorObject errors_;
    suite::IniFile settings_;
    FixedClock clock_;
    suite::ProcedureTable procedures_;
    suite::Views views_;
    ModuleState module_;
    Session session_;
};

}  // namespace vtl::test
