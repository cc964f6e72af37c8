// The demo company's saved report formats of the purchase-order listing:
// the ones a purchasing manager keeps at hand.
#include "demo/demo_support.h"
#include "records/po_limits.h"
#include "records/shared_services.h"

namespace vtl::demo {
namespace {

POLimits listing(const char* user, const char* title) {
    POLimits l;
    setText(l.UserID, user);
    l.Report = "PO Listing";
    setText(l.ReportTitle, title);
    l.ModifyDate = asOfDate();
    l.Unreconciled = l.PartiallyReconciled = l.FullyReconciled = 1;
    l.Sequence = "P";
    l.SortDetail = "W";
    l.SelectedRef = 3;
    l.DateLimitType = "I";
    l.Orientation = "P";
    return l;
}

}  // namespace

void writeListingLimits(Writer& w) {
    // 1: every order in full, with what reconciled it.
    POLimits all = listing("DMW", "All Orders with Reconciliation");
    all.RefFrom = 1;
    w.insert(all);
    // 2: the open orders of two jobs, by job then vendor, without their lines.
    POLimits jobs = listing("LAO", "Open Orders of the Vancouver Jobs");
    jobs.FullyReconciled = 0;
    jobs.SelectedJobs = 2;
    jobs.SelectedRef = 1;
    jobs.Sequence = "J";
    jobs.SelectedCat = 1;
    jobs.RefFrom = 1;
    jobs.Locked = 1;
    w.insert(jobs);
    for (const char* job : {"2502", "2507"}) {
        LimList row;
        row.Owner = "POLimits";
        row.LimitID = jobs.LimitID;
        row.ListType = "JobID";
        setText(row.TextValue, job);
        w.insert(row);
    }
    // 3: a one-page summary of everything, landscape, over-invoicing shown.
    POLimits summary = listing("DMW", "Summary of Purchase Orders");
    summary.SelectedCat = 2;
    summary.Orientation = "L";
    summary.ColorCoding = 1;
    summary.Sequence = "R";
    w.insert(summary);
}

}  // namespace vtl::demo
