#include "commands/csv.h"

namespace vtl::cli {

std::string csvField(std::string_view v) {
    if (v.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(v);
    std::string q = "\"";
    for (char c : v) {
        if (c == '"') q += '"';
        q += c;
    }
    q += '"';
    return q;
}

std::string csvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) line += ',';
        line += csvField(fields[i]);
    }
    line += "\r\n";
    return line;
}

}  // namespace vtl::cli
