#include "controls/control_types.h"

const char* control_type_name(tvelmor_control_type atype) {
    static const char* const names[control_type_count] = {
        "ac_grid",  "ac_label",  "ac_labelvalue", "ac_button",   "ac_viewport",
        "ac_bevel", "ac_edit",   "ac_memo",       "ac_dbgrid",   "ac_icon",
        "ac_paintbox", "ac_combobox", "ac_grid_controls", "ac_scrollbar", "ac_checkbox"};
    return atype < control_type_count ? names[atype] : "ac_unknown";
}
