#include "gui/ent/search_po_view.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/ent/order_list.h"
#include "gui/qt_text.h"
#include "gui/table_model.h"

namespace vtl::gui {

using ent::SearchBy;

SearchPOMasterView::SearchPOMasterView(ent::SearchPOMaster& search, QWidget* parent)
    : QDialog(parent), controller_(search) {
    setWindowTitle(QString::fromLatin1(ent::SearchPOMaster::kTitle));
    setSizeGripEnabled(true);

    auto* byBox = new QGroupBox(QStringLiteral("Search By"), this);
    auto* byRow = new QHBoxLayout(byBox);
    auto* group = new QButtonGroup(this);
    const char* captions[] = {"PO Number", "Vendor ID", "Vendor Name"};
    for (int i = 0; i < 3; ++i) {
        by_[i] = new QRadioButton(QString::fromLatin1(captions[i]), byBox);
        group->addButton(by_[i], i);
        byRow->addWidget(by_[i]);
    }
    byRow->addStretch(1);
    by_[static_cast<int>(controller_.by())]->setChecked(true);

    text_ = new QLineEdit(qs(controller_.text()), this);
    text_->setMaxLength(40);
    search_ = new QPushButton(QStringLiteral("Search"), this);
    search_->setDefault(true);
    showFull_ = new QCheckBox(QStringLiteral("Show Fully Reconciled POs"), this);
    showFull_->setChecked(controller_.showFullyReconciled());

    model_ = new TableModel(this);
    model_->setColumns(orderListColumns());
    list_ = new QTableView(this);
    setUpList(list_, model_);
    status_ = new QLabel(this);

    select_ = new QPushButton(QStringLiteral("&Select"), this);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    select_->setAutoDefault(false);
    cancel_->setAutoDefault(false);
    select_->setEnabled(false);

    auto* entryRow = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("Search &For:"), this);
    caption->setBuddy(text_);
    entryRow->addWidget(caption);
    entryRow->addWidget(text_, 1);
    entryRow->addWidget(search_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status_, 1);
    buttons->addWidget(select_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(byBox);
    layout->addLayout(entryRow);
    layout->addWidget(showFull_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    int width = 2 * list_->frameWidth() + 24;
    for (int c = 0; c < model_->columnCount(); ++c) width += list_->columnWidth(c);
    list_->setMinimumSize(width, 12 * list_->verticalHeader()->defaultSectionSize());

    connect(group, &QButtonGroup::idClicked, this, [this](int id) { controller_.setBy(static_cast<SearchBy>(id)); });
    connect(text_, &QLineEdit::textEdited, this, [this](const QString& t) { controller_.setText(ss(t)); });
    connect(showFull_, &QCheckBox::toggled, this, [this](bool on) { controller_.setShowFullyReconciled(on); });
    connect(search_, &QPushButton::clicked, this, &SearchPOMasterView::find);
    connect(select_, &QPushButton::clicked, this, &SearchPOMasterView::choose);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QTableView::doubleClicked, this, [this] { choose(); });
    list_->installEventFilter(this);
    text_->setFocus();
}

bool SearchPOMasterView::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the entry searches (the default button); on the list it selects.
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            choose();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QRadioButton* SearchPOMasterView::byButton(SearchBy by) const { return by_[static_cast<int>(by)]; }

void SearchPOMasterView::find() {
    std::vector<std::vector<std::string>> rows;
    for (const auto& f : controller_.find())
        rows.push_back({f.poNumber, f.vendorId, f.vendorName, f.issueDate, f.amount});
    model_->setRows(rows);
    select_->setEnabled(!rows.empty());
    if (rows.empty()) {
        status_->setText(QStringLiteral("No purchase orders found."));
        return;
    }
    status_->setText(rows.size() >= ent::SearchPOMaster::kMaxFound
                         ? QStringLiteral("The first %1 orders found.").arg(rows.size())
                         : QStringLiteral("%1 found.").arg(rows.size()));
    list_->selectRow(0);
    list_->setFocus();
}

void SearchPOMasterView::choose() {
    const QModelIndex current = list_->currentIndex();
    if (!current.isValid()) {
        QApplication::beep();
        return;
    }
    controller_.choose(static_cast<std::size_t>(current.row()));
    if (controller_.chosen()) accept();
}

void SearchPOMasterView::done(int result) {
    if (result != QDialog::Accepted) controller_.cancel();
    QDialog::done(result);
}

}  // namespace vtl::gui
