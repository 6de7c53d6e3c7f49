// How the grid controls hand their cells to the handler's painters: which painter, which cells,
// which rectangles, and the empty area below the last row.
#include <gtest/gtest.h>

#include <algorithm>

#include "controls/grid_renderers.h"
#include "grid_paint_owner.h"

namespace {

const trect area{12, 22, 412, 224};  // a 400-pixel-wide row area with ten 20-pixel rows

int32_t count_empty_passes(const std::vector<std::string>& acells) {
    return static_cast<int32_t>(
        std::count_if(acells.begin(), acells.end(), [](const std::string& s) { return s.find("-1,-1") != s.npos; }));
}

TEST(GridDraw, RowsArePaintedColumnByColumnAndTheEmptyAreaIsPassedOnceAfterTheFirstColumn) {
    tgrid_paint_owner owner;
    tvelmor_grid grid(&owner);
    setup_test_grid(grid, 3, 10, {-50, 100});
    grid.draw_rows(nullptr, area, -1);
    const std::vector<std::string> expected = {
        "paint 0,0 (12 22 211 41)",  "paint 1,0 (12 42 211 61)",  "paint 2,0 (12 62 211 81)",
        "paint -1,-1 (12 82 412 224)", "paint 0,1 (212 22 311 41)", "paint 1,1 (212 42 311 61)",
        "paint 2,1 (212 62 311 81)",
    };
    EXPECT_EQ(expected, owner.cells);
}

TEST(GridDraw, TheEmptyAreaIsPassedOnlyWhenAVisibleSlotHoldsNoRow) {
    struct tcase {
        const char* name;
        int32_t rowcount;
        int32_t row_top;
        std::vector<std::string> empty;
    };
    const tcase cases[] = {
        {"3 of 10", 3, 0, {"paint -1,-1 (12 82 412 224)"}},
        {"9 of 10", 9, 0, {"paint -1,-1 (12 202 412 224)"}},
        {"10 of 10", 10, 0, {}},
        {"last page of 25 holds 5", 25, 20, {"paint -1,-1 (12 122 412 224)"}},
        {"no rows", 0, 0, {"paint -1,-1 (12 22 412 224)"}},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tgrid_paint_owner owner;
        tvelmor_grid grid(&owner);
        setup_test_grid(grid, c.rowcount, 10, {100, 100});
        grid.row_top = c.row_top;
        grid.draw_rows(nullptr, area, -1);
        std::vector<std::string> empty;
        std::copy_if(owner.cells.begin(), owner.cells.end(), std::back_inserter(empty),
                     [](const std::string& s) { return s.find("-1,-1") != s.npos; });
        EXPECT_EQ(c.empty, empty);
        EXPECT_EQ(2 * (std::min(c.rowcount, c.row_top + 10) - c.row_top) + count_empty_passes(owner.cells),
                  static_cast<int32_t>(owner.cells.size()));
    }
}

TEST(GridDraw, TheDefaultPainterServesOnlyAGridWithAHeaderThatAsksForIt) {
    struct tcase {
        const char* name;
        int32_t header;
        bool header_draw;
        const char* painter;
    };
    const tcase cases[] = {
        {"header and header_draw", 7, true, "default"},
        {"header without header_draw", 7, false, "paint"},
        {"header_draw without header", 0, true, "paint"},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tgrid_paint_owner owner;
        tvelmor_grid grid(&owner);
        setup_test_grid(grid, 1, 2, {100});
        grid.header = c.header;
        grid.header_draw = c.header_draw;
        grid.draw_rows(nullptr, area, -1);
        grid.draw_row(nullptr, area, -1, 0);
        const std::string p = c.painter;
        EXPECT_EQ((std::vector<std::string>{p + " 0,0 (12 22 111 41)", p + " -1,-1 (12 42 412 224)",
                                            p + " 0,0 (12 22 111 41)"}),
                  owner.cells);
    }
}

TEST(GridDraw, DrawingFromARowPaintsThatRowToTheLastShownAndNeverAboveTheFirstShown) {
    struct tcase {
        const char* name;
        int32_t row_from;
        std::vector<std::string> expected;
    };
    const tcase cases[] = {
        {"from row 13", 13, {"paint 13,0 (12 82 111 101)", "paint 14,0 (12 102 111 121)"}},
        {"from above the page", 2,
         {"paint 10,0 (12 22 111 41)", "paint 11,0 (12 42 111 61)", "paint 12,0 (12 62 111 81)",
          "paint 13,0 (12 82 111 101)", "paint 14,0 (12 102 111 121)"}},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tgrid_paint_owner owner;
        tvelmor_grid grid(&owner);
        setup_test_grid(grid, 15, 10, {100});
        grid.row_top = 10;
        grid.draw_rows(nullptr, area, c.row_from);
        std::vector<std::string> expected = c.expected;
        expected.push_back("paint -1,-1 (12 122 412 224)");
        EXPECT_EQ(expected, owner.cells);
    }
}

TEST(GridDraw, ARowIsPaintedOnlyWhileShownAndOnlyInColumnsThatStartInsideTheArea) {
    struct tcase {
        const char* name;
        int32_t col;
        int32_t row;
        std::vector<std::string> expected;
    };
    // Column 2 starts at 412 + 1, right of the area.
    const tcase cases[] = {
        {"whole row", -1, 4, {"paint 4,0 (12 102 211 121)", "paint 4,1 (212 102 411 121)"}},
        {"one column", 1, 4, {"paint 4,1 (212 102 411 121)"}},
        {"column past the right edge", 2, 4, {}},
        {"column outside the grid", 3, 4, {}},
        {"row below the rows", -1, 6, {}},
        {"row -1", -1, -1, {}},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tgrid_paint_owner owner;
        tvelmor_grid grid(&owner);
        setup_test_grid(grid, 6, 10, {-50, 201, 50, 50});
        grid.draw_row(nullptr, area, c.col, c.row);
        EXPECT_EQ(c.expected, owner.cells);
    }
}

TEST(GridDraw, AGridOfControlsIsAlwaysPaintedByTheHandlerFromTheFirstRowShown) {
    tgrid_paint_owner owner;
    tvelmor_grid_controls grid(&owner);
    setup_test_grid(grid, 4, 3, {100});
    grid.header = 7;
    grid.header_draw = true;
    grid.row_top = 3;
    grid.draw_rows(nullptr, area, 5);
    grid.draw_row(nullptr, area, -1, 3);
    EXPECT_EQ((std::vector<std::string>{"paint 3,0 (12 22 111 41)", "paint -1,-1 (12 42 412 224)",
                                        "paint 3,0 (12 22 111 41)"}),
              owner.cells);
}

TEST(GridDraw, ADataGridIsPaintedLikeAListGrid) {
    tgrid_paint_owner owner;
    tvelmor_dbgrid grid(&owner);
    setup_test_grid(grid, 3, 2, {100});
    grid.header = 7;
    grid.header_draw = true;
    grid.draw_rows(nullptr, area, 1);
    grid.draw_row(nullptr, area, 0, 0);
    EXPECT_EQ((std::vector<std::string>{"default 1,0 (12 42 111 61)", "default 0,0 (12 22 111 41)"}), owner.cells);
    EXPECT_EQ((trect{12, 42, 111, 61}), grid.translate_draw_row_cellrect(nullptr, area, 1, 0));
}

TEST(GridDraw, AGridWithoutAnOwnerDrawsNothing) {
    tvelmor_grid grid(nullptr);
    setup_test_grid(grid, 3, 10, {100});
    tvelmor_grid_controls controls(nullptr);
    setup_test_grid(controls, 3, 10, {100});
    EXPECT_NO_THROW(grid.draw_rows(nullptr, area, -1));
    EXPECT_NO_THROW(grid.draw_row(nullptr, area, -1, 0));
    EXPECT_NO_THROW(controls.draw_rows(nullptr, area, -1));
}

TEST(GridDraw, CellRectanglesFollowTheThemeRenderersGap) {
    const tvelmor_render_grid_tabs tabs;
    tvelmor_theme_grid theme;
    theme.classrender = &tabs;
    tgrid_paint_owner owner;
    tvelmor_grid grid(&owner);
    setup_test_grid(grid, 20, 10, {-50, 300});
    grid.row_top = 10;
    EXPECT_EQ((trect{12, 62, 207, 81}), grid.translate_draw_row_cellrect(&theme, area, 12, 0));
    EXPECT_EQ((trect{212, 62, 411, 81}), grid.translate_draw_row_cellrect(&theme, area, 12, 1));
    EXPECT_EQ((trect{12, 62, 211, 81}), grid.translate_draw_row_cellrect(nullptr, area, 12, 0));
    tvelmor_grid_controls controls(&owner);
    setup_test_grid(controls, 20, 10, {-50, 300});
    EXPECT_EQ((trect{12, 22, 207, 41}), controls.translate_draw_row_cellrect(&theme, area, 0, 0));
}

}  // namespace
