// The grids' cursor moves: paging, the moves that cannot happen, the cursor always on a shown
// row, and the scroll bar that follows the first row shown.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/grid_controls.h"
#include "controls/recording_canvas.h"
#include "controls/surface.h"
#include "controls/theme.h"
#include "page_fixture.h"

namespace {

struct tgrid_state {
    int32_t rowcount = 25;
    int32_t visible = 10;
    int32_t row = 0;
    int32_t row_top = 0;
    int32_t colcount = 1;
    int32_t col = 0;
};

void set_state(tvelmor_customgrid& agrid, const tgrid_state& astate) {
    agrid.rowcount = astate.rowcount;
    agrid.row_count_visible = astate.visible;
    agrid.row = astate.row;
    agrid.row_top = astate.row_top;
    agrid.set_colwidths(std::vector<int32_t>(static_cast<size_t>(astate.colcount), 40));
    agrid.col = astate.col;
}

using tmove = std::function<int(tvelmor_customgrid&)>;

// The moves as the keys call them; the result as an int so that every move fits one table.
const tmove key_down = [](tvelmor_customgrid& g) { return g.row_increment(false); };
const tmove key_up = [](tvelmor_customgrid& g) { return g.row_increment(true); };
const tmove key_pagedown = [](tvelmor_customgrid& g) { return g.row_pagedown(false); };
const tmove key_pageup = [](tvelmor_customgrid& g) { return g.row_pagedown(true); };
const tmove key_ctrl_home = [](tvelmor_customgrid& g) { return g.row_first(false); };
const tmove key_ctrl_end = [](tvelmor_customgrid& g) { return g.row_first(true); };
tmove setfull(int32_t avalue) {
    return [avalue](tvelmor_customgrid& g) { return g.row_setfull(avalue); };
}

struct tstep {
    const char* name;
    tmove move;
    int result;
    int32_t row;
    int32_t row_top;
};

void run_steps(tvelmor_customgrid& agrid, const std::vector<tstep>& asteps) {
    for (const tstep& step : asteps) {
        SCOPED_TRACE(step.name);
        EXPECT_EQ(step.result, step.move(agrid));
        EXPECT_EQ(step.row, agrid.row);
        EXPECT_EQ(step.row_top, agrid.row_top);
    }
}

}  // namespace

TEST(GridMoves, TheCursorPagesThroughTwentyFiveRowsTenAtATime) {
    tvelmor_grid grid(nullptr);
    set_state(grid, {.row = 9});
    run_steps(grid, {
                        {"Down from the last row shown opens the next page", key_down, gm_page_changed, 10, 10},
                        {"Page Down keeps the cursor's place on the page", key_pagedown, gm_page_changed, 20, 20},
                        {"Page Down on the last page goes to the last row", key_pagedown, gm_row_changed, 24, 20},
                        {"Page Down on the last row does nothing", key_pagedown, gm_none, 24, 20},
                        {"Ctrl+Home goes back to the top", key_ctrl_home, gm_page_changed, 0, 0},
                        {"Ctrl+Home on the first row does nothing", key_ctrl_home, gm_none, 0, 0},
                        {"Up on the first row does nothing", key_up, gm_none, 0, 0},
                        {"Page Up on the first row does nothing", key_pageup, gm_none, 0, 0},
                        {"Ctrl+End shows the last page", key_ctrl_end, gm_page_changed, 24, 20},
                        {"Up within the page", key_up, gm_row_changed, 23, 20},
                        {"Up from the first row shown opens the previous page", setfull(20), gm_row_changed, 20, 20},
                        {"", key_up, gm_page_changed, 19, 10},
                        {"Page Up", key_pageup, gm_page_changed, 9, 0},
                        {"Page Up on the first page goes to row 0", key_pageup, gm_row_changed, 0, 0},
                        {"Ctrl+End from the last page moves within it", setfull(21), gm_page_changed, 21, 20},
                        {"", key_ctrl_end, gm_row_changed, 24, 20},
                        {"Down on the last row does nothing", key_down, gm_none, 24, 20},
                        {"A far row is shown on the page that holds it", setfull(17), gm_page_changed, 17, 10},
                        {"A row on the same page moves only the cursor", setfull(12), gm_row_changed, 12, 10},
                    });
}

TEST(GridMoves, MovesThatCannotHappenChangeNothing) {
    struct tcase {
        const char* name;
        tgrid_state state;
        tmove move;
    };
    const std::vector<tcase> cases = {
        {"Ctrl+End on a one-row grid", {.rowcount = 1, .visible = 10}, key_ctrl_end},
        {"Ctrl+Home on a one-row grid", {.rowcount = 1, .visible = 10}, key_ctrl_home},
        {"Down on an empty grid", {.rowcount = 0}, key_down},
        {"Page Down on an empty grid", {.rowcount = 0}, key_pagedown},
        {"Page Down without a visible row", {.visible = 0, .row = 3}, key_pagedown},
        {"Page Up without a visible row", {.visible = 0, .row = 3}, key_pageup},
        {"setfull to the current row", {.row = 4}, setfull(4)},
        {"setfull to a negative row", {.row = 4}, setfull(-1)},
        {"setfull past the last row", {.row = 4}, setfull(25)},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tvelmor_grid grid(nullptr);
        set_state(grid, c.state);
        EXPECT_EQ(gm_none, c.move(grid));
        EXPECT_EQ(c.state.row, grid.row);
        EXPECT_EQ(c.state.row_top, grid.row_top);
    }
}

TEST(GridMoves, AfterTheVisibleRowCountChangedTheCursorStaysOnAShownRow) {
    tvelmor_grid grid(nullptr);
    // Ten visible rows after a layout that left the first row shown at 5.
    set_state(grid, {.rowcount = 40, .row = 12, .row_top = 5});
    run_steps(grid, {{"Page Up stops the first row shown at 0", key_pageup, gm_page_changed, 2, 0}});
    set_state(grid, {.rowcount = 40, .row = 9, .row_top = 5});
    run_steps(grid, {{"Page Up to row 0 shows row 0", key_pageup, gm_page_changed, 0, 0}});
    set_state(grid, {.rowcount = 40, .row = 8, .row_top = 5});
    run_steps(grid, {{"Ctrl+Home from the first rows shows row 0", key_ctrl_home, gm_page_changed, 0, 0}});
    set_state(grid, {.rowcount = 12, .row = 5});
    run_steps(grid, {{"Page Down to a last row beyond the page shows it", key_pagedown, gm_page_changed, 11, 10}});
    set_state(grid, {.rowcount = 40, .visible = 0, .row = 3, .row_top = 0});
    run_steps(grid, {{"Without a visible row setfull keeps the first row shown", setfull(17), gm_row_changed, 17, 0}});
}

TEST(GridMoves, SimpleSetsTakeOnlyShownRowsThatHoldData) {
    struct tcase {
        const char* name;
        int32_t row;
        int32_t col;
        bool row_taken;
        bool cell_taken;
    };
    // Rows 10 to 19 shown of 14 rows, the cursor on (12, 1) of three columns.
    const std::vector<tcase> cases = {
        {"another shown row", 13, 1, true, true},
        {"another column of the current row", 12, 2, false, true},
        {"the current cell", 12, 1, false, false},
        {"a row above the page", 9, 1, false, false},
        {"an empty slot below the last row", 15, 1, false, false},
        {"a row below the page", 21, 1, false, false},
        {"a column left of the first", 13, -1, true, false},
        {"a column right of the last", 13, 3, true, false},
    };
    for (const tcase& c : cases) {
        SCOPED_TRACE(c.name);
        tvelmor_grid grid(nullptr);
        set_state(grid, {.rowcount = 14, .row = 12, .row_top = 10, .colcount = 3, .col = 1});
        EXPECT_EQ(c.row_taken, grid.row_setsimple(c.row));
        EXPECT_EQ(c.row_taken ? c.row : 12, grid.row);
        set_state(grid, {.rowcount = 14, .row = 12, .row_top = 10, .colcount = 3, .col = 1});
        EXPECT_EQ(c.cell_taken, grid.cell_setsimple(c.row, c.col));
        EXPECT_EQ(c.cell_taken ? c.row : 12, grid.row);
        EXPECT_EQ(c.cell_taken ? c.col : 1, grid.col);
    }
}

TEST(GridMoves, ColumnMovesStopAtTheEdges) {
    tvelmor_grid grid(nullptr);
    set_state(grid, {.colcount = 3, .col = 1});
    EXPECT_TRUE(grid.col_increment(false));
    EXPECT_FALSE(grid.col_increment(false));
    EXPECT_EQ(2, grid.col);
    EXPECT_EQ(1, grid.col_first(false));
    EXPECT_EQ(0, grid.col_first(false));
    EXPECT_FALSE(grid.col_increment(true));
    EXPECT_EQ(1, grid.col_first(true));
    EXPECT_EQ(2, grid.col);
    set_state(grid, {.colcount = 1});
    EXPECT_EQ(0, grid.col_first(true));
    EXPECT_FALSE(grid.col_increment(false));
    EXPECT_EQ(0, grid.col);
}

namespace {

// Notes the thumb moves a scroll bar asks its renderer to draw.
class tthumb_renderer : public tvelmor_render_scrollbar_generic {
public:
    void redraw_scrollbar_position(tcanvas&, const trect&, int32_t arange, int32_t aposition1,
                                   int32_t aposition2) const override {
        moves.push_back(std::to_string(arange) + ": " + std::to_string(aposition1) + "->" + std::to_string(aposition2));
    }
    mutable std::vector<std::string> moves;
};

class tcanvas_surface : public tgraphbox_generic {
public:
    tcanvas* get_canvas() override { return &canvas; }
    trecording_canvas canvas;
};

// A page with grid 101 coupled to scroll bar 102 (theme 901), laid out by the handler.
class GridScrollBar : public ::testing::Test {
protected:
    void SetUp() override {
        add_test_panel(page.controls, 2101)->calculated_viewports = true;
        auto theme = std::make_unique<tvelmor_theme_scrollbar>();
        theme->tag_theme = 901;
        theme->classrender = &thumbs;
        page.controls.add_element(std::move(theme));
        page.controls.finish_adds(1);
        grid = add_test_control<tvelmor_grid>(page, 101, 2101);
        grid->tag_scrollbar = 102;
        bar = add_test_control<tvelmor_scrollbar>(page, 102, 2101, 901);
        page.controls.finish_adds(2);
        page.surface = &surface;
        page.answer = [](void* aparams, int32_t, int32_t amsg) {
            if (amsg == tmsg_code::control_rect) *static_cast<trect*>(aparams) = trect{300, 0, 316, 200};
            return true;
        };
        grid->set_rowcount(25);
        grid->row_count_visible = 10;
    }
    // The messages the handler heard, the layout questions left out.
    std::vector<tsent_message> heard() const {
        std::vector<tsent_message> out;
        for (const tsent_message& m : page.messages)
            if (m.msg != tmsg_code::control_rect) out.push_back(m);
        return out;
    }

    ttest_owner page;
    tthumb_renderer thumbs;
    tcanvas_surface surface;
    tvelmor_grid* grid = nullptr;
    tvelmor_scrollbar* bar = nullptr;
};

}  // namespace

TEST_F(GridScrollBar, TheThumbFollowsEveryChangeOfTheFirstRowShown) {
    EXPECT_EQ(25, bar->range);
    EXPECT_EQ(gm_page_changed, grid->row_setfull(17));
    EXPECT_EQ(10, bar->position);
    EXPECT_EQ(gm_row_changed, grid->row_increment(false));  // within the page: the thumb stays
    EXPECT_EQ(gm_page_changed, grid->row_pagedown(false));  // to the last row, on the next page
    EXPECT_EQ(gm_page_changed, grid->row_first(false));
    EXPECT_EQ(gm_page_changed, grid->row_first(true));
    EXPECT_EQ(gm_page_changed, grid->row_pagedown(true));
    EXPECT_EQ((std::vector<std::string>{"25: 0->10", "25: 10->20", "25: 20->0", "25: 0->20", "25: 20->10"}),
              thumbs.moves);
    EXPECT_EQ(10, bar->position);
    EXPECT_TRUE(heard().empty());  // the scroll bar keeps 1112 to itself
}

TEST_F(GridScrollBar, AGridWhoseScrollBarIsMissingStillMoves) {
    grid->tag_scrollbar = 150;
    grid->set_rowcount(30);
    EXPECT_EQ(25, bar->range);
    EXPECT_EQ(gm_page_changed, grid->row_setfull(17));
    EXPECT_TRUE(thumbs.moves.empty());
}
