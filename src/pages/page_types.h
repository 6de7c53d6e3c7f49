// The small enumerations shared by the page controller, the handler modules and the message queue.
#pragma once

#include <cstdint>

#include "controls/control_types.h"

// Surface slot of a handler module; a surface's tag is 101 plus its slot.
enum thandler_type : uint8_t { ht_main, ht_header, ht_footer, ht_ontop };

// The jobs a queued message can carry.
enum tjob_type : uint8_t { jt_draw_control, jt_draw_panel, jt_erase_panel, jt_run_task };

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

const char* job_type_name(tjob_type ajob);
const char* handler_type_name(thandler_type ahandler);
const char* handler_command_name(thandler_command acommand);
