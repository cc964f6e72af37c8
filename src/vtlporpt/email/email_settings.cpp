#include "vtlporpt/email/email_settings.h"

#include "platform/suite/text_util.h"
#include "vtlporpt/email/email_message.h"

namespace vtl::rpt {
namespace {

constexpr const char* kServer = "Server";
constexpr const char* kPort = "Port";
constexpr const char* kSecurity = "Security";
constexpr const char* kUser = "User";
constexpr const char* kPassword = "Password";
constexpr const char* kFrom = "From";

}  // namespace

std::string securityName(Security security) {
    switch (security) {
        case Security::None: return "none";
        case Security::StartTls: return "starttls";
        case Security::Tls: return "tls";
        case Security::Unknown: break;
    }
    return "";
}

Security parseSecurity(const std::string& text) {
    const std::string s = suite::lowered(suite::trimmed(text));
    if (s.empty() || s == "none") return Security::None;
    if (s == "starttls") return Security::StartTls;
    if (s == "tls") return Security::Tls;
    return Security::Unknown;
}

int effectivePort(const EmailSettings& settings) {
    if (settings.port > 0) return settings.port;
    switch (settings.security) {
        case Security::StartTls: return 587;
        case Security::Tls: return 465;
        default: return 25;
    }
}

EmailSettings readEmailSettings(const suite::IniFile& ini) {
    EmailSettings s;
    s.server = ini.get(kEmailSection, kServer, "");
    const auto port = ini.getInt(kEmailSection, kPort, 0);
    s.port = port > 0 && port <= 65535 ? static_cast<int>(port) : 0;
    s.security = parseSecurity(ini.get(kEmailSection, kSecurity, ""));
    s.user = ini.get(kEmailSection, kUser, "");
    s.password = ini.get(kEmailSection, kPassword, "");
    s.from = ini.get(kEmailSection, kFrom, "");
    return s;
}

bool writeEmailSettings(suite::IniFile& ini, const EmailSettings& s, std::string* error) {
    // One write for the whole section: a killed program never leaves a new
    // server beside the old account's password.
    const bool ok = ini.set(kEmailSection, {{kServer, s.server},
                                            {kPort, s.port > 0 ? std::to_string(s.port) : std::string()},
                                            {kSecurity, securityName(s.security)},
                                            {kUser, s.user},
                                            {kPassword, s.password},
                                            {kFrom, s.from}});
    if (!ok && error) *error = ini.lastError();
    return ok;
}

std::string settingsProblem(const EmailSettings& s) {
    if (suite::trimmed(s.server).empty()) return "No mail server is set.";
    if (s.security == Security::Unknown) return "The e-mail security must be none, starttls or tls.";
    if (suite::trimmed(s.from).empty()) return "No sender address (From) is set.";
    if (!parseMailbox(s.from).ok) return "The sender address (From) is not an e-mail address.";
    return "";
}

}  // namespace vtl::rpt
