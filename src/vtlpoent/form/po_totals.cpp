#include "vtlpoent/form/po_totals.h"

#include <map>
#include <string>

namespace vtl::ent {

LineSums sumLines(const std::vector<PODetail>& lines) {
    double pre = 0, taxable = 0, gst = 0, pst = 0;
    for (const PODetail& d : lines) {
        const double amount = d.TotalAmount.toDouble();
        pre += amount;
        if (d.Taxable == 1) taxable += amount;
        if (d.Taxable == 1 || d.Taxable == 2) gst += amount;
        if (d.Taxable == 1 || d.Taxable == 3) pst += amount;
    }
    return {Money::fromDouble(pre), Money::fromDouble(taxable), Money::fromDouble(gst), Money::fromDouble(pst)};
}

std::optional<double> pstRateFor(std::string_view province) {
    static const std::map<std::string, double, std::less<>> rates = {
        {"None", 0}, {"AB", 0}, {"NT", 0}, {"NU", 0},    {"YT", 0}, {"BC", 7},  {"MB", 8},
        {"NB", 8},   {"NL", 8}, {"ON", 8}, {"PE", 9},    {"QC", 9.975}, {"NS", 10}, {"SK", 10}};
    auto it = rates.find(province);
    if (it == rates.end()) return std::nullopt;
    return it->second;
}

void applyOrdinaryTotals(POMaster& po, const LineSums& sums) {
    po.PreTaxAmount = sums.preTax;
    po.DiscountAmount = Money();
    po.OtherCharges = Money();
    const bool flatCharge = sums.taxable.isZero() && po.TaxRate == 0;
    if (!flatCharge) po.TaxAmount = Money::fromDouble(po.TaxRate * sums.taxable.toDouble() / 100.0);
    po.POAmount = po.PreTaxAmount + po.TaxAmount;
}

void applyCanadianTotals(POMaster& po, const LineSums& sums, double gstRate, double pstRate) {
    po.PreTaxAmount = sums.preTax;
    po.TaxAmount = Money();
    po.DiscountAmount = Money::fromDouble(gstRate / 100.0 * sums.gst.toDouble());
    po.OtherCharges = Money::fromDouble(pstRate / 100.0 * sums.pst.toDouble());
    po.POAmount = po.PreTaxAmount + po.DiscountAmount + po.OtherCharges;
}

void applyTypedTax(POMaster& po, const LineSums& sums, const Money& tax) {
    po.PreTaxAmount = sums.preTax;
    po.TaxAmount = tax;
    po.TaxRate = sums.taxable.isZero() ? 0.0 : tax.toDouble() / sums.taxable.toDouble() * 100.0;
    po.POAmount = po.PreTaxAmount + po.TaxAmount;
}

Byte canadianTaxCode(bool gst, bool pst) {
    if (gst && pst) return 1;
    if (gst) return 2;
    if (pst) return 3;
    return 0;
}
bool codeHasGst(Byte code) { return code == 1 || code == 2; }
bool codeHasPst(Byte code) { return code == 1 || code == 3; }

}  // namespace vtl::ent
