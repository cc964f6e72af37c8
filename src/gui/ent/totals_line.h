#pragma once
// The "Totals:" line under a list: amount fields that stay under the columns
// they add up, wherever those columns are dragged or scrolled.
#include <QWidget>
#include <vector>

class QLabel;
class QLineEdit;
class QTableView;

namespace vtl::gui {

class TotalsLine : public QWidget {
public:
    // One read-only field of `characters` width under each of `columns`.
    TotalsLine(QTableView* list, std::vector<int> columns, int characters, QWidget* parent = nullptr);

    QLineEdit* field(std::size_t i) const { return fields_.at(i); }
    QLabel* caption() const { return caption_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();

    QTableView* list_;
    std::vector<int> columns_;
    int fieldWidth_ = 0;
    QLabel* caption_ = nullptr;
    std::vector<QLineEdit*> fields_;
};

}  // namespace vtl::gui
