#include "vtlpoent/dialogs/enter_ship_to_address.h"

namespace vtl::ent {

EnterShipToAddress EnterShipToAddress::from(const POMaster& po) {
    EnterShipToAddress a;
    a.name = po.ShipToName.clip();
    a.address1 = po.ShipToAddress1.clip();
    a.address2 = po.ShipToAddress2.clip();
    a.city = po.ShipToCity.clip();
    a.state = po.ShipToState.clip();
    a.zip = po.ShipToZip.clip();
    a.contact = po.ShipToContact.clip();
    return a;
}

void EnterShipToAddress::applyTo(POMaster& po) const {
    po.ShipToName = name;
    po.ShipToAddress1 = address1;
    po.ShipToAddress2 = address2;
    po.ShipToCity = city;
    po.ShipToState = state;
    po.ShipToZip = zip;
    po.ShipToContact = contact;
}

}  // namespace vtl::ent
