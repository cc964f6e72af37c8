#pragma once
// The one generic look-up list of the suite: a titled list with columns, an
// incremental locator above it, and Select, Cancel and (when the window has a
// topic) Help.
#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/ui.h"

class QLineEdit;
class QPushButton;
class QTableView;

namespace vtl::gui {

class TableModel;

class LookupWindow : public QDialog {
    Q_OBJECT
public:
    explicit LookupWindow(const ui::LookupSpec& spec, QWidget* parent = nullptr);

    // Shows the Help button; it runs `open`.
    void setHelp(std::function<void()> open);

    // The chosen row's key once Select was pressed; nullopt otherwise.
    const std::optional<std::string>& chosenKey() const { return chosen_; }
    // Highlighted row, -1 when the list is empty.
    int currentRow() const;
    void setCurrentRow(int row);
    // Highlights the first row whose locator column starts with `prefix`,
    // ignoring case; false (highlight unchanged) when no row does.
    bool locate(const QString& prefix);

    QLineEdit* locator() const { return locator_; }
    QTableView* list() const { return list_; }
    QPushButton* selectButton() const { return select_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* helpButton() const { return help_; }

public slots:
    void select();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<std::string> keys_;
    std::vector<QString> folded_;  // the locator column, case-folded once
    std::optional<std::string> chosen_;
    std::function<void()> openHelp_;
    TableModel* model_ = nullptr;
    QLineEdit* locator_ = nullptr;
    QTableView* list_ = nullptr;
    QPushButton* select_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* help_ = nullptr;
};

}  // namespace vtl::gui
