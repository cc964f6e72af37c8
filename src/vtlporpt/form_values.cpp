#include "vtlporpt/form_values.h"

#include <cstdio>

#include "platform/store/value.h"
#include "records/records.h"

namespace vtl::rpt {
namespace {

std::string withoutTrailingBlanks(std::string_view s) {
    std::size_t e = s.size();
    while (e > 0 && s[e - 1] == ' ') --e;
    return std::string(s.substr(0, e));
}

std::string plainNumber(std::int64_t raw, int scale) {
    const bool negative = raw < 0;
    const unsigned long long magnitude =
        negative ? 0ull - static_cast<unsigned long long>(raw) : static_cast<unsigned long long>(raw);
    std::string digits = std::to_string(magnitude);
    if (scale > 0) {
        if (digits.size() <= static_cast<std::size_t>(scale))
            digits.insert(0, static_cast<std::size_t>(scale) + 1 - digits.size(), '0');
        digits.insert(digits.size() - static_cast<std::size_t>(scale), ".");
    }
    return (negative ? "-" : "") + digits;
}

std::string plainReal(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.4f", v);
    std::string s = buf;
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

FormValue::Kind kindOf(store::FieldKind k) {
    switch (k) {
        case store::FieldKind::String: return FormValue::Kind::Text;
        case store::FieldKind::Real: return FormValue::Kind::Real;
        case store::FieldKind::Date: return FormValue::Kind::Date;
        case store::FieldKind::Time: return FormValue::Kind::Time;
        default: return FormValue::Kind::Number;
    }
}

}  // namespace

FormValue FormValue::ofText(std::string text) {
    FormValue v;
    v.text = std::move(text);
    return v;
}

FormValue FormValue::ofNumber(std::int64_t raw, int scale) {
    FormValue v;
    v.kind = Kind::Number;
    v.raw = raw;
    v.scale = scale;
    return v;
}

FormValue FormValue::ofReal(double r) {
    FormValue v;
    v.kind = Kind::Real;
    v.real = r;
    return v;
}

FormValue FormValue::ofDate(Date d) {
    FormValue v;
    v.kind = Kind::Date;
    v.date = d;
    return v;
}

bool pictureShows(const pic::Picture& picture, FormValue::Kind kind) {
    switch (kind) {
        case FormValue::Kind::Text: return picture.kind() == pic::Kind::Text;
        case FormValue::Kind::Number:
        case FormValue::Kind::Real: return picture.kind() == pic::Kind::Number;
        case FormValue::Kind::Date: return picture.kind() == pic::Kind::Date;
        case FormValue::Kind::Time: return picture.kind() == pic::Kind::Time;
    }
    return false;
}

std::string showValue(const FormValue& v, const pic::Picture* picture, bool keepPadding) {
    if (!picture) {
        switch (v.kind) {
            case FormValue::Kind::Text: return withoutTrailingBlanks(v.text);
            case FormValue::Kind::Number: return plainNumber(v.raw, v.scale);
            case FormValue::Kind::Real: return plainReal(v.real);
            case FormValue::Kind::Date: return pic::clip(pic::format(v.date, "@d2"));
            case FormValue::Kind::Time: return pic::clip(pic::format(v.time, "@t1"));
        }
        return {};
    }
    std::string shown;
    switch (v.kind) {
        case FormValue::Kind::Text:
            // Text is padded on the right only; blanks it starts with are its own.
            shown = picture->format(std::string_view(v.text));
            return keepPadding ? shown : withoutTrailingBlanks(shown);
        case FormValue::Kind::Number: shown = picture->formatScaled(v.raw, v.scale); break;
        case FormValue::Kind::Real: shown = picture->format(v.real); break;
        case FormValue::Kind::Date: shown = picture->format(v.date); break;
        case FormValue::Kind::Time: shown = picture->format(v.time); break;
    }
    return keepPadding ? shown : pic::clip(shown);
}

void FormValues::setRecord(const store::RecordInfo& info, const void* record) {
    for (const store::FieldDef& f : info.fields) {
        if (f.kind == store::FieldKind::Gap) continue;
        store::CaptureSink sink;
        f.put(record, sink);
        const store::Value& raw = sink.values.at(0);
        FormValue v;
        v.kind = kindOf(f.kind);
        switch (v.kind) {
            case FormValue::Kind::Text: v.text = raw.s; break;
            case FormValue::Kind::Number:
                v.raw = raw.i;
                v.scale = f.scale;
                break;
            case FormValue::Kind::Real: v.real = raw.type == store::Value::Type::Int ? double(raw.i) : raw.r; break;
            case FormValue::Kind::Date:
                if (raw.type == store::Value::Type::Text) v.date = Date::fromIso(raw.s).value_or(Date());
                break;
            case FormValue::Kind::Time:
                if (raw.type == store::Value::Type::Int) v.time = Time(static_cast<std::int32_t>(raw.i));
                break;
        }
        values_[info.prefix + ":" + f.name] = std::move(v);
    }
}

const FormValue* FormValues::find(std::string_view name) const {
    auto it = values_.find(name);
    return it == values_.end() ? nullptr : &it->second;
}

std::string FormValues::shown(std::string_view name, std::string_view picture) const {
    const FormValue* v = find(name);
    if (!v) return {};
    if (picture.empty()) return showValue(*v, nullptr);
    return showValue(*v, &pic::cached(picture));
}

const std::map<std::string, FormFieldInfo, std::less<>>& formFields() {
    static const auto fields = [] {
        std::map<std::string, FormFieldInfo, std::less<>> m;
        auto record = [&](const store::RecordInfo& info, FormScope scope) {
            for (const store::FieldDef& f : info.fields)
                if (f.kind != store::FieldKind::Gap) m[info.prefix + ":" + f.name] = {kindOf(f.kind), scope};
        };
        record(POPrint::info(), FormScope::Order);
        record(APVendor::info(), FormScope::Order);
        record(JCHeader::info(), FormScope::Order);
        record(Systems::info(), FormScope::Order);
        record(PODetail::info(), FormScope::Line);
        using K = FormValue::Kind;
        for (const char* name : {"CompanyName", "HeaderCompanyName", "BillToOne", "BillToTwo", "BillToThree",
                                 "BillToFour", "LocalPONumber", "VendorOne", "VendorTwo", "VendorThree", "ShipToOne",
                                 "ShipToTwo", "ShipToThree", "CatalogPrompt", "ReportFooterMessage"})
            m[name] = {K::Text, FormScope::Order};
        m["PageNumber"] = {K::Number, FormScope::Order};
        m["LineNumber"] = {K::Number, FormScope::Line};
        for (const char* name : {"TotalLineOne", "TotalLineTwo", "TotalLineThree"}) m[name] = {K::Text, FormScope::Totals};
        for (const char* name : {"LineOneAmount", "LineTwoAmount", "LineThreeAmount", "TaxableTotal"})
            m[name] = {K::Number, FormScope::Totals};
        return m;
    }();
    return fields;
}

const FormFieldInfo* formField(std::string_view name) {
    const auto& m = formFields();
    auto it = m.find(name);
    return it == m.end() ? nullptr : &it->second;
}

}  // namespace vtl::rpt
