// The commercial-property menu (page 19) and its maintenance menu (page 27), reached from the
// accounts menu.
#include <gtest/gtest.h>

#include "accounts/handlermodule_menu_accounts.h"
#include "controls/grid_controls.h"
#include "property/handlermodule_list_cpsite.h"
#include "property/handlermodule_menu_commercial_property.h"
#include "property/handlermodule_menu_cpmaintenance.h"
#include "sites_fixture.h"

namespace {

class MenuCommercialProperty : public tsites_page_test {
protected:
    tvelmor_grid& grid() { return dynamic_cast<tvelmor_grid&>(*fcontroller->get_handler_main()->fcontrols->get_control(201)); }
    // From the accounts menu's "Commercial Property".
    void open_menu() {
        start_sites();
        grid().row = 3;
        key(tvk::enter);
    }
};

TEST_F(MenuCommercialProperty, the_accounts_menus_commercial_property_entry_opens_the_menu_with_its_six_entries) {
    open_menu();
    ASSERT_EQ(19, fcontroller->get_pageno());
    EXPECT_TRUE(fcontroller->is_toppage(1));
    EXPECT_EQ(u"Commercial Property", header().ftitle);
    EXPECT_EQ(6, grid().rowcount);
    EXPECT_EQ(201, fcontroller->get_handler_main()->ffocused_tag);
    // Esc goes back to the accounts menu.
    key(tvk::escape);
    EXPECT_EQ(1, fcontroller->get_pageno());
}

TEST_F(MenuCommercialProperty, each_entry_opens_its_page_with_the_menu_kept_beneath) {
    const struct {
        const char* name;
        int32_t row;
        int16_t page;
        int16_t launch_page;  // what the site list launches
    } cases[] = {{"Edit Sites & Units", 0, 20, 25}, {"Enter Unit Meter Readings", 1, 20, 21},
                 {"Invoicing", 2, 22, 0},           {"Invoicing2", 3, 26, 0},
                 {"Maintenance", 4, 27, 0}};
    open_menu();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        grid().row = c.row;
        key(tvk::enter);
        EXPECT_EQ(c.page, fcontroller->get_pageno());
        EXPECT_TRUE(fcontroller->is_toppage(19));
        if (c.page == 20) {
            auto& list = page<Thandlermodule_list_cpsite>();
            EXPECT_EQ(c.launch_page, list.flaunch_page);
            // No site is preselected.
            EXPECT_EQ(-1, list.flaunch_id);
            EXPECT_EQ(0, list.grid().row);
        }
        fcontroller->page_exit();
        ASSERT_EQ(19, fcontroller->get_pageno());
    }
    grid().row = 5;  // Exit
    key(tvk::enter);
    EXPECT_EQ(1, fcontroller->get_pageno());
}

TEST_F(MenuCommercialProperty, the_maintenance_menu_opens_the_templates_and_the_bill_items) {
    open_menu();
    grid().row = 4;
    key(tvk::enter);
    ASSERT_EQ(27, fcontroller->get_pageno());
    EXPECT_EQ(u"Maintenance Menu", header().ftitle);
    EXPECT_EQ(3, grid().rowcount);
    const struct {
        const char* name;
        int32_t row;
        int16_t page;
    } cases[] = {{"Invoice Templates", 0, 28}, {"Bill Items", 1, 30}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        grid().row = c.row;
        key(tvk::enter);
        EXPECT_EQ(c.page, fcontroller->get_pageno());
        fcontroller->page_exit();
        ASSERT_EQ(27, fcontroller->get_pageno());
    }
    grid().row = 2;  // Exit
    key(tvk::enter);
    EXPECT_EQ(19, fcontroller->get_pageno());
    grid().row = 4;
    key(tvk::enter);
    key(tvk::escape);
    EXPECT_EQ(19, fcontroller->get_pageno());
}

}  // namespace
