// The domains menu over zero, one and two domains (each a copy of the demo database), the domain
// chosen there staying open under the accounts menu, and the maintenance menu's entries.
#include <gtest/gtest.h>

#include "accounts/handlermodule_menu_domains.h"
#include "accounts/handlermodule_menu_maintenance.h"
#include "accounts_fixture.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "database/kept_backups.h"

namespace {

class MenuDomains : public taccounts_page_test {
protected:
    Thandlermodule_menu_domains& menu() { return main_page<Thandlermodule_menu_domains>(); }
    std::vector<std::string> rows() {
        std::vector<std::string> names;
        for (const auto& d : menu().flist_domains) names.push_back(static_cast<const telement_domain&>(*d).fname);
        return names;
    }
    bool key(uint16_t akey, tshift_state ashift = 0) { return fcontroller->handle_keydown(akey, ashift, false); }
    bool connected() { return fdatabase->database_customers.connected(); }
};

}  // namespace

TEST_F(MenuDomains, OneDomainStartsOnTheAccountsMenuAndTwoOnTheDomainsMenu) {
    start();
    EXPECT_EQ(1, fcontroller->get_pageno());
    EXPECT_EQ(std::vector<int32_t>{0}, fstartup_opened);
    fcontroller.reset();
    fstartup_opened.clear();

    add_domain("Second Firm");
    start();
    EXPECT_EQ(0, fcontroller->get_pageno());
    EXPECT_TRUE(fstartup_opened.empty());
    EXPECT_FALSE(connected());
    EXPECT_EQ((std::vector<std::string>{"Demo Data", "Second Firm", "Exit"}), rows());
    EXPECT_EQ(3, menu().grid().rowcount);
    EXPECT_TRUE(menu().grid().is_focused);
    EXPECT_EQ(u"Domains Menu", header().ftitle);

    fcontroller->handle_resize(ht_main, false);
    std::vector<std::string> painted;
    for (const tpainted_cell& c : fgrid_renderer.fcells)
        if (c.row >= 0) painted.push_back(c.text);
    EXPECT_EQ((std::vector<std::string>{"Demo Data", "Second Firm", "Exit"}), painted);
}

TEST_F(MenuDomains, WithoutDomainsTheMenuHoldsOnlyExitWhichLeaves) {
    add_domain("Second Firm");
    start();
    finifile->flist_domains.clear();
    fcontroller->page_enter(Thandlermodule_menu_domains::pageno, true);
    EXPECT_EQ(std::vector<std::string>{"Exit"}, rows());
    EXPECT_TRUE(key(tvk::enter));
    EXPECT_TRUE(fplatform.fclosed);
}

TEST_F(MenuDomains, TheChosenDomainStaysOpenUnderTheAccountsMenuUntilTheMenuIsShownAgain) {
    add_domain("Second Firm");
    start();
    // The second firm's database is told apart by an account the first does not have.
    fdatabase->open_database(1);
    execute("UPDATE account SET name = 'Only In The Second' WHERE id = 1");
    fdatabase->close_database();

    menu().grid().row = 1;
    EXPECT_TRUE(key(tvk::enter));
    EXPECT_EQ(1, fcontroller->get_pageno());
    EXPECT_TRUE(fcontroller->is_toppage(0));
    EXPECT_EQ(1, fdatabase->database_no());
    EXPECT_EQ(finifile->get_domain_path(1) + "/", fdatabase->database_path());
    // Through the customer search and back, the accounts menu keeps the second domain.
    key(tvk::enter);
    EXPECT_EQ(2, fcontroller->get_pageno());
    key(tvk::escape);
    EXPECT_EQ(1, fcontroller->get_pageno());
    EXPECT_EQ(1, fdatabase->database_no());
    EXPECT_EQ(1, number("SELECT COUNT(*) FROM account WHERE name = 'Only In The Second'"));

    // Back on the domains menu: the database is closed and the domains read afresh.
    add_domain("Third Firm");
    key(tvk::escape);
    EXPECT_EQ(0, fcontroller->get_pageno());
    EXPECT_FALSE(connected());
    EXPECT_EQ((std::vector<std::string>{"Demo Data", "Second Firm", "Third Firm", "Exit"}), rows());
    menu().grid().row = 0;
    key(tvk::enter);
    EXPECT_EQ(0, fdatabase->database_no());
    EXPECT_EQ(0, number("SELECT COUNT(*) FROM account WHERE name = 'Only In The Second'"));
}

TEST_F(MenuDomains, ExitAndEscLeaveWhileModifiedOrReleasedKeysChooseNothing) {
    add_domain("Second Firm");
    const struct {
        const char* name;
        uint16_t key;
        tshift_state shift;
        bool keyup;
        int32_t row;
        bool closes;
    } cases[] = {
        {"Enter on Exit", tvk::enter, 0, false, 2, true},      {"Esc", tvk::escape, 0, false, 0, true},
        {"Shift+Enter", tvk::enter, ss_shift, false, 1, false}, {"Ctrl+Enter", tvk::enter, ss_ctrl, false, 1, false},
        {"Enter released", tvk::enter, 0, true, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        start();
        menu().grid().row = c.row;
        fcontroller->handle_keydown(c.key, c.shift, c.keyup);
        EXPECT_EQ(c.closes, fplatform.fclosed);
        if (!c.closes) {
            EXPECT_EQ(0, fcontroller->get_pageno());
            EXPECT_FALSE(connected());
        }
        fplatform.fclosed = false;
        fcontroller.reset();
    }
}

TEST_F(MenuDomains, ADomainThatCannotBeOpenedRaisesAndTheMenuStays) {
    add_domain("Gone");
    static_cast<telement_domain&>(*finifile->flist_domains[1]).fpath = ffolder + "/missing";
    start();
    menu().grid().row = 1;
    EXPECT_NE("(no exception)", message_of([&] { key(tvk::enter); }));
    EXPECT_EQ(0, fcontroller->get_pageno());
    EXPECT_FALSE(connected());
}

TEST_F(MenuDomains, TheMaintenanceMenuLeadsToTheOperatorsTheMovePageTheIndexRebuildABackupOrLeaves) {
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
    // Rebuild PLU Index: without the PLU pages it says so; with them it runs and reports.
    auto& again = dynamic_cast<Thandlermodule_menu_maintenance&>(*fcontroller->get_handler_main());
    again.grid().row = 2;
    const auto saved_hook = Thandlermodule_menu_maintenance::frebuild_plu_index;
    Thandlermodule_menu_maintenance::frebuild_plu_index = nullptr;
    EXPECT_EQ("The PLU pages are not in this build in Thandlermodule_menu_maintenance.run_row_action();",
              message_of([&] { key(tvk::enter); }));
    int rebuilds = 0;
    Thandlermodule_menu_maintenance::frebuild_plu_index = [&] {
        ++rebuilds;
        return std::u16string(u"rebuilt");
    };
    key(tvk::enter);
    EXPECT_EQ(1, rebuilds);
    EXPECT_EQ(u"rebuilt", fplatform.flast_message);
    EXPECT_EQ(7, fcontroller->get_pageno());
    Thandlermodule_menu_maintenance::frebuild_plu_index = saved_hook;
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
