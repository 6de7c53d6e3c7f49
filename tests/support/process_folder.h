// A temporary folder for the whole test process, holding the embedded engine's lock folder and
// XDG_DATA_HOME (so nothing a test does touches the real home folder); removed at exit.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include <unistd.h>

inline std::string make_temp_folder(const char* aprefix) {
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / (std::string(aprefix) + "XXXXXX")).string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    return pattern;
}

// The first call creates the folder with aprefix and points the environment at it.
inline const std::string& test_process_folder(const char* aprefix) {
    namespace fs = std::filesystem;
    // Never destroyed: the clean-up at exit still needs the name.
    static const std::string& folder = *new std::string([aprefix] {
        std::string f = make_temp_folder(aprefix);
        fs::create_directories(f + "/lock");
        fs::create_directories(f + "/xdg");
        setenv("FIREBIRD_LOCK", (f + "/lock").c_str(), 1);
        setenv("XDG_DATA_HOME", (f + "/xdg").c_str(), 1);
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(test_process_folder(""), ec);
        });
        return f;
    }());
    return folder;
}
