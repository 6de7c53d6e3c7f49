#include "maintenance/kept_backup_run.h"

#include <filesystem>

#include "controls/platform.h"
#include "database/datamodule_database_customers.h"
#include "database/fb_service.h"
#include "database/kept_backups.h"
#include "pages/page_controller_generic.h"
#include "pages/page_hooks.h"
#include "procs/message_format.h"
#include "procs/program_folders.h"
#include "xml/datamodule_inifile.h"

namespace {

void show(tpage_controller_generic& acontroller, const std::u16string& atext) {
    if (auto* footer = dynamic_cast<ifooter_settings*>(acontroller.get_handler_footer())) footer->set_footer_status(atext);
    if (tplatform* platform = tplatform_detail::current()) platform->process_messages();
}

// Sets the controller busy for the scope.
class tbusy_scope {
public:
    explicit tbusy_scope(tpage_controller_generic& acontroller) : fcontroller(acontroller) { fcontroller.fbusy = true; }
    ~tbusy_scope() { fcontroller.fbusy = false; }
    tbusy_scope(const tbusy_scope&) = delete;
    tbusy_scope& operator=(const tbusy_scope&) = delete;

private:
    tpage_controller_generic& fcontroller;
};

// An engine output line for the footer, without the name of the engine's tool it starts with
// ("gbak: writing data for table ...").
std::u16string engine_text(std::string aline) {
    if (aline.rfind("gbak:", 0) == 0) aline.erase(0, 5);
    return utf8_to_utf16(aline);
}

std::string take_with_progress(tpage_controller_generic& acontroller, const std::u16string& atitle) {
    Tdatamodule_database_customers& database = Tdatamodule_database_customers::instance();
    if (database.database_no() < 0 || database.database_path().empty())
        throw tvelmor_exception("No database is open in %s.run();", "tkept_backup_run");
    // This machine can neither write into nor list a server's folders: the server's own
    // administration keeps its backups.
    if (database.location().is_server())
        throw tvelmor_exception("The database is on the server %s: its backups are taken on the server.",
                                database.location().fhost);
    tbusy_scope busy(acontroller);
    show(acontroller, atitle + u"...");
    try {
        const std::string file = tkept_backups::take(database.database_path(), [&](const std::string& aline) {
            show(acontroller, atitle + u": " + engine_text(aline));
        });
        show(acontroller, atitle + u": finished.");
        return file;
    } catch (...) {
        show(acontroller, atitle + u": failed.");
        throw;
    }
}

std::string with_delimiter(const std::string& afolder) {
    return !afolder.empty() && afolder.back() == '/' ? afolder : afolder + "/";
}

// Why a backup cannot be restored into afolder (empty when it can): the settings file must be
// able to name it, and a database there is never replaced.
std::string restore_refusal(const std::string& afolder) {
    if (afolder.empty() || afolder.front() != '/') return "The folder name [" + afolder + "] is not a full path.";
    for (unsigned char c : afolder)
        if (c == '"' || c < 0x20)
            return "The folder name [" + afolder + "] holds a character the settings file cannot hold.";
    std::error_code ec;
    if (std::filesystem::exists(afolder + "accounts.fdb", ec))
        return "The folder [" + afolder + "] already holds a database; a backup is restored into a new folder only.";
    return {};
}

// The new domain's name: the backup's time, or its file name for a backup named otherwise.
std::string domain_name_of(const std::string& abackup) {
    const std::string name = std::filesystem::path(abackup).filename().string();
    std::chrono::system_clock::time_point when;
    if (!tkept_backups::time_of(name, when)) return "Restored " + name;
    const std::string stamp = name.substr(9, 12);
    return "Restored " + stamp.substr(0, 4) + "-" + stamp.substr(4, 2) + "-" + stamp.substr(6, 2) + " " +
           stamp.substr(8, 2) + ":" + stamp.substr(10, 2);
}

void restore_into(tpage_controller_generic& acontroller, const std::string& abackup, const std::string& adatabase) {
    tfb_restore_service service;
    service.flibrary_name = tprogram_folders::get_program_folder() + "/libfbclient.so.2";
    service.fparams = {"user_name=" + Tdatamodule_database_customers::user_name()};
    service.fdatabase_files = {adatabase};
    service.fbackup_files = {abackup};
    tbusy_scope busy(acontroller);
    const std::u16string title = u"Restoring the backup";
    show(acontroller, title + u"...");
    try {
        service.attach();
        service.start();
        while (!service.eof()) {
            const std::string line = service.get_next_line();
            if (!line.empty()) show(acontroller, title + u": " + engine_text(line));
        }
        service.detach();
    } catch (...) {
        service.detach();
        show(acontroller, title + u": failed.");
        throw;
    }
    show(acontroller, title + u": finished.");
}

}  // namespace

std::u16string tkept_backup_run::restore(tpage_controller_generic& acontroller) {
    Tdatamodule_database_customers& database = Tdatamodule_database_customers::instance();
    if (!database.finifile) throw tvelmor_exception("Settings module not assigned in %s.restore();", "tkept_backup_run");
    // A domain on a server has no backups folder on this machine: the dialog starts in its data files.
    std::u16string backup = utf8_to_utf16(database.location().is_server() ? database.data_files_folder()
                                                                           : tkept_backups::folder(database.database_path()));
    if (!tplatform::instance().select_file(backup, u"Select Backup", u"Backups (*.fbk)", false)) return {};
    std::u16string chosen;
    if (!tplatform::instance().select_folder(chosen, u"Select Folder")) return {};
    const std::string folder = with_delimiter(utf16_to_utf8(chosen));
    if (const std::string refusal = restore_refusal(folder); !refusal.empty()) throw tvelmor_exception(refusal);
    std::error_code ec;
    const bool made = !std::filesystem::exists(folder, ec);
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec))
        throw tvelmor_exception("Unable to create database folder [%s].", folder);
    const std::string file = utf16_to_utf8(backup);
    const std::string name = domain_name_of(file);
    try {
        restore_into(acontroller, file, folder + "accounts.fdb");
        database.finifile->add_domain(name, folder);
    } catch (...) {
        // Nothing half-made stays: the restored database (the settings file does not name it)
        // and a folder this run made.
        std::filesystem::remove(folder + "accounts.fdb", ec);
        if (made) std::filesystem::remove(folder, ec);
        throw;
    }
    return u"The backup was restored into [" + utf8_to_utf16(folder) + u"] as the domain \"" + utf8_to_utf16(name) +
           u"\"; the domains menu offers it at the next start.";
}

std::u16string tkept_backup_run::run(tpage_controller_generic& acontroller) {
    const std::string file = take_with_progress(acontroller, u"Backing up the database");
    return u"Backup written to [" + utf8_to_utf16(file) + u"]. The newest " +
           utf8_to_utf16(std::to_string(tkept_backups::kept_count)) + u" backups are kept.";
}

void tkept_backup_run::before_close(tpage_controller_generic& acontroller, std::chrono::system_clock::time_point anow) {
    Tdatamodule_database_customers& database = Tdatamodule_database_customers::instance();
    if (database.database_no() < 0 || database.database_path().empty()) return;
    if (database.location().is_server()) return;  // kept by the server's own administration
    if (!tkept_backups::is_due(database.database_path(), anow)) return;
    try {
        take_with_progress(acontroller, u"Daily backup before closing");
    } catch (const std::exception& e) {
        tplatform::instance().message_box(u"The daily backup failed: " + utf8_to_utf16(e.what()), u"Velmor Accounts",
                                          tmsgbox_buttons::ok, tmsgbox_icon::error);
    }
}
