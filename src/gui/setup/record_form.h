#pragma once
// The one form of every Setup window: an entry per field of the caption map
// (a line for text and numbers, a check box for a flag, a box of lines for
// a memo), a list with Insert, Change and Delete for each child file, and
// OK, Cancel and Help. All rules are the editor's; the form lays out,
// forwards what is typed and shows the editor's answers.
#include <QDialog>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "gui/setup/record_editor.h"

class QPushButton;
class QTableView;

namespace vtl {
class Session;
}

namespace vtl::gui {
class TableModel;
}

namespace vtl::setup {

class RecordForm;
// Shows a form until it closes: exec() for a person, a script in tests.
using FormRunner = std::function<void(RecordForm&)>;
FormRunner execForm();

class RecordForm : public QDialog {
    Q_OBJECT
public:
    RecordForm(RecordEditor& editor, Session& session, FormRunner runner, QWidget* parent = nullptr);

    RecordEditor& editor() { return editor_; }
    // The entry of a field (named after it), null when the form has none.
    QWidget* entry(const std::string& field) const;
    QTableView* childList(int list) const { return lists_.at(static_cast<std::size_t>(list)).view; }
    QPushButton* childInsert(int list) const { return lists_.at(static_cast<std::size_t>(list)).insert; }
    QPushButton* childChange(int list) const { return lists_.at(static_cast<std::size_t>(list)).change; }
    QPushButton* childDelete(int list) const { return lists_.at(static_cast<std::size_t>(list)).remove; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

public slots:
    // Takes every entry, checks and saves; closes the form when saved.
    void save();
    void insertChild(int list);
    void changeChild(int list);
    void deleteChild(int list);

private:
    struct ChildList {
        QTableView* view = nullptr;
        gui::TableModel* model = nullptr;
        QPushButton* insert = nullptr;
        QPushButton* change = nullptr;
        QPushButton* remove = nullptr;
    };

    QWidget* makeEntry(const FieldSpec& f);
    QWidget* makeChildList(int list);
    // Hands an entry's text to the editor; false when refused. Leaving an
    // entry only marks a refused one (so Cancel is never held up by a
    // message); OK shows the problem.
    bool take(const FieldSpec& f, bool tell);
    void mark(QWidget* w, const std::string& problem);
    void refresh(const FieldSpec& f);
    void refreshChildren(int list);
    void editChild(int list, int row);
    void showProblem(const Problem& p);

    RecordEditor& editor_;
    Session& session_;
    FormRunner runner_;
    std::map<std::string, QWidget*> entries_;
    std::vector<ChildList> lists_;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool showing_ = false;  // a message is up: leaving an entry for it is not an edit
};

}  // namespace vtl::setup
