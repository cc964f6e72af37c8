#pragma once
// The window of the committed-cost rebuild: what it does, a progress bar,
// "Proceed" and "Close".
#include <QDialog>

#include "vtlporec/recalc_committed.h"

class QProgressBar;
class QPushButton;

namespace vtl::gui {

class RecalcCommittedView : public QDialog {
    Q_OBJECT
public:
    explicit RecalcCommittedView(rec::RecalcCommitted& run, QWidget* parent = nullptr);

    QProgressBar* progressBar() const { return bar_; }
    QPushButton* proceedButton() const { return proceed_; }
    QPushButton* closeButton() const { return close_; }
    QPushButton* helpButton() const { return help_; }

    void reject() override;

private:
    rec::RecalcCommitted& run_;
    QProgressBar* bar_ = nullptr;
    QPushButton* proceed_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* help_ = nullptr;
};

}  // namespace vtl::gui
