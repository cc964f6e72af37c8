#pragma once
// The list window of a Setup file: its records in key order, a locator that
// moves to the first record starting with what is typed, and Insert, Change
// and Delete through the file's form. A single-record file (the company
// settings) opens its form at once instead.
#include <QDialog>
#include <string>

#include "gui/setup/record_browse.h"
#include "gui/setup/record_form.h"

class QLineEdit;
class QPushButton;
class QTableView;

namespace vtl {
class Session;
}
namespace vtl::gui {
class TableModel;
}

namespace vtl::setup {

class MaintenanceWindow : public QDialog {
    Q_OBJECT
public:
    MaintenanceWindow(const FileSpec& spec, Session& session, FormRunner runner = execForm(),
                      QWidget* parent = nullptr);

    RecordBrowse& browse() { return browse_; }
    QLineEdit* locator() const { return locator_; }
    QTableView* list() const { return list_; }
    QPushButton* insertButton() const { return insert_; }
    QPushButton* changeButton() const { return change_; }
    QPushButton* deleteButton() const { return delete_; }
    int currentRow() const;
    void setCurrentRow(int row);

public slots:
    void insertRecord();
    void changeRecord();
    void deleteRecord();
    void reload();

private:
    void edit(RecordEditor& editor);
    void locate(const QString& text);
    void updateButtons();

    Session& session_;
    RecordBrowse browse_;
    FormRunner runner_;
    gui::TableModel* model_ = nullptr;
    QLineEdit* locator_ = nullptr;
    QTableView* list_ = nullptr;
    QPushButton* insert_ = nullptr;
    QPushButton* change_ = nullptr;
    QPushButton* delete_ = nullptr;
};

// Opens a Setup window from the menu: the list window (left open, deleted
// when closed) or, for a single-record file, its form until it closes.
void openSetupWindow(const FileSpec& spec, Session& session, QWidget* parent, FormRunner runner = execForm());

}  // namespace vtl::setup
