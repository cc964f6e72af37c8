#include "siblings/files/image_files.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "platform/suite/error_object.h"

namespace fs = std::filesystem;

namespace vtl::siblings {

namespace {

FileOutcome failed(std::string message) { return FileOutcome{false, std::move(message), {}}; }

// The file-name part of a path typed on any desktop.
std::string lastPart(const std::string& path) {
    auto sep = path.find_last_of("/\\");
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

bool isStoredFileOf(const fs::path& p, ULong imageID) {
    const std::string name = p.filename().string();
    const std::string id = std::to_string(imageID);
    if (name.compare(0, id.size(), id) != 0) return false;
    return name.size() == id.size() || name[id.size()] == '.';
}

// Removes the stored files of a record except `keep`.
bool removeStored(const std::string& dataFolder, ULong imageID, const fs::path& keep, std::string& error) {
    std::error_code ec;
    const fs::path folder = attachmentsFolder(dataFolder);
    if (!fs::is_directory(folder, ec)) return true;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (!entry.is_regular_file(ec) || !isStoredFileOf(entry.path(), imageID)) continue;
        if (entry.path() == keep) continue;
        if (!fs::remove(entry.path(), ec) && ec) {
            error = entry.path().string() + ": " + ec.message();
            return false;
        }
    }
    if (ec) {
        error = folder.string() + ": " + ec.message();
        return false;
    }
    return true;
}

}  // namespace

std::string attachmentsFolder(const std::string& dataFolder) {
    return (fs::path(dataFolder) / kAttachmentsFolder).string();
}

std::string storedFileName(ULong imageID, const std::string& attachedFrom) {
    const std::string name = lastPart(attachedFrom);
    std::string ext;
    auto dot = name.find_last_of('.');
    if (dot != std::string::npos) {
        for (char c : name.substr(dot + 1)) {
            unsigned char u = static_cast<unsigned char>(c);
            if (!std::isalnum(u) || u >= 0x80) {
                ext.clear();
                break;
            }
            ext += static_cast<char>(std::tolower(u));
        }
        if (ext.size() > 10) ext.clear();
    }
    return std::to_string(imageID) + (ext.empty() ? "" : "." + ext);
}

std::optional<std::string> storedImagePath(const std::string& dataFolder, ULong imageID) {
    if (imageID == 0) return std::nullopt;
    std::error_code ec;
    const fs::path folder = attachmentsFolder(dataFolder);
    if (!fs::is_directory(folder, ec)) return std::nullopt;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.is_regular_file(ec) && isStoredFileOf(entry.path(), imageID)) return entry.path().string();
    return std::nullopt;
}

FileOutcome storeImageFile(const std::string& dataFolder, const Images& image, const std::string& source) {
    if (image.ImageID == 0) return failed("The attachment has no record number yet.");
    std::error_code ec;
    if (source.empty() || !fs::is_regular_file(source, ec)) return failed("The file " + source + " cannot be found.");
    const fs::path folder = attachmentsFolder(dataFolder);
    fs::create_directories(folder, ec);
    if (ec) return failed("The attachments folder " + folder.string() + " cannot be made: " + ec.message());
    const fs::path target = folder / storedFileName(image.ImageID, image.FileName.clip().empty() ? source
                                                                                               : image.FileName.clip());
    // Copied under a temporary name first, so a failed copy never leaves
    // half a file where the attachment is looked for.
    const fs::path part = folder / (target.filename().string() + ".~part");
    fs::copy_file(source, part, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        fs::remove(part, ec);
        return failed("The file " + source + " cannot be copied: " + ec.message());
    }
    fs::rename(part, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(part, ignored);
        return failed("The attachment cannot be stored: " + ec.message());
    }
    std::string error;
    if (!removeStored(dataFolder, image.ImageID, target, error))
        return FileOutcome{true, "An earlier copy could not be removed: " + error, target.string()};
    return FileOutcome{true, {}, target.string()};
}

FileOutcome storeImageFile(Session& s, const Images& image) {
    return storeImageFile(s.dataFolder, image, image.FileName.clip());
}

FileOutcome extractImageFile(const std::string& dataFolder, ULong imageID, const std::string& destination) {
    auto stored = storedImagePath(dataFolder, imageID);
    if (!stored) return failed("The attached file is missing from the data folder.");
    if (destination.empty()) return failed("No file name was given.");
    std::error_code ec;
    const fs::path dest = fs::weakly_canonical(fs::absolute(destination, ec), ec);
    const fs::path folder = fs::weakly_canonical(attachmentsFolder(dataFolder), ec);
    auto rel = dest.lexically_relative(folder);
    if (!rel.empty() && *rel.begin() != "..")
        return failed("An attached file cannot be copied into the attachments folder.");
    if (fs::is_directory(dest, ec)) return failed(destination + " is a folder.");
    fs::copy_file(*stored, dest, fs::copy_options::overwrite_existing, ec);
    if (ec) return failed("The attached file cannot be copied to " + destination + ": " + ec.message());
    return FileOutcome{true, {}, dest.string()};
}

FileOutcome removeImageFile(const std::string& dataFolder, ULong imageID) {
    if (imageID == 0) return FileOutcome{true, {}, {}};
    std::string error;
    if (!removeStored(dataFolder, imageID, fs::path(), error))
        return failed("The attached file cannot be removed: " + error);
    return FileOutcome{true, {}, {}};
}

namespace {

std::optional<Images> imageRecord(Session& s) {
    Images img;
    img.ImageID = static_cast<ULong>(s.globals.DecimalVariable);
    if (img.ImageID == 0 || !store::Table<Images>(s.store).fetch(Images::KeyImageID, img)) return std::nullopt;
    return img;
}

void answer(Session& s, const FileOutcome& outcome) {
    if (!outcome.ok) s.errors.report(outcome.message);
    s.globals.GlobalResponse = outcome.ok ? suite::Response::Completed : suite::Response::Cancelled;
}

}  // namespace

void registerImageFileProcedures(suite::ProcedureTable& table) {
    table.set("StoreImageFile", [](Session& s) {
        suite::ProcedureName name(s.errors, "StoreImageFile");
        auto img = imageRecord(s);
        answer(s, img ? storeImageFile(s, *img) : failed("The attachment is not on file."));
    });
    table.set("ExtractImageFile", [](Session& s) {
        suite::ProcedureName name(s.errors, "ExtractImageFile");
        auto img = imageRecord(s);
        if (!img) return answer(s, failed("The attachment is not on file."));
        std::string destination = s.globals.LookupKey;
        if (destination.empty()) {
            auto chosen = s.ui.saveFile("Save Attached File As", ui::FileFilter{"All Files|*.*"},
                                        lastPart(img->FileName.clip()));
            if (!chosen) {
                s.globals.GlobalResponse = suite::Response::Cancelled;
                return;
            }
            destination = *chosen;
        }
        answer(s, extractImageFile(s.dataFolder, img->ImageID, destination));
    });
    table.set("RemoveImageFile", [](Session& s) {
        suite::ProcedureName name(s.errors, "RemoveImageFile");
        answer(s, removeImageFile(s.dataFolder, static_cast<ULong>(s.globals.DecimalVariable)));
    });
}

}  // namespace vtl::siblings
