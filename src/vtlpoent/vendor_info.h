#pragma once
// The vendor's name, address, phone, fax and contact as one message ("|"
// breaks the lines), for the purchase-order form's "More Vendor Info" button.
#include <string>

#include "records/records.h"

namespace vtl::ent {

inline std::string vendorInfoText(const APVendor& v) {
    std::string t = v.VendorName.clip() + "|" + v.Address.clip() + "|";
    if (!v.Address2.blank()) t += v.Address2.clip() + "|";
    t += v.City.clip() + ", " + v.State.clip() + "  " + v.Zip.clip() + "||";
    if (!v.Phone.blank()) t += "Phone: " + v.Phone.clip() + "|";
    if (!v.Fax.blank()) t += "Fax:      " + v.Fax.clip();
    if (!v.Contact.blank()) t += "||Contact: " + v.Contact.clip();
    return t;
}

}  // namespace vtl::ent
