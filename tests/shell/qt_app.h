// One QApplication for a test program, created on first use, offscreen unless told otherwise.
#pragma once

#include <QApplication>
#include <cstdlib>

#include "shell/fonts.h"

inline QApplication& qt_app() {
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "test_shell";
        static char* argv[] = {name, nullptr};
        auto* a = new QApplication(argc, argv);
        tshell_fonts::register_fonts();
        return a;
    }();
    return *app;
}
