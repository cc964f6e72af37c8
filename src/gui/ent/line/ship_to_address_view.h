#pragma once
// The ship-to address typed by hand: name, two address lines, city, state,
// zip and contact, each as wide as its header field. OK hands every entry
// back; Cancel or closing hands nothing back.
#include <QDialog>

#include "vtlpoent/dialogs/enter_ship_to_address.h"

class QLineEdit;
class QPushButton;

namespace vtl::gui {

class EnterShipToAddressView : public QDialog {
    Q_OBJECT
public:
    explicit EnterShipToAddressView(ent::EnterShipToAddress& dialog, QWidget* parent = nullptr);

    QLineEdit* name() const { return name_; }
    QLineEdit* address1() const { return address1_; }
    QLineEdit* address2() const { return address2_; }
    QLineEdit* city() const { return city_; }
    QLineEdit* state() const { return state_; }
    QLineEdit* zip() const { return zip_; }
    QLineEdit* contact() const { return contact_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    void accept() override;
    void reject() override;

private:
    ent::EnterShipToAddress& dialog_;
    QLineEdit* name_ = nullptr;
    QLineEdit* address1_ = nullptr;
    QLineEdit* address2_ = nullptr;
    QLineEdit* city_ = nullptr;
    QLineEdit* state_ = nullptr;
    QLineEdit* zip_ = nullptr;
    QLineEdit* contact_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace vtl::gui
