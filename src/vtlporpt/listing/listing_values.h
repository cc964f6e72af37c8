#pragma once
// The listing's values by name, for a designed listing: the work lists'
// fields (MQ: the order, DQ: the line, RQ: the reconciliation entry), the
// page's (company, title, run date and time, page number, LIMIT1..LIMIT12)
// and the totals. Each name says which bands show it.
#include <string>
#include <string_view>
#include <vector>

#include "vtlporpt/designed/form_layout.h"
#include "vtlporpt/form_values.h"
#include "vtlporpt/listing/listing_bands.h"

namespace vtl::rpt {

enum class ListingScope {
    Page,             // every band
    Order,            // the bands of an order
    Line,             // podetail, text, reconciledetail, reconciletotal
    Reconciliation,   // reconciledetail
    ReconciledTotal,  // reconciletotal
    ReportTotals,     // grandtotal, summarygrandtotal
};

struct ListingFieldInfo {
    FormValue::Kind kind;
    ListingScope scope;
};

const ListingFieldInfo* listingField(std::string_view name);
bool listingFieldShownIn(ListingScope scope, BandKind band);
// "a value of an order", for the reader's messages.
std::string listingScopeText(ListingScope scope);

// The band a listing band is drawn with.
BandKind layoutBand(Band band);

// The values of one band: the order's, the line's, the entry's and the amounts.
FormValues bandValues(Band band, const BandValues& values);

}  // namespace vtl::rpt
