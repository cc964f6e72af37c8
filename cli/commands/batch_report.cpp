#include "commands/batch_report.h"

#include <QGuiApplication>
#include <cstdio>
#include <filesystem>

#include "records/records.h"

namespace vtl::cli {

int openBatchFolder(const std::string& data, const std::string& user, std::ostream& err, BatchFolder& opened) {
    std::error_code ec;
    opened.folder = std::filesystem::absolute(data, ec).lexically_normal().string();
    opened.db = openDataFolder(opened.folder, false);
    if (!opened.db) {
        err << "vtlpo: " << opened.db.error << "\n";
        return 2;
    }
    if (!user.empty()) {
        UserFile u;
        u.UserID = user;
        if (!store::Table<UserFile>(*opened.db.store).fetch(UserFile::KeyUserID, u)) {
            err << "vtlpo: user \"" << user << "\" is not on file\n";
            return 2;
        }
    }
    return 0;
}

void ensureGuiApplication() {
    if (QGuiApplication::instance()) return;
    // Qt's notes about the desktop (no runtime folder, no session) mean
    // nothing to a batch job; only its real failures are shown.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "vtlpo: %s\n", qPrintable(text));
    });
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vtlpo";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

std::unique_ptr<vtlpo::Module> loadModule(const std::string& folder) {
    vtlpo::LoadOptions options;
    options.currentFolder = folder;
    options.settingsFolder = folder;
    auto module = std::make_unique<vtlpo::Module>(options);
    module->init(nullptr, nullptr);
    return module;
}

std::string wroteLine(const std::string& path, std::size_t pages) {
    return "wrote " + path + " (" + std::to_string(pages) + (pages == 1 ? " page" : " pages") + ")";
}

}  // namespace vtl::cli
