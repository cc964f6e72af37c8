#pragma once
// What a purchase-order line is charged to: one page of entries per detail
// type, of which only the line's own type is shown. Each charge entry has a
// small look-up button beside it (F2 in the entry does the same).
#include <QGroupBox>
#include <functional>

#include "vtlpoent/line/update_po_detail.h"

class QLineEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace vtl::gui {

class BoundEntries;

class LineChargeFields : public QGroupBox {
    Q_OBJECT
public:
    LineChargeFields(ent::UpdatePODetail& form, BoundEntries& entries, QWidget* parent = nullptr);

    // The page of the line's detail type.
    void showType(const std::string& detailType);

    QLineEdit* job = nullptr;
    QLineEdit* costCode = nullptr;
    QLineEdit* costType = nullptr;
    QLineEdit* account = nullptr;
    QLineEdit* equipment = nullptr;
    QLineEdit* costCategory = nullptr;
    QLineEdit* item = nullptr;
    QLineEdit* unit = nullptr;
    QLineEdit* location = nullptr;
    QLineEdit* bin = nullptr;
    QToolButton* lookupJob = nullptr;
    QToolButton* lookupCostCode = nullptr;
    QToolButton* lookupAccount = nullptr;
    QToolButton* lookupEquipment = nullptr;
    QToolButton* lookupCostCategory = nullptr;
    QToolButton* lookupItem = nullptr;
    QToolButton* lookupLocation = nullptr;
    QToolButton* lookupBin = nullptr;
    QPushButton* betterPrices = nullptr;

private:
    QWidget* jobPage();
    QWidget* accountPage();
    QWidget* equipmentPage();
    QWidget* inventoryPage();
    QToolButton* lookupButton(QLineEdit* entry, bool (ent::UpdatePODetail::*lookup)());
    // A look-up or a button works on what was typed so far, then shows
    // whatever it filled in.
    void act(const std::function<bool()>& action);

    ent::UpdatePODetail& form_;
    BoundEntries& entries_;
    QStackedWidget* pages_ = nullptr;
    QWidget* jobPage_ = nullptr;
    QWidget* accountPage_ = nullptr;
    QWidget* equipmentPage_ = nullptr;
    QWidget* inventoryPage_ = nullptr;
};

}  // namespace vtl::gui
