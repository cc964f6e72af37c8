#pragma once
// RecalcCommitted: the repair run that throws the running committed costs
// of every job cost code away and builds them again from the purchase-order
// lines, and rebuilds each order's reconciled quantity and amount from its
// lines on the way.
//
// Each open job line adds to its cost code the share every posting uses
// (records/running_figures.h), so after a rebuild the running figures and
// the next saves agree to the cent. The work is rebuildFigures() (figures.h).
#include <functional>
#include <string>

#include "platform/suite/session.h"

namespace vtl::rec {

class RecalcCommitted {
public:
    static constexpr const char* kTitle = "Recalculate Committed Costs";
    static constexpr const char* kText =
        "This procedure will recalculate all committed costs to open jobs from currently open Purchase Orders.";

    static constexpr const char* kHelpTopic = "html/PO_Reconcile_Purchase_Orders.htm#recalc";

    explicit RecalcCommitted(Session& s) : s_(s) {}
    void help();

    // Runs the rebuild; `progress` gets the percentage done (0..100) as it
    // grows. A failure is reported and changes nothing.
    void proceed(const std::function<void(int)>& progress = {});
    void close() { closed_ = true; }
    bool closed() const { return closed_; }
    bool ran() const { return ran_; }

private:
    Session& s_;
    bool closed_ = false;
    bool ran_ = false;
};

}  // namespace vtl::rec
