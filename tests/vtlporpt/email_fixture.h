#pragma once
// What the tests of e-mailing share: a company with vendors and contacts,
// and a sender that keeps what it was handed instead of sending it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/records.h"
#include "support/test_session.h"
#include "vtlporpt/email/mail_sender.h"

namespace vtl::test {

class FakeSender : public rpt::MailSender {
public:
    rpt::SendResult send(const rpt::EmailSettings& settings, const rpt::MailMessage& message) override {
        sentWith.push_back(settings);
        sent.push_back(message);
        rpt::SendResult r;
        if (failures > 0) {
            --failures;
            r.error = "The message was not sent: the server refused it (SMTP 550).";
            r.responseCode = 550;
        } else {
            r.sent = true;
        }
        return r;
    }

    int failures = 0;  // how many sends to refuse before taking them
    std::vector<rpt::EmailSettings> sentWith;
    std::vector<rpt::MailMessage> sent;
};

class EmailTest : public ::testing::Test {
protected:
    void addVendor(ULong id, const std::string& name, const std::string& email, const std::string& contact = "") {
        APVendor v;
        v.VendorID = id;
        v.VendorName = name;
        v.Email = email;
        v.Contact = contact;
        ASSERT_TRUE(store::Table<APVendor>(s.store()).insert(v));
    }
    void addContact(ULong vendor, const std::string& first, const std::string& last, const std::string& email) {
        Contact c;
        c.VendorID = vendor;
        c.FirstName = first;
        c.LastName = last;
        c.Email = email;
        ASSERT_TRUE(store::Table<Contact>(s.store()).insert(c));
    }
    void addUser(const std::string& id, const std::string& signature) {
        UserFile u;
        u.UserID = id;
        u.EmailSignature = signature;
        ASSERT_TRUE(store::Table<UserFile>(s.store()).insert(u));
    }
    void setCompany(const std::string& name) {
        Systems sys;
        sys.CompanyName = name;
        ASSERT_TRUE(store::Table<Systems>(s.store()).insert(sys));
    }

    static rpt::EmailSettings workingSettings() {
        rpt::EmailSettings e;
        e.server = "mail.columbiaridge.example";
        e.security = rpt::Security::StartTls;
        e.user = "orders@columbiaridge.example";
        e.password = "Tr1ckyPass!";
        e.from = "Columbia Ridge Builders <orders@columbiaridge.example>";
        return e;
    }

    TestSession s;
};

}  // namespace vtl::test
