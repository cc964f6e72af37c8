#pragma once
// The notes window of an entity and the form of one note.
#include <QDialog>

#include "gui/siblings/list_dialog.h"
#include "siblings/services/notes.h"

class QDateEdit;
class QLineEdit;
class QPlainTextEdit;

namespace vtl::gui {

class NoteForm : public QDialog {
    Q_OBJECT
public:
    NoteForm(const QString& title, const services::NoteDraft& draft, QWidget* parent = nullptr);
    services::NoteDraft draft() const;

    QLineEdit* heading() const { return heading_; }
    QPlainTextEdit* text() const { return text_; }

private:
    QDateEdit* date_ = nullptr;
    QLineEdit* heading_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
};

class NotesView : public ListDialog {
    Q_OBJECT
public:
    explicit NotesView(services::UpdateNotes& notes, QWidget* parent = nullptr);

    void insertNote();
    void changeNote();
    void deleteNote();

private:
    void refresh();

    services::UpdateNotes& notes_;
};

}  // namespace vtl::gui
