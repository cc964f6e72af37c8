#pragma once
// The small service windows: the account-number entry, the text-case menu
// and the send-to window.
#include <QDialog>
#include <QMenu>

#include "siblings/services/account_number.h"
#include "siblings/services/send_to.h"
#include "siblings/services/text_case.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vtl::gui {

class AccountView : public QDialog {
    Q_OBJECT
public:
    explicit AccountView(services::EditAccountNum& account, QWidget* parent = nullptr);

    QLineEdit* entry() const { return entry_; }
    void lookup();
    void done(int result) override;

private:
    void refresh();

    services::EditAccountNum& account_;
    QLineEdit* entry_ = nullptr;
    QLabel* description_ = nullptr;
};

// The menu of text cases, shown where the mouse is.
class CaseMenu : public QMenu {
    Q_OBJECT
public:
    explicit CaseMenu(services::GetCase& menu, QWidget* parent = nullptr);
    // Shows the menu and hands the choice to the controller.
    void run();

private:
    services::GetCase& menu_;
};

class SendToView : public QDialog {
    Q_OBJECT
public:
    explicit SendToView(services::SendToWindow& sendTo, QWidget* parent = nullptr);

    QPushButton* clipboardButton() const { return clipboard_; }
    QPushButton* csvButton() const { return csv_; }

private:
    services::SendToWindow& sendTo_;
    QPushButton* clipboard_ = nullptr;
    QPushButton* csv_ = nullptr;
};

}  // namespace vtl::gui
