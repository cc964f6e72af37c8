#pragma once
// What the tests of e-mailing share: a company with vendors and contacts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/records.h"
#include "support/test_session.h"

namespace vtl::test {

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

    TestSession s;
};

}  // namespace vtl::test
