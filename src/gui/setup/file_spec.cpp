#include "gui/setup/file_spec.h"

#include "gui/setup/field_entry.h"

namespace vtl::setup {

const FieldSpec* FileSpec::fieldSpec(const std::string& name) const {
    for (const auto& f : fields)
        if (f.field == name) return &f;
    return nullptr;
}

const store::FieldDef& FileSpec::def(const FieldSpec& f) const {
    const auto& info = type->info();
    const int i = info.fieldIndex(f.field);
    return info.fields.at(static_cast<std::size_t>(i));
}

std::string FileSpec::pictureOf(const FieldSpec& f) const {
    return f.picture.empty() ? defaultPicture(def(f)) : f.picture;
}

std::vector<ui::LookupColumn> listColumns(const FileSpec& spec) {
    std::vector<ui::LookupColumn> cols;
    const auto& info = spec.type->info();
    for (const auto& c : spec.columns) {
        const FieldSpec* f = spec.fieldSpec(c.field);
        const auto& def = info.fields.at(static_cast<std::size_t>(info.fieldIndex(c.field)));
        const bool right = isNumeric(def) && !(f && (f->flags & Flag));
        // A character is four dialog units wide on average; digits and capitals are wider.
        cols.push_back({c.header, c.width * 4 + 16, right ? ui::Align::Right : ui::Align::Left});
    }
    return cols;
}

std::string plainCaption(const std::string& caption) {
    std::string s;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') s += caption[++i];
            continue;
        }
        s += caption[i];
    }
    while (!s.empty() && (s.back() == ':' || s.back() == ' ')) s.pop_back();
    return s;
}

}  // namespace vtl::setup
