#include "editable_pages_database.h"

#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

#include "database/fb_service.h"
#include "database/procs_querys.h"
#include "support/shipped_database.h"

namespace fs = std::filesystem;

std::string pages_shipped_database(const std::string& aprocess_folder) {
    return restored_shipped_database(aprocess_folder, "pages");
}

bool load_account(tdbrecord_account2& arecord, int32_t aid) {
    arecord.set_aslongint1(0, aid);
    return tprocs_querys::load_record_bypk(arecord, dben_table_account);
}

bool load_first_account(tdbrecord_account2& arecord) {
    return tprocs_querys::load_sql_record(arecord, "SELECT FIRST 1 * FROM account ORDER BY id", {}, {});
}

bool account_named(const std::string& aname) {
    tdbrecord_account2 r;
    return tprocs_querys::load_sql_record(r, "SELECT * FROM account WHERE name = '" + aname + "'", {}, {});
}
