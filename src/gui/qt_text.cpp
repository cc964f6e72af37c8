#include "gui/qt_text.h"

#include <QStringList>

namespace vtl::gui {

QString qtFileFilter(const std::string& suiteFilter) {
    const QStringList parts = qs(suiteFilter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString caption = parts[i].trimmed();
        QString patterns = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
        if (caption.isEmpty() && patterns.isEmpty()) continue;
        if (patterns.isEmpty()) patterns = QStringLiteral("*");
        QStringList list = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : list) p = p.trimmed();
        filters << QStringLiteral("%1 (%2)").arg(caption.isEmpty() ? list.join(QLatin1Char(' ')) : caption,
                                                  list.join(QLatin1Char(' ')));
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace vtl::gui
