// The two folders the program finds through the operating system: its own folder (that of the
// running executable) and the common program-data folder. Tests point both at temporary folders.
#pragma once

#include <string>

class tprogram_folders {
public:
    // The folder of the executable, from /proc/self/exe, without a trailing "/".
    static std::string get_program_folder();
    // $XDG_DATA_HOME, else ~/.local/share, without a trailing "/".
    static std::string get_program_data_folder();

    // Overrides for tests; an empty text returns to the operating system's answer.
    static void set_program_folder(const std::string& afolder);
    static void set_program_data_folder(const std::string& afolder);
};
