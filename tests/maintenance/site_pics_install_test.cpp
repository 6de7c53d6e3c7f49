// The demo site pictures reach the picture folder whatever database folder the first run chose.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "maintenance/site_pics_install.h"
#include "support/process_folder.h"

namespace fs = std::filesystem;

namespace {

void write(const fs::path& apath, const std::string& atext) {
    fs::create_directories(apath.parent_path());
    std::ofstream(apath, std::ios::binary) << atext;
}

std::string read(const fs::path& apath) {
    std::ifstream file(apath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST(SitePicsInstall, copies_the_unpacked_pictures_into_the_picture_folder_keeping_files_that_are_there) {
    const fs::path root = make_temp_folder("velmor_sitepics_");
    write(root / "db" / "pics" / "0001.jpg", "one");
    write(root / "db" / "pics" / "0002.jpg", "two");
    write(root / "data" / "velmor_accounts" / "pics" / "0002.jpg", "kept");
    const std::string pics = (root / "data" / "velmor_accounts" / "pics").string() + "/";
    EXPECT_EQ("Site Pictures Copied.", install_site_pics((root / "db").string() + "/", pics));
    EXPECT_EQ("one", read(pics + "0001.jpg"));
    EXPECT_EQ("kept", read(pics + "0002.jpg"));
    // Again: nothing left to copy.
    EXPECT_EQ("", install_site_pics((root / "db").string(), pics));
    fs::remove_all(root);
}

TEST(SitePicsInstall, a_database_in_the_proposed_folder_or_without_pictures_needs_nothing) {
    const fs::path root = make_temp_folder("velmor_sitepics_");
    write(root / "velmor_accounts" / "pics" / "0001.jpg", "one");
    EXPECT_EQ("", install_site_pics((root / "velmor_accounts").string() + "/",
                                    (root / "velmor_accounts" / "pics").string() + "/"));
    EXPECT_EQ("", install_site_pics((root / "elsewhere").string(), (root / "x").string()));
    EXPECT_FALSE(fs::exists(root / "x"));
    fs::remove_all(root);
}

}  // namespace
