#pragma once
// Help pages: every window's topic is a page of the installation's html/
// folder, shown in the program's help window (or the desktop's browser).
#include <string>

#include "platform/suite/session.h"

namespace vtl::services {

// "<installFolder>/html/<page>" for a topic named with or without its folder
// ("html/PO_Enter_Purchase_Orders.htm", "html\\...", or the bare page name).
// Any "#section" part is left out: it names a place inside the page.
std::string helpPagePath(const std::string& installFolder, const std::string& topic);

// Opens the topic's page. A page that is not installed, or one the desktop
// cannot open, is told to the person; false then.
bool openHelp(ui::Ui& ui, const std::string& installFolder, const std::string& topic);
inline bool openHelp(Session& session, const std::string& topic) {
    return openHelp(session.ui, session.installFolder, topic);
}

}  // namespace vtl::services
