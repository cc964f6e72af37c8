#pragma once
// The blank purchase-order dialog: the number to print on the blank form, or
// the next automatic number instead.
#include <QDialog>

#include "vtlpoent/dialogs/confirm_blank_po.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace vtl::gui {

class ConfirmBlankPOView : public QDialog {
    Q_OBJECT
public:
    explicit ConfirmBlankPOView(ent::ConfirmBlankPO& dialog, QWidget* parent = nullptr);

    QLineEdit* poNumber() const { return poNumber_; }
    QCheckBox* useNextNumber() const { return next_; }
    QPushButton* okButton() const { return ok_; }

    void done(int result) override;

private:
    ent::ConfirmBlankPO& dialog_;
    QLineEdit* poNumber_ = nullptr;
    QCheckBox* next_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace vtl::gui
