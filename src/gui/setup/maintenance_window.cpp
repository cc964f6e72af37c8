#include "gui/setup/maintenance_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/help.h"
#include "gui/host/window_places.h"
#include "gui/qt_text.h"
#include "gui/table_model.h"
#include "platform/suite/error_object.h"
#include "platform/suite/session.h"

namespace vtl::setup {
namespace {

using gui::qs;

}  // namespace

MaintenanceWindow::MaintenanceWindow(const FileSpec& spec, Session& session, FormRunner runner, QWidget* parent)
    : QDialog(parent), session_(session), browse_(session.store, spec, session.clock.today()),
      runner_(std::move(runner)) {
    setWindowTitle(qs(spec.title));
    setObjectName(qs("setup_" + spec.type->info().name));
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    locator_ = new QLineEdit(this);
    locator_->setObjectName("locator");
    locator_->setClearButtonEnabled(true);
    const FieldSpec* located = spec.fieldSpec(spec.locatorField);
    auto* locateLabel = new QLabel(
        qs("&Locate " + (located ? plainCaption(located->caption) : std::string("record")) + ":"), this);
    locateLabel->setBuddy(locator_);

    list_ = new QTableView(this);
    list_->setObjectName("list");
    model_ = new gui::TableModel(list_);
    model_->setColumns(listColumns(spec));
    gui::setUpList(list_, model_);
    list_->horizontalHeader()->setStretchLastSection(true);

    insert_ = new QPushButton(QStringLiteral("&Insert"), this);
    change_ = new QPushButton(QStringLiteral("&Change"), this);
    delete_ = new QPushButton(QStringLiteral("&Delete"), this);
    insert_->setObjectName("insert");
    change_->setObjectName("change");
    delete_->setObjectName("delete");
    auto* close = new QPushButton(QStringLiteral("Cl&ose"), this);
    close->setObjectName("close");
    for (QPushButton* b : {insert_, change_, delete_, close}) b->setAutoDefault(false);
    change_->setDefault(true);

    auto* locateRow = new QHBoxLayout;
    locateRow->addWidget(locateLabel);
    locateRow->addWidget(locator_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(insert_);
    buttons->addWidget(change_);
    buttons->addWidget(delete_);
    buttons->addStretch(1);
    if (!spec.helpTopic.empty()) {
        auto* help = new QPushButton(QStringLiteral("&Help"), this);
        help->setObjectName("help");
        help->setAutoDefault(false);
        const std::string topic = spec.helpTopic;
        connect(help, &QPushButton::clicked, this,
                [this, topic] { gui::openHelp(session_.ui, session_.installFolder, topic); });
        gui::bindHelpKey(this, session_.ui, session_.installFolder, topic);
        buttons->addWidget(help);
    }
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(locateRow);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(locator_, &QLineEdit::textEdited, this, &MaintenanceWindow::locate);
    connect(locator_, &QLineEdit::returnPressed, this, &MaintenanceWindow::changeRecord);
    connect(list_, &QTableView::doubleClicked, this, &MaintenanceWindow::changeRecord);
    connect(insert_, &QPushButton::clicked, this, &MaintenanceWindow::insertRecord);
    connect(change_, &QPushButton::clicked, this, &MaintenanceWindow::changeRecord);
    connect(delete_, &QPushButton::clicked, this, &MaintenanceWindow::deleteRecord);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* ins = new QShortcut(QKeySequence(Qt::Key_Insert), this);
    connect(ins, &QShortcut::activated, this, &MaintenanceWindow::insertRecord);
    auto* del = new QShortcut(QKeySequence(QKeySequence::Delete), list_);
    del->setContext(Qt::WidgetShortcut);
    connect(del, &QShortcut::activated, this, &MaintenanceWindow::deleteRecord);

    // Wide enough to show every column without scrolling sideways.
    int wide = 0;
    for (int i = 0; i < model_->columnCount(); ++i) wide += list_->columnWidth(i);
    wide += list_->verticalScrollBar()->sizeHint().width() + 2 * list_->frameWidth() + 24;
    resize(std::max(420, wide + layout->contentsMargins().left() + layout->contentsMargins().right()), 440);
    reload();
    host::keepPlace(this, session_.settings, "Setup " + spec.title);
}

void MaintenanceWindow::reload() {
    std::string error;
    if (!browse_.reload(error)) {
        suite::ProcedureName name(session_.errors, browse_.spec().title);
        session_.errors.report(error + " Reading " + browse_.spec().type->info().name);
    }
    std::vector<std::vector<std::string>> rows;
    rows.reserve(static_cast<std::size_t>(browse_.rows()));
    for (int r = 0; r < browse_.rows(); ++r) {
        std::vector<std::string> cells;
        for (int c = 0; c < static_cast<int>(browse_.spec().columns.size()); ++c) cells.push_back(browse_.cell(r, c));
        rows.push_back(std::move(cells));
    }
    model_->setRows(rows);
    if (browse_.rows() > 0 && currentRow() < 0) setCurrentRow(0);
    updateButtons();
}

int MaintenanceWindow::currentRow() const {
    const QModelIndex i = list_->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void MaintenanceWindow::setCurrentRow(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    list_->setCurrentIndex(model_->index(row, 0));
    list_->selectRow(row);
    list_->scrollTo(model_->index(row, 0));
}

void MaintenanceWindow::updateButtons() {
    const bool any = browse_.rows() > 0;
    change_->setEnabled(any);
    delete_->setEnabled(any);
}

void MaintenanceWindow::locate(const QString& text) {
    const int row = browse_.locate(gui::ss(text));
    if (row >= 0) setCurrentRow(row);
}

void MaintenanceWindow::edit(RecordEditor& editor) {
    RecordForm form(editor, session_, runner_, this);
    runner_(form);
    if (!editor.saved()) return;
    AnyRecord saved = editor.record();
    list_->setCurrentIndex({});
    reload();
    setCurrentRow(browse_.rowOf(saved));
}

void MaintenanceWindow::insertRecord() {
    RecordEditor editor = browse_.insert();
    edit(editor);
}

void MaintenanceWindow::changeRecord() {
    const int row = currentRow();
    if (row < 0) return;
    RecordEditor editor = browse_.change(row);
    edit(editor);
}

void MaintenanceWindow::deleteRecord() {
    const int row = currentRow();
    if (row < 0) return;
    const std::string title = browse_.spec().title;
    if (auto blocked = browse_.deleteBlocked(row)) {
        session_.ui.tell(blocked->text, title, ui::Icon::Exclamation);
        return;
    }
    if (session_.ui.ask(browse_.deleteQuestion(row), title, "&Yes|&No", ui::Icon::Question, 2) != 1) return;
    suite::ProcedureName name(session_.errors, title);
    if (!session_.errors.check(browse_.remove(row))) return;
    list_->setCurrentIndex({});
    reload();
    setCurrentRow(std::min(row, browse_.rows() - 1));
}

void openSetupWindow(const FileSpec& spec, Session& session, QWidget* parent, FormRunner runner) {
    if (spec.single) {
        RecordEditor editor = editSingle(session.store, spec, session.clock.today());
        RecordForm form(editor, session, runner, parent);
        runner(form);
        return;
    }
    auto* w = new MaintenanceWindow(spec, session, std::move(runner), parent);
    // Close, Esc and the window's close box all end in finished().
    QObject::connect(w, &QDialog::finished, w, &QObject::deleteLater);
    w->show();
    w->raise();
    w->activateWindow();
}

}  // namespace vtl::setup
