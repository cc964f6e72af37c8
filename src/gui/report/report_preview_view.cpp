#include "gui/report/report_preview_view.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "gui/qt_text.h"
#include "report/render/draw.h"

namespace vtl::gui {
namespace {

// The zoom box's entries: the two fits, then percentages of the real size.
constexpr int kPageWidth = -1;
constexpr int kWholePage = -2;
constexpr int kPercents[] = {50, 75, 100, 125, 150, 200, 300, 400};
// Grey around the page, in pixels.
constexpr int kMargin = 12;
constexpr int kMinDpi = 10;
// The largest picture a page is drawn into, in pixels; beyond it the page
// is drawn coarser and stretched.
constexpr double kMaxPixels = 40e6;

}  // namespace

// The page shown: drawn when first painted at a zoom, then kept as a picture.
class PreviewCanvas : public QWidget {
public:
    explicit PreviewCanvas(QWidget* parent) : QWidget(parent) {}

    void showPage(const report::Page* page, int index, int dpi) {
        page_ = page;
        index_ = index;
        dpi_ = dpi;
        if (!page_) {
            setFixedSize(0, 0);
        } else {
            setFixedSize(pageSize() + QSize(2 * kMargin, 2 * kMargin));
        }
        update();
    }
    int drawn() const { return drawn_; }

protected:
    void paintEvent(QPaintEvent*) override {
        if (!page_) return;
        // The picture has the screen's own pixels (two per point on a high-density screen).
        const double ratio = devicePixelRatioF();
        double dpi = dpi_ * ratio;
        const double pixels = page_->width * dpi / 1000.0 * page_->height * dpi / 1000.0;
        if (pixels > kMaxPixels) dpi *= std::sqrt(kMaxPixels / pixels);
        const int renderDpi = std::max(1, static_cast<int>(dpi));
        if (imageIndex_ != index_ || imageDpi_ != renderDpi || imagePage_ != page_) {
            image_ = render::renderPage(*page_, renderDpi);
            imageIndex_ = index_;
            imageDpi_ = renderDpi;
            imagePage_ = page_;
            ++drawn_;
        }
        QPainter p(this);
        const QRect paper(QPoint(kMargin, kMargin), pageSize());
        p.fillRect(paper.translated(3, 3), palette().color(QPalette::Shadow));
        p.drawImage(paper, image_);
    }

private:
    QSize pageSize() const {
        return QSize(std::max(1, page_->width * dpi_ / 1000), std::max(1, page_->height * dpi_ / 1000));
    }

    const report::Page* page_ = nullptr;
    int index_ = -1;
    int dpi_ = 96;
    QImage image_;
    const report::Page* imagePage_ = nullptr;
    int imageIndex_ = -1;
    int imageDpi_ = 0;
    int drawn_ = 0;
};

ReportPreviewView::ReportPreviewView(report::ReportPreview& preview, QWidget* parent)
    : QDialog(parent), preview_(preview) {
    const std::string& title = preview_.title().empty() ? preview_.document().title : preview_.title();
    setWindowTitle(qs(title));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);

    first_ = new QPushButton(QStringLiteral("First"), this);
    previous_ = new QPushButton(QStringLiteral("Previous"), this);
    next_ = new QPushButton(QStringLiteral("Next"), this);
    last_ = new QPushButton(QStringLiteral("Last"), this);
    first_->setToolTip(QStringLiteral("First page (Ctrl+Home)"));
    previous_->setToolTip(QStringLiteral("Previous page (Ctrl+Page Up)"));
    next_->setToolTip(QStringLiteral("Next page (Ctrl+Page Down)"));
    last_->setToolTip(QStringLiteral("Last page (Ctrl+End)"));
    pageLabel_ = new QLabel(this);
    pageLabel_->setAlignment(Qt::AlignCenter);
    pageLabel_->setMinimumWidth(pageLabel_->fontMetrics().horizontalAdvance(QStringLiteral("Page 0000 of 0000")));

    zoom_ = new QComboBox(this);
    zoom_->addItem(QStringLiteral("Page Width"), kPageWidth);
    zoom_->addItem(QStringLiteral("Whole Page"), kWholePage);
    for (int percent : kPercents) zoom_->addItem(QString::number(percent) + QLatin1Char('%'), percent);
    zoomOut_ = new QPushButton(QStringLiteral("Zoom Out"), this);
    zoomIn_ = new QPushButton(QStringLiteral("Zoom In"), this);

    print_ = new QPushButton(QStringLiteral("&Print"), this);
    for (const std::string& text : preview_.buttons()) reportButtons_.push_back(new QPushButton(qs(text), this));
    close_ = new QPushButton(QStringLiteral("Close"), this);

    // Enter presses no button: printing or sending is always a click.
    for (QPushButton* b : findChildren<QPushButton*>()) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    canvas_ = new PreviewCanvas(this);
    scroll_ = new QScrollArea(this);
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setWidget(canvas_);
    scroll_->installEventFilter(this);

    auto* top = new QHBoxLayout;
    top->addWidget(first_);
    top->addWidget(previous_);
    top->addWidget(pageLabel_);
    top->addWidget(next_);
    top->addWidget(last_);
    top->addSpacing(24);
    top->addWidget(zoom_);
    top->addWidget(zoomOut_);
    top->addWidget(zoomIn_);
    top->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(print_);
    for (QPushButton* b : reportButtons_) bottom->addWidget(b);
    bottom->addStretch(1);
    bottom->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(scroll_, 1);
    layout->addLayout(bottom);

    connect(first_, &QPushButton::clicked, this, [this] { goTo(0); });
    connect(previous_, &QPushButton::clicked, this, [this] { goTo(preview_.page() - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { goTo(preview_.page() + 1); });
    connect(last_, &QPushButton::clicked, this, [this] { goTo(preview_.pageCount() - 1); });
    connect(zoom_, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(zoomIn_, &QPushButton::clicked, this, [this] { zoomStep(1); });
    connect(zoomOut_, &QPushButton::clicked, this, [this] { zoomStep(-1); });
    connect(print_, &QPushButton::clicked, this, [this] {
        preview_.print();
        accept();
    });
    for (int i = 0; i < static_cast<int>(reportButtons_.size()); ++i) {
        connect(reportButtons_[i], &QPushButton::clicked, this, [this, i] {
            preview_.press(i);
            accept();
        });
    }
    connect(close_, &QPushButton::clicked, this, &ReportPreviewView::reject);

    // As the report asks: 0 the real size, 2 the whole page, else the page's width.
    const int style = preview_.zoomStyle();
    zoom_->setCurrentIndex(style == 0 ? zoom_->findData(100) : style == 2 ? zoom_->findData(kWholePage)
                                                                          : zoom_->findData(kPageWidth));

    // Fits a 1366 x 768 screen with room for the window's frame and a task bar.
    QSize size(1000, 700);
    if (const QScreen* s = screen()) size = size.boundedTo(s->availableGeometry().size() - QSize(40, 60));
    resize(size);
    refresh();
}

int ReportPreviewView::pagesDrawn() const { return canvas_->drawn(); }

void ReportPreviewView::reject() {
    preview_.close();
    QDialog::reject();
}

void ReportPreviewView::keyPressEvent(QKeyEvent* event) {
    // The page keys with Ctrl move between pages (without, they scroll the page).
    if (event->modifiers() == Qt::ControlModifier) {
        QPushButton* button = event->key() == Qt::Key_Home       ? first_
                              : event->key() == Qt::Key_PageUp   ? previous_
                              : event->key() == Qt::Key_PageDown ? next_
                              : event->key() == Qt::Key_End      ? last_
                                                                 : nullptr;
        if (button) {
            button->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

bool ReportPreviewView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_ && event->type() == QEvent::Resize && zoom_->currentData().toInt() < 0) refresh();
    return QDialog::eventFilter(watched, event);
}

void ReportPreviewView::goTo(int page) {
    preview_.setPage(page);
    refresh();
}

void ReportPreviewView::zoomStep(int direction) {
    const double percent = dpi_ * 100.0 / logicalDpiX();
    int index = -1;
    for (int p : kPercents) {
        if (direction > 0 && p > percent + 0.5) {
            index = zoom_->findData(p);
            break;
        }
        if (direction < 0 && p < percent - 0.5) index = zoom_->findData(p);
    }
    if (index >= 0) zoom_->setCurrentIndex(index);
}

int ReportPreviewView::fitDpi(bool wholePage) const {
    const report::Page& page = preview_.document().pages[preview_.page()];
    const QSize room = scroll_->maximumViewportSize() - QSize(2 * kMargin, 2 * kMargin);
    // Fitting the width leaves room for the scroll bar the page's height brings.
    const int width = room.width() - (wholePage ? 0 : scroll_->verticalScrollBar()->sizeHint().width());
    int dpi = width * 1000 / std::max(1, page.width);
    if (wholePage) dpi = std::min(dpi, room.height() * 1000 / std::max(1, page.height));
    return std::max(kMinDpi, dpi);
}

void ReportPreviewView::refresh() {
    const int count = preview_.pageCount();
    const int page = preview_.page();
    pageLabel_->setText(qs(preview_.pageOfPages()));
    first_->setEnabled(page > 0);
    previous_->setEnabled(page > 0);
    next_->setEnabled(page + 1 < count);
    last_->setEnabled(page + 1 < count);
    print_->setEnabled(count > 0);
    if (count == 0) {
        canvas_->showPage(nullptr, -1, dpi_);
        zoomIn_->setEnabled(false);
        zoomOut_->setEnabled(false);
        return;
    }
    const int zoom = zoom_->currentData().toInt();
    dpi_ = zoom == kPageWidth ? fitDpi(false) : zoom == kWholePage ? fitDpi(true) : zoom * logicalDpiX() / 100;
    const double percent = dpi_ * 100.0 / logicalDpiX();
    zoomIn_->setEnabled(percent + 0.5 < kPercents[std::size(kPercents) - 1]);
    zoomOut_->setEnabled(percent - 0.5 > kPercents[0]);
    canvas_->showPage(&preview_.document().pages[page], page, dpi_);
    if (page != shownPage_) {
        shownPage_ = page;
        scroll_->verticalScrollBar()->setValue(0);
        scroll_->horizontalScrollBar()->setValue(0);
    }
}

}  // namespace vtl::gui
