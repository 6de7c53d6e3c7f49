// The grid renderers checked call by call on the recording canvas: cell geometry and hit tests,
// cell colours, each renderer's cell painting and decorations, and which rows they redraw.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>

#include "controls/grid_renderers.h"
#include "controls/procs_velmor.h"
#include "controls_test_support.h"
#include "grid_paint_owner.h"

namespace {

const trect grid_rect{10, 20, 412, 224};  // row area (12 22 412 224): 400 wide, ten rows of 20
const trect cell{12, 22, 111, 41};
const tvelmor_render_grid_standard standard;
const tvelmor_render_grid_header header;
const tvelmor_render_grid_menu menu;
const tvelmor_render_grid_tabs tabs;
const tvelmor_render_grid_tabs2 tabs2;

// Distinct colours: brushes 1-4, fonts 11-14 (plain, focused, selected, selected and focused).
tvelmor_theme_grid coloured_theme(const tvelmor_render_grid_generic* arenderer) {
    tvelmor_theme_grid theme;
    theme.classrender = arenderer;
    theme.color = 1, theme.color_focused = 2, theme.color_selected = 3, theme.color_selected_focused = 4;
    theme.color_font = 11, theme.color_font_focused = 12, theme.color_font_selected = 13;
    theme.color_font_selected_focused = 14;
    return theme;
}

const std::string thin_pen = "pen_width 1\npen_style solid\npen_mode copy\n";

std::string vline(const std::string& acolor, int32_t ax, int32_t atop, int32_t abottom) {
    return "pen_color " + acolor + "\nmove_to " + std::to_string(ax) + " " + std::to_string(atop) + "\nline_to " +
           std::to_string(ax) + " " + std::to_string(abottom) + "\n";
}

TEST(GridGeometry, CellsUsePixelOrPercentageWidthsLessTheGapAndStopShortOfTheRightEdge) {
    struct tcase {
        const char* name;
        const tvelmor_render_grid_generic* renderer;
        int32_t row;
        int32_t col;
        trect expected;
    };
    const tcase cases[] = {
        {"-50 of 400 pixels is 200", &standard, 10, 0, {12, 22, 211, 41}},
        {"pixel width after it", &standard, 10, 1, {212, 22, 311, 41}},
        {"clamped at Right - 1", &standard, 10, 2, {312, 22, 411, 41}},
        {"rows count from row_top", &standard, 12, 0, {12, 62, 211, 81}},
        {"tabs leave a gap of 5", &tabs, 10, 0, {12, 22, 207, 41}},
    };
    tgrid_paint_owner owner;
    tvelmor_grid grid(&owner);
    setup_test_grid(grid, 30, 10, {-50, 100, 150});
    grid.row_top = 10;
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, c.renderer->get_cell_rect(grid, nullptr, grid_rect, c.row, c.col));
    }
}

TEST(GridGeometry, TheVisibleRowCountIsTheWholeRowsBelowTheFrame) {
    struct tcase {
        const char* name;
        int32_t bottom;
        int16_t row_height;
        int32_t expected;
    };
    const tcase cases[] = {
        {"exactly ten", 222, 20, 10}, {"one pixel short", 221, 20, 9}, {"no row height", 222, 0, 0},
        {"smaller than the frame", 21, 20, 0},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tgrid_paint_owner owner;
        tvelmor_grid grid(&owner);
        setup_test_grid(grid, 30, 0, {100}, c.row_height);
        standard.set_visible_rowcount(grid, {0, 20, 100, c.bottom});
        EXPECT_EQ(c.expected, grid.row_count_visible);
    }
}

TEST(GridGeometry, APointFindsItsCellOnlyInsideTheRowAreaAndItsColumns) {
    struct tcase {
        const char* name;
        int32_t x, y, rowcount;
        bool hit;
        int32_t row, col;
    };
    const tcase cases[] = {
        {"first pixel of the row area", 12, 22, 25, true, 10, 0},
        {"on the frame left", 11, 22, 25, false, 0, 0},
        {"on the frame top", 12, 21, 25, false, 0, 0},
        {"gap pixel belongs to its column", 211, 22, 25, true, 10, 0},
        {"next column starts", 212, 41, 25, true, 10, 1},
        {"next row band", 212, 42, 25, true, 11, 1},
        {"last visible row", 311, 221, 25, true, 19, 1},
        {"right of the last column", 312, 22, 25, false, 0, 0},
        {"bottom edge, below the visible slots", 12, 224, 25, false, 0, 0},
        {"an empty slot below the last row", 12, 142, 16, false, 0, 0},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tgrid_paint_owner owner;
        tvelmor_grid grid(&owner);
        setup_test_grid(grid, c.rowcount, 10, {-50, 100});
        grid.row_top = 10;
        int32_t row = 0, col = 0;
        EXPECT_EQ(c.hit, standard.get_pt_cell(row, col, grid, grid_rect, c.x, c.y));
        EXPECT_EQ(c.row, row);
        EXPECT_EQ(c.col, col);
    }
}

TEST(GridCellColors, FocusAndSelectionPickOneOfTheFourColourPairs) {
    struct tcase {
        const char* name;
        bool focused;
        bool select_cell;
        int32_t row, col;
        std::string expected;
    };
    // The current cell is row 3, column 1.
    const tcase cases[] = {
        {"other row", false, false, 4, 1, "brush_color 1\ntext_color 11\n"},
        {"current row", false, false, 3, 0, "brush_color 3\ntext_color 13\n"},
        {"other row of a focused grid", true, false, 4, 0, "brush_color 2\ntext_color 12\n"},
        {"current row of a focused grid", true, false, 3, 0, "brush_color 4\ntext_color 14\n"},
        {"other cell of the current row", true, true, 3, 0, "brush_color 2\ntext_color 12\n"},
        {"current cell", true, true, 3, 1, "brush_color 4\ntext_color 14\n"},
    };
    const tvelmor_theme_grid theme = coloured_theme(&standard);
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tgrid_paint_owner owner;
        tvelmor_grid grid(&owner);
        setup_test_grid(grid, 10, 10, {50, 50});
        grid.row = 3, grid.col = 1, grid.is_focused = c.focused;
        if (c.select_cell) grid.grid_options.include(go_select_cell);
        trecording_canvas canvas;
        tprocs_velmor::set_grid_cell_colors(canvas, grid, c.row, c.col, &theme);
        EXPECT_EQ(c.expected, canvas.text());
    }
}

TEST(GridCellColors, AThemeWithoutColoursGivesBlackOnThePageBackground) {
    tgrid_paint_owner owner;
    tvelmor_grid grid(&owner);
    tvelmor_theme_grid_brief brief;
    trecording_canvas canvas;
    tprocs_velmor::set_grid_cell_colors(canvas, grid, 0, 0, &brief);
    EXPECT_EQ("brush_color 13160660\ntext_color 0\n", canvas.text());
}

TEST(StandardGridRenderer, ACellIsWrittenClippedAtItsAlignmentsPointTwoAboveTheBottom) {
    struct tcase {
        const char* name;
        TAlignment alignment;
        std::string expected;
    };
    const tcase cases[] = {
        {"left", taLeftJustify, "text_align bottom-left\ntext_rect 12 22 111 41 at 19 39 \"Net\"\n"},
        {"right", taRightJustify, "text_align bottom-right\ntext_rect 12 22 111 41 at 104 39 \"Net\"\n"},
        {"centre", taCenter, "text_align bottom-centre\ntext_rect 12 22 111 41 at 61 39 \"Net\"\n"},
    };
    const tvelmor_theme_grid theme = coloured_theme(&standard);
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tgrid_paint_owner owner;
        tvelmor_grid grid(&owner);
        setup_test_grid(grid, 10, 10, {100});
        trecording_canvas canvas;
        int32_t font_tag = 0;
        tvelmor_theme_grid t = theme;
        standard.control_paint(font_tag, canvas, grid, &t, cell, u"Net", 1, 0, font_code_default, c.alignment, 3);
        EXPECT_EQ("font arial 10\nbrush_color 1\ntext_color 11\nbrush_style solid\n" + c.expected, canvas.text());
        EXPECT_EQ(font_code_default, font_tag);
    }
}

TEST(StandardGridRenderer, DrawingAGridFramesItPaintsEachCellAndErasesTheEmptyRows) {
    tgrid_paint_owner owner;
    tvelmor_grid grid(&owner);
    setup_test_grid(grid, 2, 10, {100});
    tvelmor_theme_grid theme = coloured_theme(&standard);
    trecording_canvas canvas;
    owner.canvas = &canvas;
    int32_t font_tag = 0;
    standard.draw_grid(font_tag, canvas, grid, &theme, grid_rect);
    EXPECT_EQ(
        "pen_style solid\npen_mode copy\npen_width 1\npen_color 0\n"
        "polyline (10,20) (412,20) (412,224) (10,224) (10,20)\n"
        "font arial 10\nbrush_color 3\ntext_color 13\nbrush_style solid\n"
        "text_align bottom-left\ntext_rect 12 22 111 41 at 16 39 \"r0\"\n"
        "brush_color 1\ntext_color 11\nbrush_style solid\n"
        "text_align bottom-left\ntext_rect 12 42 111 61 at 16 59 \"r1\"\n"
        "brush_style solid\nbrush_color 13160660\nfill_rect 12 62 412 224\n",
        canvas.text());

    canvas.clear();
    theme.no_draw_frame = true;
    standard.draw_grid(font_tag, canvas, grid, &theme, grid_rect);
    EXPECT_EQ("brush_color 3", canvas.lines().front());
}

TEST(StandardGridRenderer, MovesRedrawOnlyTheRowsAndCellsTheyTouch) {
    struct tcase {
        const char* name;
        std::function<void(tvelmor_grid&, tvelmor_theme_grid_brief*)> redraw;
        std::vector<std::string> expected;
    };
    const tcase cases[] = {
        {"new and old row", [](auto& g, auto* t) { standard.draw_row2(g, t, grid_rect, 3, 5); },
         {"paint 3,0 (12 82 111 101)", "paint 3,1 (112 82 211 101)", "paint 5,0 (12 122 111 141)",
          "paint 5,1 (112 122 211 141)"}},
        {"no old row", [](auto& g, auto* t) { standard.draw_row2(g, t, grid_rect, 3, -1); },
         {"paint 3,0 (12 82 111 101)", "paint 3,1 (112 82 211 101)"}},
        {"same row once", [](auto& g, auto* t) { standard.draw_row2(g, t, grid_rect, 3, 3); },
         {"paint 3,0 (12 82 111 101)", "paint 3,1 (112 82 211 101)"}},
        {"two cells", [](auto& g, auto* t) { standard.draw_cell2(g, t, grid_rect, 3, 1, 4, 0); },
         {"paint 3,1 (112 82 211 101)", "paint 4,0 (12 102 111 121)"}},
        {"a cell off the page is skipped", [](auto& g, auto* t) { standard.draw_cell2(g, t, grid_rect, 3, 1, 40, 0); },
         {"paint 3,1 (112 82 211 101)"}},
    };
    tvelmor_theme_grid theme = coloured_theme(&standard);
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tgrid_paint_owner owner;
        tvelmor_grid grid(&owner);
        setup_test_grid(grid, 50, 10, {100, 100});
        c.redraw(grid, &theme);
        EXPECT_EQ(c.expected, owner.cells);
    }
}

TEST(GridRenderers, HeaderAndTabStripsAlwaysRedrawFromTheFirstRowShown) {
    struct tcase {
        const char* name;
        const tvelmor_render_grid_generic* renderer;
        std::string first_cell;
    };
    const tcase cases[] = {
        {"standard", &standard, "paint 5,0"}, {"menu", &menu, "paint 5,0"},   {"tabs2", &tabs2, "paint 5,0"},
        {"header", &header, "paint 0,0"},     {"tabs", &tabs, "paint 0,0"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tgrid_paint_owner owner;
        tvelmor_grid grid(&owner);
        setup_test_grid(grid, 10, 10, {100});
        tvelmor_theme_grid theme = coloured_theme(c.renderer);
        c.renderer->draw_rows(grid, &theme, grid_rect, 5);
        ASSERT_FALSE(owner.cells.empty());
        EXPECT_EQ(c.first_cell, owner.cells.front().substr(0, 9));
    }
}

TEST(HeaderGridRenderer, AHeaderCellIsBlackOnThePageBackgroundWithAnEtchedLineAtItsRight) {
    tgrid_paint_owner owner;
    tvelmor_grid grid(&owner);
    setup_test_grid(grid, 1, 1, {100});
    grid.is_focused = true;  // theme colours and selection play no part
    tvelmor_theme_grid theme = coloured_theme(&header);
    trecording_canvas canvas;
    int32_t font_tag = font_code_default;
    header.control_paint(font_tag, canvas, grid, &theme, cell, u"Qty", 0, 0, font_code_default, taRightJustify, 1);
    EXPECT_EQ("brush_style solid\nbrush_color 13160660\ntext_color 0\n"
              "text_align bottom-right\ntext_rect 12 22 109 41 at 104 39 \"Qty\"\n" +
                  thin_pen + vline("sys16", 110, 22, 41) + vline("sys20", 111, 22, 41),
              canvas.text());
}

TEST(MenuGridRenderer, AMenuEntryHasAStripInTheFocusedColourAboveItsText) {
    tgrid_paint_owner owner;
    tvelmor_grid grid(&owner);
    setup_test_grid(grid, 3, 3, {100}, 40);
    tvelmor_theme_grid theme = coloured_theme(&menu);
    trecording_canvas canvas;
    int32_t font_tag = font_code_default;
    menu.control_paint(font_tag, canvas, grid, &theme, {12, 22, 111, 61}, u"Exit", 1, 0, font_code_default,
                       taLeftJustify, 0);
    EXPECT_EQ(
        "brush_style solid\nbrush_color 2\nfill_rect 12 21 111 29\n"
        "brush_color 1\ntext_color 11\ntext_align bottom-left\ntext_rect 12 29 111 61 at 16 59 \"Exit\"\n",
        canvas.text());
}

TEST(TabsGridRenderer, TheChosenTabIsSunkenAndTheOthersFlatWhateverTheMargin) {
    const trect tab{12, 22, 107, 41};
    const std::string sunken =
        thin_pen +
        "pen_color 8421504\npolyline (12,40) (12,22) (106,22)\n"
        "pen_color sys20\npolyline (106,22) (106,40) (12,40)\n"
        "pen_color 4210752\npolyline (13,39) (13,23) (105,23)\n"
        "pen_color 13160660\npolyline (105,23) (105,39) (13,39)\n";
    struct tcase {
        const char* name;
        int32_t row;
        TAlignment alignment;
        std::string expected;
    };
    const tcase cases[] = {
        {"chosen, left", 0, taLeftJustify,
         "brush_color 14737632\ntext_align bottom-left\ntext_rect 12 22 107 41 at 26 38 \"Tab\"\n" + sunken},
        {"chosen, centred", 0, taCenter,
         "brush_color 14737632\ntext_align bottom-centre\ntext_rect 12 22 107 41 at 61 38 \"Tab\"\n" + sunken},
        {"other, right", 1, taRightJustify,
         "brush_color 13160660\ntext_align bottom-right\ntext_rect 12 22 107 41 at 95 37 \"Tab\"\n"},
        {"other, centred", 1, taCenter,
         "brush_color 13160660\ntext_align bottom-centre\ntext_rect 12 22 107 41 at 59 37 \"Tab\"\n"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tgrid_paint_owner owner;
        tvelmor_grid grid(&owner);
        setup_test_grid(grid, 2, 2, {100});
        tvelmor_theme_grid theme = coloured_theme(&tabs);
        trecording_canvas canvas;
        int32_t font_tag = font_code_default;
        tabs.control_paint(font_tag, canvas, grid, &theme, tab, u"Tab", c.row, 0, font_code_default, c.alignment, 9);
        EXPECT_EQ("text_color 0\nbrush_style solid\n" + c.expected, canvas.text());
    }
}

TEST(TabsGridRenderer, TheStripIsEtchedAtEachColumnBoundaryDownToTheLastRowShown) {
    tgrid_paint_owner owner;
    tvelmor_grid grid(&owner);
    setup_test_grid(grid, 2, 3, {50, 60});
    tvelmor_theme_grid theme = coloured_theme(&tabs);
    theme.no_draw_frame = true;
    trecording_canvas canvas;
    int32_t font_tag = 0;
    tabs.draw_grid(font_tag, canvas, grid, &theme, grid_rect);
    EXPECT_EQ("brush_color 1\n" + thin_pen + vline("sys16", 61, 23, 61) + vline("sys20", 62, 23, 61) +
                  vline("sys16", 121, 23, 61) + vline("sys20", 122, 23, 61),
              canvas.text());
    EXPECT_EQ(5u, owner.cells.size());  // four cells and the empty slot

    // Without a theme the strip is always framed; without rows it has no boundaries.
    tvelmor_grid empty(&owner);
    setup_test_grid(empty, 0, 3, {50, 60});
    canvas.clear();
    tabs.draw_grid(font_tag, canvas, empty, nullptr, grid_rect);
    EXPECT_EQ(
        "pen_style solid\npen_mode copy\npen_width 1\npen_color 0\n"
        "polyline (10,20) (412,20) (412,224) (10,224) (10,20)\n",
        canvas.text());
}

TEST(FlatTabsGridRenderer, TabsAreSeparatedByEtchedLinesAndTheChosenOneOfAnEnabledGridIsMarked) {
    const std::string separators = thin_pen + vline("sys16", 110, 22, 41) + vline("sys20", 111, 22, 41);
    const std::string first_column = vline("sys16", 10, 22, 41) + vline("sys20", 11, 22, 41);
    struct tcase {
        const char* name;
        bool enabled;
        int32_t row, col;
        TAlignment alignment;
        std::string expected;
    };
    const tcase cases[] = {
        {"chosen first tab", true, 0, 0, taLeftJustify,
         "text_color 0\nbrush_color 13160660\ntext_align bottom-left\ntext_rect 13 22 108 41 at 19 37 \"Tab\"\n" +
             separators + first_column +
             "pen_width 4\npen_color 14194688\nmove_to 16 24\nline_to 105 24\npen_width 1\n"},
        {"other tab", true, 1, 1, taRightJustify,
         "text_color 0\nbrush_color 15790320\ntext_align bottom-right\ntext_rect 13 22 108 41 at 102 37 \"Tab\"\n" +
             separators},
        // Text 16 high: the embossed copy sits at (16 + 22 + 41) div 2 + 1.
        {"chosen tab of a disabled grid", false, 0, 1, taCenter,
         "brush_color 14737632\nfill_rect 13 22 108 41\nbrush_style clear\n"
         "text_color sys20\ntext_align bottom-centre\ntext_rect 13 22 108 41 at 61 40 \"Tab\"\n"
         "text_color sys16\ntext_align bottom-centre\ntext_rect 13 22 108 41 at 60 39 \"Tab\"\n" +
             separators},
        {"disabled, left", false, 1, 1, taLeftJustify,
         "brush_color 14737632\nfill_rect 13 22 108 41\nbrush_style clear\n"
         "text_color sys20\ntext_align bottom-left\ntext_rect 13 22 108 41 at 20 38 \"Tab\"\n"
         "text_color sys16\ntext_align bottom-left\ntext_rect 13 22 108 41 at 19 37 \"Tab\"\n" +
             separators},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tgrid_paint_owner owner;
        tvelmor_grid grid(&owner);
        setup_test_grid(grid, 2, 2, {100, 100});
        grid.enabled = c.enabled;
        tvelmor_theme_grid theme = coloured_theme(&tabs2);
        trecording_canvas canvas;
        int32_t font_tag = font_code_default;
        tabs2.control_paint(font_tag, canvas, grid, &theme, cell, u"Tab", c.row, c.col, font_code_default,
                            c.alignment, 2);
        EXPECT_EQ("brush_style solid\n" + c.expected, canvas.text());
    }
}

}  // namespace
