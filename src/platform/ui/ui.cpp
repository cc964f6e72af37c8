#include "platform/ui/ui.h"

namespace vtl::ui {

std::vector<std::string> splitButtons(const std::string& buttons) {
    std::vector<std::string> out;
    if (buttons.empty()) return out;
    std::string::size_type start = 0;
    for (;;) {
        auto bar = buttons.find('|', start);
        out.push_back(buttons.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    return out;
}

std::string messageLines(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (c == '|') c = '\n';
    return out;
}

}  // namespace vtl::ui
