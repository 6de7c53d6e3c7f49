#include "maintenance/datamodule_maintenance_dbrestore.h"

#include <filesystem>

#include "maintenance/service_lines.h"

bool Tdatamodule_maintenance_dbrestore::run_restore(tvelmor_messagelines& amessagelines,
                                                    const std::string& apath_backup,
                                                    const std::string& apath_database) {
    using p = tprocs_maintenance;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(apath_backup, ec)) {
        p::add_line(amessagelines, "Backup file [" + apath_backup + "] not found.", p::margin_step);
        p::add_line(amessagelines, "Restore Aborted.", p::margin_step);
        return false;
    }
    if (std::filesystem::exists(apath_database, ec)) {
        p::add_line(amessagelines, "Resore file [" + apath_database + "] already exists.", p::margin_step);
        p::add_line(amessagelines, "Restore Aborted.", p::margin_step);
        return false;
    }
    p::add_line(amessagelines, "Restore Database Started...", p::margin_step);
    RestoreService1.fpage_buffers = 0;
    RestoreService1.fdatabase_files = {apath_database};
    RestoreService1.fbackup_files = {apath_backup};
    p::run_service(RestoreService1, amessagelines);
    p::add_line(amessagelines, "Restore Finished.", p::margin_step);
    return true;
}
