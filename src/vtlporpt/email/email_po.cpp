#include "vtlporpt/email/email_po.h"

#include "vtlporpt/email/compose_po_email.h"
#include "vtlporpt/email/curl_mail_sender.h"
#include "vtlporpt/email/po_email_select.h"
#include "vtlporpt/print_shared.h"

namespace vtl::rpt {

EmailOutcome emailPurchaseOrder(Session& s, ULong vendorId, const std::string& pdfPath, MailSender& sender) {
    std::vector<Recipient> list = vendorRecipients(s.store, vendorId);
    if (!chooseRecipients(s, list)) return EmailOutcome::NotEmailed;

    MailMessage message;
    message.to = std::move(list);
    message.subject = printShared(s.module).outputs.emailSubject;
    if (message.subject.empty()) message.subject = poEmailSubject(s.store);
    message.body = poEmailBody(s.store, s.globals.UserID);
    message.attachmentPath = pdfPath;
    ComposePOEmail compose(s.ui, sender, readEmailSettings(s.settings), std::move(message));
    s.views.run(compose);
    return compose.sent() ? EmailOutcome::Sent : EmailOutcome::Cancelled;
}

EmailOutcome emailPurchaseOrder(Session& s, ULong vendorId, const std::string& pdfPath) {
    return emailPurchaseOrder(s, vendorId, pdfPath, defaultMailSender());
}

EmailOutcome emailReportPdf(Session& s, const std::string& pdfPath, const std::string& subject, MailSender& sender) {
    MailMessage message;
    message.to = vendorRecipients(s.store, 0);  // the entry to complete
    message.subject = subject;
    message.attachmentPath = pdfPath;
    ComposePOEmail compose(s.ui, sender, readEmailSettings(s.settings), std::move(message));
    s.views.run(compose);
    return compose.sent() ? EmailOutcome::Sent : EmailOutcome::Cancelled;
}

EmailOutcome emailReportPdf(Session& s, const std::string& pdfPath, const std::string& subject) {
    return emailReportPdf(s, pdfPath, subject, defaultMailSender());
}

SendResult emailPurchaseOrderUnattended(store::Store& store, const suite::IniFile& settings,
                                        const std::string& pdfPath, ULong vendorId, MailSender& sender,
                                        const std::string& userId) {
    MailMessage message;
    for (const Recipient& r : taggedRecipients(vendorRecipients(store, vendorId)))
        if (!r.address.empty()) message.to.push_back(r);
    if (message.to.empty()) {
        SendResult none;
        none.error = "Vendor " + std::to_string(vendorId) +
                     " has no e-mail address, nor has any of its contacts: the purchase order was not e-mailed.";
        return none;
    }
    message.subject = poEmailSubject(store);
    message.body = poEmailBody(store, userId);
    message.attachmentPath = pdfPath;
    return sender.send(readEmailSettings(settings), message);
}

}  // namespace vtl::rpt
