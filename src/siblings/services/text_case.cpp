#include "siblings/services/text_case.h"

#include <cctype>

#include "platform/suite/error_object.h"
#include "siblings/services/common.h"

namespace vtl::services {

namespace {
bool wordCharacter(unsigned char c) { return std::isalnum(c) || c == '\'' || c >= 0x80; }
}  // namespace

std::string applyCase(std::string_view text, TextCase mode) {
    std::string out(text);
    bool wordStart = true;
    for (char& ch : out) {
        const auto c = static_cast<unsigned char>(ch);
        switch (mode) {
            case TextCase::Small: ch = static_cast<char>(std::tolower(c)); break;
            case TextCase::AllCaps: ch = static_cast<char>(std::toupper(c)); break;
            case TextCase::Capitalized:
                ch = static_cast<char>(wordStart ? std::toupper(c) : std::tolower(c));
                break;
        }
        wordStart = !wordCharacter(c);
    }
    return out;
}

std::string caseName(TextCase mode) {
    switch (mode) {
        case TextCase::Small: return "small text";
        case TextCase::Capitalized: return "Capitalized Text";
        case TextCase::AllCaps: return "ALL CAPS";
    }
    return {};
}

std::vector<std::string> caseMenuEntries(std::optional<TextCase> current) {
    std::vector<std::string> out;
    for (TextCase m : {TextCase::Small, TextCase::Capitalized, TextCase::AllCaps})
        out.push_back((current == m ? "\u2022  " : "   ") + caseName(m));
    return out;
}

bool GetCase::choose(int entry) {
    if (entry < 0 || entry > 2) return false;
    chosen_ = static_cast<TextCase>(entry);
    return true;
}

void runGetCase(Session& session, CaseArgs& args) {
    suite::ProcedureName name(session.errors, "GetCase");
    GetCase menu(session, args.current);
    session.views.run(menu);
    args.chosen = menu.chosen();
    if (args.chosen) args.text = applyCase(args.text, *args.chosen);
}

std::optional<TextCase> getCase(Session& session, std::string& text, std::optional<TextCase> current) {
    CaseArgs args{text, current, std::nullopt};
    serve(session, "GetCase", args, runGetCase);
    if (args.chosen) text = args.text;
    return args.chosen;
}

}  // namespace vtl::services
