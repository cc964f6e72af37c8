// Loading, VTLPO:Init, VTLPO:Kill and unloading of the module, and the
// table of its procedures.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "records/database.h"
#include "records/payables.h"
#include "support/scripted_ui_gtest.h"
#include "support/temp_dir.h"
#include "vtlpo/exported_procedures.h"
#include "vtlpo/module.h"

using namespace vtl;
using namespace vtl::vtlpo;
namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kOrder{"VTLDATA", "VTLMISC", "VTLJC", "VTLIN", "VTLEQ", "VTLGL", "VTLAP", "VTLAR"};

std::vector<std::string> calls(const std::string& what) {
    std::vector<std::string> v;
    for (const auto& m : kOrder) v.push_back(m + ":" + what);
    return v;
}

struct Loaded {
    explicit Loaded(std::vector<std::string> commandLine = {}) {
        LoadOptions o;
        o.commandLine = std::move(commandLine);
        o.currentFolder = dir.path();
        o.settingsFolder = dir.file("data");
        o.programFolder = dir.file("program");
        o.traceStream = &trace;
        fs::create_directories(dir.file("data"));
        module = std::make_unique<Module>(o);
    }
    test::TempDir dir;
    std::ostringstream trace;
    std::unique_ptr<Module> module;
};

}  // namespace

TEST(ModuleLoad, BuildsTheModuleObjects) {
    Loaded l;
    Module& m = *l.module;
    EXPECT_EQ(&m.errors(), &m.ownErrors());
    EXPECT_EQ(&m.settings(), &m.ownSettings());
    EXPECT_EQ(m.settings().path(), l.dir.file("data/vtlpo.INI"));
    EXPECT_TRUE(m.fuzzy().active());
    EXPECT_TRUE(m.fuzzy().option(suite::FuzzyMatcher::IgnoreCase));
    EXPECT_FALSE(m.fuzzy().option(suite::FuzzyMatcher::WholeWords));
    EXPECT_EQ(m.spellCheck().settingsPath(), l.dir.file("program/sol.ini"));
    EXPECT_EQ(m.spellCheck().language(), "en_US");
    EXPECT_EQ(m.autoEntry().fileName(), l.dir.file("EasyAutoEntry.tps"));
    EXPECT_EQ(m.autoEntry().shared(), 1);
    EXPECT_FALSE(m.state().viewOnly);
    EXPECT_EQ(m.state().chosenPOID, 0u);
    EXPECT_FALSE(m.initialised());
    EXPECT_TRUE(m.siblings().log().calls().empty()) << "siblings wait for VTLPO:Init";
}

TEST(ModuleInit, WithBothObjectsNullKeepsItsOwnAndStillInitialisesTheSiblings) {
    Loaded l;
    Module& m = *l.module;
    m.init(nullptr, nullptr);
    EXPECT_TRUE(m.initialised());
    EXPECT_EQ(&m.errors(), &m.ownErrors());
    EXPECT_EQ(&m.settings(), &m.ownSettings());
    EXPECT_EQ(m.siblings().log().calls(), calls("Init"));
    for (auto* s : m.siblings().inOrder()) {
        EXPECT_TRUE(s->initialised()) << s->name();
        EXPECT_EQ(s->errors(), nullptr);
    }
}

TEST(ModuleInit, TakesTheHostsObjectsOnceAndASecondInitChangesNothing) {
    Loaded l;
    Module& m = *l.module;
    suite::ErrorObject hostErrors, otherErrors;
    suite::IniFile hostSettings, otherSettings;
    m.init(&hostErrors, &hostSettings);
    m.init(&otherErrors, &otherSettings);
    EXPECT_EQ(&m.errors(), &hostErrors);
    EXPECT_EQ(&m.settings(), &hostSettings);
    EXPECT_EQ(m.siblings().log().calls(), calls("Init")) << "the siblings are initialised once";
    EXPECT_EQ(m.siblings().find("VTLAR")->errors(), &hostErrors);
    EXPECT_EQ(m.siblings().find("VTLJC")->settings(), &hostSettings);

    // Only one of the two given: the other stays the module's own.
    Loaded l2;
    l2.module->init(nullptr, &hostSettings);
    EXPECT_EQ(&l2.module->errors(), &l2.module->ownErrors());
    EXPECT_EQ(&l2.module->settings(), &hostSettings);
}

TEST(ModuleKill, KillsTheSiblingsInOrderOnce) {
    Loaded l;
    Module& m = *l.module;
    m.init(nullptr, nullptr);
    m.kill();
    m.kill();
    auto expected = calls("Init");
    for (const auto& c : calls("Kill")) expected.push_back(c);
    EXPECT_EQ(m.siblings().log().calls(), expected);
    EXPECT_TRUE(m.killed());
    for (auto* s : m.siblings().inOrder()) EXPECT_TRUE(s->killed()) << s->name();
}

TEST(ModuleTrace, NetnologWinsOverAnyOtherSwitch) {
    for (const char* s : {"/nettalklog", "/nettalklogerrors", "/neterrors", "/netall"}) {
        Loaded on({"vantrel", s});
        EXPECT_EQ(on.trace.str(), std::string(kTraceStartLine) + "\n") << s;
        on.module->unload();
        EXPECT_EQ(on.trace.str(), std::string(kTraceStartLine) + "\n" + kTraceEndLine + "\n") << s;

        Loaded off({"vantrel", s, "/netnolog"});
        off.module->unload();
        EXPECT_EQ(off.trace.str(), "") << s;
    }
    Loaded none({"vantrel", "--data", "x"});
    none.module->unload();
    EXPECT_EQ(none.trace.str(), "");
}

TEST(ModuleTrace, GoesToALogFileWhenOneIsNamed) {
    test::TempDir dir;
    LoadOptions o;
    o.commandLine = {"/netall"};
    o.currentFolder = dir.path();
    o.traceFile = dir.file("vtlpo-trace.log");
    { Module m(o); }
    EXPECT_EQ(dir.read("vtlpo-trace.log"), std::string(kTraceStartLine) + "\n" + kTraceEndLine + "\n");
}

TEST(ModuleUnload, EndsTheModuleObjects) {
    Loaded l;
    Module& m = *l.module;
    m.autoEntry().remember("POM:Terms", "Net 30");
    m.globals().TagQue.add(12);
    m.state().viewOnly = true;
    m.unload();
    EXPECT_FALSE(m.loaded());
    EXPECT_THROW(m.errors(), std::logic_error);
    EXPECT_THROW(m.autoEntry(), std::logic_error);
    EXPECT_TRUE(m.globals().TagQue.empty());
    EXPECT_FALSE(m.state().viewOnly);
    m.unload();  // a second unload does nothing

    // The auto-entry data outlives the module.
    suite::AutoEntryStore again;
    again.init(l.dir.file("EasyAutoEntry.tps"));
    EXPECT_EQ(again.entries("POM:Terms"), std::vector<std::string>{"Net 30"});
}

TEST(ProcedureTable, DeclaresTheExportedProceduresAndRegistersTheSiblings) {
    Loaded l;
    auto& table = l.module->procedures();
    ASSERT_EQ(exportedProcedureNames().size(), 25u);
    for (const auto& name : exportedProcedureNames()) {
        EXPECT_TRUE(table.has(name)) << name;
        EXPECT_FALSE(table.available(name)) << name << " is built by a later part";
    }
    for (const char* name : {"BrowseAPVendor", "BrowseAPVendorAlias", "BrowseARCust", "BrowseARShipTo",
                             "BrowseJCHeader", "BrowseJCCost", "BrowseJCCode", "SelectJobByName", "BrowseINMaster",
                             "BrowseINVendor", "UpdateINVendor", "BrowseINLoc", "BrowseINBin", "BrowseEQHeader",
                             "BrowseEQCost", "BrowseGLMaster", "StoreImageFile", "ExtractImageFile",
                             "RemoveImageFile"})
        EXPECT_TRUE(table.available(name)) << name;
    // Services whose windows the host draws are at least named.
    for (const char* name : {"UpdateNotes", "UpdateImages", "UpdateDropList", "UpdateLimList", "LimitPrintNotes",
                             "BrowseText", "BrowseEnvelope", "EditAccountNum", "GetCase", "ReportExport",
                             "PlayTraining", "SendTo_Window"})
        EXPECT_TRUE(table.has(name)) << name;
}

TEST(ModuleSession, CarriesTheObjectsInUseAndCallsByName) {
    Loaded l;
    Module& m = *l.module;
    suite::ErrorObject hostErrors;
    m.init(&hostErrors, nullptr);
    auto db = createDataFolder(l.dir.file("data"));
    ASSERT_TRUE(db) << db.error;
    APVendor v;
    v.VendorName = "Baker Supply";
    ASSERT_TRUE(store::Table<APVendor>(*db.store).insert(v));

    test::TestUi ui;
    FixedClock clock(Date::fromYmd(2026, 7, 1));
    Session s = m.session(*db.store, ui, clock, l.dir.file("data"), l.dir.path());
    EXPECT_EQ(&s.errors, &hostErrors);
    EXPECT_EQ(hostErrors.ui(), &ui) << "errors are shown to the person using the module";
    EXPECT_EQ(&s.globals, &m.globals());

    // A test puts a script in the place of an exported procedure.
    int ran = 0;
    m.procedures().set("BrowsePOMaster", [&](Session& in) {
        ++ran;
        in.globals.DecimalVariable = 77;
    });
    EXPECT_TRUE(s.call("BrowsePOMaster"));
    EXPECT_EQ(ran, 1);
    EXPECT_EQ(m.globals().DecimalVariable, 77);
    EXPECT_FALSE(s.call("PrintPOListing")) << "declared, not built yet";

    ui.expectLookup("Select a Vendor").choose("1");
    EXPECT_TRUE(s.call("BrowseAPVendor"));
    EXPECT_EQ(m.globals().GlobalResponse, suite::Response::Completed);
    EXPECT_EQ(m.globals().DecimalVariable, 1);
}
