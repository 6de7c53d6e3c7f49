#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "procs/program_folders.h"

// The test programs are built into the program folder, bin/ of the build.
TEST(ProgramFolders, ProgramFolderIsThatOfTheExecutableUnlessOverridden) {
    const auto bin = std::filesystem::canonical(std::filesystem::path(VELMOR_BUILD_DIR) / "bin");
    EXPECT_EQ(std::filesystem::path(tprogram_folders::get_program_folder()), bin);
    tprogram_folders::set_program_folder("/tmp/velmor_program/");
    EXPECT_EQ(tprogram_folders::get_program_folder(), "/tmp/velmor_program");
    tprogram_folders::set_program_folder("");
    EXPECT_EQ(std::filesystem::path(tprogram_folders::get_program_folder()), bin);
}

TEST(ProgramFolders, ProgramDataFolderFollowsXdgDataHomeElseHome) {
    struct tcase { const char* name; const char* xdg; std::string want; };
    const tcase cases[] = {
        {"XDG_DATA_HOME set", "/tmp/velmor_xdg/", "/tmp/velmor_xdg"},
        {"relative XDG_DATA_HOME ignored", "relative/data", "/tmp/velmor_home/.local/share"},
        {"XDG_DATA_HOME unset", nullptr, "/tmp/velmor_home/.local/share"},
    };
    setenv("HOME", "/tmp/velmor_home", 1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.xdg) setenv("XDG_DATA_HOME", c.xdg, 1);
        else unsetenv("XDG_DATA_HOME");
        EXPECT_EQ(tprogram_folders::get_program_data_folder(), c.want);
    }
    tprogram_folders::set_program_data_folder("/tmp/velmor_override");
    EXPECT_EQ(tprogram_folders::get_program_data_folder(), "/tmp/velmor_override");
    tprogram_folders::set_program_data_folder("");
}

// A build folder's program keeps everything in its own folder; an installed one (bin/ beside
// share/velmor_accounts/install) reads its shipped files from share/ and keeps its settings in the
// user's configuration folder, writing nothing beside the executable.
TEST(ProgramFolders, InstalledProgramReadsSharedFilesAndKeepsSettingsInConfigFolder) {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ("velmor_folders_" + std::to_string(getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "usr/bin");
    fs::create_directories(root / "usr/share/velmor_accounts/install");
    fs::create_directories(root / "build/bin/install");
    fs::create_directories(root / "bare/bin");
    setenv("HOME", "/tmp/velmor_home", 1);
    struct tcase { const char* name; fs::path program; const char* config; bool installed; std::string shared, settings; };
    const std::string usr = (root / "usr").string(), build = (root / "build/bin").string(), bare = (root / "bare/bin").string();
    const tcase cases[] = {
        {"installed, XDG_CONFIG_HOME set", root / "usr/bin", "/tmp/velmor_config/", true,
         usr + "/share/velmor_accounts", "/tmp/velmor_config/velmor_accounts"},
        {"installed, XDG_CONFIG_HOME relative", root / "usr/bin", "config", true, usr + "/share/velmor_accounts",
         "/tmp/velmor_home/.config/velmor_accounts"},
        {"installed, XDG_CONFIG_HOME unset", root / "usr/bin", nullptr, true, usr + "/share/velmor_accounts",
         "/tmp/velmor_home/.config/velmor_accounts"},
        {"build folder", root / "build/bin", "/tmp/velmor_config", false, build, build + "/data"},
        {"a folder with neither", root / "bare/bin", "/tmp/velmor_config", false, bare, bare + "/data"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tprogram_folders::set_program_folder(c.program.string());
        if (c.config) setenv("XDG_CONFIG_HOME", c.config, 1);
        else unsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(tprogram_folders::is_installed(), c.installed);
        EXPECT_EQ(tprogram_folders::get_shared_folder(), c.shared);
        EXPECT_EQ(tprogram_folders::get_settings_folder(), c.settings);
    }
    // A build folder that also sits beside a share/ folder is still a build folder.
    fs::create_directories(root / "usr/bin/install");
    tprogram_folders::set_program_folder((root / "usr/bin").string());
    EXPECT_FALSE(tprogram_folders::is_installed());
    tprogram_folders::set_program_folder("");
    unsetenv("XDG_CONFIG_HOME");
    fs::remove_all(root);
}
