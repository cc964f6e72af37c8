#include "gui/host/sign_on.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "gui/table_model.h"
#include "records/users.h"

namespace vtl::host {

std::vector<SignOnUser> signOnUsers(store::Store& store) {
    std::vector<SignOnUser> users;
    auto cursor = store::Table<UserFile>(store).all(UserFile::KeyUserID);
    UserFile u;
    while (cursor.next(u)) {
        std::string name = u.FirstName.clip();
        const std::string last = u.LastName.clip();
        if (!last.empty()) name += (name.empty() ? "" : " ") + last;
        users.push_back({u.UserID.clip(), name});
    }
    return users;
}

SignOnDialog::SignOnDialog(std::vector<SignOnUser> users, std::function<void()> help, QWidget* parent)
    : QDialog(parent), users_(std::move(users)) {
    setWindowTitle(QStringLiteral("Sign On"));
    setObjectName("signOn");
    auto* prompt = new QLabel(QStringLiteral("Choose your &user ID:"), this);
    list_ = new QTableView(this);
    list_->setObjectName("users");
    prompt->setBuddy(list_);
    model_ = new gui::TableModel(list_);
    model_->setColumns({{"User ID", 36, ui::Align::Left}, {"Name", 140, ui::Align::Left}});
    std::vector<std::vector<std::string>> rows;
    for (const auto& u : users_) rows.push_back({u.id, u.name});
    model_->setRows(rows);
    gui::setUpList(list_, model_);
    list_->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok_->setObjectName("ok");
    ok_->setDefault(true);
    QPushButton* cancel = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName("cancel");
    if (help) {
        QPushButton* h = buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
        h->setObjectName("help");
        connect(h, &QPushButton::clicked, this, help);
        auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
        connect(f1, &QShortcut::activated, this, help);
    }
    connect(ok_, &QPushButton::clicked, this, &SignOnDialog::choose);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QTableView::doubleClicked, this, &SignOnDialog::choose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(360, 300);
    if (!users_.empty()) list_->selectRow(0);
    ok_->setEnabled(!users_.empty());
}

void SignOnDialog::setCurrentUser(const std::string& id) {
    for (std::size_t i = 0; i < users_.size(); ++i) {
        // User IDs are typed in capitals, but a command line may not be.
        if (QString::compare(gui::qs(users_[i].id), gui::qs(id), Qt::CaseInsensitive) == 0) {
            list_->selectRow(static_cast<int>(i));
            return;
        }
    }
}

void SignOnDialog::choose() {
    const QModelIndex i = list_->currentIndex();
    if (!i.isValid() || i.row() >= static_cast<int>(users_.size())) return;
    chosen_ = users_[static_cast<std::size_t>(i.row())].id;
    accept();
}

std::optional<std::string> signOn(store::Store& store, ui::Ui& ui, const std::string& requested,
                                  const std::string& lastUser, const SignOnRunner& run,
                                  std::function<void()> help) {
    const auto users = signOnUsers(store);
    if (users.empty()) {
        ui.tell("There are no users in this data folder yet.|Add them under Setup, Users.", "Sign On",
                ui::Icon::Information);
        return std::string();
    }
    if (!requested.empty()) {
        for (const auto& u : users)
            if (QString::compare(gui::qs(u.id), gui::qs(requested), Qt::CaseInsensitive) == 0) return u.id;
        ui.tell("There is no user \"" + requested + "\" in this data folder.|Choose your user ID from the list.",
                "Sign On", ui::Icon::Exclamation);
    }
    SignOnDialog dialog(users, std::move(help));
    dialog.setCurrentUser(lastUser);
    run(dialog);
    return dialog.chosen();
}

}  // namespace vtl::host
