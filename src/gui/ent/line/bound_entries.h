#pragma once
// Entries of a window whose values live in its controller. An entry is
// handed to the controller when the person leaves it (or presses Enter);
// a value the controller refuses is put back as the controller holds it and
// the entry keeps the focus. After every accepted change `changed` fires, so
// the window can show again everything the change may have filled in.
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QLineEdit;

namespace vtl::gui {

class BoundEntries : public QObject {
    Q_OBJECT
public:
    using Shown = std::function<QString()>;
    using Apply = std::function<bool(const QString&)>;

    explicit BoundEntries(QObject* parent = nullptr) : QObject(parent) {}

    // `shown` is the controller's value as the entry shows it; `apply` hands
    // typed text over and answers false when it was refused. Moving between
    // an entry and its `partner` applies neither: the two are one value
    // (a cost code and its cost type) and are handed over together.
    void bind(QLineEdit* entry, Shown shown, Apply apply, QLineEdit* partner = nullptr);

    // Hands over every shown entry whose text differs from the controller's
    // value (a look-up button or a keyboard shortcut takes no focus, so an
    // entry may still hold typing). False at the first refusal.
    bool commitPending();
    // Every entry from the controller.
    void refresh();

signals:
    void changed();

private:
    struct Bound {
        QLineEdit* entry;
        Shown shown;
        Apply apply;
        QLineEdit* partner;
    };
    bool hand(const Bound& b);
    void restore(const Bound& b);
    const Bound* find(const QLineEdit* entry) const;

    std::vector<Bound> bound_;
    bool busy_ = false;  // a refusal's message takes the focus away while it is shown
};

}  // namespace vtl::gui
