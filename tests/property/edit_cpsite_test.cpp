// The site editor (page 25): the addresses of one site, saved through journal 311.
#include <gtest/gtest.h>

#include "property/handlermodule_edit_cpsite.h"
#include "property/handlermodule_edits_cpsite_pics.h"
#include "property/handlermodule_list_cpsite.h"
#include "sites_fixture.h"

namespace {

class EditCpsite : public tsites_page_test {
protected:
    Thandlermodule_edit_cpsite& editor() { return page<Thandlermodule_edit_cpsite>(); }
    // The site list, then Enter on the site's line.
    void open_site(int32_t aid) {
        start_sites();
        const tparam_value params[] = {int64_t{25}, int64_t{aid}};
        fcontroller->page_enter(Thandlermodule_list_cpsite::handler_class(), params, false);
        key(tvk::enter);
    }
};

TEST_F(EditCpsite, opens_viewing_with_the_sites_id_and_addresses_and_the_first_address_focused) {
    const int32_t id = add_site(int64_t{7} << 16);
    open_site(id);
    ASSERT_EQ(25, fcontroller->get_pageno());
    EXPECT_EQ(std::to_string(id), label_text(Thandlermodule_edit_cpsite::tag_label_id));
    EXPECT_EQ("Test Site", edit_text(208));
    EXPECT_EQ("1 Test Street", edit_text(211));
    EXPECT_EQ("", edit_text(214));
    EXPECT_EQ("Nelson", edit_text(217));
    EXPECT_EQ(208, editor().ffocused_tag);
    EXPECT_FALSE(editor().fmode_editing);
    // Only the key and the addresses are read.
    EXPECT_FALSE(editor().frecord->get_field_is_assigned(editor().frecord->get_field_index1("pics")));
}

TEST_F(EditCpsite, saved_addresses_survive_reopening_the_database_and_keep_the_pictures) {
    const int64_t pics = (int64_t{4} << 48) | 2;
    const int32_t id = add_site(pics);
    open_site(id);
    key(tvk::f3);
    editor().set_focused_tag(211, true);  // Address2
    retype("2 Wharf Road");
    key(tvk::f2);
    EXPECT_FALSE(editor().fmode_editing);
    reopen_database();
    EXPECT_EQ("2 wharf road", text("SELECT address2 FROM cp_site WHERE id = " + std::to_string(id)));
    EXPECT_EQ("Test Site", text("SELECT address1 FROM cp_site WHERE id = " + std::to_string(id)));
    EXPECT_EQ(pics, site_pics(id));
}

TEST_F(EditCpsite, ctrl_page_down_shows_the_sites_pictures_in_its_place_and_ctrl_page_up_leaves) {
    const int32_t id = add_site(0);
    open_site(id);
    key(tvk::next, ss_ctrl);
    ASSERT_EQ(24, fcontroller->get_pageno());
    EXPECT_EQ(id, page<Thandlermodule_edits_cpsite_pics>().fid_site);
    // In place of the editor: Esc goes back to the list, which selects the site.
    key(tvk::escape);
    ASSERT_EQ(20, fcontroller->get_pageno());
    EXPECT_EQ(id, page<Thandlermodule_list_cpsite>().flaunch_id);
    key(tvk::enter);
    key(tvk::prior, ss_ctrl);
    EXPECT_EQ(20, fcontroller->get_pageno());
}

TEST_F(EditCpsite, while_editing_ctrl_page_up_and_down_stay_so_that_nothing_typed_is_lost) {
    const int32_t id = add_site(0);
    open_site(id);
    key(tvk::f3);
    type("X");
    key(tvk::next, ss_ctrl);
    key(tvk::prior, ss_ctrl);
    EXPECT_EQ(25, fcontroller->get_pageno());
    EXPECT_TRUE(editor().fmode_editing);
}

TEST_F(EditCpsite, without_parameters_the_page_refuses_to_lay_out) {
    start_sites();
    EXPECT_EQ("Unassigned params in Thandlermodule_edit_cpsite.handle_resize();",
              message_of([&] { fcontroller->page_enter(25, false); }));
}

}  // namespace
