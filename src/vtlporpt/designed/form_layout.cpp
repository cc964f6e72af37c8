#include "vtlporpt/designed/form_layout.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <optional>
#include <map>
#include <stdexcept>
#include <tuple>

#include "platform/suite/file_read.h"
#include "vtlporpt/form_values.h"
#include "vtlporpt/listing/listing_values.h"
#include "vtlporpt/picture_size.h"

namespace vtl::rpt {
namespace {

using report::Mils;

constexpr Mils kMostMils = 100000;  // a hundred inches: more is a typing error

struct Token {
    std::string text;
    bool quoted = false;
};

// Thrown while reading; the reader turns it into a LayoutError.
struct Problem {
    int line;
    std::string message;
};

std::string lowered(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string shownToken(const Token& t) { return "\"" + t.text + "\""; }

// One line's words; a "#" that starts a word starts the comment, and a
// quoted text may hold blanks, "#", and \" or \\.
std::vector<Token> tokens(std::string_view line, int number) {
    std::vector<Token> out;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        if (c == '#') break;
        Token t;
        if (c == '"') {
            t.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char q = line[i++];
                if (q == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\')) {
                    t.text += line[i++];
                } else if (q == '"') {
                    closed = true;
                    break;
                } else {
                    t.text += q;
                }
            }
            if (!closed) throw Problem{number, "a quoted text is not closed"};
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') t.text += line[i++];
        }
        out.push_back(std::move(t));
    }
    return out;
}

class Reader {
public:
    Reader(const std::string& file, const std::string& folder) : folder_(folder) { layout_.file = file; }

    FormLayout read(std::string_view content) {
        int number = 0;
        std::size_t start = 0;
        while (start <= content.size()) {
            std::size_t end = content.find('\n', start);
            if (end == std::string_view::npos) end = content.size();
            line_ = ++number;
            statement(tokens(content.substr(start, end - start), number));
            start = end + 1;
        }
        if (band_) throw Problem{layout_.bands[*band_].sourceLine, "band " + bandName(*band_) + " is not closed with \"end\""};
        for (std::size_t k = 0; k < kBandCount; ++k) {
            const LayoutBand& b = layout_.bands[k];
            if (b.present && bodyBand(static_cast<BandKind>(k)) && !layout_.hasBody)
                throw Problem{b.sourceLine, "the " + bandName(k) +
                                                " band needs the body's place on the page: body TOP BOTTOM"};
        }
        if (layout_.hasBody && layout_.bodyBottom > layout_.pageHeight)
            throw Problem{bodyLine_, "the body ends below the page (" + std::to_string(layout_.pageHeight) + ")"};
        const LayoutBand& item = layout_.band(BandKind::Item);
        if (item.present && item.height > layout_.bodyBottom - layout_.bodyTop)
            throw Problem{item.sourceLine, "the item band is higher than the body"};
        return std::move(layout_);
    }

private:
    static std::string bandName(std::size_t k) {
        static const char* names[] = {"header",          "footer",      "item",     "text",
                                      "totals",          "vendorinfo",  "summary",  "podetail",
                                      "text",            "reconciledetail", "reconciletotal", "blank",
                                      "salestaxline",    "total",       "grandtotal", "summarygrandtotal"};
        return names[k];
    }

    bool listing() const { return layout_.kind == LayoutKind::Listing; }
    const char* bandKinds() const {
        return listing() ? "header, footer, vendorinfo, summary, podetail, text, reconciledetail, reconciletotal, "
                           "blank, salestaxline, total, grandtotal or summarygrandtotal"
                         : "header, footer, item, text or totals";
    }

    [[noreturn]] void fail(const std::string& message) const { throw Problem{line_, message}; }

    Mils mils(const std::string& s, Mils least = 0) const {
        int v = 0;
        const char* first = s.data();
        const char* last = s.data() + s.size();
        const auto r = std::from_chars(first, last, v);
        if (s.empty() || r.ec != std::errc() || r.ptr != last) fail("bad number \"" + s + "\"");
        if (v < least || v > kMostMils)
            fail("number " + s + " is out of range (" + std::to_string(least) + " to " + std::to_string(kMostMils) + ")");
        return v;
    }

    // "X,Y"
    std::pair<Mils, Mils> point(const Token& t) const {
        const auto comma = t.text.find(',');
        if (t.quoted || comma == std::string::npos) fail("expected a place X,Y, found " + shownToken(t));
        return {mils(t.text.substr(0, comma)), mils(t.text.substr(comma + 1))};
    }

    // "WxH"; the height may be "*" where `oneLine` is offered.
    std::pair<Mils, Mils> size(const Token& t, bool* oneLine) const {
        const auto x = t.text.find('x');
        if (t.quoted || x == std::string::npos) fail("expected a size WxH, found " + shownToken(t));
        const Mils w = mils(t.text.substr(0, x), 1);
        const std::string h = t.text.substr(x + 1);
        if (h == "*") {
            if (!oneLine) fail("a height of * (one line) is for texts and fields only");
            *oneLine = true;
            return {w, 0};
        }
        if (oneLine) *oneLine = false;
        return {w, mils(h, 1)};
    }

    report::Color color(const std::vector<Token>& t, std::size_t& i) const {
        if (i + 1 >= t.size()) fail(t[i].text + " needs a colour: six hex digits, as E6E6E6");
        const std::string& hex = t[++i].text;
        unsigned v = 0;
        const auto r = std::from_chars(hex.data(), hex.data() + hex.size(), v, 16);
        if (hex.size() != 6 || r.ec != std::errc() || r.ptr != hex.data() + hex.size())
            fail("bad colour \"" + hex + "\": six hex digits, as E6E6E6");
        return v;
    }

    Mils number(const std::vector<Token>& t, std::size_t& i) const {
        if (i + 1 >= t.size()) fail(t[i].text + " needs a number");
        return mils(t[++i].text);
    }

    void need(const std::vector<Token>& t, std::size_t n, const char* form) const {
        if (t.size() < n) fail(t[0].text + " needs " + form);
    }

    void statement(const std::vector<Token>& t) {
        if (t.empty()) return;
        if (t[0].quoted) fail("unexpected " + shownToken(t[0]) + " at the start of a line");
        const std::string word = lowered(t[0].text);
        if (word == "end") {
            if (!band_) fail("\"end\" without a band");
            if (t.size() > 1) fail("unexpected " + shownToken(t[1]) + " after end");
            band_.reset();
            return;
        }
        if (word == "band") return band(t);
        if (word == "text" || word == "field" || word == "line" || word == "box" || word == "image") {
            if (!band_) fail(word + " is placed outside a band (band " + bandKinds() + ")");
            return element(word, t);
        }
        if (band_) fail("unknown element \"" + t[0].text + "\" in band " + bandName(*band_) +
                        " (text, field, line, box, image or end)");
        if (word == "report") return report(t);
        if (word == "page") return page(t);
        if (word == "body") return body(t);
        if (word == "font") return font(t);
        fail("unknown statement \"" + t[0].text + "\" (report, page, body, font or band)");
    }

    // "report listing": the layout is of the purchase-order listing. It
    // comes before the bands, whose kinds it chooses.
    void report(const std::vector<Token>& t) {
        need(t, 2, "what is laid out: report listing");
        if (t.size() > 2) fail("unexpected " + shownToken(t[2]));
        if (lowered(t[1].text) != "listing" || t[1].quoted) fail("unknown report " + shownToken(t[1]) + " (listing)");
        for (const LayoutBand& b : layout_.bands)
            if (b.present) fail("report comes before the bands");
        layout_.kind = LayoutKind::Listing;
    }

    void page(const std::vector<Token>& t) {
        need(t, 2, "a size: letter, legal, a4 or WxH");
        const std::string name = lowered(t[1].text);
        if (name == "letter") layout_.pageWidth = 8500, layout_.pageHeight = 11000;
        else if (name == "legal") layout_.pageWidth = 8500, layout_.pageHeight = 14000;
        else if (name == "a4") layout_.pageWidth = 8268, layout_.pageHeight = 11693;
        else std::tie(layout_.pageWidth, layout_.pageHeight) = size(t[1], nullptr);
        if (t.size() > 3) fail("unexpected " + shownToken(t[3]));
        if (t.size() == 3) {
            const std::string way = lowered(t[2].text);
            if (way != "portrait" && way != "landscape") fail("expected portrait or landscape, found " + shownToken(t[2]));
            const bool wide = layout_.pageWidth > layout_.pageHeight;
            if ((way == "landscape") != wide) std::swap(layout_.pageWidth, layout_.pageHeight);
        }
    }

    void body(const std::vector<Token>& t) {
        need(t, 3, "its top and bottom: body TOP BOTTOM");
        if (t.size() > 3) fail("unexpected " + shownToken(t[3]));
        layout_.bodyTop = mils(t[1].text);
        layout_.bodyBottom = mils(t[2].text);
        if (layout_.bodyBottom <= layout_.bodyTop) fail("the body's bottom must be below its top");
        layout_.hasBody = true;
        bodyLine_ = line_;
    }

    void font(const std::vector<Token>& t) {
        need(t, 4, "a name, a family and a size: font NAME \"FAMILY\" SIZE [bold] [italic] [underline]");
        const std::string& name = t[1].text;
        if (t[1].quoted || name.empty()) fail("a font's name is one word, found " + shownToken(t[1]));
        if (fonts_.count(name)) fail("font " + name + " is defined twice (first on line " +
                                     std::to_string(fonts_.at(name).second) + ")");
        report::Font f;
        const std::string family = lowered(t[2].text);
        if (family == "arial") f.family = "Arial";
        else if (family == "arial narrow") f.family = "Arial Narrow";
        else if (family == "times new roman") f.family = "Times New Roman";
        else fail("unknown font family " + shownToken(t[2]) + " (\"Arial\", \"Arial Narrow\" or \"Times New Roman\")");
        const std::string& points = t[3].text;
        double size = 0;
        const auto r = std::from_chars(points.data(), points.data() + points.size(), size);
        if (points.empty() || r.ec != std::errc() || r.ptr != points.data() + points.size())
            fail("bad number \"" + points + "\"");
        if (size < 1 || size > 200) fail("font size " + points + " is out of range (1 to 200 points)");
        f.points = size;
        for (std::size_t i = 4; i < t.size(); ++i) {
            const std::string style = lowered(t[i].text);
            if (style == "bold") f.bold = true;
            else if (style == "italic") f.italic = true;
            else if (style == "underline") f.underline = true;
            else fail("unknown font style " + shownToken(t[i]) + " (bold, italic or underline)");
        }
        fonts_[name] = {f, line_};
    }

    void band(const std::vector<Token>& t) {
        if (band_) fail("band begins inside band " + bandName(*band_) + ", which is not closed with \"end\"");
        need(t, 2, (std::string("a kind: ") + bandKinds()).c_str());
        static const std::map<std::string, BandKind> orderKinds{
            {"header", BandKind::Header}, {"footer", BandKind::Footer}, {"item", BandKind::Item},
            {"text", BandKind::Text},     {"totals", BandKind::Totals}};
        static const std::map<std::string, BandKind> listingKinds{
            {"header", BandKind::Header},
            {"footer", BandKind::Footer},
            {"vendorinfo", BandKind::VendorInfo},
            {"summary", BandKind::Summary},
            {"podetail", BandKind::PODetail},
            {"text", BandKind::ListingText},
            {"reconciledetail", BandKind::ReconcileDetail},
            {"reconciletotal", BandKind::ReconcileTotal},
            {"blank", BandKind::Blank},
            {"salestaxline", BandKind::SalesTaxLine},
            {"total", BandKind::Total},
            {"grandtotal", BandKind::GrandTotal},
            {"summarygrandtotal", BandKind::SummaryGrandTotal}};
        const auto& kinds = listing() ? listingKinds : orderKinds;
        const auto kind = kinds.find(lowered(t[1].text));
        if (t[1].quoted || kind == kinds.end()) fail("unknown band " + shownToken(t[1]) + " (" + bandKinds() + ")");
        const auto k = static_cast<std::size_t>(kind->second);
        LayoutBand& b = layout_.bands[k];
        if (b.present) fail("band " + bandName(k) + " is given twice (first on line " + std::to_string(b.sourceLine) + ")");
        b.present = true;
        b.sourceLine = line_;
        const bool body = bodyBand(kind->second);
        std::size_t i = 2;
        bool height = false;
        for (; i < t.size(); ++i) {
            if (lowered(t[i].text) != "height" || t[i].quoted) fail("unexpected " + shownToken(t[i]));
            if (!body) fail("band " + bandName(k) + " has no height: its places are on the page");
            b.height = number(t, i);
            height = true;
        }
        if (kind->second == BandKind::Item && !height) fail("band item needs its height: band item height N");
        band_ = k;
    }

    void element(const std::string& word, const std::vector<Token>& t) {
        LayoutElement e;
        e.sourceLine = line_;
        const bool inBody = bodyBand(static_cast<BandKind>(*band_));
        need(t, 2, "a place X,Y");
        std::tie(e.box.x, e.box.y) = point(t[1]);
        std::size_t i = 2;
        if (word == "line") {
            e.kind = LayoutElement::Kind::Line;
            need(t, 3, "two ends: line X1,Y1 X2,Y2");
            std::tie(e.x2, e.y2) = point(t[2]);
            for (i = 3; i < t.size(); ++i) {
                const std::string o = lowered(t[i].text);
                if (o == "width") e.lineWidth = number(t, i);
                else if (o == "color" || o == "colour") e.color = color(t, i);
                else fail("unexpected " + shownToken(t[i]) + " (width N, color RRGGBB)");
            }
        } else if (word == "box") {
            e.kind = LayoutElement::Kind::Box;
            need(t, 3, "a size: box X,Y WxH");
            std::tie(e.box.w, e.box.h) = size(t[2], nullptr);
            for (i = 3; i < t.size(); ++i) {
                const std::string o = lowered(t[i].text);
                if (o == "frame") e.lineWidth = number(t, i);
                else if (o == "color" || o == "colour") e.color = color(t, i);
                else if (o == "fill") {
                    e.filled = true;
                    e.fill = color(t, i);
                } else fail("unexpected " + shownToken(t[i]) + " (frame N, color RRGGBB, fill RRGGBB)");
            }
        } else if (word == "image") {
            image(e, t);
        } else {
            textual(e, word, t, inBody);
        }
        LayoutBand& b = layout_.bands[*band_];
        if (e.flow) {
            if (!inBody) fail(listing() ? "only a field of a band down the body can flow"
                                        : "only a field of the item or text band can flow");
            if (b.flow >= 0)
                fail("band " + bandName(*band_) + " has a flowing field already (line " +
                     std::to_string(b.elements[static_cast<std::size_t>(b.flow)].sourceLine) + ")");
            b.flow = static_cast<int>(b.elements.size());
        }
        b.elements.push_back(std::move(e));
    }

    void image(LayoutElement& e, const std::vector<Token>& t) {
        e.kind = LayoutElement::Kind::Image;
        std::size_t i = 2;
        if (i < t.size() && !t[i].quoted && t[i].text.find('x') != std::string::npos && lowered(t[i].text) != "logo") {
            std::tie(e.box.w, e.box.h) = size(t[i], nullptr);
            e.sized = true;
            ++i;
        }
        if (i >= t.size()) fail("image needs what it shows: logo, or a picture file in quotes");
        if (!t[i].quoted && lowered(t[i].text) == "logo") {
            e.logo = true;
        } else if (t[i].quoted) {
            namespace fs = std::filesystem;
            fs::path path(t[i].text);
            if (path.is_relative()) path = fs::path(folder_) / path;
            std::optional<std::string> bytes = suite::readRegularFile(path.string());
            if (!bytes) fail("picture file " + shownToken(t[i]) + " cannot be read");
            e.bytes = std::move(*bytes);
            const auto picture = pictureSize(e.bytes);
            if (!picture) fail("picture file " + shownToken(t[i]) + " is not a PNG, JPEG, GIF or BMP picture");
            if (!e.sized) {
                e.box.w = std::max<Mils>(1, static_cast<Mils>(picture->milsWide() + 0.5));
                e.box.h = std::max<Mils>(1, static_cast<Mils>(picture->milsHigh() + 0.5));
            }
        } else {
            fail("image shows logo or a picture file in quotes, not " + shownToken(t[i]));
        }
        if (i + 1 < t.size()) fail("unexpected " + shownToken(t[i + 1]));
    }

    void textual(LayoutElement& e, const std::string& word, const std::vector<Token>& t, bool bodyBand) {
        const bool isField = word == "field";
        e.kind = isField ? LayoutElement::Kind::Field : LayoutElement::Kind::Caption;
        need(t, 4, isField ? "a size, a font and a field: field X,Y WxH FONT [options] NAME [PICTURE]"
                           : "a size, a font and its text: text X,Y WxH FONT [options] \"TEXT\"");
        std::tie(e.box.w, e.box.h) = size(t[2], &e.oneLine);
        const auto font = fonts_.find(t[3].text);
        if (t[3].quoted || font == fonts_.end())
            fail("unknown font " + shownToken(t[3]) + " (fonts are defined with font NAME before they are used)");
        e.font = font->second.first;
        bool named = false, pictured = false;
        for (std::size_t i = 4; i < t.size(); ++i) {
            const std::string o = lowered(t[i].text);
            if (!t[i].quoted) {
                if (o == "left") { e.align = report::Align::Left; continue; }
                if (o == "center" || o == "centre") { e.align = report::Align::Center; continue; }
                if (o == "right") { e.align = report::Align::Right; continue; }
                if (o == "wrap") { e.wrap = true; continue; }
                if (o == "flow") { e.flow = true; continue; }
                if (o == "pad") { e.keepPadding = true; continue; }
                if (o == "color" || o == "colour") { e.color = color(t, i); continue; }
            }
            if (!isField) {
                if (!t[i].quoted) fail("unexpected " + shownToken(t[i]) + " (a caption's text is written in quotes)");
                if (named) fail("a caption has one text; unexpected " + shownToken(t[i]));
                e.text = t[i].text;
                named = true;
                continue;
            }
            if (!named) {
                if (t[i].quoted) fail("a field is named without quotes, found " + shownToken(t[i]));
                e.text = t[i].text;
                named = true;
                continue;
            }
            if (pictured || (!t[i].quoted && t[i].text.front() != '@'))
                fail("unexpected " + shownToken(t[i]) + " (a field's picture begins with @)");
            try {
                e.picture.emplace(t[i].text);
            } catch (const std::invalid_argument& error) {
                fail(std::string("bad picture: ") + error.what());
            }
            pictured = true;
        }
        if (!named) fail(isField ? "field needs the name of what it shows" : "text needs its caption in quotes");
        if (e.flow && !isField) fail("only a field can flow");
        if (e.flow && !e.oneLine) fail("a flowing field takes its height from its lines: write its size as Wx*");
        if (e.flow) e.wrap = true;
        if (!isField) return;

        const auto kind = static_cast<BandKind>(*band_);
        if (listing()) {
            const ListingFieldInfo* shown = listingField(e.text);
            if (!shown) fail("unknown field \"" + e.text + "\"");
            if (!listingFieldShownIn(shown->scope, kind))
                fail(e.text + " is " + listingScopeText(shown->scope) + ": the " + bandName(*band_) +
                     " band does not show it");
            if (e.picture && !pictureShows(*e.picture, shown->kind))
                fail("picture " + e.picture->text() + " cannot show " + e.text + " (" + kindName(shown->kind) + ")");
            return;
        }
        const FormFieldInfo* info = formField(e.text);
        if (!info) fail("unknown field \"" + e.text + "\"");
        if (info->scope == FormScope::Line && !bodyBand)
            fail(e.text + " is a value of an order's line: only the item and text bands show it");
        if (info->scope == FormScope::Totals && kind != BandKind::Totals)
            fail(e.text + " is a value of the order's totals: only the totals band shows it");
        if (e.picture && !pictureShows(*e.picture, info->kind))
            fail("picture " + e.picture->text() + " cannot show " + e.text + " (" + kindName(info->kind) + ")");
    }

    static const char* kindName(FormValue::Kind k) {
        switch (k) {
            case FormValue::Kind::Text: return "a text: @s";
            case FormValue::Kind::Number:
            case FormValue::Kind::Real: return "a number: @n";
            case FormValue::Kind::Date: return "a date: @d";
            case FormValue::Kind::Time: return "a time: @t";
        }
        return "";
    }

    FormLayout layout_;
    std::string folder_;
    std::map<std::string, std::pair<report::Font, int>> fonts_;
    std::optional<std::size_t> band_;
    int line_ = 0;
    int bodyLine_ = 0;
};

}  // namespace

bool bodyBand(BandKind k) {
    return k == BandKind::Item || k == BandKind::Text || static_cast<int>(k) >= static_cast<int>(BandKind::VendorInfo);
}

std::string LayoutError::text() const {
    return file + (line > 0 ? ", line " + std::to_string(line) : "") + ": " + message;
}

LayoutRead parseFormLayout(std::string_view content, const std::string& file, const std::string& folder) {
    LayoutRead out;
    try {
        out.layout = Reader(file, folder).read(content);
    } catch (const Problem& p) {
        out.error = {file, p.line, p.message};
    }
    return out;
}

LayoutRead readFormLayout(const std::string& path) {
    std::string why;
    const std::optional<std::string> content = suite::readRegularFile(path, &why);
    if (!content) {
        LayoutRead out;
        out.error = {path, 0, why.rfind("cannot be read", 0) == 0 ? "the file cannot be read" : why};
        return out;
    }
    return parseFormLayout(*content, path, std::filesystem::path(path).parent_path().string());
}

}  // namespace vtl::rpt
