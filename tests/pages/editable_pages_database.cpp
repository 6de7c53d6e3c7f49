#include "editable_pages_database.h"

#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

#include "database/fb_service.h"
#include "database/procs_querys.h"

namespace fs = std::filesystem;

std::string pages_shipped_database(const std::string& aprocess_folder) {
    const std::string backup = std::string(VELMOR_BUILD_DIR) + "/bin/install/accounts.1.0.1.3.release.fbk";
    struct stat info {};
    if (stat(backup.c_str(), &info) != 0)
        throw std::runtime_error("the shipped backup " + backup + " is missing: build the shipped_database target");
    const std::string restored = std::string(VELMOR_BUILD_DIR) + "/tests/pages_shipped_" +
                                 std::to_string(info.st_size) + "_" + std::to_string(info.st_mtime) + ".fdb";
    if (fs::exists(restored)) return restored;
    const std::string work = aprocess_folder + "/shipped.fdb";
    tfb_restore_service restore;
    restore.fparams = {"user_name=SYSDBA"};
    restore.fbackup_files = {backup};
    restore.fdatabase_files = {work};
    restore.attach();
    restore.start();
    while (!restore.eof()) restore.get_next_line();
    restore.detach();
    fs::create_directories(fs::path(restored).parent_path());
    // Restored under a temporary name and renamed, so no other test process sees half of it.
    const std::string temporary = restored + ".tmp" + std::to_string(getpid());
    fs::copy_file(work, temporary);
    fs::rename(temporary, restored);
    return restored;
}

bool load_account(tdbrecord_account2& arecord, int32_t aid) {
    arecord.set_aslongint1(0, aid);
    return tprocs_querys::load_record_bypk(arecord, dben_table_account);
}

bool load_first_account(tdbrecord_account2& arecord) {
    return tprocs_querys::load_sql_record(arecord, "SELECT FIRST 1 * FROM account ORDER BY id", {}, {});
}
