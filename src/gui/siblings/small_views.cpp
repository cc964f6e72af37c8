#include "gui/siblings/small_views.h"

#include <QCursor>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/qt_text.h"

namespace vtl::gui {

AccountView::AccountView(services::EditAccountNum& account, QWidget* parent) : QDialog(parent), account_(account) {
    setWindowTitle(qs(account.title()));
    entry_ = new QLineEdit(qs(account.text()), this);
    entry_->setMaxLength(services::EditAccountNum::kLength);
    entry_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9-]*")), entry_));
    auto* find = new QToolButton(this);
    find->setText(QStringLiteral("..."));
    find->setToolTip(tr("Select an account"));
    description_ = new QLabel(this);
    description_->setMinimumWidth(240);

    auto* row = new QHBoxLayout;
    row->addWidget(entry_, 1);
    row->addWidget(find);
    auto* form = new QFormLayout;
    auto* caption = new QLabel(tr("&Account:"), this);
    caption->setBuddy(entry_);
    form->addRow(caption, row);
    form->addRow(QString(), description_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(entry_, &QLineEdit::textEdited, this, [this](const QString& t) {
        account_.setText(ss(t));
        description_->setText(qs(account_.description()));
    });
    connect(find, &QToolButton::clicked, this, [this] { lookup(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    refresh();
}

void AccountView::refresh() {
    entry_->setText(qs(account_.text()));
    description_->setText(qs(account_.description()));
}

void AccountView::lookup() {
    if (account_.lookup()) refresh();
}

void AccountView::done(int result) {
    // OK closes only on an account that is on file (or none at all).
    if (result == QDialog::Accepted) {
        account_.setText(ss(entry_->text()));
        if (!account_.accept()) {
            entry_->setFocus();
            entry_->selectAll();
            return;
        }
    }
    QDialog::done(result);
}

CaseMenu::CaseMenu(services::GetCase& menu, QWidget* parent) : QMenu(parent), menu_(menu) {
    const auto entries = menu.entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        QAction* a = addAction(qs(entries[i]));
        connect(a, &QAction::triggered, this, [this, i] { menu_.choose(static_cast<int>(i)); });
    }
}

void CaseMenu::run() { exec(QCursor::pos()); }

SendToView::SendToView(services::SendToWindow& sendTo, QWidget* parent) : QDialog(parent), sendTo_(sendTo) {
    setWindowTitle(qs(sendTo.title()));
    auto* caption = new QLabel(
        tr("Send the %1 rows of \"%2\" to:").arg(sendTo.rowCount()).arg(qs(sendTo.listTitle())), this);
    caption->setWordWrap(true);
    clipboard_ = new QPushButton(tr("Copy to the &Clipboard"), this);
    clipboard_->setToolTip(tr("Tab-separated, ready to paste into a spreadsheet"));
    csv_ = new QPushButton(tr("Save as a CS&V File..."), this);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setAutoDefault(false);
    clipboard_->setEnabled(sendTo.rowCount() > 0);
    csv_->setEnabled(sendTo.rowCount() > 0);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(clipboard_);
    layout->addWidget(csv_);
    layout->addLayout(buttons);

    connect(clipboard_, &QPushButton::clicked, this, [this] {
        if (sendTo_.toClipboard()) accept();
    });
    connect(csv_, &QPushButton::clicked, this, [this] {
        if (sendTo_.toCsvFile()) accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumWidth(320);
}

}  // namespace vtl::gui
