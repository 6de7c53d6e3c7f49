// The program's log: $XDG_STATE_HOME/velmor_accounts/velmor_accounts.log (else
// ~/.local/state/...), capped in size by keeping one older file. At the default level it records
// only what the program did (start, end, that an error was shown), never user data; with
// VELMOR_LOG=debug it also records the error texts.
#pragma once

#include <cstdint>
#include <string>

class tshell_log {
public:
    static constexpr int64_t default_cap = 1024 * 1024;

    // The log file's path.
    static std::string get_filename();
    static bool debug_level();

    // Appends a line with the time; when the file has grown past acap it becomes the ".1" file
    // (replacing the older one) and a new file starts. Failures to write are ignored: the log
    // never stops the program.
    static void write(const std::string& aline, int64_t acap = default_cap);
    // An error shown to the user: its text only at the debug level.
    static void error_shown(const std::string& amessage);
};
