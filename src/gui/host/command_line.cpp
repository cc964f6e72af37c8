#include "gui/host/command_line.h"

#include <filesystem>

namespace vtl::host {

bool asksForHelp(const std::vector<std::string>& args) {
    for (const auto& a : args)
        if (a == "--help" || a == "-h") return true;
    return false;
}

std::optional<CommandLine> parseCommandLine(const std::vector<std::string>& args, std::string& error) {
    CommandLine cl;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](const std::string& option, std::string& into) -> bool {
            if (a == option) {
                if (i + 1 >= args.size() || args[i + 1].empty()) {
                    error = option + " needs a value";
                    return false;
                }
                into = args[++i];
                return true;
            }
            into = a.substr(option.size() + 1);
            if (into.empty()) {
                error = option + " needs a value";
                return false;
            }
            return true;
        };
        if (a == "--help" || a == "-h") {
            cl.help = true;
        } else if (a == "--data" || a.rfind("--data=", 0) == 0) {
            if (!value("--data", cl.dataFolder)) return std::nullopt;
        } else if (a == "--user" || a.rfind("--user=", 0) == 0) {
            if (!value("--user", cl.user)) return std::nullopt;
        } else if (a.size() > 1 && a[0] == '/') {
            cl.switches.push_back(a);
        } else {
            error = "unknown argument \"" + a + "\"";
            return std::nullopt;
        }
    }
    if (!cl.help && cl.dataFolder.empty()) {
        error = "--data DIR is required";
        return std::nullopt;
    }
    return cl;
}

std::string usageText() {
    return "Usage: vantrel --data DIR [--user ID] [switches]\n"
           "\n"
           "Starts the Vantrel purchase-order module on the data folder DIR.\n"
           "\n"
           "  --data DIR   the data folder, which holds vantrel.db; make one with\n"
           "               vtlpo init --data DIR [--demo]\n"
           "  --user ID    sign on as this user without being asked\n"
           "  --help       show this text\n"
           "\n"
           "Switches of the network trace written to the debug output:\n"
           "  /netnolog /nettalklog /nettalklogerrors /neterrors /netall\n"
           "\n"
           "Where there is no display, start it under Xvfb:\n"
           "  xvfb-run -a scripts/run\n";
}

std::string noDisplayText() {
    return "vantrel: no display to show its windows on (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are not set).\n"
           "Start it under Xvfb:\n"
           "  xvfb-run -a scripts/run\n"
           "or: xvfb-run -a build/app/vantrel --data DIR\n";
}

bool displayAvailable(const std::function<const char*(const char*)>& env) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* v = env(name);
        if (v && *v) return true;
    }
    return false;
}

std::string findInstallFolder(const std::string& exeFolder, const std::string& sourceFolder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    std::vector<fs::path> candidates;
    fs::path p = fs::path(exeFolder);
    for (int up = 0; up < 3 && !p.empty(); ++up, p = p.parent_path()) candidates.push_back(p);
    if (!sourceFolder.empty()) candidates.emplace_back(sourceFolder);
    for (const auto& c : candidates)
        if (fs::is_regular_file(c / "html" / "index.htm", ec)) return c.lexically_normal().string();
    return exeFolder;
}

}  // namespace vtl::host
