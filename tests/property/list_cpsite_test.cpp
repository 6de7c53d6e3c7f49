// The site list (page 20): its lines, the pages it launches and the site it selects on return.
#include <gtest/gtest.h>

#include "controls/grid_controls.h"
#include "property/handlermodule_edit_cpsite.h"
#include "property/handlermodule_list_cpsite.h"
#include "sites_fixture.h"

namespace {

class ListCpsite : public tsites_page_test {
protected:
    Thandlermodule_list_cpsite& list() { return page<Thandlermodule_list_cpsite>(); }
    void open_list(int16_t alaunch_page, int32_t alaunch_id = -1) {
        start_sites();
        const tparam_value params[] = {int64_t{alaunch_page}, int64_t{alaunch_id}};
        fcontroller->page_enter(Thandlermodule_list_cpsite::handler_class(), params, false);
    }
};

TEST_F(ListCpsite, lists_every_site_with_its_id_and_its_non_empty_address_lines) {
    execute("UPDATE cp_site SET address2 = '' WHERE id = 2");
    open_list(25);
    EXPECT_EQ(u"Sites", header().ftitle);
    ASSERT_EQ(3, list().grid().rowcount);
    EXPECT_EQ(u"Id", list().cell_text(Thandlermodule_list_cpsite::tag_grid_header, 0, 0));
    EXPECT_EQ(u"Address", list().cell_text(Thandlermodule_list_cpsite::tag_grid_header, 0, 1));
    EXPECT_EQ(u"1", list().cell_text(Thandlermodule_list_cpsite::tag_grid, 0, 0));
    EXPECT_EQ(u"Harbourside Business Park, 12 Quay Street, Auckland",
              list().cell_text(Thandlermodule_list_cpsite::tag_grid, 0, 1));
    // An empty line leaves no ", , " behind.
    EXPECT_EQ(u"K\u014Dwhai Trade Centre, Tauranga", list().cell_text(Thandlermodule_list_cpsite::tag_grid, 1, 1));
    EXPECT_EQ(Thandlermodule_list_cpsite::tag_grid, list().ffocused_tag);
}

TEST_F(ListCpsite, enter_and_ctrl_page_down_launch_the_page_on_the_chosen_site_and_return_selects_it) {
    const struct {
        const char* name;
        int16_t launch_page;
        tshift_state shift;
        uint16_t key;
    } cases[] = {{"Enter to the site editor", 25, 0, tvk::enter},
                 {"Ctrl+Page Down to the site editor", 25, ss_ctrl, tvk::next},
                 {"Enter to the readings", 21, 0, tvk::enter}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        open_list(c.launch_page);
        list().grid().row_setfull(2);
        key(c.key, c.shift);
        EXPECT_EQ(c.launch_page, fcontroller->get_pageno());
        EXPECT_TRUE(fcontroller->is_toppage(20));
        if (c.launch_page == 25) {
            EXPECT_EQ(3, page<Thandlermodule_edit_cpsite>().fid_site);
        } else {
            EXPECT_EQ(21, last_stand_in.pageno);
            EXPECT_EQ(3, last_stand_in.fid);
        }
        fcontroller->page_exit();
        ASSERT_EQ(20, fcontroller->get_pageno());
        EXPECT_EQ(2, list().grid().row);
        EXPECT_EQ(3, list().flaunch_id);
        EXPECT_EQ(c.launch_page, list().flaunch_page);
        fcontroller.reset();
    }
}

TEST_F(ListCpsite, a_launch_page_other_than_the_editor_and_the_readings_is_refused) {
    open_list(16);
    EXPECT_EQ("Invalid Launch Page [16] in Thandlermodule_list_cpsite.handle_keydown();",
              message_of([&] { key(tvk::enter); }));
    EXPECT_EQ(20, fcontroller->get_pageno());
}

TEST_F(ListCpsite, enter_without_sites_does_nothing) {
    execute("DELETE FROM cp_unit_reading");
    execute("DELETE FROM cp_bill_line");
    execute("DELETE FROM cp_unit");
    execute("DELETE FROM cp_site");
    open_list(25);
    EXPECT_EQ(0, list().grid().rowcount);
    EXPECT_EQ("(no exception)", message_of([&] { key(tvk::enter); }));
    EXPECT_EQ(20, fcontroller->get_pageno());
}

}  // namespace
