#pragma once
// EnterShipToAddress: the ship-to name, address and contact of an order
// typed by hand (ship-to type "Other"). It only edits the values handed to
// it and returns them; each entry keeps the width of its header field.
#include <functional>
#include <string>

#include "records/records.h"

namespace vtl::ent {

struct EnterShipToAddress {
    static constexpr const char* kTitle = "Ship To Address";

    std::string name, address1, address2;  // 50 characters each
    std::string city;                      // 30
    std::string state;                     // 2
    std::string zip;                       // 10
    std::string contact;                   // 40
    bool proceed = false;
    // Opens the window's help page (F1); set by whoever shows the window.
    std::function<void()> help;

    // The values of an order, and back.
    static EnterShipToAddress from(const POMaster& po);
    void applyTo(POMaster& po) const;

    void setName(const std::string& v) { name = Text<50>(v).clip(); }
    void setAddress1(const std::string& v) { address1 = Text<50>(v).clip(); }
    void setAddress2(const std::string& v) { address2 = Text<50>(v).clip(); }
    void setCity(const std::string& v) { city = Text<30>(v).clip(); }
    void setState(const std::string& v) { state = Text<2>(v).clip(); }
    void setZip(const std::string& v) { zip = Text<10>(v).clip(); }
    void setContact(const std::string& v) { contact = Text<40>(v).clip(); }

    void ok() { proceed = true; }
    void cancel() { proceed = false; }
};

}  // namespace vtl::ent
