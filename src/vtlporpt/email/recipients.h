#pragma once
// Who a purchase order is e-mailed to: the vendor and the vendor's contacts
// that have an address, the first of them tagged.
#include <string>
#include <vector>

#include "platform/store/store.h"

namespace vtl::rpt {

// The name of the one entry offered when nobody has an address; the person
// completes it in the e-mail window.
inline constexpr const char* kAddRecipient = "add recipient here ...";

struct Recipient {
    bool tagged = false;
    std::string name;     // at most 50 characters
    std::string address;  // at most 50 characters

    friend bool operator==(const Recipient&, const Recipient&) = default;
};

// The vendor first when it has an address, named after its contact (else
// its name); then every contact of the vendor with an address, named "First
// Last". Only the first entry is tagged. Nobody with an address gives one
// tagged kAddRecipient entry with a blank address. An unknown vendor has
// no address.
std::vector<Recipient> vendorRecipients(store::Store& store, ULong vendorId);

// The tagged entries, in order.
std::vector<Recipient> taggedRecipients(const std::vector<Recipient>& list);

}  // namespace vtl::rpt
