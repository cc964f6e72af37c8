#pragma once
// GetCase: the text-case menu of an entry. The person chooses how the entry's
// text is written: "small text", "Capitalized Text" or "ALL CAPS"; the menu
// marks the current choice with a bullet and indents the others by three
// spaces.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/suite/session.h"

namespace vtl::services {

enum class TextCase { Small = 0, Capitalized = 1, AllCaps = 2 };

// The text written in the given case. Letters outside A-Z keep their case;
// a word begins after anything that is not a letter, a digit or an apostrophe.
std::string applyCase(std::string_view text, TextCase mode);

// "small text", "Capitalized Text", "ALL CAPS".
std::string caseName(TextCase mode);
// The menu entries in order, the current one marked.
std::vector<std::string> caseMenuEntries(std::optional<TextCase> current);

struct CaseArgs {
    std::string text;                 // the entry's text, rewritten in the chosen case
    std::optional<TextCase> current;  // the field's saved preference
    std::optional<TextCase> chosen;
};

class GetCase {
public:
    GetCase(Session& session, std::optional<TextCase> current) : session_(session), current_(current) {}

    Session& session() { return session_; }
    std::vector<std::string> entries() const { return caseMenuEntries(current_); }
    std::optional<TextCase> current() const { return current_; }
    // The entry number picked (0 based); false when there is no such entry.
    bool choose(int entry);
    const std::optional<TextCase>& chosen() const { return chosen_; }

private:
    Session& session_;
    std::optional<TextCase> current_;
    std::optional<TextCase> chosen_;
};

// Shows the menu for `text`; the case chosen (with `text` rewritten in it),
// nullopt when the menu was closed without a choice.
std::optional<TextCase> getCase(Session& session, std::string& text, std::optional<TextCase> current);
void runGetCase(Session& session, CaseArgs& args);

}  // namespace vtl::services
