#pragma once
// A purchase-order form designed by the company: a text file that places
// captions, fields, lines, boxes and pictures in bands (docs/form_layout.md
// describes the format). Reading checks everything a print could trip
// over: fonts, field names and where they exist, pictures and the kind of
// value they show, numbers, picture files. A layout that reads is printed
// without further checks.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/picture/picture.h"
#include "report/pages/page.h"

namespace vtl::rpt {

// What a layout lays out: a purchase order (the default) or the listing
// ("report listing" at its top).
enum class LayoutKind { PurchaseOrder, Listing };

// The bands of a purchase order (header to totals), then those of the
// listing: header and footer on every page, the others down the body.
enum class BandKind {
    Header,
    Footer,
    Item,
    Text,
    Totals,
    VendorInfo,
    Summary,
    PODetail,
    ListingText,
    ReconcileDetail,
    ReconcileTotal,
    Blank,
    SalesTaxLine,
    Total,
    GrandTotal,
    SummaryGrandTotal,
};
inline constexpr std::size_t kBandCount = 16;
// Whether a band's places are from its own top, down the body.
bool bodyBand(BandKind k);

struct LayoutElement {
    enum class Kind { Caption, Field, Line, Box, Image };
    Kind kind = Kind::Caption;
    int sourceLine = 0;
    report::Rect box;     // in a body band, y from the band's top
    bool oneLine = false; // height "*": one line of the font
    report::Font font;
    report::Align align = report::Align::Left;
    bool wrap = false;
    bool flow = false;        // a field of a body band whose lines the band grows by
    bool keepPadding = false; // "pad": the picture's padding stays
    report::Color color = report::kBlack;
    std::string text;  // the caption, or the field's name
    std::optional<pic::Picture> picture;
    // A line runs from the box's corner (x, y) to (x2, y2).
    report::Mils x2 = 0, y2 = 0;
    report::Mils lineWidth = 10;  // a line's width, a box's frame (0 none)
    bool filled = false;
    report::Color fill = 0xFFFFFF;
    bool logo = false;  // the company logo, in place of picture bytes
    bool sized = false; // the image's size was given
    std::string bytes;  // a picture file's content
};

struct LayoutBand {
    bool present = false;
    int sourceLine = 0;
    report::Mils height = 0;  // a body band: its height without its flowing field's lines
    std::vector<LayoutElement> elements;
    int flow = -1;            // index of the flowing field, -1 none
};

struct FormLayout {
    LayoutKind kind = LayoutKind::PurchaseOrder;
    std::string file;  // as it was read, for messages
    report::Mils pageWidth = 8500, pageHeight = 11000;
    report::Mils bodyTop = 0, bodyBottom = 0;
    bool hasBody = false;
    std::array<LayoutBand, kBandCount> bands;

    const LayoutBand& band(BandKind k) const { return bands[static_cast<std::size_t>(k)]; }
};

struct LayoutError {
    std::string file;
    int line = 0;  // 0: the file as a whole
    std::string message;
    // "forms/po.pol, line 12: unknown field "POP:PONumbr""
    std::string text() const;
};

struct LayoutRead {
    std::optional<FormLayout> layout;
    LayoutError error;  // when there is no layout
};

// Reads a layout from its text. `file` names it in errors; picture files
// are found from `folder`.
LayoutRead parseFormLayout(std::string_view content, const std::string& file, const std::string& folder);
// Reads the layout file at `path`.
LayoutRead readFormLayout(const std::string& path);

}  // namespace vtl::rpt
