#include "database/kept_backups.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>

#include "database/datamodule_database_customers.h"
#include "database/fb_service.h"
#include "procs/program_folders.h"
#include "procs/velmor_exception.h"
#include "procs/safe_file.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t stamp_length = 17;  // YYYYMMDDHHNNSSZZZ

std::string with_delimiter(const std::string& afolder) {
    return !afolder.empty() && afolder.back() == '/' ? afolder : afolder + "/";
}

int32_t digits(const std::string& atext, size_t afrom, size_t acount) {
    return std::stoi(atext.substr(afrom, acount));
}

}  // namespace

std::string tkept_backups::file_name(std::chrono::system_clock::time_point atime) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(atime);
    const auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(atime.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[96];
    std::snprintf(text, sizeof text, "accounts.%.4d%.2d%.2d%.2d%.2d%.2d%.3d.fbk", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(millis));
    return text;
}

std::string tkept_backups::folder(const std::string& adomain_folder) {
    return with_delimiter(adomain_folder) + folder_name + "/";
}

bool tkept_backups::time_of(const std::string& afile_name, std::chrono::system_clock::time_point& atime) {
    const std::string prefix = "accounts.", suffix = ".fbk";
    if (afile_name.size() != prefix.size() + stamp_length + suffix.size() || afile_name.rfind(prefix, 0) != 0 ||
        afile_name.compare(afile_name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    const std::string stamp = afile_name.substr(prefix.size(), stamp_length);
    if (!std::all_of(stamp.begin(), stamp.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
    std::tm local{};
    local.tm_year = digits(stamp, 0, 4) - 1900;
    local.tm_mon = digits(stamp, 4, 2) - 1;
    local.tm_mday = digits(stamp, 6, 2);
    local.tm_hour = digits(stamp, 8, 2);
    local.tm_min = digits(stamp, 10, 2);
    local.tm_sec = digits(stamp, 12, 2);
    local.tm_isdst = -1;
    const std::time_t seconds = std::mktime(&local);
    if (seconds == -1) return false;
    atime = std::chrono::system_clock::from_time_t(seconds) + std::chrono::milliseconds(digits(stamp, 14, 3));
    return true;
}

std::vector<std::string> tkept_backups::list(const std::string& adomain_folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder(adomain_folder), ec), end; !ec && it != end; it.increment(ec)) {
        std::chrono::system_clock::time_point when;
        const std::string name = it->path().filename().string();
        if (it->is_regular_file(ec) && time_of(name, when)) names.push_back(name);
    }
    // The time stamps sort as text.
    std::sort(names.begin(), names.end());
    return names;
}

bool tkept_backups::is_due(const std::string& adomain_folder, std::chrono::system_clock::time_point anow) {
    const std::vector<std::string> names = list(adomain_folder);
    std::chrono::system_clock::time_point newest;
    if (names.empty() || !time_of(names.back(), newest)) return true;
    return anow - newest > due_after;
}

std::string tkept_backups::take(const std::string& adomain_folder,
                                const std::function<void(const std::string&)>& aprogress) {
    const std::string backups = folder(adomain_folder);
    std::error_code ec;
    fs::create_directories(backups, ec);
    if (!fs::is_directory(backups, ec))
        throw tvelmor_exception("Unable to create the backups folder [%s].", backups.substr(0, backups.size() - 1));
    const std::string target = backups + file_name(std::chrono::system_clock::now());
    const std::string writing = target + std::string(tsafe_file::temporary_suffix);
    fs::remove(writing, ec);
    tfb_backup_service service;
    service.flibrary_name = tprogram_folders::get_program_folder() + "/libfbclient.so.2";
    service.fparams = {"user_name=" + Tdatamodule_database_customers::user_name()};
    service.fverbose = true;
    service.fdatabase_files = {with_delimiter(adomain_folder) + "accounts.fdb"};
    service.fbackup_files = {writing};
    try {
        service.attach();
        service.start();
        while (!service.eof()) {
            const std::string line = service.get_next_line();
            if (!line.empty() && aprogress) aprogress(line);
        }
        service.detach();
        tsafe_file::sync_and_rename(writing, target);
    } catch (...) {
        service.detach();
        fs::remove(writing, ec);
        throw;
    }
    rotate(adomain_folder);
    return target;
}

int32_t tkept_backups::rotate(const std::string& adomain_folder) {
    const std::vector<std::string> names = list(adomain_folder);
    int32_t removed = 0;
    std::error_code ec;
    for (size_t i = 0; i + kept_count < names.size(); ++i)
        if (fs::remove(folder(adomain_folder) + names[i], ec)) ++removed;
    return removed;
}
