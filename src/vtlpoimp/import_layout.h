#pragma once
// The field layout of an import source: which field sits in which column of
// the header records and of the detail records, and how wide it is in a
// fixed-position file.
//
// As text, a layout is a run of 4-character tokens, a 2-letter field code
// and the width as two digits ("00" in a delimited file): the header tokens,
// the marker "####", then the detail tokens. The code "00" is a column that
// is read and thrown away.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vtl::imp {

enum class Part { Header, Detail };

struct FieldCode {
    const char* code;  // "VI"
    const char* name;  // "Vendor ID", as the item editor lists it
};

// Every field a header or a detail record can carry, in the order the item
// editor offers them ("Unused" last). Both "Record Type" and "POID" are
// listed; which of them a source may use depends on its file type.
const std::vector<FieldCode>& fieldCodes(Part part);

// The name of a code ("Unused" for "00"), nullopt for a code we do not know.
std::optional<std::string> fieldName(Part part, std::string_view code);
// The code of a name ("00" for "Unused" and "Not Used"), nullopt when unknown.
std::optional<std::string> fieldCodeOf(Part part, std::string_view name);

struct LayoutToken {
    std::string code;  // two characters
    int width = 0;     // 0..99
    friend bool operator==(const LayoutToken&, const LayoutToken&) = default;
};

struct Layout {
    std::vector<LayoutToken> header;
    std::vector<LayoutToken> detail;
    friend bool operator==(const Layout&, const Layout&) = default;
};

constexpr int kMaxWidth = 99;  // two digits in the layout text
constexpr std::size_t kMaxLayoutText = 500;

// Reads a layout text. Tokens that are not four characters of a code and two
// digits are passed over; a layout without the marker has header tokens only.
Layout parseLayout(std::string_view text);
// The layout as text; widths beyond two digits are written as 99.
std::string layoutText(const Layout& layout);

// The layout of the built-in source, which reads the module's own export.
extern const char* const kBuiltInLayout;

}  // namespace vtl::imp
