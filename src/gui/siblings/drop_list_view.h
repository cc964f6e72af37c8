#pragma once
// The windows of the short value lists: a drop list's values and the values
// of a limit list. Both take a typed value through the entry above the list.
#include "gui/siblings/list_dialog.h"
#include "siblings/services/drop_list.h"
#include "siblings/services/lim_list.h"

class QLineEdit;

namespace vtl::gui {

class DropListView : public ListDialog {
    Q_OBJECT
public:
    explicit DropListView(services::UpdateDropList& list, QWidget* parent = nullptr);

    QLineEdit* entry() const { return entry_; }
    void addValue();
    void deleteValue();
    void selectValue();

private:
    void refresh();

    services::UpdateDropList& list_;
    QLineEdit* entry_ = nullptr;
};

class LimListView : public ListDialog {
    Q_OBJECT
public:
    explicit LimListView(services::UpdateLimList& list, QWidget* parent = nullptr);

    QLineEdit* entry() const { return entry_; }
    void addValue();
    void pickValue();
    void deleteValue();

private:
    void refresh();

    services::UpdateLimList& list_;
    QLineEdit* entry_ = nullptr;
};

}  // namespace vtl::gui
