#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

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
