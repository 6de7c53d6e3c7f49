#include "maintenance/site_pics_install.h"

#include <filesystem>
#include <system_error>

#include "procs/safe_file.h"
#include "procs/velmor_exception.h"

namespace fs = std::filesystem;

std::string install_site_pics(const std::string& adatabase_folder, const std::string& apics_folder) {
    std::error_code ec;
    const fs::path source = fs::path(adatabase_folder) / "pics";
    if (!fs::is_directory(source, ec)) return {};
    if (fs::exists(apics_folder, ec) && fs::equivalent(source, apics_folder, ec)) return {};
    fs::create_directories(apics_folder, ec);
    int copied = 0;
    std::string failed;
    for (const fs::directory_entry& entry : fs::directory_iterator(source, ec)) {
        if (!entry.is_regular_file(ec)) continue;
        const fs::path target = fs::path(apics_folder) / entry.path().filename();
        if (fs::exists(target, ec)) continue;
        try {
            tsafe_file::copy(entry.path().string(), target.string(), false);
            ++copied;
        } catch (const tvelmor_exception&) {
            if (failed.empty()) failed = entry.path().filename().string();
        }
    }
    if (!failed.empty()) return "Unable to copy site picture " + failed + " to [" + apics_folder + "]";
    return copied ? "Site Pictures Copied." : std::string();
}
