#include "property/handlermodule_list_keyed.h"

#include "pages/page_support.h"
#include "pages/grid_cell_text.h"
#include "controls/container_controls_generic.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "pages/datamodule_messages.h"
#include "pages/page_controller_generic.h"
#include "procs/message_format.h"
#include "values/params_generic.h"

tvelmor_grid& Thandlermodule_list_keyed::grid() { return control<tvelmor_grid>(tag_grid); }

const Thandlermodule_list_keyed::tkeyed_line* Thandlermodule_list_keyed::current_line() {
    const int32_t row = grid().row;
    return row >= 0 && row < line_count() ? &flines[static_cast<size_t>(row)] : nullptr;
}

void Thandlermodule_list_keyed::once_created() {
    control<tvelmor_grid>(tag_grid_header).set_rowcount(1);
    set_focused_tag(tag_grid, true);
}

void Thandlermodule_list_keyed::save_params(tparams_generic& aparams) {
    if (auto* params = dynamic_cast<tparams_launch2*>(&aparams)) {
        params->flaunch_page = flaunch_page;
        params->flaunch_id = flaunch_id;
    }
}

void Thandlermodule_list_keyed::once_laid_out() {
    if (auto* params = dynamic_cast<tparams_launch2*>(fparams.get())) flaunch_page = params->flaunch_page;
    if (loads_with_layout())
        reload();
    else
        get_messages().add_message(301, jt_run_task, fhandler_type, task_load);
}

void Thandlermodule_list_keyed::run_task(int32_t atag, int32_t aparam) {
    if (atag != task_load) return Thandlermodule_page::run_task(atag, aparam);
    reload();
    get_messages().add_message(501, jt_draw_control, fhandler_type, tag_grid);
}

// With parameters (coming back), the line of the id last opened is selected, searched from the
// last line; the first line when it is gone or the id is -1.
void Thandlermodule_list_keyed::reload() {
    flines = load_lines();
    int32_t row = 0;
    if (auto* params = dynamic_cast<tparams_launch2*>(fparams.get())) {
        flaunch_id = params->flaunch_id;
        for (int32_t i = line_count() - 1; flaunch_id != -1 && i >= 0; --i)
            if (flines[static_cast<size_t>(i)].fid == flaunch_id) {
                row = i;
                break;
            }
        fparams.reset();
    }
    tvelmor_grid& g = grid();
    g.set_rowcount(line_count());
    if (line_count() > 0) g.row_setfull(row);
}

bool Thandlermodule_list_keyed::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (!as_keyup && ashift == 0 && akey == tvk::enter) {
        open_current();
        return true;
    }
    if (!as_keyup && ashift == 0 && akey == tvk::escape) {
        fowner->page_exit();
        return true;
    }
    return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
}

void Thandlermodule_list_keyed::open_current() {
    const tkeyed_line* line = current_line();
    if (!line) return;
    flaunch_id = line->fid;
    open_line(flaunch_id);
}

std::u16string Thandlermodule_list_keyed::cell_text(int32_t atag, int32_t arow, int32_t acol) const {
    if (atag == tag_grid_header) return arow == 0 ? header_caption(acol) : u"";
    if (atag != tag_grid || arow < 0 || arow >= line_count()) return {};
    const tkeyed_line& line = flines[static_cast<size_t>(arow)];
    return acol == 0 ? utf8_to_utf16(std::to_string(line.fid)) : acol == 1 ? line.ftext : u"";
}

void Thandlermodule_list_keyed::control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect,
                                              int32_t arow, int32_t acol) {
    if (acontrol->tag == tag_grid || acontrol->tag == tag_grid_header)
        paint_grid_cell_text(*this, acontrol, atheme, arect, arow, acol, cell_text(acontrol->tag, arow, acol));
}
