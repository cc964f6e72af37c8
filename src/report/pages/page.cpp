#include "report/pages/page.h"

#include <cstdio>

namespace vtl::report {
namespace {

const char* alignName(Align a) {
    switch (a) {
        case Align::Left: return "left";
        case Align::Center: return "center";
        case Align::Right: return "right";
    }
    return "left";
}

// Quotes a text so that one item stays on one line of the file.
std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        if (c == '\r') {
            out += "\\r";
            continue;
        }
        out += c;
    }
    return out + "\"";
}

std::string rect(const Rect& r) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%d,%d %dx%d", r.x, r.y, r.w, r.h);
    return buf;
}

std::string color(Color c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%06X", static_cast<unsigned>(c & 0xFFFFFF));
    return buf;
}

std::string font(const Font& f) {
    char size[32];
    std::snprintf(size, sizeof size, "%g", f.points);
    std::string s = f.family + " " + size;
    if (f.bold) s += " bold";
    if (f.italic) s += " italic";
    if (f.underline) s += " underline";
    return s;
}

// FNV-1a, enough to tell two pictures apart in a golden file.
unsigned long long checksum(const std::string& bytes) {
    unsigned long long h = 1469598103934665603ull;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

struct Writer {
    std::string& out;
    void operator()(const TextItem& t) const {
        out += "text " + rect(t.box) + " " + font(t.font) + " " + alignName(t.align) + (t.wrap ? " wrap" : "") +
               (t.color != kBlack ? " " + color(t.color) : "") + " " + quoted(t.text) + "\n";
    }
    void operator()(const LineItem& l) const {
        char buf[96];
        std::snprintf(buf, sizeof buf, "line %d,%d %d,%d width %d", l.x1, l.y1, l.x2, l.y2, l.width);
        out += buf;
        out += (l.color != kBlack ? " " + color(l.color) : "") + "\n";
    }
    void operator()(const BoxItem& b) const {
        char buf[32];
        std::snprintf(buf, sizeof buf, " frame %d", b.lineWidth);
        out += "box " + rect(b.box) + buf + (b.filled ? " fill " + color(b.fill) : "") + "\n";
    }
    void operator()(const ImageItem& i) const {
        char buf[64];
        std::snprintf(buf, sizeof buf, " %zu bytes %016llx", i.bytes.size(), checksum(i.bytes));
        out += "image " + rect(i.box) + buf + "\n";
    }
};

}  // namespace

std::string toText(const Document& doc) {
    std::string out;
    if (!doc.title.empty()) out += "document " + quoted(doc.title) + "\n";
    for (std::size_t p = 0; p < doc.pages.size(); ++p) {
        const Page& page = doc.pages[p];
        char buf[64];
        std::snprintf(buf, sizeof buf, "page %zu %dx%d\n", p + 1, page.width, page.height);
        out += buf;
        for (const Item& item : page.items) std::visit(Writer{out}, item);
    }
    return out;
}

}  // namespace vtl::report
