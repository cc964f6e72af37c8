#include "gui/siblings/list_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "gui/table_model.h"

namespace vtl::gui {

ListDialog::ListDialog(const std::string& title, const std::vector<ui::LookupColumn>& columns, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(qs(title));
    setSizeGripEnabled(true);
    model_ = new TableModel(this);
    model_->setColumns(columns);
    list_ = new QTableView(this);
    setUpList(list_, model_);

    top_ = new QVBoxLayout;
    buttons_ = new QHBoxLayout;
    buttons_->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons_);

    int width = 24;  // the scroll bar
    for (std::size_t i = 0; i < columns.size(); ++i) width += list_->columnWidth(static_cast<int>(i));
    list_->setMinimumSize(std::max(width, 320), 10 * list_->verticalHeader()->defaultSectionSize());

    connect(list_, &QTableView::doubleClicked, this, [this](const QModelIndex&) {
        if (activate_) activate_();
    });
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { updateButtons(); });
}

int ListDialog::currentRow() const {
    const QModelIndex i = list_->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void ListDialog::setCurrentRow(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    list_->setCurrentIndex(model_->index(row, 0));
    list_->selectRow(row);
    list_->scrollTo(model_->index(row, 0));
}

QPushButton* ListDialog::button(const QString& caption) const {
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->text() == caption) return b;
    return nullptr;
}

QPushButton* ListDialog::addButton(const QString& caption, std::function<void()> action) {
    auto* b = new QPushButton(caption, this);
    b->setAutoDefault(false);
    buttons_->addWidget(b);
    connect(b, &QPushButton::clicked, this, [action = std::move(action)] { action(); });
    return b;
}

void ListDialog::setRows(const std::vector<std::vector<std::string>>& rows, int highlight) {
    model_->setRows(rows);
    fitColumns(list_, model_);
    setCurrentRow(highlight);
    updateButtons();
}

void ListDialog::updateButtons() {
    const bool row = currentRow() >= 0;
    for (QPushButton* b : rowButtons_) b->setEnabled(row);
}

}  // namespace vtl::gui
