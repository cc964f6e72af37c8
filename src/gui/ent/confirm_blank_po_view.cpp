#include "gui/ent/confirm_blank_po_view.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/qt_text.h"

namespace vtl::gui {

ConfirmBlankPOView::ConfirmBlankPOView(ent::ConfirmBlankPO& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
    setWindowTitle(QString::fromLatin1(ent::ConfirmBlankPO::kTitle));
    poNumber_ = new QLineEdit(qs(dialog_.poNumber), this);
    poNumber_->setMaxLength(15);
    poNumber_->setMinimumWidth(poNumber_->fontMetrics().horizontalAdvance(QString(15, QLatin1Char('W'))) * 2 / 3);
    next_ = new QCheckBox(QStringLiteral("&Use the next PO number"), this);
    next_->setChecked(dialog_.useNextNumber);
    poNumber_->setEnabled(!dialog_.useNextNumber);
    connect(next_, &QCheckBox::toggled, poNumber_, [this](bool on) { poNumber_->setEnabled(!on); });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&PO Number:"), poNumber_);
    form->addRow(QString(), next_);
    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void ConfirmBlankPOView::done(int result) {
    if (result == QDialog::Accepted) {
        dialog_.useNextNumber = next_->isChecked();
        dialog_.poNumber = ss(poNumber_->text().trimmed());
        dialog_.ok();
    } else {
        dialog_.cancel();
    }
    QDialog::done(result);
}

}  // namespace vtl::gui
