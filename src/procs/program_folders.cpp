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

std::string home_folder(const char* aoperation) {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
    throw tvelmor_exception("Unable to find the home folder in %s.%s();", "tprogram_folders", aoperation);
}

// An absolute XDG folder variable, else the home folder's default; the XDG rules ignore a
// relative value.
std::string xdg_folder(const char* avariable, const char* adefault_in_home, const char* aoperation) {
    if (const char* xdg = std::getenv(avariable); xdg && xdg[0] == '/') return without_trailing_slash(xdg);
    return without_trailing_slash(home_folder(aoperation)) + adefault_in_home;
}

#ifndef VELMOR_SHARE_FROM_BIN
#define VELMOR_SHARE_FROM_BIN "../share/velmor_accounts"
#endif

std::string installed_shared_folder(const std::string& aprogram_folder) {
    return (std::filesystem::path(aprogram_folder) / VELMOR_SHARE_FROM_BIN).lexically_normal().string();
}

}  // namespace

bool tprogram_folders::is_installed() {
    const std::string program = get_program_folder();
    std::error_code ec;
    if (std::filesystem::is_directory(program + "/install", ec)) return false;
    return std::filesystem::is_directory(installed_shared_folder(program) + "/install", ec);
}

std::string tprogram_folders::get_shared_folder() {
    const std::string program = get_program_folder();
    return is_installed() ? without_trailing_slash(installed_shared_folder(program)) : program;
}

std::string tprogram_folders::get_settings_folder() {
    if (!is_installed()) return get_program_folder() + "/data";
    return xdg_folder("XDG_CONFIG_HOME", "/.config", "get_settings_folder") + "/velmor_accounts";
}

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
    return xdg_folder("XDG_DATA_HOME", "/.local/share", "get_program_data_folder");
}

void tprogram_folders::set_program_folder(const std::string& afolder) {
    std::lock_guard guard(overrides().lock);
    overrides().program_folder = afolder.empty() ? afolder : without_trailing_slash(afolder);
}

void tprogram_folders::set_program_data_folder(const std::string& afolder) {
    std::lock_guard guard(overrides().lock);
    overrides().program_data_folder = afolder.empty() ? afolder : without_trailing_slash(afolder);
}
