// Taking a kept backup of the open domain (database/kept_backups.h) while the window shows its
// progress in the footer: "Back Up Now" of the maintenance menu, and the backup taken before the
// window closes when the newest one is older than a day. The controller drops keys and clicks
// meanwhile, since window messages are let through to draw the progress.
#pragma once

#include <chrono>
#include <string>

class tpage_controller_generic;

class tkept_backup_run {
public:
    // Backs up the open domain's database now; returns what to tell the user. Raises when no
    // database is open or the backup fails (nothing is left behind then).
    static std::u16string run(tpage_controller_generic& acontroller);
    // Before the window closes: a backup when a database is open and its newest backup is older
    // than a day. A failure is shown and the window closes all the same.
    static void before_close(tpage_controller_generic& acontroller, std::chrono::system_clock::time_point anow);
    // "Restore Backup...": a backup file (the file dialog opens on the open domain's backups/),
    // then a new folder (the folder dialog); the backup is restored there as accounts.fdb, never
    // over a database, and the folder becomes a new domain of the settings file, named after the
    // backup's time. Returns what to tell the user; empty when a dialog was cancelled. Raises with
    // nothing left behind when a check, the restore or the settings file fails.
    static std::u16string restore(tpage_controller_generic& acontroller);
};
