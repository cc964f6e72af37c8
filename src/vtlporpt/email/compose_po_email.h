#pragma once
// ComposePOEmail: the e-mail window of a purchase order. It shows the
// recipients chosen (the person may change, add and remove them, and must
// complete the "add recipient here ..." entry), the subject and the body,
// and the attached file's name; Send checks every address and sends,
// Cancel sends nothing. A refused message is told with the server's answer
// and the window stays open; the attached file stays where it is either way.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/ui/ui.h"
#include "vtlporpt/email/email_message.h"
#include "vtlporpt/email/email_settings.h"
#include "vtlporpt/email/mail_sender.h"

namespace vtl::rpt {

class ComposePOEmail {
public:
    static constexpr const char* kTitle = "E-mail Purchase Order";

    // `message.to`: the tagged recipients.
    ComposePOEmail(ui::Ui& ui, MailSender& sender, EmailSettings settings, MailMessage message)
        : ui_(ui), sender_(sender), settings_(std::move(settings)), message_(std::move(message)) {}

    const std::vector<Recipient>& recipients() const { return message_.to; }
    const std::string& subject() const { return message_.subject; }
    const std::string& body() const { return message_.body; }
    // The attached file's name, without its folder.
    std::string attachmentName() const;
    const std::string& attachmentPath() const { return message_.attachmentPath; }

    // Names and addresses are cut to 50 characters, as the list holds them.
    void setName(std::size_t row, const std::string& name);
    void setAddress(std::size_t row, const std::string& address);
    // A new blank entry at the end; its row.
    std::size_t addRecipient();
    void removeRecipient(std::size_t row);
    void setSubject(const std::string& subject) { message_.subject = subject; }
    void setBody(const std::string& body) { message_.body = body; }

    // Checks the recipients and the settings and sends. True when sent (the
    // window closes); false when something was refused or the server did
    // not take the message, which was told to the person.
    bool send();
    void cancel() { closed_ = true; }

    bool closed() const { return closed_; }
    bool sent() const { return sent_; }
    // The row whose entry was refused last, for the view to put the focus on; -1 for none.
    int refusedRow() const { return refusedRow_; }

private:
    bool refuse(const std::string& text, int row);

    ui::Ui& ui_;
    MailSender& sender_;
    EmailSettings settings_;
    MailMessage message_;
    bool closed_ = false;
    bool sent_ = false;
    int refusedRow_ = -1;
};

}  // namespace vtl::rpt
