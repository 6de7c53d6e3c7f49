// The domains menu over zero, one and two domains (each a copy of the demo database), the domain
// chosen there staying open under the accounts menu.
#include <gtest/gtest.h>

#include "accounts/handlermodule_menu_domains.h"
#include "support/accounts_fixture.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"

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
