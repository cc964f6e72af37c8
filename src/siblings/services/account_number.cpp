#include "siblings/services/account_number.h"

#include <cctype>

#include "platform/suite/error_object.h"
#include "records/general_ledger.h"
#include "siblings/lookups/lookups.h"

namespace vtl::services {

namespace {
std::string digitsOf(std::string_view s) {
    std::string out;
    for (char c : s)
        if (std::isdigit(static_cast<unsigned char>(c))) out.push_back(c);
    return out;
}
}  // namespace

std::string accountCharacters(std::string_view typed) {
    std::string out;
    for (char c : typed) {
        if (out.size() >= static_cast<std::size_t>(EditAccountNum::kLength)) break;
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '-') out.push_back(c);
    }
    return out;
}

EditAccountNum::EditAccountNum(Session& session, std::string account)
    : session_(session), text_(accountCharacters(account)) {}

void EditAccountNum::setText(std::string_view typed) { text_ = accountCharacters(typed); }

std::optional<std::string> EditAccountNum::onFile(const std::string& text) const {
    if (text.empty()) return std::nullopt;
    store::Table<GLMaster> accounts(session_.store);
    GLMaster gl;
    gl.Account = text;
    if (accounts.fetch(GLMaster::KeyAccount, gl)) return gl.Account.clip();
    const std::string digits = digitsOf(text);
    if (digits.empty()) return std::nullopt;
    auto cursor = accounts.all(GLMaster::KeyAccount);
    while (cursor.next(gl))
        if (digitsOf(gl.Account.clipView()) == digits) return gl.Account.clip();
    return std::nullopt;
}

std::string EditAccountNum::description() const {
    auto account = onFile(text_);
    if (!account) return {};
    GLMaster gl;
    gl.Account = *account;
    store::Table<GLMaster>(session_.store).fetch(GLMaster::KeyAccount, gl);
    return gl.Description.clip();
}

bool EditAccountNum::accept() {
    if (text_.empty()) {
        accepted_ = true;
        return true;
    }
    auto account = onFile(text_);
    if (!account) {
        session_.ui.tell("Account " + text_ + " is not on file.", title(), ui::Icon::Exclamation);
        return false;
    }
    text_ = *account;
    accepted_ = true;
    return true;
}

bool EditAccountNum::lookup() {
    auto gl = siblings::browseGLMaster(session_, onFile(text_).value_or(text_));
    if (!gl) return false;
    text_ = gl->Account.clip();
    return true;
}

void runEditAccountNum(Session& session, AccountArgs& args) {
    suite::ProcedureName name(session.errors, "EditAccountNum");
    EditAccountNum window(session, args.account);
    session.views.run(window);
    args.accepted = window.accepted();
    if (window.accepted()) args.account = window.text();
}

std::optional<std::string> editAccountNum(Session& session, const std::string& account) {
    AccountArgs args{account};
    serve(session, "EditAccountNum", args, runEditAccountNum);
    if (!args.accepted) return std::nullopt;
    return args.account;
}

}  // namespace vtl::services
