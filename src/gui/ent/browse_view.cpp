#include "gui/ent/browse_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/ent/browse_icons.h"
#include "gui/ent/browse_model.h"
#include "gui/ent/totals_line.h"
#include "gui/host/window_places.h"
#include "gui/qt_text.h"
#include "gui/table_model.h"

namespace vtl::gui {
namespace {

using ent::BrowseColumn;
using ent::BrowsePOMaster;

constexpr int kTag = static_cast<int>(BrowseColumn::Tag);
constexpr int kPONumber = static_cast<int>(BrowseColumn::PONumber);
constexpr int kJob = static_cast<int>(BrowseColumn::Job);
constexpr int kAmount = static_cast<int>(BrowseColumn::Amount);
constexpr int kRemaining = static_cast<int>(BrowseColumn::Remaining);

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

BrowsePOMasterView::BrowsePOMasterView(BrowsePOMaster& browse, QWidget* parent, const std::string& placeName)
    : QDialog(parent), browse_(browse) {
    setWindowTitle(browse_.selectMode() ? QStringLiteral("Purchase Orders - Select")
                                        : QString::fromLatin1(BrowsePOMaster::kTitle));
    setSizeGripEnabled(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    model_ = new BrowseModel(browse_, this);
    list_ = new QTableView(this);
    list_->setObjectName(QStringLiteral("list"));
    list_->setModel(model_);
    list_->setItemDelegate(new BrowseDelegate(list_));
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setWordWrap(false);
    list_->setShowGrid(false);
    list_->setTabKeyNavigation(false);
    list_->setCornerButtonEnabled(false);
    list_->verticalHeader()->hide();
    // Fixed row heights: the list never measures rows it does not show.
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);
    QHeaderView* header = list_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(true);
    header->setHighlightSections(false);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    header->setMinimumSectionSize(8);
    sizeColumns();
    const int iconSide = std::min(list_->verticalHeader()->defaultSectionSize() - 4, list_->columnWidth(kTag) - 2);
    list_->setIconSize(QSize(iconSide, iconSide));
    if (!browse_.jobCostInstalled()) list_->setColumnHidden(kJob, true);
    list_->installEventFilter(this);

    locator_ = new QLineEdit(this);
    locator_->setObjectName(QStringLiteral("locator"));
    locator_->setMaxLength(20);
    locator_->setPlaceholderText(QStringLiteral("PO Number"));
    locator_->setFixedWidth(locator_->fontMetrics().horizontalAdvance(QString(20, QLatin1Char('M'))) * 3 / 4 + 12);
    locator_->installEventFilter(this);
    search_ = new QToolButton(this);
    search_->setText(QStringLiteral("..."));
    search_->setToolTip(QStringLiteral("Search for a purchase order (F2)"));

    showFull_ = new QCheckBox(QStringLiteral("Show Fully Reconciled POs"), this);
    negative_ = new QCheckBox(QStringLiteral("Overreconciled POs Show Negative Remaining"), this);
    reinsert_ = new QCheckBox(QStringLiteral("Repetitive Insert"), this);
    legend_ = makeLegendBox(this);
    totals_ = new TotalsLine(list_, {kAmount, kRemaining}, 15, this);

    addButton(QStringLiteral("&Rev tags"), &BrowsePOMaster::reverseTags);
    showTags_ = addButton(QString(), &BrowsePOMaster::cycleShowMode);
    showTags_->setObjectName(QStringLiteral("showTags"));
    // Wide enough for every caption it takes, so the row does not jump.
    showTags_->setMinimumWidth(showTags_->fontMetrics().horizontalAdvance(QStringLiteral("Showing UnTagged")) + 24);
    sendTo_ = addButton(QStringLiteral("Send List Contents To..."), &BrowsePOMaster::sendTo);
    addButton(QStringLiteral("&Tag"), &BrowsePOMaster::tag);
    addButton(QStringLiteral("Tag &all"), &BrowsePOMaster::tagAll);
    addButton(QStringLiteral("&Untag all"), &BrowsePOMaster::untagAll);
    addButton(QStringLiteral("&Duplicate"), &BrowsePOMaster::duplicate);
    if (browse_.selectMode()) {
        auto* b = addButton(QStringLiteral("&Select"), nullptr);
        connect(b, &QPushButton::clicked, this, [this] { select(); });
    }
    for (auto [caption, action] : {std::pair{"&Insert", &BrowsePOMaster::insert},
                                   std::pair{"&Change", &BrowsePOMaster::change},
                                   std::pair{"&Delete", &BrowsePOMaster::deleteRecords}}) {
        QPushButton* b = addButton(QString::fromLatin1(caption), action);
        b->setEnabled(!browse_.viewMode());
    }
    QPushButton* generate = addButton(QStringLiteral("&Generate POs"), &BrowsePOMaster::generatePOs);
    addButton(QStringLiteral("Print &Blank PO"), &BrowsePOMaster::printBlankPO);
    addButton(QStringLiteral("I&mport "), &BrowsePOMaster::import);
    addButton(QStringLiteral("E&xport Tagged"), &BrowsePOMaster::exportTagged);
    addButton(QStringLiteral("Reconcile/Unreconcile"), &BrowsePOMaster::reconcile);
    addButton(QStringLiteral("Play training video"), &BrowsePOMaster::playTraining);
    addButton(QStringLiteral("Help"), &BrowsePOMaster::help);
    connect(addButton(QStringLiteral("Close"), nullptr), &QPushButton::clicked, this, &QDialog::reject);

    listMenu_ = new QMenu(this);
    connect(listMenu_->addAction(QStringLiteral("SendTo")), &QAction::triggered, this,
            [this] { run(&BrowsePOMaster::sendTo); });
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { listMenu_->exec(list_->viewport()->mapToGlobal(at)); });

    generateMenu_ = new QMenu(this);
    connect(generateMenu_->addAction(QIcon::fromTheme(QStringLiteral("document-print-preview")),
                                     QStringLiteral("Preview the Report to Screen")),
            &QAction::triggered, this, [this] { run(&BrowsePOMaster::generatePOs); });
    connect(generateMenu_->addAction(QIcon::fromTheme(QStringLiteral("document-print")),
                                     QStringLiteral("Print Report Directly to Default Printer")),
            &QAction::triggered, this, [this] { run(&BrowsePOMaster::generatePOsDirect); });
    generateMenu_->addAction(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("Cancel"));
    generate->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(generate, &QWidget::customContextMenuRequested, this,
            [this, generate](const QPoint& at) { generateMenu_->exec(generate->mapToGlobal(at)); });

    connect(search_, &QToolButton::clicked, this, [this] { run(&BrowsePOMaster::search); });
    connect(locator_, &QLineEdit::textEdited, this, [this](const QString& text) {
        browse_.locate(ss(text));
        showHighlight();
    });
    connect(showFull_, &QCheckBox::toggled, this, [this](bool on) {
        browse_.setShowFullyReconciled(on);
        refresh();
    });
    connect(negative_, &QCheckBox::toggled, this, [this](bool on) {
        browse_.setNegativeRemaining(on);
        refresh();
    });
    connect(reinsert_, &QCheckBox::toggled, this, [this](bool on) { browse_.setRepetitiveInsert(on); });
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!syncing_ && current.isValid()) browse_.highlight(current.row());
            });
    connect(list_, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (index.column() != kTag) return;
        browse_.highlight(index.row());
        run(&BrowsePOMaster::tag);
    });
    connect(list_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.column() != kTag) activateRow();
    });
    connect(header, &QHeaderView::sectionClicked, this, [this](int section) { sortByHeader(section); });

    auto shortcut = [this](QKeySequence key, auto action) {
        auto* s = new QShortcut(key, this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence(Qt::Key_F2), [this] { run(&BrowsePOMaster::search); });
    shortcut(QKeySequence(Qt::Key_Insert), [this] {
        if (!browse_.viewMode()) run(&BrowsePOMaster::insert);
    });
    shortcut(QKeySequence(QKeySequence::HelpContents), [this] { browse_.help(); });

    layOut();
    refresh();
    locator_->setFocus();
    if (!placeName.empty()) host::keepPlace(this, browse_.settings(), placeName);
}

QPushButton* BrowsePOMasterView::addButton(const QString& caption, void (BrowsePOMaster::*action)()) {
    auto* b = new QPushButton(caption, this);
    // Enter belongs to the list (change or select), never to a button.
    b->setAutoDefault(false);
    if (!caption.isEmpty()) buttons_.insert(caption, b);
    if (action) connect(b, &QPushButton::clicked, this, [this, action] { run(action); });
    return b;
}

void BrowsePOMasterView::layOut() {
    auto* top = new QHBoxLayout;
    top->addWidget(locator_);
    top->addWidget(search_);
    top->addSpacing(16);
    top->addWidget(showFull_);
    top->addSpacing(12);
    top->addWidget(negative_);
    top->addStretch(1);

    auto* side = new QVBoxLayout;
    side->addWidget(legend_);
    side->addSpacing(8);
    side->addWidget(reinsert_);
    side->addStretch(1);

    auto* listArea = new QVBoxLayout;
    listArea->addWidget(list_, 1);
    listArea->addWidget(totals_);
    auto* middle = new QHBoxLayout;
    middle->addLayout(listArea, 1);
    middle->addLayout(side);

    // Three rows: tagging, maintenance, processes; the window's own buttons
    // at the right end.
    const std::vector<std::vector<const char*>> rows = {
        {"&Tag", "Tag &all", "&Untag all", "&Rev tags", nullptr},
        {"&Select", "&Insert", "&Change", "&Delete", "&Duplicate"},
        {"&Generate POs", "Print &Blank PO", "I&mport ", "E&xport Tagged"},
    };
    auto* grid = new QGridLayout;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        int c = 0;
        for (const char* caption : rows[static_cast<std::size_t>(r)]) {
            QPushButton* b = caption ? button(QString::fromLatin1(caption)) : showTags_;
            if (b) grid->addWidget(b, r, c++);
        }
    }
    grid->setColumnStretch(5, 1);
    grid->addWidget(sendTo_, 0, 6, 1, 3);
    grid->addWidget(button(QStringLiteral("Reconcile/Unreconcile")), 1, 6, 1, 3);
    grid->addWidget(button(QStringLiteral("Play training video")), 2, 6);
    grid->addWidget(button(QStringLiteral("Close")), 2, 7);
    grid->addWidget(button(QStringLiteral("Help")), 2, 8);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addLayout(grid);

    // Opens wide enough for every column and about twenty rows; may be made
    // smaller afterwards.
    const int rowHeight = list_->verticalHeader()->defaultSectionSize();
    list_->setMinimumSize(listWidth(), list_->horizontalHeader()->sizeHint().height() + 20 * rowHeight);
    resize(sizeHint());
    list_->setMinimumSize(listWidth() / 3, 6 * rowHeight);
}

void BrowsePOMasterView::sizeColumns() {
    // The stated widths, widened (up to twice) where the header or the first
    // page of rows would be cut; the first page is read anyway to show it.
    constexpr int kPadding = 14;
    const int sortArrow = style()->pixelMetric(QStyle::PM_HeaderMarkSize) + 8;
    const QFontMetrics cells = list_->fontMetrics();
    const QFontMetrics headers = list_->horizontalHeader()->fontMetrics();
    const int measured = std::min(model_->rowCount(), 50);
    for (int c = 0; c < model_->columnCount(); ++c) {
        const auto& spec = BrowseModel::columns()[static_cast<std::size_t>(c)];
        const int declared = dialogUnitsToPixels(list_, spec.width);
        int wanted = 0;
        if (c > kTag + 1) {
            wanted = headers.horizontalAdvance(QString::fromLatin1(spec.header)) + kPadding + sortArrow;
            for (int r = 0; r < measured; ++r)
                wanted = std::max(wanted, cells.horizontalAdvance(model_->index(r, c).data().toString()) + kPadding);
        }
        list_->setColumnWidth(c, std::max(declared, std::min(wanted, 2 * declared)));
    }
}

int BrowsePOMasterView::listWidth() const {
    int width = list_->verticalScrollBar()->sizeHint().width() + 2 * list_->frameWidth() + 2;
    for (int c = 0; c < model_->columnCount(); ++c)
        if (!list_->isColumnHidden(c)) width += list_->columnWidth(c);
    return width;
}

void BrowsePOMasterView::run(void (BrowsePOMaster::*action)()) {
    (browse_.*action)();
    refresh();
}

void BrowsePOMasterView::refresh() {
    syncing_ = true;
    model_->reload();
    syncing_ = false;
    showHighlight();
    const QString caption = qs(browse_.showModeCaption());
    showTags_->setText(caption);
    showTags_->setToolTip(caption);
    {
        const QSignalBlocker a(showFull_), b(negative_), c(reinsert_);
        showFull_->setChecked(browse_.showFullyReconciled());
        negative_->setChecked(browse_.negativeRemaining());
        reinsert_->setChecked(browse_.repetitiveInsert());
    }
    const bool rows = browse_.rowCount() > 0;
    sendTo_->setEnabled(rows);
    listMenu_->actions().front()->setEnabled(rows);
}

void BrowsePOMasterView::showHighlight() {
    syncing_ = true;
    if (browse_.rowCount() == 0) {
        list_->selectionModel()->clearSelection();
    } else {
        const QModelIndex index = model_->index(static_cast<int>(browse_.highlighted()), kPONumber);
        list_->selectionModel()->setCurrentIndex(index,
                                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        list_->scrollTo(index);
    }
    syncing_ = false;
}

void BrowsePOMasterView::sortByHeader(int section) {
    const auto column = static_cast<BrowseColumn>(section);
    if (sortColumn_ != column) {
        sortColumn_ = column;
        sortDescending_ = false;
    } else if (!sortDescending_) {
        sortDescending_ = true;
    } else {
        sortColumn_.reset();
        sortDescending_ = false;
    }
    browse_.sortBy(sortColumn_, sortDescending_);
    list_->horizontalHeader()->setSortIndicator(sortColumn_ ? section : -1,
                                                sortDescending_ ? Qt::DescendingOrder : Qt::AscendingOrder);
    refresh();
}

void BrowsePOMasterView::activateRow() {
    if (browse_.selectMode()) select();
    else if (!browse_.viewMode()) run(&BrowsePOMaster::change);
}

void BrowsePOMasterView::select() {
    browse_.select();
    if (browse_.selected()) accept();
}

bool BrowsePOMasterView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == list_) {
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            run(&BrowsePOMaster::tag);
            return true;
        }
        if (isEnter(key->key())) {
            activateRow();
            return true;
        }
    } else if (watched == locator_) {
        // The arrow and page keys move the list while the typing stays here.
        switch (key->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                QApplication::sendEvent(list_, event);
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter: activateRow(); return true;
            default: break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace vtl::gui
