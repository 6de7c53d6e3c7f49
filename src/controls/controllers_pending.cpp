// The controllers' full behaviour comes with the input handling of each kind; until then keys
// are left unused (false). The grids' controllers are in controllers_grid.cpp.
#include "controls/controllers.h"

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
