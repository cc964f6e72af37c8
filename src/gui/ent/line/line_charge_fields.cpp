#include "gui/ent/line/line_charge_fields.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/bound_method.h"
#include "gui/ent/line/bound_entries.h"
#include "gui/ent/line/line_entry_util.h"
#include "gui/qt_text.h"

namespace vtl::gui {
namespace {

// Label in `column`, the entry with its look-up button beside it in the next.
void addField(QGridLayout* grid, int row, int column, const QString& label, QLineEdit* entry,
              QWidget* button = nullptr) {
    auto* l = new QLabel(label);
    l->setBuddy(entry);
    grid->addWidget(l, row, column);
    auto* field = new QHBoxLayout;
    field->setSpacing(2);
    field->addWidget(entry);
    if (button) field->addWidget(button);
    field->addStretch(1);
    grid->addLayout(field, row, column + 1);
}

// Two label and entry columns with a gap between; column 5 takes the rest.
QGridLayout* pageGrid(QWidget* page) {
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setColumnMinimumWidth(2, 12);
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(2, 1);
    return grid;
}

}  // namespace

LineChargeFields::LineChargeFields(ent::UpdatePODetail& form, BoundEntries& entries, QWidget* parent)
    : QGroupBox(QStringLiteral("Charged To"), parent), form_(form), entries_(entries) {
    pages_ = new QStackedWidget(this);
    jobPage_ = jobPage();
    accountPage_ = accountPage();
    equipmentPage_ = equipmentPage();
    inventoryPage_ = inventoryPage();
    for (QWidget* p : {jobPage_, accountPage_, equipmentPage_, inventoryPage_}) pages_->addWidget(p);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
}

void LineChargeFields::showType(const std::string& detailType) {
    QWidget* page = detailType == "Job"           ? jobPage_
                    : detailType == "G/L Account" ? accountPage_
                    : detailType == "Equipment"   ? equipmentPage_
                                                  : inventoryPage_;
    pages_->setCurrentWidget(page);
}

void LineChargeFields::act(const std::function<bool()>& action) {
    if (!entries_.commitPending()) return;
    action();
    // A cancelled look-up changed nothing; showing the line again is harmless.
    emit entries_.changed();
}

QToolButton* LineChargeFields::lookupButton(QLineEdit* entry, bool (ent::UpdatePODetail::*lookup)()) {
    auto* b = new QToolButton;
    b->setText(QStringLiteral("..."));
    b->setToolTip(QStringLiteral("Look up (F2)"));
    // Tab goes from entry to entry; the button is the mouse's way in.
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QToolButton::clicked, this, [this, action = boundMethod(form_, lookup)] { act(action); });
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), entry, nullptr, nullptr, Qt::WidgetShortcut);
    connect(f2, &QShortcut::activated, b, &QToolButton::click);
    return b;
}

QWidget* LineChargeFields::jobPage() {
    auto* page = new QWidget;
    auto* grid = pageGrid(page);
    job = sizedEntry(10, page);
    costCode = sizedEntry(form_.costCodeLength(), page);
    costType = sizedEntry(4, page);
    entries_.bind(job, [this] { return qs(form_.line().JobID.clip()); },
                  [this](const QString& t) { return form_.setJob(ss(t)); });
    entries_.bind(costCode, [this] { return qs(form_.costCodeProper()); },
                  [this](const QString& t) { return form_.setCostCode(ss(t), ss(costType->text())); }, costType);
    entries_.bind(costType, [this] { return qs(form_.costType()); },
                  [this](const QString& t) { return form_.setCostCode(ss(costCode->text()), ss(t)); }, costCode);
    lookupJob = lookupButton(job, &ent::UpdatePODetail::lookupJob);
    lookupCostCode = lookupButton(costCode, &ent::UpdatePODetail::lookupCostCode);
    addField(grid, 0, 0, QStringLiteral("&Job:"), job, lookupJob);
    addField(grid, 1, 0, QStringLiteral("Co&st Code:"), costCode, lookupCostCode);
    addField(grid, 1, 3, QStringLiteral("Cost T&ype:"), costType);
    return page;
}

QWidget* LineChargeFields::accountPage() {
    auto* page = new QWidget;
    auto* grid = pageGrid(page);
    account = sizedEntry(12, page);
    entries_.bind(account, [this] { return qs(form_.line().Account.clip()); },
                  [this](const QString& t) { return form_.setAccount(ss(t)); });
    lookupAccount = lookupButton(account, &ent::UpdatePODetail::lookupAccount);
    addField(grid, 0, 0, QStringLiteral("&Account:"), account, lookupAccount);
    return page;
}

QWidget* LineChargeFields::equipmentPage() {
    auto* page = new QWidget;
    auto* grid = pageGrid(page);
    equipment = sizedEntry(10, page);
    costCategory = sizedEntry(10, page);
    entries_.bind(equipment, [this] { return qs(form_.line().EquipmentID.clip()); },
                  [this](const QString& t) { return form_.setEquipment(ss(t)); });
    entries_.bind(costCategory, [this] { return qs(form_.line().CostCategory.clip()); },
                  [this](const QString& t) { return form_.setCostCategory(ss(t)); });
    lookupEquipment = lookupButton(equipment, &ent::UpdatePODetail::lookupEquipment);
    lookupCostCategory = lookupButton(costCategory, &ent::UpdatePODetail::lookupCostCategory);
    addField(grid, 0, 0, QStringLiteral("&Equipment:"), equipment, lookupEquipment);
    addField(grid, 1, 0, QStringLiteral("Cost Categor&y:"), costCategory, lookupCostCategory);
    return page;
}

QWidget* LineChargeFields::inventoryPage() {
    auto* page = new QWidget;
    auto* grid = pageGrid(page);
    item = sizedEntry(15, page);
    unit = sizedEntry(8, page);
    location = sizedEntry(10, page);
    bin = sizedEntry(10, page);
    entries_.bind(item, [this] { return qs(form_.line().ItemID.clip()); },
                  [this](const QString& t) { return form_.setItem(ss(t)); });
    entries_.bind(unit, [this] { return qs(form_.line().UnitName.clip()); },
                  [this](const QString& t) { return form_.setUnit(ss(t)); });
    entries_.bind(location, [this] { return qs(form_.line().LocationID.clip()); },
                  [this](const QString& t) { return form_.setLocation(ss(t)); });
    entries_.bind(bin, [this] { return qs(form_.line().BinID.clip()); },
                  [this](const QString& t) { return form_.setBin(ss(t)); });
    lookupItem = lookupButton(item, &ent::UpdatePODetail::lookupItem);
    lookupLocation = lookupButton(location, &ent::UpdatePODetail::lookupLocation);
    lookupBin = lookupButton(bin, &ent::UpdatePODetail::lookupBin);
    addField(grid, 0, 0, QStringLiteral("&Item:"), item, lookupItem);
    addField(grid, 0, 3, QStringLiteral("&Unit:"), unit);
    addField(grid, 1, 0, QStringLiteral("&Location:"), location, lookupLocation);
    addField(grid, 1, 3, QStringLiteral("&Bin:"), bin, lookupBin);
    betterPrices = new QPushButton(QStringLiteral("Better &Prices"), page);
    betterPrices->setAutoDefault(false);
    betterPrices->setToolTip(QStringLiteral("Other vendors of the item with lower prices"));
    connect(betterPrices, &QPushButton::clicked, this, [this] { act([this] { return form_.choosePriorityVendor(); }); });
    grid->addWidget(betterPrices, 0, 6);
    return page;
}

}  // namespace vtl::gui
