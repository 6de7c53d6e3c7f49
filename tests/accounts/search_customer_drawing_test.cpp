// What the customer search shows: the current row marked while the search edit keeps the focus,
// and rows that arrive after a move painted, whether a data request or a timer tick loads them.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "accounts/handlermodule_search_customer.h"
#include "support/accounts_fixture.h"
#include "controls/grid_controls.h"
#include "controls/controls_registration.h"
#include "controls/key_codes.h"
#include "controls/renderers.h"
#include "controls/theme.h"
#include "values/params_generic.h"

namespace {

// Keeps, for each row band of the grid, what was painted there last: column 0's text, or
// nothing once the band was erased. Bands are keyed by their top edge.
class tscreen_grid_renderer : public trecording_grid_renderer {
public:
    void draw_grid(int32_t& afont_tag, tcanvas& acanvas, tvelmor_customgrid& acontrol,
                   tvelmor_theme_grid_brief* atheme, const trect& arect) const override {
        farea_top = arect.top;
        trecording_grid_renderer::draw_grid(afont_tag, acanvas, acontrol, atheme, arect);
    }
    void erase_rows(tcanvas&, tvelmor_customgrid&, const trect& arect) const override {
        for (auto& [top, text] : fshown)
            if (top >= arect.top && top < arect.bottom) text.clear();
    }
    void control_paint(int32_t& afont_tag, tcanvas& acanvas, tvelmor_customgrid& acontrol,
                       tvelmor_theme_grid_brief* atheme, const trect& arect, const std::u16string& atext, int32_t arow,
                       int32_t acol, int32_t afont_tag_new, TAlignment aalignment,
                       int32_t aalignment_margin) const override {
        trecording_grid_renderer::control_paint(afont_tag, acanvas, acontrol, atheme, arect, atext, arow, acol,
                                                afont_tag_new, aalignment, aalignment_margin);
        if (acol == 0) fshown[arect.top] = utf16_to_utf8(atext);
    }
    // What the band of a shown row holds now.
    std::string shown(const tvelmor_customgrid& agrid, int32_t arow) const {
        const auto it = fshown.find(farea_top + (arow - agrid.row_top) * agrid.row_height);
        return it == fshown.end() ? std::string() : it->second;
    }

    mutable std::map<int32_t, std::string> fshown;
    mutable int32_t farea_top = 0;
};

class SearchCustomerDrawing : public taccounts_page_test {
protected:
    // Enters the search from the accounts menu, as the user does, with the grids drawn by
    // arenderer (nullptr: the product's renderers).
    void open_search(const tvelmor_render_grid_generic* arenderer) {
        if (arenderer)
            std::fill(std::begin(trenderer_table::global().grid), std::end(trenderer_table::global().grid), arenderer);
        else
            register_renderers();
        start();
        key(tvk::enter);
        ASSERT_EQ(2, fcontroller->get_pageno());
    }
    Thandlermodule_search_customer& page() {
        auto* p = dynamic_cast<Thandlermodule_search_customer*>(fcontroller->get_handler_main());
        if (!p) throw std::runtime_error("the customer search is not the main page");
        return *p;
    }
    tvelmor_grid& grid() { return page().grid(); }
    // A key, then the queued jobs, as the main window runs them after each message.
    void key(uint16_t akey) {
        fcontroller->handle_keydown(akey, 0, false);
        run_queued();
    }
    void run_queued() {
        while (fmessages.has_messages_available()) fcontroller->run_next_queued_message();
    }
    // The timers tick until they stop, each tick followed by the jobs it queued.
    void run_timers() {
        while (fplatform.tick_timers()) run_queued();
    }
    // Every slot of the grid shows its row's text.
    void expect_rows_shown(const tscreen_grid_renderer& ascreen) {
        tvelmor_grid& g = grid();
        ASSERT_GE(g.rowcount, g.row_top + g.row_count_visible);
        for (int32_t row = g.row_top; row < g.row_top + g.row_count_visible; ++row) {
            SCOPED_TRACE(row);
            EXPECT_EQ(utf16_to_utf8(page().module().get_cell_text(row, 0)), ascreen.shown(g, row));
        }
    }
};

TEST_F(SearchCustomerDrawing, the_current_row_stands_out_while_the_search_edit_keeps_the_focus) {
    open_search(nullptr);
    key(tvk::down);
    key(tvk::down);
    ASSERT_EQ(2, grid().row);
    EXPECT_EQ(Thandlermodule_search_customer::tag_edit, page().ffocused_tag);
    EXPECT_FALSE(grid().is_focused);
    // The colours each row's e-mail (unique in an empty search) was last written with.
    std::map<std::string, std::pair<std::string, std::string>> colours;
    std::string brush, font;
    for (const std::string& line : surface(ht_main).fcanvas.lines()) {
        if (line.rfind("brush_color ", 0) == 0) brush = line.substr(12);
        if (line.rfind("text_color ", 0) == 0) font = line.substr(11);
        const size_t quote = line.find('"');
        if (line.rfind("text_rect ", 0) == 0 && quote != std::string::npos)
            colours[line.substr(quote + 1, line.size() - quote - 2)] = {brush, font};
    }
    const auto colours_of = [&](int32_t arow) {
        const std::string email = utf16_to_utf8(page().module().get_cell_text(arow, 3));
        EXPECT_TRUE(colours.count(email)) << email;
        return colours[email];
    };
    const auto current = colours_of(2);
    EXPECT_NE(current.first, current.second);
    for (int32_t row : {0, 1, 3, grid().row_count_visible - 1}) {
        SCOPED_TRACE(row);
        EXPECT_NE(current.first, colours_of(row).first);
        EXPECT_NE(current.second, colours_of(row).second);
    }
}

TEST_F(SearchCustomerDrawing, rows_loaded_after_moving_down_are_painted_when_they_land_in_the_rows_shown) {
    tscreen_grid_renderer screen;
    open_search(&screen);
    for (uint16_t k : {uint16_t{'M'}, tvk::down, tvk::down, tvk::down}) key(k);
    // The first Down asked for more rows and scheduled timer ticks; two of them come before the
    // user pages down twice, past the rows loaded so far.
    ASSERT_TRUE(fplatform.tick_timers());
    run_queued();
    ASSERT_TRUE(fplatform.tick_timers());
    run_queued();
    key(tvk::next);
    key(tvk::next);
    ASSERT_EQ(2 * grid().row_count_visible, grid().row_top);
    run_timers();
    expect_rows_shown(screen);
}

TEST_F(SearchCustomerDrawing, rows_a_page_down_request_loads_into_the_rows_shown_are_painted) {
    tscreen_grid_renderer screen;
    open_search(&screen);
    // Back from an editor on row 10: one screen and ten rows are loaded. Page Down shows the
    // second screen with its last slots empty, then asks for a screen more.
    key(tvk::escape);
    const tparam_value params[] = {int64_t{10}, std::u16string()};
    fcontroller->page_enter(Thandlermodule_search_customer::handler_class(), params, false);
    run_queued();
    ASSERT_EQ(grid().row_count_visible + 10, grid().rowcount);
    key(tvk::next);
    ASSERT_EQ(grid().row_count_visible, grid().row_top);
    EXPECT_FALSE(fplatform.tick_timers());
    expect_rows_shown(screen);
}

}  // namespace
