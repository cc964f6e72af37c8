#pragma once
// The command line of vantrel: --data DIR [--user ID] [switches], where the
// switches ("/netnolog", "/netall" ...) are the module's and pass through.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vtl::host {

struct CommandLine {
    std::string dataFolder;
    std::string user;
    std::vector<std::string> switches;  // "/netnolog" ...
    bool help = false;
};

// nullopt with `error` set when the line cannot be used. The Qt options
// the application object takes (-platform ...) must be gone already.
std::optional<CommandLine> parseCommandLine(const std::vector<std::string>& args, std::string& error);

// Whether --help or -h is anywhere on the line (looked at before anything
// else is set up, so that it works without a display).
bool asksForHelp(const std::vector<std::string>& args);

std::string usageText();
// What to do when there is no display.
std::string noDisplayText();

// Whether a window can be shown: an X or Wayland display, or a platform
// named through QT_QPA_PLATFORM (offscreen ...). `env` reads a variable.
bool displayAvailable(const std::function<const char*(const char*)>& env);

// The folder that holds html/: the first of the executable's folder and
// the two above it, then `sourceFolder` (where a build tree's program finds
// its pages), that has html/index.htm; the executable's folder otherwise.
std::string findInstallFolder(const std::string& exeFolder, const std::string& sourceFolder);

}  // namespace vtl::host
