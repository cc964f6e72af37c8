#pragma once
// PlayTraining: the suite's training videos. A video is a file named after
// its topic ("POEnt.mp4", ".avi", ".wmv" ...) in a "training" folder of the
// data folder or of the installation, or in the data folder itself; it opens
// in the desktop's player.
#include <optional>
#include <string>
#include <vector>

#include "platform/suite/session.h"

namespace vtl::services {

inline constexpr const char* kTrainingTitle = "Play Training Video";

// The extensions a video may have, in the order they are looked for.
const std::vector<std::string>& videoExtensions();

// The video of `name`, or nullopt when none is installed. The name matches
// without regard to case; a name with an extension must match exactly that.
std::optional<std::string> findTrainingVideo(const std::string& dataFolder, const std::string& installFolder,
                                             const std::string& name);

struct TrainingArgs {
    std::string name;  // "POEnt"
    bool played = false;
};

// Opens the video, or tells that it is not installed; true when it opened.
bool playTrainingVideo(Session& session, const std::string& name);
void runPlayTraining(Session& session, TrainingArgs& args);

}  // namespace vtl::services
