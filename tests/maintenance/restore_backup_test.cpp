// "Restore Backup..." of the maintenance menu: a kept backup becomes a new domain in a new folder,
// never over a database, and a failed run leaves neither a database nor a settings entry.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "maintenance/handlermodule_menu_maintenance.h"
#include "maintenance/maintenance_pages.h"
#include "support/accounts_fixture.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "database/kept_backups.h"

namespace fs = std::filesystem;

namespace {

class RestoreBackup : public taccounts_page_test {
protected:
    // The maintenance menu with "Restore Backup..." selected, over a domain with one kept backup.
    void open_menu() {
        start([](tpage_controller_generic& acontroller) { register_maintenance_pages(acontroller); });
        fbackup = tkept_backups::take(fdatabase->database_path(), {});
        fcontroller->handle_keydown(tvk::down, 0, false);
        fcontroller->handle_keydown(tvk::down, 0, false);
        fcontroller->handle_keydown(tvk::enter, 0, false);
        ASSERT_EQ(7, fcontroller->get_pageno());
        dynamic_cast<Thandlermodule_menu_maintenance&>(*fcontroller->get_handler_main()).grid().row = 4;
        fplatform.fanswer_file = utf8_to_utf16(fbackup);
    }
    void choose() { fcontroller->handle_keydown(tvk::enter, 0, false); }
    std::string fbackup;
};

TEST_F(RestoreBackup, a_kept_backup_becomes_a_new_domain_in_a_new_folder) {
    open_menu();
    const std::string folder = ffolder + "/restored/here";
    fplatform.fanswer_folder = utf8_to_utf16(folder);
    const int32_t domains = finifile->get_domain_count();
    choose();
    ASSERT_TRUE(fs::exists(folder + "/accounts.fdb"));
    ASSERT_EQ(domains + 1, finifile->get_domain_count());
    EXPECT_EQ(folder + "/", finifile->get_domain_path(domains));
    const std::string stamp = fs::path(fbackup).filename().string().substr(9, 12);
    const std::string name = "Restored " + stamp.substr(0, 4) + "-" + stamp.substr(4, 2) + "-" + stamp.substr(6, 2) +
                             " " + stamp.substr(8, 2) + ":" + stamp.substr(10, 2);
    EXPECT_EQ(name, finifile->get_domain_name(domains));
    EXPECT_EQ(u"The backup was restored into [" + utf8_to_utf16(folder) + u"/] as the domain \"" + utf8_to_utf16(name) +
                  u"\"; the domains menu offers it at the next start.",
              fplatform.flast_message);
    // The settings file on the disk names it too, and the open database stays where it was.
    Tdatamodule_inifile reread;
    ASSERT_EQ(domains + 1, reread.get_domain_count());
    EXPECT_EQ(folder + "/", reread.get_domain_path(domains));
    EXPECT_EQ(0, fdatabase->database_no());
    // The restored database opens.
    fdatabase->open_database(static_cast<int16_t>(domains));
    EXPECT_GT(number("SELECT COUNT(*) FROM contact"), 0);
}

TEST_F(RestoreBackup, a_folder_holding_a_database_or_a_cancelled_dialog_changes_nothing) {
    open_menu();
    const int32_t domains = finifile->get_domain_count();
    struct tcase {
        const char* name;
        std::string folder;
        std::string message;
    };
    const std::string open_folder = fdatabase->database_path();
    const std::string open_with_slash = open_folder.back() == '/' ? open_folder : open_folder + "/";
    const tcase cases[] = {
        {"the open domain's folder", open_folder,
         "The folder [" + open_with_slash + "] already holds a database; a backup is restored into a new folder only."},
        {"a relative folder", "relative/folder", "The folder name [relative/folder/] is not a full path."},
        {"a quote in the name", ffolder + "/a\"b",
         "The folder name [" + ffolder + "/a\"b/] holds a character the settings file cannot hold."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fplatform.fanswer_folder = utf8_to_utf16(c.folder);
        EXPECT_EQ(c.message, message_of([&] { choose(); }));
        EXPECT_EQ(domains, finifile->get_domain_count());
    }
    // A damaged backup: the restore fails and leaves no folder, database or domain behind.
    const std::string damaged = ffolder + "/damaged.fbk";
    std::ofstream(damaged) << "not a backup";
    fplatform.fanswer_file = utf8_to_utf16(damaged);
    fplatform.fanswer_folder = utf8_to_utf16(ffolder + "/from_damaged");
    EXPECT_NE("(no exception)", message_of([&] { choose(); }));
    EXPECT_FALSE(fs::exists(ffolder + "/from_damaged"));
    EXPECT_EQ(domains, finifile->get_domain_count());
    EXPECT_FALSE(fcontroller->fbusy);
    // Cancelling either dialog does nothing.
    fplatform.flast_message.clear();
    fplatform.fanswer_folder.clear();
    choose();
    EXPECT_EQ(u"", fplatform.flast_message);
    EXPECT_EQ(domains, finifile->get_domain_count());
}

}  // namespace
