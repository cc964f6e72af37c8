#include "gui/siblings/drop_list_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/qt_text.h"

namespace vtl::gui {

namespace {
QLineEdit* entryRow(QDialog* dialog, QVBoxLayout* area, const QString& caption, int length, QPushButton** add) {
    auto* label = new QLabel(caption, dialog);
    auto* entry = new QLineEdit(dialog);
    if (length > 0) entry->setMaxLength(length);
    label->setBuddy(entry);
    *add = new QPushButton(QObject::tr("&Add"), dialog);
    (*add)->setAutoDefault(false);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(entry, 1);
    row->addWidget(*add);
    area->addLayout(row);
    return entry;
}
}  // namespace

DropListView::DropListView(services::UpdateDropList& list, QWidget* parent)
    : ListDialog(list.title(), list.columns(), parent), list_(list) {
    QPushButton* add = nullptr;
    entry_ = entryRow(this, topArea(), tr("&New value:"), services::UpdateDropList::kValueLength, &add);
    connect(add, &QPushButton::clicked, this, [this] { addValue(); });
    connect(entry_, &QLineEdit::returnPressed, this, [this] { addValue(); });
    needsRow(addButton(tr("&Delete"), [this] { deleteValue(); }));
    if (list_.selecting()) {
        needsRow(addButton(tr("&Select"), [this] { selectValue(); }));
        onActivate([this] { selectValue(); });
        addButton(tr("&Cancel"), [this] { reject(); });
    } else {
        addButton(tr("Close"), [this] { accept(); });
    }
    refresh();
    entry_->setFocus();
}

void DropListView::refresh() { setRows(list_.rows(), list_.highlight()); }

void DropListView::addValue() {
    list_.add(ss(entry_->text()));
    entry_->clear();
    refresh();
}

void DropListView::deleteValue() {
    if (list_.remove(currentRow())) refresh();
}

void DropListView::selectValue() {
    if (list_.select(currentRow())) accept();
}

LimListView::LimListView(services::UpdateLimList& list, QWidget* parent)
    : ListDialog(list.title(), list.columns(), parent), list_(list) {
    QPushButton* add = nullptr;
    entry_ = entryRow(this, topArea(), qs(list.columns().front().header + ":"), 30, &add);
    connect(add, &QPushButton::clicked, this, [this] { addValue(); });
    connect(entry_, &QLineEdit::returnPressed, this, [this] { addValue(); });
    addButton(tr("&Find..."), [this] { pickValue(); });
    needsRow(addButton(tr("&Delete"), [this] { deleteValue(); }));
    addButton(tr("Close"), [this] { accept(); });
    refresh();
    entry_->setFocus();
}

void LimListView::refresh() { setRows(list_.rows(), list_.highlight()); }

void LimListView::addValue() {
    if (list_.add(ss(entry_->text()))) entry_->clear();
    refresh();
}

void LimListView::pickValue() {
    list_.pick();
    refresh();
}

void LimListView::deleteValue() {
    if (list_.remove(currentRow())) refresh();
}

}  // namespace vtl::gui
