// The command line of vantrel, and where it finds its help pages.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "gui/host/command_line.h"
#include "support/temp_dir.h"

namespace vtl::test {
namespace {

using host::parseCommandLine;

TEST(CommandLine, DataUserAndSwitches) {
    std::string error;
    auto cl = parseCommandLine({"--data", "/srv/po", "--user=LAO", "/netnolog", "/netall"}, error);
    ASSERT_TRUE(cl) << error;
    EXPECT_EQ(cl->dataFolder, "/srv/po");
    EXPECT_EQ(cl->user, "LAO");
    EXPECT_EQ(cl->switches, (std::vector<std::string>{"/netnolog", "/netall"}));
    EXPECT_FALSE(cl->help);

    cl = parseCommandLine({"--data=data"}, error);
    ASSERT_TRUE(cl);
    EXPECT_EQ(cl->dataFolder, "data");
    EXPECT_TRUE(cl->user.empty());
}

TEST(CommandLine, WhatCannotBeUsedIsNamed) {
    std::string error;
    EXPECT_FALSE(parseCommandLine({}, error));
    EXPECT_EQ(error, "--data DIR is required");
    EXPECT_FALSE(parseCommandLine({"--data"}, error));
    EXPECT_EQ(error, "--data needs a value");
    EXPECT_FALSE(parseCommandLine({"--data", "d", "--user="}, error));
    EXPECT_EQ(error, "--user needs a value");
    EXPECT_FALSE(parseCommandLine({"--data", "d", "report.txt"}, error));
    EXPECT_EQ(error, "unknown argument \"report.txt\"");
    // Asking for help needs no data folder.
    EXPECT_TRUE(host::asksForHelp({"--data", "d", "-h"}));
    EXPECT_TRUE(parseCommandLine({"--help"}, error));
}

TEST(CommandLine, ADisplayIsAnXOrWaylandDisplayOrANamedPlatform) {
    std::map<std::string, std::string> env;
    auto read = [&](const char* n) -> const char* {
        auto it = env.find(n);
        return it == env.end() ? nullptr : it->second.c_str();
    };
    EXPECT_FALSE(host::displayAvailable(read));
    env["DISPLAY"] = "";
    EXPECT_FALSE(host::displayAvailable(read));
    env["QT_QPA_PLATFORM"] = "offscreen";
    EXPECT_TRUE(host::displayAvailable(read));
    env.erase("QT_QPA_PLATFORM");
    env["WAYLAND_DISPLAY"] = "wayland-0";
    EXPECT_TRUE(host::displayAvailable(read));
    EXPECT_NE(host::noDisplayText().find("xvfb-run -a scripts/run"), std::string::npos);
    EXPECT_NE(host::usageText().find("vantrel --data DIR [--user ID] [switches]"), std::string::npos);
}

TEST(InstallFolder, TheHelpPagesAreFoundNextToTheProgramOrInTheSources) {
    TempDir dir;
    namespace fs = std::filesystem;
    fs::create_directories(dir.file("inst/bin"));
    fs::create_directories(dir.file("inst/html"));
    dir.write("inst/html/index.htm", "<html></html>");
    fs::create_directories(dir.file("src/html"));
    dir.write("src/html/index.htm", "<html></html>");
    fs::create_directories(dir.file("build/app"));

    EXPECT_EQ(host::findInstallFolder(dir.file("inst/bin"), dir.file("src")), dir.file("inst"));
    EXPECT_EQ(host::findInstallFolder(dir.file("build/app"), dir.file("src")), dir.file("src"));
    EXPECT_EQ(host::findInstallFolder(dir.file("build/app"), ""), dir.file("build/app"));
}

}  // namespace
}  // namespace vtl::test
