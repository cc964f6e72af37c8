#pragma once
// The address blocks and names as the printed purchase order shows them.
#include <array>
#include <string>

namespace vtl::rpt {

// "Salem, OR" + gap + "97301", each part clipped.
std::string cityLine(const std::string& city, const std::string& state, const std::string& zip,
                     const std::string& gap = " ");
// Three lines with the blank address lines taken out: both address lines
// and the city line, or the one address line, the city line and a blank,
// or the city line and two blanks. Each line is cut to 40 characters.
std::array<std::string, 3> addressBlock(const std::string& address1, const std::string& address2,
                                        const std::string& cityLine);
// The company's four lines under its name, compacted the same way, the
// phone line (may be blank) after the city line.
std::array<std::string, 4> companyBlock(const std::string& address1, const std::string& address2,
                                        const std::string& cityLine, const std::string& phoneLine);
// The city line of the printed form: the city and ", " when there is a
// city, the state, then `gap` and the postal code, each part clipped.
std::string formCityLine(const std::string& city, const std::string& state, const std::string& zip,
                         const std::string& gap = " ");
// The company's four lines on the printed form: of the first address line,
// the second, the city line (gap of two) and the telephone line (the phone,
// then "  FAX" and the fax number when there is one), those not blank in
// that order, then blanks. Each line is cut to 40 characters.
std::array<std::string, 4> formCompanyLines(const std::string& address1, const std::string& address2,
                                            const std::string& city, const std::string& state,
                                            const std::string& zip, const std::string& phone,
                                            const std::string& fax);
// A vendor name kept as "Smith; John" prints as "John Smith"; a name
// without a semicolon prints as it is.
std::string printedVendorName(const std::string& stored);

}  // namespace vtl::rpt
