// The site edit-list (page 15): list, details and pictures on one page.
#include <gtest/gtest.h>

#include <filesystem>

#include "controls/control_messages.h"
#include "controls/grid_controls.h"
#include "pages/handlermodule_header.h"
#include "property/handlermodule_editlist_cpsite.h"
#include "sites_fixture.h"

namespace fs = std::filesystem;

namespace {

using tsites_page = Thandlermodule_editlist_cpsite;

class EditlistCpsite : public tsites_page_test {
protected:
    tsites_page& sites() { return page<tsites_page>(); }
    void open_sites() {
        start_sites();
        fcontroller->page_enter(tsites_page::pageno, false);
    }
    void menu_choice(int32_t achoice) {
        tmsg_params_ontop_result result{};
        result.result = achoice;
        fcontroller->get_handler_main()->callback_message(&result, tsites_page::tag_ontop_menu, 1107);
    }
};

TEST_F(EditlistCpsite, a_site_opens_on_the_details_and_its_pictures_tab_counts_its_pictures) {
    open_sites();
    ASSERT_EQ(3, sites().grid().rowcount);
    EXPECT_EQ(u"Harbourside Business Park, 12 Quay Street, Auckland", sites().cell_text(tsites_page::tag_grid, 0, 1));
    key(tvk::enter);
    ASSERT_EQ(1, sites().ftabpageno);
    EXPECT_EQ("1", label_text(tsites_page::tag_label_id));
    EXPECT_EQ("Harbourside Business Park", edit_text(308));
    EXPECT_EQ(tsites_page::tag_edit_address1, sites().ffocused_tag);
    key(tvk::next, ss_ctrl);
    ASSERT_EQ(2, sites().ftabpageno);
    EXPECT_EQ("1 of 2", label_text(tsites_page::tag_counter));
    key(tvk::next);
    EXPECT_EQ("2 of 2", label_text(tsites_page::tag_counter));
    key(tvk::prior, ss_ctrl);
    EXPECT_EQ(1, sites().ftabpageno);
    key(tvk::escape);
    EXPECT_EQ(0, sites().ftabpageno);
    EXPECT_EQ("Invalid tabpageno 3 in Thandlermodule_editlist_cpsite.get_tabpage_panel();",
              message_of([&] { sites().set_tabpageno(3, false); }));
}

TEST_F(EditlistCpsite, a_picture_added_on_the_pictures_tab_is_saved_with_the_site) {
    const std::string chosen = ffolder + "/chosen/new.jpg";
    write_file(chosen, jpeg_bytes(30, 20, 1, 2, 3));
    execute("UPDATE cp_site SET pics = 0 WHERE id = 3");
    execute("ALTER SEQUENCE gn_cpsite_pic RESTART WITH 40");
    open_sites();
    sites().grid().row_setfull(2);
    key(tvk::enter);
    key(tvk::next, ss_ctrl);
    EXPECT_EQ("", label_text(tsites_page::tag_counter));
    fsites_platform.fanswer = utf8_to_utf16(chosen);
    menu_choice(0);  // "Add Pic..."
    EXPECT_EQ(0x29, site_pics(3));
    EXPECT_TRUE(fs::exists(pics_folder() + "0029.jpg"));
    EXPECT_EQ("1 of 1", label_text(tsites_page::tag_counter));
    // "Delete Pic..." asks, and yes empties the slot.
    menu_choice(1);
    EXPECT_EQ("Delete PIC ?    ( Y / N )", question());
    key('Y');
    EXPECT_EQ(0, site_pics(3));
    EXPECT_EQ("", label_text(tsites_page::tag_counter));
    // Ctrl+Page Down opens the site's units with this page beneath.
    key(tvk::next, ss_ctrl);
    EXPECT_EQ(16, last_stand_in.pageno);
    EXPECT_EQ(3, last_stand_in.fid);
    EXPECT_TRUE(fcontroller->is_toppage(15));
}

TEST_F(EditlistCpsite, a_new_site_is_inserted_and_gets_its_line_on_the_list) {
    open_sites();
    key(tvk::insert);
    ASSERT_EQ(1, sites().ftabpageno);
    EXPECT_TRUE(sites().fmode_editing);
    type("Depot");
    key(tvk::enter);
    key(tvk::f2);
    EXPECT_EQ(0, sites().ftabpageno);
    ASSERT_EQ(4, sites().grid().rowcount);
    EXPECT_EQ(u"depot", sites().cell_text(tsites_page::tag_grid, 3, 1));
    EXPECT_EQ(3, sites().grid().row);
    EXPECT_EQ(1, number("SELECT COUNT(*) FROM cp_site WHERE address1 = 'depot' AND pics = 0"));
    // A site cannot be deleted: its units and invoices refer to it.
    EXPECT_EQ("Sites cannot be deleted in Thandlermodule_editlist_cpsite.delete_site();",
              message_of([&] { key(tvk::del); }));
    EXPECT_EQ(4, number("SELECT COUNT(*) FROM cp_site"));
}

}  // namespace
