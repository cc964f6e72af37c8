#include "pdf_baseline.h"

#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cstdlib>

#include "bench_util.h"

namespace vtl::bench {
namespace {

// 60 strings, 20 lines and 5 boxes.
void baselinePage(QPainter& p, int page) {
    const double mil = p.device()->logicalDpiX() / 1000.0;
    auto r = [mil](int x, int y, int w, int h) { return QRectF(x * mil, y * mil, w * mil, h * mil); };
    QFont font("Liberation Sans");
    font.setPixelSize(static_cast<int>(140 * mil));
    p.setFont(font);
    for (int i = 0; i < 5; ++i) p.drawRect(r(500, 1000 + i * 1800, 7500, 1600));
    for (int i = 0; i < 20; ++i)
        p.drawLine(QPointF(500 * mil, (1200 + i * 450) * mil), QPointF(8000 * mil, (1200 + i * 450) * mil));
    for (int i = 0; i < 60; ++i)
        p.drawText(r(600 + (i % 3) * 2500, 1100 + (i / 3) * 450, 2400, 200), Qt::AlignLeft,
                   QString("Plywood form panel %1 line %2").arg(page).arg(i));
}

}  // namespace

double writeBaselinePdf(const std::string& path, int pages) {
    Stopwatch clock;
    {
        QPdfWriter writer(QString::fromStdString(path));
        writer.setResolution(1200);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        QPainter painter(&writer);
        for (int pg = 0; pg < pages; ++pg) {
            if (pg) writer.newPage();
            baselinePage(painter, pg);
        }
    }
    return clock.seconds();
}

int pagesSaid(const std::string& said) {
    const std::size_t at = said.find(" (");
    return at == std::string::npos ? 0 : std::atoi(said.c_str() + at + 2);
}

}  // namespace vtl::bench
