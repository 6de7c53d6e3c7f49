#include "controls/grid_controls.h"

#include <algorithm>

#include "controls/container_controls_generic.h"
#include "controls/control_messages.h"
#include "controls/controls_owner.h"
#include "controls/control_kinds.h"
#include "controls/geometry.h"
#include "controls/grid_scrollbar.h"
#include "procs/message_format.h"

void tvelmor_customgrid::save_as_text(std::string& amsgtext) const {
    tvelmor_control_focusable::save_as_text(amsgtext);
    add_dump_line(amsgtext, tprocs_message::format("rowcount = %d.", {rowcount}));
    add_dump_line(amsgtext, tprocs_message::format("colcount = %d.", {colcount}));
    add_dump_line(amsgtext, tprocs_message::format("row = %d.", {row}));
    add_dump_line(amsgtext, tprocs_message::format("row_top = %d.", {row_top}));
}

// The coupled scroll bar's range follows the row count.
void tvelmor_customgrid::set_rowcount(int32_t avalue) {
    rowcount = avalue;
    if (tvelmor_scrollbar* bar = get_grid_scrollbar(*this)) bar->range = static_cast<int16_t>(avalue);
}

void tvelmor_customgrid::set_colwidths(const std::vector<int32_t>& awidths) {
    colwidths.assign(awidths.begin(), awidths.end());
    colcount = static_cast<int32_t>(awidths.size());
}

int16_t tvelmor_customgrid::get_colwidth(int32_t aindex) const {
    return aindex >= 0 && aindex < colcount ? colwidths[static_cast<size_t>(aindex)] : 0;
}

void tvelmor_customgrid::set_colwidth(int32_t aindex, int16_t avalue) {
    if (aindex >= 0 && aindex < colcount) colwidths[static_cast<size_t>(aindex)] = avalue;
}

bool tvelmor_customgrid::is_cell_selected(int32_t arow, int32_t acol) const {
    return arow == row && (!grid_options.contains(go_select_cell) || acol == col);
}

bool tvelmor_customgrid::is_row_visible(int32_t arow) const {
    return arow >= row_top && arow <= last_row_showing();
}

int32_t tvelmor_customgrid::last_row_showing() const { return std::min(row_top + row_count_visible, rowcount) - 1; }

trect tvelmor_customgrid::translate_draw_row_cellrect(tvelmor_theme*, const trect&, int32_t, int32_t) {
    throw tvelmor_exception("%s.translate_draw_row_cellrect(); not implemented.", class_name());
}

void tvelmor_customgrid::draw_row(tvelmor_theme*, const trect&, int32_t, int32_t) {
    throw tvelmor_exception("%s.draw_row(); not implemented.", class_name());
}

void tvelmor_customgrid::draw_rows(tvelmor_theme*, const trect&, int32_t) {
    throw tvelmor_exception("%s.draw_rows(); not implemented.", class_name());
}

void tvelmor_grid_controls::set_focused(bool avalue) {
    tvelmor_customgrid::set_focused(avalue);
    tmsg_params_grid_controls_focus params{gcf_focused};
    send_message(&params, tmsg_code::grid_controls_focus);
}
