#include "host/HostOptions.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using host::HostOptions;
using Args = std::vector<std::string>;

std::string errorOf(const Args& args) {
    std::string error;
    HostOptions::parse(args, error);
    return error;
}

TEST(HostOptions, StateFolderFollowsTheUsersConfigurationFolder) {
    const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string keep = savedConfig ? savedConfig : "";
    setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(HostOptions::defaultStateDir(), "/tmp/cfg/zirirur");
    setenv("XDG_CONFIG_HOME", "", 1);
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(HostOptions::defaultStateDir(), "/home/someone/.config/zirirur");
    if (savedConfig)
        setenv("XDG_CONFIG_HOME", keep.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

// The host's own tests give the options as "--name value"; here the other spelling.
TEST(HostOptions, ReadsOptionsWithTheirValueAfterAnEqualsSign) {
    std::string error;
    HostOptions options = HostOptions::parse({"--install=/i", "--web=/w", "--page=/w/p.htm",
                                              "--select=Form1", "--out=-", "--state=/s", "run.zs"},
                                             error);
    ASSERT_EQ(error, "");
    EXPECT_EQ(options.installDir, "/i");
    EXPECT_EQ(options.webDir, "/w");
    EXPECT_EQ(options.pageFile, "/w/p.htm");
    EXPECT_EQ(options.select, "Form1");
    EXPECT_EQ(options.outFile, "-");
    EXPECT_EQ(options.stateDir, "/s");
    EXPECT_EQ(options.script, "run.zs");
    EXPECT_TRUE(HostOptions::parse({"-h"}, error).help);
}

TEST(HostOptions, RefusesWhatCannotWork) {
    EXPECT_NE(errorOf({"--frobnicate"}).find("unknown option --frobnicate"), std::string::npos);
    EXPECT_NE(errorOf({"--page"}).find("needs a value"), std::string::npos);
    EXPECT_NE(errorOf({"--page="}).find("not empty"), std::string::npos);
    EXPECT_NE(errorOf({"--unsaved=yes", "--page", "p"}).find("takes no value"), std::string::npos);
    EXPECT_NE(errorOf({"a.zs", "b.zs"}).find("only one script"), std::string::npos);
    EXPECT_NE(errorOf({"--unsaved"}).find("--unsaved needs --page"), std::string::npos);
    EXPECT_NE(errorOf({"--cursor", "x"}).find("needs --page"), std::string::npos);
    EXPECT_NE(errorOf({"--out", "o.htm"}).find("needs --page"), std::string::npos);
    EXPECT_NE(errorOf({"--page", "p", "--cursor", "a", "--select", "b"}).find("exclude"),
              std::string::npos);
}

} // namespace
