#include "gui/help.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace vtl::gui {

void bindHelpKey(QWidget* window, ui::Ui& ui, const std::string& installFolder, const std::string& topic) {
    bindHelpKey(window, [&ui, installFolder, topic] { openHelp(ui, installFolder, topic); });
}

void bindHelpKey(QWidget* window, std::function<void()> help) {
    auto* shortcut = new QShortcut(QKeySequence::HelpContents, window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, [help = std::move(help)] {
        if (help) help();
    });
}

}  // namespace vtl::gui
