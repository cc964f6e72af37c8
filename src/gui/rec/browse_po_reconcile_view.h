#pragma once
// The window "Reconcile Purchase Orders with Packing Slip": a locator on
// the PO number, the list of orders still open to receiving, and the
// Reconcile, Close and Help buttons.
#include <QDialog>

#include "vtlporec/browse_po_reconcile.h"

class QLineEdit;
class QPushButton;
class QTableView;

namespace vtl::gui {

class TableModel;

class BrowsePOReconcileView : public QDialog {
    Q_OBJECT
public:
    explicit BrowsePOReconcileView(rec::BrowsePOReconcile& browse, QWidget* parent = nullptr);

    QLineEdit* locator() const { return locator_; }
    QTableView* list() const { return list_; }
    QPushButton* reconcileButton() const { return reconcile_; }
    QPushButton* closeButton() const { return close_; }
    QPushButton* helpButton() const { return help_; }

    void refresh();
    void reject() override;

private:
    rec::BrowsePOReconcile& browse_;
    QLineEdit* locator_ = nullptr;
    QTableView* list_ = nullptr;
    TableModel* model_ = nullptr;
    QPushButton* reconcile_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* help_ = nullptr;
    bool refreshing_ = false;
};

}  // namespace vtl::gui
