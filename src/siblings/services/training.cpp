#include "siblings/services/training.h"

#include <filesystem>

#include "platform/suite/error_object.h"
#include "platform/suite/text_util.h"
#include "siblings/services/common.h"

namespace vtl::services {

namespace fs = std::filesystem;

const std::vector<std::string>& videoExtensions() {
    static const std::vector<std::string> list{".mp4", ".avi", ".wmv", ".mkv", ".webm", ".mov", ".mpg", ".mpeg"};
    return list;
}

namespace {

// The file of `folder` whose name is `fileName`, ignoring case.
std::optional<std::string> fileIn(const fs::path& folder, const std::string& fileName) {
    std::error_code ec;
    if (folder.empty() || !fs::is_directory(folder, ec)) return std::nullopt;
    const fs::path exact = folder / fileName;
    if (fs::is_regular_file(exact, ec)) return exact.string();
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (suite::equalNoCase(it->path().filename().string(), fileName) && it->is_regular_file(ec))
            return it->path().string();
    return std::nullopt;
}

}  // namespace

std::optional<std::string> findTrainingVideo(const std::string& dataFolder, const std::string& installFolder,
                                             const std::string& name) {
    const std::string topic(suite::trimmed(name));
    if (topic.empty() || topic.find_first_of("/\\") != std::string::npos) return std::nullopt;
    std::vector<fs::path> folders;
    if (!dataFolder.empty()) folders.push_back(fs::path(dataFolder) / "training");
    if (!installFolder.empty()) folders.push_back(fs::path(installFolder) / "training");
    if (!dataFolder.empty()) folders.emplace_back(dataFolder);

    std::vector<std::string> names;
    const std::string ext = fs::path(topic).extension().string();
    bool named = false;
    for (const auto& e : videoExtensions()) named = named || suite::equalNoCase(ext, e);
    if (named) names.push_back(topic);
    else
        for (const auto& e : videoExtensions()) names.push_back(topic + e);

    for (const auto& folder : folders)
        for (const auto& n : names)
            if (auto found = fileIn(folder, n)) return found;
    return std::nullopt;
}

void runPlayTraining(Session& session, TrainingArgs& args) {
    suite::ProcedureName procedure(session.errors, "PlayTraining");
    auto video = findTrainingVideo(session.dataFolder, session.installFolder, args.name);
    if (!video) {
        session.ui.tell("The training video " + args.name + " is not installed.", kTrainingTitle,
                        ui::Icon::Information);
        return;
    }
    if (!session.ui.openExternally(*video)) {
        session.ui.tell("The training video " + args.name + " could not be played.|" + *video, kTrainingTitle,
                        ui::Icon::Warning);
        return;
    }
    args.played = true;
}

bool playTrainingVideo(Session& session, const std::string& name) {
    TrainingArgs args{name};
    serve(session, "PlayTraining", args, runPlayTraining);
    return args.played;
}

}  // namespace vtl::services
