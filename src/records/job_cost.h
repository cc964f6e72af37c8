#pragma once
// Job-cost files: jobs, their cost codes, and the job-cost limit records that
// also hold the purchase-order import sources.
#include "platform/store/fields.h"

namespace vtl {

struct JCHeader : store::RecordBase {
    Text<10> JobID;
    Text<50> JobName;
    Byte Active = 0;  // 0 = inactive
    Byte Closed = 0;  // 1 = closed to new transactions
    Decimal<7, 4> APTaxRate;
    Text<50> Address;
    Text<50> Address2;
    Text<30> City;
    Text<2> State;
    Text<10> Zip;
    Text<40> CustomerContact;

    enum Key { KeyJobID, KeyJobName };
    static const store::RecordInfo& info();
};

struct JCCost : store::RecordBase {
    // Job (10), cost code proper padded to 10, cost type (4).
    Text<24> RecordID;
    Text<10> JobID;
    Text<14> CostCode;
    Text<30> Description;
    Text<12> Account;  // the account an imported job line is charged to
    Money Budget;
    Money ActualCost;
    Money Committed;   // open amount of the purchase-order lines on this code
    ULong LastPODetailID = 0;

    enum Key { KeyRecordID, KeyJobCodeType };
    static const store::RecordInfo& info();
};

// A purchase-order import source is a JCLimits record whose Report is
// "PO Import"; the job-cost names of its fields are kept.
struct JCLimits : store::RecordBase {
    ULong LimitID = 0;
    Text<10> UserID;
    Text<30> Report;
    Text<40> ReportTitle;  // source name
    Date ModifyDate;
    Byte Skip = 0;         // 0 two files, 1 one file
    Text<1> PrintOrder;    // "C" comma, "T" tab, otherwise fixed position
    Text<10> JobTo;        // date format, "MM/DD/YYYY" ...
    Text<200> NameFrom;    // header file, or the only file
    Text<200> NameTo;      // detail file
    Byte TypeB = 0;        // header file starts with a title line
    Byte TypeL = 0;        // detail file starts with a title line
    Text<500> FieldLayout; // header tokens, "####", detail tokens

    enum Key { KeyLimitID, KeyReport };
    static const store::RecordInfo& info();
};

}  // namespace vtl
