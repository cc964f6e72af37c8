#pragma once
// What an e-mailed purchase order says, and the checks and header texts of
// the addresses it goes to.
#include <string>
#include <vector>

#include "platform/store/store.h"
#include "vtlporpt/email/recipients.h"

namespace vtl::rpt {

inline constexpr const char* kPOEmailBody = "Please see attached Purchase Order.";

// "Please see attached Purchase Order.", and when the user has an e-mail
// signature, two line breaks and the signature.
std::string poEmailBody(store::Store& store, const std::string& userId);
// "Purchase Order from " and the company name.
std::string poEmailSubject(const std::string& companyName);
// The same with the company of the system settings record.
std::string poEmailSubject(store::Store& store);

// A single address "local@domain.tld" in plain ASCII: no blanks, names or
// brackets, one "@", a dotted domain of letters, digits and hyphens.
bool isEmailAddress(const std::string& address);

// A sender "orders@example.com" or "Name <orders@example.com>" taken apart;
// ok is false when it is neither.
struct Mailbox {
    std::string name, address;
    bool ok = false;
};
Mailbox parseMailbox(const std::string& text);

// The value of an address header: "<address>" alone, or the name quoted
// before it; a name beyond plain ASCII goes as UTF-8 encoded words.
std::string mailboxHeader(const std::string& name, const std::string& address);
// A header value (a subject) that may hold any UTF-8 text: as it is when it
// is printable ASCII, else as UTF-8 encoded words. Line breaks become blanks.
std::string headerText(const std::string& text);

// One message to send.
struct MailMessage {
    std::vector<Recipient> to;   // every one of them receives it
    std::string subject;
    std::string body;            // plain text, line breaks as "\n"
    std::string attachmentPath;  // the purchase order's PDF, named after its file
};

}  // namespace vtl::rpt
