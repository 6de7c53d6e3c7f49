// What the program checks and prepares in its environment before the application object exists:
// whether a window can be shown at all, and a private runtime folder when the session gives none
// (the toolkit would otherwise warn on every start).
#pragma once

#include <string>
#include <vector>

class tstartup_environment {
public:
    // How to drive the program with a script, where the package installs it (docs/scripts.md of
    // the source); the help and the no-display message point to it.
    static constexpr const char* scripts_document = "/usr/share/doc/velmor-accounts/scripts.md";
    // Empty when a window can be shown: a display is named (DISPLAY, WAYLAND_DISPLAY), a
    // platform is chosen (QT_QPA_PLATFORM other than xcb or wayland, or "-platform" among
    // aarguments), or a script drives the program. Otherwise one line saying what is missing.
    static std::string missing_display(const std::vector<std::string>& aarguments, bool ahas_script);
    // Sets XDG_RUNTIME_DIR to a folder of this user's (created with mode 0700 under the
    // temporary folder) when it is unset or empty. False when no such folder could be made.
    static bool prepare_runtime_dir();
    // While the application object connects to the display: the toolkit's complaints about it are
    // held back, and a display it cannot open ends the program with one line and exit code
    // aexit_code instead of the toolkit's abort. end_display_guard restores the toolkit's own
    // message handling.
    static void begin_display_guard(int aexit_code);
    static void end_display_guard();
};
