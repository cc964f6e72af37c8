#pragma once
// RecalcCommitted: the repair run that throws the running committed costs
// of every job cost code away and builds them again from the purchase-order
// lines, and rebuilds each order's reconciled quantity and amount from its
// lines on the way.
//
// A line adds to its cost code the same open amount the posting of a save
// adds (`jobOpenAmount`), so after a rebuild the running figures and the
// next saves agree to the cent. Lines that are fully reconciled, have no
// quantity left open, or are not job lines add nothing.
#include <functional>
#include <string>

#include "platform/suite/session.h"

namespace vtl::rec {

class RecalcCommitted {
public:
    static constexpr const char* kTitle = "Recalculate Committed Costs";
    static constexpr const char* kText =
        "This procedure will recalculate all committed costs to open jobs from currently open Purchase Orders.";

    explicit RecalcCommitted(Session& s) : s_(s) {}

    // Runs the rebuild; `progress` gets the percentage done (0..100) after
    // each record. Failed writes are reported and the run goes on.
    void proceed(const std::function<void(int)>& progress = {});
    void close() { closed_ = true; }
    bool closed() const { return closed_; }
    bool ran() const { return ran_; }

private:
    void step(const std::function<void(int)>& progress);
    void clearCommitted(const std::function<void(int)>& progress);
    void rebuildOrders(const std::function<void(int)>& progress);

    Session& s_;
    std::int64_t total_ = 0, done_ = 0;
    int shownPercent_ = -1;
    bool closed_ = false;
    bool ran_ = false;
};

}  // namespace vtl::rec
