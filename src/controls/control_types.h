// The small enumerations of the drawn control framework, shared by the container, the controls,
// the declarations and the handler modules above them.
#pragma once

#include <cstdint>

#include "procs/procs_types.h"

// Kinds of runtime controls, in the order the declarations and dumps use.
enum tvelmor_control_type : uint8_t {
    ac_grid,
    ac_label,
    ac_labelvalue,
    ac_button,
    ac_viewport,
    ac_bevel,
    ac_edit,
    ac_memo,
    ac_dbgrid,
    ac_icon,
    ac_paintbox,
    ac_combobox,
    ac_grid_controls,
    ac_scrollbar,
    ac_checkbox
};
constexpr int control_type_count = 15;

// Result of looking for the next focus target: none, wrapped to the start, or found further on.
enum tvelmor_focus_order : uint8_t { fo_none, fo_lessthan, fo_greaterthan };

// Services a handler asks of the container for one control.
enum tcontrol_service : uint8_t {
    cs_get_grid_maximum_visible_rowcount,
    cs_can_get_next_focus,
    cs_can_get_prior_focus,
    cs_focus_control,
    cs_can_get_next_focus_panel,
    cs_redraw_scrollbar_position
};

// Focus commands of a handler module.
enum thandler_command : uint8_t { cn_focus_next, cn_focus_next_panel, cn_focus_prior, cn_focus_off };

// Partial redraws a handler can ask of the container.
enum tdraw_type : uint8_t { dt_grid_from_row };

// Which margin or dimension of a viewport cell set_align_value changes.
enum tparams_align : uint8_t { pa_marginleft, pa_margintop, pa_marginright, pa_marginbottom, pa_dimension };

// Mouse buttons as the surfaces report them; shift states are Shift 1, Alt 2, Ctrl 4.
enum tmouse_button : uint8_t { mb_left, mb_right, mb_middle };
using tshift_state = uint16_t;
constexpr tshift_state ss_shift = 1;
constexpr tshift_state ss_alt = 2;
constexpr tshift_state ss_ctrl = 4;

// The footer's function-key buttons a page can caption.
enum tfooter_button : uint8_t { fb_f2, fb_f3, fb_f7, fb_f9 };

enum tvelmor_panel_option : uint8_t { po_focus_next_panel };
enum tvelmor_iterate_option : uint8_t { ai_include_invisible };

enum tvelmor_alignment : uint8_t {
    al_left_bottom,
    al_left_top,
    al_left_center,
    al_right_bottom,
    al_right_top,
    al_right_center,
    al_center_bottom,
    al_center_top,
    al_center_center
};

// Text alignment of grid columns.
enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };

// Frame edges: bit 0 left, bit 1 top, bit 2 right, bit 3 bottom.
enum tframeedges : uint8_t {
    frameedges_none,
    frameedges_left,
    frameedges_top,
    frameedges_lefttop,
    frameedges_right,
    frameedges_rightleft,
    frameedges_righttop,
    frameedges_rightlefttop,
    frameedges_bottom,
    frameedges_bottomleft,
    frameedges_bottomtop,
    frameedges_bottomlefttop,
    frameedges_bottomright,
    frameedges_bottomrightleft,
    frameedges_bottomrighttop,
    frameedges_all
};

enum tbutton_kind : uint8_t { bk_yes, bk_no, bk_ok, bk_cancel, bk_close, bk_go };
// eo_password: the edit shows a dot for every character it holds.
enum tvelmor_edit_option : uint8_t { eo_listen_text_changes, eo_password };
enum tvelmor_grid_option : uint8_t { go_select_cell, go_listen_data_requests, go_can_select_cell };

// Sets come from procs; declarations store them as bit masks (bit i = value i).
template <typename E>
tenum_set<E> enum_set_from_bits(uint32_t abits) {
    tenum_set<E> r;
    for (uint32_t i = 0; i < 32; ++i)
        if ((abits >> i) & 1u) r.include(static_cast<E>(i));
    return r;
}

using tvelmor_panel_options = tenum_set<tvelmor_panel_option>;
using tvelmor_iterate_options = tenum_set<tvelmor_iterate_option>;
using tvelmor_control_types = tenum_set<tvelmor_control_type>;
using tvelmor_edit_options = tenum_set<tvelmor_edit_option>;
using tvelmor_grid_options = tenum_set<tvelmor_grid_option>;

const char* control_type_name(tvelmor_control_type atype);
