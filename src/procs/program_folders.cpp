#include "procs/program_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <mutex>

#include "procs/velmor_exception.h"

namespace {

struct toverrides {
    std::mutex lock;
    std::string program_folder;
    std::string program_data_folder;
};

toverrides& overrides() {
    static toverrides instance;
    return instance;
}

std::string without_trailing_slash(std::string afolder) {
    while (afolder.size() > 1 && afolder.back() == '/') afolder.pop_back();
    return afolder;
}

std::string home_folder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
    throw tvelmor_exception("Unable to find the home folder in %s.get_program_data_folder();", "tprogram_folders");
}

}  // namespace

std::string tprogram_folders::get_program_folder() {
    {
        std::lock_guard guard(overrides().lock);
        if (!overrides().program_folder.empty()) return overrides().program_folder;
    }
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) throw tvelmor_exception("Unable to find the program folder in %s.get_program_folder();", "tprogram_folders");
    return without_trailing_slash(exe.parent_path().string());
}

std::string tprogram_folders::get_program_data_folder() {
    {
        std::lock_guard guard(overrides().lock);
        if (!overrides().program_data_folder.empty()) return overrides().program_data_folder;
    }
    // The XDG rules ignore a relative XDG_DATA_HOME.
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && xdg[0] == '/') return without_trailing_slash(xdg);
    return without_trailing_slash(home_folder()) + "/.local/share";
}

void tprogram_folders::set_program_folder(const std::string& afolder) {
    std::lock_guard guard(overrides().lock);
    overrides().program_folder = afolder.empty() ? afolder : without_trailing_slash(afolder);
}

void tprogram_folders::set_program_data_folder(const std::string& afolder) {
    std::lock_guard guard(overrides().lock);
    overrides().program_data_folder = afolder.empty() ? afolder : without_trailing_slash(afolder);
}
