#pragma once
// How one field of a record is shown in an entry and read back from what the
// user typed: text cut to the field's width, numbers and dates through their
// display pictures, flags as 0 or 1.
#include <optional>
#include <string>
#include <string_view>

#include "platform/store/fields.h"
#include "platform/store/value.h"
#include "platform/types/date.h"

namespace vtl::setup {

// The picture an entry of this field uses when the caption map names none.
std::string defaultPicture(const store::FieldDef& f);

// Characters an entry of the field may hold: the text width, or the width of
// the formatted value.
int entryWidth(const store::FieldDef& f, std::string_view picture);

// The value as the entry shows it, without the picture's padding.
std::string shownText(const store::FieldDef& f, std::string_view picture, const store::Value& v);

// What was typed, as the value to store; nullopt when it is not a value of
// the field (letters in a number, 300 in a BYTE, a minus in an unsigned
// field, 31 February). Text longer than the field is cut to its width.
std::optional<store::Value> parseEntry(const store::FieldDef& f, std::string_view picture, std::string_view typed,
                                       Date today);

// True for the kinds an entry right-aligns.
bool isNumeric(const store::FieldDef& f);

}  // namespace vtl::setup
