#include <gtest/gtest.h>

#include "accounts/handlermodule_menu_accounts.h"
#include "support/accounts_fixture.h"
#include "controls/container_controls_generic.h"
#include "controls/grid_controls.h"
#include "database/fb_query.h"
#include "pages/params_gridrow_hook.h"
#include "values/params_generic.h"

namespace {

constexpr uint16_t key_enter = 13;
constexpr uint16_t key_escape = 27;

class MenuAccounts : public taccounts_page_test {
protected:
    Thandlermodule_menu_accounts& menu() { return main_page<Thandlermodule_menu_accounts>(); }
    tvelmor_grid& grid() { return dynamic_cast<tvelmor_grid&>(*menu().fcontrols->get_control(201)); }
    trect viewport(int32_t atag) {
        trect r;
        menu().fcontrols->get_viewport(atag, r);
        return r;
    }
    bool key(uint16_t akey, tshift_state ashift = 0, bool as_keyup = false) {
        return fcontroller->handle_keydown(akey, ashift, as_keyup);
    }
    // Stand-ins for the PLU search, the maintenance menu, the job search and the
    // commercial-property menu, and one at 20 for a page beneath the menu (the customer search is
    // an accounts page).
    static void register_stand_ins(tpage_controller_generic& acontroller) {
        for (int16_t pageno : {3, 7, 11, 19, 20}) acontroller.register_page(pageno, probe_class());
    }
    int64_t count_accounts() {
        tfb_query q(fdatabase->database_customers, fdatabase->Transaction1, qoStartTransaction | qoAutoCommit);
        q.set_sql("SELECT COUNT(*) FROM account");
        q.execute();
        const int64_t n = q.field(0).as_int64();
        q.close();
        return n;
    }
};

}  // namespace

TEST_F(MenuAccounts, OpensOnDomainZeroWithItsSixEntriesAndTheGridFocused) {
    start();
    EXPECT_EQ(1, fcontroller->get_pageno());
    EXPECT_EQ(std::vector<int32_t>{0}, fstartup_opened);
    // The page itself opens the database: the start-up state of this test opens nothing.
    EXPECT_EQ(0, fdatabase->database_no());
    EXPECT_EQ(200, count_accounts());

    EXPECT_EQ(6, grid().rowcount);
    EXPECT_EQ(104, grid().header2);
    EXPECT_EQ(201, menu().ffocused_tag);
    EXPECT_TRUE(grid().is_focused);
    EXPECT_EQ(0, grid().row);
}

TEST_F(MenuAccounts, ShowsItsTitleInTheHeaderAndAFooterWithoutButtons) {
    start();
    EXPECT_EQ(u"Accounts Menu", header().ftitle);
    EXPECT_TRUE(surface(ht_header).get_visible());
    EXPECT_TRUE(surface(ht_footer).get_visible());
    // F2, F3, F7 and F9 hidden, none enabled.
    EXPECT_EQ(2 + 4 + 64 + 256, footer().fbuttons_invisible);
    EXPECT_EQ(0, footer().fbuttons_enabled);
}

TEST_F(MenuAccounts, LaysOutTheFramedListInItsDesignedSizeAndPaintsTheSixEntries) {
    start();
    EXPECT_EQ((tsize{1090, 860}), fplatform.get_main_clientsize());
    fcontroller->handle_resize(ht_main, false);

    EXPECT_EQ((trect{10, 10, 1080, 850}), viewport(201));
    EXPECT_EQ((trect{4, 4, 1086, 856}), viewport(202));
    EXPECT_EQ(24, grid().row_height);
    EXPECT_EQ(350, grid().get_colwidth(0));
    EXPECT_EQ(1, grid().colcount);

    // Left-aligned "arial;10" (26122); the list that names the commercial-property menu.
    const auto cell = [](const char* atext, int32_t arow) {
        return tpainted_cell{atext, arow, 0, 26122, static_cast<int32_t>(taLeftJustify), 8};
    };
    EXPECT_EQ((std::vector<tpainted_cell>{cell("Accounts", 0), cell("PLUs", 1), cell("Maintenance", 2),
                                          cell("Commercial Property", 3), cell("Jobs", 4), cell("Exit", 5)}),
              fgrid_renderer.fcells);
    // The etched frame around the list was drawn too.
    EXPECT_FALSE(surface(ht_main).fcanvas.lines().empty());
}

TEST_F(MenuAccounts, EnterOnAnEntryWhosePageIsNotInThisBuildRaisesTheControllersMessageAndKeepsTheMenu) {
    const struct {
        const char* name;
        int32_t row;
    } cases[] = {{"PLUs", 1}, {"Commercial Property", 3}, {"Jobs", 4}};
    start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        grid().row = c.row;
        EXPECT_EQ(page_not_registered, message_of([&] { key(key_enter); }));
        // The menu is rebuilt from the record pushed for it, and nothing is left on the stack.
        EXPECT_EQ(1, fcontroller->get_pageno());
        EXPECT_EQ(201, menu().ffocused_tag);
        EXPECT_FALSE(fcontroller->is_toppage(1));
    }
    EXPECT_FALSE(fplatform.fclosed);
    key(key_escape);
    EXPECT_TRUE(fplatform.fclosed);
}

TEST_F(MenuAccounts, EnterOpensTheEntrysPageWithTheMenuKeptBeneath) {
    const struct {
        const char* name;
        int32_t row;
        int16_t page;
    } cases[] = {{"Accounts", 0, 2}, {"PLUs", 1, 3}, {"Maintenance", 2, 7}, {"Commercial Property", 3, 19},
                 {"Jobs", 4, 11}};
    start(register_stand_ins);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        grid().row = c.row;
        EXPECT_TRUE(key(key_enter));
        EXPECT_EQ(c.page, fcontroller->get_pageno());
        EXPECT_TRUE(fcontroller->is_toppage(1));
        fcontroller->page_exit();
        ASSERT_EQ(1, fcontroller->get_pageno());
        EXPECT_EQ(201, menu().ffocused_tag);
    }
}

TEST_F(MenuAccounts, ExitAndEscLeaveTheMenu) {
    const struct {
        const char* name;
        int32_t row;
        uint16_t key;
    } cases[] = {{"Enter on Exit", 5, key_enter}, {"Esc on Accounts", 0, key_escape}, {"Esc on Exit", 5, key_escape}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // First as the only page: the window closes.
        start(register_stand_ins);
        grid().row = c.row;
        EXPECT_TRUE(key(c.key));
        EXPECT_TRUE(fplatform.fclosed);
        fplatform.fclosed = false;

        // Then over another page: that page comes back.
        fcontroller->page_enter(20, true);
        fcontroller->page_enter(1, false);
        grid().row = c.row;
        EXPECT_TRUE(key(c.key));
        EXPECT_EQ(20, fcontroller->get_pageno());
        EXPECT_FALSE(fplatform.fclosed);
        fcontroller.reset();
    }
}

TEST_F(MenuAccounts, KeysWithAModifierOnKeyUpOrOffTheListChooseNothing) {
    const struct {
        const char* name;
        uint16_t key;
        tshift_state shift;
        bool keyup;
        int32_t row;
    } cases[] = {
        {"Shift+Enter", key_enter, ss_shift, false, 5},  {"Ctrl+Enter", key_enter, ss_ctrl, false, 5},
        {"Enter released", key_enter, 0, true, 5},       {"Alt+Esc", key_escape, ss_alt, false, 0},
        {"Esc released", key_escape, 0, true, 0},        {"Enter above the list", key_enter, 0, false, -1},
        {"Enter below the list", key_enter, 0, false, 6},
    };
    start(register_stand_ins);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        grid().row = c.row;
        EXPECT_EQ("(no exception)", message_of([&] { key(c.key, c.shift, c.keyup); }));
        EXPECT_EQ(1, fcontroller->get_pageno());
        EXPECT_FALSE(fplatform.fclosed);
    }
}

TEST_F(MenuAccounts, ComingBackFromAnEntrysPageLandsOnTheEntryChosen) {
    // The program installs the hook that moves a grid-row page's grid to its saved row.
    struct thook_scope {
        tparams_hook fprevious = tparams_gridrow::fon_after_once_created;
        ~thook_scope() { tparams_gridrow::fon_after_once_created = fprevious; }
    } hook;
    install_params_gridrow_hook();
    start(register_stand_ins);
    grid().row = 2;
    key(key_enter);
    ASSERT_EQ(7, fcontroller->get_pageno());
    fcontroller->page_exit();
    ASSERT_EQ(1, fcontroller->get_pageno());
    EXPECT_EQ(2, grid().row);
}
