// The text case the user keeps for the Terms, FOB, PO number and
// purchasing-agent entries of the purchase-order form.
#include "platform/suite/ini_file.h"
#include "vtlpoent/form/update_po_master.h"

namespace vtl::ent {
namespace {

constexpr const char* kSection = "POTextCase";

std::string entryName(const Session& s, const std::string& field) { return s.globals.UserID + "." + field; }

}  // namespace

std::optional<services::TextCase> UpdatePOMaster::textCase(const std::string& field) const {
    const auto kept = session_.settings.getInt(kSection, entryName(session_, field), -1);
    if (kept < 0 || kept > 2) return std::nullopt;
    return static_cast<services::TextCase>(kept);
}

std::string UpdatePOMaster::inCase(const std::string& field, const std::string& text) const {
    const auto mode = textCase(field);
    return mode ? services::applyCase(text, *mode) : text;
}

bool UpdatePOMaster::chooseTextCase(const std::string& field) {
    std::string text;
    if (field == cased::kTerms) text = po_.Terms.clip();
    else if (field == cased::kFOB) text = po_.FOB.clip();
    else if (field == cased::kPONumber) text = po_.PONumber.clip();
    else if (field == cased::kPreparedBy) text = po_.PreparedBy.clip();
    else return false;
    const auto chosen = services::getCase(session_, text, textCase(field));
    if (!chosen) return false;
    session_.settings.setInt(kSection, entryName(session_, field), static_cast<int>(*chosen));
    session_.settings.save();
    if (mode_ == FormMode::View) return true;
    if (field == cased::kTerms) po_.Terms = text;
    else if (field == cased::kFOB) po_.FOB = text;
    else if (field == cased::kPONumber) po_.PONumber = text;
    else po_.PreparedBy = text;
    return true;
}

}  // namespace vtl::ent
