#include "gui/email/po_email_select_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/email/recipient_model.h"
#include "gui/table_model.h"

namespace vtl::gui {

POEmailSelectView::POEmailSelectView(rpt::POEmailSelect& select, QWidget* parent) : QDialog(parent), select_(select) {
    setWindowTitle(QString::fromLatin1(rpt::POEmailSelect::kTitle));
    setSizeGripEnabled(true);
    model_ = new RecipientModel([this]() -> const std::vector<rpt::Recipient>& { return select_.recipients(); }, true,
                                {}, this);
    list_ = new QTableView(this);
    list_->setObjectName(QStringLiteral("recipients"));
    list_->setModel(model_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setWordWrap(false);
    list_->setShowGrid(false);
    list_->setTabKeyNavigation(false);
    list_->verticalHeader()->hide();
    list_->horizontalHeader()->setStretchLastSection(true);
    // The name and address are @s50 each.
    list_->setColumnWidth(0, list_->fontMetrics().height() + 12);
    list_->setColumnWidth(1, dialogUnitsToPixels(list_, 130));
    list_->setMinimumWidth(list_->columnWidth(0) + 2 * dialogUnitsToPixels(list_, 130) + 24);
    list_->installEventFilter(this);
    connect(list_, &QTableView::clicked, this, [this](const QModelIndex& i) {
        if (i.column() == 0) toggle(i.row());
    });

    proceed_ = new QPushButton(QStringLiteral("&Proceed"), this);
    proceed_->setDefault(true);
    connect(proceed_, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(proceed_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    if (model_->rowCount() > 0) list_->setCurrentIndex(model_->index(0, 1));
    list_->setFocus();
}

void POEmailSelectView::toggle(int row) {
    if (row < 0) return;
    select_.toggle(static_cast<std::size_t>(row));
    const QModelIndex tag = model_->index(row, 0);
    emit model_->dataChanged(tag, tag, {Qt::CheckStateRole});
}

void POEmailSelectView::done(int result) {
    // Proceed, Escape and the window's close button alike.
    if (!select_.proceed()) return;
    model_->reload();
    QDialog::done(result);
}

bool POEmailSelectView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            toggle(list_->currentIndex().row());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace vtl::gui
