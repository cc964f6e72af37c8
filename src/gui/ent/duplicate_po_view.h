#pragma once
// The duplication dialog: the order being copied on the left, the new PO
// number and dates on the right, OK and Cancel.
#include <QDialog>

#include "vtlpoent/dialogs/duplicate_po.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vtl::gui {

class DuplicatePOView : public QDialog {
    Q_OBJECT
public:
    explicit DuplicatePOView(ent::DuplicatePO& dialog, QWidget* parent = nullptr);

    QLineEdit* poNumber() const { return poNumber_; }
    QLineEdit* issueDate() const { return issue_; }
    QLineEdit* acceptDate() const { return accept_; }
    QLineEdit* deliveryDate() const { return delivery_; }
    QLineEdit* deadlineDate() const { return deadline_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    // OK hands the typed values back, unless a date cannot be read (the
    // entry is then shown again); Cancel or closing hands nothing back.
    void done(int result) override;

private:
    ent::DuplicatePO& dialog_;
    QLineEdit* poNumber_ = nullptr;
    QLineEdit* issue_ = nullptr;
    QLineEdit* accept_ = nullptr;
    QLineEdit* delivery_ = nullptr;
    QLineEdit* deadline_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace vtl::gui
