#include "siblings/services/images.h"

#include <chrono>
#include <ctime>
#include <filesystem>

#include "platform/suite/error_object.h"
#include "platform/suite/text_util.h"
#include "records/systems.h"
#include "siblings/files/image_files.h"

namespace vtl::services {

namespace fs = std::filesystem;

std::string fileNameOf(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string imageTypeOf(const std::string& path) {
    const std::string name = fileNameOf(path);
    const auto dot = name.rfind('.');
    if (dot == std::string::npos) return "Other";
    std::string two = name.substr(dot + 1, 2);
    for (char& c : two) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (two == "PD") return "PDF";
    if (two == "TI" || two == "BM" || two == "JP" || two == "GI") return "Bitmap";
    if (two == "DO") return "DOC";
    if (two == "PP") return "PPT";
    if (two == "TX") return "TXT";
    if (two == "XL") return "XL";
    if (two == "HT") return "WebPage";
    return "Other";
}

namespace {

// The local date and time a file was last written; false when it has none.
bool fileStamp(const std::string& path, Date& date, Time& time) {
    std::error_code ec;
    const auto written = fs::last_write_time(path, ec);
    if (ec) return false;
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
    std::tm local{};
    if (!localtime_r(&t, &local)) return false;
    date = Date::fromYmd(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    time = Time::fromHms(local.tm_hour, local.tm_min, local.tm_sec);
    return !date.isNull();
}

std::string attachmentFolder(store::Store& store) {
    auto cursor = store::Table<Systems>(store).all(Systems::KeySystemID);
    Systems sys;
    return cursor.next(sys) ? sys.AttachmentFolder.clip() : std::string();
}

}  // namespace

UpdateImages::UpdateImages(Session& session, std::string type, ULong numericId)
    : session_(session), type_(std::move(type)), numericId_(numericId) {
    load();
    if (!images_.empty()) highlight_ = 0;
}

std::string UpdateImages::title() const { return "Attachments - " + type_ + " " + std::to_string(numericId_); }

std::vector<ui::LookupColumn> UpdateImages::columns() const {
    return {{"Caption", 130, ui::Align::Left},
            {"Type", 36, ui::Align::Left},
            {"Date", 44, ui::Align::Right},
            {"Attached From", 160, ui::Align::Left}};
}

Rows UpdateImages::rows() const {
    Rows out;
    out.reserve(images_.size());
    for (const Images& i : images_)
        out.push_back({i.Caption.clip(), i.ImageType.clip(), dateCell(i.FileDate), i.FileName.clip()});
    return out;
}

void UpdateImages::setHighlight(int row) {
    if (row >= 0 && row < rowCount()) highlight_ = row;
}

void UpdateImages::load() {
    images_.clear();
    Images position;
    position.Type = type_;
    position.NumericID = numericId_;
    auto cursor = store::Table<Images>(session_.store).scan(Images::KeyTypeNumericID, position, {false, 2, false});
    Images rec;
    while (cursor.next(rec)) images_.push_back(rec);
    if (highlight_ >= rowCount()) highlight_ = rowCount() - 1;
}

void UpdateImages::highlightImage(ULong id) {
    for (int i = 0; i < rowCount(); ++i)
        if (images_[static_cast<std::size_t>(i)].ImageID == id) highlight_ = i;
}

bool UpdateImages::insert() {
    auto path = session_.ui.openFile(kAttachTitle, ui::FileFilter{kAttachFilter}, attachmentFolder(session_.store));
    if (!path || path->empty()) return false;
    return attach(*path);
}

bool UpdateImages::attach(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        session_.ui.tell("The file " + path + " cannot be found.", "Attach a File", ui::Icon::Exclamation);
        return false;
    }
    Images rec;
    rec.Type = type_;
    rec.NumericID = numericId_;
    rec.FileName = path;
    rec.Caption = fileNameOf(path);
    rec.ImageType = imageTypeOf(path);
    if (!fileStamp(path, rec.FileDate, rec.FileTime)) {
        rec.FileDate = session_.clock.today();
        rec.FileTime = session_.clock.now();
    }
    store::Table<Images> table(session_.store);
    if (!session_.errors.check(table.insert(rec))) return false;
    const auto stored = siblings::storeImageFile(session_.dataFolder, rec, path);
    if (!stored) {
        // An attachment without its copy would open nothing later.
        session_.errors.check(table.remove(rec));
        session_.ui.tell("The file could not be attached.|" + stored.message, "Attach a File", ui::Icon::Error);
        load();
        return false;
    }
    changed_ = true;
    load();
    highlightImage(rec.ImageID);
    return true;
}

bool UpdateImages::changeCaption(int row, const std::string& caption) {
    if (row < 0 || row >= rowCount()) return false;
    Images rec = image(row);
    rec.Caption = std::string(suite::trimmed(caption));
    if (!session_.errors.check(store::Table<Images>(session_.store).update(rec))) return false;
    changed_ = true;
    load();
    highlightImage(rec.ImageID);
    return true;
}

bool UpdateImages::remove(int row) {
    if (row < 0 || row >= rowCount()) return false;
    if (!confirmDelete(session_.ui)) return false;
    Images rec = image(row);
    const auto removed = siblings::removeImageFile(session_.dataFolder, rec.ImageID);
    if (!removed) {
        session_.ui.tell("The attached file could not be removed.|" + removed.message, "Delete an Attachment",
                         ui::Icon::Error);
        return false;
    }
    if (!session_.errors.check(store::Table<Images>(session_.store).remove(rec))) return false;
    changed_ = true;
    load();
    highlight_ = std::min(row, rowCount() - 1);
    return true;
}

bool UpdateImages::open(int row) {
    if (row < 0 || row >= rowCount()) return false;
    const Images& rec = image(row);
    std::string path = rec.FileName.clip();
    std::error_code ec;
    if (path.empty() || !fs::is_regular_file(path, ec)) {
        const fs::path folder = fs::temp_directory_path(ec) / "vantrel-attachments";
        fs::create_directories(folder, ec);
        const std::string target = (folder / siblings::storedFileName(rec.ImageID, path)).string();
        const auto extracted = siblings::extractImageFile(session_.dataFolder, rec.ImageID, target);
        if (!extracted) {
            session_.ui.tell("The attachment could not be opened.|" + extracted.message, "Open an Attachment",
                             ui::Icon::Error);
            return false;
        }
        path = extracted.path.empty() ? target : extracted.path;
    }
    if (!session_.ui.openExternally(path)) {
        session_.ui.tell("No program could open the attachment.|" + path, "Open an Attachment", ui::Icon::Warning);
        return false;
    }
    return true;
}

void runUpdateImages(Session& session, ImagesArgs& args) {
    suite::ProcedureName name(session.errors, "UpdateImages");
    UpdateImages window(session, args.type, args.numericId);
    session.views.run(window);
    args.changed = args.changed || window.changed();
}

bool updateImages(Session& session, const std::string& type, ULong numericId) {
    ImagesArgs args{type, numericId};
    serve(session, "UpdateImages", args, runUpdateImages);
    return args.changed;
}

}  // namespace vtl::services
