#include "property/handlermodule_list_cpinvoicing_generic.h"

#include "pages/grid_cell_text.h"
#include "controls/container_controls_generic.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "values/params_generic.h"

tvelmor_grid& Thandlermodule_list_cpinvoicing_generic::grid() { return control<tvelmor_grid>(tag_grid); }

void Thandlermodule_list_cpinvoicing_generic::once_laid_out() {
    control<tvelmor_grid>(tag_grid_header).set_rowcount(1);
    set_focused_tag(tag_grid, true);
    load_lines();
}

bool Thandlermodule_list_cpinvoicing_generic::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (ashift == 0) {
        switch (akey) {
            case tvk::enter:
                if (!as_keyup) open_line();
                return true;
            case tvk::escape:
                if (!as_keyup) fowner->page_exit();
                return true;
            default: break;
        }
    }
    return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
}

void Thandlermodule_list_cpinvoicing_generic::open_line() {
    const int32_t row = grid().row;
    if (row < 0 || row >= line_count()) return;
    const int16_t pageno = get_open_pageno();
    const thandler_class* target = fowner->get_page_table().find(pageno);
    if (!target)
        throw tvelmor_exception("Page handler class not assigned in %s.get_handlerclass_pageno();", "tpage_controller");
    const tparam_value params[] = {int64_t{get_line_id(row)}};
    fowner->page_enter(*target, params, false);
}

bool Thandlermodule_list_cpinvoicing_generic::paint_header(tvelmor_control* acontrol, tvelmor_theme* atheme,
                                                           const trect& arect, int32_t arow, int32_t acol) {
    if (acontrol->tag != tag_grid_header) return false;
    paint_grid_cell_text(*this, acontrol, atheme, arect, arow, acol, arow == 0 ? get_header_caption(acol) : u"");
    return true;
}
