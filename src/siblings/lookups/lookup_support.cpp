#include "siblings/lookups/lookup_support.h"

#include <charconv>

namespace vtl::siblings::detail {

std::string trimCell(std::string s) {
    auto b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    auto e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}

std::optional<ULong> numberIn(std::string_view text) {
    auto b = text.find_first_not_of(' ');
    if (b == std::string_view::npos) return std::nullopt;
    text = text.substr(b, text.find_last_not_of(' ') - b + 1);
    ULong n = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return n;
}

std::optional<std::string> choose(Session& s, const char* procedure, ui::LookupSpec& spec) {
    suite::ProcedureName name(s.errors, procedure);
    return s.ui.lookup(spec);
}

void handBack(Session& s, const std::optional<std::string>& key, double number) {
    if (key) {
        s.globals.GlobalResponse = suite::Response::Completed;
        s.globals.LookupKey = *key;
        s.globals.DecimalVariable = number;
    } else {
        s.globals.GlobalResponse = suite::Response::Cancelled;
    }
}

}  // namespace vtl::siblings::detail
