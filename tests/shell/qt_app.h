// The program's application object for a test program, created on first use, offscreen unless
// told otherwise.
#pragma once

#include <cstdlib>
#include <string>

#include "shell/application.h"

inline tapplication& qt_app() {
    static tapplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        // Nothing a test does may reach the real home folder (Qt and fontconfig write caches).
        static char folder[] = "/tmp/velmor_shell_test_XXXXXX";
        if (mkdtemp(folder)) {
            for (const char* name : {"XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_STATE_HOME",
                                     "XDG_RUNTIME_DIR"}) {
                setenv(name, folder, 1);
            }
        }
        static int argc = 1;
        static char name[] = "test_shell";
        static char* argv[] = {name, nullptr};
        return new tapplication(argc, argv);
    }();
    return *app;
}
