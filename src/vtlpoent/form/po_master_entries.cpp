// The header entries of the purchase-order form: vendor, ship-to, default
// job, PO number and taxes.
#include "platform/suite/error_object.h"
#include "platform/suite/text_util.h"
#include "siblings/lookups/lookups.h"
#include "vtlpoent/form/update_po_master.h"
#include "vtlpoent/job_status.h"
#include "vtlpoent/line/line_checks.h"
#include "vtlpoent/vendor_info.h"

namespace vtl::ent {
namespace {

// Stands for "no vendor by that name": no vendor has it, so the look-up opens.
constexpr ULong kVendorNotFound = 65532;

}  // namespace

bool UpdatePOMaster::enterVendor(const std::string& typed) {
    vendorListOpen_ = false;
    vendorChoices_.clear();
    if (!vendorEnabled_ || mode_ == FormMode::View) return false;
    enteredVendor_ = std::string(suite::trimmed(typed));
    std::string digits;
    bool number = true;
    for (char c : typed) {
        if (c == ' ' || c == '\0') continue;
        if (c < '0' || c > '9') {
            number = false;
            break;
        }
        digits += c;
    }
    if (number) {
        po_.VendorID = digits.empty() ? 0 : digits.size() > 9 ? kVendorNotFound : static_cast<ULong>(std::stoul(digits));
        return vendorNumberCheck();
    }
    const std::string text = enteredVendor_;
    APVendor from;
    from.VendorName = text;
    APVendor v;
    for (auto c = store::Table<APVendor>(session_.store).scan(APVendor::KeyVendorName, from); c.next(v);) {
        if (!suite::startsWithNoCase(v.VendorName.clip(), text)) {
            if (suite::lowered(v.VendorName.clip()) > suite::lowered(text)) break;
            continue;
        }
        vendorChoices_.emplace_back(v.VendorID, v.VendorName.clip());
    }
    if (vendorChoices_.size() > 1) {
        // The first match stands in the entries while the user picks.
        po_.VendorID = vendorChoices_.front().first;
        enteredVendor_ = std::to_string(po_.VendorID);
        vendorName_ = vendorChoices_.front().second;
        vendorListOpen_ = true;
        return true;
    }
    po_.VendorID = vendorChoices_.empty() ? kVendorNotFound : vendorChoices_.front().first;
    vendorChoices_.clear();
    return vendorNumberCheck();
}

void UpdatePOMaster::chooseVendorFromList(ULong vendorId) {
    vendorListOpen_ = false;
    vendorChoices_.clear();
    po_.VendorID = vendorId;
    enteredVendor_ = std::to_string(vendorId);
    vendorNumberCheck();
}

bool UpdatePOMaster::setVendorId(ULong vendorId) {
    po_.VendorID = vendorId;
    return vendorNumberCheck();
}

bool UpdatePOMaster::vendorFromLine(ULong vendorId, ULong detailId) {
    if (!vendorId || mode_ == FormMode::View) return false;
    priceSkipDetailId_ = detailId;
    return setVendorId(vendorId);
}

bool UpdatePOMaster::vendorNumberCheck() {
    APVendor v;
    v.VendorID = po_.VendorID;
    if (po_.VendorID != 0 && !store::Table<APVendor>(session_.store).fetch(APVendor::KeyVendorID, v)) {
        std::optional<APVendor> chosen;
        if (mode_ != FormMode::View) chosen = siblings::browseAPVendor(session_, enteredVendor_);
        if (!chosen) {
            focus_ = focus::kVendor;
            return false;
        }
        v = *chosen;
        po_.VendorID = v.VendorID;
    }
    if (po_.VendorID == 0) {
        enteredVendor_.clear();
        vendorName_.clear();
        vendorPhone_.clear();
        vendorFax_.clear();
        focus_ = focus::kVendor;
        return true;
    }
    if (v.Active == 0) {
        int b = session_.ui.ask("Vendor " + std::to_string(v.VendorID) + ", " + v.VendorName.clip() +
                                    " has been marked inactive.  Are you sure you wish to select this vendor?",
                                "Inactive Vendor Selected", "&No|&Yes", ui::Icon::Question);
        if (b != 2) {
            po_.VendorID = 0;
            enteredVendor_.clear();
            vendorName_.clear();
            vendorPhone_.clear();
            vendorFax_.clear();
            focus_ = focus::kVendor;
            return false;
        }
    }
    enteredVendor_ = std::to_string(v.VendorID);
    vendorName_ = v.VendorName.clip();
    vendorPhone_ = v.Phone.clip();
    vendorFax_ = v.Fax.clip();
    po_.Terms = v.DueTerms.clip();
    chosenVendorNames(session_.module).note(v.VendorID, vendorName_);
    priceReset();
    return true;
}

void UpdatePOMaster::priceReset() {
    store::Table<INVendor> prices(session_.store);
    auto priceOf = [&](const PODetail& d) -> std::optional<INVendor> {
        if (d.ItemID.blank()) return std::nullopt;
        INVendor p;
        p.ItemID = d.ItemID;
        p.VendorID = po_.VendorID;
        if (!prices.fetch(INVendor::KeyItemVendor, p)) return std::nullopt;
        return p;
    };
    bool any = false;
    for (const PODetail& d : lines_)
        if (d.DetailID != priceSkipDetailId_ && priceOf(d)) any = true;
    if (!any) return;
    if (session_.ui.ask("Do you want to reset item pricing using this vendor's prices?", "Confirm Price Change",
                        "&Yes|&No", ui::Icon::Question) != 1)
        return;
    for (PODetail& d : lines_) {
        auto p = priceOf(d);
        if (!p) continue;
        d.VendorCatalogID = p->VendorCatalogID;
        d.UnitName = p->UnitName;
        d.UnitPrice = p->Price.toDouble();
        d.PreTaxAmount = Money::fromDouble(d.QtyOrdered.toDouble() * d.UnitPrice);
        d.TotalAmount = d.PreTaxAmount;
        // A new unit orders a new number of stocking units.
        refreshLineQuantities(session_.store, d);
    }
    refill();
}

void UpdatePOMaster::moreVendorInfo() {
    APVendor v;
    v.VendorID = po_.VendorID;
    if (!po_.VendorID || !store::Table<APVendor>(session_.store).fetch(APVendor::KeyVendorID, v)) return;
    session_.ui.tell(vendorInfoText(v), "Additional Subcontractor Info", ui::Icon::Information);
}

// The ship-to block from the chosen party; a part it does not have
// (nullopt) keeps what the order held.
void UpdatePOMaster::fillShipTo(const ShipToBlock& b) {
    po_.ShipToName = b.name;
    po_.ShipToAddress1 = b.address1;
    if (b.address2) po_.ShipToAddress2 = *b.address2;
    po_.ShipToCity = b.city;
    po_.ShipToState = b.state;
    po_.ShipToZip = b.zip;
    if (b.contact) po_.ShipToContact = *b.contact;
    buildCityStateZip();
}

void UpdatePOMaster::buildCityStateZip() {
    const std::string type = po_.ShipToType.clip();
    if (type.empty() || type == "Other") return;
    composeCityStateZip();
}

void UpdatePOMaster::composeCityStateZip() {
    std::string s = po_.ShipToCity.blank() ? po_.ShipToState.clip()
                                           : po_.ShipToCity.clip() + ", " + po_.ShipToState.clip();
    s += "  " + po_.ShipToZip.clip();
    cityStateZip_ = Text<40>(s).str();
}

void UpdatePOMaster::setShipToType(const std::string& type) {
    po_.ShipToType = type;
    if (type == "Company")
        fillShipTo({sys_.CompanyName.clip(), sys_.CompanyAddress1.clip(), sys_.CompanyAddress2.clip(),
                    sys_.CompanyCity.clip(), sys_.CompanyState.clip(), sys_.CompanyZip.clip(), std::nullopt});
    if (type == "Other") editShippingInformation();
    buildCityStateZip();
}

std::optional<JCHeader> UpdatePOMaster::jobTyped(const std::string& typed) {
    const std::string text(suite::trimmed(typed));
    JCHeader j;
    j.JobID = text;
    if (store::Table<JCHeader>(session_.store).fetch(JCHeader::KeyJobID, j)) return j;
    if (mode_ == FormMode::View) return std::nullopt;
    // Not a job number: the start of a job's name, then the list of jobs.
    auto named = siblings::jobsNamed(session_.store, text);
    if (named.size() == 1) return named.front();
    if (named.size() > 1) return siblings::selectJobByName(session_, text);
    return siblings::browseJCHeader(session_, text);
}

bool UpdatePOMaster::enterShipToJob(const std::string& job) {
    const auto found = jobTyped(job);
    if (!found) {
        focus_ = focus::kShipToJob;
        return false;
    }
    const JCHeader& j = *found;
    po_.ShipToJob = j.JobID;
    // A job has one address line: the second keeps what it held.
    fillShipTo({j.JobName.clip(), j.Address.clip(), std::nullopt, j.City.clip(), j.State.clip(), j.Zip.clip(),
                j.CustomerContact.clip()});
    return true;
}

bool UpdatePOMaster::enterShipToVendor(ULong vendor) {
    APVendor v;
    v.VendorID = vendor;
    if (!vendor || !store::Table<APVendor>(session_.store).fetch(APVendor::KeyVendorID, v)) {
        auto chosen = mode_ == FormMode::View ? std::nullopt : siblings::browseAPVendorAlias(session_);
        if (!chosen) {
            focus_ = focus::kShipToVendor;
            return false;
        }
        v = *chosen;
    }
    po_.ShipToVendor = v.VendorID;
    fillShipTo({v.VendorName.clip(), v.Address.clip(), v.Address2.clip(), v.City.clip(), v.State.clip(),
                v.Zip.clip(), v.Contact.clip()});
    return true;
}

bool UpdatePOMaster::enterShipToCustomer(ULong customer) {
    ARCust c;
    c.CustomerID = customer;
    if (!customer || !store::Table<ARCust>(session_.store).fetch(ARCust::KeyCustomerID, c)) {
        auto chosen = mode_ == FormMode::View ? std::nullopt : siblings::browseARCust(session_);
        if (!chosen) {
            focus_ = focus::kShipToCustomer;
            return false;
        }
        c = *chosen;
    }
    po_.ShipToCustomer = c.CustomerID;
    fillShipTo({c.CustomerName.clip(), c.Address1.clip(), c.Address2.clip(), c.City.clip(), c.State.clip(),
                c.Zip.clip(), c.Contact.clip()});
    return true;
}

void UpdatePOMaster::alternateShipTo() {
    if (po_.ShipToCustomer == 0) {
        session_.ui.tell("Please select a ship-to customer.", "No Customer Selected", ui::Icon::Information);
        focus_ = focus::kShipToCustomer;
        return;
    }
    if (mode_ == FormMode::View) return;
    auto a = siblings::browseARShipTo(session_, po_.ShipToCustomer);
    if (!a) return;
    // The customer's contact stays.
    fillShipTo({a->ShipToName.clip(), a->Address1.clip(), a->Address2.clip(), a->City.clip(), a->State.clip(),
                a->Zip.clip(), std::nullopt});
}

bool UpdatePOMaster::enterDefaultJob(const std::string& typed) {
    const std::string text(suite::trimmed(typed));
    po_.DefaultJob = text;
    if (text.empty()) return true;
    const auto found = jobTyped(text);
    if (!found) {
        po_.DefaultJob = "";
        focus_ = focus::kDefaultJob;
        return false;
    }
    const JCHeader& j = *found;
    po_.DefaultJob = j.JobID.clip();
    if (!jobAccepted(acceptJob(session_, j))) {
        po_.DefaultJob = "";
        focus_ = focus::kDefaultJob;
        return false;
    }
    if (!j.APTaxRate.isZero()) {
        po_.Taxable = 1;
        po_.TaxRate = j.APTaxRate.toDouble();
        refreshTotals();
    }
    return true;
}

void UpdatePOMaster::enterPONumber(const std::string& number) {
    po_.PONumber = inCase(cased::kPONumber, std::string(suite::trimmed(number)));
    if (sys_.WarnDuplicatePO != 1 || po_.PONumber.blank()) return;
    POMasterAlias other;
    other.PONumber = po_.PONumber;
    bool taken = false;
    for (auto c = store::Table<POMasterAlias>(session_.store).scan(POMaster::KeyPONumber, other, {false, 1, false});
         c.next(other);)
        if (other.POID != po_.POID) taken = true;
    if (!taken) return;
    session_.ui.beep();
    if (session_.ui.ask("Purchase Order Number " + po_.PONumber.clip() +
                            " has already been entered.||Re-enter the Purchase Order number?",
                        "Duplicate PO Number Warning", "&Yes|&No", ui::Icon::Exclamation) == 1) {
        po_.PONumber = "";
        focus_ = focus::kPONumber;
    }
}

void UpdatePOMaster::enterTaxRate(double rate) {
    po_.TaxRate = rate;
    refreshTotals();
}

void UpdatePOMaster::enterTaxAmount(const Money& amount) {
    if (canadian()) return;
    applyTypedTax(po_, sums_, amount);
}

void UpdatePOMaster::setTaxable(bool taxable) {
    if (readOnly()) return;
    po_.Taxable = taxable ? 1 : 0;
    for (PODetail& d : lines_) d.Taxable = po_.Taxable;
    refill();
}

void UpdatePOMaster::setCanadianTaxes(bool gst, bool pst) {
    po_.Taxable = canadianTaxCode(gst, pst);
    refreshTotals();
}

void UpdatePOMaster::setProvince(const std::string& province) {
    po_.CheckNo = province;
    if (auto r = pstRateFor(province)) pstRate_ = *r;
    refreshTotals();
}

}  // namespace vtl::ent
