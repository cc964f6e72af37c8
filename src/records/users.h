#pragma once
// Signed-on users and the log of what they did.
#include "platform/store/fields.h"

namespace vtl {

struct UserFile : store::RecordBase {
    Text<3> UserID;
    Text<20> FirstName;
    Text<20> LastName;
    Byte MayChangePONumber = 0;  // 0 locks the PO number on the form
    Byte PurchaseLevel = 0;      // 2 may lock listing limit sets
    Text<500> EmailSignature;

    enum Key { KeyUserID };
    static const store::RecordInfo& info();
};

struct UserLog : store::RecordBase {
    ULong LogID = 0;
    Text<3> UserID;
    Date LogDate;
    Time LogTime;
    Text<30> Area;          // "PO Enter Purchase Orders"
    Text<150> Description;  // "Deleted Purchase Order #... for Vendor (...) ..."

    enum Key { KeyLogID, KeyUserDate };
    static const store::RecordInfo& info();
};

}  // namespace vtl
