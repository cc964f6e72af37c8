#pragma once
// Whether a job takes new purchase-order money: a job closed in Setup is
// refused, an inactive one only when the person says so. Used for the
// order's default job and for the job of each line.
#include "platform/suite/session.h"
#include "records/records.h"

namespace vtl::ent {

enum class JobStatus { Open, Closed, InactiveRefused, InactiveAccepted };

// Tells or asks as the job's state calls for (with a beep); Open and
// InactiveAccepted let the job be used.
JobStatus acceptJob(Session& s, const JCHeader& job);
inline bool jobAccepted(JobStatus st) { return st == JobStatus::Open || st == JobStatus::InactiveAccepted; }

}  // namespace vtl::ent
