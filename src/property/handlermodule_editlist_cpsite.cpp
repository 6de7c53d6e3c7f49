#include "property/handlermodule_editlist_cpsite.h"

#include "pages/page_support.h"
#include "pages/grid_cell_text.h"
#include "controls/container_controls_generic.h"
#include "controls/control_kinds.h"
#include "controls/control_messages.h"
#include "controls/grid_controls.h"
#include "controls/key_codes.h"
#include "controls/panel.h"
#include "database/datamodule_database_customers.h"
#include "database/procs_querys.h"
#include "pages/datamodule_messages.h"
#include "pages/handler_class.h"
#include "pages/handlermodule_dialog.h"
#include "pages/handlermodule_header.h"
#include "pages/page_controller_generic.h"
#include "pages/page_form.h"
#include "pages/page_hooks.h"
#include "procs/message_format.h"
#include "property/handlermodule_edits_cpsite_pics.h"
#include "property/page_enter_params.h"
#include "property/procs_site_pics.h"
#include "values/params_generic.h"
#include "values/procs_datarecord2.h"

namespace {

// Footer legends: F2 2, F3 4, F7 64, F9 256; the details tab shows all but F7.
constexpr uint16_t footer_all = 2 + 4 + 64 + 256;
constexpr uint16_t footer_f2 = 2, footer_f3 = 4, footer_f7 = 64, footer_f9 = 256;

const Tform_page2& editlist_form() {
    static const Tform_page2 form("Tform_page_editlist_cpsite", Tform_page2::embedded_text("form_page_editlist_cpsite"));
    return form;
}

std::u16string text_of(const tdbrecord_generic2& arecord, std::string_view afield) {
    const int32_t index = arecord.get_field_index1(afield);
    return arecord.get_field_is_assigned(index) ? arecord.get_asunicodestring1(index) : std::u16string();
}

}  // namespace

Thandlermodule_editlist_cpsite::Thandlermodule_editlist_cpsite(tpage_controller_generic* aowner,
                                                               thandler_type ahandler_type, tgraphbox_generic* agraphbox)
    : Thandlermodule_editlist_generic(aowner, ahandler_type, agraphbox),
      fmodule(std::make_unique<Tdatamodule_cp_site>(Tdatamodule_database_customers::instance())) {
    frecord = std::make_unique<tdbrecord_cp_site2>();
    frecord0 = std::make_unique<tdbrecord_cp_site2>();
}

Thandlermodule_editlist_cpsite::~Thandlermodule_editlist_cpsite() = default;

const thandler_class& Thandlermodule_editlist_cpsite::handler_class() {
    static const thandler_class c("Thandlermodule_editlist_cpsite", &handler_factory_of<Thandlermodule_editlist_cpsite>,
                                  &editlist_form(), &tparams_null::static_class());
    return c;
}

tvelmor_grid& Thandlermodule_editlist_cpsite::grid() { return control<tvelmor_grid>(tag_grid); }

int32_t Thandlermodule_editlist_cpsite::get_tabpage_panel(int16_t atabpageno) const {
    switch (atabpageno) {
        case 0: return tag_panel_list;
        case 1: return tag_panel_detail;
        case 2: return tag_panel_pics;
        default: throw tvelmor_exception("Invalid tabpageno %d in %s.get_tabpage_panel();", atabpageno, class_name());
    }
}

void Thandlermodule_editlist_cpsite::once_created() {
    control<tvelmor_grid>(tag_grid_header).set_rowcount(1);
    fcontrols->tag_menuitems = tag_menu_list;
    set_focused_tag(tag_grid, true);
}

void Thandlermodule_editlist_cpsite::once_laid_out() {
    tprocs_querys::load_table_list(flist_sites, dben_table_cp_site, {}, {}, {});
    for (const trecord_cpsite& line : flist_sites) flist_lines.push_back(line.fid);
    grid().set_rowcount(line_count());
}

void Thandlermodule_editlist_cpsite::load_record() {
    if (frow_operate < 0 || frow_operate >= line_count())
        throw tvelmor_exception("Invalid row %d in %s.load_record();", frow_operate, class_name());
    const int32_t id = flist_sites.get_item(frow_operate).fid;
    if (!fmodule->get_cp_site(static_cast<tdbrecord_cp_site2&>(*frecord), id))
        throw tvelmor_exception("Site %d not found in %s.load_record();", id, class_name());
}

int64_t Thandlermodule_editlist_cpsite::record_pics() const {
    const int32_t index = frecord->get_field_index1("pics");
    return frecord->get_field_is_assigned(index) ? frecord->get_asint64_1(index) : 0;
}

bool Thandlermodule_editlist_cpsite::set_tabpageno(int16_t atabpageno, bool arefresh) {
    const int32_t panel_new = get_tabpage_panel(atabpageno);
    if (atabpageno == ftabpageno) return false;
    const int32_t panel_old = get_tabpage_panel(ftabpageno);
    if (atabpageno == 0 && (arefresh || fline_stale)) refresh_line();
    fcontrols->get_panel(panel_old)->visible = false;
    fcontrols->get_panel(panel_new)->visible = true;
    ftabpageno = atabpageno;
    if (atabpageno == 1) {
        set_modified(!fis_newrecord && !tprocs_datarecord2::is_equal(*frecord, *frecord0));
        set_mode_editing(fis_newrecord || fmodified, true);
        const int32_t id = frecord->get_field_index1("id");
        control<tvelmor_customlabel>(tag_label_id)
            .set_caption(frecord->get_field_is_assigned(id) ? utf8_to_utf16(std::to_string(frecord->get_aslongint1(id)))
                                                            : u"");
    }
    if (atabpageno == 2) {
        fview.set_pics(record_pics());
        show_counter();
    }
    fcontrols->tag_menuitems = atabpageno == 0 ? tag_menu_list : atabpageno == 2 ? tag_menu_pics : 0;
    set_focused_tag(atabpageno == 1 ? tag_edit_address1 : atabpageno == 0 ? tag_grid : 0, true);
    show_tab_bars(atabpageno);
    get_messages().add_message(501, jt_erase_panel, fhandler_type, panel_old, 0);
    get_messages().add_message(501, jt_draw_panel, fhandler_type, panel_new);
    return true;
}

void Thandlermodule_editlist_cpsite::show_tab_bars(int16_t atabpageno) {
    if (!fowner) return;
    if (auto* footer = dynamic_cast<ifooter_settings*>(fowner->get_handler_footer())) {
        uint16_t enabled = footer_f9;
        if (fmodified) enabled |= footer_f2;
        if (!fmode_editing) enabled |= footer_f3;
        footer->set_buttons_invisible(atabpageno == 1 ? footer_f7 : footer_all, false);
        footer->set_buttons_enabled(enabled, false);
    }
    // The header's menu, plus and minus act on the list and the pictures.
    if (auto* header = dynamic_cast<iheader_settings*>(fowner->get_handler_header())) {
        for (tparams_header param : {ph_menu_enabled, ph_button_plus_enabled, ph_button_minus_enabled})
            header->set_header_param(param, atabpageno != 1, false);
        get_messages().add_message(501, jt_draw_control, ht_header, Thandlermodule_header::tag_plus);
    }
}

void Thandlermodule_editlist_cpsite::show_counter() {
    control<tvelmor_customlabel>(tag_counter).set_caption(fview.counter_text());
}

bool Thandlermodule_editlist_cpsite::handle_keydown(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (ftabpageno == 2) return keydown_pics(akey, ashift, as_keyup);
    if (ftabpageno == 0 && ashift == 0 && (akey == tvk::insert || akey == tvk::del)) {
        if (!as_keyup) akey == tvk::insert ? new_site() : delete_site();
        return true;
    }
    return Thandlermodule_editlist_generic::handle_keydown(akey, ashift, as_keyup);
}

bool Thandlermodule_editlist_cpsite::keydown_pics(uint16_t akey, tshift_state ashift, bool as_keyup) {
    if (ashift == ss_ctrl && (akey == tvk::prior || akey == tvk::next)) {
        if (as_keyup) return true;
        const int32_t id = frecord->get_field_index1("id");
        if (akey == tvk::prior) {
            set_tabpageno(1, false);
        } else if (frecord->get_field_is_assigned(id) && !fmodified) {
            const tparam_value params[] = {int64_t{frecord->get_aslongint1(id)}};
            // This page stays beneath.
            page_enter_params(*fowner, pageno_edit_cpunit, params, false);
        }
        return true;
    }
    if (ashift != 0) return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
    if (as_keyup) return true;
    switch (akey) {
    case tvk::escape:
        // Unsaved address changes are shown, not dropped: the details tab asks about them.
        set_tabpageno(fmodified ? 1 : 0, false);
        return true;
    case tvk::prior:
    case tvk::next:
        if (fview.move(akey == tvk::prior ? -1 : 1)) {
            show_counter();
            get_messages().add_message(501, jt_draw_control, fhandler_type, tag_counter);
            get_messages().add_message(501, jt_draw_control, fhandler_type, tag_picture);
        }
        return true;
    case tvk::f7:
        fowner->run_menu(true);
        return true;
    default: return Thandlermodule_page::handle_keydown(akey, ashift, as_keyup);
    }
}

bool Thandlermodule_editlist_cpsite::callback_message(void* aparams, int32_t atag, int32_t amsg) {
    if (ftabpageno != 1 && callback_tab(aparams, atag, amsg)) return true;
    if (ftabpageno == 1) return Thandlermodule_editlist_generic::callback_message(aparams, atag, amsg);
    return Thandlermodule_page::callback_message(aparams, atag, amsg);
}

// The header buttons and the page menu of the list and pictures tabs, and the delete question.
bool Thandlermodule_editlist_cpsite::callback_tab(void* aparams, int32_t atag, int32_t amsg) {
    const bool pics = ftabpageno == 2;
    int32_t choice = -1;
    if (amsg == tmsg_code::button_pressed && atag == Thandlermodule_header::tag_main_plus) choice = 0;
    if (amsg == tmsg_code::button_pressed && atag == Thandlermodule_header::tag_main_minus) choice = 1;
    if (amsg == tmsg_code::ontop_closed && (atag == tag_ontop_menu || atag == tag_ontop_delete)) {
        const int32_t result = aparams ? static_cast<tmsg_params_ontop_result*>(aparams)->result : -1;
        if (atag == tag_ontop_delete) {
            if (pics && result == Thandlermodule_dialog::result_yes) delete_pic();
            return true;
        }
        choice = result;
        if (choice < 0) return true;
    }
    if (choice < 0) return false;
    if (choice == 0) pics ? add_pic() : new_site();
    if (choice == 1) pics ? ask_delete_pic() : delete_site();
    return true;
}

void Thandlermodule_editlist_cpsite::new_site() {
    fis_newrecord = true;
    frecord->clear();
    frecord0->clear();
    frecord->set_asint64_1(frecord->get_field_index1("pics"), 0);
    fcontrols->update_header_controls(tag_fieldlinks, -1);
    set_tabpageno(1, false);
}

void Thandlermodule_editlist_cpsite::delete_site() {
    // No journaled write deletes a site: its units, readings and invoices refer to it.
    throw tvelmor_exception("Sites cannot be deleted in %s.delete_site();", class_name());
}

void Thandlermodule_editlist_cpsite::add_pic() {
    int64_t pics = record_pics();
    if (choose_site_pic(*fmodule, pics, class_name())) store_pics(pics);
}

void Thandlermodule_editlist_cpsite::ask_delete_pic() {
    if (fview.fpic_no < 1) return;
    run_dialog(tag_ontop_delete, tsite_pics_view::delete_question);
}

void Thandlermodule_editlist_cpsite::delete_pic() {
    if (fview.fpic_no < 1) return;
    store_pics(tprocs_site_pics::without_pic(record_pics(), fview.fpic_no));
}

void Thandlermodule_editlist_cpsite::store_pics(int64_t apics) {
    const int32_t index = frecord->get_field_index1("pics");
    const int64_t before = record_pics();
    frecord->set_asint64_1(index, apics);
    try {
        commit_edit(true);
    } catch (...) {
        // Not saved: the working record keeps the pictures it had.
        frecord->set_asint64_1(index, before);
        throw;
    }
    fview.set_pics(apics);
    show_counter();
    get_messages().add_message(501, jt_draw_panel, fhandler_type, tag_panel_pics);
}

void Thandlermodule_editlist_cpsite::commit_edit(bool as_stay) {
    const bool is_new = fis_newrecord;
    const bool changed = is_new || !tprocs_datarecord2::is_equal(*frecord, *frecord0);
    // The list's line follows once the user is back on the list (also after a save on the pictures tab).
    if (changed) {
        fline_stale = true;
        fsaving_new = fsaving_new || is_new;
    }
    try {
        Thandlermodule_editlist_generic::commit_edit(as_stay);
    } catch (...) {
        if (is_new) fsaving_new = false;
        throw;
    }
}

// After a save: a new site gets its line, an edited one its new addresses.
void Thandlermodule_editlist_cpsite::refresh_line() {
    fline_stale = false;
    // A new site that was never saved has no line.
    if (fis_newrecord) return;
    trecord_cpsite line;
    line.fid = frecord->get_aslongint1(frecord->get_field_index1("id"));
    line.faddress1 = text_of(*frecord, "address1");
    line.faddress2 = text_of(*frecord, "address2");
    line.faddress3 = text_of(*frecord, "address3");
    line.faddress4 = text_of(*frecord, "address4");
    if (fsaving_new) {
        fsaving_new = false;
        flist_sites.add() = line;
        flist_lines.push_back(line.fid);
        grid().set_rowcount(line_count());
        grid().row_setfull(line_count() - 1);
    } else if (frow_operate >= 0 && frow_operate < line_count() && flist_sites.get_item(frow_operate).fid == line.fid) {
        flist_sites.get_item(frow_operate) = line;
    }
}

std::u16string Thandlermodule_editlist_cpsite::cell_text(int32_t atag, int32_t arow, int32_t acol) const {
    return site_list_cell(flist_sites, atag == tag_grid_header, arow, acol);
}

void Thandlermodule_editlist_cpsite::control_paint(tvelmor_control* acontrol, tvelmor_theme* atheme,
                                                   const trect& arect, int32_t arow, int32_t acol) {
    if (acontrol->tag == tag_grid || acontrol->tag == tag_grid_header)
        paint_grid_cell_text(*this, acontrol, atheme, arect, arow, acol, cell_text(acontrol->tag, arow, acol));
    else if (acontrol->tag == tag_picture)
        fview.paint(canvas(), fgraphbox->ffont_tag, arect);
}
