// The numbered notifications controls send to their handler (callback_message) and the parameter
// block each one carries. A block holding the single byte 255 carries no parameters.
#pragma once

#include <cstdint>

namespace tmsg_code {
constexpr int32_t grid_moved = 1101;
constexpr int32_t grid_can_select = 1102;
constexpr int32_t button_pressed = 1103;
constexpr int32_t edit_changed = 1104;
constexpr int32_t edit_text_changed = 1105;
constexpr int32_t grid_key_unused = 1106;
constexpr int32_t ontop_closed = 1107;
constexpr int32_t focus_changing = 1108;
constexpr int32_t combobox_changed = 1109;
constexpr int32_t grid_controls_focus = 1110;
constexpr int32_t control_rect = 1111;
constexpr int32_t grid_toprow = 1112;
constexpr int32_t checkbox_toggled = 1113;
}  // namespace tmsg_code

// 1103, 1104, 1105, 1108 and every message sent by send_message2.
struct tmsg_params_none {
    uint8_t value = 255;
};

// 1101: how the grid's cursor moved.
enum tmsg_grid_move : uint8_t {
    gmv_row_down = 0,
    gmv_page_down = 1,
    gmv_row_up = 2,
    gmv_page_up = 3,
    gmv_cell_by_mouse = 4,
    gmv_other = 255
};
struct tmsg_params_grid_moved {
    uint8_t how = gmv_other;
};

// 1102: may this cell be chosen?
struct tmsg_params_cell {
    int32_t row = 0;
    int32_t col = 0;
};

// 1106: a key the grid did not use.
struct tmsg_params_key {
    int16_t key = 0;
    int16_t shift = 0;
};

// 1107: an overlay closed with this result.
struct tmsg_params_ontop_result {
    int32_t result = 0;
};

// 1109: the item chosen in a combo box's drop-down.
struct tmsg_params_item_index {
    int32_t item_index = -1;
};

// 1110: focus events inside a grid of controls.
enum tmsg_grid_controls_focus : uint8_t { gcf_focused = 0, gcf_shift_tab = 1, gcf_tab_or_enter = 2 };
struct tmsg_params_grid_controls_focus {
    uint8_t event = gcf_focused;
};

// 1111: the block is the control's trect itself, which the handler fills in.

// 1112: the grid's new top row, for its scroll bar.
struct tmsg_params_toprow {
    int32_t row_top = 0;
};

// 1113: the check box's new state.
struct tmsg_params_checked {
    bool checked = false;
};

// Blocks of the container's control services (execute_control_service): the grid row count and
// the focus searches write an int32_t, cs_focus_control reads a bool, and the scroll-bar redraw
// reads this block.
struct tscrollbar_redraw_params {
    int16_t range = 0;
    int16_t position_old = 0;
    int16_t position_new = 0;
};
