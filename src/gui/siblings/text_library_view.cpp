#include "gui/siblings/text_library_view.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "gui/siblings/text_limit.h"

namespace vtl::gui {

LibraryTextForm::LibraryTextForm(const QString& title, const services::LibraryText& text, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title);
    name_ = new QLineEdit(qs(text.name), this);
    name_->setMaxLength(services::BrowseText::kNameLength);
    text_ = new QPlainTextEdit(qs(text.text), this);
    limitText(text_, services::BrowseText::kTextLength);
    text_->setTabChangesFocus(true);
    auto* form = new QFormLayout;
    form->addRow(tr("&Name:"), name_);
    form->addRow(tr("&Text:"), text_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(460, 280);
}

services::LibraryText LibraryTextForm::text() const { return {ss(name_->text()), ss(text_->toPlainText())}; }

TextLibraryView::TextLibraryView(services::BrowseText& library, QWidget* parent)
    : ListDialog(library.title(), library.columns(), parent), library_(library) {
    needsRow(addButton(tr("&Select"), [this] { selectText(); }));
    addButton(tr("&Insert"), [this] { insertText(); });
    needsRow(addButton(tr("&Change"), [this] { changeText(); }));
    needsRow(addButton(tr("&Delete"), [this] { deleteText(); }));
    addButton(tr("Close"), [this] { reject(); });
    onActivate([this] { selectText(); });
    refresh();
}

void TextLibraryView::refresh() { setRows(library_.rows(), library_.highlight()); }

void TextLibraryView::insertText() {
    services::LibraryText text;
    for (;;) {
        LibraryTextForm form(tr("Insert a Standard Text"), text, this);
        if (form.exec() != QDialog::Accepted) return;
        text = form.text();
        if (library_.insert(text)) break;
    }
    refresh();
}

void TextLibraryView::changeText() {
    const int row = currentRow();
    if (row < 0) return;
    services::LibraryText text = library_.text(row);
    for (;;) {
        LibraryTextForm form(tr("Change a Standard Text"), text, this);
        if (form.exec() != QDialog::Accepted) return;
        text = form.text();
        if (library_.change(row, text)) break;
    }
    refresh();
}

void TextLibraryView::deleteText() {
    if (library_.remove(currentRow())) refresh();
}

void TextLibraryView::selectText() {
    if (library_.select(currentRow())) accept();
}

}  // namespace vtl::gui
