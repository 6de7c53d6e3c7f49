// Makes the program's fonts known to Qt. Tahoma comes from a folder outside fontconfig's reach,
// so its files are registered with Qt by path at start-up.
#pragma once

#include <string>

class tshell_fonts {
public:
    // Registers Tahoma (regular and, when present, bold) once per process; returns whether the
    // regular face was found. Safe to call repeatedly.
    static bool register_fonts();
    // The Tahoma file found, empty when none.
    static std::string tahoma_file();
};
