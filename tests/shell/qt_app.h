// The program's application object for a test program, created on first use, offscreen unless
// told otherwise.
#pragma once

#include <cstdlib>

#include "shell/application.h"

inline tapplication& qt_app() {
    static tapplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "test_shell";
        static char* argv[] = {name, nullptr};
        return new tapplication(argc, argv);
    }();
    return *app;
}
