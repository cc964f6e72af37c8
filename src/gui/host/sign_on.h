#pragma once
// Signing on: the person picks one of the users of the data folder, or
// names one on the command line. The chosen ID becomes the module's UserID.
#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/store/store.h"
#include "platform/ui/ui.h"

class QTableView;
class QPushButton;

namespace vtl::gui {
class TableModel;
}

namespace vtl::host {

struct SignOnUser {
    std::string id;
    std::string name;  // "First Last"
};

// The users of UserFile in user-ID order.
std::vector<SignOnUser> signOnUsers(store::Store& store);

class SignOnDialog : public QDialog {
    Q_OBJECT
public:
    // `help` (when given) opens the window's help page from its Help button and F1.
    SignOnDialog(std::vector<SignOnUser> users, std::function<void()> help = {}, QWidget* parent = nullptr);

    QTableView* list() const { return list_; }
    QPushButton* okButton() const { return ok_; }
    // The highlighted user once OK was pressed; nullopt otherwise.
    const std::optional<std::string>& chosen() const { return chosen_; }
    void setCurrentUser(const std::string& id);

public slots:
    void choose();

private:
    std::vector<SignOnUser> users_;
    gui::TableModel* model_ = nullptr;
    QTableView* list_ = nullptr;
    QPushButton* ok_ = nullptr;
    std::optional<std::string> chosen_;
};

// Runs the sign-on dialog until it closes (exec for a person, a script in tests).
using SignOnRunner = std::function<void(SignOnDialog&)>;

// Decides who works: `requested` (from --user) when that user exists;
// otherwise the dialog, which starts on `requested` or the last user who
// signed on. An unknown `requested` is told first. nullopt when the person
// cancelled. A data folder without users signs on no one ("") after
// saying so, so that Setup can add them.
std::optional<std::string> signOn(store::Store& store, ui::Ui& ui, const std::string& requested,
                                  const std::string& lastUser, const SignOnRunner& run,
                                  std::function<void()> help = {});

}  // namespace vtl::host
