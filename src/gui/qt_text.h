#pragma once
// Moving texts between the module (UTF-8 std::string) and Qt, and the suite's
// ways of writing file filters and messages in Qt's terms.
#include <QString>
#include <string>

namespace vtl::gui {

inline QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string ss(const QString& s) { return s.toUtf8().toStdString(); }

// "Text Files|*.txt|All Files|*.*" -> "Text Files (*.txt);;All Files (*.*)".
// Several patterns of one caption ("*.tif;*.bmp") become a space-separated
// list, as Qt expects. A caption without patterns is kept with "*".
QString qtFileFilter(const std::string& suiteFilter);

}  // namespace vtl::gui
