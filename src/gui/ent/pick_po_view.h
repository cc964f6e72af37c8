#pragma once
// The purchase-order pick list: by PO number or by vendor, a locator, the
// list, and Select, Delete and Cancel.
#include <QDialog>

#include "vtlpoent/search/pick_po_master.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTabBar;
class QTableView;

namespace vtl::gui {

class TableModel;

class PickPOMasterView : public QDialog {
    Q_OBJECT
public:
    explicit PickPOMasterView(ent::PickPOMaster& pick, QWidget* parent = nullptr);

    QTabBar* tabs() const { return tabs_; }
    QLineEdit* locator() const { return locator_; }
    QCheckBox* showFullyReconciledBox() const { return showFull_; }
    QTableView* list() const { return list_; }
    QPushButton* selectButton() const { return select_; }
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* cancelButton() const { return cancel_; }

    void select();
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    void showHighlight();

    ent::PickPOMaster& pick_;
    QTabBar* tabs_ = nullptr;
    QLineEdit* locator_ = nullptr;
    QCheckBox* showFull_ = nullptr;
    QTableView* list_ = nullptr;
    TableModel* model_ = nullptr;
    QPushButton* select_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool syncing_ = false;
};

}  // namespace vtl::gui
