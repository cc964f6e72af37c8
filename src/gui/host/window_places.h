#pragma once
// Window positions and sizes kept in the settings file between runs: each
// window has a section of its own with its place, size and whether it was
// maximised.
#include <string>

class QWidget;

namespace vtl::suite {
class IniFile;
}

namespace vtl::host {

// Puts the window where it was last; a place that no screen shows any more
// (a monitor taken away) is left to the window system.
void restorePlace(QWidget* window, const suite::IniFile& settings, const std::string& name);
void savePlace(const QWidget* window, suite::IniFile& settings, const std::string& name);
// Restores now, and saves each time the window is closed or hidden. The
// settings object must outlive the window.
void keepPlace(QWidget* window, suite::IniFile& settings, const std::string& name);

}  // namespace vtl::host
