#include "siblings/files/user_log.h"

#include "platform/suite/error_object.h"
#include "records/users.h"

namespace vtl::siblings {

LogOutcome logUserActivity(Session& s, const std::string& area, const std::string& description) {
    if (s.globals.LogUserActivity != 2) return LogOutcome::NotWanted;
    UserLog rec;
    rec.UserID = s.globals.UserID;
    rec.LogDate = s.clock.today();
    rec.LogTime = s.clock.now();
    rec.Area = area;
    rec.Description = description;
    return s.errors.check(store::Table<UserLog>(s.store).insert(rec)) ? LogOutcome::Written : LogOutcome::Failed;
}

}  // namespace vtl::siblings
