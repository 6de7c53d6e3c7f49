#include "database/fb_client.h"

#include "procs/program_folders.h"

#include <langinfo.h>
#include <sys/stat.h>

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

Firebird::IMaster* tfb_client::master() {
    static Firebird::IMaster* m = Firebird::fb_get_master_interface();
    return m;
}

Firebird::IUtil* tfb_client::util() { return master()->getUtilInterface(); }

std::string tfb_client::status_text(const Firebird::IStatus* astatus) {
    char buffer[2048];
    util()->formatStatus(buffer, sizeof buffer, const_cast<Firebird::IStatus*>(astatus));
    std::string text(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

// The engine turns file names from the locale's character set into its own; under a locale
// that is not UTF-8 (the C locale of a service or a test) a folder such as "données" fails.
// The program's file names are UTF-8 bytes, so the engine is given a UTF-8 character set.
void tfb_client::ensure_utf8_file_names() {
    const char* codeset = ::nl_langinfo(CODESET);
    if (codeset && std::strcmp(codeset, "UTF-8") == 0)
        return;
    if (!std::setlocale(LC_CTYPE, "C.UTF-8"))
        std::setlocale(LC_CTYPE, "en_US.UTF-8");
}

void tfb_client::ensure_lock_folder() {
    ensure_utf8_file_names();
    const char* current = std::getenv("FIREBIRD_LOCK");
    if (current && *current)
        return;
    std::filesystem::path folder;
    if (const char* run = std::getenv("XDG_RUNTIME_DIR"); run && *run) {
        folder = std::filesystem::path(run) / "velmor_accounts" / "firebird";
    } else {
        folder = std::filesystem::path(tprogram_folders::get_program_data_folder()) / "velmor_accounts" / "firebird_lock";
    }
    // Without its own lock folder the engine would fall back to a shared one and later report a
    // folder the user never heard of: the real folder and the system's reason are told here.
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!ec && ::chmod(folder.c_str(), 0700) != 0) ec = std::error_code(errno, std::generic_category());
    if (ec)
        throw tvelmor_exception("The database engine's lock folder \"%s\" cannot be created: %s.", folder.string(),
                                ec.message());
    ::setenv("FIREBIRD_LOCK", folder.c_str(), 1);
}

void tfb_status::raise() {
    std::string text = tfb_client::status_text(this);
    clearException();
    throw tvelmor_exception(text);
}

// Under LeakSanitizer: the client library and the engine keep their character-set converters
// and ICU tables for the life of the process; those are not leaks of this program.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libicuuc\nleak:libicui18n\nleak:libfbclient\nleak:libEngine12\nleak:iconv_open\nleak:__gconv\n";
}
