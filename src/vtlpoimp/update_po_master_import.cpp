#include "vtlpoimp/update_po_master_import.h"

#include <algorithm>

#include "platform/suite/error_object.h"
#include "siblings/services/help_topic.h"

namespace vtl::imp {

ImportItemEditor::ImportItemEditor(Part part, ImportItem& item, bool oneFile, bool fixed, bool genericEdition)
    : part_(part), item_(item), fixed_(fixed), contents_(item.contents), length_(item.length) {
    for (const FieldCode& f : fieldCodes(part)) {
        const std::string code = f.code;
        if (code == "R1" || code == "R2") {
            if (oneFile) choices_.push_back(f.name);
            continue;
        }
        if (code == "PO") {
            if (!oneFile) choices_.push_back(f.name);
            continue;
        }
        if (genericEdition &&
            (code == (part == Part::Header ? "SJ" : "JB") ||
             (part == Part::Detail && (code == "CC" || code == "EQ" || code == "CT"))))
            continue;
        choices_.push_back(f.name);
    }
}

void ImportItemEditor::setContents(const std::string& name) {
    if (std::find(choices_.begin(), choices_.end(), name) != choices_.end()) contents_ = name;
}

void ImportItemEditor::setLength(int length) { length_ = std::clamp(length, 0, kMaxWidth); }

void ImportItemEditor::ok() {
    item_.contents = contents_;
    item_.code = fieldCodeOf(part_, contents_).value_or("00");
    item_.length = fixed_ ? length_ : item_.length;
    accepted_ = true;
    done_ = true;
}

UpdatePOMasterImport::UpdatePOMasterImport(Session& s) : s_(s), request_(s.globals.GlobalRequest) {}

bool UpdatePOMasterImport::open() {
    if (request_ == suite::Request::Insert) {
        record_ = JCLimits();
        return true;
    }
    record_.LimitID = static_cast<ULong>(s_.globals.DecimalVariable);
    if (!store::Table<JCLimits>(s_.store).fetch(JCLimits::KeyLimitID, record_)) return false;
    const SourceSpec spec = specOf(record_);
    title_ = spec.title;
    oneFile_ = spec.oneFile;
    format_ = spec.format;
    dateFormat_ = spec.dateFormat;
    headerFile_ = spec.headerFile;
    detailFile_ = spec.detailFile;
    headerTitle_ = spec.headerTitleLine;
    detailTitle_ = spec.detailTitleLine;
    locked_ = isBuiltIn(title_);
    for (Part part : {Part::Header, Part::Detail})
        for (const LayoutToken& t : part == Part::Header ? spec.layout.header : spec.layout.detail) {
            ImportItem item;
            item.code = fieldName(part, t.code) ? t.code : "00";
            item.contents = fieldName(part, item.code).value_or("Unused");
            item.length = t.width;
            list(part).push_back(item);
        }
    renumber(Part::Header);
    renumber(Part::Detail);
    hiHeader_ = header_.empty() ? -1 : 0;
    hiDetail_ = detail_.empty() ? -1 : 0;
    return true;
}

void UpdatePOMasterImport::help() { services::openHelp(s_, kHelp); }

std::string UpdatePOMasterImport::caption() const {
    switch (request_) {
        case suite::Request::Insert: return "Adding a Purchase Order Import Source";
        case suite::Request::Change: return "Changing a Purchase Order Import Source";
        default: return "View Record";
    }
}

void UpdatePOMasterImport::setTitle(const std::string& t) {
    if (editable()) title_ = t.substr(0, 40);
}
void UpdatePOMasterImport::setOneFile(bool one) {
    if (editable()) oneFile_ = one;
}
void UpdatePOMasterImport::setFormat(FileFormat f) {
    if (editable()) format_ = f;
}
void UpdatePOMasterImport::setDateFormat(const std::string& f) {
    if (editable() && isDateFormat(f)) dateFormat_ = f;
}
void UpdatePOMasterImport::setHeaderFile(const std::string& f) {
    if (!viewOnly()) headerFile_ = f.substr(0, 200);
}
void UpdatePOMasterImport::setDetailFile(const std::string& f) {
    if (!viewOnly()) detailFile_ = f.substr(0, 200);
}
void UpdatePOMasterImport::setHeaderTitleLine(bool on) {
    if (!viewOnly()) headerTitle_ = on;
}
void UpdatePOMasterImport::setDetailTitleLine(bool on) {
    if (!viewOnly()) detailTitle_ = on;
}

void UpdatePOMasterImport::browseHeaderFile() {
    if (viewOnly()) return;
    if (auto f = s_.ui.openFile("Select a Filename", {kFilter}, s_.dataFolder)) setHeaderFile(*f);
}
void UpdatePOMasterImport::browseDetailFile() {
    if (viewOnly() || oneFile_) return;
    if (auto f = s_.ui.openFile("Select a Filename", {kFilter}, s_.dataFolder)) setDetailFile(*f);
}

void UpdatePOMasterImport::renumber(Part part) {
    int start = 1;
    int n = 1;
    for (ImportItem& item : list(part)) {
        item.number = n++;
        item.start = start;
        start += item.length;
    }
}

void UpdatePOMasterImport::highlight(Part part, int row) {
    if (row >= 0 && row < static_cast<int>(list(part).size())) hi(part) = row;
}

bool UpdatePOMasterImport::editItem(Part part, ImportItem& item) {
    ImportItemEditor editor(part, item, oneFile_, format_ == FileFormat::Fixed, !s_.globals.JobCostInstalled);
    s_.views.run(editor);
    return editor.accepted();
}

void UpdatePOMasterImport::insertItem(Part part) {
    if (!editable()) return;
    auto& l = list(part);
    ImportItem item;
    item.number = static_cast<int>(l.size()) + 1;
    item.contents = "Not Used";
    item.code = "00";
    if (!editItem(part, item)) return;  // the editor was cancelled: nothing is added
    l.push_back(item);
    hi(part) = static_cast<int>(l.size()) - 1;
    renumber(part);
}

void UpdatePOMasterImport::changeItem(Part part) {
    if (!editable() || hi(part) < 0) return;
    ImportItem item = list(part)[static_cast<std::size_t>(hi(part))];
    if (!editItem(part, item)) return;
    list(part)[static_cast<std::size_t>(hi(part))] = item;
    renumber(part);
}

void UpdatePOMasterImport::deleteItem(Part part) {
    if (!editable() || hi(part) < 0) return;
    auto& l = list(part);
    l.erase(l.begin() + hi(part));
    if (hi(part) >= static_cast<int>(l.size())) hi(part) = static_cast<int>(l.size()) - 1;
    renumber(part);
}

void UpdatePOMasterImport::moveUp(Part part) {
    const int h = hi(part);
    if (!editable() || h <= 0) return;
    auto& l = list(part);
    std::swap(l[static_cast<std::size_t>(h)], l[static_cast<std::size_t>(h - 1)]);
    hi(part) = h - 1;
    renumber(part);
}

void UpdatePOMasterImport::moveDown(Part part) {
    const int h = hi(part);
    auto& l = list(part);
    if (!editable() || h < 0 || h + 1 >= static_cast<int>(l.size())) return;
    std::swap(l[static_cast<std::size_t>(h)], l[static_cast<std::size_t>(h + 1)]);
    hi(part) = h + 1;
    renumber(part);
}

void UpdatePOMasterImport::moveToTop(Part part) {
    const int h = hi(part);
    if (!editable() || h <= 0) return;
    auto& l = list(part);
    std::rotate(l.begin(), l.begin() + h, l.begin() + h + 1);
    hi(part) = 0;
    renumber(part);
}

void UpdatePOMasterImport::moveToBottom(Part part) {
    const int h = hi(part);
    auto& l = list(part);
    if (!editable() || h < 0 || h + 1 >= static_cast<int>(l.size())) return;
    std::rotate(l.begin() + h, l.begin() + h + 1, l.end());
    hi(part) = static_cast<int>(l.size()) - 1;
    renumber(part);
}

Layout UpdatePOMasterImport::layout() const {
    Layout out;
    for (const ImportItem& i : header_) out.header.push_back({i.code, i.length});
    for (const ImportItem& i : detail_) out.detail.push_back({i.code, i.length});
    return out;
}

bool UpdatePOMasterImport::ok() {
    if (closed_) return false;
    if (viewOnly()) {
        closed_ = true;
        return true;
    }
    focusName_ = false;
    const Layout l = layout();
    if (auto problem = checkSource(title_, oneFile_, l, request_ == suite::Request::Insert)) {
        if (problem->nameField) {
            s_.ui.beep();
            title_.clear();
            focusName_ = true;
        }
        s_.ui.tell(problem->text, problem->title, ui::Icon::Exclamation);
        return false;
    }
    const std::string text = layoutText(l);
    if (text.size() > kMaxLayoutText) {
        s_.ui.tell("The field lists are too long to be kept.  Please remove some fields.", "Invalid Field Contents",
                   ui::Icon::Exclamation);
        return false;
    }
    JCLimits r = record_;
    r.Report = kSourceReport;
    r.UserID = s_.globals.UserID;
    r.ModifyDate = s_.clock.today();
    r.ReportTitle = title_;
    r.Skip = oneFile_ ? 1 : 0;
    r.PrintOrder = formatLetter(format_);
    r.JobTo = dateFormat_;
    r.NameFrom = headerFile_;
    r.NameTo = detailFile_;
    r.TypeB = headerTitle_ ? 1 : 0;
    r.TypeL = detailTitle_ ? 1 : 0;
    r.FieldLayout = text;
    store::Table<JCLimits> table(s_.store);
    store::Status s = request_ == suite::Request::Insert ? table.insert(r) : table.update(r);
    if (!s) {
        s_.errors.report(store::reworded(s, request_ == suite::Request::Insert ? " Inserting JCLimits" : " Saving JCLimits"));
        return false;
    }
    record_ = r;
    saved_ = true;
    closed_ = true;
    return true;
}

}  // namespace vtl::imp
