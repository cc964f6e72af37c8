#include "vtlporpt/print_blocks.h"

#include "platform/suite/text_util.h"
#include "platform/types/text.h"

namespace vtl::rpt {
namespace {

std::string cut40(const std::string& s) { return Text<40>(s).clip(); }
std::string clipped(const std::string& s) { return std::string(suite::trimmed(s)); }

}  // namespace

std::string cityLine(const std::string& city, const std::string& state, const std::string& zip,
                     const std::string& gap) {
    return clipped(city) + ", " + clipped(state) + gap + clipped(zip);
}

std::array<std::string, 3> addressBlock(const std::string& address1, const std::string& address2,
                                        const std::string& city) {
    const bool one = !clipped(address1).empty(), two = !clipped(address2).empty();
    if (one && two) return {cut40(address1), cut40(address2), cut40(city)};
    if (one || two) return {cut40(one ? address1 : address2), cut40(city), ""};
    return {cut40(city), "", ""};
}

std::array<std::string, 4> companyBlock(const std::string& address1, const std::string& address2,
                                        const std::string& city, const std::string& phone) {
    const bool one = !clipped(address1).empty(), two = !clipped(address2).empty();
    if (one && two) return {cut40(address1), cut40(address2), cut40(city), cut40(phone)};
    if (one || two) return {cut40(one ? address1 : address2), cut40(city), cut40(phone), ""};
    return {cut40(city), cut40(phone), "", ""};
}

std::string formCityLine(const std::string& city, const std::string& state, const std::string& zip,
                         const std::string& gap) {
    const std::string town = clipped(city);
    return (town.empty() ? "" : town + ", ") + clipped(state) + gap + clipped(zip);
}

std::array<std::string, 4> formCompanyLines(const std::string& address1, const std::string& address2,
                                            const std::string& city, const std::string& state,
                                            const std::string& zip, const std::string& phone,
                                            const std::string& fax) {
    std::string phoneLine = clipped(phone);
    if (!clipped(fax).empty()) phoneLine += "  FAX" + clipped(fax);
    std::array<std::string, 4> lines;
    std::size_t n = 0;
    for (const std::string& candidate : {address1, address2, formCityLine(city, state, zip, "  "), phoneLine}) {
        const std::string line = cut40(candidate);
        if (!clipped(line).empty()) lines[n++] = line;
    }
    return lines;
}

std::string printedVendorName(const std::string& stored) {
    const auto semicolon = stored.find(';');
    if (semicolon == std::string::npos) return clipped(stored);
    // What follows the semicolon, without the blanks before it (one is
    // usual, but a name typed without it keeps its first letter).
    std::string first = stored.substr(semicolon + 1);
    first.erase(0, first.find_first_not_of(' '));
    return clipped(first) + " " + clipped(stored.substr(0, semicolon));
}

}  // namespace vtl::rpt
