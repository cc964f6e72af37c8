#pragma once
// The logo of the printed purchase order: the Images record of type
// "POLogo" and number 1, its position code and size percentage, and the
// stored copy of its file.
//
// Position codes: "N" no logo; "B" no logo and no company name or lines
// (letterhead paper); "L" the logo without the company name and lines; "C"
// the logo moved to the left with the company name and lines after it; any
// other: the logo in its place and the company lines in theirs.
#include <string>

#include "platform/suite/session.h"
#include "report/pages/page.h"

namespace vtl::rpt {

inline constexpr const char* kLogoImageType = "POLogo";
inline constexpr report::Mils kLogoMaxHeight = 850;

struct FormLogo {
    std::string bytes;  // the picture; empty: no logo is drawn
    report::Mils width = 0, height = 0;
    bool companyShown = true;  // the company name and its four lines
    bool beside = false;       // "C": the logo moved left, the company lines after it
};

// The printed size of a picture of `milsWide` x `milsHigh`: no higher than
// kLogoMaxHeight (keeping its proportions), then scaled by `percent`, which
// counts as 100 outside 50..250.
struct LogoSize {
    report::Mils width = 0, height = 0;
};
LogoSize logoSize(double milsWide, double milsHigh, int percent);

// The logo as the Images record says. A record that names no file, a file
// not stored, or a file whose size cannot be read leaves no logo; the
// company lines still follow the position code.
FormLogo formLogo(Session& s);

}  // namespace vtl::rpt
