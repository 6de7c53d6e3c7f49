#include "pages/page_types.h"

const char* job_type_name(tjob_type ajob) {
    switch (ajob) {
        case jt_draw_control: return "jt_draw_control";
        case jt_draw_panel: return "jt_draw_panel";
        case jt_erase_panel: return "jt_erase_panel";
        case jt_run_task: return "jt_run_task";
    }
    return "?";
}

const char* handler_type_name(thandler_type ahandler) {
    switch (ahandler) {
        case ht_main: return "ht_main";
        case ht_header: return "ht_header";
        case ht_footer: return "ht_footer";
        case ht_ontop: return "ht_ontop";
    }
    return "?";
}

const char* handler_command_name(thandler_command acommand) {
    switch (acommand) {
        case cn_focus_next: return "cn_focus_next";
        case cn_focus_next_panel: return "cn_focus_next_panel";
        case cn_focus_prior: return "cn_focus_prior";
        case cn_focus_off: return "cn_focus_off";
    }
    return "?";
}
