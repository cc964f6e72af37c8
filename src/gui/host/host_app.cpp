#include "gui/host/host_app.h"

#include <QApplication>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>

#include "gui/help.h"
#include "gui/host/command_line.h"
#include "gui/host/host_menus.h"
#include "gui/host/main_window.h"
#include "gui/host/sign_on.h"
#include "gui/qt_ui.h"
#include "gui/setup/setup_catalog.h"
#include "gui/ent/entry_views.h"
#include "gui/ent/form/form_views.h"
#include "gui/ent/line/line_views.h"
#include "gui/email/email_views.h"
#include "gui/imp/imp_views.h"
#include "gui/rec/rec_views.h"
#include "gui/report/report_views.h"
#include "gui/rpt/limit_print_pos_view.h"
#include "gui/siblings/sibling_views.h"
#include "records/database.h"
#include "report/render/render_devices.h"
#include "vtlpo/module.h"
#include "vtlpoent/line/line_procedures.h"
#include "vtlpoent/procedures.h"
#include "vtlporec/procedures.h"
#include "vtlporpt/procedures.h"
#include "vtlpoimp/procedures.h"

namespace vtl::host {
namespace {

constexpr const char* kHostSection = "Vantrel Host";
constexpr const char* kLastUser = "LastUser";

}  // namespace

int runVantrel(int argc, char** argv, const std::string& sourceFolder) {
    const std::vector<std::string> raw(argv + 1, argv + argc);
    // Before anything that needs a display: --help must work on any terminal.
    if (asksForHelp(raw)) {
        std::cout << usageText();
        return 0;
    }
    const bool platformGiven = std::find(raw.begin(), raw.end(), "-platform") != raw.end();
    if (!platformGiven && !displayAvailable([](const char* name) { return std::getenv(name); })) {
        std::cerr << noDisplayText();
        return 1;
    }

    QApplication app(argc, argv);  // takes its own options (-platform ...) off the line
    QApplication::setApplicationName(QStringLiteral("Vantrel Purchase Orders"));
    QApplication::setOrganizationName(QStringLiteral("Vantrel"));

    std::string error;
    const auto line = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!line) {
        std::cerr << "vantrel: " << error << "\n\n" << usageText();
        return 2;
    }

    const std::string installFolder =
        findInstallFolder(QCoreApplication::applicationDirPath().toStdString(), sourceFolder);
    gui::QtUi ui(nullptr, installFolder);

    // Messages, the status line and stored attachments name the folder in full.
    std::error_code ec;
    const std::string dataFolder = std::filesystem::absolute(line->dataFolder, ec).lexically_normal().string();
    auto db = openDataFolder(dataFolder);
    if (!db) {
        std::cerr << "vantrel: " << db.error << "\n";
        ui.tell("The data folder could not be opened.|" + db.error +
                    "|Make a data folder with: vtlpo init --data FOLDER [--demo]",
                "Vantrel", ui::Icon::Error);
        return 1;
    }

    // The module's settings file (window places) and its auto-entry data
    // belong to the data folder, wherever the program was started from.
    vtlpo::LoadOptions options;
    options.commandLine = line->switches;
    options.currentFolder = dataFolder;
    options.settingsFolder = dataFolder;
    options.programFolder = installFolder;
    vtlpo::Module module(options);

    // The host hands the module its own error object, which shows messages
    // through the windows, and no settings object: the module then keeps
    // window places in its own "vtlpo.INI".
    suite::ErrorObject hostErrors(&ui);
    module.init(&hostErrors, nullptr);
    SystemClock clock;
    Session session = module.session(*db.store, ui, clock, dataFolder, installFolder);
    // The module's procedures that are built so far, and the windows of
    // them, of the sibling services and of the reports.
    ent::registerEntryProcedures(session.procedures);
    ent::registerLineProcedures(session.procedures, &module.autoEntry());
    gui::registerSiblingViews(session.views);
    gui::registerEntryViews(session.views);
    gui::registerFormViews(session.views, &module.autoEntry());
    gui::registerLineViews(session.views);
    rec::registerRecProcedures(session.procedures);
    rpt::registerReportProcedures(session.procedures);
    imp::registerImportProcedures(session.procedures);
    gui::registerRecViews(session.views);
    // What the reports draw with: the text measure, PDF files, the preview and the printer.
    render::registerReportDevices(session.views);
    gui::registerReportViews(session.views);
    gui::registerPrintViews(session.views);
    gui::registerEmailViews(session.views);
    gui::registerImportViews(session.views);

    suite::IniFile& settings = session.settings;
    const auto user = signOn(
        *db.store, ui, line->user, settings.get(kHostSection, kLastUser, ""), [](SignOnDialog& d) { d.exec(); },
        [&ui, installFolder] { gui::openHelp(ui, installFolder, kSignOnHelp); });
    if (!user) {
        module.kill();
        return 0;
    }
    session.globals.UserID = *user;
    if (!user->empty()) settings.set(kHostSection, kLastUser, *user);

    setup::SetupCatalog catalog(session.globals.CostCodeLen);
    MainWindow window(session, catalog);
    ui.setParent(&window);
    window.show();
    const int rc = app.exec();

    module.kill();
    module.unload();
    return rc;
}

}  // namespace vtl::host
