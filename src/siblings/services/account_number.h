#pragma once
// EditAccountNum: the entry of a general-ledger account number. What the
// person types is kept to the characters of an account (digits and dashes),
// and the account must be on file; typed without its dashes it takes the
// form of the account on file ("500000" is "5000-00").
#include <optional>
#include <string>
#include <string_view>

#include "platform/suite/session.h"
#include "siblings/services/common.h"

namespace vtl::services {

struct AccountArgs {
    std::string account;   // the account to start from, and the one accepted
    bool accepted = false;
};

// The characters of an account in `typed`: digits and dashes, at most 12.
std::string accountCharacters(std::string_view typed);

class EditAccountNum {
public:
    static constexpr int kLength = 12;

    EditAccountNum(Session& session, std::string account);

    Session& session() { return session_; }
    std::string title() const { return "Enter Account Number"; }
    const std::string& text() const { return text_; }
    // Keeps the account characters of what was typed.
    void setText(std::string_view typed);
    // The description of the account typed, "" when it is not on file.
    std::string description() const;

    // Accepts the account typed: a blank entry means no account; an account
    // not on file is told and refused.
    bool accept();
    // Picks the account from the accounts on file.
    bool lookup();
    bool accepted() const { return accepted_; }

private:
    // The account on file that `text` names (as typed, or by its digits).
    std::optional<std::string> onFile(const std::string& text) const;

    Session& session_;
    std::string text_;
    bool accepted_ = false;
};

// Edits an account number; the accepted account, nullopt when cancelled.
std::optional<std::string> editAccountNum(Session& session, const std::string& account);
void runEditAccountNum(Session& session, AccountArgs& args);

}  // namespace vtl::services
