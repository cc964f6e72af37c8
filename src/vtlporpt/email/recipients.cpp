#include "vtlporpt/email/recipients.h"

#include "records/payables.h"

namespace vtl::rpt {
namespace {

void add(std::vector<Recipient>& list, const std::string& name, const std::string& address) {
    Recipient r;
    r.tagged = list.empty();
    r.name = Text<50>(name).clip();
    r.address = Text<50>(address).clip();
    list.push_back(std::move(r));
}

}  // namespace

std::vector<Recipient> vendorRecipients(store::Store& store, ULong vendorId) {
    std::vector<Recipient> list;
    APVendor vendor;
    vendor.VendorID = vendorId;
    if (store::Table<APVendor>(store).fetch(APVendor::KeyVendorID, vendor) && !vendor.Email.blank())
        add(list, vendor.Contact.blank() ? vendor.VendorName.clip() : vendor.Contact.clip(), vendor.Email.clip());

    Contact contact;
    contact.VendorID = vendorId;
    auto contacts = store::Table<Contact>(store).scan(Contact::KeyVendorID, contact, {false, 1, false});
    while (contacts.next(contact)) {
        if (contact.Email.blank()) continue;
        add(list, contact.FirstName.clip() + " " + contact.LastName.clip(), contact.Email.clip());
    }

    if (list.empty()) add(list, kAddRecipient, "");
    return list;
}

std::vector<Recipient> taggedRecipients(const std::vector<Recipient>& list) {
    std::vector<Recipient> tagged;
    for (const Recipient& r : list)
        if (r.tagged) tagged.push_back(r);
    return tagged;
}

}  // namespace vtl::rpt
