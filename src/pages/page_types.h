// The small enumerations shared by the page controller, the handler modules and the message queue.
#pragma once

#include <cstdint>

// Surface slot of a handler module; a surface's tag is 101 plus its slot.
enum thandler_type : uint8_t { ht_main, ht_header, ht_footer, ht_ontop };

// The jobs a queued message can carry.
enum tjob_type : uint8_t { jt_draw_control, jt_draw_panel, jt_erase_panel, jt_run_task };

// Focus commands of a handler module.
enum thandler_command : uint8_t { cn_focus_next, cn_focus_next_panel, cn_focus_prior, cn_focus_off };

enum tdraw_type : uint8_t { dt_grid_from_row };

// When a page's parameter record is released: right after once_created, or with the page.
enum tdrop_point : uint8_t { dp_once_created, dp_never };

// Which kind of overlay is open.
enum tvelmor_ontop : uint8_t { ho_none, ho_menu, ho_combobox, ho_dialog, ho_bigedit };

// Header settings a page gives through its screen parameters.
enum tparams_header : uint8_t {
    ph_title_caption,
    ph_title_caption_width,
    ph_menu_visible,
    ph_menu_enabled,
    ph_menu_pushed,
    ph_button_plus_visible,
    ph_button_minus_visible,
    ph_button_edit_visible,
    ph_button_plus_enabled,
    ph_button_minus_enabled,
    ph_button_edit_enabled
};

// Control message codes sent to a handler's callback_message.
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

const char* job_type_name(tjob_type ajob);
const char* handler_type_name(thandler_type ahandler);
const char* handler_command_name(thandler_command acommand);
