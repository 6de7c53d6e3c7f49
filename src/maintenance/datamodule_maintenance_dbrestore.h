// Restores one backup file into a new database file, reporting into a page's message lines: the
// system's steps with margin 4, the engine's verbose output as one status line with margin 32.
#pragma once

#include <string>

#include "database/fb_service.h"

class tvelmor_messagelines;

class Tdatamodule_maintenance_dbrestore : public tvelmor_object {
public:
    const char* class_name() const override { return "Tdatamodule_maintenance_dbrestore"; }
    // True when the database file was made. A missing backup or an existing database file is
    // reported in the lines and returns false; a failing engine raises its error (no file left).
    bool run_restore(tvelmor_messagelines& amessagelines, const std::string& apath_backup,
                     const std::string& apath_database);

    tfb_restore_service RestoreService1;
};
