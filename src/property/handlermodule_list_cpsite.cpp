#include "property/handlermodule_list_cpsite.h"

#include "pages/page_support.h"
#include "pages/grid_cell_text.h"
#include "controls/container_controls_generic.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "database/procs_querys.h"
#include "pages/handler_class.h"
#include "pages/page_controller_generic.h"
#include "property/page_enter_params.h"
#include "pages/page_form.h"
#include "values/params_generic.h"

namespace {

constexpr int16_t pageno_readings = 21;
constexpr int16_t pageno_edit_cpsite = 25;

const Tform_page2& list_form() {
    static const Tform_page2 form("Tform_page_list_cpsite", Tform_page2::embedded_text("form_page_list_cpsite"));
    return form;
}

}  // namespace

const thandler_class& Thandlermodule_list_cpsite::handler_class() {
    static const thandler_class c("Thandlermodule_list_cpsite", &handler_factory_of<Thandlermodule_list_cpsite>,
                                  &list_form(), &tparams_launch2::static_class(), true);
    return c;
}

tvelmor_grid& Thandlermodule_list_cpsite::grid() { return page_grid(*this, tag_grid); }

void Thandlermodule_list_cpsite::once_created() {
    if (auto* header = dynamic_cast<tvelmor_grid*>(fcontrols->get_control(tag_grid_header))) header->set_rowcount(1);
    set_focused_tag(tag_grid, true);
}

void Thandlermodule_list_cpsite::handle_resize(bool as_skip_draw) {
    fcontrols->calculate_viewports(fgraphbox->ffont_tag, canvas(), fgraphbox->get_clientrect());
    if (!flaid_out) {
        flaid_out = true;
        first_layout();
    }
    if (!as_skip_draw) handle_paint();
}

void Thandlermodule_list_cpsite::first_layout() {
    flist_sites.clear();
    tprocs_querys::load_table_list(flist_sites, dben_table_cp_site, {}, {}, {});
    tvelmor_grid& g = grid();
    g.set_rowcount(line_count());
    if (const auto* params = dynamic_cast<const tparams_launch2*>(fparams.get())) {
        flaunch_page = params->flaunch_page;
        flaunch_id = params->flaunch_id;
        if (flaunch_id != -1)
            for (int32_t row = line_count() - 1; row >= 0; --row)
                if (flist_sites.get_item(row).fid == flaunch_id) {
                    g.row_setfull(row);
                    break;
                }
    }
    fparams.reset();
}

bool Thandlermodule_list_cpsite::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    const bool open = (ashift == 0 && akey == tvk::enter) || (ashift == ss_ctrl && akey == tvk::next);
    if (open) {
        if (!as_keyup) launch();
        return true;
    }
    if (ashift == 0 && akey == tvk::escape) {
        if (!as_keyup) fowner->page_exit();
        return true;
    }
    return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
}

void Thandlermodule_list_cpsite::launch() {
    const int32_t row = grid().row;
    if (row < 0 || row >= line_count()) return;
    if (flaunch_page != pageno_readings && flaunch_page != pageno_edit_cpsite)
        throw tvelmor_exception("Invalid Launch Page [%d] in %s.handle_keydown();", flaunch_page, class_name());
    flaunch_id = flist_sites.get_item(row).fid;
    const tparam_value params[] = {int64_t{flaunch_id}};
    page_enter_params(*fowner, flaunch_page, params, false);
}

void Thandlermodule_list_cpsite::save_params(tparams_generic& aparams) {
    if (auto* params = dynamic_cast<tparams_launch2*>(&aparams)) {
        params->flaunch_page = flaunch_page;
        params->flaunch_id = flaunch_id;
    }
}

std::u16string Thandlermodule_list_cpsite::cell_text(int32_t atag, int32_t arow, int32_t acol) const {
    return site_list_cell(flist_sites, atag == tag_grid_header, arow, acol);
}

void Thandlermodule_list_cpsite::control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect,
                                               int32_t arow, int32_t acol) {
    if (acontrol->tag == tag_grid || acontrol->tag == tag_grid_header)
        paint_grid_cell_text(*this, acontrol, atheme, arect, arow, acol, cell_text(acontrol->tag, arow, acol));
}
