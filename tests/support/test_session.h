#pragma once
// A Session over a new data folder of its own, for tests of procedures:
// a real database (a file, or a database of its own on the test server:
// support/test_store.h), a scripted person (TestUi), a fixed clock (1 July 2026,
// 10:30) and fresh globals, error and settings objects, procedure table
// and views. The error object shows its messages through the script.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "platform/suite/error_object.h"
#include "platform/suite/ini_file.h"
#include "platform/suite/session.h"
#include "records/database.h"
#include "support/scripted_ui_gtest.h"
#include "support/temp_dir.h"
#include "support/test_store.h"

namespace vtl::test {

class TestSession {
public:
    TestSession()
        : clock(Date::fromYmd(2026, 7, 1), Time::fromHms(10, 30)),
          folder(dir.file("data")),
          db(createDataFolder(folder, server.address())) {
        if (!db) throw std::runtime_error(db.error);
        errors.setUi(&ui);
        session = std::make_unique<Session>(
            Session{*db.store, ui, globals, errors, settings, clock, procedures, views, folder, dir.path(), module});
    }

    Session& operator*() { return *session; }
    Session* operator->() { return session.get(); }
    store::Store& store() { return *db.store; }

    TempDir dir;
    TestUi ui;
    FixedClock clock;
    std::string folder;
    ServerDatabase server;
    OpenResult db;
    suite::Globals globals;
    suite::ErrorObject errors;
    suite::IniFile settings;
    suite::ProcedureTable procedures;
    suite::Views views;
    ModuleState module;
    std::unique_ptr<Session> session;
};

}  // namespace vtl::test
