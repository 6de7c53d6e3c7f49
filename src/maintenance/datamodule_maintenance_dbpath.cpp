#include "maintenance/datamodule_maintenance_dbpath.h"

#include <cstdio>

#include <chrono>
#include <filesystem>

#include "controls/miscobjects.h"
#include "database/datamodule_database_customers.h"
#include "database/kept_backups.h"
#include "maintenance/datamodule_maintenance_server.h"
#include "maintenance/service_lines.h"
#include "procs/safe_file.h"

std::string Tdatamodule_maintenance_dbpath::backup_file_name() {
    return tkept_backups::file_name(std::chrono::system_clock::now());
}

bool Tdatamodule_maintenance_dbpath::run_moveto_dbpath(tvelmor_messagelines& amessagelines, const std::string& apath) {
    using p = tprocs_maintenance;
    Tdatamodule_database_customers& database = Tdatamodule_database_customers::instance();
    const int16_t domain = database.database_no();
    const tdomain_location from = database.location();
    const std::string user = database.login_user();
    const std::string password = database.login_password();
    p::add_line(amessagelines, "Move Database Path Started...", p::margin_step);
    database.close_database();
    bool moved = false;
    try {
        moved = run_steps(amessagelines, from, user, password, p::with_delimiter(apath));
    } catch (const std::exception& e) {
        p::add_line(amessagelines, e.what(), p::margin_move_step);
        p::add_line(amessagelines, "Move Database Aborted.", p::margin_step);
    }
    // Back to work at the old place, whatever happened.
    if (domain >= 0) database.open_database(domain);
    return moved;
}

// A restore on this machine writes under a temporary name and removes it when it fails. One on a
// server writes under the database's own name: when it fails part way (a full disk) it can leave
// a database there, at which every later move to that folder would stop ("already exists").
void Tdatamodule_maintenance_dbpath::restore_into_folder(tvelmor_messagelines& amessagelines,
                                                         const tdomain_location& afrom, const std::string& auser,
                                                         const std::string& apassword, const std::string& abackup,
                                                         const std::string& apath) {
    using p = tprocs_maintenance;
    tdomain_location target = afrom;
    target.ffolder = p::with_delimiter(apath);
    // Only a database that opens counts: the one dropped after a failure must open then, so it
    // was not there before.
    const bool was_there =
        afrom.is_server() && Tdatamodule_maintenance_server::database_exists(target, auser, apassword);
    RestoreService1.fpage_buffers = 0;
    RestoreService1.fdatabase_files = {p::database_file(apath)};
    RestoreService1.fbackup_files = {abackup};
    try {
        p::run_service(RestoreService1, amessagelines, afrom, auser, apassword);
    } catch (...) {
        if (afrom.is_server() && !was_there)
            Tdatamodule_maintenance_server::drop_partial_database(target, auser, apassword);
        throw;
    }
}

bool Tdatamodule_maintenance_dbpath::run_steps(tvelmor_messagelines& amessagelines, const tdomain_location& afrom,
                                               const std::string& auser, const std::string& apassword,
                                               const std::string& apath) {
    using p = tprocs_maintenance;
    std::string backups = apath + "backups";
    if (afrom.is_server()) {
        // The server writes the backup itself, into the target folder on the server; this
        // machine cannot make folders there.
        backups = apath.substr(0, apath.size() - 1);
    } else {
        std::error_code ec;
        std::filesystem::create_directory(backups, ec);
        if (!std::filesystem::is_directory(backups, ec)) {
            p::add_line(amessagelines, "Unable to create the backups folder [" + backups + "].", p::margin_move_step);
            p::add_line(amessagelines, "Move Database Aborted.", p::margin_step);
            return false;
        }
        p::add_line(amessagelines, "- Backups Folder Created.", p::margin_move_step);
    }
    const std::string backup = backups + "/" + backup_file_name();
    // Here the backup is written under a temporary name and takes its own only when whole, as a
    // kept backup does, so a move killed half-way leaves no backup that looks finished. (A server
    // writes into its own folders, which this machine cannot rename in.)
    const std::string writing = afrom.is_server() ? backup : backup + std::string(tsafe_file::temporary_suffix);
    BackupService1.fdatabase_files = {p::database_file(afrom.ffolder)};
    BackupService1.fbackup_files = {writing};
    try {
        p::run_service(BackupService1, amessagelines, afrom, auser, apassword);
    } catch (...) {
        if (!afrom.is_server()) std::remove(writing.c_str());
        throw;
    }
    if (!afrom.is_server()) tsafe_file::sync_and_rename(writing, backup);
    p::add_line(amessagelines, "- Database Backup Finished.", p::margin_move_step);
    restore_into_folder(amessagelines, afrom, auser, apassword, backup, apath);
    p::add_line(amessagelines, "- Database Restore Finished.", p::margin_move_step);
    p::add_line(amessagelines, "Move Database Finished.", p::margin_step);
    return true;
}
