#include "gui/siblings/notes_view.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "gui/siblings/text_limit.h"

namespace vtl::gui {

NoteForm::NoteForm(const QString& title, const services::NoteDraft& draft, QWidget* parent) : QDialog(parent) {
    setWindowTitle(title);
    date_ = new QDateEdit(this);
    date_->setCalendarPopup(true);
    date_->setDisplayFormat(QStringLiteral("M/dd/yyyy"));
    date_->setDate(toQDate(draft.date));
    heading_ = new QLineEdit(qs(draft.heading), this);
    heading_->setMaxLength(services::UpdateNotes::kHeadingLength);
    text_ = new QPlainTextEdit(qs(draft.text), this);
    limitText(text_, services::UpdateNotes::kTextLength);
    text_->setTabChangesFocus(true);

    auto* form = new QFormLayout;
    form->addRow(tr("&Date:"), date_);
    form->addRow(tr("&Heading:"), heading_);
    form->addRow(tr("&Note:"), text_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(460, 300);
    text_->setFocus();
}

services::NoteDraft NoteForm::draft() const {
    return services::NoteDraft{fromQDate(date_->date()), ss(heading_->text()), ss(text_->toPlainText())};
}

NotesView::NotesView(services::UpdateNotes& notes, QWidget* parent)
    : ListDialog(notes.title(), notes.columns(), parent), notes_(notes) {
    addButton(tr("&Insert"), [this] { insertNote(); });
    needsRow(addButton(tr("&Change"), [this] { changeNote(); }));
    needsRow(addButton(tr("&Delete"), [this] { deleteNote(); }));
    addButton(tr("Close"), [this] { accept(); });
    onActivate([this] { changeNote(); });
    refresh();
}

void NotesView::refresh() { setRows(notes_.rows(), notes_.highlight()); }

void NotesView::insertNote() {
    services::NoteDraft draft = notes_.newDraft();
    // The form stays open until the note is written or the person cancels.
    for (;;) {
        NoteForm form(tr("Insert a Note"), draft, this);
        if (form.exec() != QDialog::Accepted) return;
        draft = form.draft();
        if (notes_.insert(draft)) break;
    }
    refresh();
}

void NotesView::changeNote() {
    const int row = currentRow();
    if (row < 0) return;
    services::NoteDraft draft = notes_.draftOf(row);
    for (;;) {
        NoteForm form(tr("Change a Note"), draft, this);
        if (form.exec() != QDialog::Accepted) return;
        draft = form.draft();
        if (notes_.change(row, draft)) break;
    }
    refresh();
}

void NotesView::deleteNote() {
    const int row = currentRow();
    if (row < 0) return;
    if (notes_.remove(row)) refresh();
}

}  // namespace vtl::gui
