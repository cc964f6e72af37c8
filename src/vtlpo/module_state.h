#pragma once
// The module-wide values the windows of the module hand each other. They
// are shared by every window (each on its own thread), so each is read and
// written whole under a lock.
#include <mutex>

#include "platform/types/widths.h"

namespace vtl::vtlpo {

// The purchase order picked in the search window, and the browse's "show
// fully reconciled" flag, which travels the other way.
struct ChosenOrder {
    ULong POID = 0;
    bool showFullyReconciled = false;
};

class ModuleState {
public:
    // Every value back to its cleared state, as when the module loads.
    void clear();

    // Set by the browse before it opens the form to look only: the form and
    // the line form then offer no save.
    bool viewOnly() const;
    void setViewOnly(bool on);

    ChosenOrder chosenOrder() const;
    void setChosenOrder(const ChosenOrder& order);

    // The browse's "Repetitive Insert" check box, read by the forms.
    Byte repetitiveInsert() const;
    void setRepetitiveInsert(Byte value);

private:
    mutable std::mutex m_;
    bool viewOnly_ = false;
    ChosenOrder chosen_;
    Byte repetitiveInsert_ = 0;
};

}  // namespace vtl::vtlpo
