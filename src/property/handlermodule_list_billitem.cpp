#include "property/handlermodule_list_billitem.h"

#include "accounts/edit_customer_support.h"
#include "accounts/grid_cell_text.h"
#include "controls/container_controls_generic.h"
#include "controls/control_messages.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "pages/datamodule_messages.h"
#include "pages/handler_class.h"
#include "pages/handlermodule_dialog.h"
#include "pages/handlermodule_header.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"
#include "property/billing_support.h"
#include "property/handlermodule_edit_billitem.h"
#include "values/params_generic.h"

namespace {

const Tform_page2& list_billitem_form() {
    static const Tform_page2 form("Tform_page_list_billitem", Tform_page2::embedded_text("form_page_list_billitem"));
    return form;
}

}  // namespace

const thandler_class& Thandlermodule_list_billitem::handler_class() {
    static const thandler_class c("Thandlermodule_list_billitem", &handler_factory_of<Thandlermodule_list_billitem>,
                                  &list_billitem_form(), &tparams_launch2::static_class(), true);
    return c;
}

tvelmor_grid& Thandlermodule_list_billitem::grid() { return page_grid(*this, tag_grid); }

void Thandlermodule_list_billitem::once_created() {
    page_grid(*this, tag_grid_header).set_rowcount(1);
    set_focused_tag(tag_grid, true);
}

void Thandlermodule_list_billitem::save_params(tparams_generic& aparams) {
    if (auto* params = dynamic_cast<tparams_launch2*>(&aparams)) {
        params->flaunch_page = flaunch_page;
        params->flaunch_id = flaunch_id;
    }
}

void Thandlermodule_list_billitem::handle_resize(bool as_skip_draw) {
    fcontrols->calculate_viewports(fgraphbox->ffont_tag, canvas(), fgraphbox->get_clientrect());
    if (!flaid_out) {
        flaid_out = true;
        if (auto* params = dynamic_cast<tparams_launch2*>(fparams.get())) flaunch_page = params->flaunch_page;
        get_messages().add_message(301, jt_run_task, fhandler_type, task_load);
    }
    if (!as_skip_draw) handle_paint();
}

void Thandlermodule_list_billitem::run_task(int32_t atag, int32_t aparam) {
    if (atag != task_load) return Thandlermodule_page::run_task(atag, aparam);
    load_lines();
    get_messages().add_message(501, jt_draw_control, fhandler_type, tag_grid);
}

void Thandlermodule_list_billitem::load_lines() {
    flist_lines = Tdatamodule_bill_item::load_bill_items();
    int32_t row = 0;
    if (auto* params = dynamic_cast<tparams_launch2*>(fparams.get())) {
        flaunch_id = params->flaunch_id;
        if (flaunch_id != -1)
            for (int32_t i = line_count() - 1; i >= 0; --i)
                if (flist_lines[static_cast<size_t>(i)].fid == flaunch_id) {
                    row = i;
                    break;
                }
        fparams.reset();
    }
    tvelmor_grid& g = grid();
    g.set_rowcount(line_count());
    if (line_count() > 0) g.row_setfull(row);
}

bool Thandlermodule_list_billitem::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (!as_keyup && ashift == 0 && akey == tvk::enter) {
        open_line();
        return true;
    }
    if (!as_keyup && ashift == 0 && akey == tvk::escape) {
        fowner->page_exit();
        return true;
    }
    if (!as_keyup && ashift == ss_ctrl && akey == tvk::next) {
        open_line();
        return true;
    }
    return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
}

bool Thandlermodule_list_billitem::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    if (amsg == tmsg_code::button_pressed) {
        switch (atag) {
            case Thandlermodule_header::tag_main_edit: open_line(); return true;
            case Thandlermodule_header::tag_main_plus: {
                // The switch frees this module: nothing of it may be touched afterwards.
                const tparam_value params[] = {int64_t{-1}};
                fowner->page_enter(Thandlermodule_edit_billitem::handler_class(), params, false);
                return true;
            }
            case Thandlermodule_header::tag_main_minus: ask_delete(); return true;
            default: break;
        }
    }
    if (amsg == tmsg_code::ontop_closed && atag == tag_ontop_delete) {
        const int32_t result = aparams ? static_cast<tmsg_params_ontop_result*>(aparams)->result : 0;
        if (result == Thandlermodule_dialog::result_yes) delete_item();
        return true;
    }
    return Thandlermodule_page::callback_message(aparams, atag, amsg);
}

void Thandlermodule_list_billitem::open_line() {
    const int32_t row = grid().row;
    if (row < 0 || row >= line_count()) return;
    flaunch_id = flist_lines[static_cast<size_t>(row)].fid;
    // The switch frees this module: nothing of it may be touched afterwards.
    const tparam_value params[] = {int64_t{flaunch_id}};
    fowner->page_enter(Thandlermodule_edit_billitem::handler_class(), params, false);
}

void Thandlermodule_list_billitem::ask_delete() {
    const int32_t row = grid().row;
    if (row < 0 || row >= line_count()) return;
    fdeleting_id = flist_lines[static_cast<size_t>(row)].fid;
    run_dialog(tag_ontop_delete, u"Delete Bill Item [" + flist_lines[static_cast<size_t>(row)].fcode + u"] ?");
}

void Thandlermodule_list_billitem::delete_item() {
    send_bill_item_deleted(fdeleting_id);
    get_messages().add_message(301, jt_run_task, fhandler_type, task_load);
}

void Thandlermodule_list_billitem::control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect,
                                                 int32_t arow, int32_t acol) {
    std::u16string text;
    if (acontrol->tag == tag_grid_header) {
        if (arow == 0) text = acol == 0 ? u"Id" : acol == 1 ? u"Code" : u"";
    } else if (acontrol->tag == tag_grid) {
        if (arow >= 0 && arow < line_count()) {
            const trecord_billitem& line = flist_lines[static_cast<size_t>(arow)];
            text = acol == 0 ? utf8_to_utf16(std::to_string(line.fid)) : acol == 1 ? line.fcode : u"";
        }
    } else
        return;
    paint_grid_cell_text(*this, acontrol, atheme, arect, arow, acol, text);
}
