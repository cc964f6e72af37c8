#include "vtlporec/recalc_committed.h"

#include "platform/suite/error_object.h"
#include "siblings/services/help_topic.h"
#include "vtlporec/figures.h"

namespace vtl::rec {

void RecalcCommitted::help() { services::openHelp(s_, kHelpTopic); }

void RecalcCommitted::proceed(const std::function<void(int)>& progress) {
    store::Status s;
    {
        ui::BusyCursor busy(s_.ui);
        // Other users may hold the files; the store waits up to 5 seconds,
        // and a run that cannot have them all changes nothing.
        RebuildResult result;
        s = rebuildFigures(s_.store, s_.globals.CostCodeLen, {}, result, progress);
    }
    if (!s_.errors.check(s)) {
        closed_ = true;
        return;
    }
    ran_ = true;
    s_.ui.tell("The recalculation process has been completed.", "Process Complete");
    closed_ = true;
}

}  // namespace vtl::rec
