// The folders the program finds through the operating system: its own folder (that of the running
// executable), the folder of its shipped files, the folder of its settings file and the common
// program-data folder. Tests point the program and data folders at temporary folders.
#pragma once

#include <string>

class tprogram_folders {
public:
    // The folder of the executable, from /proc/self/exe, without a trailing "/".
    static std::string get_program_folder();
    // $XDG_DATA_HOME, else ~/.local/share, without a trailing "/".
    static std::string get_program_data_folder();

    // True for a program laid out by the installation: its folder holds no install/ of its own and
    // the shared folder beside it (../share/velmor_accounts from bin/) does.
    static bool is_installed();
    // The folder holding install/ (shipped backup, data-file archive) and data/ (asset file): the
    // program folder itself, or the installation's shared folder. No trailing "/".
    static std::string get_shared_folder();
    // The folder of the settings file: the program folder's data/, or for an installed program,
    // which writes nothing beside its executable, $XDG_CONFIG_HOME/velmor_accounts (else
    // ~/.config/velmor_accounts). No trailing "/".
    static std::string get_settings_folder();

    // Overrides for tests; an empty text returns to the operating system's answer.
    static void set_program_folder(const std::string& afolder);
    static void set_program_data_folder(const std::string& afolder);
};
