#pragma once
// The purchase-order search window: search by PO number, vendor number or
// vendor name, the orders found, and Select or Cancel.
#include <QDialog>

#include "vtlpoent/search/search_po_master.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace vtl::gui {

class TableModel;

class SearchPOMasterView : public QDialog {
    Q_OBJECT
public:
    explicit SearchPOMasterView(ent::SearchPOMaster& search, QWidget* parent = nullptr);

    QRadioButton* byButton(ent::SearchBy by) const;
    QLineEdit* text() const { return text_; }
    QCheckBox* showFullyReconciledBox() const { return showFull_; }
    QPushButton* searchButton() const { return search_; }
    QPushButton* selectButton() const { return select_; }
    QPushButton* cancelButton() const { return cancel_; }
    QTableView* list() const { return list_; }
    QLabel* status() const { return status_; }

    void find();
    void choose();
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ent::SearchPOMaster& controller_;
    QRadioButton* by_[3] = {};
    QLineEdit* text_ = nullptr;
    QCheckBox* showFull_ = nullptr;
    QPushButton* search_ = nullptr;
    QPushButton* select_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QTableView* list_ = nullptr;
    TableModel* model_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace vtl::gui
