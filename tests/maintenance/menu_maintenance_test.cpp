// The maintenance menu's entries: the operators, the move page, the PLU index rebuild, a backup
// now, Exit and Esc.
#include <gtest/gtest.h>

#include "controls/dfm_component.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "database/kept_backups.h"
#include "maintenance/handlermodule_menu_maintenance.h"
#include "procs/procs_string.h"
#include "support/accounts_fixture.h"

namespace {

class MaintenanceMenu : public taccounts_page_test {
protected:
    bool key(uint16_t akey, tshift_state ashift = 0) { return fcontroller->handle_keydown(akey, ashift, false); }
    void start() {
        // The menu alone: the move page stays out, so entering it shows what an unknown page does.
        taccounts_page_test::start([](tpage_controller_generic& acontroller) {
            register_form_class("Tform_page_menu_maintenance");
            acontroller.register_page(Thandlermodule_menu_maintenance::pageno,
                                      Thandlermodule_menu_maintenance::handler_class());
        });
    }
};

}  // namespace

TEST_F(MaintenanceMenu, TheMaintenanceMenuLeadsToTheOperatorsTheMovePageTheIndexRebuildABackupOrLeaves) {
    start();
    key(tvk::down);
    key(tvk::down);
    key(tvk::enter);
    ASSERT_EQ(Thandlermodule_menu_maintenance::pageno, fcontroller->get_pageno());
    EXPECT_EQ(u"Maintenance Menu", header().ftitle);
    auto& maintenance = dynamic_cast<Thandlermodule_menu_maintenance&>(*fcontroller->get_handler_main());
    EXPECT_EQ(6, maintenance.grid().rowcount);

    // Operators: the menu stays beneath.
    key(tvk::enter);
    EXPECT_EQ(10, fcontroller->get_pageno());
    EXPECT_TRUE(fcontroller->is_toppage(7));
    key(tvk::escape);
    ASSERT_EQ(7, fcontroller->get_pageno());
    // The move page is not part of this build: the controller says so and the menu stays.
    key(tvk::down);
    EXPECT_EQ(page_not_registered, message_of([&] { key(tvk::enter); }));
    EXPECT_EQ(7, fcontroller->get_pageno());
    // Rebuild PLU Index: runs over the open domain and reports the words it wrote.
    auto& again = dynamic_cast<Thandlermodule_menu_maintenance&>(*fcontroller->get_handler_main());
    again.grid().row = 2;
    key(tvk::enter);
    EXPECT_EQ(0u, fplatform.flast_message.find(u"The PLU index was rebuilt: ")) << utf16_to_utf8(fplatform.flast_message);
    EXPECT_EQ(7, fcontroller->get_pageno());
    // Back Up Now: a kept backup of the open domain, its progress in the footer, its file named.
    again.grid().row = 3;
    key(tvk::enter);
    const std::vector<std::string> backups = tkept_backups::list(fdatabase->database_path());
    ASSERT_EQ(1u, backups.size());
    EXPECT_EQ(u"Backup written to [" + utf8_to_utf16(tkept_backups::folder(fdatabase->database_path()) + backups[0]) +
                  u"]. The newest 10 backups are kept.",
              fplatform.flast_message);
    EXPECT_EQ(u"Backing up the database: finished.", footer().fstatus);
    EXPECT_FALSE(fcontroller->fbusy);
    EXPECT_EQ(7, fcontroller->get_pageno());
    // Exit, then Esc, go back down the stack.
    again.grid().row = 5;
    key(tvk::enter);
    EXPECT_EQ(1, fcontroller->get_pageno());
    key(tvk::down);
    key(tvk::down);
    key(tvk::enter);
    key(tvk::escape);
    EXPECT_EQ(1, fcontroller->get_pageno());
}
