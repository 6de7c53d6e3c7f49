// Keys and clicks of the grids: the list grid's cursor keys and mouse choice, the grid of
// controls' Tab and Enter, and the data-bound grid's record moves.
//
// List grid keys (key-down only; every key listed is used, moved or not):
//   Page Up / Page Down    row_pagedown          redraw by result, 1101 with 3 / 1
//   Ctrl+Home / Ctrl+End   row_first             redraw by result, 1101 with 255
//   Home / End             col_first             the current row when the column changed
//   Up / Down              row_increment         redraw by result, 1101 with 2 / 0
//   Left / Right           col_increment         cell grids only: draw_cell2, 1101 with 255
// "By result": a row move redraws the new and the old row, a page move every row, and only then
// is 1101 sent. Any other key goes to the handler as 1106, whose answer is the key's result.
#include "controls/controllers.h"

#include "controls/control_messages.h"
#include "controls/dbgrid_datalink.h"
#include "controls/grid_controls.h"
#include "controls/grid_scrollbar.h"
#include "controls/theme.h"

namespace {

// The redraws a move asks of the grid renderer of the grid's theme. A grid without a grid theme
// cannot be drawn at all (drawing it reports the missing theme), so there is nothing to redraw.
class tgrid_redraw {
public:
    tgrid_redraw(tvelmor_customgrid& agrid, tvelmor_theme* atheme, const trect& arect)
        : fgrid(agrid), ftheme(dynamic_cast<tvelmor_theme_grid_brief*>(atheme)), frect(arect) {}

    void rows(int32_t arow_new, int32_t arow_old) {
        if (ready()) ftheme->classrender->draw_row2(fgrid, ftheme, frect, arow_new, arow_old);
    }
    void all_rows() {
        if (ready()) ftheme->classrender->draw_rows(fgrid, ftheme, frect, -1);
    }
    void cells(int32_t arow_old, int32_t acol_old) {
        if (ready()) ftheme->classrender->draw_cell2(fgrid, ftheme, frect, fgrid.row, fgrid.col, arow_old, acol_old);
    }
    // After a row move from arow_old: redraw by the result, then tell the handler how it moved.
    void after_row_move(tgrid_move_type amove, int32_t arow_old, tmsg_grid_move ahow) {
        if (amove == gm_none) return;
        if (amove == gm_row_changed)
            rows(fgrid.row, arow_old);
        else
            all_rows();
        send_moved(ahow);
    }
    void send_moved(tmsg_grid_move ahow) {
        tmsg_params_grid_moved params{ahow};
        fgrid.send_message(&params, tmsg_code::grid_moved);
    }

private:
    bool ready() const { return ftheme && ftheme->classrender; }

    tvelmor_customgrid& fgrid;
    tvelmor_theme_grid_brief* ftheme;
    trect frect;
};

bool has_ctrl(tshift_state ashift) { return (ashift & ss_ctrl) != 0; }

}  // namespace

bool tvelmor_controller_grid::handle_keydown(tvelmor_customgrid& acontrol, tvelmor_theme* atheme, const trect& arect,
                                             uint16_t akey, tshift_state ashift) {
    tgrid_redraw redraw(acontrol, atheme, arect);
    const int32_t old_row = acontrol.row, old_col = acontrol.col;
    switch (akey) {
    case tvk::prior: redraw.after_row_move(acontrol.row_pagedown(true), old_row, gmv_page_up); return true;
    case tvk::next: redraw.after_row_move(acontrol.row_pagedown(false), old_row, gmv_page_down); return true;
    case tvk::up: redraw.after_row_move(acontrol.row_increment(true), old_row, gmv_row_up); return true;
    case tvk::down: redraw.after_row_move(acontrol.row_increment(false), old_row, gmv_row_down); return true;
    case tvk::home:
    case tvk::end:
        if (has_ctrl(ashift))
            redraw.after_row_move(acontrol.row_first(akey == tvk::end), old_row, gmv_other);
        else if (acontrol.col_first(akey == tvk::end) != 0)
            redraw.rows(acontrol.row, -1);
        return true;
    case tvk::left:
    case tvk::right:
        if (acontrol.grid_options.contains(go_select_cell) && acontrol.col_increment(akey == tvk::left)) {
            redraw.cells(old_row, old_col);
            redraw.send_moved(gmv_other);
        }
        return true;
    default: {
        tmsg_params_key params{static_cast<int16_t>(akey), static_cast<int16_t>(ashift)};
        return acontrol.send_message(&params, tmsg_code::grid_key_unused);
    }
    }
}

// A click chooses the cell (cell grids, which may first ask the handler with 1102) or the row
// under the pointer. An empty slot below the last row holds nothing to choose. The keyboard
// focus stays where it is.
bool tvelmor_controller_grid::handle_mousedown(tvelmor_customgrid& acontrol, tvelmor_theme* atheme, const trect& arect,
                                               int32_t ax, int32_t ay) {
    auto* theme = dynamic_cast<tvelmor_theme_grid_brief*>(atheme);
    int32_t row = 0, col = 0;
    if (!theme || !theme->classrender || !theme->classrender->get_pt_cell(row, col, acontrol, arect, ax, ay))
        return false;
    if (row < 0 || row >= acontrol.rowcount) return false;
    tgrid_redraw redraw(acontrol, atheme, arect);
    const int32_t old_row = acontrol.row, old_col = acontrol.col;
    if (acontrol.grid_options.contains(go_select_cell)) {
        if (acontrol.grid_options.contains(go_can_select_cell)) {
            tmsg_params_cell cell{row, col};
            if (!acontrol.send_message(&cell, tmsg_code::grid_can_select)) return false;
        }
        if (!acontrol.cell_setsimple(row, col)) return false;
        redraw.cells(old_row, old_col);
        redraw.send_moved(gmv_cell_by_mouse);
        return true;
    }
    if (!acontrol.row_setsimple(row)) return false;
    redraw.rows(row, old_row);
    redraw.send_moved(gmv_other);
    return true;
}

// Tab and Enter leave the grid's cells to the handler, which moves the focus (1110).
bool tvelmor_controller_grid_controls::handle_keydown(tvelmor_grid_controls& acontrol, tvelmor_theme*, const trect&,
                                                      uint16_t akey, tshift_state ashift) {
    tmsg_params_grid_controls_focus params;
    if (akey == tvk::tab && ashift == ss_shift)
        params.event = gcf_shift_tab;
    else if ((akey == tvk::tab || akey == tvk::enter) && ashift == 0)
        params.event = gcf_tab_or_enter;
    else
        return false;
    acontrol.send_message(&params, tmsg_code::grid_controls_focus);
    return true;
}

void tvelmor_controller_grid_controls::set_focus_cell(tvelmor_grid_controls& acontrol, tvelmor_theme* atheme,
                                                      const trect& arect, int32_t arow, int32_t acol) {
    const int32_t old_row = acontrol.row, old_col = acontrol.col;
    const tgrid_move_type moved = acontrol.row_setfull(arow);
    const bool cell_moved = acontrol.cell_setsimple(arow, acol);
    tgrid_redraw redraw(acontrol, atheme, arect);
    if (moved == gm_page_changed)
        redraw.all_rows();
    else if (moved == gm_row_changed || cell_moved)
        redraw.cells(old_row, old_col);
}

namespace {

// The data set's current record became the grid's row: show it, redraw, tell the handler.
void dbgrid_moved(tvelmor_dbgrid& agrid, tgrid_redraw& aredraw, int32_t anew_row, bool as_page_move) {
    const int32_t old_row = agrid.row, old_top = agrid.row_top, v = agrid.row_count_visible;
    // An empty data set has no current record.
    if (anew_row == old_row || anew_row < 0) return;
    agrid.row = anew_row;
    if (v > 0 && agrid.row > agrid.row_top + v - 1)
        agrid.row_top = agrid.row - v + 1;
    else if (agrid.row < agrid.row_top)
        agrid.row_top = agrid.row;
    if (agrid.row_top != old_top) send_grid_toprow(agrid);
    if (as_page_move || agrid.row_top != old_top)
        aredraw.all_rows();
    else
        aredraw.rows(agrid.row, old_row);
    aredraw.send_moved(gmv_other);
}

}  // namespace

// Key-ups never reach this controller (the container keeps them back).
bool tvelmor_controller_dbgrid::handle_keydown(tcanvas&, int32_t&, tvelmor_dbgrid& acontrol, tvelmor_theme* atheme,
                                               const trect& arect, uint16_t akey, tshift_state ashift) {
    idbgrid_datalink* data = acontrol.datalink;
    tgrid_redraw redraw(acontrol, atheme, arect);
    const int32_t page = acontrol.row_count_visible;
    switch (akey) {
    case tvk::prior:
    case tvk::next:
        if (data) dbgrid_moved(acontrol, redraw, data->move_by(akey == tvk::prior ? -page : page), true);
        return true;
    case tvk::up:
    case tvk::down:
        if (data) dbgrid_moved(acontrol, redraw, data->move_by(akey == tvk::up ? -1 : 1), false);
        return true;
    case tvk::home:
        if (data && ashift == ss_ctrl) dbgrid_moved(acontrol, redraw, data->move_first(), false);
        return true;
    default: return false;
    }
}
