#include "vtlporpt/form_logo.h"

#include <cmath>
#include <optional>

#include "platform/suite/file_read.h"
#include "records/shared_services.h"
#include "siblings/files/image_files.h"
#include "vtlporpt/picture_size.h"

namespace vtl::rpt {
namespace {

report::Mils rounded(double mils) { return static_cast<report::Mils>(std::lround(mils)); }

}  // namespace

LogoSize logoSize(double milsWide, double milsHigh, int percent) {
    if (milsHigh > kLogoMaxHeight) {
        milsWide = milsWide * kLogoMaxHeight / milsHigh;
        milsHigh = kLogoMaxHeight;
    }
    if (percent < 50 || percent > 250) percent = 100;
    return {rounded(milsWide * percent / 100), rounded(milsHigh * percent / 100)};
}

FormLogo formLogo(Session& s) {
    FormLogo logo;
    Images image;
    image.Type = kLogoImageType;
    image.NumericID = 1;
    if (!store::Table<Images>(s.store).fetch(Images::KeyTypeNumericID, image)) return logo;
    const std::string code = image.Position.clip();
    if (code == "N") return logo;
    if (code == "B" || code == "L") logo.companyShown = false;
    if (code == "B") return logo;
    logo.beside = code == "C";
    if (image.FileName.blank()) return logo;
    const auto path = siblings::storedImagePath(s.dataFolder, image.ImageID);
    if (!path) return logo;
    std::optional<std::string> read = suite::readRegularFile(*path);
    if (!read) return logo;
    std::string bytes = std::move(*read);
    const auto size = pictureSize(bytes);
    if (!size) return logo;
    const LogoSize printed = logoSize(size->milsWide(), size->milsHigh(), image.SizePercent);
    if (printed.width <= 0 || printed.height <= 0) return logo;
    logo.bytes = std::move(bytes);
    logo.width = printed.width;
    logo.height = printed.height;
    return logo;
}

}  // namespace vtl::rpt
