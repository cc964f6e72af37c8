#pragma once
// The frame of the service windows that show a list: a titled dialog with
// the list, a row of buttons under it and Close. Each window adds its own
// buttons and forwards them to its controller.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/ui.h"

class QHBoxLayout;
class QPushButton;
class QTableView;
class QVBoxLayout;

namespace vtl::gui {

class TableModel;

class ListDialog : public QDialog {
    Q_OBJECT
public:
    ListDialog(const std::string& title, const std::vector<ui::LookupColumn>& columns, QWidget* parent = nullptr);

    QTableView* list() const { return list_; }
    // The highlighted row, -1 when the list is empty.
    int currentRow() const;
    void setCurrentRow(int row);
    // A button of the window's row, by its caption ("&Insert").
    QPushButton* button(const QString& caption) const;

protected:
    QPushButton* addButton(const QString& caption, std::function<void()> action);
    // What a double-click (or Enter on the list) does.
    void onActivate(std::function<void()> action) { activate_ = std::move(action); }
    void setRows(const std::vector<std::vector<std::string>>& rows, int highlight);
    // Widgets above the list (an entry, a caption).
    QVBoxLayout* topArea() const { return top_; }
    // Buttons that need a highlighted row follow whether there is one.
    void needsRow(QPushButton* b) { rowButtons_.push_back(b); }

private:
    void updateButtons();

    TableModel* model_ = nullptr;
    QTableView* list_ = nullptr;
    QVBoxLayout* top_ = nullptr;
    QHBoxLayout* buttons_ = nullptr;
    std::vector<QPushButton*> rowButtons_;
    std::function<void()> activate_;
};

}  // namespace vtl::gui
