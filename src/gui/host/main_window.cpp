#include "gui/host/main_window.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <exception>

#include "gui/help.h"
#include "gui/host/host_menus.h"
#include "gui/host/window_places.h"
#include "gui/qt_text.h"
#include "gui/setup/maintenance_window.h"
#include "gui/setup/setup_catalog.h"
#include "platform/suite/error_object.h"
#include "platform/suite/session.h"
#include "vtlporpt/email/email_setup.h"

namespace vtl::host {

using gui::qs;

namespace {
// The buttons on the main window: the tasks of every day.
const char* const kHomeTasks[] = {"BrowsePOMaster", "BrowsePOReconcile", "LimitPrintPOs", "BrowsePOListLimits"};

QString withoutMnemonic(const std::string& text) {
    QString s = qs(text);
    s.remove('&');
    if (s.endsWith("...")) s.chop(3);
    return s;
}
}  // namespace

MainWindow::MainWindow(Session& session, const setup::SetupCatalog& catalog, setup::FormRunner runner,
                       QWidget* parent)
    : QMainWindow(parent), session_(session), catalog_(catalog), runner_(std::move(runner)) {
    setObjectName("mainWindow");
    buildMenus();
    setCentralWidget(buildHome());
    // Kept apart from the status line, which the menus use for their hints.
    auto* who = new QLabel(qs(signedOnText(session_.store, session_.globals.UserID)), this);
    who->setObjectName("signedOn");
    auto* where = new QLabel(qs("Data folder: " + session_.dataFolder), this);
    who->setContentsMargins(6, 0, 12, 0);
    where->setContentsMargins(6, 0, 6, 0);
    statusBar()->addPermanentWidget(who);
    statusBar()->addPermanentWidget(where);
    gui::bindHelpKey(this, session_.ui, session_.installFolder, kMainWindowHelp);
    resize(640, 440);
    keepPlace(this, session_.settings, "Main Window");
    refresh();
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setShortcut(QKeySequence::Quit);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    poMenu_ = menuBar()->addMenu(QStringLiteral("&Purchase Orders"));
    for (const auto& item : purchaseOrderMenu()) {
        QAction* a = poMenu_->addAction(qs(item.menuText));
        a->setObjectName(qs(item.procedure));
        a->setStatusTip(qs(item.hint));
        const std::string name = item.procedure;
        connect(a, &QAction::triggered, this, [this, name] { runProcedure(name); });
        procedureActions_[item.procedure] = a;
    }
    // A greyed item says why when the pointer rests on it.
    poMenu_->setToolTipsVisible(true);
    connect(poMenu_, &QMenu::aboutToShow, this, &MainWindow::refresh);

    setupMenu_ = menuBar()->addMenu(QStringLiteral("&Setup"));
    emailSettings_ = new QAction(QStringLiteral("E-&mail Settings..."), this);
    emailSettings_->setObjectName(qs(std::string("setup ") + rpt::EmailSetup::kTitle));
    emailSettings_->setStatusTip(QStringLiteral("The mail server and sender that purchase orders are e-mailed with"));
    connect(emailSettings_, &QAction::triggered, this, &MainWindow::openEmailSettings);
    setupActions_[rpt::EmailSetup::kTitle] = emailSettings_;
    for (const auto& e : catalog_.entries()) {
        if (!e.spec) {
            // The company's own settings come first, the e-mail settings among them.
            if (!setupMenu_->actions().contains(emailSettings_)) setupMenu_->addAction(emailSettings_);
            setupMenu_->addSeparator();
            continue;
        }
        QAction* a = setupMenu_->addAction(qs(e.menuText));
        a->setObjectName(qs("setup " + e.spec->title));
        const std::string title = e.spec->title;
        connect(a, &QAction::triggered, this, [this, title] { openSetup(title); });
        setupActions_[title] = a;
    }
    if (!setupMenu_->actions().contains(emailSettings_)) setupMenu_->addAction(emailSettings_);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction* contents = help->addAction(QStringLiteral("&Contents"));
    contents->setObjectName("helpContents");
    connect(contents, &QAction::triggered, this, &MainWindow::showHelpContents);
    QAction* thisWindow = help->addAction(QStringLiteral("&This Window"));
    thisWindow->setShortcut(QKeySequence::HelpContents);
    thisWindow->setShortcutContext(Qt::WidgetShortcut);  // F1 is bound to the window already
    connect(thisWindow, &QAction::triggered, this,
            [this] { gui::openHelp(session_.ui, session_.installFolder, kMainWindowHelp); });
    help->addSeparator();
    QAction* about = help->addAction(QStringLiteral("&About Vantrel Purchase Orders"));
    connect(about, &QAction::triggered, this, [this] {
        session_.ui.tell("Vantrel Purchase Orders|Version " + std::string(programVersion()) +
                             "|Purchase orders for construction contractors.|Data folder: " + session_.dataFolder,
                         "About Vantrel Purchase Orders", ui::Icon::Information);
    });
}

QWidget* MainWindow::buildHome() {
    auto* home = new QWidget(this);
    auto* layout = new QVBoxLayout(home);
    layout->setContentsMargins(28, 22, 28, 18);

    company_ = new QLabel(home);
    company_->setObjectName("company");
    QFont big = company_->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    company_->setFont(big);
    auto* subtitle = new QLabel(QStringLiteral("Purchase Orders"), home);
    QFont mid = subtitle->font();
    mid.setPointSizeF(mid.pointSizeF() * 1.2);
    subtitle->setFont(mid);
    auto* rule = new QFrame(home);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    layout->addWidget(company_);
    layout->addWidget(subtitle);
    layout->addWidget(rule);
    layout->addSpacing(8);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(10);
    int row = 0;
    for (const char* task : kHomeTasks) {
        for (const auto& item : purchaseOrderMenu()) {
            if (item.procedure != task) continue;
            auto* b = new QPushButton(withoutMnemonic(item.menuText), home);
            b->setObjectName(qs(std::string("button ") + task));
            b->setMinimumWidth(220);
            b->setMinimumHeight(34);
            const std::string name = item.procedure;
            connect(b, &QPushButton::clicked, this, [this, name] { runProcedure(name); });
            auto* hint = new QLabel(qs(item.hint), home);
            hint->setWordWrap(true);
            grid->addWidget(b, row, 0);
            grid->addWidget(hint, row, 1);
            procedureButtons_[item.procedure] = b;
            ++row;
        }
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    layout->addStretch(1);
    auto* setupHint = new QLabel(
        QStringLiteral("Vendors, jobs, items and the company's settings are kept under the Setup menu. "
                       "Press F1 in any window for its help page."),
        home);
    setupHint->setWordWrap(true);
    setupHint->setEnabled(false);
    layout->addWidget(setupHint);
    return home;
}

QAction* MainWindow::procedureAction(const std::string& procedure) const {
    auto it = procedureActions_.find(procedure);
    return it == procedureActions_.end() ? nullptr : it->second;
}

QPushButton* MainWindow::procedureButton(const std::string& procedure) const {
    auto it = procedureButtons_.find(procedure);
    return it == procedureButtons_.end() ? nullptr : it->second;
}

QAction* MainWindow::setupAction(const std::string& title) const {
    auto it = setupActions_.find(title);
    return it == setupActions_.end() ? nullptr : it->second;
}

void MainWindow::refresh() {
    const std::string company = companyName(session_.store);
    setWindowTitle(qs(mainWindowTitle(company)));
    company_->setText(qs(company.empty() ? std::string("(company name not set: see Setup, Company Settings)")
                                         : company));
    emailSettings_->setEnabled(session_.views.has<rpt::EmailSetup>());
    for (auto& [name, action] : procedureActions_) {
        const bool there = session_.procedures.available(name);
        const QString why = there ? QString() : QStringLiteral("Not available in this version of the program");
        action->setEnabled(there);
        action->setToolTip(there ? action->statusTip() : why);
        if (QPushButton* b = procedureButton(name)) {
            b->setEnabled(there);
            b->setToolTip(why);
        }
    }
}

void MainWindow::runProcedure(const std::string& name) {
    if (!session_.procedures.available(name)) return;
    try {
        session_.call(name);
    } catch (const std::exception& e) {
        // A procedure that fails outright must not take the host down with it.
        suite::ProcedureName scope(session_.errors, name);
        session_.errors.report(e.what());
    }
    refresh();
}

void MainWindow::openSetup(const std::string& title) {
    const setup::FileSpec* spec = catalog_.find(title);
    if (!spec) return;
    setup::openSetupWindow(*spec, session_, this, runner_);
    refresh();
}

void MainWindow::openEmailSettings() {
    rpt::EmailSetup setup(session_.ui, session_.settings, session_.installFolder);
    session_.views.run(setup);
}

void MainWindow::showHelpContents() { gui::openHelp(session_.ui, session_.installFolder, kHelpContents); }

}  // namespace vtl::host
