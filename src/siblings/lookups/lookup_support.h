#pragma once
// What every look-up of the sibling modules does alike: format cells with
// their pictures, read a file's records in a key order, show the list, and
// hand the choice back to a caller that went by name.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/picture/picture.h"
#include "platform/suite/error_object.h"
#include "platform/suite/session.h"
#include "platform/ui/ui.h"

namespace vtl::siblings::detail {

std::string trimCell(std::string s);

template <class V>
std::string cell(const V& v, std::string_view picture) {
    return trimCell(pic::format(v, picture));
}
template <std::size_t N>
std::string cell(const Text<N>& t) {
    return t.clip();
}

// The number a text holds when it is nothing but digits (blanks around allowed).
std::optional<ULong> numberIn(std::string_view text);

// Reads the records a cursor yields; a read error is reported through the
// error object and ends the list there.
template <class R>
std::vector<R> readAll(Session& s, store::Cursor<R> cursor) {
    std::vector<R> out;
    R rec;
    while (cursor.next(rec)) out.push_back(rec);
    if (!cursor.error().empty()) s.errors.report(cursor.error() + " Reading " + R::info().name);
    return out;
}

// Shows the look-up named `procedure` and answers the chosen row's key.
std::optional<std::string> choose(Session& s, const char* procedure, ui::LookupSpec& spec);

// Answers a caller that went by name: GlobalResponse, LookupKey and
// DecimalVariable.
void handBack(Session& s, const std::optional<std::string>& key, double number = 0);

}  // namespace vtl::siblings::detail
