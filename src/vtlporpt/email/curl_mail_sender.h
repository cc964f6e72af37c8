#pragma once
// The SMTP sender, over libcurl: the message and its PDF are put together
// with libcurl's MIME parts (a text part and the file, base64), sent plain,
// with STARTTLS required, or over TLS from the start as the settings say.
#include "vtlporpt/email/mail_sender.h"

namespace vtl::rpt {

class CurlMailSender : public MailSender {
public:
    CurlMailSender();
    SendResult send(const EmailSettings& settings, const MailMessage& message) override;

    // Seconds to wait for the connection, and for any progress after it.
    int connectTimeout = 30;
    int stallTimeout = 120;
};

// The sender the windows use unless they are handed another.
MailSender& defaultMailSender();

}  // namespace vtl::rpt
