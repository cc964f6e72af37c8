#pragma once
// Used only by the record sources: a field-table entry takes its name from
// the member it moves, so a table can never name one field and move another.
#include "platform/store/fields.h"

#define VTL_FIELD(Record, member) ::vtl::store::field<&Record::member>(#member)
