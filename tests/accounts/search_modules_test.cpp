// The standard cell look of the search grids without a column format, shown on the account search.
#include <gtest/gtest.h>

#include "accounts/datamodule_search_account.h"
#include "support/search_module_fixture.h"
#include "pages/grid_cell_text.h"
#include "controls/grid_controls.h"
#include "controls/grid_renderers.h"
#include "controls/recording_canvas.h"
#include "controls/theme.h"
#include "database/fb_query.h"

namespace {

class SearchModules : public tsearch_module_test {};

TEST_F(SearchModules, a_module_paints_its_cells_with_the_standard_renderer_and_erases_below_the_last_row) {
    Tdatamodule_search_account module(*fdatabase);
    tvelmor_grid grid(nullptr);
    grid.colwidths = {200, 100};
    grid.colcount = 2;
    grid.row_height = 20;
    grid.row_count_visible = 10;
    module.update_search_grid(u"", grid);
    ASSERT_EQ(20, grid.rowcount);
    EXPECT_EQ(0, grid.row);
    tvelmor_theme_grid theme;
    theme.color = 1, theme.color_selected = 3, theme.color_font = 11, theme.color_font_selected = 13;
    trecording_canvas canvas;
    int32_t font = 0;
    const trect cell{12, 42, 211, 61};
    paint_grid_cell_standard(font, canvas, grid, &theme, cell, 1, 1, module.get_cell_text(1, 1));
    const std::string phone = utf16_to_utf8(module.get_cell_text(1, 1));
    ASSERT_FALSE(phone.empty());
    EXPECT_EQ("font arial 10\n"
              "brush_color 1\n"
              "text_color 11\n"
              "brush_style solid\n"
              "text_align bottom-left\n"
              "text_rect 12 42 211 61 at 20 59 \"" + phone + "\"\n",
              canvas.text());
    canvas.clear();
    paint_grid_cell_standard(font, canvas, grid, &theme, {12, 42, 312, 222}, -1, -1, module.get_cell_text(-1, -1));
    EXPECT_EQ("brush_style solid\nbrush_color 13160660\nfill_rect 12 42 312 222\n", canvas.text());
}

}  // namespace
