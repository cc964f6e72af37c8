#include "siblings/services/help_topic.h"

#include <filesystem>

namespace vtl::services {

namespace {

struct Topic {
    std::string page;     // inside html/
    std::string section;  // "#..." or empty
};

Topic splitTopic(std::string topic) {
    for (char& c : topic)
        if (c == '\\') c = '/';
    while (!topic.empty() && topic.front() == '/') topic.erase(0, 1);
    if (topic.rfind("html/", 0) == 0) topic.erase(0, 5);
    Topic t;
    const auto hash = topic.find('#');
    t.page = topic.substr(0, hash);
    if (hash != std::string::npos) t.section = topic.substr(hash);
    return t;
}

}  // namespace

std::string helpPagePath(const std::string& installFolder, const std::string& topic) {
    return (std::filesystem::path(installFolder) / "html" / splitTopic(topic).page).lexically_normal().string();
}

bool openHelp(ui::Ui& ui, const std::string& installFolder, const std::string& topic) {
    const Topic t = splitTopic(topic);
    const std::string page = helpPagePath(installFolder, topic);
    std::error_code ec;
    if (t.page.empty() || !std::filesystem::is_regular_file(page, ec)) {
        ui.tell("The help page for this window is not installed.|" + page, "Help", ui::Icon::Information);
        return false;
    }
    if (!ui.showHelp(std::filesystem::absolute(page, ec).lexically_normal().string(), t.section)) {
        ui.tell("The help page could not be opened.|" + page, "Help", ui::Icon::Warning);
        return false;
    }
    return true;
}

}  // namespace vtl::services
