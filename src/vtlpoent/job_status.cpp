#include "vtlpoent/job_status.h"

namespace vtl::ent {

JobStatus acceptJob(Session& s, const JCHeader& job) {
    const std::string id = job.JobID.clip();
    if (job.Closed == 1) {
        s.ui.beep();
        s.ui.tell("Job " + id + " is closed to new transactions, please select a different Job ID.", "Job is Closed",
                  ui::Icon::Exclamation);
        return JobStatus::Closed;
    }
    if (job.Active == 0) {
        s.ui.beep();
        if (s.ui.ask("Job " + id + " has been marked 'Inactive', are you sure you want to assign this invoice to this job",
                     "Assign to Inactive Job?", "&Yes|&No", ui::Icon::Question) != 1)
            return JobStatus::InactiveRefused;
        return JobStatus::InactiveAccepted;
    }
    return JobStatus::Open;
}

}  // namespace vtl::ent
