// The grids' cursor moves. A grid pages through its rows: row_top jumps by whole pages of
// row_count_visible rows, and every change of row_top is passed on to the coupled scroll bar.
//
// Besides the page rules of each move, one rule holds for all of them: a move never leaves the
// cursor off the rows shown. When the visible row count changed after a layout, row_top may no
// longer sit on a page boundary and a move by the plain rules could land outside the page; the
// page that holds the cursor is then shown (and reported as gm_page_changed, so it is redrawn).
#include <algorithm>

#include "controls/grid_controls.h"
#include "controls/grid_scrollbar.h"

namespace {

// The first row of the page that holds arow (avisible > 0).
int32_t page_start(int32_t arow, int32_t avisible) { return arow - arow % avisible; }

bool row_shown(const tvelmor_customgrid& agrid, int32_t arow) {
    return arow >= agrid.row_top && arow < agrid.row_top + agrid.row_count_visible;
}

// The result of a row move, once the cursor is on a shown row: the page changed when row_top
// did, or when the move's own rule asks for a full redraw (as_whole_page).
tgrid_move_type settle_row_move(tvelmor_customgrid& agrid, int32_t aold_top, bool as_whole_page) {
    if (agrid.row_count_visible > 0 && !row_shown(agrid, agrid.row))
        agrid.row_top = page_start(agrid.row, agrid.row_count_visible);
    if (agrid.row_top == aold_top) return as_whole_page ? gm_page_changed : gm_row_changed;
    send_grid_toprow(agrid);
    return gm_page_changed;
}

}  // namespace

void tvelmor_customgrid::notify_scrollbar() { send_grid_toprow(*this); }

int16_t tvelmor_customgrid::col_first(bool as_last) {
    if (colcount < 2) return 0;
    if (!as_last && col > 0) {
        col = 0;
        return 1;
    }
    if (as_last && col < colcount - 1) {
        col = colcount - 1;
        return 1;
    }
    return 0;
}

// Home: the first row; the page changes unless the cursor was on the first page.
// End: the last row, on the page that holds it; the page changes unless the last row was shown.
tgrid_move_type tvelmor_customgrid::row_first(bool as_last) {
    const int32_t n = rowcount, v = row_count_visible, old_top = row_top;
    if (n <= 1) return gm_none;
    if (!as_last) {
        if (row <= 0) return gm_none;
        const bool whole_page = row >= v;
        row = 0;
        row_top = 0;
        return settle_row_move(*this, old_top, whole_page);
    }
    if (row >= n - 1) return gm_none;
    row = n - 1;
    // Without a visible row there are no pages to align to: row_top stays.
    if (v > 0) row_top = page_start(row, v);
    return settle_row_move(*this, old_top, n >= old_top + v);
}

// Page Down: one page on, cursor and first row together; within the last page, to the last row.
// Page Up mirrors it; row_top never goes below 0 (it may be off a page boundary after a layout).
tgrid_move_type tvelmor_customgrid::row_pagedown(bool as_pageup) {
    const int32_t n = rowcount, v = row_count_visible, old_top = row_top;
    // Without a visible row a page is no rows: nothing can move.
    if (v <= 0) return gm_none;
    if (!as_pageup) {
        if (row >= n - v) {
            if (row >= n - 1) return gm_none;
            row = n - 1;
            return settle_row_move(*this, old_top, false);
        }
        row += v;
        row_top += v;
        return settle_row_move(*this, old_top, true);
    }
    if (row <= v - 1) {
        if (row <= 0) return gm_none;
        row = 0;
        return settle_row_move(*this, old_top, false);
    }
    row -= v;
    row_top = std::max(0, row_top - v);
    return settle_row_move(*this, old_top, true);
}

// Down within the page moves the cursor; from the last row shown it opens the next page.
// Up mirrors it; from the first row shown it opens the previous page.
tgrid_move_type tvelmor_customgrid::row_increment(bool as_decrement) {
    const int32_t n = rowcount, v = row_count_visible, old_top = row_top;
    if (!as_decrement) {
        if (row >= n - 1) return gm_none;
        if (row < row_top + v - 1) {
            ++row;
            return settle_row_move(*this, old_top, false);
        }
        ++row;
        row_top += v;
        return settle_row_move(*this, old_top, true);
    }
    if (row_top < row) {
        --row;
        return settle_row_move(*this, old_top, false);
    }
    if (row <= 0 || row_top <= 0) return gm_none;
    --row;
    row_top = row_top < v ? 0 : row_top - v;
    return settle_row_move(*this, old_top, true);
}

bool tvelmor_customgrid::col_increment(bool as_decrement) {
    const int32_t target = as_decrement ? col - 1 : col + 1;
    if (target < 0 || target >= colcount) return false;
    col = target;
    return true;
}

// Any row, shown on the page that holds it.
tgrid_move_type tvelmor_customgrid::row_setfull(int32_t avalue) {
    if (avalue == row || avalue < 0 || avalue >= rowcount) return gm_none;
    const int32_t old_top = row_top;
    row = avalue;
    if (row_count_visible > 0) row_top = page_start(avalue, row_count_visible);
    if (row_top == old_top) return gm_row_changed;
    notify_scrollbar();
    return gm_page_changed;
}

// A shown row that holds data (a click on an empty slot below the last row chooses nothing).
bool tvelmor_customgrid::row_setsimple(int32_t avalue) {
    if (avalue == row || !row_shown(*this, avalue) || avalue >= rowcount) return false;
    row = avalue;
    return true;
}

bool tvelmor_customgrid::cell_setsimple(int32_t arow, int32_t acol) {
    if (!row_shown(*this, arow) || arow >= rowcount || acol < 0 || acol >= colcount) return false;
    if (arow == row && acol == col) return false;
    row = arow;
    col = acol;
    return true;
}
