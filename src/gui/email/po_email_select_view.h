#pragma once
// The choice of e-mail recipients: the list with its check column, name and
// address, and Proceed. Space or a click on the check column turns a tag;
// Proceed, Escape and closing the window all go through the controller's
// proceed(), which may keep the window open.
#include <QDialog>

#include "vtlporpt/email/po_email_select.h"

class QPushButton;
class QTableView;

namespace vtl::gui {

class RecipientModel;

class POEmailSelectView : public QDialog {
    Q_OBJECT
public:
    explicit POEmailSelectView(rpt::POEmailSelect& select, QWidget* parent = nullptr);

    QTableView* list() const { return list_; }
    QPushButton* proceedButton() const { return proceed_; }

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void toggle(int row);

    rpt::POEmailSelect& select_;
    RecipientModel* model_ = nullptr;
    QTableView* list_ = nullptr;
    QPushButton* proceed_ = nullptr;
};

}  // namespace vtl::gui
