#pragma once
// The page model of the module's reports: device-independent pages of text,
// lines, boxes and images placed in thousandths of an inch from the page's
// top left corner. A report run produces a Document; the renderer draws its
// pages on the preview, the printer, a PDF file or a picture, so a run's
// pages are previewed, printed and written to PDF without running it again.
// Tests read the model itself (toText) and compare it with golden files.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace vtl::report {

// Thousandths of an inch.
using Mils = int;

struct Rect {
    Mils x = 0, y = 0, w = 0, h = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The fonts are named as the forms name them ("Arial", "Arial Narrow",
// "Times New Roman"); the renderer maps them to the metric-compatible fonts
// it has (Liberation Sans, Liberation Sans Narrow, Liberation Serif).
struct Font {
    std::string family = "Arial";
    double points = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    friend bool operator==(const Font&, const Font&) = default;
};

enum class Align { Left, Center, Right };

// 0xRRGGBB.
using Color = std::uint32_t;
inline constexpr Color kBlack = 0x000000;

// Text in a box: one line, or several with `wrap` (broken at spaces to the
// box's width, cut at the box's bottom). The text never draws outside its
// box: what does not fit is clipped.
struct TextItem {
    Rect box;
    std::string text;  // UTF-8
    Font font;
    Align align = Align::Left;
    bool wrap = false;
    Color color = kBlack;
};

struct LineItem {
    Mils x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Mils width = 10;
    Color color = kBlack;
};

struct BoxItem {
    Rect box;
    Mils lineWidth = 10;  // 0: no frame
    Color lineColor = kBlack;
    bool filled = false;
    Color fill = 0xFFFFFF;
};

// A picture (PNG, JPEG, BMP or GIF bytes) scaled into its box.
struct ImageItem {
    Rect box;
    std::string bytes;
};

using Item = std::variant<TextItem, LineItem, BoxItem, ImageItem>;

struct Page {
    Mils width = 8500;    // letter, portrait
    Mils height = 11000;
    std::vector<Item> items;
    bool landscape() const { return width > height; }
};

struct Document {
    std::string title;  // what the preview shows in its caption
    std::vector<Page> pages;
    bool empty() const { return pages.empty(); }
};

// The model as text, one item a line in drawing order ("page 1 8500x11000",
// "text 250,300 4000x180 Arial 10 bold left \"PURCHASE ORDER\"" ...): what
// golden files hold. Images are named by their size and a checksum.
std::string toText(const Document& doc);

}  // namespace vtl::report
