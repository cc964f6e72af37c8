#include "records/users.h"

#include "records/table_entry.h"

namespace vtl {

const store::RecordInfo& UserFile::info() {
    using R = UserFile;
    static const store::RecordInfo i{
        "UserFile",
        "USR",
        {VTL_FIELD(R, UserID),
         VTL_FIELD(R, FirstName),
         VTL_FIELD(R, LastName),
         VTL_FIELD(R, MayChangePONumber),
         VTL_FIELD(R, PurchaseLevel),
         VTL_FIELD(R, EmailSignature)},
        {{"KeyUserID", {"UserID"}, true}},
        "",
        "",
        {}};
    return i;
}

const store::RecordInfo& UserLog::info() {
    using R = UserLog;
    static const store::RecordInfo i{
        "UserLog",
        "LOG",
        {VTL_FIELD(R, LogID),
         VTL_FIELD(R, UserID),
         VTL_FIELD(R, LogDate),
         VTL_FIELD(R, LogTime),
         VTL_FIELD(R, Area),
         VTL_FIELD(R, Description)},
        {{"KeyLogID", {"LogID"}, true},
         {"KeyUserDate", {"UserID", "LogDate", "LogTime"}}},
        "LogID",
        "LogID",
        {}};
    return i;
}

}  // namespace vtl
