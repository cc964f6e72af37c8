#include "gui/ent/line/bound_entries.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <utility>

namespace vtl::gui {

void BoundEntries::bind(QLineEdit* entry, Shown shown, Apply apply, QLineEdit* partner) {
    bound_.push_back({entry, std::move(shown), std::move(apply), partner});
    entry->setText(bound_.back().shown());
    connect(entry, &QLineEdit::editingFinished, this, [this, entry] {
        const Bound* b = find(entry);
        if (!b || busy_) return;
        // The focus has already moved when the entry reports it was left.
        if (b->partner && QApplication::focusWidget() == b->partner) return;
        hand(*b);
    });
}

const BoundEntries::Bound* BoundEntries::find(const QLineEdit* entry) const {
    for (const Bound& b : bound_)
        if (b.entry == entry) return &b;
    return nullptr;
}

void BoundEntries::restore(const Bound& b) {
    b.entry->setText(b.shown());
    if (const Bound* p = b.partner ? find(b.partner) : nullptr) p->entry->setText(p->shown());
}

bool BoundEntries::hand(const Bound& b) {
    const QString typed = b.entry->text();
    if (typed == b.shown()) return true;
    busy_ = true;
    const bool accepted = b.apply(typed);
    busy_ = false;
    if (!accepted) {
        restore(b);
        // After the focus change that reported the entry has finished.
        QLineEdit* entry = b.entry;
        QTimer::singleShot(0, entry, [entry] {
            entry->setFocus(Qt::OtherFocusReason);
            entry->selectAll();
        });
        return false;
    }
    emit changed();
    return true;
}

bool BoundEntries::commitPending() {
    // What is typed is read first: each accepted change shows the line again,
    // which would overwrite the typing still waiting in the other entries.
    std::vector<std::pair<const Bound*, QString>> typed;
    for (const Bound& b : bound_)
        if (b.entry->isVisibleTo(b.entry->window()) && b.entry->text() != b.shown()) typed.emplace_back(&b, b.entry->text());
    for (const auto& [b, text] : typed) {
        // A cost code handed over with its type has already taken the type.
        if (text == b->shown()) continue;
        b->entry->setText(text);
        if (!hand(*b)) return false;
    }
    return true;
}

void BoundEntries::refresh() {
    for (const Bound& b : bound_) {
        const QString v = b.shown();
        if (b.entry->text() != v) b.entry->setText(v);
    }
}

}  // namespace vtl::gui
