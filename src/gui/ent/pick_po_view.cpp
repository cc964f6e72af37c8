#include "gui/ent/pick_po_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/ent/order_list.h"
#include "gui/qt_text.h"
#include "gui/table_model.h"

namespace vtl::gui {

using ent::PickPOMaster;

PickPOMasterView::PickPOMasterView(PickPOMaster& pick, QWidget* parent) : QDialog(parent), pick_(pick) {
    setWindowTitle(QString::fromLatin1(PickPOMaster::kTitle));
    setSizeGripEnabled(true);

    tabs_ = new QTabBar(this);
    tabs_->addTab(QStringLiteral("by PO Number"));
    tabs_->addTab(QStringLiteral("by Vendor ID"));
    tabs_->setCurrentIndex(static_cast<int>(pick_.order()));
    tabs_->setDrawBase(false);

    locator_ = new QLineEdit(this);
    locator_->setObjectName(QStringLiteral("locator"));
    locator_->setMaxLength(20);
    locator_->installEventFilter(this);
    showFull_ = new QCheckBox(QStringLiteral("Show Fully Reconciled POs"), this);
    showFull_->setChecked(pick_.showFullyReconciled());

    model_ = new TableModel(this);
    model_->setColumns(orderListColumns());
    list_ = new QTableView(this);
    setUpList(list_, model_);
    list_->installEventFilter(this);

    select_ = new QPushButton(QStringLiteral("&Select"), this);
    delete_ = new QPushButton(QStringLiteral("&Delete"), this);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    for (QPushButton* b : {select_, delete_, cancel_}) b->setAutoDefault(false);

    auto* locateRow = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("&Locate:"), this);
    caption->setBuddy(locator_);
    locateRow->addWidget(caption);
    locateRow->addWidget(locator_);
    locateRow->addStretch(1);
    locateRow->addWidget(showFull_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(select_);
    buttons->addWidget(delete_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(locateRow);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    int width = 2 * list_->frameWidth() + 24;
    for (int c = 0; c < model_->columnCount(); ++c) width += list_->columnWidth(c);
    list_->setMinimumSize(width, 14 * list_->verticalHeader()->defaultSectionSize());

    connect(tabs_, &QTabBar::currentChanged, this, [this](int i) {
        pick_.setOrder(static_cast<PickPOMaster::Order>(i));
        locator_->clear();
        refresh();
    });
    connect(showFull_, &QCheckBox::toggled, this, [this](bool on) {
        pick_.setShowFullyReconciled(on);
        refresh();
    });
    connect(locator_, &QLineEdit::textEdited, this, [this](const QString& t) {
        if (t.isEmpty()) return;
        pick_.locate(ss(t));
        showHighlight();
    });
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!syncing_ && current.isValid()) pick_.highlight(static_cast<std::size_t>(current.row()));
            });
    connect(list_, &QTableView::doubleClicked, this, [this] { select(); });
    connect(select_, &QPushButton::clicked, this, &PickPOMasterView::select);
    connect(delete_, &QPushButton::clicked, this, [this] {
        pick_.deleteHighlighted();
        refresh();
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
    locator_->setFocus();
}

void PickPOMasterView::refresh() {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(pick_.rows().size());
    for (const auto& r : pick_.rows()) rows.push_back({r.poNumber, r.vendorId, r.vendorName, r.issueDate, r.amount});
    syncing_ = true;
    model_->setRows(rows);
    syncing_ = false;
    select_->setEnabled(!rows.empty());
    delete_->setEnabled(!rows.empty());
    showHighlight();
}

void PickPOMasterView::showHighlight() {
    if (pick_.rows().empty()) return;
    syncing_ = true;
    const QModelIndex index = model_->index(static_cast<int>(pick_.highlighted()), 0);
    list_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list_->scrollTo(index);
    syncing_ = false;
}

void PickPOMasterView::select() {
    if (pick_.rows().empty()) {
        QApplication::beep();
        return;
    }
    pick_.select();
    if (pick_.selected()) accept();
}

void PickPOMasterView::done(int result) {
    if (result != QDialog::Accepted) pick_.cancel();
    QDialog::done(result);
}

bool PickPOMasterView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        select();
        return true;
    }
    if (watched == locator_ &&
        (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown)) {
        QApplication::sendEvent(list_, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace vtl::gui
