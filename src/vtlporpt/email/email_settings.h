#pragma once
// How purchase orders go out by e-mail: the mail server, its security, the
// account and the sender, kept in section "[Email]" of the module's settings
// file (vtlpo.INI in the data folder) beside whatever else the file holds.
//
//   [Email]
//   Server=mail.example.com
//   Port=587
//   Security=starttls        ; none | starttls | tls
//   User=orders@example.com
//   Password=...
//   From=Cascade Builders <orders@example.com>
//
// The password is read and written here and handed to the sender; it is
// never put into a message, an error text or a log, and the file that holds
// it is written readable by its owner only (suite::IniFile).
#include <string>

#include "platform/suite/ini_file.h"

namespace vtl::rpt {

inline constexpr const char* kEmailSection = "Email";

// none: plain SMTP; starttls: SMTP that must switch to TLS before anything
// else is said; tls: SMTP over TLS from the first byte (smtps). A value the
// file holds that is none of these reads as Unknown, and nothing is sent
// until it is corrected: a typing error must not send the password in clear.
enum class Security { None, StartTls, Tls, Unknown };

struct EmailSettings {
    std::string server;
    int port = 0;  // 0: the usual port of the security (25, 587, 465)
    Security security = Security::None;
    std::string user;      // blank: the server takes mail without signing on
    std::string password;
    std::string from;      // "orders@example.com" or "Name <orders@example.com>"
};

// "none", "starttls", "tls"; "" for Unknown.
std::string securityName(Security security);
// Ignores case and blanks around; Unknown for anything else.
Security parseSecurity(const std::string& text);
// The port to connect to: the one set, else the usual one of the security.
int effectivePort(const EmailSettings& settings);

EmailSettings readEmailSettings(const suite::IniFile& ini);
// Writes every entry of the section and leaves the rest of the file as it
// was. False with `error` set (the file's error, never a value) when the
// file could not be written.
bool writeEmailSettings(suite::IniFile& ini, const EmailSettings& settings, std::string* error = nullptr);

// Why mail cannot be sent with these settings (one line for the person),
// or "" when they will do.
std::string settingsProblem(const EmailSettings& settings);

}  // namespace vtl::rpt
