// The shipped backup restored once per build of it and kept in the build folder, for the test
// processes to copy. Restored in awork_folder, then copied under a temporary name and renamed,
// so no other test process sees half of it. aprefix keeps each test program's copy apart.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "database/fb_service.h"

inline std::string restored_shipped_database(const std::string& awork_folder, const char* aprefix) {
    namespace fs = std::filesystem;
    const std::string backup = std::string(VELMOR_BUILD_DIR) + "/bin/install/accounts.1.0.1.3.release.fbk";
    struct stat info {};
    if (stat(backup.c_str(), &info) != 0)
        throw std::runtime_error("the shipped backup " + backup + " is missing: build the shipped_database target");
    const std::string restored = std::string(VELMOR_BUILD_DIR) + "/tests/" + aprefix + "_shipped_" +
                                 std::to_string(info.st_size) + "_" + std::to_string(info.st_mtime) + ".fdb";
    if (fs::exists(restored)) return restored;
    const std::string work = awork_folder + "/shipped.fdb";
    tfb_restore_service restore;
    restore.fparams = {"user_name=SYSDBA"};
    restore.fbackup_files = {backup};
    restore.fdatabase_files = {work};
    restore.attach();
    restore.start();
    while (!restore.eof()) restore.get_next_line();
    restore.detach();
    fs::create_directories(fs::path(restored).parent_path());
    const std::string temporary = restored + ".tmp" + std::to_string(getpid());
    fs::copy_file(work, temporary);
    fs::rename(temporary, restored);
    return restored;
}
