#include "vtlpoimp/import_layout.h"

#include <algorithm>
#include <cctype>

namespace vtl::imp {

const char* const kBuiltInLayout =
    "R100VI00PB00PD00PN00D100D200D300D400PT00TR00TA00PA00SN00S100S200SY00SS00SZ00SO00VA00SI00FO00TM00####"
    "R200TF00TX00II00DE00QO00UP00UN00AM00DT00AC00JB00CC00EQ00CT00D100D200D300";

const std::vector<FieldCode>& fieldCodes(Part part) {
    static const std::vector<FieldCode> header{
        {"R1", "Record Type (H)"},
        {"PO", "POID"},
        {"VI", "Vendor ID"},
        {"EV", "External Vendor ID"},
        {"PB", "Prepared By"},
        {"PD", "Prepared Date"},
        {"PN", "PO Number"},
        {"D1", "Issue Date"},
        {"D2", "Deliver After Date"},
        {"D3", "Delivery Date"},
        {"D4", "Deadline Date"},
        {"PT", "Pre Tax Amount"},
        {"TR", "Tax Rate"},
        {"TA", "Tax Amount"},
        {"PA", "PO Amount"},
        {"ST", "Ship To Type"},
        {"SJ", "Ship To Job"},
        {"SV", "Ship To Vendor"},
        {"SC", "Ship To Customer"},
        {"SN", "Ship To Name"},
        {"S1", "Ship To Address 1"},
        {"S2", "Ship To Address 2"},
        {"SY", "Ship To City"},
        {"SS", "Ship To State"},
        {"SZ", "Ship To Zip"},
        {"SO", "Ship To Contact"},
        {"VA", "Ship Via"},
        {"SI", "Ship To Instructions"},
        {"FO", "FOB"},
        {"TM", "Terms"},
        {"00", "Unused"},
    };
    static const std::vector<FieldCode> detail{
        {"R2", "Record Type (D)"},
        {"PO", "POID"},
        {"DN", "PO Number"},
        {"TF", "Text Flag"},
        {"TX", "Text"},
        {"II", "Item ID"},
        {"DE", "Description"},
        {"QO", "Quantity Ordered"},
        {"UP", "Unit Price"},
        {"UN", "Unit Name"},
        {"AM", "Total Amount"},
        {"DT", "Detail Type"},
        {"AC", "Account"},
        {"JB", "Job ID"},
        {"CC", "Cost Code"},
        {"EQ", "Equipment ID"},
        {"CT", "Cost Category"},
        {"D1", "Deliver After Date"},
        {"D2", "Delivery Date"},
        {"D3", "Deadline Date"},
        {"00", "Unused"},
    };
    return part == Part::Header ? header : detail;
}

std::optional<std::string> fieldName(Part part, std::string_view code) {
    for (const FieldCode& f : fieldCodes(part))
        if (code == f.code) return std::string(f.name);
    return std::nullopt;
}

std::optional<std::string> fieldCodeOf(Part part, std::string_view name) {
    if (name == "Not Used") return std::string("00");
    for (const FieldCode& f : fieldCodes(part))
        if (name == f.name) return std::string(f.code);
    return std::nullopt;
}

namespace {

std::vector<LayoutToken> tokens(std::string_view text) {
    std::vector<LayoutToken> out;
    for (std::size_t i = 0; i + 4 <= text.size(); i += 4) {
        std::string_view t = text.substr(i, 4);
        if (!std::isdigit(static_cast<unsigned char>(t[2])) || !std::isdigit(static_cast<unsigned char>(t[3])))
            continue;
        out.push_back({std::string(t.substr(0, 2)), (t[2] - '0') * 10 + (t[3] - '0')});
    }
    return out;
}

}  // namespace

Layout parseLayout(std::string_view text) {
    Layout l;
    const auto marker = text.find("####");
    l.header = tokens(text.substr(0, marker));
    if (marker != std::string_view::npos) l.detail = tokens(text.substr(marker + 4));
    return l;
}

std::string layoutText(const Layout& layout) {
    auto put = [](std::string& out, const LayoutToken& t) {
        const int w = std::clamp(t.width, 0, kMaxWidth);
        out += t.code.substr(0, 2);
        out.append(2 - std::min<std::size_t>(2, t.code.size()), '0');
        out += static_cast<char>('0' + w / 10);
        out += static_cast<char>('0' + w % 10);
    };
    std::string out;
    for (const auto& t : layout.header) put(out, t);
    out += "####";
    for (const auto& t : layout.detail) put(out, t);
    return out;
}

}  // namespace vtl::imp
