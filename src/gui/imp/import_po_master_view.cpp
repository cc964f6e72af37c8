#include "gui/imp/import_po_master_view.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "gui/table_model.h"

namespace vtl::gui {

// The preview list asks the window for the rows it draws, so a file of a
// hundred thousand orders lists at once.
class PreviewModel : public QAbstractTableModel {
public:
    PreviewModel(imp::ImportPOMaster& w, QObject* parent) : QAbstractTableModel(parent), w_(w) {}
    void reload() {
        beginResetModel();
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(w_.rowCount());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(w_.columns().size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        const auto& c = w_.columns().at(static_cast<std::size_t>(index.column()));
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::Alignment((c.right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
        if (role != Qt::DisplayRole) return {};
        return qs(w_.row(static_cast<std::size_t>(index.row())).at(static_cast<std::size_t>(index.column())));
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (o != Qt::Horizontal || role != Qt::DisplayRole) return {};
        return qs(w_.columns().at(static_cast<std::size_t>(section)).title);
    }

private:
    imp::ImportPOMaster& w_;
};

ImportPOMasterView::ImportPOMasterView(imp::ImportPOMaster& w, QWidget* parent) : QDialog(parent), w_(w) {
    setWindowTitle(QString::fromLatin1(imp::ImportPOMaster::kTitle));
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Source"), this));
    sources_ = new QListWidget(this);
    sources_->setMaximumHeight(120);
    left->addWidget(sources_);
    locator_ = new QLineEdit(this);
    locator_->setPlaceholderText(QStringLiteral("Locate a source"));
    left->addWidget(locator_);
    top->addLayout(left, 1);
    auto* sourceButtons = new QVBoxLayout;
    auto* insert = new QPushButton(QStringLiteral("&Insert"), this);
    auto* change = new QPushButton(QStringLiteral("&Change"), this);
    auto* remove = new QPushButton(QStringLiteral("&Delete"), this);
    for (auto* b : {insert, change, remove}) sourceButtons->addWidget(b);
    sourceButtons->addStretch();
    top->addLayout(sourceButtons);
    layout->addLayout(top);

    model_ = new PreviewModel(w_, this);
    preview_ = new QTableView(this);
    preview_->setModel(model_);
    preview_->setSelectionBehavior(QAbstractItemView::SelectRows);
    preview_->setSelectionMode(QAbstractItemView::SingleSelection);
    preview_->verticalHeader()->hide();
    preview_->verticalHeader()->setDefaultSectionSize(preview_->fontMetrics().height() + 4);
    layout->addWidget(preview_, 1);

    auto* progressRow = new QHBoxLayout;
    bar_ = new QProgressBar(this);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    barText_ = new QLabel(this);
    barText_->setMinimumWidth(barText_->fontMetrics().averageCharWidth() * 18);
    progressRow->addWidget(bar_, 1);
    progressRow->addWidget(barText_);
    layout->addLayout(progressRow);

    auto* buttons = new QHBoxLayout;
    previewButton_ = new QPushButton(QStringLiteral("&Preview"), this);
    importButton_ = new QPushButton(QStringLiteral("&Import"), this);
    closeButton_ = new QPushButton(QStringLiteral("&Close"), this);
    auto* help = new QPushButton(QStringLiteral("&Help"), this);
    buttons->addStretch();
    for (auto* b : {previewButton_, importButton_, closeButton_, help}) buttons->addWidget(b);
    layout->addLayout(buttons);

    connect(sources_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) w_.highlight(row);
    });
    connect(locator_, &QLineEdit::textEdited, this, [this](const QString& t) {
        w_.locate(ss(t));
        refresh();
    });
    connect(insert, &QPushButton::clicked, this, [this] {
        w_.insertSource();
        refresh();
    });
    connect(change, &QPushButton::clicked, this, [this] {
        w_.changeSource();
        refresh();
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        w_.deleteSource();
        refresh();
    });
    connect(previewButton_, &QPushButton::clicked, this, [this] {
        busy_ = true;
        refresh();
        w_.preview([this](int p) { progress(p); });
        busy_ = false;
        refresh();
    });
    connect(importButton_, &QPushButton::clicked, this, [this] {
        busy_ = true;
        refresh();
        w_.importRecords([this](int p) { progress(p); });
        busy_ = false;
        refresh();
        if (w_.closed()) accept();
    });
    connect(closeButton_, &QPushButton::clicked, this, [this] {
        w_.close();
        accept();
    });
    connect(help, &QPushButton::clicked, this, [this] { w_.help(); });
    resize(900, 520);
    refresh();
}

// Drawn as it goes; the buttons stay off until the run ends.
void ImportPOMasterView::progress(int percent) {
    const QString text = qs(w_.progressText());
    if (bar_->value() == percent && barText_->text() == text) return;
    bar_->setValue(percent);
    barText_->setText(text);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ImportPOMasterView::refresh() {
    {
        const QSignalBlocker block(sources_);
        sources_->clear();
        for (const JCLimits& s : w_.sources()) sources_->addItem(qs(s.ReportTitle.clip()));
        sources_->setCurrentRow(w_.highlighted());
    }
    model_->reload();
    barText_->setText(qs(w_.progressText()));
    previewButton_->setEnabled(!busy_ && w_.previewEnabled());
    importButton_->setEnabled(!busy_ && w_.importEnabled());
    closeButton_->setEnabled(!busy_);
}

BrowseErrQueView::BrowseErrQueView(imp::BrowseErrQue& q, QWidget* parent) : QDialog(parent), q_(q) {
    setWindowTitle(QString::fromLatin1(imp::BrowseErrQue::kTitle));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QString::fromLatin1(imp::BrowseErrQue::kText), this);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* model = new TableModel(this);
    model->setColumns({{"Record #", 30, ui::Align::Right}, {"Error Description", 200, ui::Align::Left}});
    std::vector<std::vector<std::string>> rows;
    rows.reserve(q.errors().size());
    for (std::size_t i = 0; i < q.errors().size(); ++i) rows.push_back(q.row(i));
    model->setRows(rows);
    auto* list = new QTableView(this);
    setUpList(list, model);
    layout->addWidget(list, 1);
    auto* question = new QLabel(QString::fromLatin1(imp::BrowseErrQue::kQuestion), this);
    question->setWordWrap(true);
    layout->addWidget(question);
    auto* buttons = new QHBoxLayout;
    auto* proceed = new QPushButton(QStringLiteral("&Proceed"), this);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    buttons->addStretch();
    buttons->addWidget(proceed);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(proceed, &QPushButton::clicked, this, [this] {
        q_.proceed();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &BrowseErrQueView::reject);
    resize(560, 380);
}

void BrowseErrQueView::reject() {
    q_.cancel();
    QDialog::reject();
}

}  // namespace vtl::gui
