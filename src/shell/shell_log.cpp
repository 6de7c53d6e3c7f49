#include "shell/shell_log.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

std::string tshell_log::get_filename() {
    const char* state = std::getenv("XDG_STATE_HOME");
    std::string folder;
    if (state && *state) folder = state;
    else folder = std::string(std::getenv("HOME") ? std::getenv("HOME") : "/tmp") + "/.local/state";
    return folder + "/velmor_accounts/velmor_accounts.log";
}

bool tshell_log::debug_level() {
    const char* level = std::getenv("VELMOR_LOG");
    return level && std::string(level) == "debug";
}

void tshell_log::write(const std::string& aline, int64_t acap) {
    std::error_code ec;
    fs::path file = get_filename();
    fs::create_directories(file.parent_path(), ec);
    if (fs::exists(file, ec) && static_cast<int64_t>(fs::file_size(file, ec)) > acap) {
        fs::rename(file, fs::path(file.string() + ".1"), ec);
    }
    std::ofstream out(file, std::ios::app);
    if (!out) return;
    std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", std::gmtime(&now));
    out << stamp << " " << aline << "\n";
}

void tshell_log::error_shown(const std::string& amessage) {
    write(debug_level() ? "error shown: " + amessage : std::string("error shown"));
}
