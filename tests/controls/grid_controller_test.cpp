// The grid controllers: what each key and click moves, what it redraws and what the handler
// hears, in that order.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/control_messages.h"
#include "controls/controllers.h"
#include "controls/dbgrid_datalink.h"
#include "controls/grid_controls.h"
#include "controls/recording_canvas.h"
#include "controls/theme.h"
#include "page_fixture.h"

namespace {

constexpr uint16_t key_tab = 9, key_enter = 13, key_pgup = 33, key_pgdn = 34, key_end = 35, key_home = 36,
                   key_left = 37, key_up = 38, key_right = 39, key_down = 40, key_a = 65;

// One log for redraws and messages, so that their order shows.
using tlog = std::vector<std::string>;

// Rows of 10 pixels and columns of 50 from the rectangle's corner; redraws go to the log.
class trecording_grid_renderer : public tvelmor_render_grid_generic {
public:
    explicit trecording_grid_renderer(tlog& alog) : flog(alog) {}
    void draw_row2(tvelmor_customgrid&, tvelmor_theme_grid_brief*, const trect&, int32_t arow1,
                   int32_t arow2) const override {
        flog.push_back("rows " + std::to_string(arow1) + " " + std::to_string(arow2));
    }
    void draw_rows(tvelmor_customgrid&, tvelmor_theme_grid_brief*, const trect&, int32_t arow_from) const override {
        flog.push_back("rows from " + std::to_string(arow_from));
    }
    void draw_cell2(tvelmor_customgrid&, tvelmor_theme_grid_brief*, const trect&, int32_t arow1, int32_t acol1,
                    int32_t arow2, int32_t acol2) const override {
        flog.push_back("cells " + std::to_string(arow1) + "," + std::to_string(acol1) + " " + std::to_string(arow2) +
                       "," + std::to_string(acol2));
    }
    bool get_pt_cell(int32_t& arow, int32_t& acol, const tvelmor_customgrid& acontrol, const trect& arect, int32_t ax,
                     int32_t ay) const override {
        if (ax < arect.left || ay < arect.top || ax > arect.right || ay > arect.bottom) return false;
        arow = acontrol.row_top + (ay - arect.top) / 10;
        acol = (ax - arect.left) / 50;
        return arow < acontrol.row_top + acontrol.row_count_visible && acol < acontrol.colcount;
    }

private:
    tlog& flog;
};

const trect grid_rect{0, 0, 150, 100};

// A handler with one grid of 25 rows, 10 shown, and three columns. The handler lets the cells
// of column 1 be chosen and uses Enter itself.
class GridController : public ::testing::Test {
protected:
    void SetUp() override {
        theme.classrender = &renderer;
        page.answer = [this](void* aparams, int32_t, int32_t amsg) {
            switch (amsg) {
            case tmsg_code::grid_moved:
                log.push_back("1101 " + std::to_string(static_cast<tmsg_params_grid_moved*>(aparams)->how));
                return false;
            case tmsg_code::grid_can_select: {
                const auto& cell = *static_cast<tmsg_params_cell*>(aparams);
                log.push_back("1102 " + std::to_string(cell.row) + "," + std::to_string(cell.col));
                return cell.col == 1;
            }
            case tmsg_code::grid_key_unused: {
                const auto& key = *static_cast<tmsg_params_key*>(aparams);
                log.push_back("1106 " + std::to_string(key.key) + " " + std::to_string(key.shift));
                return key.key == key_enter;
            }
            case tmsg_code::grid_controls_focus:
                log.push_back("1110 " +
                              std::to_string(static_cast<tmsg_params_grid_controls_focus*>(aparams)->event));
                return false;
            default: log.push_back(std::to_string(amsg)); return false;
            }
        };
    }
    void setup(tvelmor_customgrid& agrid, int32_t arow, int32_t arow_top, int32_t acol = 0,
               tvelmor_grid_options aoptions = {}) {
        agrid.set_colwidths({50, 50, 50});
        agrid.rowcount = 25;
        agrid.row_count_visible = 10;
        agrid.row = arow;
        agrid.row_top = arow_top;
        agrid.col = acol;
        agrid.grid_options = aoptions;
    }

    tlog log;
    trecording_grid_renderer renderer{log};
    tvelmor_theme_grid_brief theme;
    ttest_owner page;
};

struct tkey_case {
    const char* name;
    uint16_t key;
    tshift_state shift;
    int32_t row, row_top, col;  // before
    bool select_cell;
    bool used;
    tlog heard;
    int32_t row_after, row_top_after, col_after;
};

}  // namespace

TEST_F(GridController, EachKeyMovesRedrawsAndThenTellsTheHandler) {
    const std::vector<tkey_case> cases = {
        {"Down within the page", key_down, 0, 3, 0, 0, false, true, {"rows 4 3", "1101 0"}, 4, 0, 0},
        {"Down from the last row shown", key_down, 0, 9, 0, 0, false, true, {"rows from -1", "1101 0"}, 10, 10, 0},
        {"Down on the last row", key_down, 0, 24, 20, 0, false, true, {}, 24, 20, 0},
        {"Up within the page", key_up, 0, 13, 10, 0, false, true, {"rows 12 13", "1101 2"}, 12, 10, 0},
        {"Up from the first row shown", key_up, 0, 10, 10, 0, false, true, {"rows from -1", "1101 2"}, 9, 0, 0},
        {"Up on the first row", key_up, 0, 0, 0, 0, false, true, {}, 0, 0, 0},
        {"Page Down", key_pgdn, 0, 3, 0, 0, false, true, {"rows from -1", "1101 1"}, 13, 10, 0},
        {"Page Down on the last page", key_pgdn, 0, 21, 20, 0, false, true, {"rows 24 21", "1101 1"}, 24, 20, 0},
        {"Page Up", key_pgup, 0, 13, 10, 0, false, true, {"rows from -1", "1101 3"}, 3, 0, 0},
        {"Page Up on the first page", key_pgup, 0, 3, 0, 0, false, true, {"rows 0 3", "1101 3"}, 0, 0, 0},
        {"Ctrl+End", key_end, ss_ctrl, 3, 0, 0, false, true, {"rows from -1", "1101 255"}, 24, 20, 0},
        {"Ctrl+Shift+Home counts as Ctrl", key_home, ss_ctrl | ss_shift, 24, 20, 0, false, true,
         {"rows from -1", "1101 255"}, 0, 0, 0},
        {"End redraws the row without a message", key_end, 0, 3, 0, 0, false, true, {"rows 3 -1"}, 3, 0, 2},
        {"Home in the first column", key_home, 0, 3, 0, 0, false, true, {}, 3, 0, 0},
        {"Home", key_home, ss_shift, 3, 0, 2, false, true, {"rows 3 -1"}, 3, 0, 0},
        {"Right on a row grid does nothing", key_right, 0, 3, 0, 0, false, true, {}, 3, 0, 0},
        {"Left on a row grid does nothing", key_left, 0, 3, 0, 1, false, true, {}, 3, 0, 1},
        {"Right on a cell grid", key_right, 0, 3, 0, 0, true, true, {"cells 3,1 3,0", "1101 255"}, 3, 0, 1},
        {"Left at the first column", key_left, 0, 3, 0, 0, true, true, {}, 3, 0, 0},
        {"A key the handler uses", key_enter, ss_shift, 3, 0, 0, false, true, {"1106 13 1"}, 3, 0, 0},
        {"A key nobody uses", key_a, ss_ctrl, 3, 0, 0, false, false, {"1106 65 4"}, 3, 0, 0},
    };
    for (const tkey_case& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        tvelmor_grid grid(&page);
        setup(grid, c.row, c.row_top, c.col, c.select_cell ? tvelmor_grid_options{go_select_cell} : tvelmor_grid_options{});
        EXPECT_EQ(c.used, tvelmor_controller_grid::handle_keydown(grid, &theme, grid_rect, c.key, c.shift));
        EXPECT_EQ(c.heard, log);
        EXPECT_EQ(c.row_after, grid.row);
        EXPECT_EQ(c.row_top_after, grid.row_top);
        EXPECT_EQ(c.col_after, grid.col);
    }
}

TEST_F(GridController, AOneRowGridUsesCtrlHomeAndCtrlEndWithoutMoving) {
    tvelmor_grid grid(&page);
    setup(grid, 0, 0);
    grid.rowcount = 1;
    EXPECT_TRUE(tvelmor_controller_grid::handle_keydown(grid, &theme, grid_rect, key_end, ss_ctrl));
    EXPECT_TRUE(tvelmor_controller_grid::handle_keydown(grid, &theme, grid_rect, key_home, ss_ctrl));
    EXPECT_EQ(tlog{}, log);
}

TEST_F(GridController, AGridWithoutAGridThemeStillMovesAndTellsTheHandler) {
    tvelmor_grid grid(&page);
    setup(grid, 3, 0);
    EXPECT_TRUE(tvelmor_controller_grid::handle_keydown(grid, nullptr, grid_rect, key_down, 0));
    EXPECT_EQ(tlog{"1101 0"}, log);
    EXPECT_EQ(4, grid.row);
}

struct tclick_case {
    const char* name;
    int32_t x, y;
    tvelmor_grid_options options;
    int32_t rowcount;
    bool used;
    tlog heard;
    int32_t row_after, col_after;
};

TEST_F(GridController, AClickChoosesTheRowOrCellUnderThePointer) {
    const tvelmor_grid_options cells{go_select_cell};
    const tvelmor_grid_options asked{go_select_cell, go_can_select_cell};
    // The cursor is on (3, 0) before each click.
    const std::vector<tclick_case> cases = {
        {"a row", 120, 55, {}, 25, true, {"rows 5 3", "1101 255"}, 5, 0},
        {"the current row", 10, 35, {}, 25, false, {}, 3, 0},
        {"an empty slot below the last row", 10, 55, {}, 4, false, {}, 3, 0},
        {"outside the grid", 10, 150, {}, 25, false, {}, 3, 0},
        {"a cell", 60, 55, cells, 25, true, {"cells 5,1 3,0", "1101 4"}, 5, 1},
        {"the current cell", 10, 35, cells, 25, false, {}, 3, 0},
        {"a cell the handler allows", 60, 55, asked, 25, true, {"1102 5,1", "cells 5,1 3,0", "1101 4"}, 5, 1},
        {"a cell the handler refuses", 110, 55, asked, 25, false, {"1102 5,2"}, 3, 0},
        {"an empty cell is not offered", 60, 55, asked, 4, false, {}, 3, 0},
    };
    for (const tclick_case& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        tvelmor_grid grid(&page);
        setup(grid, 3, 0, 0, c.options);
        grid.rowcount = c.rowcount;
        EXPECT_EQ(c.used, tvelmor_controller_grid::handle_mousedown(grid, &theme, grid_rect, c.x, c.y));
        EXPECT_EQ(c.heard, log);
        EXPECT_EQ(c.row_after, grid.row);
        EXPECT_EQ(c.col_after, grid.col);
    }
}

TEST_F(GridController, AGridOfControlsHandsTabAndEnterToItsHandler) {
    struct tcase {
        const char* name;
        uint16_t key;
        tshift_state shift;
        bool used;
        tlog heard;
    };
    const std::vector<tcase> cases = {
        {"Tab", key_tab, 0, true, {"1110 2"}},
        {"Enter", key_enter, 0, true, {"1110 2"}},
        {"Shift+Tab", key_tab, ss_shift, true, {"1110 1"}},
        {"Shift+Enter", key_enter, ss_shift, false, {}},
        {"Ctrl+Tab", key_tab, ss_ctrl, false, {}},
        {"Ctrl+Shift+Tab", key_tab, ss_ctrl | ss_shift, false, {}},
        {"Down", key_down, 0, false, {}},
    };
    tvelmor_grid_controls grid(&page);
    setup(grid, 3, 0);
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        EXPECT_EQ(c.used, tvelmor_controller_grid_controls::handle_keydown(grid, &theme, grid_rect, c.key, c.shift));
        EXPECT_EQ(c.heard, log);
        EXPECT_EQ(3, grid.row);
    }
    grid.set_focused(true);
    grid.set_focused(false);
    EXPECT_EQ((tlog{"1110 0", "1110 0"}), log);
}

TEST_F(GridController, SettingTheFocusCellShowsItsPageAndRedrawsWhatChanged) {
    struct tcase {
        const char* name;
        int32_t row, col;
        tlog heard;
        int32_t row_top_after;
    };
    // The cursor is on (3, 0) of the first page before each call.
    const std::vector<tcase> cases = {
        {"another column", 3, 2, {"cells 3,2 3,0"}, 0},
        {"another row", 5, 0, {"cells 5,0 3,0"}, 0},
        {"another row and column", 5, 1, {"cells 5,1 3,0"}, 0},
        {"a cell on another page", 17, 1, {"rows from -1"}, 10},
        {"the current cell", 3, 0, {}, 0},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        tvelmor_grid_controls grid(&page);
        setup(grid, 3, 0);
        tvelmor_controller_grid_controls::set_focus_cell(grid, &theme, grid_rect, c.row, c.col);
        EXPECT_EQ(c.heard, log);
        EXPECT_EQ(c.row, grid.row);
        EXPECT_EQ(c.col, grid.col);
        EXPECT_EQ(c.row_top_after, grid.row_top);
    }
}

namespace {

// A data set of a fixed number of records.
class tfake_datalink : public idbgrid_datalink {
public:
    explicit tfake_datalink(int32_t acount) : fcount(acount) {}
    int32_t move_by(int32_t adistance) override {
        fcurrent = std::clamp(fcurrent + adistance, 0, fcount - 1);
        return fcurrent;
    }
    int32_t move_first() override { return fcurrent = 0; }
    int32_t fcount;
    int32_t fcurrent = 0;
};

}  // namespace

TEST_F(GridController, ADataGridFollowsItsDataSetsCurrentRecord) {
    struct tcase {
        const char* name;
        uint16_t key;
        tshift_state shift;
        int32_t record, row_top;  // before
        bool used;
        tlog heard;
        int32_t row_after, row_top_after;
    };
    const std::vector<tcase> cases = {
        {"Down within the rows shown", key_down, 0, 3, 0, true, {"rows 4 3", "1101 255"}, 4, 0},
        {"Down past the last row shown scrolls by one", key_down, 0, 9, 0, true, {"rows from -1", "1101 255"}, 10, 1},
        {"Up above the first row shown", key_up, 0, 5, 5, true, {"rows from -1", "1101 255"}, 4, 4},
        {"Down on the last record", key_down, 0, 24, 15, true, {}, 24, 15},
        {"Page Down", key_pgdn, 0, 3, 0, true, {"rows from -1", "1101 255"}, 13, 4},
        {"Page Up within the rows shown", key_pgup, 0, 15, 5, true, {"rows from -1", "1101 255"}, 5, 5},
        {"Page Up stops at the first record", key_pgup, 0, 4, 0, true, {"rows from -1", "1101 255"}, 0, 0},
        {"Page Up on the first record", key_pgup, 0, 0, 0, true, {}, 0, 0},
        {"Ctrl+Home on the first page", key_home, ss_ctrl, 6, 0, true, {"rows 0 6", "1101 255"}, 0, 0},
        {"Ctrl+Home", key_home, ss_ctrl, 16, 10, true, {"rows from -1", "1101 255"}, 0, 0},
        {"Home alone", key_home, 0, 16, 10, true, {}, 16, 10},
        {"Ctrl+Shift+Home", key_home, ss_ctrl | ss_shift, 16, 10, true, {}, 16, 10},
        {"Other keys", key_enter, 0, 16, 10, false, {}, 16, 10},
    };
    trecording_canvas canvas;
    int32_t font_tag = 0;
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        tfake_datalink data(25);
        data.fcurrent = c.record;
        tvelmor_dbgrid grid(&page);
        setup(grid, c.record, c.row_top);
        grid.datalink = &data;
        EXPECT_EQ(c.used, tvelmor_controller_dbgrid::handle_keydown(canvas, font_tag, grid, &theme, grid_rect, c.key,
                                                                    c.shift));
        EXPECT_EQ(c.heard, log);
        EXPECT_EQ(c.row_after, grid.row);
        EXPECT_EQ(c.row_top_after, grid.row_top);
    }
}
