// libFuzzer target of the date formats: the twelve formats an import
// source reads dates in, ISO dates as the store keeps them, and day
// numbers of any size. A date read is a real date, and a date written in
// a format reads back as the same date.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/types/date.h"
#include "vtlpoimp/import_source.h"
#include "vtlpoimp/import_text.h"

using namespace vtl;

namespace {

// `d` as the format writes it: "MM/DD/YYYY", "DDMMYY" ...
std::string written(Date d, const std::string& format) {
    const bool dayFirst = format.rfind("DD", 0) == 0;
    const bool longYear = format.find("YYYY") != std::string::npos;
    const char sep = format.size() > 2 && (format[2] == '/' || format[2] == '-') ? format[2] : 0;
    char buf[32];
    const int a = dayFirst ? d.day() : d.month(), b = dayFirst ? d.month() : d.day();
    const int y = longYear ? d.year() : d.year() % 100;
    if (sep)
        std::snprintf(buf, sizeof buf, "%02d%c%02d%c%0*d", a, sep, b, sep, longYear ? 4 : 2, y);
    else
        std::snprintf(buf, sizeof buf, "%02d%02d%0*d", a, b, longYear ? 4 : 2, y);
    return buf;
}

void real(Date d) {
    if (d.isNull()) return;
    if (Date::fromYmd(d.year(), d.month(), d.day()) != d) __builtin_trap();
    const auto iso = Date::fromIso(d.iso());
    if (!iso || *iso != d) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5) return 0;
    std::int32_t serial;
    std::memcpy(&serial, data, 4);
    const auto& formats = imp::dateFormats();
    const std::string& format = formats[data[4] % formats.size()];
    const std::string_view text(reinterpret_cast<const char*>(data + 5), size - 5);

    // Any day number: shown or refused, never wrapped.
    const Date any(serial);
    (void)any.weekday();
    (void)any.iso();
    if (any.year() >= 1801 && any.year() <= 9999) real(any);

    const Date read = imp::readDate(text, format);
    real(read);
    if (const auto iso = Date::fromIso(text)) real(*iso);

    // A date within the formats' years reads back from its own writing.
    const Date d = Date::fromYmd(1801, 1, 1) + static_cast<int>(static_cast<std::uint32_t>(serial) % 2994000u);
    if (d.year() > 9999) return 0;
    const bool longYear = format.find("YYYY") != std::string::npos;
    if (!longYear && (d.year() < 1950 || d.year() > 2049)) return 0;
    if (imp::readDate(written(d, format), format) != d) __builtin_trap();
    // The export's own form, " 5/ 7/2024", read by the built-in source.
    char exported[16];
    std::snprintf(exported, sizeof exported, "%2d/%2d/%04d", d.month(), d.day(), d.year());
    if (imp::readDate(exported, "MM/DD/YYYY") != d) __builtin_trap();
    return 0;
}
