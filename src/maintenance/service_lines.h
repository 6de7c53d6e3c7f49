// What the maintenance runs share: adding a line to a page's message lines (and letting the
// window show it at once), running an engine service with its output as status lines, and the
// folder checks made before anything is written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "procs/domain_location.h"

class tvelmor_messagelines;
class tfb_service;

class tprocs_maintenance {
public:
    static constexpr int16_t margin_step = 4;
    static constexpr int16_t margin_move_step = 12;
    static constexpr int16_t margin_engine = 32;
    static constexpr size_t wrap_width = 90;  // characters of a line in the pages' grids

    // Adds a line (UTF-8) with no flags, wrapped at wrap_width, and lets pending window messages
    // through.
    static void add_line(tvelmor_messagelines& amessagelines, const std::string& aline, int16_t amargin);
    // Sets the engine library and the user name (the services never prompt), attaches, starts,
    // shows every output line as the status line, detaches (also on error). For a location on a
    // server the server's own service manager runs it with the login given, and the file names
    // are the server's.
    static void run_service(tfb_service& aservice, tvelmor_messagelines& amessagelines,
                            const tdomain_location& alocation = {}, const std::string& auser = {},
                            const std::string& apassword = {});
    // A folder name ends with "/".
    static std::string with_delimiter(const std::string& afolder);
    // The database file of a database folder.
    static std::string database_file(const std::string& afolder) { return with_delimiter(afolder) + "accounts.fdb"; }
    // Empty when the folder name can be written into the settings file; else why not.
    static std::string settings_refusal(const std::string& afolder);
    // Creates the folder with its missing parents and checks that a file can be written in it;
    // raises the message naming the folder when either fails.
    static void ensure_writable_folder(const std::string& afolder);
};
