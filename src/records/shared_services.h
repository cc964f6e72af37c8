#pragma once
// Files of the suite's shared services: remembered drop-list values, notes and
// attachments of any entity, the value lists of report limits and the users'
// favourite reports.
#include "platform/store/fields.h"

namespace vtl {

struct DropList : store::RecordBase {
    ULong DropListID = 0;
    Text<20> FieldName;  // "POM Purchasing Agent"
    Text<30> Value;
    Text<3> UserID;
    Date DateAdded;

    enum Key { KeyDropListID, KeyFieldValue };
    static const store::RecordInfo& info();
};

// A note belongs to an entity by file name and the entity's number as text.
struct Notes : store::RecordBase {
    ULong NoteID = 0;
    Text<20> Filename;  // "POMaster"
    Text<20> EntityID;  // POM:POID as text
    Date NoteDate;
    Text<3> UserID;
    Text<20> Heading;
    Text<255> Note;

    enum Key { KeyNoteID, KeyFileEntity };
    static const store::RecordInfo& info();
};

// An attachment belongs to an entity by type and number. The record with type
// "POLogo" and number 1 is the logo of the printed purchase order.
struct Images : store::RecordBase {
    ULong ImageID = 0;
    Text<20> Type;       // "POMaster", "POLogo"
    ULong NumericID = 0;
    Text<20> TextID;     // left blank for purchase orders
    Text<250> FileName;  // the path the file was attached from
    Text<50> Caption;
    Text<10> ImageType;  // "PDF", "Bitmap", "DOC", "PPT", "TXT", "XL", "WebPage", "Other"
    Date FileDate;
    Time FileTime;
    Text<1> Position;    // logo: "N", "B", "L", "C" or the designed place
    UShort SizePercent = 0;  // logo scale; outside 50..250 prints at 100

    enum Key { KeyImageID, KeyTypeNumericID };
    static const store::RecordInfo& info();
};

// One chosen value of a list limit: owner file, limit set, kind of list.
struct LimList : store::RecordBase {
    ULong LimListID = 0;
    Text<20> Owner;      // "POLimits"
    ULong LimitID = 0;
    Text<10> ListType;   // "PONumber", "JobID", "VendorID", "CostCode"
    Text<30> TextValue;  // job and cost-code lists
    ULong NumValue = 0;  // PO-number (POID) and vendor lists

    enum Key { KeyLimListID, KeyOwnerLimitType };
    static const store::RecordInfo& info();
};

// A limit set a user has put on the favourite-reports list.
struct MemLimit : store::RecordBase {
    ULong MemLimitID = 0;
    ULong LimitID = 0;
    Text<3> UserID;
    Text<20> Owner;        // "POLimits"
    Text<30> ReportName;   // "Purchase Order Listing"
    Text<40> ReportTitle;

    enum Key { KeyMemLimitID, KeyUserOwnerLimit };
    static const store::RecordInfo& info();
};

}  // namespace vtl
