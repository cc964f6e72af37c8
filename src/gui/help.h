#pragma once
// Help in the windows: F1 and every "Help" button open the window's topic
// from the html/ folder of the installation with the desktop's browser.
#include <functional>
#include <string>

#include "platform/ui/ui.h"
#include "siblings/services/help_topic.h"

class QWidget;

namespace vtl::gui {

using services::helpPagePath;
using services::openHelp;

// F1 anywhere in `window` opens the topic.
void bindHelpKey(QWidget* window, ui::Ui& ui, const std::string& installFolder, const std::string& topic);
// F1 anywhere in `window` calls `help` (a controller's own help action).
void bindHelpKey(QWidget* window, std::function<void()> help);

}  // namespace vtl::gui
