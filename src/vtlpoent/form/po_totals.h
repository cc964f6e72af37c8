#pragma once
// The header totals of a purchase order, worked from the sums of its lines.
// Kept apart from the form so the arithmetic can be checked on its own.
#include <optional>
#include <string_view>
#include <vector>

#include "records/records.h"

namespace vtl::ent {

// Sums over the order's lines; each accumulated in double precision and
// rounded to cents once at the end.
struct LineSums {
    Money preTax;   // every line
    Money taxable;  // POD:Taxable = 1
    Money gst;      // POD:Taxable 1 or 2
    Money pst;      // POD:Taxable 1 or 3
};
LineSums sumLines(const std::vector<PODetail>& lines);

// The PST percentage of a province; nullopt for a value outside the list,
// which leaves the rate in force.
std::optional<double> pstRateFor(std::string_view province);

// Ordinary mode: the tax follows the rate on the taxable lines. With no
// taxable lines and rate 0 a typed tax amount is a flat charge and is kept.
void applyOrdinaryTotals(POMaster& po, const LineSums& sums);

// Canadian mode: GST and PST on their own subtotals, no ordinary tax.
void applyCanadianTotals(POMaster& po, const LineSums& sums, double gstRate, double pstRate);

// A typed tax amount: the rate that gives it, or 0 when nothing is taxable
// (the amount is then kept as typed).
void applyTypedTax(POMaster& po, const LineSums& sums, const Money& tax);

// The combined code of the two Canadian check boxes.
Byte canadianTaxCode(bool gst, bool pst);
bool codeHasGst(Byte code);
bool codeHasPst(Byte code);

}  // namespace vtl::ent
