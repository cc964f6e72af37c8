#include "records/shared_services.h"

#include "records/table_entry.h"

namespace vtl {

const store::RecordInfo& DropList::info() {
    using R = DropList;
    static const store::RecordInfo i{
        "DropList",
        "DPL",
        {VTL_FIELD(R, DropListID),
         VTL_FIELD(R, FieldName),
         VTL_FIELD(R, Value),
         VTL_FIELD(R, UserID),
         VTL_FIELD(R, DateAdded)},
        {{"KeyDropListID", {"DropListID"}, true},
         {"KeyFieldValue", {"FieldName", "Value"}}},
        "DropListID",
        "DropListID",
        {}};
    return i;
}

const store::RecordInfo& Notes::info() {
    using R = Notes;
    static const store::RecordInfo i{
        "Notes",
        "NOTE",
        {VTL_FIELD(R, NoteID),
         VTL_FIELD(R, Filename),
         VTL_FIELD(R, EntityID),
         VTL_FIELD(R, NoteDate),
         VTL_FIELD(R, UserID),
         VTL_FIELD(R, Heading),
         VTL_FIELD(R, Note)},
        {{"KeyNoteID", {"NoteID"}, true},
         {"KeyFileEntity", {"Filename", "EntityID"}}},
        "NoteID",
        "NoteID",
        {}};
    return i;
}

const store::RecordInfo& Images::info() {
    using R = Images;
    static const store::RecordInfo i{
        "Images",
        "IMG",
        {VTL_FIELD(R, ImageID),
         VTL_FIELD(R, Type),
         VTL_FIELD(R, NumericID),
         VTL_FIELD(R, TextID),
         VTL_FIELD(R, FileName),
         VTL_FIELD(R, Caption),
         VTL_FIELD(R, ImageType),
         VTL_FIELD(R, FileDate),
         VTL_FIELD(R, FileTime),
         VTL_FIELD(R, Position),
         VTL_FIELD(R, SizePercent)},
        {{"KeyImageID", {"ImageID"}, true},
         {"KeyTypeNumericID", {"Type", "NumericID"}}},
        "ImageID",
        "ImageID",
        {}};
    return i;
}

const store::RecordInfo& LimList::info() {
    using R = LimList;
    static const store::RecordInfo i{
        "LimList",
        "LIM",
        {VTL_FIELD(R, LimListID),
         VTL_FIELD(R, Owner),
         VTL_FIELD(R, LimitID),
         VTL_FIELD(R, ListType),
         VTL_FIELD(R, TextValue),
         VTL_FIELD(R, NumValue)},
        {{"KeyLimListID", {"LimListID"}, true},
         {"KeyOwnerLimitType", {"Owner", "LimitID", "ListType"}}},
        "LimListID",
        "LimListID",
        {}};
    return i;
}

const store::RecordInfo& MemLimit::info() {
    using R = MemLimit;
    static const store::RecordInfo i{
        "MemLimit",
        "MEM",
        {VTL_FIELD(R, MemLimitID),
         VTL_FIELD(R, LimitID),
         VTL_FIELD(R, UserID),
         VTL_FIELD(R, Owner),
         VTL_FIELD(R, ReportName),
         VTL_FIELD(R, ReportTitle)},
        {{"KeyMemLimitID", {"MemLimitID"}, true},
         {"KeyUserOwnerLimit", {"UserID", "Owner", "LimitID"}}},
        "MemLimitID",
        "MemLimitID",
        {}};
    return i;
}

}  // namespace vtl
