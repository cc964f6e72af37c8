#pragma once
// E-mailing a purchase order once its PDF is written: the recipients by the
// rule, the choice among them, the e-mail window and the sending; and the
// same without windows for the batch tool.
#include <string>

#include "platform/suite/ini_file.h"
#include "platform/suite/session.h"
#include "vtlporpt/email/mail_sender.h"

namespace vtl::rpt {

enum class EmailOutcome {
    Sent,
    NotEmailed,  // the person chose nobody and confirmed
    Cancelled,   // the e-mail window was cancelled
};

// Offers the order to the vendor's recipients (POEmailSelect when there are
// two or more), then the e-mail window with the subject the print step left
// (printShared's e-mail subject, else "Purchase Order from " and the
// company), the body with the current user's signature and the PDF at
// `pdfPath` attached. The PDF is never removed.
EmailOutcome emailPurchaseOrder(Session& s, ULong vendorId, const std::string& pdfPath, MailSender& sender);
EmailOutcome emailPurchaseOrder(Session& s, ULong vendorId, const std::string& pdfPath);

// A report's PDF (the listing, the alignment form): the e-mail window with
// one recipient to fill in, `subject` as its subject and no body.
EmailOutcome emailReportPdf(Session& s, const std::string& pdfPath, const std::string& subject, MailSender& sender);
EmailOutcome emailReportPdf(Session& s, const std::string& pdfPath, const std::string& subject);

// For the batch tool: the recipients tagged by the rule (no window, no
// question), the e-mail settings of `settings`, the body with `userId`'s
// signature (none for a blank user) and the company's subject. A vendor
// nobody of which has an address gets nothing: the result says so.
SendResult emailPurchaseOrderUnattended(store::Store& store, const suite::IniFile& settings,
                                        const std::string& pdfPath, ULong vendorId, MailSender& sender,
                                        const std::string& userId = "");

}  // namespace vtl::rpt
