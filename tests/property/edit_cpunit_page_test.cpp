// The unit editor over a copy of the demo database, through the product's page controller.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "accounts/datamodule_search_account.h"
#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/panel.h"
#include "controls/theme.h"
#include "cpunit_pages_support.h"

namespace {

using tpage = Thandlermodule_edit_cpunit;

class EditCpunitPage : public tcpunit_pages_test {
protected:
    tpage& open(int32_t asite) { return open_site_page<tpage>(asite); }
    tpage& unit_page() { return page<tpage>(); }
    void press(int32_t atag) { fcontroller->get_handler_main()->callback_message(nullptr, atag, 1103); }
    // Types text with Shift for capitals, as a user would.
    void type_text(const std::string& atext) {
        for (char c : atext)
            key(static_cast<uint16_t>(std::toupper(static_cast<unsigned char>(c))),
                std::isupper(static_cast<unsigned char>(c)) ? ss_shift : 0);
    }
    bool panel_visible(int32_t atag) { return unit_page().fcontrols->get_panel(atag)->visible; }
    int32_t combo_index(int32_t atag) {
        return static_cast<tvelmor_combobox*>(unit_page().fcontrols->get_control(atag))->item_index;
    }
    int32_t field(const char* aname) {
        const auto& r = *unit_page().frecord;
        const int32_t i = r.get_field_index1(aname);
        return r.get_field_is_assigned(i) ? r.get_aslongint1(i) : -1;
    }
    std::string unit_sql(int32_t aid, const char* acolumn) {
        return text(std::string("SELECT ") + acolumn + " FROM cp_unit WHERE id = " + std::to_string(aid));
    }
    // The texts drawn since the canvas was last cleared whose reference point lies in the tabs'
    // common area (cell 109), where the panel of the tab shown is.
    std::vector<std::string> texts_in_tabs_area() {
        trect area;
        unit_page().fcontrols->get_viewport(109, area);
        std::vector<std::string> texts;
        for (const std::string& line : surface(ht_main).fcanvas.lines()) {
            int32_t l = 0, t = 0, r = 0, b = 0, x = 0, y = 0;
            if (std::sscanf(line.c_str(), "text_rect %d %d %d %d at %d %d", &l, &t, &r, &b, &x, &y) != 6) continue;
            const size_t open = line.find('"');
            if (x >= area.left && x < area.right && y >= area.top && y < area.bottom)
                texts.push_back(line.substr(open + 1, line.size() - open - 2));
        }
        return texts;
    }
};

TEST_F(EditCpunitPage, opens_the_site_s_units_with_the_first_one_shown_and_its_account_and_templates) {
    tpage& p = open(1);
    ASSERT_EQ(16, fcontroller->get_pageno());
    EXPECT_EQ(1, p.fid_site);
    ASSERT_EQ(count("cp_unit WHERE id_site = 1"), p.flist_units.get_count());
    EXPECT_EQ(p.flist_units.get_count(), p.grid(tpage::tag_grid_units).rowcount);
    EXPECT_EQ(0, p.grid(tpage::tag_grid_units).row);
    const int32_t id = p.flist_units.get_item(0).fid;
    EXPECT_EQ(id, p.unit_id());
    EXPECT_EQ(unit_sql(id, "name"), edit_text(tpage::tag_edit_name));
    EXPECT_EQ(text("SELECT a.name FROM account a JOIN cp_unit u ON u.account = a.id WHERE u.id = " + std::to_string(id)),
              edit_text(tpage::tag_edit_account));
    // The demo units bill water by template 1 and power by template 2, both sub deduction meters.
    EXPECT_EQ(0, combo_index(306));
    EXPECT_EQ(1, combo_index(406));
    EXPECT_EQ(1, combo_index(303));
    EXPECT_EQ(tpage::tag_edit_name, p.ffocused_tag);
    EXPECT_TRUE(header().fminus_enabled);
    EXPECT_FALSE(p.fmode_editing);
}

TEST_F(EditCpunitPage, tabs_follow_ctrl_tab_without_wrapping_and_the_tab_strip_choice) {
    tpage& p = open(1);
    struct tstep {
        const char* name;
        tshift_state shift;
        int16_t tab;
    };
    const tstep steps[] = {{"next", ss_ctrl, 1}, {"next again", ss_ctrl, 2}, {"no wrap at the end", ss_ctrl, 2},
                           {"back", ss_ctrl | ss_shift, 1}, {"back", ss_ctrl | ss_shift, 0},
                           {"no wrap at the start", ss_ctrl | ss_shift, 0}};
    const int32_t panels[3] = {2102, 2103, 2104};
    const int32_t firsts[3] = {203, 303, 403};
    for (const tstep& s : steps) {
        SCOPED_TRACE(s.name);
        key(tvk::tab, s.shift);
        run_queue();
        EXPECT_EQ(s.tab, p.ftabpageno);
        for (int k = 0; k < 3; ++k) EXPECT_EQ(k == s.tab, panel_visible(panels[k]));
        EXPECT_EQ(firsts[s.tab], p.ffocused_tag);
        EXPECT_EQ(s.tab, p.grid(tpage::tag_grid_tabs).col);
    }
    // A click on the strip: the page allows the cell, the grid moves, the tab follows.
    tmsg_params_cell target{0, 2};
    EXPECT_TRUE(p.callback_message(&target, tpage::tag_grid_tabs, 1102));
    p.grid(tpage::tag_grid_tabs).cell_setsimple(0, 2);
    tmsg_params_grid_moved moved{gmv_cell_by_mouse};
    p.callback_message(&moved, tpage::tag_grid_tabs, 1101);
    EXPECT_EQ(2, p.ftabpageno);
    EXPECT_TRUE(panel_visible(2104));
}

// The details panel lies under the meter tabs: entering or leaving editing there must draw the
// tab's own boxes in their new look and nothing of the details.
TEST_F(EditCpunitPage, editing_keys_on_a_meter_tab_draw_that_tab_and_nothing_of_the_details) {
    struct tcase {
        const char* name;
        int tabs;     // Ctrl+Tab presses from the details tab
        bool saves;   // the name is changed on the details tab first, F2 saves it on the meter tab
    };
    for (const tcase& c : {tcase{"F3 on the Water tab", 1, false}, tcase{"F2 on the Power tab", 2, true}}) {
        SCOPED_TRACE(c.name);
        tpage& p = open(new_site({"Shop A"}));
        const std::string account = text("SELECT name FROM account WHERE id = 1");
        if (c.saves) {
            key(tvk::f3);
            key(tvk::home, ss_ctrl);
            type_text("Shop B");
            key(tvk::enter);
        }
        for (int i = 0; i < c.tabs; ++i) key(tvk::tab, ss_ctrl);
        run_queue();
        ASSERT_EQ(c.tabs, p.ftabpageno);
        surface(ht_main).fcanvas.clear();
        key(c.saves ? tvk::f2 : tvk::f3);
        run_queue();
        ASSERT_EQ(!c.saves, p.fmode_editing);
        const std::vector<std::string> texts = texts_in_tabs_area();
        for (const std::string& details : {std::string("Shop A"), std::string("Shop B"), account,
                                           std::string("Unit Name:"), std::string("Account:")})
            EXPECT_EQ(0, std::count(texts.begin(), texts.end(), details)) << details;
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                                [](const std::string& atext) { return atext.find("Meter") != std::string::npos; }))
            << testing::PrintToString(texts);
    }
}

TEST_F(EditCpunitPage, a_new_unit_is_saved_with_its_site_the_account_found_by_name_and_a_water_template) {
    const int32_t site = new_site({"A1"});
    const std::string name = text("SELECT FIRST 1 name FROM account WHERE name SIMILAR TO '[A-Z][a-z]{3}%' ORDER BY id");
    const int32_t account = static_cast<int32_t>(
        number("SELECT FIRST 1 id FROM account WHERE name STARTING WITH '" + name.substr(0, 4) + "' ORDER BY id"));
    tpage& p = open(site);
    press(9901);
    ASSERT_TRUE(p.fmode_editing);
    ASSERT_TRUE(p.fis_newrecord);
    EXPECT_EQ(tpage::tag_edit_name, p.ffocused_tag);
    type_text("Shop 9");
    key(tvk::enter);
    ASSERT_EQ(tpage::tag_edit_account, p.ffocused_tag);
    type_text(name.substr(0, 4));
    ASSERT_TRUE(p.fshowing_search_account);
    EXPECT_TRUE(panel_visible(tpage::tag_panel_search));
    key(tvk::enter);
    EXPECT_FALSE(p.fshowing_search_account);
    EXPECT_EQ(account, field("account"));
    EXPECT_EQ(name, edit_text(tpage::tag_edit_account));
    // The water tab: the second template from the drop-down list.
    key(tvk::tab, ss_ctrl);
    key(tvk::tab);
    ASSERT_EQ(306, p.ffocused_tag);
    key(tvk::down, ss_ctrl);
    ASSERT_NE(nullptr, fcontroller->get_handler_ontop());
    key(tvk::down);
    key(tvk::enter);
    EXPECT_EQ(2, field("cpinvoice1"));
    key(tvk::f2);
    EXPECT_FALSE(p.fmode_editing);
    const int32_t id = p.unit_id();
    ASSERT_GT(id, 0);
    EXPECT_EQ(std::to_string(site), unit_sql(id, "id_site"));
    EXPECT_EQ("Shop 9", unit_sql(id, "name"));
    EXPECT_EQ(std::to_string(account), unit_sql(id, "account"));
    EXPECT_EQ("2", unit_sql(id, "cpinvoice1"));
    // The list reloads with the new unit selected.
    run_queue();
    ASSERT_EQ(2, p.flist_units.get_count());
    EXPECT_EQ(id, p.flist_units.get_item(p.grid(tpage::tag_grid_units).row).fid);
    EXPECT_EQ(id, p.unit_id());
}

TEST_F(EditCpunitPage, enter_on_an_account_search_without_result_changes_nothing) {
    tpage& p = open(1);
    const int32_t account = field("account");
    const std::string shown = edit_text(tpage::tag_edit_account);
    key(tvk::f3);
    key(tvk::enter);
    ASSERT_EQ(tpage::tag_edit_account, p.ffocused_tag);
    type_text("Zq");
    ASSERT_TRUE(p.fshowing_search_account);
    EXPECT_EQ(0, p.grid(tpage::tag_grid_search).rowcount);
    key(tvk::enter);
    EXPECT_EQ(account, field("account"));
    EXPECT_TRUE(p.fshowing_search_account);
    EXPECT_FALSE(p.fmodified);
    // Esc closes the search; leaving editing shows the account again.
    key(tvk::escape);
    EXPECT_FALSE(p.fshowing_search_account);
    key(tvk::f9);
    EXPECT_EQ(shown, edit_text(tpage::tag_edit_account));
}

TEST_F(EditCpunitPage, the_account_search_moves_with_the_arrows_and_takes_the_line_chosen) {
    tpage& p = open(1);
    key(tvk::f3);
    key(tvk::enter);
    ASSERT_EQ(tpage::tag_edit_account, p.ffocused_tag);
    type_text("S");
    ASSERT_TRUE(p.fshowing_search_account);
    tvelmor_grid& g = p.grid(tpage::tag_grid_search);
    ASSERT_GT(p.search().line_count(), 3);
    EXPECT_EQ(p.search().line_count(), g.rowcount);
    key(tvk::down);
    key(tvk::down);
    key(tvk::up);
    ASSERT_EQ(1, g.row);
    const int32_t chosen = p.search().line_id(1);
    const std::string name = utf16_to_utf8(p.search().line_name(1));
    key(tvk::enter);
    EXPECT_FALSE(p.fshowing_search_account);
    EXPECT_EQ(chosen, field("account"));
    EXPECT_EQ(name, edit_text(tpage::tag_edit_account));
    EXPECT_TRUE(p.fmodified);
    key(tvk::f2);
    EXPECT_EQ(std::to_string(chosen), unit_sql(p.unit_id(), "account"));
}

TEST_F(EditCpunitPage, a_click_on_a_unit_shows_it_unless_unsaved_changes_make_the_page_ask_first) {
    const int32_t site = new_site({"First", "Second"});
    tpage& p = open(site);
    // Clicks are hit-tested by the real grid renderers.
    for (auto [tag, render] : {std::pair{904, classrender_grid_standard}, std::pair{905, classrender_grid_tabs2},
                               std::pair{908, classrender_grid_standard}}) {
        auto* theme = dynamic_cast<tvelmor_theme_grid_brief*>(p.fcontrols->get_theme_by_tag(tag));
        ASSERT_NE(nullptr, theme);
        theme->classrender = fsaved_grid_renderers[render];
    }
    trect r;
    p.fcontrols->get_viewport(tpage::tag_grid_units, r);
    // The middle of the second row (rows 49 high below the grid's 2-pixel edge).
    const int32_t x = r.left + 20, y = r.top + 2 + 49 + 24;
    key(tvk::f3);
    key(tvk::home, ss_ctrl);
    type_text("Changed");
    key(tvk::enter);
    fcontroller->handle_mousedown(0, mb_left, 0, x, y, false);
    EXPECT_EQ("Save changes ?", question());
    EXPECT_EQ(0, p.grid(tpage::tag_grid_units).row);
    key('N');
    EXPECT_EQ("First", unit_sql(p.flist_units.get_item(0).fid, "name"));
    EXPECT_EQ(1, p.grid(tpage::tag_grid_units).row);
    EXPECT_EQ("Second", edit_text(tpage::tag_edit_name));
    fcontroller->handle_mousedown(0, mb_left, 0, x, y - 49, false);
    EXPECT_EQ(nullptr, fcontroller->get_handler_ontop());
    EXPECT_EQ(0, p.grid(tpage::tag_grid_units).row);
    EXPECT_EQ("First", edit_text(tpage::tag_edit_name));
}

TEST_F(EditCpunitPage, deleting_the_only_unit_disables_the_details_and_the_minus_button) {
    const int32_t site = new_site({"Solo"});
    tpage& p = open(site);
    const int32_t id = p.unit_id();
    ASSERT_GT(id, 0);
    press(9902);
    EXPECT_EQ("Delete Unit [Solo] ?", question());
    key('N');
    EXPECT_EQ(1, count("cp_unit WHERE id = " + std::to_string(id)));
    press(9902);
    key('Y');
    run_queue();
    EXPECT_EQ(0, count("cp_unit WHERE id = " + std::to_string(id)));
    EXPECT_EQ(0, p.flist_units.get_count());
    EXPECT_EQ(0, p.grid(tpage::tag_grid_units).rowcount);
    EXPECT_EQ(-1, p.unit_id());
    EXPECT_FALSE(header().fminus_enabled);
    EXPECT_FALSE(static_cast<tvelmor_edit*>(p.fcontrols->get_control(203))->enabled);
    EXPECT_FALSE(static_cast<tvelmor_edit*>(p.fcontrols->get_control(206))->enabled);
    EXPECT_FALSE(static_cast<tvelmor_customlabel*>(p.fcontrols->get_control(202))->enabled);
    EXPECT_FALSE(p.grid(tpage::tag_grid_tabs).enabled);
    // Nothing to edit, delete or tab to.
    key(tvk::f3);
    EXPECT_FALSE(p.fmode_editing);
    press(9902);
    EXPECT_EQ(nullptr, fcontroller->get_handler_ontop());
    key(tvk::tab, ss_ctrl);
    EXPECT_EQ(0, p.ftabpageno);
    // A new unit started and dropped leaves the empty site as it was.
    key(tvk::insert);
    EXPECT_TRUE(p.fmode_editing);
    EXPECT_TRUE(static_cast<tvelmor_edit*>(p.fcontrols->get_control(203))->enabled);
    key(tvk::f9);
    EXPECT_FALSE(p.fmode_editing);
    EXPECT_EQ(16, fcontroller->get_pageno());
    EXPECT_FALSE(static_cast<tvelmor_edit*>(p.fcontrols->get_control(203))->enabled);
    EXPECT_EQ(0, count("cp_unit WHERE id_site = " + std::to_string(site)));
}

TEST_F(EditCpunitPage, esc_asks_to_save_a_changed_unit_and_leaves_at_once_when_nothing_changed) {
    struct tcase {
        const char* name;
        const char* typed;  // nullptr: nothing typed
        char answer;        // 0: no question expected
        const char* stored;
        bool leaves;
    };
    const tcase cases[] = {{"unchanged", nullptr, 0, "Unit 1", true},
                           {"changed, yes saves", "Bay 7", 'Y', "Bay 7", true},
                           {"changed, no drops", "Bay 8", 'N', "Unit 1", true},
                           {"changed, esc stays editing", "Bay 9", 0x1B, "Unit 1", false}};
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        const int32_t site = new_site({"Unit 1"});
        tpage& p = open(site);
        const int32_t id = p.unit_id();
        key(tvk::f3);
        if (c.typed) {
            key(tvk::home, ss_ctrl);
            type_text(c.typed);
        }
        key(tvk::escape);
        if (c.answer) {
            EXPECT_EQ("Save changes ?", question());
            key(c.answer);
        } else {
            EXPECT_EQ(nullptr, fcontroller->get_handler_ontop());
        }
        EXPECT_EQ(c.leaves ? 1 : 16, fcontroller->get_pageno());
        EXPECT_EQ(c.stored, unit_sql(id, "name"));
    }
}

TEST_F(EditCpunitPage, moving_to_another_unit_with_changes_asks_first_and_then_shows_that_unit) {
    const int32_t site = new_site({"First", "Second"});
    tpage& p = open(site);
    const int32_t first = p.unit_id();
    key(tvk::f3);
    key(tvk::home, ss_ctrl);
    type_text("Renamed");
    key(tvk::enter);
    key(tvk::down, ss_ctrl);
    EXPECT_EQ("Save changes ?", question());
    EXPECT_EQ(0, p.grid(tpage::tag_grid_units).row);
    key('Y');
    EXPECT_EQ("Renamed", unit_sql(first, "name"));
    EXPECT_EQ(1, p.grid(tpage::tag_grid_units).row);
    EXPECT_EQ("Second", edit_text(tpage::tag_edit_name));
    EXPECT_FALSE(p.fmode_editing);
    // Without changes a move just ends editing; the list shows the saved name.
    key(tvk::f3);
    tmsg_params_cell target{0, 0};
    EXPECT_TRUE(p.callback_message(&target, tpage::tag_grid_units, 1102));
    EXPECT_FALSE(p.fmode_editing);
    EXPECT_EQ(u"Renamed", p.flist_units.get_item(0).fname);
}

TEST_F(EditCpunitPage, ctrl_page_up_goes_to_the_pictures_of_the_site_in_place_of_the_page) {
    open(2);
    key(tvk::prior, ss_ctrl);
    ASSERT_EQ(24, fcontroller->get_pageno());
    EXPECT_EQ(2, page<Thandlermodule_probe_site>().fid);
    // In place: leaving the pictures returns to the accounts menu, not to the units.
    fcontroller->page_exit();
    EXPECT_EQ(1, fcontroller->get_pageno());
    // A pending change is asked about first, and saved on Yes.
    const int32_t site = new_site({"Kiosk"});
    tpage& p = open(site);
    const int32_t id = p.unit_id();
    key(tvk::f3);
    key(tvk::home, ss_ctrl);
    type_text("Kiosk B");
    key(tvk::prior, ss_ctrl);
    EXPECT_EQ("Save changes ?", question());
    EXPECT_EQ(16, fcontroller->get_pageno());
    key('Y');
    EXPECT_EQ(24, fcontroller->get_pageno());
    EXPECT_EQ("Kiosk B", unit_sql(id, "name"));
}

}  // namespace
