#include "accounts/kept_backup_run.h"

#include "controls/platform.h"
#include "database/datamodule_database_customers.h"
#include "database/kept_backups.h"
#include "pages/page_controller_generic.h"
#include "pages/page_hooks.h"
#include "procs/message_format.h"

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

std::string take_with_progress(tpage_controller_generic& acontroller, const std::u16string& atitle) {
    Tdatamodule_database_customers& database = Tdatamodule_database_customers::instance();
    if (database.database_no() < 0 || database.database_path().empty())
        throw tvelmor_exception("No database is open in %s.run();", "tkept_backup_run");
    tbusy_scope busy(acontroller);
    show(acontroller, atitle + u"...");
    try {
        const std::string file = tkept_backups::take(database.database_path(), [&](const std::string& aline) {
            // The engine's lines start with its tool's name ("gbak: writing data for table ...").
            std::string text = aline;
            if (text.rfind("gbak:", 0) == 0) text.erase(0, 5);
            show(acontroller, atitle + u": " + utf8_to_utf16(text));
        });
        show(acontroller, atitle + u": finished.");
        return file;
    } catch (...) {
        show(acontroller, atitle + u": failed.");
        throw;
    }
}

}  // namespace

std::u16string tkept_backup_run::run(tpage_controller_generic& acontroller) {
    const std::string file = take_with_progress(acontroller, u"Backing up the database");
    return u"Backup written to [" + utf8_to_utf16(file) + u"]. The newest " +
           utf8_to_utf16(std::to_string(tkept_backups::kept_count)) + u" backups are kept.";
}

void tkept_backup_run::before_close(tpage_controller_generic& acontroller, std::chrono::system_clock::time_point anow) {
    Tdatamodule_database_customers& database = Tdatamodule_database_customers::instance();
    if (database.database_no() < 0 || database.database_path().empty()) return;
    if (!tkept_backups::is_due(database.database_path(), anow)) return;
    try {
        take_with_progress(acontroller, u"Daily backup before closing");
    } catch (const std::exception& e) {
        tplatform::instance().message_box(u"The daily backup failed: " + utf8_to_utf16(e.what()), u"Velmor Accounts",
                                          tmsgbox_buttons::ok, tmsgbox_icon::error);
    }
}
