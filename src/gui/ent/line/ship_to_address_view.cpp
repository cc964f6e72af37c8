#include "gui/ent/line/ship_to_address_view.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/help.h"
#include "gui/qt_text.h"

namespace vtl::gui {
namespace {

// Long fields are shown at a width that keeps the dialog small; they scroll.
QLineEdit* entry(const std::string& value, int maxLength, int shownChars, QWidget* parent) {
    auto* e = new QLineEdit(qs(value), parent);
    e->setMaxLength(maxLength);
    e->setMinimumWidth(e->fontMetrics().averageCharWidth() * shownChars + 16);
    return e;
}

}  // namespace

EnterShipToAddressView::EnterShipToAddressView(ent::EnterShipToAddress& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
    setWindowTitle(QString::fromLatin1(ent::EnterShipToAddress::kTitle));
    // The widths of the controller's setters.
    name_ = entry(dialog_.name, 50, 40, this);
    address1_ = entry(dialog_.address1, 50, 40, this);
    address2_ = entry(dialog_.address2, 50, 40, this);
    city_ = entry(dialog_.city, 30, 24, this);
    state_ = entry(dialog_.state, 2, 3, this);
    state_->setFixedWidth(state_->fontMetrics().horizontalAdvance(QStringLiteral("WW")) + 16);
    zip_ = entry(dialog_.zip, 10, 10, this);
    zip_->setFixedWidth(zip_->fontMetrics().horizontalAdvance(QStringLiteral("00000-0000")) + 16);
    contact_ = entry(dialog_.contact, 40, 32, this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Name:"), name_);
    form->addRow(QStringLiteral("&Address:"), address1_);
    form->addRow(QString(), address2_);
    auto* place = new QHBoxLayout;
    place->addWidget(city_, 1);
    auto* stateLabel = new QLabel(QStringLiteral("&State:"), this);
    stateLabel->setBuddy(state_);
    place->addWidget(stateLabel);
    place->addWidget(state_);
    auto* zipLabel = new QLabel(QStringLiteral("&Zip:"), this);
    zipLabel->setBuddy(zip_);
    place->addWidget(zipLabel);
    place->addWidget(zip_);
    auto* cityLabel = new QLabel(QStringLiteral("C&ity:"), this);
    cityLabel->setBuddy(city_);
    form->addRow(cityLabel, place);
    form->addRow(QStringLiteral("C&ontact:"), contact_);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    bindHelpKey(this, dialog_.help);
    connect(buttons, &QDialogButtonBox::accepted, this, &EnterShipToAddressView::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &EnterShipToAddressView::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    name_->setFocus();
}

void EnterShipToAddressView::accept() {
    dialog_.setName(ss(name_->text()));
    dialog_.setAddress1(ss(address1_->text()));
    dialog_.setAddress2(ss(address2_->text()));
    dialog_.setCity(ss(city_->text()));
    dialog_.setState(ss(state_->text()));
    dialog_.setZip(ss(zip_->text()));
    dialog_.setContact(ss(contact_->text()));
    dialog_.ok();
    QDialog::accept();
}

void EnterShipToAddressView::reject() {
    dialog_.cancel();
    QDialog::reject();
}

}  // namespace vtl::gui
