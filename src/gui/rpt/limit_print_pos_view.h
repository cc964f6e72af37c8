#pragma once
// The window "Purchase Order Printing Limits": which orders "Generate POs"
// prints and how they are numbered and flagged.
#include <QDialog>

#include "vtlporpt/limit_print_pos.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace vtl::gui {

class LimitPrintPOsView : public QDialog {
    Q_OBJECT
public:
    explicit LimitPrintPOsView(rpt::LimitPrintPOs& window, QWidget* parent = nullptr);

    QCheckBox* selectPONumbers() const { return select_; }
    QLineEdit* poFrom() const { return from_; }
    QLineEdit* poTo() const { return to_; }
    QLineEdit* beginningNumber() const { return beginning_; }
    QPushButton* button(const QString& caption) const;

private:
    void refresh();
    void takeNumber(QLineEdit* entry, bool from);

    rpt::LimitPrintPOs& window_;
    QCheckBox* select_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QToolButton* fromLookup_ = nullptr;
    QToolButton* toLookup_ = nullptr;
    QRadioButton* condition_[3] = {};
    QCheckBox* flag_ = nullptr;
    QRadioButton* assign_[3] = {};
    QLineEdit* beginning_ = nullptr;
};

void registerPrintViews(suite::Views& views);

}  // namespace vtl::gui
