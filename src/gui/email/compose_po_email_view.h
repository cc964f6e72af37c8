#pragma once
// The e-mail window of a purchase order: the recipients (name and address,
// typed over in place, with Add and Remove), the subject, the body, the
// attached file's name, and Send and Cancel. Every change goes to the
// controller at once; Send closes the window only when the message went.
#include <QDialog>

#include "vtlporpt/email/compose_po_email.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace vtl::gui {

class RecipientModel;

class ComposePOEmailView : public QDialog {
    Q_OBJECT
public:
    explicit ComposePOEmailView(rpt::ComposePOEmail& compose, QWidget* parent = nullptr);

    QTableView* recipients() const { return list_; }
    QLineEdit* subject() const { return subject_; }
    QPlainTextEdit* body() const { return body_; }
    QLabel* attachment() const { return attachment_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* removeButton() const { return remove_; }
    QPushButton* sendButton() const { return send_; }
    QPushButton* cancelButton() const { return cancel_; }

    void done(int result) override;

private:
    void send();
    void editRow(int row, int column);

    rpt::ComposePOEmail& compose_;
    RecipientModel* model_ = nullptr;
    QTableView* list_ = nullptr;
    QLineEdit* subject_ = nullptr;
    QPlainTextEdit* body_ = nullptr;
    QLabel* attachment_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* send_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace vtl::gui
