#pragma once
// The report formats of the purchase-order listing: the list
// "Purchase Order Listing" and the form "Purchase Order Listing Limits".
#include <QDialog>
#include <array>

#include "gui/siblings/list_dialog.h"
#include "vtlporpt/listing/browse_po_list_limits.h"
#include "vtlporpt/listing/update_po_list_limits.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace vtl::gui {

class BrowsePOListLimitsView : public ListDialog {
    Q_OBJECT
public:
    explicit BrowsePOListLimitsView(rpt::BrowsePOListLimits& list, QWidget* parent = nullptr);
    QLineEdit* locator() const { return locator_; }

private:
    void refresh();
    void follow();

    rpt::BrowsePOListLimits& list_;
    QLineEdit* locator_ = nullptr;
};

class UpdatePOListLimitsView : public QDialog {
    Q_OBJECT
public:
    explicit UpdatePOListLimitsView(rpt::UpdatePOListLimits& form, QWidget* parent = nullptr);
    QPushButton* button(const QString& caption) const;

private:
    struct LimitControls {
        QGroupBox* group = nullptr;
        std::array<QRadioButton*, 3> choice{};
        QLineEdit* from = nullptr;
        QLineEdit* to = nullptr;
        QToolButton* fromLookup = nullptr;
        QToolButton* toLookup = nullptr;
        QPushButton* list = nullptr;
    };
    QGroupBox* limitGroup(rpt::Limit which, const QString& title);
    void take(rpt::Limit which, bool from);
    void lookup(rpt::Limit which, bool from);
    QString shown(rpt::Limit which, bool from) const;
    void refresh();

    rpt::UpdatePOListLimits& form_;
    std::array<LimitControls, 4> limits_{};
    QLineEdit* title_ = nullptr;
    QComboBox* user_ = nullptr;
    QCheckBox* lock_ = nullptr;
    std::array<QCheckBox*, 3> states_{};
    QCheckBox* detail_ = nullptr;
    QCheckBox* negative_ = nullptr;
    std::array<QRadioButton*, 2> lines_{};
    std::array<QRadioButton*, 4> sequence_{};
    QComboBox* dateType_ = nullptr;
    QLineEdit* dateFrom_ = nullptr;
    QLineEdit* dateTo_ = nullptr;
    QCheckBox* equipment_ = nullptr;
    QLineEdit* eqFrom_ = nullptr;
    QLineEdit* eqTo_ = nullptr;
    std::array<QRadioButton*, 2> orientation_{};
    std::array<QRadioButton*, 3> include_{};
    std::array<QRadioButton*, 3> format_{};
    bool refreshing_ = false;
};

void registerListingViews(suite::Views& views);

}  // namespace vtl::gui
