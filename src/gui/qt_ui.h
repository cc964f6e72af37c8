#pragma once
// The Ui port shown to a person with Qt Widgets: message boxes with the
// suite's own button lists, file dialogs, the progress window, the busy
// cursor and the look-up list.
#include <QPointer>
#include <QWidget>
#include <string>

#include "platform/ui/ui.h"

namespace vtl::gui {

class QtUi : public ui::Ui {
public:
    // `parent` is the window the dialogs sit over (the active window when
    // null); `installFolder` holds the html/ help pages that the look-up
    // windows' Help buttons open.
    explicit QtUi(QWidget* parent = nullptr, std::string installFolder = {});
    ~QtUi() override;

    void setParent(QWidget* parent) { parent_ = parent; }
    void setInstallFolder(std::string folder) { installFolder_ = std::move(folder); }
    const std::string& installFolder() const { return installFolder_; }

    int ask(const std::string& text, const std::string& title, const std::string& buttons, ui::Icon icon,
            int defaultButton = 1) override;
    void beep() override;
    void setBusy(bool busy) override;
    std::optional<std::string> openFile(const std::string& title, const ui::FileFilter& filter,
                                        const std::string& folder) override;
    std::optional<std::string> saveFile(const std::string& title, const ui::FileFilter& filter,
                                        const std::string& suggested) override;
    std::unique_ptr<ui::Progress> progress(const std::string& title, const std::string& text) override;
    std::optional<std::string> lookup(const ui::LookupSpec& spec) override;
    // In the program's help window, over the dialogs' window.
    bool showHelp(const std::string& page, const std::string& section) override;
    void copyToClipboard(const std::string& text) override;
    bool openExternally(const std::string& pathOrUrl) override;
    bool viewTextFile(const std::string& path) override;

    int busyDepth() const { return busy_; }

private:
    QWidget* dialogParent() const;

    QPointer<QWidget> parent_;
    std::string installFolder_;
    int busy_ = 0;
};

}  // namespace vtl::gui
