#pragma once
// The suite's log of what users did: one UserLog record per action that
// changed data, written only while activity logging is at level 2.
#include <string>

#include "platform/suite/session.h"

namespace vtl::siblings {

enum class LogOutcome { NotWanted, Written, Failed };

// Adds a record for the signed-on user with today's date and the time now;
// a failed insert is reported through the error object.
LogOutcome logUserActivity(Session& s, const std::string& area, const std::string& description);

}  // namespace vtl::siblings
