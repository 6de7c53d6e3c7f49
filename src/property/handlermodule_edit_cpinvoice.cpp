#include "property/handlermodule_edit_cpinvoice.h"

#include "pages/page_support.h"
#include "pages/grid_cell_text.h"
#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "controls/panel.h"
#include "controls/text_controls.h"
#include "database/datamodule_ejt.h"
#include "database/ejt_class.h"
#include "pages/datamodule_messages.h"
#include "pages/handler_class.h"
#include "pages/handlermodule_dialog.h"
#include "pages/handlermodule_header.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form_editable.h"
#include "procs/message_format.h"
#include "property/debug_dumps.h"
#include "property/handlermodule_edit_cpinvoice_billitem.h"
#include "values/params_generic.h"
#include "values/procs_datarecord2.h"

namespace {

const Tform_page_editable_generic& edit_cpinvoice_form() {
    static const Tform_page_editable_generic form("Tform_page_edit_cpinvoice",
                                                  Tform_page2::embedded_text("form_page_edit_cpinvoice"));
    return form;
}

constexpr int32_t tag_panel_details = Thandlermodule_edit_generic::tag_panel_edit;

int32_t tab_panel(int16_t atabpageno) {
    return atabpageno == 0 ? tag_panel_details : Thandlermodule_edit_cpinvoice::tag_panel_lines;
}

}  // namespace

Thandlermodule_edit_cpinvoice::Thandlermodule_edit_cpinvoice(tpage_controller_generic* aowner,
                                                             thandler_type ahandler_type, tgraphbox_generic* agraphbox)
    : Thandlermodule_edit_generic(aowner, ahandler_type, agraphbox) {
    frecord = std::make_unique<tdbrecord_cp_invoice2>();
    frecord0 = std::make_unique<tdbrecord_cp_invoice2>();
}

const thandler_class& Thandlermodule_edit_cpinvoice::handler_class() {
    static const thandler_class c("Thandlermodule_edit_cpinvoice", &handler_factory_of<Thandlermodule_edit_cpinvoice>,
                                  &edit_cpinvoice_form(), &tparams_edit_cpunit::static_class(), true);
    return c;
}

tvelmor_grid& Thandlermodule_edit_cpinvoice::grid_lines() { return control<tvelmor_grid>(tag_grid_lines); }

int32_t Thandlermodule_edit_cpinvoice::template_id() const {
    const int32_t index = frecord->get_field_index1("id");
    return frecord->get_field_is_assigned(index) ? frecord->get_aslongint1(index) : -1;
}

void Thandlermodule_edit_cpinvoice::once_created() {
    const auto* params = dynamic_cast<const tparams_edit_cpunit*>(fparams.get());
    if (!params) return;
    frecord->clear();
    frecord->set_aslongint1(frecord->get_field_index1("id"), params->fid_cpinvoice);
    if (params->ftabpageno != 0) set_tabpageno(params->ftabpageno, false);
    floaded = true;
    control<tvelmor_grid>(tag_grid_tabs).set_rowcount(1);
    set_focused_tag(ftabpageno == 0 ? tag_edit_name : tag_grid_lines, true);
    get_messages().add_message(301, jt_run_task, fhandler_type, task_load);
}

void Thandlermodule_edit_cpinvoice::save_params(tparams_generic& aparams) {
    if (auto* params = dynamic_cast<tparams_edit_cpunit*>(&aparams)) {
        params->fid_cpinvoice = template_id();
        params->ftabpageno = ftabpageno;
    }
}

void Thandlermodule_edit_cpinvoice::handle_resize(bool as_skip_draw) {
    if (!floaded) throw tvelmor_exception("Unassigned Params in %s.handle_resize();", class_name());
    // Taken at creation; the controller must be done with them before they go.
    fparams.reset();
    Thandlermodule_edit_generic::handle_resize(as_skip_draw);
}

void Thandlermodule_edit_cpinvoice::run_task(int32_t atag, int32_t aparam) {
    switch (atag) {
        case task_load: load_template(); break;
        case task_load_lines: load_lines(); break;
        default: Thandlermodule_edit_generic::run_task(atag, aparam);
    }
}

void Thandlermodule_edit_cpinvoice::load_template() {
    const int32_t id = template_id();
    if (!Tdatamodule_bill_item::get_cpinvoice(static_cast<tdbrecord_cp_invoice2&>(*frecord), id))
        throw tvelmor_exception("Invoice Template %d not found in %s.run_task();", id, class_name());
    frecord0->clear();
    tprocs_datarecord2::assign(*frecord0, *frecord);
    refresh_controls();
    control<tvelmor_label>(tag_label_title).caption = u"Invoice Template " + utf8_to_utf16(std::to_string(id));
    get_messages().add_message(501, jt_draw_control, fhandler_type, tag_label_title);
    control<tvelmor_edit>(tag_edit_name).set_selectedall(true);
    if (ftabpageno == 0) get_messages().add_message(501, jt_draw_panel, fhandler_type, tag_panel_details);
    get_messages().add_message(302, jt_run_task, fhandler_type, task_load_lines);
}

void Thandlermodule_edit_cpinvoice::load_lines() {
    flist_bill_lines = Tdatamodule_bill_item::load_bill_lines(template_id());
    tvelmor_grid& g = grid_lines();
    g.set_rowcount(static_cast<int32_t>(flist_bill_lines.size()));
    if (g.row >= g.rowcount) g.row_setfull(g.rowcount > 0 ? g.rowcount - 1 : 0);
    if (ftabpageno == 1) get_messages().add_message(501, jt_draw_control, fhandler_type, tag_grid_lines);
}

bool Thandlermodule_edit_cpinvoice::set_tabpageno(int16_t atabpageno, bool as_draw) {
    if (atabpageno < 0 || atabpageno > 1 || atabpageno == ftabpageno) return false;
    const int32_t panel_old = tab_panel(ftabpageno), panel_new = tab_panel(atabpageno);
    fcontrols->get_panel(panel_old)->visible = false;
    fcontrols->get_panel(panel_new)->visible = true;
    ftabpageno = atabpageno;
    tvelmor_grid& tabs = control<tvelmor_grid>(tag_grid_tabs);
    tabs.col = atabpageno;
    if (!as_draw) return true;
    set_focused_tag(atabpageno == 0 ? tag_edit_name : tag_grid_lines, true);
    get_messages().add_message(501, jt_erase_panel, fhandler_type, panel_old, 0);
    get_messages().add_message(501, jt_draw_panel, fhandler_type, panel_new);
    get_messages().add_message(501, jt_draw_control, fhandler_type, tag_grid_tabs);
    return true;
}

bool Thandlermodule_edit_cpinvoice::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (!as_keyup && akey == tvk::tab && (ashift == ss_ctrl || ashift == (ss_ctrl | ss_shift))) {
        // The tabs switch only while the details are not being edited.
        if (!fmode_editing) set_tabpageno(static_cast<int16_t>(ftabpageno + (ashift & ss_shift ? -1 : 1)), true);
        return true;
    }
    if (ashift == 0 && ftabpageno == 1) {
        switch (akey) {
            case tvk::enter:
                if (!as_keyup) open_selected();
                return true;
            case tvk::insert:
                if (!as_keyup) open_line(-1);
                return true;
            case tvk::del:
                if (!as_keyup) ask_delete();
                return true;
            case tvk::up:
            case tvk::down:
                return fcontrols->send_key(tag_grid_lines, canvas(), fgraphbox->ffont_tag, false, akey, ashift, as_keyup);
            case tvk::f3:
                // What is edited are the details: they are shown first.
                if (!as_keyup && !fmode_editing) set_tabpageno(0, true);
                break;
            default: break;
        }
    }
    return Thandlermodule_edit_generic::handle_keydown(akey, ashift, as_keyup);
}

bool Thandlermodule_edit_cpinvoice::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    if (amsg == tmsg_code::grid_moved && atag == tag_grid_tabs) {
        const auto how = static_cast<tmsg_params_grid_moved*>(aparams)->how;
        const int16_t chosen = static_cast<int16_t>(control<tvelmor_grid>(tag_grid_tabs).col);
        if (how == gmv_cell_by_mouse && !fmode_editing) set_tabpageno(chosen, true);
        else control<tvelmor_grid>(tag_grid_tabs).col = ftabpageno;
        return true;
    }
    if (amsg == tmsg_code::button_pressed) {
        switch (atag) {
            case tag_button_edit: open_selected(); return true;
            case tag_button_add:
            case Thandlermodule_header::tag_main_plus:
                if (ftabpageno == 1) open_line(-1);
                return true;
            case tag_button_delete:
            case Thandlermodule_header::tag_main_minus:
                if (ftabpageno == 1) ask_delete();
                return true;
            default: break;
        }
    }
    if (amsg == tmsg_code::ontop_closed && atag == tag_ontop_delete) {
        const int32_t result = aparams ? static_cast<tmsg_params_ontop_result*>(aparams)->result : 0;
        if (result == Thandlermodule_dialog::result_yes) delete_line();
        return true;
    }
    return Thandlermodule_edit_generic::callback_message(aparams, atag, amsg);
}

const trecord_bill_line* Thandlermodule_edit_cpinvoice::selected_line() {
    const int32_t row = grid_lines().row;
    if (row < 0 || row >= static_cast<int32_t>(flist_bill_lines.size())) return nullptr;
    return &flist_bill_lines[static_cast<size_t>(row)];
}

void Thandlermodule_edit_cpinvoice::open_selected() {
    if (const trecord_bill_line* line = selected_line()) open_line(line->flineno);
}

// alineno -1 asks for a new line.
void Thandlermodule_edit_cpinvoice::open_line(int16_t alineno) {
    if (fmode_editing) return;
    const tparam_value params[] = {int64_t{template_id()}, int64_t{alineno}};
    fowner->page_enter(Thandlermodule_edit_cpinvoice_billitem::handler_class(), params, false);
}

void Thandlermodule_edit_cpinvoice::ask_delete() {
    const trecord_bill_line* line = selected_line();
    if (fmode_editing || !line) return;
    fdeleting_lineno = line->flineno;
    run_dialog(tag_ontop_delete, u"Delete Template Line [" + line->fbill_item1 + u"] ?");
}

void Thandlermodule_edit_cpinvoice::delete_line() {
    if (fdeleting_lineno < 0) return;
    std::unique_ptr<tejt_generic> ejt = tejt_database::create_ejt(ejt_line_delete);
    auto& remove = dynamic_cast<tejt_record_delete&>(*ejt);
    remove.frecord->set_aslongint1(remove.frecord->get_field_index1("id"), template_id());
    remove.frecord->set_assmallint1(remove.frecord->get_field_index1("lineno"), fdeleting_lineno);
    tdebug_dumps::show_ejt(remove, class_name());
    Tdatamodule_ejt::instance().send_ejt_record(remove, nullptr);
    fdeleting_lineno = -1;
    get_messages().add_message(302, jt_run_task, fhandler_type, task_load_lines);
}

void Thandlermodule_edit_cpinvoice::save_changes() {
    save_record_ejt(ejt_cpinvoice, *frecord, *frecord0, fis_newrecord, class_name(),
                    [this](tejt_generic& aejt) { tdebug_dumps::show_ejt(aejt, class_name()); });
    fis_newrecord = false;
}

void Thandlermodule_edit_cpinvoice::show_debug101() { tdebug_dumps::toggle(); }

std::u16string Thandlermodule_edit_cpinvoice::line_text(const trecord_bill_line& aline) {
    return aline.fbill_item1 + u" x " + bill_qty_caption(aline.fbill_qty_type);
}

void Thandlermodule_edit_cpinvoice::control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme, const trect& arect,
                                                  int32_t arow, int32_t acol) {
    std::u16string text;
    if (acontrol->tag == tag_grid_tabs) {
        if (arow == 0) text = acol == 0 ? u"Details" : acol == 1 ? u"Water" : u"";
    } else if (acontrol->tag == tag_grid_lines) {
        if (arow >= 0 && arow < static_cast<int32_t>(flist_bill_lines.size())) {
            const trecord_bill_line& line = flist_bill_lines[static_cast<size_t>(arow)];
            text = acol == 0 ? utf8_to_utf16(std::to_string(line.flineno)) : acol == 1 ? line_text(line) : u"";
        }
    } else
        return;
    paint_grid_cell_text(*this, acontrol, atheme, arect, arow, acol, text);
}
