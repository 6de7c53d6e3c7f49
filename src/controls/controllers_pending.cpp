// The controllers' full behaviour comes with the input handling of each kind; until then keys
// are left unused (false), and a grid click only selects the cell under the pointer.
#include "controls/controllers.h"

#include "controls/control_messages.h"
#include "controls/grid_controls.h"
#include "controls/theme.h"

bool tvelmor_controller_grid::handle_keydown(tvelmor_customgrid&, tvelmor_theme*, const trect&, uint16_t,
                                             tshift_state) {
    return false;
}
// A click on a cell makes it the current cell and tells the handler (move kind 4).
bool tvelmor_controller_grid::handle_mousedown(tvelmor_customgrid& acontrol, tvelmor_theme* atheme, const trect& arect,
                                               int32_t ax, int32_t ay) {
    auto* theme = dynamic_cast<tvelmor_theme_grid_brief*>(atheme);
    int32_t row = 0, col = 0;
    if (!theme || !theme->classrender || !theme->classrender->get_pt_cell(row, col, acontrol, arect, ax, ay))
        return false;
    if (acontrol.grid_options.contains(go_can_select_cell)) {
        tmsg_params_cell cell{row, col};
        if (!acontrol.send_message(&cell, tmsg_code::grid_can_select)) return true;
    }
    acontrol.row = row;
    acontrol.col = col;
    tmsg_params_grid_moved moved{gmv_cell_by_mouse};
    acontrol.send_message(&moved, tmsg_code::grid_moved);
    return true;
}
bool tvelmor_controller_grid_controls::handle_keydown(tvelmor_grid_controls&, tvelmor_theme*, const trect&, uint16_t,
                                                      tshift_state) {
    return false;
}
bool tvelmor_controller_dbgrid::handle_keydown(tcanvas&, int32_t&, tvelmor_dbgrid&, tvelmor_theme*, const trect&,
                                               uint16_t, tshift_state) {
    return false;
}
bool tvelmor_controller_button::handle_keydown(tcanvas&, int32_t&, tvelmor_theme*, tvelmor_button&, const trect&,
                                               uint16_t, tshift_state, bool) {
    return false;
}
bool tvelmor_controller_button::handle_mousedown(tcanvas&, int32_t&, tvelmor_theme*, tvelmor_button&, const trect&,
                                                 int32_t, int32_t, bool) {
    return false;
}
bool tvelmor_controller_button::handle_mousemove(tcanvas&, int32_t&, tvelmor_theme*, tvelmor_button&, const trect&,
                                                 int32_t, int32_t) {
    return false;
}
bool tvelmor_controller_edit::handle_keydown(tcanvas&, int32_t&, tvelmor_edit&, const trect&, bool, uint16_t,
                                             tshift_state, bool, tvelmor_theme*, tvalidator_generic*) {
    return false;
}
bool tvelmor_controller_memo::handle_keydown(int32_t&, tcanvas&, tvelmor_memo&, tvelmor_theme*, const trect&, bool,
                                             uint16_t, tshift_state, bool, tvalidator_generic*) {
    return false;
}
bool tvelmor_controller_combobox::handle_keydown(tcanvas&, int32_t&, tvelmor_combobox&, tvelmor_theme*, const trect&,
                                                 bool, uint16_t, tshift_state, bool) {
    return false;
}
bool tvelmor_controller_checkbox::handle_keydown(tcanvas&, int32_t&, tvelmor_checkbox&, tvelmor_theme*, const trect&,
                                                 bool, uint16_t, tshift_state, bool) {
    return false;
}
