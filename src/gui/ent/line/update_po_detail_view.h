#pragma once
// The line form: one line of a purchase order. The detail type and the text
// line switch on top; below, what the line is charged to (only its type's
// fields) and the line itself: description, catalogue number, quantity,
// price, total, tax, comment and dates. A text line shows only its text.
// Every entry is handed to the controller as it is left; OK saves through
// the controller and closes only when it has saved.
#include <QDialog>

#include "vtlpoent/line/update_po_detail.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

namespace vtl::gui {

class BoundEntries;
class LineChargeFields;

class UpdatePODetailView : public QDialog {
    Q_OBJECT
public:
    explicit UpdatePODetailView(ent::UpdatePODetail& form, QWidget* parent = nullptr);

    QComboBox* detailType() const { return type_; }
    QCheckBox* textLine() const { return textLine_; }
    QPlainTextEdit* text() const { return text_; }
    LineChargeFields* charge() const { return charge_; }
    QLineEdit* description() const { return description_; }
    QLineEdit* vendorCatalog() const { return catalog_; }
    QLineEdit* quantity() const { return quantity_; }
    QLineEdit* unitPrice() const { return price_; }
    QLineEdit* total() const { return total_; }
    QCheckBox* taxable() const { return taxable_; }
    // Canadian tax mode: which taxes apply to the line (codes 0 to 3).
    QComboBox* canadianTax() const { return canadianTax_; }
    QLineEdit* comment() const { return comment_; }
    QLineEdit* acceptDate() const { return accept_; }
    QLineEdit* deliveryDate() const { return delivery_; }
    QLineEdit* deadlineDate() const { return deadline_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    // OK: the typing so far, then the controller's checks and save; the
    // window stays open when either refuses.
    void accept() override;
    // Cancel, Escape and closing the window.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* linePage();
    QWidget* textPage();
    void addDates(QGridLayout* grid, int row);
    void bindEntries();
    // Every value and what is shown from the controller's line.
    void showLine();

    ent::UpdatePODetail& form_;
    BoundEntries* entries_ = nullptr;
    QLabel* typeLabel_ = nullptr;
    QComboBox* type_ = nullptr;
    QCheckBox* textLine_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QWidget* linePage_ = nullptr;
    QWidget* textPage_ = nullptr;
    LineChargeFields* charge_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QLineEdit* description_ = nullptr;
    QLineEdit* catalog_ = nullptr;
    QLineEdit* quantity_ = nullptr;
    QLineEdit* price_ = nullptr;
    QLineEdit* total_ = nullptr;
    QCheckBox* taxable_ = nullptr;
    QComboBox* canadianTax_ = nullptr;
    QLineEdit* comment_ = nullptr;
    QLineEdit* accept_ = nullptr;
    QLineEdit* delivery_ = nullptr;
    QLineEdit* deadline_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace vtl::gui
