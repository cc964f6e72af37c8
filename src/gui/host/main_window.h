#pragma once
// The host's main window: the Purchase Orders menu starts the module's
// procedures (each item enabled only once that procedure exists), the
// Setup menu the maintenance windows of the suite records and the e-mail
// settings (enabled once their window is registered), and Help the
// help pages. The window itself shows the company, the signed-on user and
// buttons for the everyday tasks.
#include <QMainWindow>
#include <map>
#include <string>
#include <vector>

#include "gui/setup/record_form.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace vtl {
class Session;
}
namespace vtl::setup {
class SetupCatalog;
}

namespace vtl::host {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Session& session, const setup::SetupCatalog& catalog, setup::FormRunner runner = setup::execForm(),
               QWidget* parent = nullptr);

    // The menu item that starts a procedure, null when there is none.
    QAction* procedureAction(const std::string& procedure) const;
    QPushButton* procedureButton(const std::string& procedure) const;
    QAction* setupAction(const std::string& title) const;
    QMenu* purchaseOrdersMenu() const { return poMenu_; }
    QMenu* setupMenu() const { return setupMenu_; }

public slots:
    // Enables what exists and shows the company's current name.
    void refresh();
    void runProcedure(const std::string& name);
    void openSetup(const std::string& title);
    // The e-mail settings in the module's settings file.
    void openEmailSettings();
    void showHelpContents();

private:
    void buildMenus();
    QWidget* buildHome();

    Session& session_;
    const setup::SetupCatalog& catalog_;
    setup::FormRunner runner_;
    QMenu* poMenu_ = nullptr;
    QMenu* setupMenu_ = nullptr;
    QLabel* company_ = nullptr;
    std::map<std::string, QAction*> procedureActions_;
    std::map<std::string, QPushButton*> procedureButtons_;
    std::map<std::string, QAction*> setupActions_;
    QAction* emailSettings_ = nullptr;
};

}  // namespace vtl::host
