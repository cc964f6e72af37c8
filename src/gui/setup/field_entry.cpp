#include "gui/setup/field_entry.h"

#include <cstdint>
#include <limits>

#include "platform/picture/picture.h"
#include "platform/types/text.h"

namespace vtl::setup {
namespace {

using Kind = store::FieldKind;

std::int64_t highest(Kind k) {
    switch (k) {
        case Kind::Byte: return std::numeric_limits<Byte>::max();
        case Kind::UShort: return std::numeric_limits<UShort>::max();
        case Kind::ULong: return std::numeric_limits<ULong>::max();
        case Kind::Long: return std::numeric_limits<Long>::max();
        default: return std::numeric_limits<std::int64_t>::max();
    }
}

std::int64_t lowest(Kind k) { return k == Kind::Long ? std::numeric_limits<Long>::min() : 0; }

std::int64_t tenTo(int n) {
    std::int64_t r = 1;
    while (n-- > 0) r *= 10;
    return r;
}

}  // namespace

bool isNumeric(const store::FieldDef& f) {
    switch (f.kind) {
        case Kind::Byte:
        case Kind::UShort:
        case Kind::ULong:
        case Kind::Long:
        case Kind::Real:
        case Kind::Decimal: return true;
        default: return false;
    }
}

std::string defaultPicture(const store::FieldDef& f) {
    switch (f.kind) {
        case Kind::String: return "@s" + std::to_string(f.width);
        case Kind::Byte: return "@n3";
        case Kind::UShort: return "@n_5";
        case Kind::ULong: return "@n_10";
        case Kind::Long: return "@n-_11";
        case Kind::Real: return "@n-15.4";
        case Kind::Decimal: {
            const int whole = f.precision - f.scale;
            const int groups = whole > 3 ? (whole - 1) / 3 : 0;
            const int width = f.precision + groups + (f.scale > 0 ? 1 : 0) + 1;
            return "@n-" + std::to_string(width) + (f.scale > 0 ? "." + std::to_string(f.scale) : "");
        }
        case Kind::Date: return "@d2b";
        case Kind::Time: return "@t3";
        case Kind::Gap: return {};
    }
    return {};
}

int entryWidth(const store::FieldDef& f, std::string_view picture) {
    if (f.kind == Kind::String) return f.width;
    if (f.kind == Kind::Gap) return 0;
    return pic::cached(picture).width();
}

std::string shownText(const store::FieldDef& f, std::string_view picture, const store::Value& v) {
    using T = store::Value::Type;
    switch (f.kind) {
        case Kind::String: return v.s;
        case Kind::Byte:
        case Kind::UShort:
        case Kind::ULong:
        case Kind::Long: return pic::clip(pic::format(v.i, picture));
        case Kind::Real: return pic::clip(pic::format(v.type == T::Int ? static_cast<double>(v.i) : v.r, picture));
        case Kind::Decimal: return pic::clip(pic::formatScaled(v.i, f.scale, picture));
        case Kind::Date: {
            if (v.type == T::Null) return {};
            auto d = Date::fromIso(v.s);
            return d ? pic::clip(pic::format(*d, picture)) : std::string();
        }
        case Kind::Time:
            if (v.type == T::Null) return {};
            return pic::clip(pic::format(Time(static_cast<std::int32_t>(v.i)), picture));
        case Kind::Gap: return {};
    }
    return {};
}

std::optional<store::Value> parseEntry(const store::FieldDef& f, std::string_view picture, std::string_view typed,
                                       Date today) {
    using T = store::Value::Type;
    switch (f.kind) {
        case Kind::String: {
            std::string_view cut = typed.substr(0, text_detail::prefixBytes(typed, static_cast<std::size_t>(f.width)));
            return store::Value{T::Text, 0, 0, std::string(text_detail::clipView(cut))};
        }
        case Kind::Byte:
        case Kind::UShort:
        case Kind::ULong:
        case Kind::Long: {
            auto raw = pic::deformatScaled(typed, 0, picture);
            if (!raw || *raw < lowest(f.kind) || *raw > highest(f.kind)) return std::nullopt;
            return store::Value{T::Int, *raw, 0, {}};
        }
        case Kind::Real: {
            auto d = pic::deformatDouble(typed, picture);
            if (!d) return std::nullopt;
            return store::Value{T::Real, 0, *d, {}};
        }
        case Kind::Decimal: {
            auto raw = pic::deformatScaled(typed, f.scale, picture);
            const std::int64_t limit = tenTo(f.precision);
            if (!raw || *raw >= limit || *raw <= -limit) return std::nullopt;
            return store::Value{T::Int, *raw, 0, {}};
        }
        case Kind::Date: {
            auto d = pic::deformatDate(typed, picture, today);
            if (!d) return std::nullopt;
            if (d->isNull()) return store::Value{};
            return store::Value{T::Text, 0, 0, d->iso()};
        }
        case Kind::Time: {
            auto t = pic::deformatTime(typed, picture);
            if (!t) return std::nullopt;
            if (t->isNull()) return store::Value{};
            return store::Value{T::Int, t->serial(), 0, {}};
        }
        case Kind::Gap: return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace vtl::setup
