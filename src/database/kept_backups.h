// The backups a domain keeps of its database: backups/ inside the domain's folder, one file per
// backup named by its local time ("accounts.YYYYMMDDHHNNSSZZZ.fbk", as a database move names its
// backup), the newest kept_count kept. A backup is written under a temporary name and renamed only
// when the engine finished it, so a file of that name is always a whole backup and the rotation
// never gives up a good backup for a broken one.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class tkept_backups {
public:
    static constexpr int32_t kept_count = 10;
    static constexpr const char* folder_name = "backups";
    // A backup is due when the newest one is older than this (or there is none).
    static constexpr std::chrono::hours due_after{24};

    // "accounts." + the local time as YYYYMMDDHHNNSSZZZ + ".fbk".
    static std::string file_name(std::chrono::system_clock::time_point atime);
    // adomain_folder + "backups/" (adomain_folder with or without its trailing "/").
    static std::string folder(const std::string& adomain_folder);
    // The backup files of the folder, oldest first (only names of the pattern above).
    static std::vector<std::string> list(const std::string& adomain_folder);
    // The local time a backup file's name carries; false for a name not of the pattern.
    static bool time_of(const std::string& afile_name, std::chrono::system_clock::time_point& atime);
    static bool is_due(const std::string& adomain_folder, std::chrono::system_clock::time_point anow);

    // Backs up the domain's accounts.fdb into a new kept backup and then removes all but the
    // newest kept_count; aprogress sees each line of the engine's output. Returns the backup's full
    // path. Raises "Unable to create the backups folder [%s]." or the engine's error; a failed run
    // leaves no file behind and removes no older backup.
    static std::string take(const std::string& adomain_folder, const std::function<void(const std::string&)>& aprogress);
    // Removes all but the newest kept_count backups; the number removed.
    static int32_t rotate(const std::string& adomain_folder);
};
