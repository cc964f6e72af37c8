#pragma once
// The Setup window of the e-mail settings: mail server, port, security,
// user, password (masked) and sender; OK writes them through the
// controller, Cancel leaves the settings file alone.
#include <QDialog>

#include "vtlporpt/email/email_setup.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vtl::gui {

class EmailSettingsView : public QDialog {
    Q_OBJECT
public:
    explicit EmailSettingsView(rpt::EmailSetup& setup, QWidget* parent = nullptr);

    QLineEdit* server() const { return server_; }
    QSpinBox* port() const { return port_; }
    QComboBox* security() const { return security_; }
    QLineEdit* user() const { return user_; }
    QLineEdit* password() const { return password_; }
    QLineEdit* from() const { return from_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    void done(int result) override;

private:
    rpt::EmailSetup& setup_;
    QLineEdit* server_ = nullptr;
    QSpinBox* port_ = nullptr;
    QComboBox* security_ = nullptr;
    QLineEdit* user_ = nullptr;
    QLineEdit* password_ = nullptr;
    QLineEdit* from_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace vtl::gui
