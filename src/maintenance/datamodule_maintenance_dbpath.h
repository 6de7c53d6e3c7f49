// Copies the open database into another folder by a backup (into the target's "backups" folder,
// named by the time) followed by a restore. The database is closed meanwhile and reopened at its
// old place on every path; the settings file is not changed. A database on a server is copied by
// the server's own services into a folder on that server.
#pragma once

#include <string>

#include "database/fb_service.h"
#include "procs/domain_location.h"

class tvelmor_messagelines;

class Tdatamodule_maintenance_dbpath : public tvelmor_object {
public:
    const char* class_name() const override { return "Tdatamodule_maintenance_dbpath"; }
    // True when the copy was made. A failed step shows its error in the lines and returns false.
    bool run_moveto_dbpath(tvelmor_messagelines& amessagelines, const std::string& apath);
    // "accounts." + local time as YYYYMMDDHHNNSSZZZ + ".fbk".
    static std::string backup_file_name();
    // Restores abackup as the database of the folder apath (on afrom's machine); raises when the
    // restore fails, leaving no database there that was not there before.
    void restore_into_folder(tvelmor_messagelines& amessagelines, const tdomain_location& afrom,
                             const std::string& auser, const std::string& apassword, const std::string& abackup,
                             const std::string& apath);

    tfb_backup_service BackupService1;
    tfb_restore_service RestoreService1;

private:
    bool run_steps(tvelmor_messagelines& amessagelines, const tdomain_location& afrom, const std::string& auser,
                   const std::string& apassword, const std::string& apath);
};
