#pragma once
// The window "Reconciling a Purchase Order": the order's header and totals,
// read only, over the list of its lines with what was ordered, invoiced and
// received; each line's quantity of this packing slip is changed in the
// line form.
#include <QDialog>
#include <QHash>
#include <functional>

#include "vtlporec/update_po_reconcile.h"

class QKeyEvent;
class QLabel;
class QPushButton;
class QTableView;
class QToolButton;
class QWidget;

namespace vtl::gui {

class TableModel;

class UpdatePOReconcileView : public QDialog {
    Q_OBJECT
public:
    explicit UpdatePOReconcileView(rec::UpdatePOReconcile& form, QWidget* parent = nullptr);

    // A shown value by name ("VendorID", "Subtotal", "AcceptDate" ...).
    QLabel* shown(const QString& name) const { return labels_.value(name); }
    // Whether the named header row is part of the window ("AcceptDate" ...).
    bool rowShown(const QString& name) const;
    QTableView* list() const { return list_; }
    QPushButton* moreButton() const { return more_; }
    QPushButton* changeButton() const { return change_; }
    QToolButton* sendButton() const { return send_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* helpButton() const { return help_; }

    void refresh();
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* buildHeader();
    QLabel* addShown(const QString& name, bool number = false);
    void act(const std::function<void()>& action);
    void placeReceivedCaption();

    rec::UpdatePOReconcile& form_;
    QHash<QString, QLabel*> labels_;
    QHash<QString, QWidget*> rows_;
    QTableView* list_ = nullptr;
    TableModel* model_ = nullptr;
    QLabel* received_ = nullptr;
    QPushButton* more_ = nullptr;
    QPushButton* change_ = nullptr;
    QToolButton* send_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* help_ = nullptr;
    bool refreshing_ = false;
};

}  // namespace vtl::gui
