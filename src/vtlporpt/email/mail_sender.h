#pragma once
// The way a message leaves: an interface, so the windows and the batch run
// are tested with a stand-in and the real sender against a real server.
#include <string>

#include "vtlporpt/email/email_message.h"
#include "vtlporpt/email/email_settings.h"

namespace vtl::rpt {

struct SendResult {
    bool sent = false;
    // When not sent: one line for the person, with the server's answer and
    // its SMTP code when there was one; never the password.
    std::string error;
    long responseCode = 0;  // the server's last SMTP code, 0 when it never answered
};

class MailSender {
public:
    virtual ~MailSender() = default;
    // Sends `message` from settings.from to every recipient of it, with its
    // attachment. The attached file is only read, never removed.
    virtual SendResult send(const EmailSettings& settings, const MailMessage& message) = 0;
};

}  // namespace vtl::rpt
