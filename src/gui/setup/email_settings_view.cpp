#include "gui/setup/email_settings_view.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/qt_text.h"

namespace vtl::gui {
namespace {

using rpt::Security;

const Security kChoices[] = {Security::None, Security::StartTls, Security::Tls};

QLineEdit* entry(const std::string& text, const char* name, QWidget* parent) {
    auto* e = new QLineEdit(qs(text), parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QString(34, QLatin1Char('x'))));
    return e;
}

}  // namespace

EmailSettingsView::EmailSettingsView(rpt::EmailSetup& setup, QWidget* parent) : QDialog(parent), setup_(setup) {
    setWindowTitle(QString::fromLatin1(rpt::EmailSetup::kTitle));
    const rpt::EmailSettings& v = setup_.values;

    server_ = entry(v.server, "Server", this);
    port_ = new QSpinBox(this);
    port_->setObjectName(QStringLiteral("Port"));
    port_->setRange(0, 65535);
    port_->setSpecialValueText(QStringLiteral("Usual port"));
    port_->setValue(v.port);
    security_ = new QComboBox(this);
    security_->setObjectName(QStringLiteral("Security"));
    security_->addItem(QStringLiteral("None (port 25)"));
    security_->addItem(QStringLiteral("STARTTLS (port 587)"));
    security_->addItem(QStringLiteral("TLS from the start (port 465)"));
    // A value the file holds that is none of these is shown as no choice.
    security_->setCurrentIndex(-1);
    for (int i = 0; i < 3; ++i)
        if (kChoices[i] == v.security) security_->setCurrentIndex(i);
    user_ = entry(v.user, "User", this);
    password_ = entry(v.password, "Password", this);
    password_->setEchoMode(QLineEdit::Password);
    from_ = entry(v.from, "From", this);
    from_->setPlaceholderText(QStringLiteral("Company Name <orders@example.com>"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Mail &Server:"), server_);
    form->addRow(QStringLiteral("&Port:"), port_);
    form->addRow(QStringLiteral("Se&curity:"), security_);
    form->addRow(QStringLiteral("&User:"), user_);
    form->addRow(QStringLiteral("Pass&word:"), password_);
    form->addRow(QStringLiteral("&From:"), from_);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    auto* help = buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, [this] { setup_.help(); });
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] { setup_.help(); });
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    server_->setFocus();
}

void EmailSettingsView::done(int result) {
    if (result != QDialog::Accepted) {
        setup_.cancel();
        QDialog::done(result);
        return;
    }
    rpt::EmailSettings& v = setup_.values;
    v.server = ss(server_->text());
    v.port = port_->value();
    const int chosen = security_->currentIndex();
    if (chosen >= 0) v.security = kChoices[chosen];
    v.user = ss(user_->text());
    v.password = ss(password_->text());
    v.from = ss(from_->text());
    if (setup_.ok()) QDialog::done(result);
}

}  // namespace vtl::gui
