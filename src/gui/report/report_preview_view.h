#pragma once
// The preview window of a report: one page at a time at the zoom chosen
// (the page's width, the whole page, or a percentage of its real size),
// scrolled as it needs; first, previous, next and last page with "Page n of
// m"; Print, the report's own buttons, and Close (Esc). Every control goes
// to the controller; the window shows what it says. Only the page shown is
// drawn, when it is shown, so a report of any length opens at once.
#include <QDialog>
#include <vector>

#include "report/pages/devices.h"

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace vtl::gui {

class PreviewCanvas;

class ReportPreviewView : public QDialog {
    Q_OBJECT
public:
    explicit ReportPreviewView(report::ReportPreview& preview, QWidget* parent = nullptr);

    QLabel* pageLabel() const { return pageLabel_; }
    QPushButton* firstButton() const { return first_; }
    QPushButton* previousButton() const { return previous_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* lastButton() const { return last_; }
    QComboBox* zoomBox() const { return zoom_; }
    QPushButton* zoomInButton() const { return zoomIn_; }
    QPushButton* zoomOutButton() const { return zoomOut_; }
    QPushButton* printButton() const { return print_; }
    // One a button the report offers, in its order.
    const std::vector<QPushButton*>& reportButtons() const { return reportButtons_; }
    QPushButton* closeButton() const { return close_; }
    QScrollArea* scrollArea() const { return scroll_; }

    // Dots per inch the page is shown at (96 at 100% on most screens).
    int zoomDpi() const { return dpi_; }
    // How many times a page was drawn since the window opened.
    int pagesDrawn() const;

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void goTo(int page);
    void zoomStep(int direction);
    // Shows the controller's page at the chosen zoom.
    void refresh();
    int fitDpi(bool wholePage) const;

    report::ReportPreview& preview_;
    QLabel* pageLabel_ = nullptr;
    QPushButton* first_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* last_ = nullptr;
    QComboBox* zoom_ = nullptr;
    QPushButton* zoomIn_ = nullptr;
    QPushButton* zoomOut_ = nullptr;
    QPushButton* print_ = nullptr;
    std::vector<QPushButton*> reportButtons_;
    QPushButton* close_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    PreviewCanvas* canvas_ = nullptr;
    int dpi_ = 96;
    int shownPage_ = -1;
};

}  // namespace vtl::gui
