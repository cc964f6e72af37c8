#include "siblings/services/common.h"

#include "platform/picture/picture.h"

namespace vtl::services {

bool confirmDelete(ui::Ui& ui) {
    return ui.ask(kConfirmDeleteText, kConfirmDeleteTitle, "&Yes|&No", ui::Icon::Question, 2) == 1;
}

std::string dateCell(Date d) {
    std::string s = pic::format(d, "@d2b");
    const auto first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first);
}

std::string oneLine(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out.push_back(c == '\n' || c == '\r' || c == '\t' ? ' ' : c);
    }
    return out;
}

}  // namespace vtl::services
